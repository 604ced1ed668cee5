// Steps that the send and receive sequences share.
#include "core/comm/TransferSteps.h"

#include <thread>
#include <vector>

#include "core/comm/Protocol.h"
#include "core/comm/SerialLink.h"

namespace averoz {

void Inform(Prompter& prompter, MessageId id) {
  prompter.ask(Message{id, {}, {}}, Buttons::Ok, Icon::Information);
}

void ShowGpibFailure(const GpibState& g, Prompter& prompter) {
  if (g.failure) prompter.warn(*g.failure);
}

bool GpibConnect(GpibState& g, const GpibTarget& target, Prompter& prompter) {
  if (!GpibLoad(g, target.library) || !GpibOpen(g, target.board, target.address) ||
      !GpibQuery(g, std::string(kIdentityQuery) + target.delimiter)) {
    ShowGpibFailure(g, prompter);
    return false;
  }
  if (!CheckIdentity(g.reply, target.modelPrefix, prompter)) {
    GpibClose(g);
    return false;
  }
  return true;
}

void SerialSleep(const SerialTiming& timing, std::chrono::milliseconds duration) {
  if (timing.sleep) {
    timing.sleep(duration);
  } else {
    std::this_thread::sleep_for(duration);
  }
}

bool SerialSendText(ByteLink& link, std::string_view text, bool drain,
                    const SerialTiming& timing) {
  if (!link.sendText(text)) return false;
  if (drain)
    WaitSerialDrained(
        link, timing.drainStall,
        [&timing](std::chrono::milliseconds ms) { SerialSleep(timing, ms); },
        timing.lastCharacter);
  return true;
}

std::string ReadSerialReply(ByteLink& link, std::size_t length) {
  std::vector<std::uint8_t> buffer(kSerialReplyBuffer, 0);
  if (length > buffer.size()) length = buffer.size();
  const long got = link.read(std::span(buffer.data(), length));
  if (got <= 0) return {};
  return std::string(buffer.begin(), buffer.begin() + got);
}

std::string ReadReply(ByteLink& link, const LineTarget& target, std::size_t length) {
  if (target.replyEnd == ReplyEnd::Counted) return ReadSerialReply(link, length);
  // Byte by byte, so that nothing after the delimiter is taken from the stream.
  std::string reply;
  const std::string& d = target.delimiter;
  std::uint8_t byte = 0;
  while (reply.size() < kSerialReplyBuffer && link.read(std::span(&byte, 1)) == 1) {
    reply += static_cast<char>(byte);
    if (!d.empty() && reply.ends_with(d)) break;
  }
  return reply;
}

bool SerialIdentify(ByteLink& link, const LineTarget& target, bool drain, Prompter& prompter,
                    std::string* reply) {
  if (!SerialSendText(link, std::string(kIdentityQuery) + target.delimiter, drain,
                      target.timing)) {
    prompter.warn(ERRMSG(22));
    return false;
  }
  const std::string read = ReadReply(link, target, IdentityReplyLength(target.delimiter));
  if (reply) *reply = read;
  if (read.empty()) {
    prompter.warn(ERRMSG(22));
    return false;
  }
  return CheckIdentity(read, target.modelPrefix, prompter);
}

bool GpibPrepare(GpibState& g, std::string_view byteOrder, const std::string& delimiter,
                 Prompter& prompter) {
  bool ready = GpibWrite(g, std::string(byteOrder) + delimiter) &&
               GpibQuery(g, std::string(kOpcQuery) + delimiter);
  if (ready && !IsAcknowledged(g.reply, delimiter)) {
    ready = false;
    g.failure.reset();  // answered, but not with "+1": only ERRMSG 21
  }
  if (!ready) {
    ShowGpibFailure(g, prompter);
    prompter.warn(ERRMSG(21));
    GpibClose(g);
  }
  return ready;
}

}  // namespace averoz
