#include "Instrument.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace nqsim {

namespace {

constexpr std::string_view kMemoryCommand = ":ARB:DATA:MEM";
constexpr std::string_view kByteOrderCommand = ":ARB:DATA:BORD";
// ":ARB:DATA:MEMn #8" and eight digits.
constexpr std::size_t kStoreHeaderLength = kMemoryCommand.size() + 1 + 3 + 8;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

bool Digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// The memory number of ":ARB:DATA:MEMn" + suffix, when text is exactly that.
std::optional<std::size_t> MemoryOf(std::string_view upper, std::string_view suffix) {
  if (upper.size() != kMemoryCommand.size() + 1 + suffix.size()) return std::nullopt;
  if (!upper.starts_with(kMemoryCommand) || !upper.ends_with(suffix)) return std::nullopt;
  const char digit = upper[kMemoryCommand.size()];
  if (digit < '0' || digit >= static_cast<char>('0' + kMemories)) return std::nullopt;
  return static_cast<std::size_t>(digit - '0');
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// "#" + digits + the count in that many digits, zeros in front.
std::string BlockHeader(char digits, std::size_t count) {
  std::string number = std::to_string(count);
  const std::size_t width = static_cast<std::size_t>(digits - '0');
  if (number.size() < width) number.insert(0, width - number.size(), '0');
  return std::string{'#', digits} + number;
}

}  // namespace

std::optional<Fault> ParseFault(std::string_view name) {
  static constexpr std::pair<std::string_view, Fault> kNames[] = {
      {"none", Fault::None},
      {"silent", Fault::Silent},
      {"err_ibdev", Fault::ErrIbdev},
      {"err_ibclr", Fault::ErrIbclr},
      {"err_ibwrt", Fault::ErrIbwrt},
      {"err_ibrd", Fault::ErrIbrd},
      {"garbage_idn", Fault::GarbageIdentity},
      {"one_field_idn", Fault::OneFieldIdentity},
      {"no_ack", Fault::NoAck},
      {"short_block", Fault::ShortBlock},
      {"hash7", Fault::Hash7Header},
      {"bad_count", Fault::BadCount},
      {"corrupt_store", Fault::CorruptStore},
  };
  for (const auto& [text, fault] : kNames) {
    if (text == name) return fault;
  }
  return std::nullopt;
}

std::optional<AckFault> ParseAckFault(std::string_view name) {
  if (name == "ack_refused") return AckFault::Refused;
  if (name == "ack_silent") return AckFault::Silent;
  return std::nullopt;
}

Instrument::Instrument() { reset(); }

void Instrument::failAck(AckFault fault, long nth) {
  (fault == AckFault::Refused ? ackRefused_ : ackSilent_) = nth;
}

std::optional<std::string_view> Instrument::acknowledge() {
  ++acks_;
  if (acks_ == ackSilent_) return std::nullopt;
  return fault_ == Fault::NoAck || acks_ == ackRefused_ ? "+0" : "+1";
}

std::optional<std::size_t> Instrument::storingAt() const {
  if (!blockMemory_) return std::nullopt;
  return block_.size();
}

std::optional<std::size_t> Instrument::fetchingAt() const {
  if (replies_.empty() || !replies_.front().block) return std::nullopt;
  return replyPos_;
}

void Instrument::reset() {
  fault_ = Fault::None;
  identity_ = kDefaultIdentity;
  byteOrder_.clear();
  acks_ = ackRefused_ = ackSilent_ = 0;
  for (auto& m : memories_) m.assign(kMemorySize, 0);
  clear();
}

void Instrument::clear() {
  text_.clear();
  blockMemory_.reset();
  blockRemaining_ = 0;
  block_.clear();
  replies_.clear();
  replyPos_ = 0;
}

void Instrument::loadMemory(std::size_t n, std::span<const std::uint8_t> bytes) {
  memories_.at(n).assign(bytes.begin(), bytes.end());
}

void Instrument::receive(std::span<const std::uint8_t> bytes, bool endOfMessage) {
  for (std::uint8_t byte : bytes) {
    if (blockMemory_) {
      block_.push_back(byte);
      if (--blockRemaining_ == 0) {
        if (fault_ == Fault::CorruptStore) block_[block_.size() / 2] ^= 0xFF;
        loadMemory(*blockMemory_, block_);
        if (onStored_) onStored_(*blockMemory_);
        blockMemory_.reset();
        block_.clear();
      }
    } else {
      acceptText(byte);
    }
  }
  // EOI ends a command that came without a delimiter; a block runs on across messages.
  if (endOfMessage && !blockMemory_ && !Trim(text_).empty()) endMessage("");
  if (endOfMessage && !blockMemory_) text_.clear();
}

void Instrument::acceptText(std::uint8_t byte) {
  text_.push_back(static_cast<char>(byte));
  if (byte == '\n') {
    const bool crlf = text_.size() >= 2 && text_[text_.size() - 2] == '\r';
    text_.resize(text_.size() - (crlf ? 2 : 1));
    endMessage(crlf ? "\r\n" : "\n");
    text_.clear();
    return;
  }
  // The store header has no delimiter: the block starts right after its last count digit.
  if (text_.size() != kStoreHeaderLength) return;
  const std::string upper = Upper(text_);
  const std::string_view head(upper.data(), kMemoryCommand.size() + 4);
  const std::string_view count(upper.data() + head.size(), 8);
  const auto memory = MemoryOf(head, " #8");
  if (!memory || !Digits(count)) return;
  blockMemory_ = memory;
  blockRemaining_ = std::stoul(std::string(count));
  text_.clear();
  if (blockRemaining_ == 0) blockMemory_.reset();
}

void Instrument::endMessage(std::string_view delimiter) {
  std::vector<std::uint8_t> reply;
  bool block = false;
  muteMessage_ = false;
  bool endsInText = false;  // text answers of one message are joined by ';'
  std::string_view rest = text_;
  for (;;) {
    const std::size_t semicolon = rest.find(';');
    if (auto answer = execute(Trim(rest.substr(0, semicolon)))) {
      if (endsInText && !answer->block) reply.push_back(';');
      if (reply.empty()) block = answer->block;  // a reply that opens with a block
      reply.insert(reply.end(), answer->bytes.begin(), answer->bytes.end());
      endsInText = !answer->block;
    }
    if (semicolon == std::string_view::npos) break;
    rest.remove_prefix(semicolon + 1);
  }
  if (reply.empty() || fault_ == Fault::Silent || muteMessage_) return;
  // Text answers go back with the delimiter their command came with; a block has none.
  if (endsInText) {
    const std::string_view end = delimiter.empty() ? std::string_view("\n") : delimiter;
    reply.insert(reply.end(), end.begin(), end.end());
  }
  replies_.push_back(Answer{std::move(reply), block});
}

std::optional<Instrument::Answer> Instrument::execute(std::string_view command) {
  const std::string upper = Upper(command);
  if (upper == "*IDN?") return Answer{identityReply(), false};
  if (upper == "*OPC?") {
    const auto answer = acknowledge();
    if (!answer) {
      muteMessage_ = true;
      return std::nullopt;
    }
    return Answer{Bytes(*answer), false};
  }
  if (upper.starts_with(kByteOrderCommand)) {
    byteOrder_ = std::string(Trim(std::string_view(upper).substr(kByteOrderCommand.size())));
    return std::nullopt;
  }
  if (const auto memory = MemoryOf(upper, "?")) return Answer{memoryReply(*memory), true};
  return std::nullopt;  // "*RST", "*CLS" and anything unknown: no answer
}

std::vector<std::uint8_t> Instrument::identityReply() const {
  switch (fault_) {
    case Fault::GarbageIdentity: return {0xA5, 0xFF, 0x80, 0x7F, 0xC3, 0x81};
    case Fault::OneFieldIdentity: return Bytes("NQSIM");
    default: return Bytes(identity_);
  }
}

std::vector<std::uint8_t> Instrument::memoryReply(std::size_t n) const {
  const auto& m = memories_[n];
  std::size_t length = m.size();
  // The header announces what the memory holds: 32768 bytes for a waveform, more for a
  // pattern's file image.
  std::string header = BlockHeader('8', m.size());
  if (fault_ == Fault::ShortBlock) length /= 2;
  if (fault_ == Fault::Hash7Header) header = BlockHeader('7', m.size());
  if (fault_ == Fault::BadCount) header[4] = 'O';  // "#800O32768"
  std::vector<std::uint8_t> reply = Bytes(header);
  reply.insert(reply.end(), m.begin(), m.begin() + static_cast<std::ptrdiff_t>(length));
  return reply;
}

std::size_t Instrument::transmit(std::span<std::uint8_t> buffer, bool& endOfReply) {
  endOfReply = false;
  if (replies_.empty()) return 0;
  const auto& reply = replies_.front().bytes;
  const std::size_t n = std::min(buffer.size(), reply.size() - replyPos_);
  std::copy_n(reply.begin() + static_cast<std::ptrdiff_t>(replyPos_), n, buffer.begin());
  replyPos_ += n;
  if (replyPos_ == reply.size()) {
    replies_.pop_front();
    replyPos_ = 0;
    endOfReply = true;
  }
  return n;
}

}  // namespace nqsim
