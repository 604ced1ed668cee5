#pragma once
// "Select Drive": the removable drives by mount path and label, and the folders of the
// selected one (shown only, not chosen).
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "core/files/UsbExport.h"

class QFileSystemModel;
class QListWidget;
class QTreeView;

namespace averoz {

class TfrmDrv : public QDialog, public DriveDialog {
  Q_OBJECT
 public:
  explicit TfrmDrv(QWidget* parent = nullptr);

  // Fills listDrv; the first drive is selected and its folders shown. Returns the count.
  int ListDrives(const std::vector<RemovableDrive>& drives);
  // Modal: the selected drive's mount point on OK, empty on Cancel.
  std::optional<std::string> Choose(const std::vector<RemovableDrive>& drives) override;
  // Back to the system disk's root, as before the first export.
  void ResetFolder();
  // The folder whose sub-folders the folder view shows.
  QString shownFolder() const;

 private slots:
  void listDrvClick();

 private:
  void ShowFolder(const QString& path);

  QListWidget* listDrv_;
  QTreeView* DirectoryListBox1_;
  QFileSystemModel* folders_;
};

}  // namespace averoz
