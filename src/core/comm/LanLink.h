#pragma once
// The instrument on the network: a raw TCP connection that carries the same command texts and
// blocks as the RS-232C line (SCPI over a socket). The platform layer implements it over a
// real socket.
#include <chrono>
#include <string>

#include "core/comm/SerialLink.h"

namespace averoz {

inline constexpr std::chrono::milliseconds kLanConnectTimeout{5000};

struct LanEndpoint {
  std::string host;  // a dotted IPv4 address
  int port = 10330;
  std::chrono::milliseconds connectTimeout = kLanConnectTimeout;
};

class LanLink : public ByteLink {
 public:
  // Connects within the endpoint's time-out (the wait hook can end it sooner). Throws
  // LinkError naming the address and the reason when no connection comes about.
  virtual void open(const LanEndpoint& endpoint) = 0;
};

}  // namespace averoz
