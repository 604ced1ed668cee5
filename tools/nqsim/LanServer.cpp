#include "LanServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

namespace nqsim {

namespace {

[[noreturn]] void Fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

LanServer::LanServer(int port) {
  listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listen_ < 0) Fail("socket");
  const int one = 1;
  ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  socklen_t size = sizeof address;
  if (::bind(listen_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listen_, 4) != 0 ||
      ::getsockname(listen_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
      ::pipe2(wake_, O_CLOEXEC) != 0) {
    const int e = errno;
    ::close(listen_);
    errno = e;
    Fail("listen");
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { serve(); });
}

LanServer::~LanServer() {
  stop_ = true;
  const char byte = 0;
  [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
  thread_.join();
  for (int fd : {listen_, wake_[0], wake_[1]}) ::close(fd);
}

void LanServer::serve() {
  while (!stop_) {
    pollfd fds[2] = {{listen_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) continue;
    // Replies go out as they come, not held back for the controller's acknowledgement.
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    ++connections_;
    serveClient(fd);
    ::close(fd);
  }
}

void LanServer::serveClient(int fd) {
  std::vector<std::uint8_t> in(4096);
  std::vector<std::uint8_t> out;  // reply bytes taken from the instrument, not yet written
  std::size_t outPos = 0;
  bool hangUp = false;  // end the connection once out is written
  {
    // Whatever the last connection left half-said is gone with it.
    std::lock_guard lock(mutex_);
    instrument_.clear();
  }
  while (!stop_) {
    if (outPos == out.size() && !hangUp) {
      std::lock_guard lock(mutex_);
      const bool block = instrument_.fetchingAt().has_value();
      out.resize(4096);
      bool end = false;
      out.resize(instrument_.transmit(out, end));
      outPos = 0;
      hangUp = block && end && !out.empty() && instrument_.fault() == Fault::ShortBlock;
    }
    if (outPos == out.size() && hangUp) return;
    pollfd fds[2] = {
        {fd, static_cast<short>(POLLIN | (outPos < out.size() ? POLLOUT : 0)), 0},
        {wake_[0], POLLIN, 0},
    };
    if (::poll(fds, 2, 200) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) return;
    if (fds[0].revents & POLLIN) {
      const ssize_t n = ::read(fd, in.data(), in.size());
      if (n == 0) return;  // the controller closed
      if (n > 0) {
        std::lock_guard lock(mutex_);
        instrument_.receive({in.data(), static_cast<std::size_t>(n)}, false);
        received_ += static_cast<std::size_t>(n);
      }
    }
    if (fds[0].revents & POLLOUT) {
      const ssize_t n = ::write(fd, out.data() + outPos, out.size() - outPos);
      if (n > 0) outPos += static_cast<std::size_t>(n);
    }
    if ((fds[0].revents & (POLLHUP | POLLERR)) && !(fds[0].revents & POLLIN)) return;
  }
}

}  // namespace nqsim
