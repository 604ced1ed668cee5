#pragma once
// What the send and receive dialogs share: the interface and memory choices, the Send or
// Receive button, Cancel with Abort over it, the status text and the progress bar between the
// two pictures. The dialog is the panel its transfer sequence drives.
#include <QDialog>

#include "core/comm/TransferPanel.h"
#include "core/comm/TransferSettings.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace averoz {

class TMainForm;

class TransferDialog : public QDialog, public TransferPanel {
  Q_OBJECT
 public:
  // receiving: the pictures are mirrored (instrument on the left) and OK reads "Receive".
  TransferDialog(TMainForm& main, bool receiving);

  // Loads the transfer settings and resets the progress (each time the dialog opens).
  void FormShow();
  void bnAbortClick() { transferOk = false; }

  GpibTarget gpibTarget() const;
  SerialTarget serialTarget() const;
  LanTarget lanTarget() const;
  // Tests shorten the serial (and LAN) waits.
  void setSerialTiming(const SerialTiming& timing) { timing_ = timing; }

  // TransferPanel
  void showTransferring() override;
  void showConfirming() override;
  void showEnded() override;
  void showIdle() override;
  void setProgressMaximum(int maximum) override;
  void setProgress(int position) override;
  void letEventsRun() override;

  // Escape and the window's close do nothing while a transfer runs: only Abort stops it.
  void reject() override;

 protected:
  // Runs the transfer of the chosen interface (0 GPIB, 1 RS-232C, 2 LAN).
  virtual void bnOKClick() = 0;
  // The messages of the transfer go to the main window's prompter.
  TMainForm& main_;
  QComboBox* cbMethod_;
  QComboBox* cbblock_;
  QPushButton* bnOK_;
  QPushButton* bnCancel_;
  QPushButton* bnAbort_;
  QLabel* lblinfo_;
  QProgressBar* pbaccess_;
  TransferSettings settings_;
  SerialTiming timing_;
  bool busy_ = false;
};

}  // namespace averoz
