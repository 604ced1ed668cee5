#include "ui/app/TfrmData.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/Prompter.h"
#include "ui/app/AppContext.h"
#include "ui/app/BrowserModel.h"
#include "ui/app/MenuKeys.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmDataDoc.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

namespace {

const QColor kStaleColor(255, 208, 162);  // 10670335: light orange

TfrmData::Confirm& confirmHook() {
  static TfrmData::Confirm c;
  return c;
}

// The table reports the gestures the browser follows after the view has handled them, so
// the current row is already the new one.
class DataGrid : public QTableView {
 public:
  std::function<void()> mouseDown, mouseUp, rightCtrlAltShift;
  std::function<void(int)> keyDown, keyUp;
  std::function<void(int)> wheeled;  // rows to move the current row, down positive
  using QTableView::QTableView;

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    constexpr auto kAll = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
    if (e->button() == Qt::RightButton && (e->modifiers() & kAll) == kAll && rightCtrlAltShift) {
      rightCtrlAltShift();
      return;
    }
    QTableView::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && mouseDown) mouseDown();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QTableView::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && mouseUp) mouseUp();
  }
  // The wheel moves the current row, one row a notch (finer wheels add up to notches),
  // instead of scrolling past it; a sideways wheel still scrolls.
  void wheelEvent(QWheelEvent* e) override {
    const int dy = e->angleDelta().y();
    if (dy == 0 || !wheeled) {
      QTableView::wheelEvent(e);
      return;
    }
    e->accept();
    wheelRest_ += dy;
    const int notches = wheelRest_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRest_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) wheeled(-notches);
  }
  // A held key repeats its press: each one counts.
  void keyPressEvent(QKeyEvent* e) override {
    QTableView::keyPressEvent(e);
    if (keyDown) keyDown(e->key());
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    QTableView::keyReleaseEvent(e);
    if (keyUp && !e->isAutoRepeat()) keyUp(e->key());
  }

 private:
  int wheelRest_ = 0;
};

bool IsArrowKey(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool IsNavigationKey(int key) {
  return IsArrowKey(key) || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
         key == Qt::Key_End || key == Qt::Key_Home;
}

}  // namespace

