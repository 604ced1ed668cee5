#include "ui/wave/WaveGenerateAction.h"

#include "core/wave/OperandRequest.h"
#include "core/wave/TailFill.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmParam.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

GenerateOutcome RunGenerate(TMainForm& mainForm, TfrmWave& wave, WaveKind kind) {
  return GenerateBlock(wave.doc(), kind, TfrmParam::instance(mainForm), mainForm.prompter());
}

GenerateOutcome RunReEditBlock(TMainForm& mainForm, TfrmWave& wave, int block) {
  return ReEditBlock(wave.doc(), block, TfrmParam::instance(mainForm), mainForm.prompter());
}

bool RunCheckUndefinedTail(TMainForm& mainForm, TfrmWave& wave) {
  return CheckUndefinedTail(wave.doc(), TfrmParam::instance(mainForm), mainForm.prompter());
}

bool RunOperandRequest(TMainForm& mainForm, std::span<std::int32_t> operand,
                       std::int32_t& operandLen, std::int32_t length, const WaveScale& scale) {
  return RequestOperand(operand, operandLen, length, scale, TfrmParam::instance(mainForm));
}

}  // namespace averoz
