#include "cli/PpgCommand.h"

#include <cstdio>
#include <optional>

#include "cli/PatternOutput.h"
#include "cli/PpgSteps.h"
#include "core/app/general.h"
#include "core/ppg/AutoInvert.h"
#include "core/ppg/PpgCalcCommand.h"
#include "core/ppg/PpgEdits.h"
#include "core/ppg/PpgGenerateCommand.h"

namespace averoz::cli {

namespace {

// A step that cannot run: a malformed value (usage, exit 2) or a refusal already said on
// stderr (exit 1).
struct StepFailed {
  int code;
  std::string usage;
};

StepFailed Malformed(const PpgStep& step, const std::string& key) {
  return {kExitUsage, step.keyword + ": malformed " + key + "=" + step.keys.at(key)};
}

class Runner {
 public:
  Runner(const CliEnv& env) : env_(env), prompter_(env) {}

  PpgDoc doc;

  std::optional<StepFailed> Run(const PpgStep& s) {
    const std::string& k = s.keyword;
    if (k == "order") return Order(s);
    if (k == "autoinvert") return AutoInvert(s);
    if (k == "equ" || k == "not" || k == "and" || k == "or" || k == "xor" || k == "rotate" ||
        k == "shift")
      return Calc(s);
    if (auto f = Select(s)) return f;
    if (k == "copy") return PpgCopy(doc, clip_) ? Ok() : Refused();
    if (k == "invert") return Outcome(PpgInvert(doc, prompter_));
    if (k == "mirror") return Outcome(PpgMirror(doc, prompter_));
    if (k == "delete") return Outcome(DeleteSelectedRange(doc, prompter_));
    return Generate(s);
  }

 private:
  static std::optional<StepFailed> Ok() { return std::nullopt; }
  static std::optional<StepFailed> Refused() { return StepFailed{kExitRefused, {}}; }
  static std::optional<StepFailed> Outcome(PpgOutcome o) {
    return o == PpgOutcome::Applied ? Ok() : Refused();
  }

  std::optional<StepFailed> OutOfRange(const PpgStep& s, const std::string& key) {
    env_.Say(ERRMSG(3), " (" + s.keyword + " " + key + "=" + s.keys.at(key) + ")");
    return Refused();
  }

  // A whole number; nullopt when malformed.
  static std::optional<std::int32_t> Number(const PpgStep& s, const std::string& key) {
    std::int32_t v = 0;
    const std::string& t = s.keys.at(key);
    if (!ParseInteger(t, v)) return std::nullopt;
    return v;
  }

  // The channels of a list key (1..6 typed) as a mask.
  std::optional<StepFailed> Channels(const PpgStep& s, const std::string& key,
                                     std::vector<int>& channels) {
    if (!ParseList(s.keys.at(key), channels)) return Malformed(s, key);
    for (int& ch : channels) {
      if (ch < 1 || ch > kPpgChannels) return OutOfRange(s, key);
      --ch;
    }
    return Ok();
  }

  std::optional<StepFailed> Order(const PpgStep& s) {
    std::vector<int> order;
    if (auto f = Channels(s, "ch", order)) return f;
    std::array<std::uint8_t, kPpgChannels> o{};
    if (order.size() != o.size()) return OutOfRange(s, "ch");
    for (std::size_t i = 0; i < o.size(); ++i) o[i] = std::uint8_t(order[i]);
    return doc.SetOrder(o) ? Ok() : OutOfRange(s, "ch");
  }

