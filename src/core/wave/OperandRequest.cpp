#include "core/wave/OperandRequest.h"

#include <algorithm>
#include <vector>

#include "core/wave/StandardGenerator.h"

namespace averoz {
namespace {

class OperandHandler final : public ParamDialogHandler {
 public:
  OperandHandler(std::span<std::int32_t> operand, std::int32_t& operandLen, std::int32_t length)
      : operand_(operand), operandLen_(operandLen), length_(length) {}

  void Preview(const ParamChoice& choice) override { Generate(choice); }
  bool Accept(const ParamChoice& choice) override {
    Generate(choice);
    return true;
  }

 private:
  void Generate(const ParamChoice& choice) {
    TWaveParam p = choice.p;  // the shape is the user's choice in this mode
    p.start = 0;
    p.len = length_;
    p.blockNo = 0;
    GenerateStandard(p, operand_);
    operandLen_ = length_;
  }

  std::span<std::int32_t> operand_;
  std::int32_t& operandLen_;
  std::int32_t length_;
};

}  // namespace

bool RequestOperand(std::span<std::int32_t> operand, std::int32_t& operandLen,
                    std::int32_t length, const WaveScale& scale, ParamDialog& dialog) {
  length = std::clamp<std::int32_t>(length, 0, static_cast<std::int32_t>(operand.size()));
  // Only the first `length` values change, so only they are kept for Cancel.
  const std::vector<std::int32_t> kept(operand.begin(), operand.begin() + length);
  const std::int32_t keptLen = operandLen;

  ParamDialogSetup setup;
  setup.mode = ParamMode::Operand;
  setup.room = length;
  setup.scale = scale;
  setup.shown.kind = kSine;
  setup.shown.len = length;
  OperandHandler handler(operand, operandLen, length);
  if (dialog.Run(setup, handler)) return true;
  std::copy(kept.begin(), kept.end(), operand.begin());
  operandLen = keptLen;
  return false;
}

}  // namespace averoz
