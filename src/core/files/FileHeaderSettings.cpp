#include "core/files/FileHeaderSettings.h"

#include "core/app/IniFile.h"
#include "core/app/general.h"
#include "core/files/FilesText.h"

namespace averoz {

namespace {
const char* const kVersionKeys[4] = {"FileVersion0", "FileVersion1", "FileVersion2",
                                     "FileVersion3"};
}  // namespace

SaveHeaderSettings ReadSaveHeaderSettings(const IniFile& settings) {
  SaveHeaderSettings s;
  s.modelNumber = settings.ReadString("Save", "ModelNumber", kDefaultModelNumber);
  for (int i = 0; i < 4; ++i)
    s.version[i] = settings.ReadInteger("Save", kVersionKeys[i], s.version[i]);
  return s;
}

std::uint8_t ParseLoadVersion(const std::string& text) {
  const std::string_view t = TrimControl(text);
  if (!IsDigits(t)) return LoadHeaderSettings::kAnyVersion;
  // Digit by digit modulo 256: a long text cannot overflow.
  unsigned value = 0;
  for (char c : t) value = (value * 10 + static_cast<unsigned>(c - '0')) & 0xFFu;
  return static_cast<std::uint8_t>(value);
}

LoadHeaderSettings ReadLoadHeaderSettings(const IniFile& settings) {
  LoadHeaderSettings s;
  s.modelNumber = settings.ReadString("Load", "ModelNumber", kDefaultModelNumber);
  for (int i = 0; i < 4; ++i)
    s.version[i] = ParseLoadVersion(settings.ReadString("Load", kVersionKeys[i], ""));
  return s;
}

}  // namespace averoz
