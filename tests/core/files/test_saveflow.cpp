// Save and Save As: fixed extensions, the overwrite question, the CSV branch, made-up names,
// and what a cancelled or failed save leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/IniFile.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/SaveFakes.h"
#include "core/files/SaveFlow.h"
#include "core/files/WaveFile.h"

namespace averoz {
namespace {

using test::FakeDocument;
using test::ScriptedDialog;

class SaveFlowTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::ScriptedPrompter prompter;
  ScriptedDialog dialog;
  IniFile settings{dir / "none.INI"};
  std::vector<std::string> recent;
  SaveContext ctx{prompter, dialog, settings, "Japanese",
                  [this](const std::string& p) { recent.push_back(p); }, {}};

  void Choose(const std::string& name, int filterIndex = 1) {
    dialog.choices.push_back({dir / name, filterIndex});
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }
};

TEST_F(SaveFlowTest, OtherExtensionIsReplacedByTheKindsOwn) {
  FakeDocument doc(0, "pcwav001");
  Choose("x.txt");
  SaveAs(doc, "", ctx);

  ASSERT_EQ(dialog.requests.size(), 1u);
  EXPECT_EQ(dialog.requests[0].filter,
            "Binary Files(*.awf)|*.awf|CSV Files(*.csv)|*.csv|WAV Files(*.wav)|*.wav");
  EXPECT_EQ(dialog.requests[0].filterIndex, 1);
  EXPECT_EQ(dialog.requests[0].fileName, "pcwav001");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].id, ERRMSG(30));
  EXPECT_EQ(prompter.messages[0].suffix, "( .awf )");

  EXPECT_EQ(test::ReadAll(dir / "x.awf").size(), kWaveFileSize);
  EXPECT_FALSE(Exists("x.txt"));
  EXPECT_EQ(doc.fileName(), dir / "x.awf");
  EXPECT_EQ(doc.caption(), "x");
  EXPECT_TRUE(doc.isSaved());
  EXPECT_EQ(recent, std::vector<std::string>{dir / "x.awf"});
  EXPECT_EQ(prompter.statuses, std::vector<std::string>{"保存しました。"});
}

TEST_F(SaveFlowTest, CancelAtTheExtensionWarningOrNoToOverwriteOpensTheDialogAgain) {
  test::WriteAll(dir / "a.awf", "old");
  FakeDocument doc(0, "pcwav001");
  Choose("x.txt");  // Cancel at ERRMSG 30
  Choose("a.awf");  // No to overwriting
  prompter.answers = {Answer::Cancel, Answer::No};
  SaveAs(doc, "", ctx);  // the third dialog is cancelled

  EXPECT_EQ(dialog.requests.size(), 3u);
  EXPECT_EQ(dialog.requests[2].fileName, "pcwav001");  // the made-up name again
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].id, ERRMSG(23));
  EXPECT_EQ(prompter.messages[1].prefix, dir / "a.awf");
  EXPECT_EQ(prompter.messages[1].suffix, "\r\n上書きしますか？");
  EXPECT_EQ(test::ReadAll(dir / "a.awf"), "old");
  EXPECT_FALSE(Exists("x.awf"));
  EXPECT_FALSE(doc.isSaved());
  EXPECT_EQ(doc.fileName(), "");
  EXPECT_EQ(doc.caption(), "pcwav001");
}

TEST_F(SaveFlowTest, YesToOverwriteReplacesTheFile) {
  test::WriteAll(dir / "a.awf", "old");
  FakeDocument doc(1, "pcope001");
  Choose("a.awf");
  prompter.answers = {Answer::Ok};
  SaveAs(doc, "", ctx);
  // An Operation document uses ".ope": a.awf is the wrong extension and a.ope is new.
  EXPECT_EQ(prompter.asked, std::vector<MessageId>{ERRMSG(30)});
  EXPECT_EQ(test::ReadAll(dir / "a.awf"), "old");
  EXPECT_EQ(test::ReadAll(dir / "a.ope").size(), kWaveFileSize);

  FakeDocument mod(0, "pcwav002");
  Choose("a.awf");
  prompter.answers = {Answer::Yes};
  SaveAs(mod, "", ctx);
  EXPECT_EQ(prompter.asked.back(), ERRMSG(23));
  EXPECT_EQ(test::ReadAll(dir / "a.awf").size(), kWaveFileSize);
  EXPECT_TRUE(mod.isSaved());
}

