#include "core/comm/Identify.h"

#include "core/comm/Gpib.h"
#include "core/comm/LanLink.h"
#include "core/comm/SerialLink.h"
#include "core/comm/TransferSteps.h"

namespace averoz {
namespace {

// Opens the link, asks and closes it again on every path; an error the link raises is shown
// with its own text, as in a transfer.
std::optional<std::string> IdentifyOverLink(ByteLink& link, const std::function<void()>& open,
                                            const LineTarget& target, Prompter& prompter) {
  std::optional<std::string> identity;
  try {
    open();
    std::string reply;
    if (SerialIdentify(link, target, true, prompter, &reply)) identity = IdentityLine(reply);
  } catch (const LinkError& e) {
    prompter.showText(e.what(), Icon::Warning);
  }
  link.close();
  return identity;
}

}  // namespace

std::optional<std::string> IdentifyViaGpib(const GpibTarget& target, Prompter& prompter) {
  GpibState g;
  if (!GpibConnect(g, target, prompter)) return std::nullopt;
  std::string identity = IdentityLine(g.reply);
  GpibClose(g);
  return identity;
}

std::optional<std::string> IdentifyViaSerial(SerialLink& link, const SerialTarget& target,
                                             Prompter& prompter) {
  return IdentifyOverLink(link, [&] { link.open(target.port); }, target, prompter);
}

std::optional<std::string> IdentifyViaLan(LanLink& link, const LanTarget& target,
                                          Prompter& prompter) {
  return IdentifyOverLink(link, [&] { link.open(target.endpoint); }, target, prompter);
}

std::string IdentityLine(std::string reply) {
  while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r' || reply.back() == '\0'))
    reply.pop_back();
  return reply;
}

}  // namespace averoz
