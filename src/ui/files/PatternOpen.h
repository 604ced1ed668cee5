#pragma once
// Opening a ".ppg" from File > Open or the recent-file list: the whole pattern becomes a new
// pattern document, or the file is refused with the wrong-format message (ERRMSG 16; the
// system's reason when it cannot be read) and nothing changes.
#include <string>

namespace averoz {

class TMainForm;

// The pattern is handed over in loadBits to OpenDocument (kind 2); the file enters the
// recent list when a document was made of it.
void OpenPatternFile(TMainForm& main, const std::string& path);

}  // namespace averoz