TEST_F(SaveFlowTest, CsvExportDropsTheLinkToTheBinaryFile) {
  FakeDocument doc(0, "w");
  doc.setFileName(dir / "w.awf");
  Choose("wave.txt", 2);
  SaveAs(doc, "", ctx);
  EXPECT_EQ(dialog.requests[0].fileName, dir / "w");
  EXPECT_EQ(prompter.messages.at(0).suffix, "( .csv )");
  const std::string text = test::ReadAll(dir / "wave.csv");
  EXPECT_EQ(text.substr(0, 6), "2048\r\n");
  EXPECT_EQ(text.size(), 16384u * 6u);
  EXPECT_EQ(doc.fileName(), "");
  EXPECT_FALSE(doc.isSaved());
  EXPECT_EQ(doc.caption(), "w");
  EXPECT_EQ(prompter.statuses, std::vector<std::string>{"保存しました。"});
  EXPECT_TRUE(recent.empty());

  // The next Save asks for a name.
  EXPECT_FALSE(Save(doc, ctx));
  EXPECT_EQ(dialog.requests.size(), 2u);
}

TEST_F(SaveFlowTest, CsvOverwriteNoReopensAndPatternExportShowsNoStatus) {
  test::WriteAll(dir / "p.csv", "old");
  FakeDocument doc(2, "p");
  doc.setFileName(dir / "p.ppg");
  Choose("p.csv", 2);
  Choose("p.csv", 2);
  prompter.answers = {Answer::No, Answer::Yes};
  SaveAs(doc, "", ctx);
  EXPECT_EQ(dialog.requests.size(), 2u);
  EXPECT_EQ(dialog.requests[1].fileName, "p");  // No emptied the file name: made up again
  EXPECT_EQ(test::ReadAll(dir / "p.csv").substr(0, 13), "0,0,0,0,0,0\r\n");
  EXPECT_TRUE(prompter.statuses.empty());
}

// The third filter exports a waveform as WAV and a pattern as VCD. An export leaves the
// document as it was: its file, caption and modified mark; the next Save needs no dialog.
TEST_F(SaveFlowTest, WavAndVcdExportsLeaveTheDocumentAlone) {
  test::WriteAll(dir / "none.INI", "[Export]\nWavSampleRate=22050\nVcdTimeStep=10ns\n");
  struct Case {
    int kind;
    const char *binary, *ext, *filter;
  };
  const Case cases[] = {
      {0, "w.awf", ".wav", "Binary Files(*.awf)|*.awf|CSV Files(*.csv)|*.csv|WAV Files(*.wav)|*.wav"},
      {2, "p.ppg", ".vcd", "Binary Files(*.ppg)|*.ppg|CSV Files(*.csv)|*.csv|VCD Files(*.vcd)|*.vcd"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ext);
    prompter = test::ScriptedPrompter();
    dialog = ScriptedDialog();
    recent.clear();
    FakeDocument doc(c.kind, "doc");
    doc.setFileName(dir / c.binary);
    Choose("out.txt", 3);
    SaveAs(doc, "", ctx);
    EXPECT_EQ(dialog.requests.at(0).filter, c.filter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].suffix, std::string("( ") + c.ext + " )");
    EXPECT_FALSE(Exists("out.txt"));
    const std::string written = test::ReadAll(dir / (std::string("out") + c.ext));
    if (c.kind == 0) {
      ASSERT_EQ(written.size(), 44u + 2u * 16384u);
      EXPECT_EQ(written.substr(24, 4), std::string("\x22\x56\x00\x00", 4));  // 22050 Hz
    } else {
      EXPECT_NE(written.find("$timescale 10 ns $end"), std::string::npos);
    }
    EXPECT_EQ(doc.fileName(), dir / c.binary);
    EXPECT_EQ(doc.caption(), "doc");
    EXPECT_FALSE(doc.isSaved());
    EXPECT_EQ(prompter.statuses, std::vector<std::string>{"保存しました。"});
    EXPECT_TRUE(recent.empty());

    EXPECT_TRUE(Save(doc, ctx));
    EXPECT_EQ(dialog.requests.size(), 1u);
    EXPECT_TRUE(Exists(c.binary));
  }
}

