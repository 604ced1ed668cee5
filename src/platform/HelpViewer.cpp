#include "platform/HelpViewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace averoz {

bool OpenWithDefaultViewer(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString FindUserGuide(const QString& programFolder) {
  const QDir folder(programFolder);
  for (const char* relative : {"help/index.html", "../share/averoz/help/index.html"}) {
    const QFileInfo page(folder.filePath(QLatin1String(relative)));
    if (page.isFile()) return page.canonicalFilePath();
  }
  return {};
}

}  // namespace averoz
