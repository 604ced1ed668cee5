#include "ui/files/FileCommands.h"

#include <QAction>
#include <QGuiApplication>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/files/OpenRules.h"
#include "core/files/SaveFlow.h"
#include "core/files/TextImport.h"
#include "core/files/UsbExport.h"
#include "core/files/WaveFile.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileServices.h"
#include "ui/files/PatternOpen.h"
#include "ui/files/PreviewDialog.h"
#include "ui/files/SavableWave.h"
#include "ui/files/TfrmDrv.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/files/Tfrmdatasel.h"
#include "ui/files/Tfrminfo.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {
namespace {

// The read data becomes a new document; an untouched start-up document makes way for it.
void OpenReadData(TMainForm& main, int kind, const std::string& path,
                  const std::vector<std::int32_t>& samples, int count) {
  main.loadSamples = samples;
  main.CloseUntouchedStartup();
  main.OpenDocument(kind, QString::fromStdString(path), count);
}

// File > Open refuses with ERRMSG 16 or 12 by the count; the recent-file menu with ERRMSG 12
// for every refusal. A file the system cannot read shows the system's reason instead.
void ReadBinaryWave(TMainForm& main, const std::string& path, int kind, bool fromRecent) {
  Prompter& prompter = main.prompter();
  const WaveReadResult r = ReadWaveFile(path, kind, AppContext::instance().settings());
  for (MessageId warning : r.warnings) prompter.warn(warning);
  if (r.refused()) {
    if (!r.readError.empty())
      prompter.showText(r.readError, Icon::Warning);
    else
      prompter.warn(fromRecent ? ERRMSG(12) : r.openRefusal());
    return;
  }
  OpenReadData(main, kind, path, r.samples, r.count);
  main.AddRecentFile(QString::fromStdString(path));
}

// A file that is no text (picked in "All Files" by mistake) is refused as the wrong format
// before anything is shown.
void ImportText(TMainForm& main, const std::string& path) {
  Prompter& prompter = main.prompter();
  FileServices& services = FileServices::of(main);
  const PreviewHead head = ReadPreviewHead(path, Tfrmdatasel::kPreviewLines);
  switch (head.kind) {
    case PreviewHead::Kind::Unreadable:
      prompter.showText(head.error, Icon::Warning);
      return;
    case PreviewHead::Kind::NotText:
      prompter.warn(ERRMSG(16));
      return;
    case PreviewHead::Kind::Text:
      break;
  }
  if (!services.preview().RunPreview(head.lines)) return;

  const TextImportResult r = ImportWaveTextFile(path, AppContext::instance().language(),
                                                services.importPrompter(), services.statusWindow());
  if (!r.error.empty()) {
    prompter.showText(r.error, Icon::Warning);
    return;
  }
  if (r.count <= 0) {
    prompter.warn(ERRMSG(12));
    return;
  }
  OpenReadData(main, 0, path, r.samples, r.count);
}

// The save flow's view of a document window; nullptr for a window that saves nothing.
std::unique_ptr<SavableDocument> SavableOf(TMainForm& main, DocumentWindow& document) {
  if (auto* wave = qobject_cast<TfrmWave*>(&document))
    return std::make_unique<SavableWave>(*wave, FileServices::of(main).fillDialog(),
                                         main.prompter());
  if (auto* pattern = qobject_cast<TfrmPpg*>(&document))
    return std::make_unique<SavablePattern>(*pattern);
  return nullptr;
}

SaveContext MakeSaveContext(TMainForm& main) {
  AppContext& app = AppContext::instance();
  return {main.prompter(), FileServices::of(main).chooser(), app.settings(), app.language(),
          [&main](const std::string& path) { main.AddRecentFile(QString::fromStdString(path)); },
          [](bool busy) {
            if (busy)
              QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            else
              QGuiApplication::restoreOverrideCursor();
          }};
}

}  // namespace

// File > Open's decision by extension, for a chosen file that is not open yet.
static void OpenByExtension(TMainForm& main, const std::string& path) {
  if (OpensAsPattern(path))
    OpenPatternFile(main, path);
  else if (OpensAsBinaryWave(path))
    ReadBinaryWave(main, path, 0, false);
  else
    ImportText(main, path);
}

void FileOpen1Execute(TMainForm& main) {
  if (main.RefuseAtWindowLimit()) return;
  const std::optional<std::string> chosen =
      FileServices::of(main).chooser().Open(OpenDialogRequest{OpenFilter(), 1, {}});
  if (!chosen || chosen->empty()) return;
  if (main.FindOpenDocument(QString::fromStdString(*chosen))) return;
  OpenByExtension(main, *chosen);
}

void OpenRecentFile(TMainForm& main, int slot) {
  if (slot < 1 || slot > RecentFiles::kSlots) return;
  const std::string path = main.recentFiles().at(slot);
  if (path.empty() || main.FindOpenDocument(QString::fromStdString(path))) return;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    main.prompter().warn(ERRMSG(17));
    return;
  }
  // The window limit holds for every way a document is made.
  if (main.RefuseAtWindowLimit()) return;
  if (OpensAsPattern(path))
    OpenPatternFile(main, path);
  else
    ReadBinaryWave(main, path, RecentFileKind(path), true);
}

void OpenGivenFile(TMainForm& main, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    main.prompter().warn(ERRMSG(17));
    return;
  }
  if (main.FindOpenDocument(QString::fromStdString(path)) || main.RefuseAtWindowLimit()) return;
  OpenByExtension(main, path);
}

bool SaveDocument(TMainForm& main, DocumentWindow& document, bool saveAs) {
  std::unique_ptr<SavableDocument> savable = SavableOf(main, document);
  if (!savable) return document.isSaved();
  SaveContext ctx = MakeSaveContext(main);
  if (saveAs)
    SaveAs(*savable, {}, ctx);
  else
    Save(*savable, ctx);
  return document.isSaved();
}

void mnFileSaveUSBClick(TMainForm& main, DocumentWindow& document) {
  std::unique_ptr<SavableDocument> savable = SavableOf(main, document);
  if (!savable) return;
  SaveContext ctx = MakeSaveContext(main);
  FileServices& services = FileServices::of(main);
  TfrmDrv& dialog = services.driveDialog();
  SaveToUsb(*savable, main.usbDrive(), services.drives(), dialog, ctx);
  dialog.ResetFolder();
}

void InstallFileCommands(TMainForm& main) {
  // A second call would connect every action twice and run each command twice.
  static constexpr const char* kInstalled = "fileCommandsInstalled";
  if (main.property(kInstalled).toBool()) return;
  main.setProperty(kInstalled, true);
  main.setSaveHandler([&main](DocumentWindow& doc) { return SaveDocument(main, doc, false); });
  main.setCommandHandler(QStringLiteral("mnFileSaveUSB"), mnFileSaveUSBClick);
  if (QAction* open = main.action(QStringLiteral("FileOpen1")))
    QObject::connect(open, &QAction::triggered, &main, [&main] { FileOpen1Execute(main); });
  if (QAction* saveAs = main.action(QStringLiteral("FileSaveAs1")))
    QObject::connect(saveAs, &QAction::triggered, &main, [&main] {
      if (DocumentWindow* doc = main.activeDocument()) SaveDocument(main, *doc, true);
    });
  for (int slot = 1; slot <= RecentFiles::kSlots; ++slot)
    if (QAction* item = main.action(QStringLiteral("mnFileLastFile%1").arg(slot)))
      QObject::connect(item, &QAction::triggered, &main,
                       [&main, slot] { OpenRecentFile(main, slot); });
}

}  // namespace averoz
