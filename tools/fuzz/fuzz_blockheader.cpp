// libFuzzer harness of the receive path after the fetch query: the first bytes judged as a
// block header, then the announced count collected from a device that hands out the rest of
// the input in uneven pieces, may fail a read, overstate a count or be aborted, and finally
// the decoding. Whatever the device does, the collection must end, hold only what arrived in
// order, and never run past its buffers.
//
// Input: flags, header length, failing read, aborting read, piece pattern, header, stream.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/comm/Protocol.h"

using namespace averoz;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

constexpr std::size_t kControlBytes = 5;
constexpr std::size_t kMaxCount = 99999999;  // eight decimal digits

void CheckHeader(std::span<const std::uint8_t> head, const BlockHeader& h) {
  const bool definite = head.size() >= 2 && head[0] == '#' && head[1] == '8';
  Check((h.status == HeaderStatus::NotDefiniteLength) == !definite);
  if (!definite) return;
  const std::size_t shown = std::min(head.size(), kBlockHeaderLength) - 2;
  Check(h.countText == std::string(head.begin() + 2, head.begin() + 2 + shown));
  const bool digits = shown == 8 && std::all_of(h.countText.begin(), h.countText.end(),
                                                [](char c) { return c >= '0' && c <= '9'; });
  Check((h.status == HeaderStatus::Ok) == digits);
  if (digits) Check(h.count == std::stoul(h.countText) && h.count <= kMaxCount);
  for (unsigned char c : CountConversionError(h.countText)) Check(c >= 32 && c != 127);
}

void CheckDecode(std::span<const std::uint8_t> bytes) {
  std::vector<std::int32_t> words = {-7};
  const int result = DecodeReceivedBlock(bytes, words);
  if (bytes.size() < kBlockCount) {
    Check(result == -1 && words == std::vector<std::int32_t>{-7});
    return;
  }
  Check(result == static_cast<int>(kBlockWords) && words.size() == kBlockWords);
  for (std::size_t i = 0; i < kBlockWords; i += 997) {
    Check(words[i] == bytes[2 * i] * 256 + bytes[2 * i + 1]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kControlBytes) return 0;
  const Interface iface = (data[0] & 1) ? Interface::Serial : Interface::Gpib;
  const bool overstate = (data[0] & 2) != 0;  // the driver reports more than the buffer held
  const std::size_t headLength = std::min<std::size_t>(data[1] % 16, size - kControlBytes);
  const std::size_t failAt = data[2];  // 1-based read that fails; 0: none
  const std::size_t stopAt = data[3];  // 1-based read after which Abort is pressed; 0: none
  const std::size_t pattern = data[4];  // 0: every read gets all it asks for
  const std::span<const std::uint8_t> head(data + kControlBytes, headLength);
  const std::span<const std::uint8_t> stream(data + kControlBytes + headLength,
                                             size - kControlBytes - headLength);

  const BlockHeader header = ParseBlockHeader(head);
  CheckHeader(head, header);
  CheckDecode(stream);
  if (header.status != HeaderStatus::Ok) return 0;

  const std::size_t count = header.count;
  const std::size_t piece = ReceivePieceSize(count, iface);
  Check(count == 0 || (piece >= 1 && piece <= count));
  Check(piece <= (iface == Interface::Gpib ? 2048u : 256u) || piece == count);

  std::size_t served = 0, calls = 0;
  const BlockRead read = [&](std::span<std::uint8_t> buffer) -> long {
    ++calls;
    Check(!buffer.empty() && buffer.size() <= piece);
    if (calls == failAt) return -1;
    std::size_t n = std::min(buffer.size(), stream.size() - served);
    if (pattern != 0) n = std::min(n, (pattern * calls) % 263);
    std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(served), n, buffer.begin());
    served += n;
    return static_cast<long>(overstate && n == buffer.size() ? n + 5 : n);
  };
  std::size_t lastTotal = 0, afterReads = 0;
  const AfterRead afterRead = [&](std::size_t total) {
    Check(total >= lastTotal && total <= served);
    lastTotal = total;
    return ++afterReads != stopAt;
  };

  std::vector<std::uint8_t> out;
  const CollectResult r = CollectBlock(count, iface, out, read, afterRead);

  Check(r.total == served);
  Check(r.reads == calls - (r.end == CollectEnd::Failed ? 1 : 0));
  // Everything kept arrived, in order; only a stop drops the last read.
  Check(out.size() <= r.total);
  Check(std::equal(out.begin(), out.end(), stream.begin()));
  if (r.end != CollectEnd::Stopped) Check(out.size() == r.total);
  // No read asks beyond the count over the serial link; over GPIB at most one piece more.
  Check(iface == Interface::Serial ? r.total <= count : r.total < count + std::max<std::size_t>(piece, 1));
  switch (r.end) {
    case CollectEnd::Complete: Check(r.total >= count); break;
    case CollectEnd::EndedEarly: Check(iface == Interface::Gpib && r.total < count); break;
    case CollectEnd::Stalled: Check(iface == Interface::Serial && r.total < count); break;
    case CollectEnd::Failed: Check(calls == failAt); break;
    case CollectEnd::Stopped: Check(afterReads == stopAt); break;
  }
  if (r.end == CollectEnd::Complete) CheckDecode(out);
  return 0;
}
