#include "platform/PosixSerialLink.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/comm/ComPortMap.h"

namespace averoz {
namespace {

// The termios speed of a bit rate; the rates the settings can name and the common others.
speed_t SpeedOf(int bitRate) {
  switch (bitRate) {
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B0;
  }
}

// The line as the settings describe it; an empty text when it can be set, else the reason.
std::string ApplyLine(termios& t, const SerialSettings& s) {
  const speed_t speed = SpeedOf(s.bitRate);
  if (speed == B0) return "invalid bit rate";
  static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  if (s.dataBits < 5 || s.dataBits > 8) return "invalid character size";
  if (s.parity < 0 || s.parity > 2) return "invalid parity";
  if (s.stopBits != 1 && s.stopBits != 2) return "invalid stop bits";
  ::cfmakeraw(&t);
  t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB);
  t.c_cflag |= kSizes[s.dataBits - 5] | CREAD | CLOCAL | CRTSCTS;
  if (s.parity != 0) t.c_cflag |= PARENB | (s.parity == 1 ? PARODD : 0);
  if (s.stopBits == 2) t.c_cflag |= CSTOPB;
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  ::cfsetispeed(&t, speed);
  ::cfsetospeed(&t, speed);
  return {};
}

}  // namespace

void PosixSerialLink::open(const SerialSettings& s) {
  close();
  const std::string name = "COM" + std::to_string(s.comNumber);
  const std::string device = ComDevicePath(settings_, s.comNumber);
  if (device.empty()) throw SerialError(name + ": no such port");
  const std::string where = name + " (" + device + "): ";
  termios line{};
  if (const std::string bad = ApplyLine(line, s); !bad.empty()) throw SerialError(where + bad);
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw SerialError(where + std::strerror(errno));
  // The driver's own flags first, then the line over them.
  if (::tcgetattr(fd, &line) != 0 || !ApplyLine(line, s).empty() ||
      ::tcsetattr(fd, TCSANOW, &line) != 0) {
    const int error = errno;
    ::close(fd);
    throw SerialError(where + std::strerror(error));
  }
  // Whatever the instrument said before this transfer would be taken for its first reply.
  ::tcflush(fd, TCIOFLUSH);
  stream_.adopt(fd);
}

CtsState PosixSerialLink::ctsState() const {
  int lines = 0;
  if (!isOpen() || ::ioctl(stream_.fd(), TIOCMGET, &lines) != 0) return CtsState::Unknown;
  return (lines & TIOCM_CTS) ? CtsState::Clear : CtsState::Held;
}

}  // namespace averoz
