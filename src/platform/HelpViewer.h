#pragma once
#include <QString>

namespace averoz {
// Opens a file with the desktop's default viewer for its type; false when nothing could.
bool OpenWithDefaultViewer(const QString& path);
}  // namespace averoz
