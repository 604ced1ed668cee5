#pragma once
// A SerialLink on a terminal device path, plain POSIX: the core sequences' tests use it with
// the simulated instrument on a pseudo-terminal. Writes go straight to the device, so nothing
// stays queued; CTS cannot be read on a pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "core/comm/SerialLink.h"

namespace averoz::test {

class PtyLink final : public SerialLink {
 public:
  explicit PtyLink(std::string path) : path_(std::move(path)) {}
  ~PtyLink() override { close(); }

  void open(const SerialSettings&) override {
    fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0) throw SerialError("cannot open " + path_);
    termios t{};
    ::tcgetattr(fd_, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd_, TCSANOW, &t);
  }
  bool isOpen() const override { return fd_ >= 0; }
  void close() override {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool send(std::span<const std::uint8_t> bytes) override {
    if (fd_ < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) return false;
      done += std::size_t(n);
    }
    return true;
  }
  std::size_t pendingBytes() const override { return 0; }
  long read(std::span<std::uint8_t> buffer) override {
    if (fd_ < 0) return -1;
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + timeout_;
    std::size_t got = 0;
    while (got < buffer.size()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
      if (left.count() <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, int(left.count())) <= 0) break;
      const ssize_t n = ::read(fd_, buffer.data() + got, buffer.size() - got);
      if (n <= 0) break;
      got += std::size_t(n);
    }
    return long(got);
  }
  void setReadTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
  std::chrono::milliseconds readTimeout() const override { return timeout_; }
  CtsState ctsState() const override { return CtsState::Unknown; }

 private:
  std::string path_;
  int fd_ = -1;
  std::chrono::milliseconds timeout_ = kSerialDefaultTimeout;
};

}  // namespace averoz::test
