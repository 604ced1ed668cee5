#pragma once
// The frame window: documents in an MDI area, the command surface, recent files and the
// close walk over unsaved documents.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/RecentFiles.h"
#include "ui/app/DocumentHost.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;
class QToolBar;
class QToolButton;
class QLineEdit;

namespace averoz {

class DocumentWindow;
class Prompter;
class QtPrompter;
class TfrmPpg;
class TfrmWave;

class TMainForm : public QMainWindow, public DocumentHost {
  Q_OBJECT
 public:
  static constexpr int kMaxDocuments = 30;
  static constexpr int kDataLen = 16384;

  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The start-up document "pcwav001" (the counter already stands at 1).
  TfrmWave* CreateStartupDocument();

  // New documents; nullptr when refused (ERRMSG 27 with 30 documents open).
  TfrmWave* FileNewMod1Execute();
  TfrmWave* FileNewOpr1Execute();
  TfrmPpg* FileNewPPG1Execute();

  // A new document from the hand-over buffers (loadSamples / loadBits); the path may be
  // empty (received data). A pattern document (kind 2) takes its bits from loadBits.
  DocumentWindow* OpenDocument(int docKind, const QString& path, int count);
  bool FindOpenDocument(const QString& path);
  int documentCount() const { return int(documents().size()); }
  // ERRMSG 27 and true when 30 documents are open: every way a document is made asks first.
  bool RefuseAtWindowLimit();
  void CloseUntouchedStartup();
  void UpdateForDocumentCount(bool closing);
  void AddRecentFile(const QString& path);
  void LoadSettings();

  // Document windows report here.
  bool ConfirmDocumentClose(DocumentWindow& document) override;
  void DocumentClosing(DocumentWindow& document) override;
  void DocumentActivated(DocumentWindow& document) override;
  QWidget& hostWidget() override { return *this; }
  // Save (Save As when the document has no file); true when the document is saved after it.
  bool SaveDocument(DocumentWindow& document);
  void setSaveHandler(std::function<bool(DocumentWindow&)> handler) { saveHandler_ = std::move(handler); }

  QList<DocumentWindow*> documents() const;  // in creation order
  DocumentWindow* activeDocument() const override;
  QMdiArea* mdiArea() const { return mdiArea_; }

  Prompter& prompter() override;
  // Tests put a scripted prompter here; nullptr returns to the message boxes.
  void setPrompter(Prompter* prompter);

  QAction* action(const QString& name) const override { return actions_.value(name); }

  // Commands on the active document, registered by the document subsystems under the name of
  // the action or menu item that runs them.
  using CommandHandler = std::function<void(TMainForm&, DocumentWindow&)>;
  void setCommandHandler(const QString& name, CommandHandler handler);
  // Commands that need no document (Open, recent files, Receive, Configure).
  using AppCommandHandler = std::function<void(TMainForm&)>;
  void setAppCommandHandler(const QString& name, AppCommandHandler handler);
  void RunCommand(const QString& name);
  void RunFileCommand(const QString& name);

  // Menus and read-outs for the kind of the active document (W = waveform, P = pattern).
  void ApplyDocumentLayout(const DocumentWindow& document);
  const RecentFiles& recentFiles() const { return recentFiles_; }
  // The drive of the last USB-memory export; forgotten when the last document closes.
  std::string& usbDrive() { return usbDrive_; }
  int modCount() const { return modCount_; }
  int oprCount() const { return oprCount_; }
  int ppgCount() const { return ppgCount_; }
  std::int32_t refreshLimit() const override { return refreshLimit_; }

  // Hand-over buffers for file readers and Receive.
  std::vector<std::int32_t> loadSamples = std::vector<std::int32_t>(kDataLen, -1);
  std::array<std::vector<std::uint8_t>, 6> loadBits;

 public slots:
  void HelpAbout1Execute();
  void mnHelpIndexClick();
  void mnEditCopyImageClick();
  void mnViewLineClick(bool checked);
  void TileHorizontal();
  void TileVertical();
  void ArrangeIcons();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void CreateMenus();
  void CreateToolBars();
  void FillWindowMenu();
  void RouteToDocument(QAction* action);
  QAction* AddAction(const QString& name, const QString& caption, const QString& hint = {},
                     const QKeySequence& shortcut = {});
  QToolButton* AddToolButton(QToolBar* bar, const QString& name, QAction* action);
  void ShowRecentFiles();
  void SetToolBarVisible(QToolBar* bar, bool visible);
  TfrmWave* NewWaveDocument(int docKind, int& counter);
  DocumentWindow* OpenPatternDocument(const QString& path);
  void AddDocumentWindow(DocumentWindow* doc);
  bool FormCloseQuery();

  QMdiArea* mdiArea_;
  QLineEdit* edTrap_;
  QHash<QString, QAction*> actions_;
  QHash<QString, QMenu*> menus_;
  QHash<QString, QToolBar*> toolBars_;
  QHash<QString, CommandHandler> commandHandlers_;
  QHash<QString, AppCommandHandler> appCommandHandlers_;
  std::unique_ptr<QtPrompter> ownPrompter_;
  Prompter* prompter_ = nullptr;
  std::function<bool(DocumentWindow&)> saveHandler_;

  RecentFiles recentFiles_;
  int modCount_ = 1;
  int oprCount_ = 0;
  int ppgCount_ = 0;
  std::string usbDrive_;
  std::int32_t refreshLimit_ = 40000;
  bool settingsLoaded_ = false;
  bool showingToolBars_ = false;  // the program shows or hides tool bars, not the user
  bool closing_ = false;
};

}  // namespace averoz
