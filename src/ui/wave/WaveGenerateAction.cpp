#include "ui/wave/WaveGenerateAction.h"

#include "core/wave/OperandRequest.h"
#include "core/wave/TailFill.h"
#include "ui/app/DocumentHost.h"
#include "ui/wave/TfrmParam.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

GenerateOutcome RunGenerate(DocumentHost& mainForm, TfrmWave& wave, WaveKind kind) {
  return GenerateBlock(wave.doc(), kind, TfrmParam::instance(mainForm.hostWidget()), mainForm.prompter());
}

GenerateOutcome RunReEditBlock(DocumentHost& mainForm, TfrmWave& wave, int block) {
  return ReEditBlock(wave.doc(), block, TfrmParam::instance(mainForm.hostWidget()), mainForm.prompter());
}

bool RunCheckUndefinedTail(DocumentHost& mainForm, TfrmWave& wave) {
  return CheckUndefinedTail(wave.doc(), TfrmParam::instance(mainForm.hostWidget()), mainForm.prompter());
}

bool RunOperandRequest(DocumentHost& mainForm, std::span<std::int32_t> operand,
                       std::int32_t& operandLen, std::int32_t length, const WaveScale& scale) {
  return RequestOperand(operand, operandLen, length, scale, TfrmParam::instance(mainForm.hostWidget()));
}

}  // namespace averoz
