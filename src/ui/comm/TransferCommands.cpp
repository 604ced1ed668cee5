// The Trans menu's Send and Receive commands.
#include "ui/comm/TransferCommands.h"

#include "core/app/Prompter.h"
#include "core/comm/Protocol.h"
#include "core/files/PatternFile.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/comm/TfrmTransCfg.h"
#include "ui/comm/Tfrmreceiv.h"
#include "ui/comm/Tfrmtrans.h"
#include "ui/files/FileCommands.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveGenerateAction.h"

namespace averoz {
namespace {

bool IsSavedAsBinary(const DocumentWindow& document) {
  return document.isSaved() && !document.fileName().isEmpty();
}

// A GPIB address of -1 (the key missing) means the interface has never been set up: the
// user is sent to Configure Interface instead of a transfer.
bool InterfaceConfigured(TMainForm& main) {
  if (AppContext::instance().settings().ReadInteger("GPIB", "Address", -1) != -1) return true;
  main.prompter().warn(IMFMSG(10));
  TfrmTransCfg::Execute(&main);
  return false;
}

// What the send writes: a waveform's samples, or a pattern's file image made under the
// document's file name.
std::vector<std::uint8_t> TransferPayloadOf(DocumentWindow& document) {
  if (auto* wave = qobject_cast<TfrmWave*>(&document)) return BuildPayload(wave->doc().waveData);
  const auto& pattern = static_cast<TfrmPpg&>(document);
  return BuildPayload(BuildPatternImage(pattern.doc().bitData, document.fileName().toStdString(),
                                        AppContext::instance().settings()));
}

}  // namespace

bool EnsureSavedAsBinary(TMainForm& main, DocumentWindow& document) {
  if (IsSavedAsBinary(document)) return true;
  main.prompter().ask(Message{IMFMSG(11), {}, {}}, Buttons::Ok, Icon::Information);
  SaveDocument(main, document, true);
  return IsSavedAsBinary(document);
}

void mnTransSendClick(TMainForm& main, DocumentWindow& document) {
  auto* wave = qobject_cast<TfrmWave*>(&document);
  if (!wave && !qobject_cast<TfrmPpg*>(&document)) return;
  // Every address of a pattern holds its bits: only a waveform can have an undrawn tail.
  if (wave && !RunCheckUndefinedTail(main, *wave)) return;
  if (!EnsureSavedAsBinary(main, document)) return;
  if (!InterfaceConfigured(main)) return;
  if (main.documentCount() == 0) return;
  // Built after Save As, so that a pattern's image carries the name it was saved under.
  Tfrmtrans::of(main).execWith(TransferPayloadOf(document));
}

void mnTransReceiveClick(TMainForm& main) {
  if (main.RefuseAtWindowLimit()) return;
  if (!InterfaceConfigured(main)) return;
  Tfrmreceiv::of(main).execDialog();
}

}  // namespace averoz
