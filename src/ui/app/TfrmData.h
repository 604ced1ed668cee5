#pragma once
// The data browser: one window that lists the samples of one waveform document as a
// table, follows its edits, selection and X cursors, moves them from the table, and
// overwrites a range of addresses with one value (with one level of undo).
//
// A document is bound by its browserKey: each fill gives the document and the browser a
// new key, and notices from any other document are ignored.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

#include "core/app/DataBrowser.h"
#include "core/wave/WaveDoc.h"

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

class BrowserModel;
class TMainForm;
class TfrmWave;

class TfrmData : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kWaveWidth = 210;
  static constexpr int kDebugWaveWidth = 260;

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
  // samples, its selection and its X cursors, whichever command made it.
  void FillBrowser(TfrmWave& wave);
  void UpdateBrowserRows(TfrmWave& wave, int a, int b);
  void MarkBrowserStale(TfrmWave& wave);
  // The changed-range notice: rows or stale by the refresh limit.
  void ChangedRange(TfrmWave& wave, int a, int b);
  void MirrorSelection(TfrmWave& wave);
  void MirrorCursors(TfrmWave& wave);
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
  TfrmWave* browsedWindow() const;
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
  class DocTap;
  friend class DocTap;

  bool IsBrowsed(const TfrmWave& wave) const;
  void Bind(TfrmWave& wave);
  void Unbind();
  void ShowUpToDate();
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
  QPointer<TfrmWave> window_;
  DocTap* tap_;
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
