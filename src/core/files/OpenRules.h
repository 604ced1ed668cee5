#pragma once
// How File > Open and the recent-file menu decide what a chosen file is.
#include <string>

namespace averoz {

// The open dialog's filter: the waveform data files, CSV files and all files.
std::string OpenFilter();

// ".awf" and ".awd" (any case) are read as binary waveform files; every other file but a
// pattern file is imported as text.
bool OpensAsBinaryWave(const std::string& path);

// ".ppg" (any case) is read as a pattern data file, from File > Open and from the recent
// files alike: its data opens a new pattern document, or it is refused as a wrong format.
bool OpensAsPattern(const std::string& path);

// The kind a recent file is read as: ".ope" 1, ".ppg" 2, anything else 0 (Modulation).
int RecentFileKind(const std::string& path);

}  // namespace averoz
