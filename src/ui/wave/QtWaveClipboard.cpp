#include "ui/wave/QtWaveClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace averoz {

std::string QtWaveClipboard::ReadText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void QtWaveClipboard::WriteText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace averoz