TfrmData::TfrmData(TMainForm& main)
    : QWidget(&main, Qt::Window | Qt::WindowStaysOnTopHint), main_(main) {
  setObjectName(QStringLiteral("frmData"));
  setAttribute(Qt::WA_DeleteOnClose, false);

  model_ = new BrowserModel(this);
  auto* grid = new DataGrid(this);
  DGrid_ = grid;
  DGrid_->setObjectName(QStringLiteral("DGrid"));
  DGrid_->setModel(model_);
  DGrid_->verticalHeader()->setDefaultSectionSize(18);
  DGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  DGrid_->verticalHeader()->setMinimumWidth(50);
  // The narrow bit and mark columns: the header's own minimum follows the widest glyph.
  DGrid_->horizontalHeader()->setMinimumSectionSize(16);
  LayOutColumns();
  DGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DGrid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  DGrid_->setContextMenuPolicy(Qt::CustomContextMenu);
  grid->mouseDown = [this] { GridMouseDown(); };
  grid->mouseUp = [this] { GridMouseUp(); };
  grid->keyDown = [this](int key) { GridKeyDown(key); };
  grid->keyUp = [this](int key) { GridKeyUp(key); };
  grid->rightCtrlAltShift = [this] { DebugGesture(); };

  tmDl_ = new QTimer(this);
  tmDl_->setObjectName(QStringLiteral("tmDl"));
  tmDl_->setSingleShot(true);
  tmDl_->setInterval(1);
  connect(tmDl_, &QTimer::timeout, this, [this] {
    ShowRow(CurrentRow());
    FollowRow(CurrentRow());
  });
  grid->wheeled = [this](int rows) { GridWheel(rows); };

  Editundo1_ = new QAction(QStringLiteral("Undo"), this);
  Editundo1_->setObjectName(QStringLiteral("Editundo1"));
  Editundo1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  Editundo1_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(Editundo1_, &QAction::triggered, this, &TfrmData::Editundo1Execute);
  EditRefresh1_ = new QAction(QStringLiteral("Refresh"), this);
  EditRefresh1_->setObjectName(QStringLiteral("EditRefresh1"));
  EditRefresh1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  EditRefresh1_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(EditRefresh1_, &QAction::triggered, this, &TfrmData::EditRefresh1Execute);
  addAction(Editundo1_);
  addAction(EditRefresh1_);

  auto* bar = new QHBoxLayout;
  bar->setSpacing(2);
  bnUndo_ = new QToolButton(this);
  bnUndo_->setObjectName(QStringLiteral("bnUndo"));
  bnUndo_->setDefaultAction(Editundo1_);
  bar->addWidget(bnUndo_);
  edJump_ = new QLineEdit(this);
  edJump_->setObjectName(QStringLiteral("edJump"));
  edJump_->setMaxLength(6);
  edJump_->setFixedWidth(50);
  bar->addWidget(edJump_);
  bnJump_ = new QPushButton(QStringLiteral("Jump"), this);
  bnJump_->setObjectName(QStringLiteral("bnJump"));
  bnJump_->setFocusPolicy(Qt::NoFocus);  // a click must not also leave edJump
  bar->addWidget(bnJump_);
  bnRefresh_ = new QToolButton(this);
  bnRefresh_->setObjectName(QStringLiteral("bnRefresh"));
  bnRefresh_->setDefaultAction(EditRefresh1_);
  bnRefresh_->installEventFilter(this);
  bar->addWidget(bnRefresh_);
  bar->addStretch();
  connect(bnJump_, &QPushButton::clicked, this, &TfrmData::bnJumpClick);
  connect(edJump_, &QLineEdit::returnPressed, this, &TfrmData::bnJumpClick);
  edJump_->installEventFilter(this);

  lblCursor_ = new QLabel(this);
  lblCursor_->setObjectName(QStringLiteral("lblCursor"));
  lblCursor_->setFixedWidth(24);
  edData_ = new QLineEdit(this);
  edData_->setObjectName(QStringLiteral("edData"));
  edData_->setMaxLength(6);
  bnsave_ = new QPushButton(QStringLiteral("Save"), this);
  bnsave_->setObjectName(QStringLiteral("bnsave"));
  connect(bnsave_, &QPushButton::clicked, this, &TfrmData::bnsaveClick);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblCursor_);
  bottom->addWidget(edData_, 1);
  bottom->addWidget(bnsave_);

  popup_ = new QMenu(this);
  pmEditUndo_ = popup_->addAction(QStringLiteral("Undo"), this, &TfrmData::Editundo1Execute);
  pmEditUndo_->setObjectName(QStringLiteral("pmEditUndo"));
  ShowKey(*pmEditUndo_, Editundo1_->shortcut());
  pmSeparator_ = popup_->addSeparator();
  pmEditRefresh_ =
      popup_->addAction(QStringLiteral("Refresh"), this, &TfrmData::EditRefresh1Execute);
  pmEditRefresh_->setObjectName(QStringLiteral("pmEditRefresh"));
  ShowKey(*pmEditRefresh_, EditRefresh1_->shortcut());
  connect(DGrid_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { popup_->popup(DGrid_->viewport()->mapToGlobal(pos)); });

  Stb_ = new QStatusBar(this);
  Stb_->setObjectName(QStringLiteral("Stb"));
  Stb_->setSizeGripEnabled(false);
  Stb_->hide();

  tmanime_ = new QTimer(this);
  tmanime_->setObjectName(QStringLiteral("tmanime"));
  tmanime_->setInterval(500);
  connect(tmanime_, &QTimer::timeout, this,
          [this] { bnRefresh_->setVisible(!bnRefresh_->isVisible()); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(bar);
  layout->addWidget(DGrid_, 1);
  layout->addLayout(bottom);
  layout->addWidget(Stb_);

  ShowUpToDate();
  resize(kWaveWidth, 400);
  setMinimumWidth(kWaveWidth);
}

TfrmData::~TfrmData() { Unbind(); }

TfrmData& TfrmData::instance(TMainForm& main) {
  if (TfrmData* browser = find(main)) return *browser;
  return *new TfrmData(main);
}

TfrmData* TfrmData::find(TMainForm& main) {
  return main.findChild<TfrmData*>(QStringLiteral("frmData"), Qt::FindDirectChildrenOnly);
}

void TfrmData::setConfirm(Confirm confirm) { confirmHook() = std::move(confirm); }

BrowsedDoc* TfrmData::Browsed() const {
  if (!doc_ || !doc_->window() || browsedKey_.empty() || doc_->browserKey() != browsedKey_)
    return nullptr;
  return doc_.get();
}

DocumentWindow* TfrmData::browsedWindow() const {
  return Browsed() ? doc_->window() : nullptr;
}

bool TfrmData::IsBrowsed(const DocumentWindow& window) const {
  return Browsed() && doc_->window() == &window;
}

// ---- binding -------------------------------------------------------------------------------

void TfrmData::Bind(DocumentWindow& window) {
  if (doc_ && doc_->window() == &window) return;
  Unbind();
  if (auto* wave = qobject_cast<TfrmWave*>(&window)) doc_ = BrowseWave(*wave, *this);
  else if (auto* ppg = qobject_cast<TfrmPpg*>(&window)) doc_ = BrowsePattern(*ppg, *this);
  if (!doc_) return;
  // A closing browsed document closes the browser.
  closing_ = connect(&window, &QObject::destroyed, this, [this] {
    doc_->Forget();
    Unbind();
    hide();
  });
}

void TfrmData::Unbind() {
  disconnect(closing_);
  doc_.reset();  // the document's reports go to its window alone again
  browsedKey_.clear();
}

void TfrmData::closeEvent(QCloseEvent* event) {
  Unbind();
  tmanime_->stop();
  QWidget::closeEvent(event);
}

// ---- calls from the documents ----------------------------------------------------------------

void TfrmData::FillBrowser(DocumentWindow& window) {
  Bind(window);
  if (!doc_) return;
  doc_->Fill(*model_);
  browsedKind_ = doc_->kind();
  LayOutColumns();
  Stb_->setVisible(debugMode_);

  browsedKey_ = keys_.Next();
  doc_->browserKey() = browsedKey_;

  const bool pattern = model_->isPattern();
  const int width = pattern ? kPatternWidth : debugMode_ ? kDebugWaveWidth : kWaveWidth;
  setMinimumWidth(pattern ? kPatternWidth : kWaveWidth);
  resize(width, height());
  setWindowTitle(window.caption());
  show();

  ShowUpToDate();
  lblCursor_->clear();
  SetBrowserUndo(false);

  if (!doc_->selection().on) DGrid_->scrollToTop();
  MirrorSelection(window);
  MirrorCursors(window);
}

// A filled table starts over with the header's defaults: each kind sets its own widths.
void TfrmData::LayOutColumns() {
  // Row 0 and column 0 are the headers: the view shows them frozen in its own headers.
  DGrid_->setRowHidden(0, true);
  DGrid_->setColumnHidden(0, true);
  const bool pattern = model_->isPattern();
  for (int c = 1; c < model_->columnCount(); ++c)
    DGrid_->setColumnWidth(c, pattern || c == 1 ? 25 : 50);
  // The waveform's generator kind is for debugging only.
  DGrid_->setColumnHidden(4, !pattern && !debugMode_);
}

void TfrmData::ShowUpToDate() {
  browserStale_ = false;
  DGrid_->setPalette(QPalette());
  tmanime_->stop();
  bnRefresh_->setVisible(false);
  pmEditRefresh_->setVisible(false);
  pmSeparator_->setVisible(false);
  bnsave_->setEnabled(true);
}

void TfrmData::UpdateBrowserRows(DocumentWindow& window, int a, int b) {
  if (!IsBrowsed(window)) return;
  doc_->UpdateRows(*model_, a, b);
  Stb_->showMessage(QStringLiteral("%1-%2").arg(std::min(a, b)).arg(std::max(a, b)));
  SetBrowserUndo(false);
}

void TfrmData::MarkBrowserStale(DocumentWindow& window) {
  if (!IsBrowsed(window)) return;
  QPalette pal = DGrid_->palette();
  pal.setColor(QPalette::Base, kStaleColor);
  DGrid_->setPalette(pal);
  browserStale_ = true;
  tmanime_->start();
  bnRefresh_->setVisible(true);
  pmEditRefresh_->setVisible(true);
  pmSeparator_->setVisible(true);
  bnsave_->setEnabled(false);
  SetBrowserUndo(false);
}

void TfrmData::ChangedRange(DocumentWindow& window, int a, int b) {
  if (applying_ || !IsBrowsed(window)) return;
  if (ChangedRangeUpdate(a, b, main_.refreshLimit()) == BrowserUpdate::Rows)
    UpdateBrowserRows(window, a, b);
  else
    MarkBrowserStale(window);
}

void TfrmData::MirrorSelection(DocumentWindow& window) {
  if (!IsBrowsed(window)) return;
  const BrowsedSelection sel = doc_->selection();
  if (sel.on) {
    SetRowSelect(true);
    lblCursor_->clear();
    const int top = sel.first + 1;
    // Seen before the selection moves the current row, which scrolls on its own.
    const int first = DGrid_->rowAt(0), last = DGrid_->rowAt(DGrid_->viewport()->height() - 1);
    const bool hidden = top < first || (last >= 0 && top > last);
    SelectRows(top, sel.last + 1);
    if (hidden)
      DGrid_->scrollTo(model_->index(std::max(1, sel.first), 1),
                       QAbstractItemView::PositionAtTop);
    ShowRow(top);
  } else if (lblCursor_->text().isEmpty()) {
    SetRowSelect(false);
  } else {
    // The row of the cursor being moved stays; a range selected before must not linger
    // for Save.
    SelectRows(CurrentRow(), CurrentRow());
  }
}

void TfrmData::MirrorCursors(DocumentWindow& window) {
  if (!IsBrowsed(window)) return;
  const BrowsedCursors cursors = doc_->cursors();
  model_->SetMark(0, QStringLiteral("X1"));
  model_->SetMark(0, QStringLiteral("X2"));
  cursorRowX1_ = cursors.x1 + 1;
  cursorRowX2_ = cursors.x2 + 1;
  if (cursors.shown) {
    model_->SetMark(cursorRowX1_, QStringLiteral("X1"));
    model_->SetMark(cursorRowX2_, QStringLiteral("X2"));
  } else {
    lblCursor_->clear();
  }
}

void TfrmData::MirrorCursorMove(int address, int cursor) {
  const QString mark = cursor == 1 ? QStringLiteral("X1") : QStringLiteral("X2");
  const int row = ClampBrowserRow(address + 1, model_->rowCount());
  SetRowSelect(true);
  DGrid_->setCurrentIndex(model_->index(row, 2));
  model_->SetMark(row, mark);
  (cursor == 1 ? cursorRowX1_ : cursorRowX2_) = row;
  ShowRow(row);
  lblCursor_->setText(mark);
}

// ---- table state ---------------------------------------------------------------------------

void TfrmData::SetBrowserUndo(bool ready) {
  browserUndoReady_ = ready;
  Editundo1_->setEnabled(ready);
  pmEditUndo_->setEnabled(ready);
}

void TfrmData::SetRowSelect(bool on) {
  DGrid_->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                  : QAbstractItemView::SelectItems);
  if (!on) {
    // Only the current cell stays marked.
    const QModelIndex current = DGrid_->currentIndex();
    DGrid_->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
  }
}

