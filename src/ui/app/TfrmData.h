#pragma once
// The data browser: one window that lists the data of one document as a table (the
// samples of a waveform, the data words of a pattern), follows its edits, selection and X
// cursors, moves them from the table, and overwrites a range of addresses with one value
// (with one level of undo).
//
// A document is bound by its browserKey: each fill gives the document and the browser a
// new key, and notices from any other document are ignored.
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/app/DataBrowser.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableView;
class QTimer;
class QToolButton;

namespace averoz {

class BrowsedDoc;
class BrowserModel;
class DocumentWindow;
class TMainForm;

class TfrmData : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWaveWidth = 210;
  static constexpr int kDebugWaveWidth = 260;
  static constexpr int kPatternWidth = 315;

  explicit TfrmData(TMainForm& main);
  ~TfrmData() override;

  // The one browser of the main window, made at its first use.
  static TfrmData& instance(TMainForm& main);
  // The browser of main when it has one.
  static TfrmData* find(TMainForm& main);

  // The confirmation before Save (OK/Cancel); tests put a scripted one here.
  using Confirm = std::function<bool(const QString& text)>;
  static void setConfirm(Confirm confirm);

  // ---- calls from the documents (ignored unless the document is the browsed one) -------
  // The browsed document's reports reach the browser directly: every change of its
  // data, its selection and its X cursors, whichever command made it.
  // A waveform or pattern window; any other window is ignored.
  void FillBrowser(DocumentWindow& window);
  void UpdateBrowserRows(DocumentWindow& window, int a, int b);
  void MarkBrowserStale(DocumentWindow& window);
  // The changed-range notice: rows or stale by the refresh limit.
  void ChangedRange(DocumentWindow& window, int a, int b);
  void MirrorSelection(DocumentWindow& window);
  void MirrorCursors(DocumentWindow& window);
  void MirrorCursorMove(int address, int cursor);

  // ---- the browser's own commands ------------------------------------------------------
  void bnJumpClick();
  void bnsaveClick();
  void Editundo1Execute();
  void EditRefresh1Execute();
  // Row navigation: show the row in edData and edJump; follow it with a cursor or selection.
  void ShowRow(int row);
  void FollowRow(int row);

  // ---- state ------------------------------------------------------------------------------
  const std::string& browsedKey() const { return browsedKey_; }
  DocumentWindow* browsedWindow() const;
  int browsedKind() const { return browsedKind_; }
  bool browserStale() const { return browserStale_; }
  bool debugMode() const { return debugMode_; }
  bool browserUndoReady() const { return browserUndoReady_; }
  int cursorRowX1() const { return cursorRowX1_; }
  int cursorRowX2() const { return cursorRowX2_; }
  BrowserModel& model() const { return *model_; }
  QTableView* grid() const { return DGrid_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The bound document while its key is the browsed one.
  BrowsedDoc* Browsed() const;
  bool IsBrowsed(const DocumentWindow& window) const;
  void Bind(DocumentWindow& window);
  void Unbind();
  void ShowUpToDate();
  void LayOutColumns();
  void SetBrowserUndo(bool ready);
  void SetRowSelect(bool on);
  void SelectRows(int firstRow, int lastRow);
  int CurrentRow() const;
  // The top and bottom rows of the table's selection (the current row without one).
  std::pair<int, int> SelectedRows() const;
  QString MarkAt(int row) const;
  void GridMouseDown();
  void GridMouseUp();
  void GridKeyDown(int key);
  void GridKeyUp(int key);
  void GridWheel(int rows);
  void ShowBrowsedDocument();
  void SelectFromBrowser(int first, int last);
  void MoveCursorFromBrowser(int address, int cursor);
  // A change of the browser's own: the document's report of it is not taken as news.
  void ApplyFromBrowser(int first, int last, std::int32_t value);
  void UndoFromBrowser(int first, int last);
  void DebugGesture();

  TMainForm& main_;
  BrowserModel* model_;
  QTableView* DGrid_;
  QToolButton* bnUndo_;
  QLineEdit* edJump_;
  QPushButton* bnJump_;
  QToolButton* bnRefresh_;
  QAction* Editundo1_;
  QAction* EditRefresh1_;
  QLabel* lblCursor_;
  QLineEdit* edData_;
  QPushButton* bnsave_;
  QMenu* popup_;
  QAction* pmEditUndo_;
  QAction* pmSeparator_;
  QAction* pmEditRefresh_;
  QStatusBar* Stb_;
  QTimer* tmanime_;
  QTimer* tmDl_;

  std::string browsedKey_;
  BrowserKeyClock keys_;
  std::unique_ptr<BrowsedDoc> doc_;
  QMetaObject::Connection closing_;  // the bound window's end
  bool applying_ = false;  // the browser's own edit: its rows are written already
  bool debugMode_ = false;
  bool browserStale_ = false;
  int browsedKind_ = 0;
  bool browserUndoReady_ = false;
  int browserUndoFirst_ = 0;
  int browserUndoLast_ = 0;
  int cursorRowX1_ = 0;
  int cursorRowX2_ = 0;
  bool showingDocument_ = false;
};

}  // namespace averoz
