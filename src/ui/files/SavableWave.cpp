#include "ui/files/SavableWave.h"

#include "core/wave/TailFill.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

SavableWave::SavableWave(TfrmWave& window, ParamDialog& fillDialog, Prompter& prompter)
    : window_(window),
      fillDialog_(fillDialog),
      prompter_(prompter),
      fileName_(window.fileName().toStdString()) {}

int SavableWave::docKind() const { return window_.docKind(); }

void SavableWave::setFileName(const std::string& path) {
  fileName_ = path;
  window_.setFileName(QString::fromStdString(path));
  window_.doc().fileName = path;
}

std::string SavableWave::caption() const { return window_.caption().toStdString(); }

void SavableWave::setCaption(const std::string& caption) {
  window_.setCaption(QString::fromStdString(caption));
}

bool SavableWave::isSaved() const { return window_.isSaved(); }

void SavableWave::MarkSaved() { window_.setSaved(true); }

bool SavableWave::CheckUndefinedTail() {
  return averoz::CheckUndefinedTail(window_.doc(), fillDialog_, prompter_);
}

std::span<const std::int32_t> SavableWave::samples() const { return window_.doc().waveData; }

}  // namespace averoz
