#pragma once
// The "Math" dialog of patterns (EQU, NOT, AND, OR, XOR, Rotate, Shift): what the dialog
// shows, the checks of its sources and count, and what OK, Preview and Cancel do to the
// document. Without a selection the operation covers the whole pattern.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Prompter.h"
#include "core/ppg/PpgCommand.h"
#include "core/ppg/PpgDoc.h"
#include "core/ppg/PpgLogic.h"
#include "core/wave/WaveScale.h"

namespace averoz {

struct PpgCalcSetup {
  LogicOp op = LogicOp::Equ;
  std::int32_t maxCount = 0;     // N: the range's length, the largest count
  std::string dataText;          // edData: N in X units
  std::string countLabel;        // lblRpt: "Count(1_N)"
  std::uint32_t sourceMask = 0;  // listch items selected at start (the selected rows)
};

// What the user left in the dialog.
struct PpgCalcChoice {
  LogicOp op = LogicOp::Equ;
  std::uint32_t srcMask = 0;
  std::int32_t dest = 0;
  bool toRight = false;
  std::int32_t amount = 1;
};

class PpgCalcPreview {
 public:
  virtual ~PpgCalcPreview() = default;
  virtual void Preview(const PpgCalcChoice& choice) = 0;
};

class PpgCalcDialog {
 public:
  virtual ~PpgCalcDialog() = default;
  // Modal; the choice on OK (the sources already checked), nothing on Cancel.
  virtual std::optional<PpgCalcChoice> Run(const PpgCalcSetup& setup, PpgCalcPreview& preview) = 0;
};

// EQU and NOT take one source, AND, OR, XOR several (list multi-select), Rotate and Shift
// several and show the count and direction panel.
bool CalcTakesOneSource(LogicOp op);
bool CalcShowsCount(LogicOp op);
// The check OK and Preview make first: ERRMSG 10 (Rotate/Shift without source), 9 (AND,
// OR, XOR with fewer than two), 11 (EQU/NOT without source).
std::optional<MessageId> CheckCalcSources(LogicOp op, std::uint32_t srcMask);
// edRot when left: the count 1..maxCount, or nothing (ERRMSG 3, the last text comes back).
std::optional<std::int32_t> CheckCalcCount(std::string_view text, std::int32_t maxCount);
// udRot: +-10, at most maxCount, at least 1.
std::int32_t StepCalcCount(std::int32_t n, bool up, std::int32_t maxCount);

PpgOutcome RunPpgCalc(PpgDoc& doc, LogicOp op, PpgCalcDialog& dialog, Prompter& prompter);

}  // namespace averoz
