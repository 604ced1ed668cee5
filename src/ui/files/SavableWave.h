#pragma once
// A waveform document window as the save flow sees it: the undrawn tail is filled first.
#include "ui/files/SavableWindow.h"

namespace averoz {

class ParamDialog;
class Prompter;
class TfrmWave;

class SavableWave : public SavableWindow {
 public:
  SavableWave(TfrmWave& window, ParamDialog& fillDialog, Prompter& prompter);

  void setFileName(const std::string& path) override;
  // IMFMSG 8, then the DC level of the tail through Set Parameters in fill mode.
  bool CheckUndefinedTail() override;
  std::span<const std::int32_t> samples() const override;
  std::span<const std::uint8_t> bits() const override { return {}; }

 private:
  TfrmWave& window_;
  ParamDialog& fillDialog_;
  Prompter& prompter_;
};

}  // namespace averoz
