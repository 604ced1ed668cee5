#include "ui/files/QtFileChooser.h"

#include <QFileDialog>

#include "ui/app/Habits.h"
#include "ui/files/DialogFilter.h"

namespace averoz {
namespace {

constexpr const char* kOpenHabit = "Open";
constexpr const char* kSaveHabit = "Save";

// A dialog with the filters, the preselected filter (1-based) and the proposed name. A name
// without a folder is proposed in the folder this dialog was last left in.
void Prepare(QFileDialog& dialog, const char* habit, const std::string& filter, int filterIndex,
             const std::string& fileName) {
  if (fileName.find('/') == std::string::npos) {
    const QString folder = LastFolder(habit);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
  }
  const QStringList filters = QtNameFilters(QString::fromStdString(filter));
  // The captions name their patterns already ("Binary Files(*.awf)"): the patterns Qt
  // filters by are appended to them for Qt only and kept out of sight.
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size())
    dialog.selectNameFilter(filters[filterIndex - 1]);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setSizeGripEnabled(true);
  if (!fileName.empty()) dialog.selectFile(QString::fromStdString(fileName));
}

// The 1-based index of the filter the dialog ended on (0: none). With the details hidden the
// dialog may name it by its caption alone.
int ChosenFilterIndex(const QFileDialog& dialog) {
  const QString chosen = dialog.selectedNameFilter();
  const QStringList filters = dialog.nameFilters();
  for (int i = 0; i < filters.size(); ++i)
    if (filters[i] == chosen || filters[i].startsWith(chosen + QStringLiteral(" ("))) return i + 1;
  return 0;
}

}  // namespace

std::optional<std::string> QtFileChooser::Open(const OpenDialogRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);  // folder and file must exist
  Prepare(dialog, kOpenHabit, request.filter, request.filterIndex, request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  RememberFolder(kOpenHabit, dialog.selectedFiles().first());
  return dialog.selectedFiles().first().toStdString();
}

std::optional<SaveDialogChoice> QtFileChooser::Run(const SaveDialogRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  Prepare(dialog, kSaveHabit, request.filter, request.filterIndex, request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  RememberFolder(kSaveHabit, dialog.selectedFiles().first());
  return SaveDialogChoice{dialog.selectedFiles().first().toStdString(), ChosenFilterIndex(dialog)};
}

}  // namespace averoz
