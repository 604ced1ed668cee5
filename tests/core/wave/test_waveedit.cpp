// The Edit commands of a waveform document and the clipboard text they exchange with the
// desktop: format, reading of foreign text, where pasted data goes, and refusals that leave
// document and clipboard alone.
#include "core/wave/WaveEditCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/wave/ClipboardText.h"
#include "core/wave/WaveDocFixtures.h"
#include "core/wave/WaveTestClipboard.h"
#include "support/FakePrompter.h"

namespace averoz {
namespace {

using test::CodeAt;
using test::DrawTo;
using test::FakePrompter;
using test::Protect;
using test::TextClipboard;

std::vector<std::int32_t> ClipValues(const WaveClipState& clip) {
  return {clip.waveClip.begin(), clip.waveClip.begin() + clip.waveClipLen};
}

TEST(ClipboardText, WaveCodesOnePerCrLfLine) {
  EXPECT_EQ(WaveClipText(std::vector<std::int32_t>{0, 2048, 4095}), "0\r\n2048\r\n4095\r\n");
  const std::uint8_t ch1[] = {1, 0};
  const std::uint8_t ch2[] = {0, 0};
  const std::span<const std::uint8_t> rows[] = {ch1, ch2};
  EXPECT_EQ(PatternClipText(rows), "1\t0\r\n0\t0\r\n");
}

TEST(ClipboardText, ForeignTextIsReadLineByLine) {
  struct Case {
    std::string text;
    std::vector<std::int32_t> values;
  };
  const Case cases[] = {
      {"12.9\r\nabc\r\n\r\n-5\r\n5000\r\n", {12, 0, 4095}},
      {"1\n2\r3\r\n4", {1, 2, 3, 4}},              // every line end, no final one
      {"-0.9\r\n.5\r\n1e3\r\n 7\r\n-\r\n.\r\n", {0, 0}},  // exponents, blanks, signs alone
      {"", {}},
  };
  for (const Case& c : cases) {
    const ParsedWaveText parsed = ParseWaveClipText(c.text);
    EXPECT_EQ(parsed.values, c.values) << c.text;
    EXPECT_FALSE(parsed.overflow);
  }
}

TEST(ClipboardText, OnlyMoreNumbersThanTheDocumentHoldsOverflow) {
  std::string full;
  for (int i = 0; i < 16384; ++i) full += "1\r\n";
  EXPECT_FALSE(ParseWaveClipText(full + "x\r\n\r\n").overflow);
  const ParsedWaveText over = ParseWaveClipText(full + "2\r\n");
  EXPECT_TRUE(over.overflow);
  EXPECT_EQ(over.values.size(), 16384u);

  WaveClipState clip;
  TextClipboard system;
  system.text = full + "2\r\n";
  FakePrompter prompter;
  EXPECT_TRUE(FillWaveClip(clip, system, &prompter));
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{ERRMSG(35)});
  EXPECT_EQ(clip.waveClipLen, 16384);
  EXPECT_TRUE(FillWaveClip(clip, system, nullptr));  // the silent reading
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST(Copy, SelectionGoesToBothClipboards) {
  WaveDoc doc;
  DrawTo(doc, 20);
  doc.waveData[10] = 0;
  doc.waveData[11] = 2048;
  doc.waveData[12] = 4095;
  doc.SetSelection(10, 12);
  WaveClipState clip;
  TextClipboard system;
  EXPECT_EQ(EditCopy(doc, clip, system), CommandOutcome::Done);
  EXPECT_EQ(system.text, "0\r\n2048\r\n4095\r\n");
  EXPECT_EQ(ClipValues(clip), (std::vector<std::int32_t>{0, 2048, 4095}));
  EXPECT_TRUE(doc.isSaved);
}

TEST(Cut, ProtectedSampleLeavesBothClipboardsAndTheDocument) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 20, 29, 1);
  doc.SetSelection(10, 20);
  WaveClipState clip;
  clip.waveClipLen = 1;
  TextClipboard system;
  system.text = "7\r\n";
  const WaveDoc before = doc;
  FakePrompter prompter;
  EXPECT_EQ(EditCut(doc, clip, system, prompter), CommandOutcome::Refused);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{ERRMSG(2)});
  EXPECT_EQ(system.writes, 0);
  EXPECT_EQ(clip.waveClipLen, 1);
  EXPECT_EQ(doc.waveData, before.waveData);

  doc.SetSelection(30, 39);
  EXPECT_EQ(EditCut(doc, clip, system, prompter), CommandOutcome::Done);
  EXPECT_EQ(clip.waveClipLen, 10);
  EXPECT_EQ(doc.waveData[30], CodeAt(40));
  EXPECT_EQ(doc.lastDrawn(), 89);
  EXPECT_FALSE(doc.rangeSelected);
}

