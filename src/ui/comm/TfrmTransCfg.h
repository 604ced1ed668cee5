#pragma once
// Trans ▸ Configure: "Configure Interface", the GPIB address and delimiter, the RS-232C
// port parameters and the LAN address, port and delimiter. The controls are reloaded from the
// settings file at every show; OK writes
// the dialog's keys, Cancel writes nothing.
#include <QDialog>

#include "core/comm/TransferSettings.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace averoz {

class GpibLibraryField;
class InterfaceTest;
class PortDeviceField;
struct InterfaceSetup;

class TfrmTransCfg : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmTransCfg(QWidget* parent = nullptr);

  // The menu command: shows the dialog modally and stores the settings on OK. True when
  // they were stored.
  static bool Execute(QWidget* parent);
  // The same on an existing dialog.
  bool executeAndSave();

  // Loads every control from the settings file.
  void FormShow();
  // Writes the controls' values; a failed write is shown and gives false.
  bool SaveSettings();
  // OK: a typed LAN address must normalise and a typed port lie in 1..65535 (ERRMSG 3
  // otherwise, and the dialog stays open).
  void accept() override;

 protected:
  // Loads before the window appears, so the layout is sized for what it shows.
  void setVisible(bool visible) override;

 private:
  // The settings as the controls show them, unsaved edits included.
  TransferSettings shownValues() const;
  InterfaceSetup interfaceSetup() const;

  QGroupBox* gbGPIB_;
  QComboBox* cbAdr_;
  QComboBox* cbDel_;
  GpibLibraryField* gpibLibrary_;
  QGroupBox* gbRS_;
  QComboBox* cbPort_;
  PortDeviceField* portDevice_;  // the device of the chosen COM name, editable
  QComboBox* cbRate_;
  QComboBox* cbParity_;
  QComboBox* cbDatabit_;
  QComboBox* cbStopbit_;
  QComboBox* cbDelRs_;
  QGroupBox* gbLAN_;
  QLineEdit* meIpaddress_;
  QLineEdit* edPort_;
  QComboBox* cbLANdel_;
  QString ipAccepted_, portAccepted_;  // the last accepted texts of the LAN fields
  QPushButton* bnOK_;
  QPushButton* bnCancel_;
  InterfaceTest* test_;
  // What the last show loaded: the values no control holds (BoardID, ModelNumber).
  TransferSettings loaded_;
};

}  // namespace averoz
