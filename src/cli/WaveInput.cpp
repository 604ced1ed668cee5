#include "cli/WaveInput.h"

#include <algorithm>

#include "core/files/FileNames.h"
#include "core/files/TextImport.h"

namespace averoz::cli {

int BinaryKindOf(const std::string& path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  if (ext == ".awf" || ext == ".awd") return 0;
  if (ext == ".ope") return 1;
  return -1;
}

bool ReadWaveInput(const std::string& path, const CliEnv& env, WaveInput& out) {
  const int kind = BinaryKindOf(path);
  out = WaveInput{};
  if (kind >= 0) {
    WaveReadResult r = ReadWaveFile(path, kind, env.settings());
    for (MessageId warning : r.warnings) env.Say(warning);
    if (r.refused()) {
      if (!r.readError.empty())
        env.SayText(r.readError);
      else
        env.Say(r.openRefusal());
      return false;
    }
    out.binary = true;
    out.kind = kind;
    out.count = r.count;
    out.samples = std::move(r.samples);
    out.header = std::move(r.header);
    return true;
  }
  CliPrompter prompter(env);
  CliImportStatus status(env);
  TextImportResult r = ImportWaveTextFile(path, env.language(), prompter, status);
  if (!r.error.empty()) {
    env.SayText(r.error);
    return false;
  }
  if (r.count <= 0) {
    env.Say(ERRMSG(12));
    return false;
  }
  out.count = r.count;
  out.samples = std::move(r.samples);
  return true;
}

void PlaceWaveInput(const WaveInput& in, WaveDoc& doc) {
  const int count = std::min(in.count, doc.dataLen);
  for (int i = 0; i < count; ++i) {
    doc.waveData[std::size_t(i)] = in.samples[std::size_t(i)];
    doc.blockNo[std::size_t(i)] = kBlockFree;
  }
}

}  // namespace averoz::cli
