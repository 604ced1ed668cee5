#include "ui/app/Habits.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "ui/app/AppContext.h"

namespace averoz {
namespace {

std::string Read(const char* section, const char* key) {
  return AppContext::instance().settings().ReadString(section, key, {});
}

}  // namespace

void RememberMainWindow(const QWidget& window) {
  // The normal geometry and the maximised state, so a maximised window comes back maximised
  // and un-maximises to the size it had.
  const std::string geometry = window.saveGeometry().toBase64().toStdString();
  WriteSettingQuietly([&](IniFile& ini) { ini.WriteString("Window", "Geometry", geometry); });
}

void ShowMainWindow(QWidget& window) {
  const QByteArray saved =
      QByteArray::fromBase64(QByteArray::fromStdString(Read("Window", "Geometry")));
  // restoreGeometry also moves a window whose screen is gone back onto a present one.
  if (!saved.isEmpty() && window.restoreGeometry(saved)) {
    if (window.isMaximized()) window.showMaximized();
    else window.show();
    return;
  }
  // Without a window manager "maximised" means nothing; fill the screen by hand as well.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window.setGeometry(screen->availableGeometry());
  window.showMaximized();
}

QString LastFolder(const char* dialog) {
  const QString folder = QString::fromStdString(Read("Folders", dialog));
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberFolder(const char* dialog, const QString& chosenFile) {
  const std::string folder = QFileInfo(chosenFile).absolutePath().toStdString();
  if (folder == Read("Folders", dialog)) return;  // no write when nothing changed
  WriteSettingQuietly([&](IniFile& ini) { ini.WriteString("Folders", dialog, folder); });
}

}  // namespace averoz