  // The block of the step becomes the selection: rows x start..start+len-1, or the
  // insertion point at= (len then goes to the dialog).
  std::optional<StepFailed> Select(const PpgStep& s) {
    int first = 0, last = 0;
    if (!ParseRows(s.keys.at("rows"), first, last)) return Malformed(s, "rows");
    if (first < 1 || last > kPpgChannels) return OutOfRange(s, "rows");
    const bool insert = s.keys.count("at") > 0;
    const auto begin = Number(s, insert ? "at" : "start");
    if (!begin) return Malformed(s, insert ? "at" : "start");
    if (*begin < 0 || *begin >= doc.dataLen) return OutOfRange(s, insert ? "at" : "start");
    std::int32_t end = *begin;
    if (!insert) {
      const auto len = Number(s, "len");
      if (!len) return Malformed(s, "len");
      if (*len < 1 || *len > doc.dataLen - *begin) return OutOfRange(s, "len");
      end = *begin + *len - 1;
      // A one-address block of a generator would be an insertion point in the editor.
      if (end == *begin && IsGenerator(s.keyword)) return OutOfRange(s, "len");
    }
    doc.SetSelection({*begin, first - 1}, {end, last - 1});
    return Ok();
  }

  static bool IsGenerator(const std::string& k) {
    return k == "high" || k == "lo" || k == "clock" || k == "counter" || k == "value" || k == "paste";
  }

  // The Set Parameters dialog as the step's keys fill it in; OK unless a field refuses.
  class ScriptedParams final : public PpgParamDialog {
   public:
    ScriptedParams(const PpgStep& s, const CliEnv& env) : s_(s), env_(env) {}
    std::optional<PpgParamChoice> Run(PpgParamFields& fields, PpgPreviewHandler&) override {
      const std::pair<const char*, PpgField> order[] = {{"len", PpgField::Data},
                                                        {"period", PpgField::Cycl},
                                                        {"duty", PpgField::Duty},
                                                        {"repeat", PpgField::Rpt},
                                                        {"bits", PpgField::Bin}};
      for (const auto& [key, field] : order) {
        if (!s_.keys.count(key)) continue;
        if (field == PpgField::Data && !fields.dataEnabled()) continue;
        const std::string& typed = s_.keys.at(key);
        if (auto refusal = fields.Enter(field, typed)) {
          env_.Say(ERRMSG(3), refusal->suffix + " (" + s_.keyword + " " + key + "=" + typed + ")");
          return std::nullopt;
        }
      }
      return fields.Choice();
    }

   private:
    const PpgStep& s_;
    const CliEnv& env_;
  };

  std::optional<StepFailed> Generate(const PpgStep& s) {
    if (s.keys.count("bits")) {
      const std::string& b = s.keys.at("bits");
      if (!IsBinaryText(b) || b.size() > 6) return Malformed(s, "bits");
    }
    ScriptedParams dialog(s, env_);
    static const std::map<std::string, PpgKind> kinds{{"high", PpgKind::High},
                                                      {"lo", PpgKind::Lo},
                                                      {"clock", PpgKind::Clock},
                                                      {"counter", PpgKind::Counter},
                                                      {"value", PpgKind::Value}};
    if (s.keyword == "paste") {
      const std::string channels = env_.Text(ERRMSG(28));
      return Outcome(PastePattern(doc, dialog, clip_, prompter_, channels));
    }
    return Outcome(RunPpgGenerator(doc, kinds.at(s.keyword), dialog, clip_, prompter_));
  }

  class ScriptedCalc final : public PpgCalcDialog {
   public:
    ScriptedCalc(const PpgCalcChoice& choice, const CliEnv& env) : choice_(choice), env_(env) {}
    std::optional<PpgCalcChoice> Run(const PpgCalcSetup& setup, PpgCalcPreview&) override {
      if (auto id = CheckCalcSources(choice_.op, choice_.srcMask)) {
        env_.Say(*id);
        return std::nullopt;
      }
      if (CalcShowsCount(choice_.op) && !CheckCalcCount(std::to_string(choice_.amount), setup.maxCount)) {
        env_.Say(ERRMSG(3), " (n=" + std::to_string(choice_.amount) + ")");
        return std::nullopt;
      }
      return choice_;
    }

   private:
    PpgCalcChoice choice_;
    const CliEnv& env_;
  };

