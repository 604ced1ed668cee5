// The generator and logic engines on bit strings, and the document's primitives.
#include <gtest/gtest.h>

#include "core/ppg/PpgGenerator.h"
#include "core/ppg/PpgLogic.h"
#include "PpgFixtures.h"

namespace averoz {
namespace {

using test::Bits;
using test::SetBits;

TEST(PpgDoc, NewDocumentIsAllZeroWithoutUndo) {
  PpgDoc doc;
  for (int a = 0; a < doc.dataLen; a += 997) EXPECT_EQ(doc.Word(a), 0);
  EXPECT_FALSE(doc.undoReady);
  EXPECT_FALSE(doc.RestoreUndo());
  EXPECT_TRUE(doc.isSaved);
  EXPECT_EQ(doc.rescaleX, 16384);
}

TEST(PpgDoc, WordHasCh1AsLowestBitAndRowStringsFollowTheOrder) {
  PpgDoc doc;
  doc.bit(0, 5) = 1;
  doc.bit(2, 5) = 1;
  EXPECT_EQ(doc.Word(5), 5);
  ASSERT_TRUE(doc.SetOrder(kPairOrder));  // rows CH1 CH4 CH2 CH5 CH3 CH6
  EXPECT_EQ(doc.DisplayRowBits(5, 0, 5), "010001");  // first row (CH1) rightmost
  EXPECT_EQ(doc.DisplayPos(3), 1);
  EXPECT_FALSE(doc.SetOrder({0, 0, 1, 2, 3, 4}));
}

TEST(PpgDoc, PairTestsFollowTheDisplayOrder) {
  PpgDoc doc;
  test::Select(doc, 0, 9, 0, 1);
  EXPECT_FALSE(doc.PairInSelection());  // CH1, CH2
  doc.SetOrder(kPairOrder);
  test::Select(doc, 0, 9, 0, 1);
  EXPECT_TRUE(doc.PairInSelection());  // CH1, CH4
  EXPECT_TRUE(MaskHoldsPair(0b100100));
  EXPECT_FALSE(MaskHoldsPair(0b000111));
}

TEST(PpgDoc, ShiftRowsMovesTheTailAndLosesWhatPassesTheEnd) {
  PpgDoc doc;
  SetBits(doc, 0, 100, "1011");
  SetBits(doc, 0, 16380, "1101");
  doc.ShiftRows(0, 0, 10, 100);
  EXPECT_EQ(Bits(doc, 0, 110, 4), "1011");
  EXPECT_EQ(Bits(doc, 0, 100, 4), "1011");  // the opened addresses keep their bits
  EXPECT_EQ(Bits(doc, 1, 110, 4), "0000");  // other rows stay
  PpgDoc end;
  SetBits(end, 0, 16380, "1101");
  end.ShiftRows(0, 0, 10, 16380);  // every target beyond 16383: nothing moves
  EXPECT_EQ(Bits(end, 0, 16380, 4), "1101");
}

TEST(PpgDoc, UndoRestoresTheStateBeforeTheLastEditOnly) {
  PpgDoc doc;
  doc.SaveUndo();
  doc.bit(0, 0) = 1;
  doc.SaveUndo();
  doc.bit(1, 0) = 1;
  EXPECT_TRUE(doc.RestoreUndo());
  EXPECT_EQ(doc.Word(0), 1);
  EXPECT_FALSE(doc.undoReady);
}

struct GenCase {
  const char* name;
  TPpgParam p;
  int rows;  // rows 0..rows-1 are checked
  std::vector<std::string> expected;  // per row, from startAddr
};

class Generators : public testing::TestWithParam<GenCase> {};

TEST_P(Generators, WriteTheBlock) {
  const GenCase& c = GetParam();
  PpgDoc doc;
  PatternClip clip;
  clip.patClipLen = 3;
  clip.patClipRows = 1;
  clip.at(0, 0) = 1;  // "100"
  ApplyPpgGenerator(doc, c.p, clip);
  for (int r = 0; r < c.rows; ++r)
    EXPECT_EQ(Bits(doc, r, c.p.startAddr, int(c.expected[r].size())), c.expected[r]) << "row " << r;
}

TPpgParam Gen(PpgKind kind, int count, int rows, double period = 2, double duty = 50,
              std::string bits = "", double repeat = 0) {
  TPpgParam p;
  p.kind = kind;
  p.count = count;
  p.firstRow = 0;
  p.lastRow = rows - 1;
  p.startAddr = 10;
  p.period = period;
  p.duty = duty;
  p.valueBits = std::move(bits);
  p.repeatCount = repeat;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Generators,
    testing::Values(
        GenCase{"High", Gen(PpgKind::High, 3, 1), 1, {"1110"}},
        GenCase{"Clock4Duty50", Gen(PpgKind::Clock, 10, 1, 4, 50), 1, {"110011001100"}},
        GenCase{"Clock3Duty50RoundsHighUp", Gen(PpgKind::Clock, 9, 1, 3, 50), 1, {"110110110"}},
        GenCase{"Clock3Duty0", Gen(PpgKind::Clock, 6, 1, 3, 0), 1, {"000000"}},
        GenCase{"ClockDuty100", Gen(PpgKind::Clock, 6, 1, 3, 100), 1, {"111111"}},
        GenCase{"Counter4ThreeRows", Gen(PpgKind::Counter, 16, 3, 4), 3,
                {"0011001100110011", "0000111100001111", "0000000011111111"}},
        GenCase{"Counter3HalfPeriods", Gen(PpgKind::Counter, 6, 1, 3), 1, {"001001"}},
        GenCase{"ValueRightmostDigitToTopRow", Gen(PpgKind::Value, 2, 3, 2, 50, "000101"), 3,
                {"11", "00", "11"}},
        GenCase{"ClipboardRepeat2p5Of3", Gen(PpgKind::Clipboard, 20, 1, 2, 50, "", 2.5), 1,
                {"10010010000"}},
        GenCase{"ClipboardRepeat0WritesNothing", Gen(PpgKind::Clipboard, 5, 1, 2, 50, "", 0), 1,
                {"00000"}},
        GenCase{"PeriodBelowTwoWritesNothing", Gen(PpgKind::Clock, 4, 1, 1, 50), 1, {"0000"}}),
    [](const auto& info) { return std::string(info.param.name).substr(0, 40); });

TEST(Generators, ClipboardWritesCeilOfRepeatTimesLength) {
  PpgDoc doc;
  PatternClip clip;
  clip.patClipLen = 10;
  clip.patClipRows = 1;
  for (int i = 0; i < 10; ++i) clip.at(0, i) = 1;
  TPpgParam p = Gen(PpgKind::Clipboard, 100, 1, 2, 50, "", 2.5);
  ApplyPpgGenerator(doc, p, clip);
  int ones = 0;
  for (int a = 0; a < doc.dataLen; ++a) ones += doc.bit(0, a);
  EXPECT_EQ(ones, 25);
}

TEST(Generators, BlockOutsideTheDocumentIsClipped) {
  PpgDoc doc;
  TPpgParam p = Gen(PpgKind::High, 100, 1);
  p.startAddr = 16380;
  ApplyPpgGenerator(doc, p, PatternClip{});
  EXPECT_EQ(Bits(doc, 0, 16380, 4), "1111");
}

struct LogicCase {
  const char* name;
  LogicOp op;
  std::uint32_t mask;
  int dest;
  bool toRight;
  int amount;
  std::string expected;  // of dest (EQU..XOR) or of CH1 (moves), addresses 0..
};

class Logic : public testing::TestWithParam<LogicCase> {};

TEST_P(Logic, Computes) {
  const LogicCase& c = GetParam();
  PpgDoc doc;
  SetBits(doc, 0, 0, "1100");
  SetBits(doc, 1, 0, "1010");
  SetBits(doc, 4, 0, "10110");
  const bool move = c.op == LogicOp::Rotate || c.op == LogicOp::Shift;
  const int n = move ? 5 : 4;
  ASSERT_TRUE(ApplyLogic(doc, {c.op, 0, n, c.mask, c.dest, c.toRight, c.amount}));
  EXPECT_EQ(Bits(doc, move ? 4 : c.dest, 0, n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Logic,
    testing::Values(LogicCase{"And", LogicOp::And, 0b11, 2, false, 1, "1000"},
                    LogicCase{"Or", LogicOp::Or, 0b11, 2, false, 1, "1110"},
                    LogicCase{"Xor", LogicOp::Xor, 0b11, 2, false, 1, "0110"},
                    LogicCase{"Not", LogicOp::Not, 0b1, 2, false, 1, "0011"},
                    LogicCase{"Equ", LogicOp::Equ, 0b10, 2, false, 1, "1010"},
                    LogicCase{"NotOntoItself", LogicOp::Not, 0b1, 0, false, 1, "0011"},
                    LogicCase{"AndOntoASource", LogicOp::And, 0b11, 1, false, 1, "1000"},
                    LogicCase{"RotateLeft1", LogicOp::Rotate, 1u << 4, 0, false, 1, "01101"},
                    LogicCase{"RotateRight1", LogicOp::Rotate, 1u << 4, 0, true, 1, "01011"},
                    LogicCase{"ShiftLeft2", LogicOp::Shift, 1u << 4, 0, false, 2, "11000"},
                    LogicCase{"ShiftRight2", LogicOp::Shift, 1u << 4, 0, true, 2, "00101"},
                    LogicCase{"RotateByN", LogicOp::Rotate, 1u << 4, 0, true, 5, "10110"},
                    LogicCase{"ShiftByN", LogicOp::Shift, 1u << 4, 0, false, 5, "00000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Logic, XorOfThreeOnesIsOneAndMovesStayInTheirRange) {
  PpgDoc doc;
  for (int ch = 0; ch < 3; ++ch) doc.bit(ch, 7) = 1;
  ASSERT_TRUE(ApplyLogic(doc, {LogicOp::Xor, 7, 1, 0b111, 5, false, 1}));
  EXPECT_EQ(doc.bit(5, 7), 1);
  SetBits(doc, 0, 0, "1111");
  ASSERT_TRUE(ApplyLogic(doc, {LogicOp::Shift, 1, 2, 0b1, 0, true, 1}));
  EXPECT_EQ(Bits(doc, 0, 0, 4), "1011");  // bits 0 and 3 untouched
}

TEST(Logic, RefusesWhatWouldLeaveTheDocument) {
  PpgDoc doc;
  EXPECT_FALSE(ApplyLogic(doc, {LogicOp::Rotate, 16380, 10, 1, 0, false, 1}));
  EXPECT_FALSE(ApplyLogic(doc, {LogicOp::Rotate, 0, 10, 1, 0, false, 11}));
  EXPECT_FALSE(ApplyLogic(doc, {LogicOp::And, 0, 10, 0, 0, false, 1}));
  EXPECT_FALSE(ApplyLogic(doc, {LogicOp::And, 0, 10, 3, 6, false, 1}));
}

TEST(Logic, MirrorReversesAndKeepsTheMiddle) {
  PpgDoc doc;
  SetBits(doc, 0, 0, "1100");
  SetBits(doc, 1, 0, "11000");
  MirrorBits(doc, 0b1, 0, 3);
  MirrorBits(doc, 0b10, 0, 4);
  EXPECT_EQ(Bits(doc, 0, 0, 4), "0011");
  EXPECT_EQ(Bits(doc, 1, 0, 5), "00011");
}

}  // namespace
}  // namespace averoz
