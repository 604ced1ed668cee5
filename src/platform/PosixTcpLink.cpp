#include "platform/PosixTcpLink.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace averoz {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kWaitSlice{50};

// Closes the descriptor unless it was handed on.
struct Socket {
  int fd = -1;
  ~Socket() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

void PosixTcpLink::open(const LanEndpoint& e) {
  close();
  const std::string where = "LAN (" + e.host + ":" + std::to_string(e.port) + "): ";
  sockaddr_in address{};
  address.sin_family = AF_INET;
  if (e.port < 1 || e.port > 65535) throw LinkError(where + "invalid port");
  address.sin_port = htons(static_cast<std::uint16_t>(e.port));
  if (::inet_pton(AF_INET, e.host.c_str(), &address.sin_addr) != 1)
    throw LinkError(where + "invalid address");

  Socket s;
  s.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (s.fd < 0) throw LinkError(where + std::strerror(errno));
  // Commands are short texts, each waited for: send them at once.
  const int one = 1;
  ::setsockopt(s.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  if (::connect(s.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
      errno != EINPROGRESS)
    throw LinkError(where + std::strerror(errno));

  const Clock::time_point deadline = Clock::now() + e.connectTimeout;
  for (;;) {
    pollfd p{s.fd, POLLOUT, 0};
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) throw LinkError(where + "connection timed out");
    if (!keepWaiting()) throw LinkError(where + "connection aborted");
    const int ready = ::poll(&p, 1, int(std::min(left, kWaitSlice).count()));
    if (ready < 0 && errno != EINTR) throw LinkError(where + std::strerror(errno));
    if (ready > 0) break;
  }
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(s.fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
  if (error != 0) throw LinkError(where + std::strerror(error));
  stream_.adopt(s.fd);
  s.fd = -1;
}

}  // namespace averoz
