#include "ui/app/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "core/app/IniFile.h"
#include "core/app/Prompter.h"
#include "ui/app/AppContext.h"
#include "ui/app/CommandRoutes.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/Habits.h"
#include "ui/app/QtPrompter.h"
#include "ui/app/Tfrmabout.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/spectrum/SpectrumDock.h"
#include "ui/wave/TfrmWave.h"

// The icons live in a static library: make sure the linker keeps them.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace averoz {

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent),
      mdiArea_(new QMdiArea(this)),
      edTrap_(new QLineEdit(this)),
      ownPrompter_(std::make_unique<QtPrompter>(this)) {
  InitIconResources();
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("VI Ved Averoz"));
  mdiArea_->setObjectName(QStringLiteral("MDIArea"));
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdiArea_);
  edTrap_->setObjectName(QStringLiteral("edTrap"));
  edTrap_->setGeometry(0, 0, 1, 1);
  edTrap_->hide();
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  ownPrompter_->setStatusBar(statusBar());
  setPrompter(nullptr);
  for (auto& channel : loadBits) channel.assign(kDataLen, 0);

  CreateMenus();
  CreateToolBars();
  // Until the data files can be written, a save reports "not saved", so closing is refused
  // rather than the changes being dropped; the file commands replace it.
  saveHandler_ = [](DocumentWindow& doc) { return doc.isSaved(); };
  InstallCommandRoutes(*this);
  if (auto* view = findChild<QMenu*>(QStringLiteral("mnView")))
    InstallSpectrumDock(*this, *mdiArea_, *view);
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    if (auto* doc = sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr)
      DocumentActivated(*doc);
  });
}

TMainForm::~TMainForm() {
  // Document windows go while the frame is whole: their last focus-outs may still ask it
  // for the active document.
  qDeleteAll(mdiArea_->subWindowList());
  if (AppContext::instance().prompter() == prompter_) AppContext::instance().setPrompter(nullptr);
}

Prompter& TMainForm::prompter() { return *prompter_; }

void TMainForm::setPrompter(Prompter* prompter) {
  prompter_ = prompter ? prompter : ownPrompter_.get();
  AppContext::instance().setPrompter(prompter_);
}

// ---- documents -----------------------------------------------------------------------------

QList<DocumentWindow*> TMainForm::documents() const {
  QList<DocumentWindow*> list;
  for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder))
    if (auto* doc = qobject_cast<DocumentWindow*>(sub->widget())) list << doc;
  return list;
}

