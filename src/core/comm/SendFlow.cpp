// Trans > Send over GPIB, RS-232C and the LAN.
#include "core/comm/SendFlow.h"

#include <functional>
#include <string>

#include "core/comm/Gpib.h"
#include "core/comm/LanLink.h"
#include "core/comm/Protocol.h"
#include "core/comm/SerialLink.h"
#include "core/comm/TransferSteps.h"

namespace averoz {
namespace {

// What became of one piece.
enum class Piece { Sent, Failed, Withheld };

// Writes the payload piece by piece while the transfer holds, moving the progress bar and
// letting Abort in after every piece. write reports a failed piece after showing its message,
// and a withheld one when Abort came while the piece waited: that one is not counted.
void SendPieces(std::span<const std::uint8_t> payload, Interface iface, TransferPanel& panel,
                const std::function<Piece(std::span<const std::uint8_t>)>& write) {
  panel.setProgressMaximum(iface == Interface::Gpib ? 100 : 200);
  int position = 0;
  SendInPieces(payload, iface, [&](std::span<const std::uint8_t> piece) {
    if (!panel.transferOk) return false;
    const Piece result = write(piece);
    if (result == Piece::Withheld) return false;
    if (result == Piece::Failed) panel.transferOk = false;
    panel.letEventsRun();
    panel.setProgress(++position);
    return panel.transferOk;
  });
}

// The final box and the idle state.
bool Finish(TransferPanel& panel, Prompter& prompter) {
  const bool ok = panel.transferOk;
  panel.showEnded();
  Inform(prompter, ok ? IMFMSG(14) : ERRMSG(21));
  panel.transferOk = false;
  panel.showIdle();
  return ok;
}

}  // namespace

bool SendViaGpib(const GpibTarget& target, std::string_view memory,
                 std::span<const std::uint8_t> payload, TransferPanel& panel,
                 Prompter& prompter) {
  const std::string& d = target.delimiter;
  GpibState g;
  panel.transferOk = false;
  if (!GpibConnect(g, target, prompter)) return false;

  if (!GpibPrepare(g, kByteOrder, d, prompter)) return false;

  panel.transferOk = true;
  panel.showTransferring();
  if (!GpibWrite(g, BuildStoreHeader(memory, payload.size()))) {
    ShowGpibFailure(g, prompter);
    panel.transferOk = false;
  }
  GpibSetTimeout(g, kGpibT30s);
  SendPieces(payload, Interface::Gpib, panel, [&](std::span<const std::uint8_t> piece) {
    if (GpibWriteRaw(g, piece)) return Piece::Sent;
    ShowGpibFailure(g, prompter);
    return Piece::Failed;
  });

  if (panel.transferOk) {
    panel.showConfirming();
    if (!GpibQuery(g, std::string(kOpcQueryLower) + d)) {
      ShowGpibFailure(g, prompter);
      panel.transferOk = false;
    } else if (!IsAcknowledged(g.reply, d)) {
      panel.transferOk = false;
    }
  }
  GpibSetTimeout(g, kGpibT3s);
  const bool ok = Finish(panel, prompter);
  GpibClose(g);
  return ok;
}

namespace {

// Everything between opening and closing the port; LinkError escapes to the caller.
bool SendOverOpenPort(ByteLink& link, const LineTarget& target, std::string_view memory,
                      std::span<const std::uint8_t> payload, TransferPanel& panel,
                      Prompter& prompter) {
  const std::string& d = target.delimiter;
  const SerialTiming& timing = target.timing;
  if (!SerialIdentify(link, target, true, prompter)) return false;
  if (SerialSendText(link, std::string(kByteOrderNormalOpc) + d, true, timing) &&
      !IsAcknowledged(ReadReply(link, target, AcknowledgeReplyLength(d)), d)) {
    prompter.warn(ERRMSG(21));
    return false;
  }

  panel.transferOk = true;
  panel.showTransferring();
  link.setWaitHook([&panel] {
    panel.letEventsRun();
    return panel.transferOk;
  });
  if (!SerialSendText(link, BuildStoreHeader(memory, payload.size()), true, timing))
    panel.transferOk = false;
  const Sleeper sleep = [&timing](std::chrono::milliseconds ms) { SerialSleep(timing, ms); };
  // Each piece waits for room in the transmit buffer, so the progress follows the line and
  // Abort is taken while a piece waits.
  SendPieces(payload, Interface::Serial, panel, [&](std::span<const std::uint8_t> piece) {
    const auto waiting = [&panel] {
      panel.letEventsRun();
      return panel.transferOk;
    };
    switch (SendWhenRoom(link, piece, timing.transmitTimeout, waiting, sleep)) {
      case Handover::Sent: return Piece::Sent;
      case Handover::Stopped: return Piece::Withheld;
      case Handover::TimedOut:
      case Handover::Failed: break;
    }
    prompter.warn(ERRMSG(21));
    return Piece::Failed;
  });
  WaitSerialDrained(link, timing.drainStall, sleep, timing.lastCharacter);
  SerialSleep(timing, timing.settle);

  const bool blockFailed = !panel.transferOk;
  if (panel.transferOk) {
    panel.showConfirming();
    // The instrument holds CTS while it stores the block.
    std::chrono::milliseconds waited{0};
    while (SerialCtsHeld(link)) {
      if (waited >= timing.ctsLimit) {
        panel.transferOk = false;
        break;
      }
      panel.letEventsRun();
      SerialSleep(timing, std::chrono::milliseconds{10});
      waited += std::chrono::milliseconds{10};
    }
  }
  if (panel.transferOk) {
    const std::chrono::milliseconds previous = link.readTimeout();
    link.setReadTimeout(timing.longTimeout);
    if (!SerialSendText(link, std::string(kOpcQuery) + d, false, timing) ||
        !IsAcknowledged(ReadReply(link, target, AcknowledgeReplyLength(d)), d))
      panel.transferOk = false;
    link.setReadTimeout(previous);
  }
  // A block cut short leaves the instrument waiting for the rest of it.
  panel.showEnded();
  if (blockFailed) prompter.warn(IMFMSG(21));
  return Finish(panel, prompter);
}

// Opens the link, runs the sequence and closes the link on every path.
bool SendOverLink(ByteLink& link, const std::function<void()>& open, const LineTarget& target,
                  std::string_view memory, std::span<const std::uint8_t> payload,
                  TransferPanel& panel, Prompter& prompter) {
  bool ok = false;
  try {
    open();
    ok = SendOverOpenPort(link, target, memory, payload, panel, prompter);
  } catch (const LinkError& e) {
    prompter.showText(e.what(), Icon::Warning);
    ok = false;
    panel.transferOk = false;
    panel.showIdle();
  }
  link.setWaitHook({});
  link.close();
  return ok;
}

}  // namespace

bool SendViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                   std::span<const std::uint8_t> payload, TransferPanel& panel,
                   Prompter& prompter) {
  return SendOverLink(link, [&] { link.open(target.port); }, target, memory, payload, panel,
                      prompter);
}

bool SendViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                std::span<const std::uint8_t> payload, TransferPanel& panel, Prompter& prompter) {
  return SendOverLink(link, [&] { link.open(target.endpoint); }, target, memory, payload, panel,
                      prompter);
}

}  // namespace averoz
