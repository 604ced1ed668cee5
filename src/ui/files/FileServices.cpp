#include "ui/files/FileServices.h"

#include "platform/RemovableDrives.h"
#include "ui/app/QtPrompter.h"
#include "ui/app/TMainForm.h"
#include "ui/files/QtFileChooser.h"
#include "ui/files/TfrmDrv.h"
#include "ui/files/Tfrmdatasel.h"
#include "ui/files/Tfrminfo.h"
#include "ui/wave/TfrmParam.h"

namespace averoz {
namespace {

constexpr const char* kObjectName = "fileServices";

// The window's single instance of a dialog, made on first use.
template <typename Dialog>
Dialog& OwnDialog(TMainForm& main, const char* name) {
  if (auto* dialog = main.findChild<Dialog*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new Dialog(&main);
}

}  // namespace

FileServices::FileServices(TMainForm& main)
    : QObject(&main),
      main_(main),
      ownChooser_(std::make_unique<QtFileChooser>(&main)),
      ownDrives_(std::make_unique<RemovableDrives>()) {
  setObjectName(QLatin1String(kObjectName));
}

FileServices::~FileServices() = default;

FileServices& FileServices::of(TMainForm& main) {
  if (auto* services =
          main.findChild<FileServices*>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly))
    return *services;
  return *new FileServices(main);
}

FileChooser& FileServices::chooser() {
  return chooserOverride_ ? *chooserOverride_ : *ownChooser_;
}

PreviewDialog& FileServices::preview() {
  if (previewOverride_) return *previewOverride_;
  return OwnDialog<Tfrmdatasel>(main_, "frmdatasel");
}

Tfrminfo& FileServices::statusWindow() { return OwnDialog<Tfrminfo>(main_, "frminfo"); }

ParamDialog& FileServices::fillDialog() {
  return fillOverride_ ? *fillOverride_ : TfrmParam::instance(main_);
}

Prompter& FileServices::importPrompter() {
  Prompter& own = main_.prompter();
  if (!dynamic_cast<QtPrompter*>(&own)) return own;
  if (!importPrompter_) importPrompter_ = std::make_unique<QtPrompter>(&statusWindow());
  return *importPrompter_;
}

RemovableDriveList& FileServices::drives() {
  return drivesOverride_ ? *drivesOverride_ : *ownDrives_;
}

TfrmDrv& FileServices::driveDialog() { return OwnDialog<TfrmDrv>(main_, "frmDrv"); }

}  // namespace averoz
