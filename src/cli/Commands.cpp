#include "cli/Commands.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "cli/GenArgs.h"
#include "cli/PatternCommands.h"
#include "cli/PatternInput.h"
#include "cli/WaveInput.h"
#include "cli/WaveOutput.h"
#include "core/app/general.h"
#include "core/wave/EquationCommand.h"
#include "core/wave/GenerateCommand.h"

namespace averoz::cli {
namespace {

constexpr const char* kUsage =
    "usage: averoz-cli dump FILE\n"
    "       averoz-cli info FILE\n"
    "       averoz-cli convert IN OUT [--fill CODE]\n"
    "       averoz-cli convert IN.ppg OUT   (OUT .ppg, .csv or .vcd; .awf/.ope is a usage error)\n"
    "       averoz-cli gen OUT SHAPE [key=value ...] [SHAPE [key=value ...]] ... [--fill CODE]\n"
    "SHAPE: sine square triangle ramp charge discharge scurveup scurvedown dc noise\n"
    "keys:  len amp ofs cycles phase damp duty\n"
    "       eq [len=N] f=EXPR   a block from an expression of x (0..len-1), n (len), t (x/n)\n"
    "OUT:   .awf (Modulation), .ope (Operation), .csv (text), .wav (16-bit PCM sound)\n"
    "       averoz-cli import IN OUT [--column N|TITLE] [--length N] [--range LO:HI] [--fill CODE]\n"
    "       (IN: CSV/TSV text, .wav or .npy; averoz-cli import --help tells more)\n"
    "       averoz-cli ppg OUT [STEP [key=value ...]] ...   (OUT: .ppg, .csv or .vcd)\n"
    "STEP:  order ch=1,4,2,5,3,6\n"
    "       high|lo rows=R start=S len=N | rows=R at=C [len=N]\n"
    "       clock ... period=P duty=D   counter ... period=P   value ... bits=B\n"
    "       copy rows=R start=S len=N   paste rows=R (start=S len=N | at=C [len=N]) [repeat=X]\n"
    "       invert|mirror|delete rows=R start=S len=N\n"
    "       equ|not src=C dest=C   and|or|xor src=C,C[,...] dest=C   [start=S len=N]\n"
    "       rotate|shift src=C[,...] dir=left|right [n=K] [start=S len=N]\n"
    "       autoinvert on [derive=1,2,3] | autoinvert off\n"
    "       rows: 1-based display rows (2 or 2-4); channels 1..6\n"
    "       averoz-cli identify [--via gpib|serial|lan]\n"
    "       averoz-cli send FILE --memory N [--via gpib|serial|lan] [--verify]\n"
    "                    (FILE: .awf .ope .csv .ppg)\n"
    "       averoz-cli receive OUT --memory N [--via gpib|serial|lan]   (OUT: .awf .ope .csv .wav)\n"
    "N:     memory 0..3; --via defaults to gpib\n"
    "every command: [--settings FILE] reads FILE instead of averoz.INI beside the program\n";

// "--fill CODE" as typed; the code is checked after the usage.
struct FillOption {
  bool given = false;
  std::string text;
};

bool TakeFill(Args& args, FillOption& fill, std::string& usage) {
  for (auto it = args.begin(); it != args.end();) {
    if (*it != "--fill") {
      if (it->rfind("--", 0) == 0) {
        usage = "unknown option " + *it;
        return false;
      }
      ++it;
      continue;
    }
    if (fill.given || it + 1 == args.end()) {
      usage = fill.given ? "--fill given twice" : "--fill needs a code";
      return false;
    }
    fill = FillOption{true, *(it + 1)};
    it = args.erase(it, it + 2);
  }
  return true;
}

// The fill code 0..4095; ERRMSG 3 when it cannot be set.
bool FillCode(const FillOption& fill, const CliEnv& env, std::optional<std::int32_t>& code) {
  code.reset();
  if (!fill.given) return true;
  std::int32_t value = 0;
  if (!ParseInteger(fill.text, value) || value < 0 || value > 4095) {
    env.Say(ERRMSG(3), " (--fill " + fill.text + ")");
    return false;
  }
  code = value;
  return true;
}

int Finish(WaveDoc& doc, const std::string& out, std::optional<std::int32_t> fill,
           const CliEnv& env) {
  if (!CompleteTail(doc, fill, env)) return kExitRefused;
  return WriteWaveOutput(doc, out, env) ? kExitOk : kExitRefused;
}

// The given length, or the default one; ERRMSG 3 when it does not fit the room.
std::optional<std::int32_t> BlockLength(const ShapeValues& values, const ParamDialogSetup& setup,
                                        const CliEnv& env) {
  const std::int32_t len = values.len.value_or(setup.shown.len);
  if (ParamInRange(ParamField::Data, len, setup.room)) return len;
  env.Say(ERRMSG(3), " (" + KeyText(ParamField::Data, std::to_string(len)) + ", room " +
                         std::to_string(setup.room) + ")");
  return std::nullopt;
}

// Set Parameters as the options fill it in: OK with the given values, the default length
// when none was given.
class ScriptedParams final : public ParamDialog {
 public:
  ScriptedParams(const ShapeValues& values, const CliEnv& env) : values_(values), env_(env) {}
  bool Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) override {
    const std::optional<std::int32_t> len = BlockLength(values_, setup, env_);
    if (!len) return false;
    ParamChoice choice;
    choice.p = values_.p;
    choice.p.len = *len;
    return handler.Accept(choice);
  }

