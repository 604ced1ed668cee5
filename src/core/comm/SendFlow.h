#pragma once
// Trans > Send: the step-by-step sequences that write one payload into an instrument memory,
// over GPIB, RS-232C or the LAN. The payload is a waveform's 32768 bytes or a pattern's file image;
// the store header announces its length. Every message goes through the prompter; the
// dialog's states, its progress and Abort through the panel. Both return true when the
// instrument confirmed the block (IMFMSG 14 was shown).
#include <cstdint>
#include <span>
#include <string_view>

#include "core/app/Prompter.h"
#include "core/comm/TransferPanel.h"

namespace averoz {

class LanLink;
class SerialLink;

bool SendViaGpib(const GpibTarget& target, std::string_view memory,
                 std::span<const std::uint8_t> payload, TransferPanel& panel, Prompter& prompter);

// The link is opened with target.port and closed again on every path.
bool SendViaSerial(SerialLink& link, const SerialTarget& target, std::string_view memory,
                   std::span<const std::uint8_t> payload, TransferPanel& panel,
                   Prompter& prompter);

// The RS-232C sequence over a socket; the link is connected to target.endpoint and closed
// again on every path.
bool SendViaLan(LanLink& link, const LanTarget& target, std::string_view memory,
                std::span<const std::uint8_t> payload, TransferPanel& panel, Prompter& prompter);

}  // namespace averoz
