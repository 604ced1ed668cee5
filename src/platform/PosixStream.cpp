#include "platform/PosixStream.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace averoz {

namespace {

using Clock = std::chrono::steady_clock;

// How often a waiting read asks whether to go on (Ctrl+C, Abort).
constexpr std::chrono::milliseconds kWaitSlice{50};

}  // namespace

void PosixStream::adopt(int fd) {
  close();
  fd_ = fd;
}

void PosixStream::close() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  queue_.clear();
}

void PosixStream::pushQueued() const {
  std::vector<std::uint8_t> chunk;
  while (fd_ >= 0 && !queue_.empty()) {
    chunk.assign(queue_.begin(), queue_.begin() + std::min<std::size_t>(queue_.size(), 4096));
    const ssize_t n = ::write(fd_, chunk.data(), chunk.size());
    if (n <= 0) return;  // the descriptor is full (EAGAIN) or failed: try again later
    queue_.erase(queue_.begin(), queue_.begin() + n);
  }
}

bool PosixStream::send(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) return false;
  queue_.insert(queue_.end(), bytes.begin(), bytes.end());
  pushQueued();
  return true;
}

std::size_t PosixStream::pending() const {
  if (fd_ < 0) return 0;
  pushQueued();
  // TIOCOUTQ: a terminal's output queue; on a socket (SIOCOUTQ) the bytes not yet taken.
  int queued = 0;
  if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued < 0) queued = 0;
  return queue_.size() + std::size_t(queued);
}

long PosixStream::read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout,
                       const std::function<bool()>& keepWaiting) {
  if (fd_ < 0) return -1;
  const Clock::time_point deadline = Clock::now() + timeout;
  std::size_t got = 0;
  while (got < buffer.size()) {
    const ssize_t n = ::read(fd_, buffer.data() + got, buffer.size() - got);
    if (n > 0) {
      got += std::size_t(n);
      continue;
    }
    if (n == 0 && endsOnZeroRead_) break;                  // the peer closed
    if (n < 0 && errno != EAGAIN && errno != EINTR) break;  // the device went away
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    if (keepWaiting && !keepWaiting()) break;
    // Also moves queued output, so a query's reply can come while its text is still queued.
    pushQueued();
    pollfd p{fd_, short(POLLIN | (queue_.empty() ? 0 : POLLOUT)), 0};
    const int ready = ::poll(&p, 1, int(std::min(left, kWaitSlice).count()));
    if (ready < 0 && errno != EINTR) break;
    if (ready > 0 && (p.revents & (POLLERR | POLLNVAL))) break;
  }
  return long(got);
}

}  // namespace averoz