DocumentWindow* TMainForm::activeDocument() const {
  QMdiSubWindow* sub = mdiArea_->activeSubWindow();
  if (!sub) sub = mdiArea_->currentSubWindow();
  return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

TfrmWave* TMainForm::CreateStartupDocument() {
  auto* doc = new TfrmWave(this, 0);
  doc->setCaption(QString::fromStdString(DocumentName(0, modCount_)));
  AddDocumentWindow(doc);
  return doc;
}

// New windows cascade from the top-left corner, each one title bar lower than the last,
// and start over when the next would leave the visible area.
void TMainForm::AddDocumentWindow(DocumentWindow* doc) {
  QMdiSubWindow* sub = mdiArea_->addSubWindow(doc);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  doc->showInitialSize();
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
  const int count = int(mdiArea_->subWindowList().size()) - 1;
  const QSize room = mdiArea_->viewport()->size() - sub->size();
  const int places = std::max(1, std::min(room.width(), room.height()) / step + 1);
  const int offset = (count % places) * step;
  sub->move(offset, offset);
  mdiArea_->setActiveSubWindow(sub);
  UpdateForDocumentCount(false);
}

bool TMainForm::RefuseAtWindowLimit() {
  if (documents().size() < kMaxDocuments) return false;
  prompter().warn(ERRMSG(27));
  return true;
}

TfrmWave* TMainForm::NewWaveDocument(int docKind, int& counter) {
  if (RefuseAtWindowLimit()) return nullptr;
  ++counter;
  auto* doc = new TfrmWave(this, docKind);
  doc->setCaption(QString::fromStdString(DocumentName(docKind, counter)));
  AddDocumentWindow(doc);
  return doc;
}

TfrmWave* TMainForm::FileNewMod1Execute() { return NewWaveDocument(0, modCount_); }
TfrmWave* TMainForm::FileNewOpr1Execute() { return NewWaveDocument(1, oprCount_); }

TfrmPpg* TMainForm::FileNewPPG1Execute() {
  if (RefuseAtWindowLimit()) return nullptr;
  ++ppgCount_;
  auto* doc = new TfrmPpg(this);
  doc->setCaption(QString::fromStdString(DocumentName(2, ppgCount_)));
  AddDocumentWindow(doc);
  return doc;
}

DocumentWindow* TMainForm::OpenPatternDocument(const QString& path) {
  auto* doc = new TfrmPpg(this);
  doc->setFileName(path);
  doc->setCaption(QFileInfo(path).completeBaseName());
  std::vector<std::uint8_t> bits;
  bits.reserve(std::size_t(PpgDoc::dataLen) * kPpgChannels);
  for (const auto& channel : loadBits) {
    std::vector<std::uint8_t> row(channel);
    row.resize(std::size_t(PpgDoc::dataLen), 0);
    bits.insert(bits.end(), row.begin(), row.end());
  }
  doc->doc().LoadBits(bits);
  AddDocumentWindow(doc);
  doc->doc().NotifyDataChanged(0, PpgDoc::dataLen - 1);
  doc->FormActivate();
  return doc;
}

DocumentWindow* TMainForm::OpenDocument(int docKind, const QString& path, int count) {
  ++modCount_;  // every opened document counts here, whatever its kind
  if (docKind == 2) return OpenPatternDocument(path);
  const QFileInfo info(path);
  auto* doc = new TfrmWave(this, docKind);
  // Only a Modulation file keeps its path: anything else is saved under a new name.
  if (info.suffix().toLower() == QLatin1String("awf")) doc->setFileName(path);
  doc->setCaption(path.isEmpty() ? QString::fromStdString(DocumentName(0, modCount_))
                                 : info.completeBaseName());
  WaveDoc& wave = doc->doc();
  count = std::clamp(count, 0, WaveDoc::dataLen);
  for (int i = 0; i < count; ++i) {
    wave.waveData[std::size_t(i)] = loadSamples[std::size_t(i)];
    wave.blockNo[std::size_t(i)] = kBlockFree;
  }
  AddDocumentWindow(doc);
  wave.NotifyDataChanged(0, WaveDoc::dataLen - 1);
  doc->FormActivate();
  return doc;
}

bool TMainForm::FindOpenDocument(const QString& path) {
  const QList<QMdiSubWindow*> subs = mdiArea_->subWindowList(QMdiArea::CreationOrder);
  for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
    auto* doc = qobject_cast<DocumentWindow*>((*it)->widget());
    if (!doc || doc->fileName() != path) continue;
    if ((*it)->isMinimized() || (*it)->isMaximized()) (*it)->showNormal();
    mdiArea_->setActiveSubWindow(*it);
    doc->setFocus();
    return true;
  }
  return false;
}

void TMainForm::CloseUntouchedStartup() {
  const QList<DocumentWindow*> docs = documents();
  for (auto it = docs.rbegin(); it != docs.rend(); ++it) {
    DocumentWindow* doc = *it;
    if (qobject_cast<TfrmWave*>(doc) && doc->caption() == QStringLiteral("pcwav001") &&
        !doc->hasData())
      doc->closeWithoutPrompt();
  }
}

void TMainForm::UpdateForDocumentCount(bool closing) {
  const int count = int(documents().size());
  const bool none = closing ? count == 1 : count == 0;
  for (const char* name : {"mnEdit", "mnView", "mnWave", "mnWave2", "mnMath", "mnMath2"})
    if (QMenu* menu = menus_.value(QLatin1String(name))) menu->menuAction()->setEnabled(!none);
  static const char* const kDocumentBars[] = {"tbzm", "tbms", "tbpl", "tbNor", "tbxy"};
  if (none) {
    // Take the focus away from the closing document's fields.
    edTrap_->show();
    edTrap_->setFocus();
    edTrap_->hide();
    for (const char* name : {"EditCut1", "EditCopy1", "EditPaste1", "FileSave1", "EditUndo1",
                             "FileSaveAs1", "mnTransSend", "mnFileSaveUSB"})
      if (QAction* a = action(QLatin1String(name))) a->setEnabled(false);
    statusBar()->clearMessage();
    usbDrive_.clear();
    for (const char* name : kDocumentBars)
      if (QToolBar* bar = toolBars_.value(QLatin1String(name))) SetToolBarVisible(bar, false);
  } else {
    for (const char* name : kDocumentBars)
      if (QToolBar* bar = toolBars_.value(QLatin1String(name)))
        SetToolBarVisible(bar, bar->property("viewChecked").toBool());
  }
  for (const char* name : {"WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1"})
    if (QAction* a = action(QLatin1String(name))) a->setEnabled(!none);
}

