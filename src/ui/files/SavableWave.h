#pragma once
// A waveform document window as the save flow sees it. The file name is kept as a copy
// because the flow reads it by reference while it changes it.
#include <string>

#include "core/files/SaveFlow.h"

namespace averoz {

class ParamDialog;
class Prompter;
class TfrmWave;

class SavableWave : public SavableDocument {
 public:
  SavableWave(TfrmWave& window, ParamDialog& fillDialog, Prompter& prompter);

  int docKind() const override;
  const std::string& fileName() const override { return fileName_; }
  void setFileName(const std::string& path) override;
  std::string caption() const override;
  void setCaption(const std::string& caption) override;
  bool isSaved() const override;
  void MarkSaved() override;
  // IMFMSG 8, then the DC level of the tail through Set Parameters in fill mode.
  bool CheckUndefinedTail() override;
  std::span<const std::int32_t> samples() const override;
  std::span<const std::uint8_t> bits() const override { return {}; }

 private:
  TfrmWave& window_;
  ParamDialog& fillDialog_;
  Prompter& prompter_;
  std::string fileName_;
};

}  // namespace averoz