void TfrmData::SelectRows(int firstRow, int lastRow) {
  const int rows = model_->rowCount();
  firstRow = ClampBrowserRow(firstRow, rows);
  lastRow = ClampBrowserRow(lastRow, rows);
  QItemSelectionModel* sel = DGrid_->selectionModel();
  sel->setCurrentIndex(model_->index(firstRow, 2), QItemSelectionModel::NoUpdate);
  sel->select(QItemSelection(model_->index(firstRow, 1),
                             model_->index(lastRow, model_->columnCount() - 1)),
              QItemSelectionModel::ClearAndSelect);
}

int TfrmData::CurrentRow() const {
  return ClampBrowserRow(DGrid_->currentIndex().row(), model_->rowCount());
}

QString TfrmData::MarkAt(int row) const { return model_->text(row, 1); }

void TfrmData::ShowRow(int row) {
  row = ClampBrowserRow(row, model_->rowCount());
  edData_->setText(model_->valueText(row));
  edJump_->setText(QString::number(row - 1));
}

void TfrmData::FollowRow(int row) {
  const FollowAction action =
      averoz::FollowRow(lblCursor_->text().toStdString(), row, model_->rowCount(), cursorRowX1_,
                        cursorRowX2_);
  switch (action.kind) {
    case FollowAction::MoveX1:
    case FollowAction::MoveX2:
      if (action.row != row) DGrid_->setCurrentIndex(model_->index(action.row, 2));
      MoveCursorFromBrowser(action.row - 1, action.kind == FollowAction::MoveX1 ? 1 : 2);
      break;
    case FollowAction::Select:
      SelectFromBrowser(action.row - 1, action.row - 1);
      break;
  }
}

