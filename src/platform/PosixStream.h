#pragma once
// The byte stream under the POSIX links of averoz-cli: a non-blocking descriptor (a terminal
// or a socket) with a send queue of our own. Bytes the descriptor cannot take at once wait in
// the queue and move on whenever it is looked at (pending) or a read waits, so a send never
// blocks and the send sequence paces itself on the link.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <span>

namespace averoz {

class PosixStream {
 public:
  // endsOnZeroRead: a read of 0 bytes means the peer is gone (a socket), not "nothing yet"
  // (a terminal in non-canonical mode).
  explicit PosixStream(bool endsOnZeroRead) : endsOnZeroRead_(endsOnZeroRead) {}
  ~PosixStream() { close(); }
  PosixStream(const PosixStream&) = delete;
  PosixStream& operator=(const PosixStream&) = delete;

  // Takes over an open non-blocking descriptor (closing the one before).
  void adopt(int fd);
  int fd() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  void close();

  bool send(std::span<const std::uint8_t> bytes);
  // Our own queue plus what the kernel still holds for the other end.
  std::size_t pending() const;
  // Waits until buffer.size() bytes have arrived, the time-out has passed, the peer has gone
  // or keepWaiting (asked about every 50 ms) says no; the bytes read, -1 when not open.
  long read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
            const std::function<bool()>& keepWaiting);

 private:
  // Hands queued bytes to the descriptor as far as it takes them without blocking.
  void pushQueued() const;

  bool endsOnZeroRead_;
  int fd_ = -1;
  mutable std::deque<std::uint8_t> queue_;
};

// A link of kind Link (a serial port, a LAN socket) whose bytes go through a PosixStream;
// the link itself only opens it.
template <class Link>
class OnPosixStream : public Link {
 public:
  explicit OnPosixStream(bool endsOnZeroRead) : stream_(endsOnZeroRead) {}

  bool isOpen() const override { return stream_.isOpen(); }
  void close() override { stream_.close(); }
  bool send(std::span<const std::uint8_t> bytes) override { return stream_.send(bytes); }
  // Our own queue plus what the kernel still holds for the other end.
  std::size_t pendingBytes() const override { return stream_.pending(); }
  long read(std::span<std::uint8_t> buffer) override {
    return stream_.read(buffer, this->readTimeout(), [this] { return this->keepWaiting(); });
  }

 protected:
  PosixStream stream_;
};

}  // namespace averoz
