#include "PtySerial.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <system_error>

namespace nqsim {

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void Fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

int RateOf(speed_t speed) {
  static constexpr std::pair<speed_t, int> kRates[] = {
      {B300, 300},     {B600, 600},     {B1200, 1200},   {B2400, 2400},  {B4800, 4800},
      {B9600, 9600},   {B19200, 19200}, {B38400, 38400}, {B57600, 57600}, {B115200, 115200},
  };
  for (const auto& [code, rate] : kRates)
    if (code == speed) return rate;
  return 0;
}

// The line time of n characters of ten bits each.
Clock::duration LineTime(std::size_t n, int bitRate) {
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::nanoseconds(static_cast<long long>(n) * 10'000'000'000LL / bitRate));
}

}  // namespace

PtySerial::PtySerial(int bitRate) : bitRate_(bitRate) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) Fail("posix_openpt");
  char name[128];
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    const int e = errno;
    ::close(master_);
    errno = e;
    Fail("pseudo-terminal slave");
  }
  slavePath_ = name;
  // Raw from the start: a user that writes before setting its own modes must not get echo
  // or line editing.
  slave_ = ::open(name, O_RDWR | O_NOCTTY);
  termios raw{};
  if (slave_ < 0 || ::tcgetattr(slave_, &raw) != 0) {
    const int e = errno;
    ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    errno = e;
    Fail("pseudo-terminal slave");
  }
  ::cfmakeraw(&raw);
  ::tcsetattr(slave_, TCSANOW, &raw);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  if (::pipe(wake_) != 0) {
    const int e = errno;
    ::close(master_);
    ::close(slave_);
    errno = e;
    Fail("pipe");
  }
  thread_ = std::thread([this] { serve(); });
}

PtySerial::~PtySerial() {
  stop_ = true;
  const char byte = 0;
  [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
  thread_.join();
  for (int fd : {master_, slave_, wake_[0], wake_[1]}) ::close(fd);
}

LineSettings PtySerial::lineSettings() const {
  LineSettings s;
  termios t{};
  if (::tcgetattr(slave_, &t) != 0) return s;
  s.bitRate = RateOf(::cfgetospeed(&t));
  s.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
  s.rtsCts = (t.c_cflag & CRTSCTS) != 0;
  return s;
}

void PtySerial::setFault(Fault fault) {
  std::lock_guard lock(mutex_);
  instrument_.setFault(fault);
}

void PtySerial::setIdentity(std::string line) {
  std::lock_guard lock(mutex_);
  instrument_.setIdentity(std::move(line));
}

void PtySerial::reset() {
  std::lock_guard lock(mutex_);
  instrument_.reset();
  received_ = 0;
  holdAt_.reset();
  dropReply_ = true;
}

void PtySerial::failAck(AckFault fault, long nth) {
  std::lock_guard lock(mutex_);
  instrument_.failAck(fault, nth);
}

void PtySerial::holdBlockAt(std::size_t byte) {
  std::lock_guard lock(mutex_);
  holdAt_ = byte;
}

void PtySerial::release() {
  {
    std::lock_guard lock(mutex_);
    holdAt_.reset();
  }
  const char byte = 0;
  [[maybe_unused]] const ssize_t n = ::write(wake_[1], &byte, 1);
}

bool PtySerial::holding() const {
  std::lock_guard lock(mutex_);
  return holdAt_ && instrument_.storingAt() == holdAt_;
}

std::size_t PtySerial::readRoom(std::size_t slice) const {
  std::lock_guard lock(mutex_);
  if (!holdAt_) return slice;
  // Byte by byte until the block starts, so that no read runs past the held byte.
  const auto at = instrument_.storingAt();
  if (!at) return 1;
  return std::min(slice, *holdAt_ > *at ? *holdAt_ - *at : 0);
}

std::vector<std::uint8_t> PtySerial::memory(std::size_t n) const {
  std::lock_guard lock(mutex_);
  const auto m = instrument_.memory(n);
  return {m.begin(), m.end()};
}

void PtySerial::loadMemory(std::size_t n, std::span<const std::uint8_t> bytes) {
  std::lock_guard lock(mutex_);
  instrument_.loadMemory(n, bytes);
}

std::size_t PtySerial::bytesReceived() const {
  std::lock_guard lock(mutex_);
  return received_;
}

void PtySerial::serve() {
  std::vector<std::uint8_t> in(4096);
  std::vector<std::uint8_t> out;  // reply bytes taken from the instrument, not yet written
  std::size_t outPos = 0;
  Clock::time_point readAt = Clock::now(), writeAt = readAt;

  while (!stop_) {
    if (dropReply_.exchange(false)) outPos = out.size();
    if (outPos == out.size()) {
      std::lock_guard lock(mutex_);
      out.resize(4096);
      bool end = false;
      out.resize(instrument_.transmit(out, end));
      outPos = 0;
    }
    const int rate = bitRate_;
    // At a bit rate, bytes move in slices of about 20 ms of line time.
    const std::size_t slice = rate > 0 ? std::max(1, rate / 10 / 50) : in.size();
    const Clock::time_point now = Clock::now();
    const bool wantWrite = outPos < out.size();
    const std::size_t room = readRoom(slice);
    const bool readNow = room > 0 && (rate <= 0 || now >= readAt);
    const bool writeNow = wantWrite && (rate <= 0 || now >= writeAt);

    // Wake exactly when the next slice is due: rounding waits up to whole milliseconds would
    // slow a paced line by several per cent.
    Clock::duration wait = std::chrono::milliseconds(200);
    if (room > 0 && !readNow) wait = std::min(wait, readAt - now);
    if (wantWrite && !writeNow) wait = std::min(wait, writeAt - now);
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    const timespec timeout{static_cast<time_t>(ns / 1'000'000'000),
                           static_cast<long>(ns % 1'000'000'000)};

    pollfd fds[2] = {
        {master_, static_cast<short>((readNow ? POLLIN : 0) | (writeNow ? POLLOUT : 0)), 0},
        {wake_[0], POLLIN, 0},
    };
    if (::ppoll(fds, 2, &timeout, nullptr) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents) {
      // A stop, or a released hold: look again at once.
      char drain[16];
      [[maybe_unused]] const ssize_t r = ::read(wake_[0], drain, sizeof drain);
      if (stop_) return;
      continue;
    }
    const Clock::time_point after = Clock::now();

    if (fds[0].revents & POLLIN) {
      const ssize_t n = ::read(master_, in.data(), room);
      if (n > 0) {
        std::lock_guard lock(mutex_);
        instrument_.receive({in.data(), static_cast<std::size_t>(n)}, false);
        received_ += static_cast<std::size_t>(n);
      }
      if (n > 0 && rate > 0) readAt = std::max(readAt, after) + LineTime(std::size_t(n), rate);
    }
    if (fds[0].revents & POLLOUT) {
      const std::size_t want = std::min(slice, out.size() - outPos);
      const ssize_t n = ::write(master_, out.data() + outPos, want);
      if (n > 0) {
        outPos += static_cast<std::size_t>(n);
        if (rate > 0) writeAt = std::max(writeAt, after) + LineTime(std::size_t(n), rate);
      }
    }
    // The slave stays open here, so a hang-up should not come; never spin on one.
    if ((fds[0].revents & (POLLHUP | POLLERR)) && !(fds[0].revents & (POLLIN | POLLOUT)))
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace nqsim
