#pragma once
// Trans > Receive: "Receive from NQ", which reads an instrument memory into a new Modulation
// document. It stays open after a receive, so several memories can be fetched in a row.
#include "ui/comm/TransferDialog.h"

namespace averoz {

class Tfrmreceiv : public TransferDialog {
  Q_OBJECT
 public:
  explicit Tfrmreceiv(TMainForm& main);

  // The dialog of the main window, made on first use and reused.
  static Tfrmreceiv& of(TMainForm& main);

  // Shows the dialog modally; the interface and memory choices stay from the last time.
  int execDialog();

 protected:
  void bnOKClick() override;
};

}  // namespace averoz
