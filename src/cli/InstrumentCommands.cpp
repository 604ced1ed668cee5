#include "cli/InstrumentCommands.h"

#include <cstdio>
#include <optional>

#include "cli/CliPanel.h"
#include "cli/PatternInput.h"
#include "cli/WaveInput.h"
#include "cli/WaveOutput.h"
#include "core/comm/Gpib.h"
#include "core/comm/Identify.h"
#include "core/comm/Protocol.h"
#include "core/comm/ReceiveFlow.h"
#include "core/comm/SendFlow.h"
#include "core/comm/TransferSettings.h"
#include "core/files/FileNames.h"
#include "core/files/PatternFile.h"
#include "platform/PosixSerialLink.h"
#include "platform/PosixTcpLink.h"

namespace averoz::cli {
namespace {

enum class Via { Gpib, Serial, Lan };

struct TransferArgs {
  std::string file;    // FILE of send, OUT of receive
  std::string memory;  // "0".."3"
  Via via = Via::Gpib;
  bool verify = false;  // send: read the memory back and compare
};

// [FILE] [--memory N] [--via gpib|serial|lan] [--verify]; withFile: FILE and --memory are
// required; --verify only where verifyAllowed.
bool ParseTransferArgs(const Args& args, bool withFile, TransferArgs& out, std::string& usage,
                       bool verifyAllowed = false) {
  std::optional<std::string> memory, via;
  std::vector<std::string> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--verify" && verifyAllowed && !out.verify) {
      out.verify = true;
      continue;
    }
    if (a != "--memory" && a != "--via") {
      if (a.rfind("--", 0) == 0) {
        usage = "unknown option " + a;
        return false;
      }
      words.push_back(a);
      continue;
    }
    auto& slot = a == "--memory" ? memory : via;
    if (slot || i + 1 == args.size()) {
      usage = a + (slot ? " given twice" : " needs a value");
      return false;
    }
    slot = args[++i];
  }
  if (via && *via != "gpib" && *via != "serial" && *via != "lan") {
    usage = "--via takes gpib, serial or lan";
    return false;
  }
  out.via = !via || *via == "gpib" ? Via::Gpib : *via == "serial" ? Via::Serial : Via::Lan;
  if (!withFile) {
    if (!words.empty() || memory) usage = "identify takes only --via";
    return usage.empty();
  }
  if (words.size() != 1) {
    usage = "one file expected";
    return false;
  }
  if (!memory || memory->size() != 1 || (*memory)[0] < '0' || (*memory)[0] > '3') {
    usage = "--memory takes 0, 1, 2 or 3";
    return false;
  }
  out.file = words[0];
  out.memory = *memory;
  return true;
}

// The interface has never been set up while the GPIB address is missing: IMFMSG 10.
bool InterfaceConfigured(const CliEnv& env) {
  if (env.settings().ReadInteger("GPIB", "Address", -1) != -1) return true;
  env.Say(IMFMSG(10));
  return false;
}

GpibTarget GpibOf(const CliEnv& env, const TransferSettings& s) {
  return GpibTargetOf(s, GpibLibraryName(env.settings()));
}

// The payload the send dialog would get for the file: a waveform's samples (its undrawn tail
// refused) or a pattern's file image made under the file's name.
bool PayloadOf(const std::string& path, const CliEnv& env, std::vector<std::uint8_t>& payload) {
  if (IsPatternInput(path)) {
    PatternReadResult r;
    if (!ReadPatternInput(path, env, r)) return false;
    payload = BuildPayload(BuildPatternImage(r.bits, path, env.settings()));
    return true;
  }
  WaveInput in;
  if (!ReadWaveInput(path, env, in)) return false;
  WaveDoc doc;
  PlaceWaveInput(in, doc);
  if (!CompleteTail(doc, std::nullopt, env)) return false;
  payload = BuildPayload(doc.waveData);
  return true;
}

}  // namespace

