#include "core/files/UsbExport.h"

#include <algorithm>
#include <filesystem>

#include "core/app/MessageId.h"

namespace averoz {

namespace {

bool Mounted(const std::string& drive, const RemovableDriveList& drives) {
  const std::vector<RemovableDrive> now = drives.List();
  return std::any_of(now.begin(), now.end(),
                     [&](const RemovableDrive& d) { return d.root == drive; });
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

bool MakeFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  return !ec && IsFolder(path);
}

}  // namespace

std::string UsbFolder(const std::string& root, int docKind) {
  static const char* const kFolders[] = {"XJ/MOD_WAV", "XJ/OPE_WAV", "XJ/PPG_WAV"};
  const char* folder = kFolders[std::clamp(docKind, 0, 2)];
  if (!root.empty() && root.back() == '/') return root + folder;
  return root + "/" + folder;
}

std::string ChooseDrive(const std::vector<RemovableDrive>& drives, const std::string& remembered,
                        DriveDialog& dialog, Prompter& prompter) {
  if (drives.empty()) {
    prompter.warn(ERRMSG(33));
    return {};
  }
  // With several drives the remembered one is taken as it is, even when it has gone.
  if (drives.size() == 1 ? drives.front().root == remembered : !remembered.empty())
    return remembered;
  return dialog.Choose(drives).value_or(std::string());
}

bool EnsureFolderAndSave(SavableDocument& doc, const std::string& drive,
                         const RemovableDriveList& drives, SaveContext& ctx) {
  const std::string folder = UsbFolder(drive, doc.docKind());
  const bool mounted = Mounted(drive, drives);
  if (mounted && IsFolder(folder)) return SaveAsOnce(doc, folder, ctx);
  if (ctx.prompter.ask(Message{IMFMSG(19), folder, {}}, Buttons::YesNo, Icon::Warning) !=
      Answer::Yes)
    return true;
  if (!mounted || !MakeFolder(folder)) {
    ctx.prompter.warn(ERRMSG(34));
    return true;
  }
  return SaveAsOnce(doc, folder, ctx);
}

void SaveToUsb(SavableDocument& doc, std::string& usbDrive, const RemovableDriveList& drives,
               DriveDialog& dialog, SaveContext& ctx) {
  usbDrive = ChooseDrive(drives.List(), usbDrive, dialog, ctx.prompter);
  if (usbDrive.empty()) return;
  while (!EnsureFolderAndSave(doc, usbDrive, drives, ctx)) {
  }
}

}  // namespace averoz
