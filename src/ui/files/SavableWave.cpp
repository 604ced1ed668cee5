#include "ui/files/SavableWave.h"

#include "core/wave/TailFill.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

SavableWave::SavableWave(TfrmWave& window, ParamDialog& fillDialog, Prompter& prompter)
    : SavableWindow(window), window_(window), fillDialog_(fillDialog), prompter_(prompter) {}

void SavableWave::setFileName(const std::string& path) {
  SavableWindow::setFileName(path);
  window_.doc().fileName = path;
}

bool SavableWave::CheckUndefinedTail() {
  return averoz::CheckUndefinedTail(window_.doc(), fillDialog_, prompter_);
}

std::span<const std::int32_t> SavableWave::samples() const { return window_.doc().waveData; }

}  // namespace averoz