 private:
  const ShapeValues& values_;
  const CliEnv& env_;
};

// The Equation dialog as "eq" fills it in. A fault of the expression is told with its
// position and a caret under the faulty character.
class ScriptedEquation final : public EquationDialog {
 public:
  ScriptedEquation(const ShapeSpec& spec, const ShapeValues& values, const CliEnv& env)
      : spec_(spec), values_(values), env_(env) {}
  bool Run(const ParamDialogSetup& setup, EquationDialogHandler& handler) override {
    const std::optional<std::int32_t> len = BlockLength(values_, setup, env_);
    if (!len) return false;
    const std::optional<EquationProblem> problem = handler.Accept(spec_.expression, *len);
    if (!problem) return true;
    if (problem->position == 0) {
      env_.SayText("f=" + spec_.expression + ": " + problem->message);
      return false;
    }
    env_.SayText("f=" + spec_.expression + ": position " + std::to_string(problem->position) +
                 ": " + problem->message);
    env_.SayText("  " + spec_.expression + "\n  " +
                 std::string(std::size_t(problem->position - 1), ' ') + "^");
    return false;
  }

 private:
  const ShapeSpec& spec_;
  const ShapeValues& values_;
  const CliEnv& env_;
};

// One block of "gen" through its dialog.
bool GenerateShape(WaveDoc& doc, const ShapeSpec& spec, const ShapeValues& values,
                   const CliEnv& env, Prompter& prompter) {
  if (spec.equation) {
    ScriptedEquation dialog(spec, values, env);
    return GenerateEquation(doc, dialog, prompter) == GenerateOutcome::Applied;
  }
  ScriptedParams dialog(values, env);
  return GenerateBlock(doc, spec.kind, dialog, prompter) == GenerateOutcome::Applied;
}

}  // namespace

int Usage(const std::string& reason) {
  if (!reason.empty()) std::fprintf(stderr, "averoz-cli: %s\n", reason.c_str());
  std::fputs(kUsage, stderr);
  return kExitUsage;
}

int Dump(const Args& args, const CliEnv& env) {
  if (args.size() != 1) return Usage("dump takes one file");
  if (IsPatternInput(args[0])) return DumpPattern(args[0], env);
  WaveInput in;
  if (!ReadWaveInput(args[0], env, in)) return kExitRefused;
  std::string text;
  text.reserve(std::size_t(in.count) * 5);
  for (int i = 0; i < in.count; ++i) text += std::to_string(in.samples[std::size_t(i)]) + '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

int Info(const Args& args, const CliEnv& env) {
  if (args.size() != 1) return Usage("info takes one file");
  if (IsPatternInput(args[0])) return InfoPattern(args[0], env);
  WaveInput in;
  if (!ReadWaveInput(args[0], env, in)) return kExitRefused;
  std::printf("format: %s\nkind: %s\nsamples: %d\n", in.binary ? "binary" : "text",
              in.kind == 1 ? "Operation" : "Modulation", in.count);
  if (in.binary) {
    const std::string& model = in.header.model;
    std::printf("model: %s\nversion:", model.substr(0, model.find('\0')).c_str());
    for (int v : in.header.version) std::printf(v < 0 ? " -" : " %d", v);
    std::printf("\n");
  }
  return kExitOk;
}

int Convert(Args args, const CliEnv& env) {
  FillOption fillOption;
  std::string usage;
  if (!TakeFill(args, fillOption, usage)) return Usage(usage);
  if (args.size() != 2) return Usage("convert takes IN and OUT");
  if (IsPatternInput(args[0])) return ConvertPattern(args[0], args[1], fillOption.given, env);
  if (!IsOutputPath(args[1])) return Usage(kWaveOutputUsage);
  std::optional<std::int32_t> fill;
  if (!FillCode(fillOption, env, fill)) return kExitRefused;

  WaveInput in;
  if (!ReadWaveInput(args[0], env, in)) return kExitRefused;
  WaveDoc doc;
  PlaceWaveInput(in, doc);
  return Finish(doc, args[1], fill, env);
}

int Gen(Args args, const CliEnv& env) {
  FillOption fillOption;
  std::string usage;
  if (!TakeFill(args, fillOption, usage)) return Usage(usage);
  if (args.size() < 2) return Usage("gen takes OUT and at least one SHAPE");
  if (!IsOutputPath(args[0])) return Usage(kWaveOutputUsage);
  std::vector<ShapeSpec> shapes;
  if (!ParseShapes(Args(args.begin() + 1, args.end()), shapes, usage)) return Usage(usage);
  std::optional<std::int32_t> fill;
  if (!FillCode(fillOption, env, fill)) return kExitRefused;

  std::vector<ShapeValues> values(shapes.size());
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    std::string bad;
    if (!ResolveValues(shapes[i], values[i], bad)) {
      env.Say(ERRMSG(3), " (" + bad + ")");
      return kExitRefused;
    }
  }
  WaveDoc doc;
  CliPrompter prompter(env);
  for (std::size_t i = 0; i < shapes.size(); ++i)
    if (!GenerateShape(doc, shapes[i], values[i], env, prompter)) return kExitRefused;
  return Finish(doc, args[0], fill, env);
}

}  // namespace averoz::cli
