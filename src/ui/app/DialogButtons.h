#pragma once
// The OK / Cancel pair of a modal dialog: `bnOK` (default) accepts, `bnCancel` rejects.
class QDialog;
class QHBoxLayout;
class QPushButton;

namespace averoz {

struct OkCancelButtons {
  QPushButton* ok;
  QPushButton* cancel;
};

OkCancelButtons MakeOkCancelButtons(QDialog* dialog);

// The same pair at the right end of a row, for the bottom of a dialog's layout.
QHBoxLayout* OkCancelRow(QDialog* dialog);

}  // namespace averoz
