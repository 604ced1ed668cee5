#pragma once
// Trans > Send: "Send to NQ", which writes the payload of the document it was opened for into
// the chosen instrument memory and, with "Verify after sending" (kept in the settings file),
// reads the memory back and compares it with what was sent.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/comm/TransferDialog.h"

class QCheckBox;

namespace averoz {

class Tfrmtrans : public TransferDialog {
  Q_OBJECT
 public:
  explicit Tfrmtrans(TMainForm& main);

  // The dialog of the main window, made on first use and reused.
  static Tfrmtrans& of(TMainForm& main);

  // Builds the payload, resets the memory choice to "0" and shows the dialog modally; the
  // payload is dropped again when it closes.
  int execWith(std::vector<std::uint8_t> payload);
  // The payload of the open dialog (empty when closed).
  const std::vector<std::uint8_t>& transferPayload() const { return transferPayload_; }

 protected:
  void bnOKClick() override;

 private:
  // After a confirmed send: the memory read back; ERRMSG 21 naming the first differing address.
  void verify(const std::string& memory);

  std::vector<std::uint8_t> transferPayload_;
  QCheckBox* cbVerify_;
};

}  // namespace averoz
