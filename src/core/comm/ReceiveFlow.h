#pragma once
// Trans > Receive: the step-by-step sequences that read one instrument memory back, over
// GPIB, RS-232C or the LAN. Every message goes through the prompter; the dialog's states, its
// progress and Abort through the panel.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/app/MessageId.h"
#include "core/app/Prompter.h"
#include "core/comm/TransferPanel.h"

namespace averoz {

class LanLink;
class SerialLink;

// Results: 16384 (kBlockWords) with the words filled, -1 when the data could not be decoded,
// 0 after any other failure (its messages shown already), including a memory that holds a
// word no waveform sample can take (OutOfRangeWord).
int ReceiveViaGpib(const GpibTarget& target, std::string_view memory, TransferPanel& panel,
                   Prompter& prompter, std::vector<std::int32_t>& words);
// The link is opened with target.port and closed again on every path.
int ReceiveViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                     TransferPanel& panel, Prompter& prompter, std::vector<std::int32_t>& words);

// The RS-232C sequence over a socket; the link is connected to target.endpoint and closed
// again on every path. An aborted block gives no wait advice: the socket's close drops the rest.
int ReceiveViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                  TransferPanel& panel, Prompter& prompter, std::vector<std::int32_t>& words);

// The same sequences keeping the block's bytes as they came, whatever the memory holds (a
// waveform's 32768 bytes, a pattern's file image): true with bytes filled, false after a
// failure (its messages shown).
bool ReadBackViaGpib(const GpibTarget& target, std::string_view memory, TransferPanel& panel,
                     Prompter& prompter, std::vector<std::uint8_t>& bytes);
bool ReadBackViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                       TransferPanel& panel, Prompter& prompter, std::vector<std::uint8_t>& bytes);
bool ReadBackViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                    TransferPanel& panel, Prompter& prompter, std::vector<std::uint8_t>& bytes);

// ERRMSG 21 naming the first address (of a word, two bytes) where what was read back differs
// from what was sent, a shorter or longer read-back included; nothing when they are the same.
std::optional<Message> ReadBackMismatch(std::span<const std::uint8_t> sent,
                                        std::span<const std::uint8_t> readBack);

// ERRMSG 16 naming the first address whose word is above 4095, the highest waveform code;
// nothing when every word is a code.
std::optional<Message> OutOfRangeWord(std::span<const std::int32_t> words);

// What the Receive button shows for a result: ERRMSG 16 for -1, ERRMSG 12 for 0, nothing
// when a document is to be opened.
std::optional<MessageId> ReceiveResultMessage(int result);

// Seconds to advise waiting after an aborted serial receive with missing bytes still on the
// way: (((missing * 8 / bitRate) + 1) / 10 + 1) * 10, in integers.
long SerialWaitAdviceSeconds(std::size_t missing, int bitRate);

}  // namespace averoz