// ---- gestures ------------------------------------------------------------------------------

void TfrmData::GridMouseDown() {
  ShowRow(CurrentRow());
  lblCursor_->setText(MarkAt(CurrentRow()));
}

std::pair<int, int> TfrmData::SelectedRows() const {
  int top = CurrentRow(), bottom = top;
  const QModelIndexList cells = DGrid_->selectionModel()->selectedIndexes();
  if (!cells.isEmpty()) {
    top = bottom = cells.front().row();
    for (const QModelIndex& i : cells) {
      top = std::min(top, i.row());
      bottom = std::max(bottom, i.row());
    }
  }
  const int rows = model_->rowCount();
  return {ClampBrowserRow(top, rows), ClampBrowserRow(bottom, rows)};
}

void TfrmData::GridMouseUp() {
  const auto [top, bottom] = SelectedRows();
  SelectFromBrowser(top - 1, bottom - 1);
  lblCursor_->setText(MarkAt(CurrentRow()));
}

void TfrmData::GridKeyDown(int key) {
  if (IsArrowKey(key)) FollowRow(CurrentRow());
}

void TfrmData::GridKeyUp(int key) {
  if (!IsNavigationKey(key)) return;
  ShowRow(CurrentRow());
  FollowRow(CurrentRow());
}

void TfrmData::GridWheel(int rows) {
  // The view keeps the new current row in sight; the timer's tick shows and follows it.
  const int row = ClampBrowserRow(CurrentRow() + rows, model_->rowCount());
  DGrid_->setCurrentIndex(model_->index(row, std::max(1, DGrid_->currentIndex().column())));
  tmDl_->start();
}

