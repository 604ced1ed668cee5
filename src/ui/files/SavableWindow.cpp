#include "ui/files/SavableWindow.h"

#include "ui/app/DocumentWindow.h"
#include "ui/ppg/TfrmPpg.h"

namespace averoz {

SavableWindow::SavableWindow(DocumentWindow& window)
    : window_(window), fileName_(window.fileName().toStdString()) {}

int SavableWindow::docKind() const { return window_.docKind(); }

void SavableWindow::setFileName(const std::string& path) {
  fileName_ = path;
  window_.setFileName(QString::fromStdString(path));
}

std::string SavableWindow::caption() const { return window_.caption().toStdString(); }

void SavableWindow::setCaption(const std::string& caption) {
  window_.setCaption(QString::fromStdString(caption));
}

bool SavableWindow::isSaved() const { return window_.isSaved(); }

void SavableWindow::MarkSaved() { window_.setSaved(true); }

SavablePattern::SavablePattern(TfrmPpg& window) : SavableWindow(window), pattern_(window) {}

void SavablePattern::setFileName(const std::string& path) {
  SavableWindow::setFileName(path);
  pattern_.doc().fileName = path;
}

std::span<const std::uint8_t> SavablePattern::bits() const { return pattern_.doc().bitData; }

}  // namespace averoz
