#pragma once
// The dialogs the file commands of one main window use: the file chooser, the preview, the
// import status window, the Set Parameters dialog that fills an undrawn tail, the drive
// dialog and the list of removable drives of the USB-memory export. Each is
// made once, on first use, as a child of the main window; tests put scripted ones in.
#include <QObject>
#include <memory>

namespace averoz {

class FileChooser;
class ParamDialog;
class PreviewDialog;
class RemovableDriveList;
class TfrmDrv;
class Prompter;
class QtPrompter;
class TMainForm;
class Tfrminfo;

class FileServices : public QObject {
  Q_OBJECT
 public:
  // The services of the main window, made there on first use.
  static FileServices& of(TMainForm& main);

  FileChooser& chooser();
  PreviewDialog& preview();
  Tfrminfo& statusWindow();
  ParamDialog& fillDialog();
  // The questions of a text import: they stand above the status window, which stays on
  // top, and take the keyboard. A prompter put into the main window (tests) is used as it is.
  Prompter& importPrompter();
  RemovableDriveList& drives();
  TfrmDrv& driveDialog();

  // nullptr returns to the window's own dialog.
  void setChooser(FileChooser* chooser) { chooserOverride_ = chooser; }
  void setPreview(PreviewDialog* preview) { previewOverride_ = preview; }
  void setFillDialog(ParamDialog* dialog) { fillOverride_ = dialog; }
  void setDrives(RemovableDriveList* drives) { drivesOverride_ = drives; }

 private:
  explicit FileServices(TMainForm& main);
  ~FileServices() override;

  TMainForm& main_;
  std::unique_ptr<FileChooser> ownChooser_;
  FileChooser* chooserOverride_ = nullptr;
  PreviewDialog* previewOverride_ = nullptr;
  ParamDialog* fillOverride_ = nullptr;
  std::unique_ptr<RemovableDriveList> ownDrives_;
  RemovableDriveList* drivesOverride_ = nullptr;
  std::unique_ptr<QtPrompter> importPrompter_;
};

}  // namespace averoz