  std::optional<StepFailed> Calc(const PpgStep& s) {
    static const std::map<std::string, LogicOp> ops{
        {"equ", LogicOp::Equ}, {"not", LogicOp::Not},       {"and", LogicOp::And},
        {"or", LogicOp::Or},   {"xor", LogicOp::Xor},       {"rotate", LogicOp::Rotate},
        {"shift", LogicOp::Shift}};
    PpgCalcChoice c;
    c.op = ops.at(s.keyword);
    std::vector<int> src;
    if (auto f = Channels(s, "src", src)) return f;
    if (CalcTakesOneSource(c.op) && src.size() != 1) return Malformed(s, "src");
    for (int ch : src) c.srcMask |= 1u << ch;
    if (s.keys.count("dest")) {
      std::vector<int> dest;
      if (auto f = Channels(s, "dest", dest)) return f;
      if (dest.size() != 1) return Malformed(s, "dest");
      c.dest = dest[0];
    }
    if (s.keys.count("dir")) {
      const std::string& dir = s.keys.at("dir");
      if (dir != "left" && dir != "right") return Malformed(s, "dir");
      c.toRight = dir == "right";
    }
    if (s.keys.count("n")) {
      const auto n = Number(s, "n");
      if (!n) return Malformed(s, "n");
      c.amount = *n;
    }
    if (s.keys.count("start")) {
      const auto start = Number(s, "start");
      const auto len = Number(s, "len");
      if (!start) return Malformed(s, "start");
      if (!len) return Malformed(s, "len");
      if (*start < 0 || *start >= doc.dataLen) return OutOfRange(s, "start");
      if (*len < 1 || *len > doc.dataLen - *start) return OutOfRange(s, "len");
      doc.SetSelection({*start, 0}, {*start + *len - 1, 0});
    } else {
      doc.ResetSelection();
    }
    ScriptedCalc dialog(c, env_);
    return Outcome(RunPpgCalc(doc, c.op, dialog, prompter_));
  }

  class ScriptedInvertWindow final : public InvertWindow {
   public:
    explicit ScriptedInvertWindow(InvertDirections d) : d_(d) {}
    bool Run(InvertDirections& directions) override {
      directions = d_;
      return true;
    }

   private:
    InvertDirections d_;
  };

  std::optional<StepFailed> AutoInvert(const PpgStep& s) {
    const bool on = s.words[0] == "on";
    InvertDirections d{false, false, false};
    if (s.keys.count("derive")) {
      std::vector<int> src;
      if (auto f = Channels(s, "derive", src)) return f;
      if (src.size() != 3) return Malformed(s, "derive");
      for (int k = 0; k < 3; ++k) {
        if (src[std::size_t(k)] != k && src[std::size_t(k)] != k + 3) return OutOfRange(s, "derive");
        d[std::size_t(k)] = src[std::size_t(k)] == k + 3;
      }
    }
    ScriptedInvertWindow window(d);
    SwitchAutoInvert(doc, on, window, directions_);
    return Ok();
  }

  const CliEnv& env_;
  CliPrompter prompter_;
  PatternClip clip_;
  InvertDirections directions_{false, false, false};
};

}  // namespace

int Ppg(const Args& args, const CliEnv& env) {
  if (args.empty()) return Usage("ppg takes OUT");
  if (!IsPatternOutputPath(args[0])) return Usage(kPatternOutputUsage);
  std::vector<PpgStep> steps;
  std::string usage;
  if (!ParsePpgSteps(Args(args.begin() + 1, args.end()), steps, usage)) return Usage(usage);
  Runner runner(env);
  for (const PpgStep& step : steps)
    if (const auto failed = runner.Run(step)) {
      if (failed->code == kExitUsage) return Usage(failed->usage);
      return failed->code;
    }
  return WritePatternOutput(runner.doc.bitData, args[0], env) ? kExitOk : kExitRefused;
}

}  // namespace averoz::cli