int Identify(const Args& args, const CliEnv& env) {
  TransferArgs a;
  std::string usage;
  if (!ParseTransferArgs(args, false, a, usage)) return Usage(usage);
  if (!InterfaceConfigured(env)) return kExitRefused;
  const TransferSettings s = LoadTransferSettings(env.settings());
  CliPanel panel(env);  // Ctrl+C waits for the device to be put back
  CliPrompter prompter(env);
  std::optional<std::string> identity;
  if (a.via == Via::Gpib) {
    identity = IdentifyViaGpib(GpibOf(env, s), prompter);
  } else if (a.via == Via::Serial) {
    PosixSerialLink port(env.settings());
    identity = IdentifyViaSerial(port, SerialTargetOf(s), prompter);
  } else {
    PosixTcpLink socket;
    identity = IdentifyViaLan(socket, LanTargetOf(s), prompter);
  }
  if (identity) std::printf("%s\n", identity->c_str());
  return identity && !CliPanel::interrupted() ? kExitOk : kExitRefused;
}

int Send(const Args& args, const CliEnv& env) {
  TransferArgs a;
  std::string usage;
  if (!ParseTransferArgs(args, true, a, usage, true)) return Usage(usage);
  const std::string ext = LowerAscii(ExtensionOf(a.file));
  if (ext != ".awf" && ext != ".ope" && ext != ".csv" && ext != ".ppg")
    return Usage("send takes a .awf, .ope, .csv or .ppg file");
  std::vector<std::uint8_t> payload;
  if (!PayloadOf(a.file, env, payload)) return kExitRefused;
  if (!InterfaceConfigured(env)) return kExitRefused;
  const TransferSettings s = LoadTransferSettings(env.settings());
  CliPanel panel(env);
  CliPrompter prompter(env);
  bool ok = false;
  std::vector<std::uint8_t> back;
  if (a.via == Via::Gpib) {
    const GpibTarget target = GpibOf(env, s);
    ok = SendViaGpib(target, a.memory, payload, panel, prompter) &&
         (!a.verify || ReadBackViaGpib(target, a.memory, panel, prompter, back));
  } else if (a.via == Via::Serial) {
    PosixSerialLink link(env.settings());
    const SerialTarget target = SerialTargetOf(s);
    ok = SendViaSerial(link, target, a.memory, payload, panel, prompter) &&
         (!a.verify || ReadBackViaSerial(link, target, a.memory, panel, prompter, back));
  } else {
    PosixTcpLink link;
    const LanTarget target = LanTargetOf(s);
    ok = SendViaLan(link, target, a.memory, payload, panel, prompter) &&
         (!a.verify || ReadBackViaLan(link, target, a.memory, panel, prompter, back));
  }
  if (ok && a.verify) {
    if (const auto mismatch = ReadBackMismatch(payload, back)) {
      prompter.warn(*mismatch);
      return kExitRefused;
    }
  }
  return ok ? kExitOk : kExitRefused;
}

int Receive(const Args& args, const CliEnv& env) {
  TransferArgs a;
  std::string usage;
  if (!ParseTransferArgs(args, true, a, usage)) return Usage(usage);
  if (!IsOutputPath(a.file)) return Usage(kWaveOutputUsage);
  if (!InterfaceConfigured(env)) return kExitRefused;
  const TransferSettings s = LoadTransferSettings(env.settings());
  CliPanel panel(env);
  CliPrompter prompter(env);
  std::vector<std::int32_t> words;
  int result = 0;
  if (a.via == Via::Gpib) {
    result = ReceiveViaGpib(GpibOf(env, s), a.memory, panel, prompter, words);
  } else if (a.via == Via::Serial) {
    PosixSerialLink link(env.settings());
    result = ReceiveViaSerial(link, SerialTargetOf(s), a.memory, panel, prompter, words);
  } else {
    PosixTcpLink link;
    result = ReceiveViaLan(link, LanTargetOf(s), a.memory, panel, prompter, words);
  }
  if (const auto message = ReceiveResultMessage(result)) {
    prompter.warn(*message);
    return kExitRefused;
  }
  // An abort that came after the last piece still leaves OUT as it was.
  if (CliPanel::interrupted()) return kExitRefused;
  WaveDoc doc;
  doc.waveData.assign(words.begin(), words.end());
  return WriteWaveOutput(doc, a.file, env) ? kExitOk : kExitRefused;
}

}  // namespace averoz::cli
