// Trans > Receive over GPIB, RS-232C and the LAN.
#include "core/comm/ReceiveFlow.h"

#include <algorithm>
#include <functional>
#include <string>

#include "core/comm/Gpib.h"
#include "core/comm/LanLink.h"
#include "core/comm/Protocol.h"
#include "core/comm/SerialLink.h"
#include "core/comm/TransferSteps.h"

namespace averoz {
namespace {

// What a complete block becomes: the receive's result.
using BlockResult = std::function<int(const std::vector<std::uint8_t>&)>;

// Hands a complete block on, or reports the failed one; then the idle state.
int Conclude(TransferPanel& panel, Prompter& prompter, const std::vector<std::uint8_t>& received,
             const BlockResult& complete) {
  panel.showEnded();
  int result = 0;
  if (panel.transferOk) {
    result = complete(received);
  } else {
    Inform(prompter, ERRMSG(21));
  }
  panel.transferOk = false;
  panel.showIdle();
  return result;
}

// Decodes the block. A memory with a word above the highest code is refused (after its
// message): it would become a document that no data file can hold.
BlockResult DecodeInto(Prompter& prompter, std::vector<std::int32_t>& words) {
  return [&prompter, &words](const std::vector<std::uint8_t>& received) {
    int result = DecodeReceivedBlock(received, words);
    if (const auto problem = result > 0 ? OutOfRangeWord(words) : std::nullopt) {
      prompter.warn(*problem);
      words.clear();
      result = 0;
    }
    return result;
  };
}

// Keeps the block's bytes as they came.
BlockResult KeepIn(std::vector<std::uint8_t>& bytes) {
  return [&bytes](const std::vector<std::uint8_t>& received) {
    bytes = received;
    return 1;
  };
}

int FetchViaGpib(const GpibTarget& target, std::string_view memory, TransferPanel& panel,
                 Prompter& prompter, const BlockResult& complete);
// The RS-232C receive over an opened link. bitRate: the line's, for the wait advice after an
// aborted block; 0 on a socket, which drops what is still on the way when it closes.
int FetchOverLink(ByteLink& link, const std::function<void()>& open, const LineTarget& target,
                  int bitRate, std::string_view memory, TransferPanel& panel, Prompter& prompter,
                  const BlockResult& complete);

int FetchViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                   TransferPanel& panel, Prompter& prompter, const BlockResult& complete) {
  return FetchOverLink(link, [&] { link.open(target.port); }, target, target.port.bitRate,
                       memory, panel, prompter, complete);
}

int FetchViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                TransferPanel& panel, Prompter& prompter, const BlockResult& complete) {
  return FetchOverLink(link, [&] { link.open(target.endpoint); }, target, 0, memory, panel,
                       prompter, complete);
}

}  // namespace

std::optional<Message> OutOfRangeWord(std::span<const std::int32_t> words) {
  const auto bad = std::find_if(words.begin(), words.end(),
                                [](std::int32_t w) { return w < 0 || w > kMaxWaveCode; });
  if (bad == words.end()) return std::nullopt;
  const auto address = std::distance(words.begin(), bad);
  return Message{ERRMSG(16), {},
                 "\nAddress " + std::to_string(address) + " holds " + std::to_string(*bad) +
                     "; waveform codes run from 0 to " + std::to_string(kMaxWaveCode) + "."};
}

std::optional<Message> ReadBackMismatch(std::span<const std::uint8_t> sent,
                                        std::span<const std::uint8_t> readBack) {
  const auto at = std::mismatch(sent.begin(), sent.end(), readBack.begin(), readBack.end()).first;
  const auto offset = static_cast<std::size_t>(std::distance(sent.begin(), at));
  if (offset == sent.size() && sent.size() == readBack.size()) return std::nullopt;
  std::string text = "\nRead back, address " + std::to_string(offset / 2) +
                     " differs from what was sent";
  if (sent.size() != readBack.size())
    text += " (" + std::to_string(readBack.size()) + " bytes read back, " +
            std::to_string(sent.size()) + " sent)";
  return Message{ERRMSG(21), {}, text + "."};
}

std::optional<MessageId> ReceiveResultMessage(int result) {
  if (result == -1) return ERRMSG(16);
  if (result <= 0) return ERRMSG(12);
  return std::nullopt;
}

long SerialWaitAdviceSeconds(std::size_t missing, int bitRate) {
  const long long rate = std::max(bitRate, 1);
  const long long seconds = static_cast<long long>(missing) * 8 / rate;
  return static_cast<long>(((seconds + 1) / 10 + 1) * 10);
}

int ReceiveViaGpib(const GpibTarget& target, std::string_view memory, TransferPanel& panel,
                   Prompter& prompter, std::vector<std::int32_t>& words) {
  return FetchViaGpib(target, memory, panel, prompter, DecodeInto(prompter, words));
}

int ReceiveViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                     TransferPanel& panel, Prompter& prompter, std::vector<std::int32_t>& words) {
  return FetchViaSerial(link, target, memory, panel, prompter, DecodeInto(prompter, words));
}

bool ReadBackViaGpib(const GpibTarget& target, std::string_view memory, TransferPanel& panel,
                     Prompter& prompter, std::vector<std::uint8_t>& bytes) {
  return FetchViaGpib(target, memory, panel, prompter, KeepIn(bytes)) > 0;
}

bool ReadBackViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                       TransferPanel& panel, Prompter& prompter, std::vector<std::uint8_t>& bytes) {
  return FetchViaSerial(link, target, memory, panel, prompter, KeepIn(bytes)) > 0;
}

int ReceiveViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                  TransferPanel& panel, Prompter& prompter, std::vector<std::int32_t>& words) {
  return FetchViaLan(link, target, memory, panel, prompter, DecodeInto(prompter, words));
}

