#pragma once
// Trying an interface out: the identification every transfer begins with ("*IDN?" and its
// check), on its own. The identity line comes back without its delimiter; after a failure
// nothing does, and the failure has been shown through the prompter as a transfer shows it.
#include <functional>
#include <optional>
#include <string>

#include "core/app/Prompter.h"
#include "core/comm/TransferPanel.h"

namespace averoz {

class ByteLink;
class LanLink;
class SerialLink;

std::optional<std::string> IdentifyViaGpib(const GpibTarget& target, Prompter& prompter);
std::optional<std::string> IdentifyViaSerial(SerialLink& link, const SerialTarget& target,
                                             Prompter& prompter);
std::optional<std::string> IdentifyViaLan(LanLink& link, const LanTarget& target,
                                          Prompter& prompter);

// The reply without the delimiter and zero bytes that end it.
std::string IdentityLine(std::string reply);

}  // namespace averoz
