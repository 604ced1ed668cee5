#include "platform/QtSerialLink.h"

#include <sys/ioctl.h>
#include <termios.h>

#include <QSerialPort>
#include <thread>

#include "core/comm/ComPortMap.h"
#include "platform/QtQueuedWrite.h"

namespace averoz {

namespace {

using Clock = std::chrono::steady_clock;

std::string ComName(int com) { return "COM" + std::to_string(com); }

// Values a serial line can take at all; the stored indices give a subset of them.
void CheckSettings(const SerialSettings& s) {
  const std::string port = ComName(s.comNumber);
  if (s.bitRate <= 0) throw SerialError(port + ": invalid bit rate");
  if (s.parity < 0 || s.parity > 2) throw SerialError(port + ": invalid parity");
  if (s.dataBits < 5 || s.dataBits > 8) throw SerialError(port + ": invalid character size");
  if (s.stopBits < 1 || s.stopBits > 2) throw SerialError(port + ": invalid stop bits");
}

QSerialPort::Parity ParityOf(int parity) {
  return parity == 1 ? QSerialPort::OddParity
         : parity == 2 ? QSerialPort::EvenParity
                       : QSerialPort::NoParity;
}

// Bytes the driver has taken but not yet put on the line (none on a pseudo-terminal).
std::size_t DriverOutputQueue(int fd) {
  int queued = 0;
  return ::ioctl(fd, TIOCOUTQ, &queued) == 0 && queued > 0 ? std::size_t(queued) : 0;
}

}  // namespace

QtSerialLink::QtSerialLink(IniFile settings)
    : QtSerialLink([settings = std::move(settings)](int com) {
        return ComDevicePath(settings, com);
      }) {}

QtSerialLink::QtSerialLink(DeviceOf devices)
    : devices_(std::move(devices)), port_(std::make_unique<QSerialPort>()) {}

QtSerialLink::~QtSerialLink() { close(); }

void QtSerialLink::open(const SerialSettings& s) {
  close();
  CheckSettings(s);
  devicePath_ = s.comNumber < 1 ? std::string() : devices_(s.comNumber);
  const std::string name = ComName(s.comNumber);
  if (devicePath_.empty()) throw SerialError(name + ": no such port");

  port_->setPortName(QString::fromStdString(devicePath_));
  port_->setBaudRate(s.bitRate);
  port_->setParity(ParityOf(s.parity));
  port_->setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits));
  port_->setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
  port_->setFlowControl(QSerialPort::HardwareControl);
  if (!port_->open(QIODevice::ReadWrite))
    throw SerialError(name + " (" + devicePath_ + "): " + port_->errorString().toStdString());
  // Whatever the instrument said before this transfer would be taken for its first reply.
  port_->clear();
}

bool QtSerialLink::isOpen() const { return port_->isOpen(); }

void QtSerialLink::close() {
  if (port_->isOpen()) port_->close();
}

bool QtSerialLink::send(std::span<const std::uint8_t> bytes) {
  return isOpen() && QueueAndFlush(*port_, bytes);
}

std::size_t QtSerialLink::pendingBytes() const {
  if (!isOpen()) return 0;
  port_->flush();
  return static_cast<std::size_t>(port_->bytesToWrite()) + DriverOutputQueue(port_->handle());
}

long QtSerialLink::read(std::span<std::uint8_t> buffer) {
  if (!isOpen()) return -1;
  const Clock::time_point deadline = Clock::now() + readTimeout();
  std::size_t got = 0;
  for (;;) {
    const qint64 n = port_->read(reinterpret_cast<char*>(buffer.data() + got),
                                 static_cast<qint64>(buffer.size() - got));
    if (n > 0) got += static_cast<std::size_t>(n);
    if (got == buffer.size()) break;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) break;
    port_->clearError();
    // Also moves queued output, so a query's reply can come while its text is still queued.
    if (port_->waitForReadyRead(static_cast<int>(left.count()))) continue;
    const QSerialPort::SerialPortError error = port_->error();
    if (error == QSerialPort::ResourceError) break;  // the device went away
    // A failed wait that is no time-out must not spin until the deadline.
    if (error != QSerialPort::TimeoutError && error != QSerialPort::NoError)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return static_cast<long>(got);
}

CtsState QtSerialLink::ctsState() const {
  if (!isOpen()) return CtsState::Unknown;
  port_->clearError();
  const QSerialPort::PinoutSignals pins = port_->pinoutSignals();
  if (port_->error() != QSerialPort::NoError) return CtsState::Unknown;
  return (pins & QSerialPort::ClearToSendSignal) ? CtsState::Clear : CtsState::Held;
}

}  // namespace averoz
