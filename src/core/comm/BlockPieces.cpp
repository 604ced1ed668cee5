// Cutting a block into pieces on send and collecting it on receive. The pieces exist so that
// the dialogs can move their progress bar and honour Abort between them.
#include <algorithm>

#include "core/comm/Protocol.h"

namespace averoz {

namespace {

std::size_t Divisor(Interface iface) { return iface == Interface::Gpib ? 100 : 200; }

}  // namespace

std::size_t SendPieceSize(std::size_t payloadLength, Interface iface) {
  return std::max<std::size_t>(1, payloadLength / Divisor(iface));
}

std::vector<std::size_t> SendPieceSizes(std::size_t payloadLength, Interface iface) {
  const std::size_t size = SendPieceSize(payloadLength, iface);
  std::vector<std::size_t> sizes(payloadLength / size, size);
  if (payloadLength % size != 0) sizes.push_back(payloadLength % size);
  return sizes;
}

std::size_t SendInPieces(std::span<const std::uint8_t> payload, Interface iface,
                         const std::function<bool(std::span<const std::uint8_t>)>& sendPiece) {
  const std::size_t size = SendPieceSize(payload.size(), iface);
  std::size_t sent = 0;
  while (sent < payload.size()) {
    const std::size_t n = std::min(size, payload.size() - sent);
    const bool goOn = sendPiece(payload.subspan(sent, n));
    sent += n;
    if (!goOn) break;
  }
  return sent;
}

std::size_t ReceivePieceSize(std::size_t count, Interface iface) {
  const std::size_t limit = iface == Interface::Gpib ? 2048 : 256;
  const std::size_t piece = std::min(count / Divisor(iface), limit);
  return piece != 0 ? piece : count;
}

CollectResult CollectBlock(std::size_t count, Interface iface, std::vector<std::uint8_t>& out,
                           const BlockRead& read, const AfterRead& afterRead) {
  const std::size_t piece = ReceivePieceSize(count, iface);
  std::vector<std::uint8_t> buffer(piece);
  CollectResult result;
  while (result.total < count) {
    // Over GPIB a full piece is always asked for: a shorter read is how the device says the
    // message ended. The serial link has no such end, so it asks for exactly what is missing.
    std::size_t ask = piece;
    if (iface == Interface::Serial) ask = std::min(piece, count - result.total);
    const long got = read(std::span<std::uint8_t>(buffer.data(), ask));
    if (got < 0) {
      result.end = CollectEnd::Failed;
      return result;
    }
    ++result.reads;
    const std::size_t n = std::min(static_cast<std::size_t>(got), ask);
    if (iface == Interface::Serial && n == 0) {
      result.end = CollectEnd::Stalled;
      return result;
    }
    result.total += n;
    if (!afterRead(result.total)) {
      result.end = CollectEnd::Stopped;
      return result;
    }
    out.insert(out.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
    if (iface == Interface::Gpib && n != ask) {
      result.end = result.total >= count ? CollectEnd::Complete : CollectEnd::EndedEarly;
      return result;
    }
  }
  result.end = CollectEnd::Complete;
  return result;
}

}  // namespace averoz
