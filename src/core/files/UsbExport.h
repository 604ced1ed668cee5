#pragma once
// Save To USB Memory: choose a removable drive, make sure the kind's folder exists on it and
// run Save As there. The drive list, the drive dialog and the questions come in through small
// interfaces, so the whole flow runs without widgets.
#include <optional>
#include <string>
#include <vector>

#include "core/files/SaveFlow.h"

namespace averoz {

// One mounted removable medium: its mount point (the drive text) and its file-system label.
struct RemovableDrive {
  std::string root;
  std::string label;
};

class RemovableDriveList {
 public:
  virtual ~RemovableDriveList() = default;
  // The removable media mounted now.
  virtual std::vector<RemovableDrive> List() const = 0;
};

class DriveDialog {
 public:
  virtual ~DriveDialog() = default;
  // The modal drive dialog over the listed drives: the chosen root, or empty on Cancel.
  virtual std::optional<std::string> Choose(const std::vector<RemovableDrive>& drives) = 0;
};

// The instrument's folder for a document kind below a drive root, e.g. "<root>/XJ/MOD_WAV".
std::string UsbFolder(const std::string& root, int docKind);

// The drive to export to: ERRMSG 33 without drives; the remembered drive when it is the only
// one or when there are several; otherwise the dialog. Empty when nothing was chosen.
std::string ChooseDrive(const std::vector<RemovableDrive>& drives, const std::string& remembered,
                        DriveDialog& dialog, Prompter& prompter);

// One run into the kind's folder on the drive, asking to create a missing folder. False when
// Save As wants to run again. A drive that is no longer mounted has no folder and none can be
// made on it: nothing is written into an empty mount point on the system disk.
bool EnsureFolderAndSave(SavableDocument& doc, const std::string& drive,
                         const RemovableDriveList& drives, SaveContext& ctx);

// The whole command; usbDrive is the remembered drive, set to this export's choice.
void SaveToUsb(SavableDocument& doc, std::string& usbDrive, const RemovableDriveList& drives,
               DriveDialog& dialog, SaveContext& ctx);

}  // namespace averoz
