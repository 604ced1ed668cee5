#include "core/wave/EquationCommand.h"

#include "core/wave/GenerateSession.h"

namespace averoz {
namespace {

class EquationSession final : public EquationDialogHandler {
 public:
  EquationSession(WaveDoc& doc, const NewDataTarget& target, Prompter& prompter)
      : session_(doc, target, kNone, ParamMode::Document, prompter, block_) {}

  std::optional<EquationProblem> Preview(const std::string& text, std::int32_t len) override {
    if (auto problem = block_.Build(text, len)) {
      session_.Cancel();  // the document shows no stale preview
      return problem;
    }
    session_.Preview(Choice(len));
    return std::nullopt;
  }

  std::optional<EquationProblem> Accept(const std::string& text, std::int32_t len) override {
    if (auto problem = block_.Build(text, len)) return problem;
    session_.Accept(Choice(len));
    return std::nullopt;
  }

  bool Run(EquationDialog& dialog, const ParamDialogSetup& setup) {
    if (dialog.Run(setup, *this)) return true;
    session_.Cancel();
    return false;
  }

 private:
  static ParamChoice Choice(std::int32_t len) {
    ParamChoice choice;
    choice.p.kind = kNone;
    choice.p.len = len;
    choice.protect = false;
    return choice;
  }

  EquationBlock block_;
  GenerateSession session_;
};

}  // namespace

GenerateOutcome GenerateEquation(WaveDoc& doc, EquationDialog& dialog, Prompter& prompter) {
  const std::optional<NewBlockSetup> place = PrepareNewBlock(doc, prompter);
  if (!place) return GenerateOutcome::Refused;
  EquationSession session(doc, place->target, prompter);
  return session.Run(dialog, place->setup) ? GenerateOutcome::Applied
                                           : GenerateOutcome::Cancelled;
}

}  // namespace averoz