void TMainForm::SetToolBarVisible(QToolBar* bar, bool visible) {
  showingToolBars_ = true;
  bar->setVisible(visible);
  showingToolBars_ = false;
}

void TMainForm::DocumentActivated(DocumentWindow& document) {
  ApplyDocumentLayout(document);
  document.FormActivate();
}

// ---- closing ---------------------------------------------------------------------------------

bool TMainForm::SaveDocument(DocumentWindow& document) {
  return saveHandler_(document) && document.isSaved();
}

bool TMainForm::ConfirmDocumentClose(DocumentWindow& document) {
  if (document.isSaved() || closing_) return true;
  const Answer answer = prompter().ask(
      Message{IMFMSG(2), document.caption().toStdString(), {}}, Buttons::YesNoCancel, Icon::Warning);
  if (answer == Answer::Yes) return SaveDocument(document);
  return answer == Answer::No;
}

void TMainForm::DocumentClosing(DocumentWindow& /*document*/) {
  if (!closing_) UpdateForDocumentCount(true);
}

bool TMainForm::FormCloseQuery() {
  // A settings file that cannot be written must not keep the editor from closing: the error
  // is shown and the walk goes on.
  WriteSetting([this](IniFile& ini) { recentFiles_.Save(ini); });
  RememberMainWindow(*this);
  const QList<DocumentWindow*> docs = documents();
  for (auto it = docs.rbegin(); it != docs.rend(); ++it) {
    DocumentWindow* doc = *it;
    if (doc->isSaved()) continue;
    const Answer answer = prompter().ask(Message{IMFMSG(2), doc->caption().toStdString(), {}},
                                         Buttons::YesNoCancel, Icon::Warning);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && !SaveDocument(*doc)) return false;
  }
  return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  closing_ = true;
  mdiArea_->closeAllSubWindows();
  event->accept();
}

// ---- settings and recent files ---------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (settingsLoaded_) return;
  settingsLoaded_ = true;
  LoadSettings();
}

void TMainForm::LoadSettings() {
  IniFile& ini = AppContext::instance().settings();
  recentFiles_.Load(ini);
  ShowRecentFiles();
  refreshLimit_ = ini.ReadInteger("Refresh", "Limit", 40000);
  if (QAction* line = action(QStringLiteral("mnViewLine")))
    line->setChecked(ini.ReadBool("View", "LineDisp", true));
  AppContext::instance().chooseLanguage();
  for (auto it = toolBars_.cbegin(); it != toolBars_.cend(); ++it) {
    QToolBar* bar = it.value();
    const bool checked =
        ini.ReadBool("ToolBar", bar->property("settingsKey").toString().toStdString(), true);
    bar->setProperty("viewChecked", checked);
    SetToolBarVisible(bar, checked);
    const QString item = bar->property("settingsKey").toString().replace("ToolBar", "Toolbar");
    if (QAction* check = action(item)) check->setChecked(checked);
  }
  UpdateForDocumentCount(false);
}

void TMainForm::AddRecentFile(const QString& path) {
  recentFiles_.Add(path.toStdString());
  ShowRecentFiles();
}

void TMainForm::ShowRecentFiles() {
  for (int slot = 1; slot <= RecentFiles::kSlots; ++slot) {
    const QString path = QString::fromStdString(recentFiles_.at(slot));
    if (path.isEmpty()) continue;
    if (QAction* sep = action(QStringLiteral("N1"))) sep->setVisible(true);
    QAction* item = action(QStringLiteral("mnFileLastFile%1").arg(slot));
    if (!item) continue;
    item->setText(QStringLiteral("%1(&%1) ").arg(slot) + QFileInfo(path).fileName());
    item->setStatusTip(path);
    item->setToolTip(path);
    item->setVisible(true);
  }
}

// ---- help ------------------------------------------------------------------------------------

void TMainForm::HelpAbout1Execute() {
  Tfrmabout about(this);
  about.exec();
}

}  // namespace averoz
