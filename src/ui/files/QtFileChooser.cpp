#include "ui/files/QtFileChooser.h"

#include <QFileDialog>

#include "ui/files/DialogFilter.h"

namespace averoz {
namespace {

// A dialog with the filters, the preselected filter (1-based) and the proposed name.
void Prepare(QFileDialog& dialog, const std::string& filter, int filterIndex,
             const std::string& fileName) {
  const QStringList filters = QtNameFilters(QString::fromStdString(filter));
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size())
    dialog.selectNameFilter(filters[filterIndex - 1]);
  dialog.setOption(QFileDialog::ReadOnly, false);
  dialog.setSizeGripEnabled(true);
  if (!fileName.empty()) dialog.selectFile(QString::fromStdString(fileName));
}

}  // namespace

std::optional<std::string> QtFileChooser::Open(const OpenDialogRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);  // folder and file must exist
  Prepare(dialog, request.filter, request.filterIndex, request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<SaveDialogChoice> QtFileChooser::Run(const SaveDialogRequest& request) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  Prepare(dialog, request.filter, request.filterIndex, request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QStringList filters = dialog.nameFilters();
  return SaveDialogChoice{dialog.selectedFiles().first().toStdString(),
                          int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace averoz
