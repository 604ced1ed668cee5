// Cutting a block into pieces on send and collecting one on receive, against scripted ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/comm/Protocol.h"

namespace averoz {
namespace {

// Pieces as n copies of one size followed by the rest.
std::vector<std::size_t> Pieces(std::size_t n, std::size_t size, std::size_t rest) {
  std::vector<std::size_t> v(n, size);
  if (rest) v.push_back(rest);
  return v;
}

TEST(SendPieces, Sizes) {
  struct Case {
    std::size_t length;
    Interface iface;
    std::vector<std::size_t> pieces;
  };
  const Case cases[] = {
      {32768, Interface::Gpib, Pieces(100, 327, 68)},
      {32768, Interface::Serial, Pieces(201, 163, 5)},
      {32838, Interface::Gpib, Pieces(100, 328, 38)},  // a pattern file image
      {32838, Interface::Serial, Pieces(200, 164, 38)},
      {32700, Interface::Gpib, Pieces(100, 327, 0)},   // no empty write at the end
      {50, Interface::Gpib, Pieces(50, 1, 0)},         // never a piece of zero bytes
      {0, Interface::Serial, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(SendPieceSizes(c.length, c.iface), c.pieces);
    std::vector<std::uint8_t> payload(c.length);
    std::iota(payload.begin(), payload.end(), 0);
    std::vector<std::size_t> seen;
    std::vector<std::uint8_t> joined;
    const std::size_t sent = SendInPieces(payload, c.iface, [&](std::span<const std::uint8_t> p) {
      seen.push_back(p.size());
      joined.insert(joined.end(), p.begin(), p.end());
      return true;
    });
    EXPECT_EQ(seen, c.pieces);
    EXPECT_EQ(joined, payload);
    EXPECT_EQ(sent, c.length);
  }
}

TEST(SendPieces, StopsAfterThePieceThatSaysStop) {
  std::vector<std::uint8_t> payload(32768);
  int calls = 0;
  const std::size_t sent =
      SendInPieces(payload, Interface::Gpib, [&](std::span<const std::uint8_t>) { return ++calls < 3; });
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(sent, 3u * 327);
}

// A device that serves `available` bytes. Over GPIB a read ends at the end of the message;
// failAt makes that read fail; trickle limits the bytes per read (a slow serial line).
struct ScriptedDevice {
  std::vector<std::uint8_t> data;
  std::size_t pos = 0;
  std::size_t failAt = 0;  // 1-based read number, 0 never
  std::size_t trickle = 0;
  std::vector<std::size_t> asks;

  explicit ScriptedDevice(std::size_t available) : data(available) {
    std::iota(data.begin(), data.end(), 1);
  }
  BlockRead reader() {
    return [this](std::span<std::uint8_t> buf) -> long {
      asks.push_back(buf.size());
      if (asks.size() == failAt) return -1;
      std::size_t n = std::min(buf.size(), data.size() - pos);
      if (trickle) n = std::min(n, trickle);
      std::copy_n(data.begin() + static_cast<long>(pos), n, buf.begin());
      pos += n;
      return static_cast<long>(n);
    };
  }
};

const AfterRead kGoOn = [](std::size_t) { return true; };

TEST(CollectBlock, Ends) {
  struct Case {
    const char* name;
    Interface iface;
    std::size_t count, available, failAt, trickle;
    CollectEnd end;
    std::size_t total, reads, firstAsk, lastAsk;
  };
  const Case cases[] = {
      {"gpib full block", Interface::Gpib, 32768, 32768, 0, 0, CollectEnd::Complete, 32768, 101, 327, 327},
      {"gpib short block", Interface::Gpib, 32768, 16384, 0, 0, CollectEnd::EndedEarly, 16384, 51, 327, 327},
      {"gpib exact multiple ends without an extra read", Interface::Gpib, 32700, 32700, 0, 0,
       CollectEnd::Complete, 32700, 100, 327, 327},
      {"gpib count below 100", Interface::Gpib, 50, 50, 0, 0, CollectEnd::Complete, 50, 1, 50, 50},
      {"gpib count 0", Interface::Gpib, 0, 0, 0, 0, CollectEnd::Complete, 0, 0, 0, 0},
      {"gpib silent device", Interface::Gpib, 32768, 0, 0, 0, CollectEnd::EndedEarly, 0, 1, 327, 327},
      {"gpib read fails", Interface::Gpib, 32768, 32768, 5, 0, CollectEnd::Failed, 4 * 327, 4, 327, 327},
      {"gpib big count capped", Interface::Gpib, 300000, 300000, 0, 0, CollectEnd::Complete, 300000, 147,
       2048, 2048},
      {"serial full block", Interface::Serial, 32768, 32768, 0, 0, CollectEnd::Complete, 32768, 202, 163, 5},
      {"serial slow line", Interface::Serial, 32768, 32768, 0, 100, CollectEnd::Complete, 32768, 328, 163, 68},
      {"serial stalls", Interface::Serial, 32768, 1000, 0, 0, CollectEnd::Stalled, 1000, 8, 163, 163},
      {"serial count below 200", Interface::Serial, 150, 150, 0, 0, CollectEnd::Complete, 150, 1, 150, 150},
      {"serial count 0", Interface::Serial, 0, 0, 0, 0, CollectEnd::Complete, 0, 0, 0, 0},
      {"serial port closed", Interface::Serial, 32768, 32768, 1, 0, CollectEnd::Failed, 0, 0, 163, 163},
      {"serial big count capped", Interface::Serial, 300000, 300000, 0, 0, CollectEnd::Complete, 300000,
       1172, 256, 224},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDevice device(c.available);
    device.failAt = c.failAt;
    device.trickle = c.trickle;
    std::vector<std::uint8_t> out;
    const CollectResult r = CollectBlock(c.count, c.iface, out, device.reader(), kGoOn);
    EXPECT_EQ(r.end, c.end);
    EXPECT_EQ(r.total, c.total);
    EXPECT_EQ(r.reads, c.reads);
    if (!device.asks.empty()) {
      EXPECT_EQ(device.asks.front(), c.firstAsk);
      EXPECT_EQ(device.asks.back(), c.lastAsk);
    }
    // What was collected is exactly the start of what the device sent.
    ASSERT_EQ(out.size(), std::min(c.total, c.available));
    EXPECT_TRUE(std::equal(out.begin(), out.end(), device.data.begin()));
  }
}

TEST(CollectBlock, StopKeepsTheLastReadOut) {
  for (Interface iface : {Interface::Gpib, Interface::Serial}) {
    ScriptedDevice device(32768);
    std::vector<std::uint8_t> out;
    std::vector<std::size_t> totals;
    const CollectResult r = CollectBlock(32768, iface, out, device.reader(), [&](std::size_t total) {
      totals.push_back(total);
      return totals.size() < 3;
    });
    const std::size_t piece = ReceivePieceSize(32768, iface);
    EXPECT_EQ(r.end, CollectEnd::Stopped);
    EXPECT_EQ(totals, (std::vector<std::size_t>{piece, 2 * piece, 3 * piece}));
    EXPECT_EQ(out.size(), 2 * piece);
  }
}

}  // namespace
}  // namespace averoz
