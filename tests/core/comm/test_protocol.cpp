// Command texts, reply judgement, identification and the block contents.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/Prompter.h"
#include "core/comm/Protocol.h"

namespace averoz {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(Protocol, CommandTexts) {
  EXPECT_EQ(BuildStoreHeader("0"), ":ARB:DATA:MEM0 #800032768");
  EXPECT_EQ(BuildStoreHeader("3"), ":ARB:DATA:MEM3 #800032768");
  EXPECT_EQ(BuildStoreHeader("0").size(), 25u);
  // A pattern's file image announces its own length.
  EXPECT_EQ(BuildStoreHeader("2", 32838), ":ARB:DATA:MEM2 #800032838");
  EXPECT_EQ(BuildFetchQuery("2"), ":ARB:DATA:MEM2?");
  EXPECT_EQ(DelimiterFor(0), "\r\n");
  EXPECT_EQ(DelimiterFor(1), "\n");
  EXPECT_EQ(DelimiterFor(2), std::nullopt);
  // Serial replies are read by length; with LF the identification asks for 24 bytes.
  EXPECT_EQ(IdentityReplyLength("\n"), 24u);
  EXPECT_EQ(AcknowledgeReplyLength("\n"), 3u);
  EXPECT_EQ(AcknowledgeReplyLength("\r\n"), 4u);
}

TEST(Protocol, Acknowledgement) {
  struct Case {
    std::string reply, delimiter;
    bool acknowledged;
  };
  const Case cases[] = {
      {"+1\r\n", "\r\n", true},
      {"+1\r\n", "\n", false},  // "+1" is followed by CR, not by LF
      {"+1\n", "\n", true},
      {"0;+1\r\n", "\r\n", true},
      {"junk+1\njunk", "\n", true},
      {"+1", "\n", false},
      {"+0\n", "\n", false},
      {"1\n", "\n", false},
      {"", "\n", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsAcknowledged(c.reply, c.delimiter), c.acknowledged)
        << "reply '" << c.reply << "' delimiter size " << c.delimiter.size();
  }
}

TEST(Protocol, CommaListFields) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitCommaList("MAKER,ABC-123,0,1.00\r\n"), (V{"MAKER", "ABC-123", "0", "1.00"}));
  EXPECT_EQ(SplitCommaList("  \t a , b\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitCommaList("MY MAKER,ABC"), (V{"MY", "MAKER", "ABC"}));
  EXPECT_EQ(SplitCommaList("a,,b"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitCommaList("\"A, \"\"B\"\"\",C"), (V{"A, \"B\"", "C"}));
  EXPECT_EQ(SplitCommaList("\"open quote, runs on"), (V{"open quote, runs on"}));
  EXPECT_EQ(SplitCommaList("a\x01" "b\x1f" "c"), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitCommaList(std::string_view("a,b\0,c,d", 8)), (V{"a", "b"}));
  EXPECT_EQ(SplitCommaList(""), V{});
  EXPECT_EQ(SplitCommaList(" \r\n"), V{});
}

struct RecordingPrompter : Prompter {
  std::vector<Message> shown;
  Answer ask(const Message& m, Buttons, Icon) override {
    shown.push_back(m);
    return Answer::Ok;
  }
  void showText(const std::string&, Icon) override {}
  void status(const std::string&) override {}
  void processEvents() override {}
};

TEST(Protocol, IdentityCheck) {
  struct Case {
    std::string reply, prefix;
    bool passes;
    std::string warningPrefix;  // text before the ERRMSG 20 text
  };
  const Case cases[] = {
      {"MAKER,ABC-123,0,1.00\r\n", "ABC", true, ""},
      {"MAKER,ABC-123,0,1.00\r\n", "abc", false, "ABC-123:"},
      {"MAKER,ABC-123,0,1.00\r\n", "", true, ""},
      {"MAKER,ABC-123,0,1.00\r\n", "ABC-1234", false, "ABC-123:"},
      {"MAKERABC123\r\n", "", false, ""},
      {"MAKERABC123\r\n", "ABC", false, ""},
      // A blank in the maker field shifts the fields: "MAKER" is read as the model.
      {"MY MAKER,ABC-123,0,1.00", "ABC", false, "MAKER:"},
      {"MY MAKER,ABC-123,0,1.00", "", true, ""},
      {"A B", "", true, ""},
      {"", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("reply '" + c.reply + "' prefix '" + c.prefix + "'");
    RecordingPrompter prompter;
    EXPECT_EQ(CheckIdentity(c.reply, c.prefix, prompter), c.passes);
    if (c.passes) {
      EXPECT_TRUE(prompter.shown.empty());
    } else {
      ASSERT_EQ(prompter.shown.size(), 1u);
      EXPECT_EQ(prompter.shown[0].id, ERRMSG(20));
      EXPECT_EQ(prompter.shown[0].prefix, c.warningPrefix);
      EXPECT_EQ(prompter.shown[0].suffix, "");
    }
  }
}

TEST(Protocol, WaveformPayloadIsBigEndianAndUninverted) {
  std::vector<std::int32_t> samples(16384, 2048);
  samples[0] = 0;
  samples[1] = 4095;
  samples[16383] = 0x0123;
  const auto payload = BuildPayload(std::span<const std::int32_t>(samples));
  ASSERT_EQ(payload.size(), kBlockCount);
  EXPECT_EQ(payload[0], 0x00);
  EXPECT_EQ(payload[1], 0x00);
  EXPECT_EQ(payload[2], 0x0F);
  EXPECT_EQ(payload[3], 0xFF);
  EXPECT_EQ(payload[4], 0x08);
  EXPECT_EQ(payload[5], 0x00);
  EXPECT_EQ(payload[32766], 0x01);
  EXPECT_EQ(payload[32767], 0x23);

  std::vector<std::int32_t> words;
  ASSERT_EQ(DecodeReceivedBlock(payload, words), 16384);
  EXPECT_EQ(words, samples);
}

TEST(Protocol, PatternPayloadIsTheFileImage) {
  const std::vector<std::uint8_t> image = {1, 2, 3, 0xFF};
  EXPECT_EQ(BuildPayload(std::span<const std::uint8_t>(image)), image);
}

TEST(Protocol, DecodeTakesUnsignedWordsAndNeedsAFullBlock) {
  std::vector<std::uint8_t> block(kBlockCount + 7, 0xFF);
  std::vector<std::int32_t> words;
  ASSERT_EQ(DecodeReceivedBlock(block, words), 16384);
  EXPECT_EQ(words.size(), 16384u);
  EXPECT_EQ(words.front(), 65535);  // no range test, no sign

  std::vector<std::int32_t> untouched = {7};
  block.resize(kBlockCount - 1);
  EXPECT_EQ(DecodeReceivedBlock(block, untouched), -1);
  EXPECT_EQ(untouched, std::vector<std::int32_t>{7});
  EXPECT_EQ(DecodeReceivedBlock({}, untouched), -1);
}

TEST(Protocol, BlockHeader) {
  struct Case {
    std::string bytes;
    HeaderStatus status;
    std::size_t count;
  };
  const Case cases[] = {
      {"#800032768", HeaderStatus::Ok, 32768},
      {"#800000000", HeaderStatus::Ok, 0},
      {"#899999999", HeaderStatus::Ok, 99999999},
      {"#800032768extra", HeaderStatus::Ok, 32768},
      {"#70032768x", HeaderStatus::NotDefiniteLength, 0},
      {"80003276800", HeaderStatus::NotDefiniteLength, 0},
      {"", HeaderStatus::NotDefiniteLength, 0},
      {"#", HeaderStatus::NotDefiniteLength, 0},
      {"#8", HeaderStatus::BadCount, 0},
      {"#8000327", HeaderStatus::BadCount, 0},      // cut short: not a smaller count
      {"#800O32768", HeaderStatus::BadCount, 0},
      {"#8-0032768", HeaderStatus::BadCount, 0},
      {"#8+0032768", HeaderStatus::BadCount, 0},
      {"#8 0032768", HeaderStatus::BadCount, 0},
      {"#8\r\n032768", HeaderStatus::BadCount, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("header '" + c.bytes + "'");
    const BlockHeader h = ParseBlockHeader(Bytes(c.bytes));
    EXPECT_EQ(h.status, c.status);
    if (c.status == HeaderStatus::Ok) {
      EXPECT_EQ(h.count, c.count);
    }
  }
  EXPECT_EQ(ParseBlockHeader(Bytes("#800O32768")).countText, "00O32768");
  EXPECT_EQ(CountConversionError("00O3\r\n68"), "'00O3??68' is not a valid byte count");
}

}  // namespace
}  // namespace averoz
