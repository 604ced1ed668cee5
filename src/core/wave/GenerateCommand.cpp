#include "core/wave/GenerateCommand.h"

#include <algorithm>

#include "core/wave/GenerateSession.h"
#include "core/wave/NewDataTarget.h"
#include "core/wave/ParamLimits.h"

namespace averoz {
namespace {

GenerateOutcome Refuse(Prompter& prompter, MessageId id) {
  prompter.warn(id);
  return GenerateOutcome::Refused;
}

ParamDialogSetup DocumentSetup(const WaveDoc& doc, const NewDataTarget& target) {
  ParamDialogSetup setup;
  setup.mode = ParamMode::Document;
  setup.room = target.room;
  setup.suffix = target.mode == NewDataMode::Replace ? CaptionSuffix::Replace
                                                     : CaptionSuffix::Insert;
  setup.scale = doc.Scale();
  return setup;
}

}  // namespace

std::optional<NewBlockSetup> PrepareNewBlock(const WaveDoc& doc, Prompter& prompter) {
  const NewDataPlan plan = FindNewDataTarget(doc);
  if (plan.refusal) {
    Refuse(prompter, *plan.refusal);
    return std::nullopt;
  }
  const NewDataTarget& target = plan.target;
  if (target.room < kMinGenLength) {
    Refuse(prompter, ERRMSG(1));
    return std::nullopt;
  }
  NewBlockSetup place{target, DocumentSetup(doc, target)};
  place.setup.shown.len = target.mode == NewDataMode::Replace
                              ? DefaultReplaceLength(target.replaced)
                              : DefaultGenLength(doc.dataLen, target.room);
  return place;
}

GenerateOutcome GenerateBlock(WaveDoc& doc, WaveKind kind, ParamDialog& dialog,
                              Prompter& prompter) {
  if (doc.BlockLimitReached()) return Refuse(prompter, ERRMSG(4));
  std::optional<NewBlockSetup> place = PrepareNewBlock(doc, prompter);
  if (!place) return GenerateOutcome::Refused;
  ParamDialogSetup& setup = place->setup;
  const std::int32_t len = setup.shown.len;
  setup.shown = TWaveParam{};  // the form defaults: full amplitude, offset 0, one cycle...
  setup.shown.kind = kind;
  setup.shown.len = len;
  GenerateSession session(doc, place->target, kind, ParamMode::Document, prompter);
  return session.Run(dialog, setup) ? GenerateOutcome::Applied : GenerateOutcome::Cancelled;
}

GenerateOutcome ReEditBlock(WaveDoc& doc, int block, ParamDialog& dialog, Prompter& prompter) {
  if (block < 1 || block > doc.blockCount) return GenerateOutcome::Refused;
  const auto first = std::find(doc.blockNo.begin(), doc.blockNo.end(), block);
  const TWaveParam stored = doc.blockParams[block];
  if (first == doc.blockNo.end() || stored.kind > kNoise) return GenerateOutcome::Refused;
  doc.SelectRun(static_cast<int>(first - doc.blockNo.begin()));

  const int last = doc.lastDrawn();
  const int replaced = doc.selEnd - doc.selBegin + 1;
  const NewDataTarget target{NewDataMode::Replace, doc.selBegin, replaced,
                             doc.dataLen - last - 1 + replaced, last};
  if (target.room < kMinGenLength) return Refuse(prompter, ERRMSG(1));

  ParamDialogSetup setup = DocumentSetup(doc, target);
  setup.shown = stored;
  GenerateSession session(doc, target, stored.kind, ParamMode::Document, prompter);
  return session.Run(dialog, setup) ? GenerateOutcome::Applied : GenerateOutcome::Cancelled;
}

}  // namespace averoz
