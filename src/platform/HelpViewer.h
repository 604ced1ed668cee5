#pragma once
#include <QString>

namespace averoz {
// Opens a file with the desktop's default viewer for its type; false when nothing could.
bool OpenWithDefaultViewer(const QString& path);

// The user guide's first page for a program in programFolder: "help/index.html" beside the
// program (the build tree and the portable layout), else the installed
// "../share/averoz/help/index.html". Empty when neither exists.
QString FindUserGuide(const QString& programFolder);
}  // namespace averoz