// Paste of 100 values 3000.. into a document drawn to 199, at each kind of target.
TEST(Paste, AppendInsertAndReplace) {
  struct Case {
    const char* name;
    bool select;
    int selBegin, selEnd, pasted;
    int lastDrawn;
    int movedFrom, movedTo;  // an old sample and where it ends up
    bool selected;
  };
  const Case cases[] = {
      {"append", false, 0, 0, 100, 299, 199, 199, false},
      {"insert at 50", true, 50, 50, 100, 299, 50, 150, true},
      {"replace 50..79 by 10", true, 50, 79, 10, 179, 80, 60, true},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    DrawTo(doc, 199);
    if (c.select) doc.SetSelection(c.selBegin, c.selEnd);
    const WaveDoc before = doc;
    WaveClipState clip;
    TextClipboard system;
    for (int k = 0; k < c.pasted; ++k) system.text += std::to_string(3000 + k) + "\r\n";
    FakePrompter prompter;
    ASSERT_EQ(EditPaste(doc, clip, system, prompter), CommandOutcome::Done) << c.name;
    const int start = c.select ? c.selBegin : 200;
    EXPECT_EQ(doc.waveData[start], 3000) << c.name;
    EXPECT_EQ(doc.waveData[start + c.pasted - 1], 3000 + c.pasted - 1) << c.name;
    EXPECT_EQ(doc.blockNo[start], kBlockFree);
    EXPECT_EQ(doc.lastDrawn(), c.lastDrawn) << c.name;
    EXPECT_EQ(doc.waveData[c.movedTo], CodeAt(c.movedFrom)) << c.name;
    EXPECT_EQ(doc.rangeSelected, c.selected) << c.name;
    if (c.selected) {
      EXPECT_EQ(doc.selBegin, start);
      EXPECT_EQ(doc.selEnd, start + c.pasted - 1);
    }
    EXPECT_FALSE(doc.isSaved);
    doc.RestoreUndo();
    EXPECT_EQ(doc.waveData, before.waveData) << c.name;
  }
}

TEST(Paste, TextWithoutNumbersPastesTheLastCopy) {
  WaveDoc doc;
  DrawTo(doc, 9);
  WaveClipState clip;
  clip.waveClip[0] = 1234;
  clip.waveClipLen = 1;
  TextClipboard system;
  system.text = "picture\r\n";
  FakePrompter prompter;
  EXPECT_EQ(EditPaste(doc, clip, system, prompter), CommandOutcome::Done);
  EXPECT_EQ(doc.waveData[10], 1234);
}

