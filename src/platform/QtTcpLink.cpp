#include "platform/QtTcpLink.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <algorithm>
#include <string>

#include "platform/QtQueuedWrite.h"

namespace averoz {

namespace {

using Clock = std::chrono::steady_clock;

// How often a wait asks the hook whether to go on.
constexpr std::chrono::milliseconds kWaitSlice{20};

int SliceUntil(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::clamp(left, std::chrono::milliseconds{0}, kWaitSlice).count());
}

}  // namespace

QtTcpLink::QtTcpLink() : socket_(std::make_unique<QTcpSocket>()) {}

QtTcpLink::~QtTcpLink() { close(); }

void QtTcpLink::open(const LanEndpoint& e) {
  close();
  const std::string where = "LAN (" + e.host + ":" + std::to_string(e.port) + "): ";
  const QHostAddress address(QString::fromStdString(e.host));
  if (address.isNull() || address.protocol() != QAbstractSocket::IPv4Protocol)
    throw LinkError(where + "invalid address");
  if (e.port < 1 || e.port > 65535) throw LinkError(where + "invalid port");
  socket_->connectToHost(address, static_cast<quint16>(e.port));
  const Clock::time_point deadline = Clock::now() + e.connectTimeout;
  while (socket_->state() != QAbstractSocket::ConnectedState) {
    if (socket_->state() == QAbstractSocket::UnconnectedState)
      throw LinkError(where + socket_->errorString().toStdString());
    if (Clock::now() >= deadline) {
      socket_->abort();
      throw LinkError(where + "connection timed out");
    }
    if (!keepWaiting()) {
      socket_->abort();
      throw LinkError(where + "connection aborted");
    }
    socket_->waitForConnected(std::max(SliceUntil(deadline), 1));
  }
  // Commands are short texts, each waited for: send them at once.
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

bool QtTcpLink::isOpen() const { return socket_->state() == QAbstractSocket::ConnectedState; }

void QtTcpLink::close() {
  // Whatever is still on its way in either direction is dropped.
  if (socket_->state() != QAbstractSocket::UnconnectedState) socket_->abort();
}

bool QtTcpLink::send(std::span<const std::uint8_t> bytes) {
  return isOpen() && QueueAndFlush(*socket_, bytes);
}

std::size_t QtTcpLink::pendingBytes() const {
  if (!isOpen()) return 0;
  socket_->flush();
  return static_cast<std::size_t>(socket_->bytesToWrite());
}

long QtTcpLink::read(std::span<std::uint8_t> buffer) {
  if (socket_->state() == QAbstractSocket::UnconnectedState && socket_->bytesAvailable() == 0)
    return -1;
  const Clock::time_point deadline = Clock::now() + readTimeout();
  std::size_t got = 0;
  for (;;) {
    const qint64 n = socket_->read(reinterpret_cast<char*>(buffer.data() + got),
                                   static_cast<qint64>(buffer.size() - got));
    if (n > 0) got += static_cast<std::size_t>(n);
    if (got == buffer.size() || n < 0) break;
    if (socket_->state() != QAbstractSocket::ConnectedState) break;  // the peer has gone
    if (Clock::now() >= deadline || !keepWaiting()) break;
    socket_->flush();  // a query still queued must go out before its reply can come
    socket_->waitForReadyRead(std::max(SliceUntil(deadline), 1));
  }
  return static_cast<long>(got);
}

}  // namespace averoz
