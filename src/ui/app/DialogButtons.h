#pragma once
// The OK / Cancel pair of a modal dialog: `bnOK` (default) accepts, `bnCancel` rejects.
class QDialog;
class QPushButton;

namespace averoz {

struct OkCancelButtons {
  QPushButton* ok;
  QPushButton* cancel;
};

OkCancelButtons MakeOkCancelButtons(QDialog* dialog);

}  // namespace averoz