TEST(Paste, RefusalsLeaveTheDocument) {
  struct Case {
    const char* name;
    int last, selBegin, selEnd;  // selBegin < 0: no selection
    int pasted;
    MessageId message;
  };
  const Case cases[] = {
      {"no room", 16380, -1, 0, 4, ERRMSG(1)},
      {"range too short for the room", 16380, 100, 101, 6, ERRMSG(1)},
      {"point inside a block", 199, 25, 25, 1, ERRMSG(2)},
      {"range over a block", 199, 10, 20, 1, ERRMSG(2)},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    DrawTo(doc, c.last);
    Protect(doc, 20, 29, 1);
    if (c.selBegin >= 0) doc.SetSelection(c.selBegin, c.selEnd);
    const WaveDoc before = doc;
    WaveClipState clip;
    TextClipboard system;
    for (int k = 0; k < c.pasted; ++k) system.text += "5\r\n";
    FakePrompter prompter;
    EXPECT_EQ(EditPaste(doc, clip, system, prompter), CommandOutcome::Refused) << c.name;
    EXPECT_EQ(prompter.ids(), std::vector<MessageId>{c.message}) << c.name;
    EXPECT_EQ(doc.waveData, before.waveData) << c.name;
    EXPECT_FALSE(doc.undoReady) << c.name;
  }
}

TEST(Clear, AsksAndDeletesTheSelection) {
  WaveDoc doc;
  DrawTo(doc, 99);
  doc.SetSelection(0, 9);
  FakePrompter prompter;
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(EditClear(doc, prompter), CommandOutcome::Cancelled);
  EXPECT_EQ(doc.lastDrawn(), 99);
  EXPECT_EQ(EditClear(doc, prompter), CommandOutcome::Done);
  EXPECT_EQ(prompter.ids(), (std::vector<MessageId>{IMFMSG(18), IMFMSG(18)}));
  EXPECT_EQ(doc.lastDrawn(), 89);
}

TEST(ClearAll, ClearsKeepsSavedStateAndIsOneUndoStep) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 0, 9, 1);
  doc.blockCount = 1;
  doc.editMode = 2;
  doc.SetSelection(5, 6);
  const WaveDoc before = doc;
  FakePrompter prompter;
  EXPECT_EQ(EditClearAll(doc, prompter), CommandOutcome::Done);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{IMFMSG(15)});
  EXPECT_EQ(doc.lastDrawn(), -1);
  EXPECT_EQ(doc.blockNo[0], kBlockNever);
  EXPECT_EQ(doc.blockCount, 1);
  EXPECT_TRUE(doc.isSaved);
  EXPECT_EQ(doc.editMode, 0);
  EXPECT_FALSE(doc.rangeSelected);
  EXPECT_EQ(EditUndo(doc), CommandOutcome::Done);
  EXPECT_EQ(doc.waveData, before.waveData);
  EXPECT_EQ(doc.blockNo, before.blockNo);
  EXPECT_EQ(EditUndo(doc), CommandOutcome::NotRun);  // one level only

  WaveDoc empty;
  EXPECT_EQ(EditClearAll(empty, prompter), CommandOutcome::Done);
  EXPECT_TRUE(empty.undoReady);
}

TEST(SelectAll, DrawnSamplesOrNothing) {
  WaveDoc doc;
  EXPECT_EQ(EditSelectAll(doc), CommandOutcome::NotRun);
  EXPECT_FALSE(doc.rangeSelected);
  DrawTo(doc, 41);
  EditSelectAll(doc);
  EXPECT_TRUE(doc.rangeSelected);
  EXPECT_EQ(doc.selBegin, 0);
  EXPECT_EQ(doc.selEnd, 41);
}

TEST(PasteEnabling, SilentReadingOnlyWhenTheClipboardIsEmpty) {
  WaveClipState clip;
  TextClipboard system;
  EXPECT_FALSE(PasteEnabledOnActivate(clip, system));
  EXPECT_FALSE(PasteBecomesAvailable(clip, system));
  system.text = "5\r\n6\r\n";
  EXPECT_TRUE(PasteBecomesAvailable(clip, system));
  system.text = "9\r\n";
  EXPECT_FALSE(PasteBecomesAvailable(clip, system));  // already available
  EXPECT_TRUE(PasteEnabledOnActivate(clip, system));
  EXPECT_EQ(ClipValues(clip), (std::vector<std::int32_t>{5, 6}));  // not read again
}

}  // namespace
}  // namespace averoz
