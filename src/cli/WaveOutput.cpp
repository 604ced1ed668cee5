#include "cli/WaveOutput.h"

#include "core/files/CsvExport.h"
#include "core/files/FileNames.h"
#include "core/files/WavExport.h"
#include "core/files/WaveFile.h"
#include "core/wave/TailFill.h"

namespace averoz::cli {
namespace {

// The fill level the user would type into Set Parameters.
class FillLevel final : public ParamDialog {
 public:
  explicit FillLevel(std::int32_t code) : code_(code) {}
  bool Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) override {
    ParamChoice choice;
    choice.p = setup.shown;
    choice.p.ofs = code_;
    choice.protect = false;
    return handler.Accept(choice);
  }

 private:
  std::int32_t code_;
};

}  // namespace

bool IsOutputPath(const std::string& path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  return ext == ".awf" || ext == ".ope" || ext == ".csv" || ext == ".wav";
}

bool CompleteTail(WaveDoc& doc, std::optional<std::int32_t> fill, const CliEnv& env) {
  if (doc.lastDrawn() == doc.dataLen - 1) return true;
  if (!fill) {
    // The editor would ask for the value here; the command line names its option.
    env.Say(IMFMSG(8), " (" + std::to_string(doc.lastDrawn() + 1) + ".." +
                           std::to_string(doc.dataLen - 1) + ": --fill CODE)");
    return false;
  }
  FillLevel dialog(*fill);
  CliPrompter quiet(env, true);  // the fill was asked for: no "set values" notice
  return CheckUndefinedTail(doc, dialog, quiet);
}

bool WriteWaveOutput(const WaveDoc& doc, const std::string& path, const CliEnv& env) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  const FileWriteResult r =
      ext == ".csv"   ? WriteWaveCsv(doc.waveData, path)
      : ext == ".wav" ? WriteWavFile(doc.waveData, path, ReadWavSampleRate(env.settings()))
                      : WriteWaveFile(doc.waveData, path, env.settings());
  if (!r.ok) env.SayText(r.error);
  return r.ok;
}

}  // namespace averoz::cli
