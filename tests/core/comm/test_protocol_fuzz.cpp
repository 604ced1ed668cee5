// Seeded mutations of instrument replies: the parsers take whatever arrives on the wire
// without crashing and keep their invariants.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/comm/Protocol.h"

namespace averoz {
namespace {

std::string Mutate(std::string s, std::mt19937& rng) {
  std::uniform_int_distribution<int> byte(0, 255);
  const int edits = std::uniform_int_distribution<int>(1, 6)(rng);
  for (int e = 0; e < edits; ++e) {
    const std::size_t at = s.empty() ? 0 : std::uniform_int_distribution<std::size_t>(0, s.size() - 1)(rng);
    switch (std::uniform_int_distribution<int>(0, 4)(rng)) {
      case 0: if (!s.empty()) s[at] = static_cast<char>(byte(rng)); break;
      case 1: s.insert(at, 1, static_cast<char>(byte(rng))); break;
      case 2: if (!s.empty()) s.erase(at, 1); break;
      case 3: s.insert(at, 1, "\",\r\n\0 #8"[std::uniform_int_distribution<int>(0, 8)(rng)]); break;
      case 4: s.resize(std::min(s.size(), at)); break;
    }
  }
  return s;
}

TEST(ProtocolFuzz, IdentityCheckTakesAnyReply) {
  std::mt19937 rng(20261211);
  const std::string seeds[] = {"MAKER,ABC-123,0,1.00\r\n", "\"MA\"\"KER\",\"ABC 1\",x", "A B C", ""};
  for (int i = 0; i < 20000; ++i) {
    const std::string reply = Mutate(seeds[i % 4], rng);
    const auto fields = SplitCommaList(reply);
    const auto problem = IdentityProblem(reply, "ABC");
    ASSERT_EQ(fields.size() < 2 || !fields[1].starts_with("ABC"), problem.has_value()) << reply;
    if (problem) {
      EXPECT_EQ(problem->id, ERRMSG(20));
    }
    for (const auto& f : fields) {
      // A field never spans a comma or a separator unless it was quoted.
      if (f.find(',') != std::string::npos || f.find(' ') != std::string::npos) {
        EXPECT_NE(reply.find('"'), std::string::npos) << reply;
      }
    }
  }
}

TEST(ProtocolFuzz, BlockHeaderAndCollectTakeAnyBytes) {
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    const std::string head = Mutate("#800032768", rng);
    const std::vector<std::uint8_t> bytes(head.begin(), head.end());
    const BlockHeader h = ParseBlockHeader(bytes);
    if (h.status != HeaderStatus::Ok) continue;
    ASSERT_LE(h.count, 99999999u);
    // Collecting a small count from a device with any amount of data ends.
    const std::size_t count = h.count % 5000;
    const std::size_t available = std::uniform_int_distribution<std::size_t>(0, 6000)(rng);
    for (Interface iface : {Interface::Gpib, Interface::Serial}) {
      std::size_t served = 0;
      std::vector<std::uint8_t> out;
      const CollectResult r = CollectBlock(
          count, iface, out,
          [&](std::span<std::uint8_t> buf) -> long {
            const std::size_t n = std::min(buf.size(), available - std::min(available, served));
            served += n;
            return static_cast<long>(n);
          },
          [](std::size_t) { return true; });
      ASSERT_LE(r.total, std::max(count, available));
      ASSERT_EQ(out.size(), r.total);
      ASSERT_LE(r.reads, count + 1);
      std::vector<std::int32_t> words;
      EXPECT_EQ(DecodeReceivedBlock(out, words), out.size() >= kBlockCount ? 16384 : -1);
    }
  }
}

}  // namespace
}  // namespace averoz