void TfrmData::DebugGesture() {
  main_.prompter().showText("Debug On!", Icon::Information);
  debugMode_ = true;
}

bool TfrmData::eventFilter(QObject* watched, QEvent* event) {
  if (watched == bnRefresh_) {
    if (event->type() == QEvent::Enter) {
      tmanime_->stop();
      bnRefresh_->setVisible(true);
    } else if (event->type() == QEvent::Leave && browserStale_) {
      tmanime_->start();
    }
  } else if (watched == edJump_ && event->type() == QEvent::FocusOut) {
    if (!edJump_->text().trimmed().isEmpty()) bnJumpClick();
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmData::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if ((event->type() == QEvent::ActivationChange && isActiveWindow()) ||
      (event->type() == QEvent::WindowStateChange && isMinimized()))
    ShowBrowsedDocument();
}

// ---- commands ------------------------------------------------------------------------------

void TfrmData::bnJumpClick() {
  const std::optional<int> row = JumpTopRow(edJump_->text().toStdString(), model_->rowCount());
  if (row) {
    DGrid_->scrollTo(model_->index(*row, 1), QAbstractItemView::PositionAtTop);
  } else {
    edJump_->clear();
    main_.prompter().warn(ERRMSG(3));
  }
  DGrid_->setFocus();
}

void TfrmData::bnsaveClick() {
  BrowsedDoc* doc = Browsed();
  if (!doc || browserStale_) return;
  const auto [top, bottom] = SelectedRows();
  const QString value = edData_->text().trimmed();
  edData_->setText(value);
  const std::optional<std::int32_t> checked =
      doc->CheckSave(value.toStdString(), top - 1, bottom - 1, *model_);
  if (!checked) return;
  const QString text = QString::fromStdString(BrowserConfirmText(
      AppContext::instance().language(), top - 1, bottom - 1, value.toStdString()));
  const bool ok = confirmHook()
                      ? confirmHook()(text)
                      : QMessageBox::information(this, QCoreApplication::applicationName(), text,
                                                 QMessageBox::Ok | QMessageBox::Cancel) ==
                            QMessageBox::Ok;
  if (!ok) return;
  model_->WriteValue(top - 1, bottom - 1, *checked);
  ApplyFromBrowser(top - 1, bottom - 1, *checked);
  SetBrowserUndo(true);
  browserUndoFirst_ = top - 1;
  browserUndoLast_ = bottom - 1;
}

void TfrmData::Editundo1Execute() {
  if (!browserUndoReady_) return;
  UndoFromBrowser(browserUndoFirst_, browserUndoLast_);
  SetBrowserUndo(false);
}

void TfrmData::EditRefresh1Execute() {
  if (DocumentWindow* window = browsedWindow()) FillBrowser(*window);
}

// ---- calls into the browsed document -------------------------------------------------------

void TfrmData::SelectFromBrowser(int first, int last) {
  if (BrowsedDoc* doc = Browsed()) doc->Select(first, last);
}

void TfrmData::MoveCursorFromBrowser(int address, int cursor) {
  if (BrowsedDoc* doc = Browsed()) MirrorCursorMove(doc->MoveCursor(address, cursor), cursor);
}

void TfrmData::ApplyFromBrowser(int first, int last, std::int32_t value) {
  BrowsedDoc* doc = Browsed();
  if (!doc) return;
  // The rows are written already.
  applying_ = true;
  doc->Apply(first, last, value);
  applying_ = false;
}

void TfrmData::UndoFromBrowser(int first, int last) {
  BrowsedDoc* doc = Browsed();
  if (!doc) return;
  applying_ = true;
  doc->Undo();
  applying_ = false;
  doc->CopyValues(*model_, first, last);
  doc->ResetSelection();
}

void TfrmData::ShowBrowsedDocument() {
  DocumentWindow* window = browsedWindow();
  if (!window || showingDocument_) return;
  showingDocument_ = true;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
    if (sub->isMinimized()) sub->showNormal();
    main_.mdiArea()->setActiveSubWindow(sub);
  }
  showingDocument_ = false;
}

}  // namespace averoz
