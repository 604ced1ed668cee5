#include "ui/signal/ImportSignalCommand.h"

#include <QFileInfo>
#include <QGuiApplication>

#include "core/app/Prompter.h"
#include "core/signal/SignalRead.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileServices.h"
#include "ui/signal/TfrmImportSignal.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {
namespace {

constexpr const char* kSignalFilter =
    "Signal Files(*.csv,*.tsv,*.txt,*.wav,*.npy)|*.csv;*.tsv;*.txt;*.wav;*.npy|All Files(*.*)|*.*";

// The file read with the wait cursor up; a refusal is shown and gives nothing.
std::optional<SignalTable> ReadSignal(TMainForm& main, const std::string& path) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    SignalTable table = ReadSignalFile(path);
    QGuiApplication::restoreOverrideCursor();
    return table;
  } catch (const std::exception& e) {
    QGuiApplication::restoreOverrideCursor();
    main.prompter().showText(e.what(), Icon::Warning);
    return std::nullopt;
  }
}

}  // namespace

void FileImportSignalExecute(TMainForm& main) {
  if (main.RefuseAtWindowLimit()) return;
  const std::optional<std::string> path =
      FileServices::of(main).chooser().Open(OpenDialogRequest{kSignalFilter, 1, {}});
  if (!path || path->empty()) return;
  const std::optional<SignalTable> table = ReadSignal(main, *path);
  if (!table) return;
  const QString fileName = QString::fromStdString(*path);
  TfrmImportSignal dialog(*table, fileName, &main);
  if (dialog.exec() != QDialog::Accepted || dialog.codes().empty()) return;

  main.CloseUntouchedStartup();
  TfrmWave* window = dialog.docKind() == 1 ? main.FileNewOpr1Execute() : main.FileNewMod1Execute();
  if (!window) return;
  window->setCaption(QFileInfo(fileName).completeBaseName());
  WaveDoc& wave = window->doc();
  const std::vector<std::int32_t>& codes = dialog.codes();
  for (std::size_t i = 0; i < codes.size() && i < std::size_t(WaveDoc::dataLen); ++i) {
    wave.waveData[i] = codes[i];
    wave.blockNo[i] = kBlockFree;
  }
  // Imported data is not saved anywhere yet: closing asks, Save asks for a name.
  wave.CommitEdit(0, WaveDoc::dataLen - 1);
  window->FormActivate();
}

}  // namespace averoz
