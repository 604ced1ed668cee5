#pragma once
// A model of the signal generator's remote interface, independent of the bus that carries
// it: four memories that each hold the last "#8" block stored into them, whatever its length, the commands the editor uses, and the faults tests ask for.
// The bus adapters (the simulated GPIB driver here) feed it bytes and drain its replies.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nqsim {

enum class Fault {
  None,
  Silent,            // takes everything, answers nothing: every read times out
  ErrIbdev,          // the driver cannot open the device
  ErrIbclr,          // device clear fails
  ErrIbwrt,          // every write fails
  ErrIbrd,           // every read fails
  GarbageIdentity,   // "*IDN?" answers bytes that are no comma list
  OneFieldIdentity,  // "*IDN?" answers a single field
  NoAck,             // "*OPC?" answers "+0"
  ShortBlock,        // a memory query announces the memory's length and sends half
  Hash7Header,       // a memory query answers a "#7" block
  BadCount,          // a memory query's byte count is not a number
  CorruptStore,      // a stored block keeps its middle byte inverted
};

// "none", "silent", "err_ibdev", "err_ibclr", "err_ibwrt", "err_ibrd", "garbage_idn",
// "one_field_idn", "no_ack", "short_block", "hash7", "bad_count", "corrupt_store".
std::optional<Fault> ParseFault(std::string_view name);

// One-shot faults on a single acknowledgement query ("*OPC?" in either case), the nth since
// the last reset: "ack_refused" answers it "+0", "ack_silent" leaves it unanswered.
enum class AckFault { Refused, Silent };
std::optional<AckFault> ParseAckFault(std::string_view name);

inline constexpr std::size_t kMemories = 4;
// A memory's length at power-on (a waveform's 16384 words, zero).
inline constexpr std::size_t kMemorySize = 32768;
inline constexpr std::string_view kDefaultIdentity = "NQSIM,NQ-2000,0,1.00";

class Instrument {
 public:
  Instrument();

  void setFault(Fault fault) { fault_ = fault; }
  Fault fault() const { return fault_; }
  void setIdentity(std::string line) { identity_ = std::move(line); }
  // Arms a one-shot fault on the nth acknowledgement query (n from 1).
  void failAck(AckFault fault, long nth);

  // Bytes from the controller; endOfMessage when the controller ended its message (GPIB EOI).
  void receive(std::span<const std::uint8_t> bytes, bool endOfMessage);
  bool hasReply() const { return !replies_.empty(); }
  // Moves up to buffer.size() bytes of the current reply; endOfReply when it is used up.
  std::size_t transmit(std::span<std::uint8_t> buffer, bool& endOfReply);
  // Device clear: drops half-received input and unread replies, keeps the memories.
  void clear();
  // Power-on state: memories zeroed, no fault, default identity.
  void reset();

  std::span<const std::uint8_t> memory(std::size_t n) const { return memories_.at(n); }
  // The memory holds exactly these bytes afterwards, as after storing a block of them.
  void loadMemory(std::size_t n, std::span<const std::uint8_t> bytes);
  // Called with the memory's number whenever a block stored into it is complete.
  void onStored(std::function<void(std::size_t)> hook) { onStored_ = std::move(hook); }
  // The parameter of the last byte-order command ("" when it had none).
  const std::string& byteOrder() const { return byteOrder_; }

  // Bytes of the block being stored so far; nothing while no block is being stored.
  std::optional<std::size_t> storingAt() const;
  // Bytes of the block reply already sent, its "#8" header included; nothing while the
  // current reply is no block.
  std::optional<std::size_t> fetchingAt() const;

 private:
  void acceptText(std::uint8_t byte);
  void endMessage(std::string_view delimiter);
  struct Answer {
    std::vector<std::uint8_t> bytes;
    bool block;  // a definite-length block, sent without delimiter
  };
  // The answer to one command, or nothing for a command without a reply.
  std::optional<Answer> execute(std::string_view command);
  std::vector<std::uint8_t> identityReply() const;
  std::vector<std::uint8_t> memoryReply(std::size_t n) const;
  // "+1", "+0", or nothing (the whole message goes unanswered) for the next acknowledgement.
  std::optional<std::string_view> acknowledge();

  Fault fault_ = Fault::None;
  std::string identity_;
  std::string byteOrder_;
  std::array<std::vector<std::uint8_t>, kMemories> memories_;

  std::string text_;  // command text received so far
  // A block being stored: its memory, the bytes still announced, the bytes so far.
  std::optional<std::size_t> blockMemory_;
  std::size_t blockRemaining_ = 0;
  std::vector<std::uint8_t> block_;

  long acks_ = 0;  // acknowledgement queries since the last reset
  long ackRefused_ = 0, ackSilent_ = 0;  // the one that is refused / not answered (0: none)
  bool muteMessage_ = false;  // set while a message runs whose answer is to be dropped

  std::function<void(std::size_t)> onStored_;
  std::deque<Answer> replies_;
  std::size_t replyPos_ = 0;
};

}  // namespace nqsim