bool ReadBackViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                    TransferPanel& panel, Prompter& prompter, std::vector<std::uint8_t>& bytes) {
  return FetchViaLan(link, target, memory, panel, prompter, KeepIn(bytes)) > 0;
}

namespace {

int FetchViaGpib(const GpibTarget& target, std::string_view memory, TransferPanel& panel,
                 Prompter& prompter, const BlockResult& complete) {
  const std::string& d = target.delimiter;
  GpibState g;
  panel.transferOk = false;
  if (!GpibConnect(g, target, prompter)) return 0;

  if (!GpibPrepare(g, kByteOrderNormal, d, prompter)) return 0;

  panel.transferOk = true;
  panel.showTransferring();
  // The block is read whatever this write says: its failure has been shown.
  if (!GpibWrite(g, BuildFetchQuery(memory) + d)) ShowGpibFailure(g, prompter);
  GpibSetTimeout(g, kGpibT30s);
  panel.setProgressMaximum(100);
  std::vector<std::uint8_t> received;

  std::vector<std::uint8_t> head(kBlockHeaderLength);
  std::size_t got = 0;
  if (!GpibReadRaw(g, head, got)) {
    ShowGpibFailure(g, prompter);
    panel.transferOk = false;
  } else {
    const BlockHeader header = ParseBlockHeader(std::span(head).first(got));
    if (header.status == HeaderStatus::BadCount) {
      prompter.showText(CountConversionError(header.countText), Icon::Warning);
      panel.transferOk = false;
    } else if (header.status == HeaderStatus::Ok) {
      int position = 0;
      CollectBlock(
          header.count, Interface::Gpib, received,
          [&](std::span<std::uint8_t> buffer) -> long {
            std::size_t n = 0;
            if (GpibReadRaw(g, buffer, n)) return static_cast<long>(n);
            ShowGpibFailure(g, prompter);
            panel.transferOk = false;
            return -1;
          },
          [&](std::size_t) {
            panel.letEventsRun();
            panel.setProgress(++position);
            return panel.transferOk;
          });
    }
  }
  // An unfinished block would otherwise still be waiting in the device's output.
  if (!panel.transferOk) GpibClear(g);
  const int result = Conclude(panel, prompter, received, complete);
  GpibSetTimeout(g, kGpibT3s);
  GpibClose(g);
  return result;
}

// After an aborted serial block: how long the rest still takes on the line (nothing on a
// socket, bitRate 0, whose close drops it).
void AdviseWait(Prompter& prompter, std::size_t missing, int bitRate) {
  if (bitRate <= 0) return;
  prompter.warn(Message{IMFMSG(22), std::to_string(SerialWaitAdviceSeconds(missing, bitRate)), {}});
}

// The block after the header over the serial line. A read that brings nothing within the
// long time-out ends the receive like an abort: the instrument has stopped sending.
void CollectSerialBlock(ByteLink& link, std::size_t count, int bitRate, TransferPanel& panel,
                        Prompter& prompter, std::vector<std::uint8_t>& received) {
  panel.setProgressMaximum(static_cast<int>(std::min<std::size_t>(count, 0x7fffffff)));
  const CollectResult r = CollectBlock(
      count, Interface::Serial, received,
      [&link](std::span<std::uint8_t> buffer) { return link.read(buffer); },
      [&panel](std::size_t total) {
        panel.setProgress(static_cast<int>(std::min<std::size_t>(total, 0x7fffffff)));
        panel.letEventsRun();
        return panel.transferOk;
      });
  if (r.end != CollectEnd::Complete) panel.transferOk = false;
  if (!panel.transferOk) AdviseWait(prompter, count - std::min(count, r.total), bitRate);
}

int FetchOverLink(ByteLink& link, const std::function<void()>& open, const LineTarget& target,
                  int bitRate, std::string_view memory, TransferPanel& panel, Prompter& prompter,
                  const BlockResult& complete) {
  const std::string& d = target.delimiter;
  std::vector<std::uint8_t> received;
  std::optional<std::chrono::milliseconds> previousTimeout;
  panel.transferOk = false;
  try {
    open();
    if (!SerialIdentify(link, target, false, prompter)) {
      link.close();
      return 0;
    }
    if (!link.sendText(std::string(kByteOrderNormalOpc) + d) ||
        !IsAcknowledged(ReadReply(link, target, AcknowledgeReplyLength(d)), d)) {
      prompter.warn(ERRMSG(21));
      link.close();
      return 0;
    }
    panel.transferOk = true;
    panel.showTransferring();
    link.setWaitHook([&panel] {
      panel.letEventsRun();
      return panel.transferOk;
    });
    link.sendText(BuildFetchQuery(memory) + d);  // the block is read whatever this says
    previousTimeout = link.readTimeout();
    link.setReadTimeout(target.timing.longTimeout);

    std::vector<std::uint8_t> head(kBlockHeaderLength);
    const long got = link.read(head);
    // Aborted while the header was awaited: the whole block is still to come.
    if (!panel.transferOk) AdviseWait(prompter, kBlockCount, bitRate);
    const BlockHeader header =
        ParseBlockHeader(std::span(head).first(static_cast<std::size_t>(std::max(got, 0L))));
    if (header.status == HeaderStatus::BadCount)
      throw SerialError(CountConversionError(header.countText));
    if (header.status == HeaderStatus::Ok && panel.transferOk)
      CollectSerialBlock(link, header.count, bitRate, panel, prompter, received);
  } catch (const LinkError& e) {
    prompter.showText(e.what(), Icon::Warning);
  }
  link.setWaitHook({});
  if (previousTimeout) link.setReadTimeout(*previousTimeout);
  link.close();
  return Conclude(panel, prompter, received, complete);
}

}  // namespace

}  // namespace averoz
