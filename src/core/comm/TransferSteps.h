#pragma once
// Steps that the send and receive sequences share.
#include <chrono>
#include <string>
#include <string_view>

#include "core/app/Prompter.h"
#include "core/comm/Gpib.h"
#include "core/comm/TransferPanel.h"

namespace averoz {

class ByteLink;

// The information box with a catalog entry (the final boxes of a transfer).
void Inform(Prompter& prompter, MessageId id);
// Shows the failure message a GPIB operation left, if any.
void ShowGpibFailure(const GpibState& g, Prompter& prompter);

// Load, open and "*IDN?" with its check. False after the message; the library is closed
// when the identity was read and refused, and otherwise unloaded with the state.
bool GpibConnect(GpibState& g, const GpibTarget& target, Prompter& prompter);

// The byte-order command and the "*OPC?" handshake after the identity check. On a failure
// the driver's error (if any) and ERRMSG 21 are shown and the device is closed.
bool GpibPrepare(GpibState& g, std::string_view byteOrder, const std::string& delimiter,
                 Prompter& prompter);

// The serial reply buffer: cleared to zeros before every read, 256 bytes.
inline constexpr std::size_t kSerialReplyBuffer = 256;
// Reads at most length bytes as a reply; "" on a read that brought nothing (or failed).
std::string ReadSerialReply(ByteLink& link, std::size_t length);
// One reply as the target's link frames it: the length the protocol counts for it, or (on a
// socket) everything up to and including the delimiter, at most one reply buffer.
std::string ReadReply(ByteLink& link, const LineTarget& target, std::size_t length);
// "*IDN?" and its check over the serial line or socket. drain: wait for the queue before
// reading (the send does, the receive does not). False after the message. reply, when given,
// receives the reply as read.
bool SerialIdentify(ByteLink& link, const LineTarget& target, bool drain, Prompter& prompter,
                    std::string* reply = nullptr);
// Sends a text; with drain, waits until it has left the port.
bool SerialSendText(ByteLink& link, std::string_view text, bool drain,
                    const SerialTiming& timing);
void SerialSleep(const SerialTiming& timing, std::chrono::milliseconds duration);

}  // namespace averoz
