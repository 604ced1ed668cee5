// Waveform text import: addresses of rows and columns, value rules, the status lines and the
// question about invalid data.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/files/CsvExport.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/TextImport.h"

namespace averoz {
namespace {

using test::RecordingStatus;
using test::ScriptedPrompter;

struct ImportRun {
  ScriptedPrompter prompter;
  RecordingStatus status;
  TextImportResult result;

  explicit ImportRun(const std::string& text, const std::string& language = "English",
               std::deque<Answer> answers = {}) {
    prompter.answers = std::move(answers);
    result = ImportWaveText(text, language, prompter, status);
  }
  std::vector<std::string> InvalidSuffixes() const {
    std::vector<std::string> out;
    for (const Message& m : status.lines)
      if (m.id == ERRMSG(13)) out.push_back(m.suffix);
    return out;
  }
  const Message& Last() const { return status.lines.back(); }
};

std::string Lines(int n, const std::function<std::string(int)>& line) {
  std::string text;
  for (int i = 0; i < n; ++i) text += line(i) + "\r\n";
  return text;
}

TEST(TextImport, LayoutsOfRowsAndColumns) {
  const struct {
    const char* name;
    std::string text;
    int count;
    std::map<int, int> samples;  // address -> code
  } cases[] = {
      {"single line", "100", 1, {{0, 100}, {1, 0}}},
      {"header then two columns", "Time,Value\r\n0,10\r\n1,20\r\n2,30\r\n", 6,
       {{0, 0}, {1, 1}, {2, 2}, {3, 10}, {4, 20}, {5, 30}}},
      {"spaces separate like commas", "1 2 3", 3, {{0, 1}, {1, 2}, {2, 3}}},
      {"empty line skipped", "7\n\n8\n", 2, {{0, 7}, {1, 8}}},
      {"comment lines skipped", "# samples\n7\n;x\n8\n", 2, {{0, 7}, {1, 8}}},
      {"values are truncated and limited", "4096\n-5\n3.99\n4095.9\n-0.5\n.5\n", 6,
       {{0, 4095}, {1, 0}, {2, 3}, {3, 4095}, {4, 0}, {5, 0}}},
      {"numbers beyond a double are limited too",
       std::string(400, '9') + "\n-" + std::string(400, '9') + "\n0." + std::string(400, '0') + "1\n",
       3, {{0, 4095}, {1, 0}, {2, 0}}},
      {"nothing valid", "abc\ndef\n", 0, {}},
      {"empty file", "", 0, {}},
  };
  for (const auto& c : cases) {
    ImportRun run(c.text);
    EXPECT_EQ(run.result.count, c.count) << c.name;
    EXPECT_TRUE(run.result.error.empty()) << c.name;
    EXPECT_TRUE(run.prompter.asked.empty()) << c.name;
    ASSERT_EQ(run.result.samples.size(), 16384u);
    for (auto [address, code] : c.samples) EXPECT_EQ(run.result.samples[address], code) << c.name << " @" << address;
    EXPECT_EQ(run.Last().id, IMFMSG(7)) << c.name;
    EXPECT_EQ(run.Last().prefix, std::to_string(c.count)) << c.name;
  }
}

TEST(TextImport, SummaryCountsClippedValuesAndSkippedLines) {
  const struct {
    const char* name;
    std::string text;
    int clipped, skipped;
  } cases[] = {
      {"limits both ways, truncation alone is no clip", "4096\n-1\n-0.5\n4095.9\n3.99\n", 2, 0},
      {"beyond a double", std::string(400, '9') + "\n0." + std::string(400, '0') + "1\n", 1, 0},
      {"header, empty and comment lines", "Time,Value\n0,5000\n\n# x\n1,2\n", 1, 3},
      {"an invalid cell is no clip", "1,12a\n", 0, 0},
      {"dropped beyond the document is no clip", Lines(16385, [](int) { return "9000"; }), 16384, 0},
  };
  for (const auto& c : cases) {
    ImportRun run(c.text, "English", {Answer::YesToAll});
    EXPECT_EQ(run.result.clipped, c.clipped) << c.name;
    EXPECT_EQ(run.result.skippedLines, c.skipped) << c.name;
    ASSERT_EQ(run.status.texts.size(), 1u) << c.name;  // after the count line
    EXPECT_EQ(run.status.texts[0], ImportSummary(run.result, "English")) << c.name;
  }
  TextImportResult r;
  r.clipped = 3;
  r.skippedLines = 2;
  EXPECT_EQ(ImportSummary(r, "English"), "Values clipped to 0..4095: 3, lines skipped: 2");
  EXPECT_EQ(ImportSummary(r, "Japanese"), "0～4095 に制限した値: 3個、読み飛ばした行: 2行");

  ImportRun stopped("1,a\n", "English", {Answer::No});  // the window closes: no summary
  EXPECT_TRUE(stopped.status.texts.empty());
}

TEST(TextImport, InvalidCellReportsLineColumnAndAddress) {
  // One header line and 100 data lines of two columns; "12a" in column 2 of line 6.
  const std::string text = "a,b\r\n" + Lines(100, [](int m) {
    return std::to_string(m) + "," + (m == 4 ? std::string("12a") : std::to_string(1000 + m));
  });
  for (const char* language : {"Japanese", "English"}) {
    ImportRun run(text, language);
    const std::string expected = std::string(language) == "Japanese"
                                     ? " (6行2列→アドレス:104)"
                                     : " (6line2column->Address:104)";
    EXPECT_EQ(run.InvalidSuffixes(), std::vector<std::string>{expected});
    EXPECT_EQ(run.prompter.asked, std::vector<MessageId>{ERRMSG(14)});
    EXPECT_EQ(run.result.count, 200);
    EXPECT_EQ(run.result.samples[104], 0);
    EXPECT_EQ(run.result.samples[103], 1003);
    EXPECT_EQ(run.result.samples[105], 1005);
  }
}

TEST(TextImport, CellsThatAreNotNumbers) {
  const struct {
    const char* text;
    std::vector<std::string> suffixes;
    int count;
  } cases[] = {
      {"5,", {" (1line2column->Address:1)"}, 1},  // trailing comma: an empty cell
      {"1e3\n7", {" (1line1column->Address:0)"}, 2},
      {"+1\n7", {}, 1},  // "+" does not start a data line: skipped
      {"1-2\n7", {" (1line1column->Address:0)"}, 2},
      {"1.2.3", {" (1line1column->Address:0)"}, 0},
  };
  for (const auto& c : cases) {
    ImportRun run(c.text);
    EXPECT_EQ(run.InvalidSuffixes(), c.suffixes) << c.text;
    EXPECT_EQ(run.prompter.asked.size(), c.suffixes.size()) << c.text;
    EXPECT_EQ(run.result.count, c.count) << c.text;
  }
}

TEST(TextImport, AnswersToTheQuestion) {
  // Three invalid cells in the second column; they read 0 and do not extend the count.
  const std::string text = "x1\n1,a\n2,b\n3,c\n";
  {
    ImportRun run(text, "English", {Answer::Yes, Answer::Yes, Answer::Yes});
    EXPECT_EQ(run.prompter.asked.size(), 3u);
    EXPECT_EQ(run.InvalidSuffixes().size(), 3u);
    EXPECT_EQ(run.result.count, 3);
  }
  {
    ImportRun run(text, "English", {Answer::YesToAll});
    EXPECT_EQ(run.prompter.asked.size(), 1u);
    EXPECT_EQ(run.InvalidSuffixes().size(), 3u);  // still reported, just not asked
    EXPECT_EQ(run.result.count, 3);
  }
  {
    ImportRun run(text, "English", {Answer::Yes, Answer::No});
    EXPECT_EQ(run.prompter.asked.size(), 2u);
    EXPECT_EQ(run.result.count, 0);
    EXPECT_EQ(run.status.closes, 1);
    EXPECT_EQ(run.result.samples, std::vector<std::int32_t>(16384, 0));
  }
}

TEST(TextImport, ASignOrPointAloneStopsTheImportWithAnError) {
  for (const char* text : {"1\n-\n", "1\n.\n", "1,-.\n"}) {
    ImportRun run(text);
    EXPECT_EQ(run.result.count, 0) << text;
    EXPECT_NE(run.result.error, "") << text;
  }
}

TEST(TextImport, AddressesBeyondTheDocumentAreDropped) {
  ImportRun run(Lines(20000, [](int i) { return std::to_string(i % 4096); }));
  EXPECT_EQ(run.result.count, 16384);
  EXPECT_EQ(run.result.samples[16383], 16383 % 4096);
  EXPECT_TRUE(run.status.Has(IMFMSG(6)));
  EXPECT_EQ(run.Last().prefix, "16384");
  EXPECT_EQ(run.status.progressMax, 19999);
  EXPECT_EQ(run.status.lastProgress, 19999);

  // A second column of 10000 rows starts at 10000: its upper part is dropped.
  ImportRun two(Lines(10000, [](int) { return "1,2"; }));
  EXPECT_EQ(two.result.count, 16384);
  EXPECT_EQ(two.result.samples[9999], 1);
  EXPECT_EQ(two.result.samples[10000], 2);
  EXPECT_TRUE(two.status.Has(IMFMSG(6)));
}

TEST(TextImport, ExportedWaveformComesBackUnchanged) {
  std::vector<std::int32_t> codes(16384);
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = static_cast<std::int32_t>((i * 37) % 4096);
  test::TempDir dir;
  const std::string path = dir / "wave.csv";
  ASSERT_TRUE(WriteWaveCsv(codes, path).ok);
  ScriptedPrompter prompter;
  RecordingStatus status;
  const TextImportResult r = ImportWaveTextFile(path, "Japanese", prompter, status);
  EXPECT_EQ(r.count, 16384);
  EXPECT_EQ(r.samples, codes);
  EXPECT_FALSE(status.Has(ERRMSG(13)));
  EXPECT_EQ(status.clears, 1);
}

TEST(TextImport, FilesThatCannotBeRead) {
  test::TempDir dir;
  ScriptedPrompter prompter;
  RecordingStatus status;
  const TextImportResult r = ImportWaveTextFile(dir / "missing.csv", "English", prompter, status);
  EXPECT_EQ(r.count, 0);
  EXPECT_NE(r.error.find("missing.csv"), std::string::npos);
  const PreviewHead head = ReadPreviewHead(dir.path().string(), 6);
  EXPECT_EQ(head.kind, PreviewHead::Kind::Unreadable);
  EXPECT_NE(head.error.find(dir.path().string()), std::string::npos);
}

TEST(TextImport, PreviewShowsTheFirstSixLines) {
  test::TempDir dir;
  test::WriteAll(dir / "p.txt", "a\r\nb\nc\rd\r\ne\r\nf\r\ng\r\n");
  const PreviewHead head = ReadPreviewHead(dir / "p.txt", 6);
  EXPECT_EQ(head.kind, PreviewHead::Kind::Text);
  EXPECT_EQ(head.lines, (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
}

// Control codes that text files hold pass; NUL and the other binary codes in the head mark a
// file that is no text. Bytes past the head are not looked at.
TEST(TextImport, PreviewRefusesAHeadThatIsNoText) {
  test::TempDir dir;
  const std::string head(kPreviewHeadBytes - 1, '7');
  const struct {
    std::string bytes;
    PreviewHead::Kind kind;
  } cases[] = {
      {"1,\t2\f\v\r\n\x1b[0m\a\b\x1a", PreviewHead::Kind::Text},
      {"\xe6\x95\xb0\xe5\x80\xa4\r\n12\r\n", PreviewHead::Kind::Text},  // UTF-8 header
      {"", PreviewHead::Kind::Text},
      {std::string("12\r\n\0\r\n", 6), PreviewHead::Kind::NotText},
      {"1\x01\n", PreviewHead::Kind::NotText},
      {"\x7f" "ELF\x02\x01\x01", PreviewHead::Kind::NotText},
      {"1\x1f\n", PreviewHead::Kind::NotText},
      {head + "\x02", PreviewHead::Kind::NotText},
      {head + "\n\x02", PreviewHead::Kind::Text},
  };
  for (const auto& c : cases) {
    test::WriteAll(dir / "f", c.bytes);
    EXPECT_EQ(ReadPreviewHead(dir / "f", 6).kind, c.kind) << c.bytes.substr(0, 20);
  }
}

}  // namespace
}  // namespace averoz
