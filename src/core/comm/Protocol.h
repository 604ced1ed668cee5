#pragma once
// The instrument's command set and its "#8" definite-length block: every text sent, how
// replies are judged, how a block is cut into pieces on the wire and how its contents are
// encoded in both directions. Transport-free: the send and receive sequences hand in the
// write/read operations of GPIB or of the serial port.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Prompter.h"

namespace averoz {

enum class Interface { Gpib, Serial };

// ---- command texts (the delimiter is appended by the caller, never to the block header) ----

inline constexpr std::string_view kIdentityQuery = "*IDN?";
// Byte order for a GPIB send: the instrument takes the bare command there.
inline constexpr std::string_view kByteOrder = ":ARB:DATA:BORD";
// Byte order for a GPIB receive.
inline constexpr std::string_view kByteOrderNormal = ":ARB:DATA:BORD NORM";
// Byte order with its acknowledgement, for both RS-232C sequences.
inline constexpr std::string_view kByteOrderNormalOpc = ":ARB:DATA:BORD NORM;*OPC?";
inline constexpr std::string_view kOpcQuery = "*OPC?";
// After a GPIB block the query goes in lower case.
inline constexpr std::string_view kOpcQueryLower = "*opc?";

// The byte count of a memory: a waveform's 16384 words, the count its store header announces.
inline constexpr std::size_t kBlockCount = 32768;
inline constexpr std::size_t kBlockWords = kBlockCount / 2;
// The highest code a waveform sample takes; a memory word above it belongs to no waveform.
inline constexpr std::int32_t kMaxWaveCode = 4095;
// "#8" followed by eight decimal digits.
inline constexpr std::size_t kBlockHeaderLength = 10;

// Delimiter setting 0 is CR LF, 1 is LF; any other value has no delimiter of its own.
std::optional<std::string> DelimiterFor(int setting);

// ":ARB:DATA:MEM" + memory + " #8" + count in eight digits: ":ARB:DATA:MEM0 #800032768" for
// a waveform. A pattern goes as its file image, which is longer than a memory; its header
// announces the image's own length, or the instrument would take the bytes past 32768 for
// the next command.
std::string BuildStoreHeader(std::string_view memory, std::size_t count = kBlockCount);
// ":ARB:DATA:MEM" + memory + "?"; the caller appends the delimiter.
std::string BuildFetchQuery(std::string_view memory);

// Serial replies are read by length: the identification line, and every acknowledgement.
std::size_t IdentityReplyLength(std::string_view delimiter);
std::size_t AcknowledgeReplyLength(std::string_view delimiter);

// True when "+1" immediately followed by the delimiter occurs anywhere in the reply.
bool IsAcknowledged(std::string_view reply, std::string_view delimiter);

// ---- identification ------------------------------------------------------------------------

class IniFile;
// Section "GPIB" key "ModelNumber" (empty when missing), used for every interface.
std::string ModelPrefix(const IniFile& settings);

// Fields of a comma list: commas separate, runs of characters 1..32 end a field and are
// skipped, a field opening with '"' runs to the closing quote ("" inside stands for one).
// A zero byte ends the text.
std::vector<std::string> SplitCommaList(std::string_view text);

// Nothing when the reply names a supported instrument, else the warning to show: ERRMSG 20
// alone when the reply has fewer than two fields, or the second field + ":" before it when
// that field does not begin with modelPrefix (case-sensitive; an empty prefix accepts all).
std::optional<Message> IdentityProblem(std::string_view reply, std::string_view modelPrefix);
// IdentityProblem, shown as a warning; true when there was none.
bool CheckIdentity(std::string_view reply, std::string_view modelPrefix, Prompter& prompter);

// ---- block contents ------------------------------------------------------------------------

// Waveform payload: every sample as 16 bits, high byte first, exactly as held (no inversion).
std::vector<std::uint8_t> BuildPayload(std::span<const std::int32_t> samples);
// Pattern payload: the pattern data file image, sent as it is.
std::vector<std::uint8_t> BuildPayload(std::span<const std::uint8_t> patternFileImage);

// 16384 words, high byte first, as unsigned 0..65535 into words. Returns 16384, or -1 (words
// untouched) when fewer than 32768 bytes were collected; bytes after the first 32768 are
// ignored.
int DecodeReceivedBlock(std::span<const std::uint8_t> received, std::vector<std::int32_t>& words);

// ---- block header on receive ----------------------------------------------------------------

enum class HeaderStatus {
  Ok,
  NotDefiniteLength,  // the first two characters are not "#8": nothing more is read
  BadCount,           // "#8" but the eight characters after it are not a decimal number
};

struct BlockHeader {
  HeaderStatus status = HeaderStatus::NotDefiniteLength;
  std::size_t count = 0;   // valid when status is Ok
  std::string countText;   // the characters after "#8", for the conversion error text
};

// Judges the first bytes read for a block (normally 10). A header that ends before its eight
// count digits is a bad count, never a shorter number.
BlockHeader ParseBlockHeader(std::span<const std::uint8_t> firstBytes);
// The text shown when the byte count is not a decimal number.
std::string CountConversionError(std::string_view countText);

// ---- cutting a block into pieces ------------------------------------------------------------

// Payload length divided by 100 (GPIB) or 200 (RS-232C), but at least 1 byte so that a short
// payload still moves forward.
std::size_t SendPieceSize(std::size_t payloadLength, Interface iface);
// The piece sizes SendInPieces produces for a whole payload: full pieces, then the shorter
// rest. An exact multiple has no empty last piece.
std::vector<std::size_t> SendPieceSizes(std::size_t payloadLength, Interface iface);

// Hands the payload piece by piece to sendPiece, which writes it, lets pending events run,
// advances the progress and returns whether the transfer goes on (false on abort or a failed
// write). Returns the number of bytes handed over.
std::size_t SendInPieces(std::span<const std::uint8_t> payload, Interface iface,
                         const std::function<bool(std::span<const std::uint8_t>)>& sendPiece);

// Bytes asked for per read while collecting a block of count bytes: count / 100 at most 2048
// (GPIB) or count / 200 at most 256 (RS-232C). A count too small for that division is read in
// one piece rather than in pieces of zero bytes, which would never end.
std::size_t ReceivePieceSize(std::size_t count, Interface iface);

enum class CollectEnd {
  Complete,    // count bytes collected
  EndedEarly,  // (GPIB) a read brought less than a piece: the device ended the message
  Stopped,   // afterRead asked to stop (abort or failure): the last read is not appended
  Failed,    // a read failed (GPIB ERR, serial port not open)
  Stalled,   // (RS-232C) a read brought nothing within the receive time-out
};

struct CollectResult {
  CollectEnd end = CollectEnd::Complete;
  std::size_t total = 0;  // bytes received, appended or not
  std::size_t reads = 0;
};

// One read of at most buffer.size() bytes: the number received, or a negative value on failure.
using BlockRead = std::function<long(std::span<std::uint8_t> buffer)>;
// Called after every successful read with the running total: lets events run, moves the
// progress and returns whether the transfer goes on.
using AfterRead = std::function<bool(std::size_t total)>;

// Collects the count bytes that follow a block header into out. GPIB reads whole pieces and
// stops at the first read that brings a different size (the device's end of the message);
// RS-232C asks for the remainder once less than a piece is missing. Both stop once count
// bytes have arrived.
CollectResult CollectBlock(std::size_t count, Interface iface, std::vector<std::uint8_t>& out,
                           const BlockRead& read, const AfterRead& afterRead);

}  // namespace averoz
