#include "platform/HelpViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace averoz {

bool OpenWithDefaultViewer(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace averoz