TEST_F(SaveFlowTest, ExportOverwriteNoReopensWithTheDocumentsOwnName) {
  test::WriteAll(dir / "p.vcd", "old");
  FakeDocument doc(2, "p");
  Choose("p.vcd", 3);
  prompter.answers = {Answer::No};
  SaveAs(doc, "", ctx);
  EXPECT_EQ(dialog.requests.size(), 2u);
  EXPECT_EQ(dialog.requests[1].fileName, "p");  // the made-up name again
  EXPECT_EQ(test::ReadAll(dir / "p.vcd"), "old");
  EXPECT_EQ(doc.fileName(), "");
}

TEST_F(SaveFlowTest, MadeUpNameInAGivenFolder) {
  const std::string folder = dir / "XJ/MOD_WAV";
  std::filesystem::create_directories(folder);
  FakeDocument doc(0, "pcwav002*");
  dialog.choices.push_back({folder + "/pcwav002", 1});
  SaveAs(doc, folder, ctx);
  EXPECT_EQ(dialog.requests.at(0).fileName, folder + "/pcwav002");
  EXPECT_EQ(doc.fileName(), folder + "/pcwav002.awf");
  EXPECT_TRUE(std::filesystem::exists(folder + "/pcwav002.awf"));
}

TEST_F(SaveFlowTest, PatternCaptionChangesBeforeTheOverwriteQuestion) {
  test::WriteAll(dir / "p.ppg", "old");
  FakeDocument doc(2, "pcppg001");
  Choose("p.ppg");
  Choose("q.txt");
  prompter.answers = {Answer::No, Answer::Cancel};  // Cancel at an OK-only box changes nothing
  SaveAs(doc, "", ctx);
  EXPECT_EQ(test::ReadAll(dir / "p.ppg"), "old");
  EXPECT_EQ(prompter.asked, (std::vector<MessageId>{ERRMSG(23), ERRMSG(30)}));
  EXPECT_EQ(test::ReadAll(dir / "q.ppg").size(), 70u + 32768u);
  EXPECT_EQ(doc.caption(), "q");
  EXPECT_TRUE(doc.isSaved());
}

TEST_F(SaveFlowTest, AnUnfilledTailWritesNothing) {
  FakeDocument doc(0, "pcwav001");
  doc.tailComplete = false;
  Choose("x.awf");
  SaveAs(doc, "", ctx);
  EXPECT_TRUE(dialog.requests.empty());
  doc.setFileName(dir / "x.awf");
  EXPECT_FALSE(Save(doc, ctx));
  EXPECT_FALSE(Exists("x.awf"));
}

TEST_F(SaveFlowTest, SaveWritesIntoTheDocumentsFileWithoutTheDialog) {
  FakeDocument wave(0, "w"), pattern(2, "p");
  wave.setFileName(dir / "w.awf");
  pattern.setFileName(dir / "p.ppg");
  EXPECT_TRUE(Save(wave, ctx));
  EXPECT_TRUE(Save(pattern, ctx));
  EXPECT_TRUE(dialog.requests.empty());
  EXPECT_EQ(test::ReadAll(dir / "w.awf").size(), kWaveFileSize);
  EXPECT_EQ(test::ReadAll(dir / "p.ppg").size(), 70u + 32768u);
  EXPECT_EQ(recent, (std::vector<std::string>{dir / "w.awf", dir / "p.ppg"}));
}

TEST_F(SaveFlowTest, AFailedWriteShowsTheErrorAndLeavesTheDocumentUnsaved) {
  FakeDocument doc(0, "w");
  doc.setFileName(dir / "gone/w.awf");
  EXPECT_FALSE(Save(doc, ctx));
  ASSERT_EQ(prompter.texts.size(), 1u);
  EXPECT_NE(prompter.texts[0].find(dir / "gone/w.awf"), std::string::npos);
  EXPECT_TRUE(recent.empty());
  EXPECT_TRUE(prompter.statuses.empty());

  // Through Save As: the caption follows the chosen name, the file name does not.
  FakeDocument fresh(0, "pcwav003");
  Choose("gone/v.awf");
  SaveAs(fresh, "", ctx);
  EXPECT_EQ(prompter.texts.size(), 2u);
  EXPECT_EQ(fresh.caption(), "v");
  EXPECT_EQ(fresh.fileName(), "");
  EXPECT_FALSE(fresh.isSaved());
}

}  // namespace
}  // namespace averoz
