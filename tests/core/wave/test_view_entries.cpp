// The rescale fields and the selection fields of the waveform tool bars.
#include <gtest/gtest.h>

#include "core/wave/ViewEntries.h"
#include "core/wave/WaveDocFixtures.h"

using namespace averoz;

TEST(RescaleEntry, Ranges) {
  struct Case {
    int field;  // 0 X, 1 Y min, 2 Y max
    const char* text;
    EntryOutcome outcome;
    const char* suffix;
  };
  const Case cases[] = {
      {0, "16", EntryOutcome::Refused, " (17_16384)"},
      {0, "17", EntryOutcome::Accepted, ""},
      {0, "16384.5", EntryOutcome::Refused, " (17_16384)"},
      {0, "-100", EntryOutcome::Reset, ""},  // no sign in X
      {0, "abc", EntryOutcome::Reset, ""},
      {1, "-5000", EntryOutcome::Refused, " (-4095<=Value<4095)"},
      {1, "-4095", EntryOutcome::Accepted, ""},
      {1, "4095", EntryOutcome::Refused, " (-4095<=Value<4095)"},  // not below the maximum
      {1, "-", EntryOutcome::Reset, ""},
      {2, "0", EntryOutcome::Refused, " (0<Value<=4095)"},
      {2, "4095.5", EntryOutcome::Refused, " (0<Value<=4095)"},
      {2, "0.001", EntryOutcome::Accepted, ""},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    EntryResult r;
    switch (c.field) {
      case 0: r = EnterRescaleX(doc, c.text); break;
      case 1: r = EnterRescaleYMin(doc, c.text, "4095"); break;
      default: r = EnterRescaleYMax(doc, c.text, "0"); break;
    }
    EXPECT_EQ(r.outcome, c.outcome) << c.text;
    if (c.outcome == EntryOutcome::Refused) {
      ASSERT_TRUE(r.message) << c.text;
      EXPECT_EQ(r.message->id, ERRMSG(3));
      EXPECT_EQ(r.message->suffix, c.suffix);
    }
    if (c.outcome != EntryOutcome::Accepted) {
      EXPECT_EQ(doc.rescaleX, 16384) << c.text;
      EXPECT_EQ(doc.rescaleYMin, 0) << c.text;
      EXPECT_EQ(doc.rescaleYMax, 4095) << c.text;
    }
  }
}

TEST(RescaleEntry, XScaleChangesTheSelectionLength) {
  WaveDoc doc;
  ASSERT_EQ(EnterRescaleX(doc, "1000").outcome, EntryOutcome::Accepted);
  doc.SetSelection(0, 31);
  EXPECT_EQ(SelectionText(doc, SelField::Length), "1.953");
  ResetRescaleX(doc);
  EXPECT_EQ(SelectionText(doc, SelField::Length), "32");
}

TEST(SelectionEntry, EndsStayInTheDrawnPart) {
  struct Case {
    SelField field;
    const char* text;
    int begin, end;
  };
  // Samples 0..999 drawn, selection 100..200.
  const Case cases[] = {
      {SelField::Begin, "150", 150, 200}, {SelField::Begin, "300", 300, 300},
      {SelField::Begin, "5000", 999, 999}, {SelField::End, "5000", 100, 999},
      {SelField::End, "50", 100, 100},     {SelField::Length, "10", 100, 109},
      {SelField::Length, "0", 100, 100},   {SelField::Length, "5000", 100, 999},
      // Beyond the 32-bit range: still the longest selection, not an overflow.
      {SelField::Length, "9999999999", 100, 999}, {SelField::End, "9999999999", 100, 999},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    test::DrawTo(doc, 999);
    doc.SetSelection(100, 200);
    ASSERT_TRUE(EnterSelection(doc, c.field, c.text)) << c.text;
    EXPECT_EQ(doc.selBegin, c.begin) << c.text;
    EXPECT_EQ(doc.selEnd, c.end) << c.text;
  }
  WaveDoc empty;  // nothing drawn: still inside the document
  ASSERT_TRUE(EnterSelection(empty, SelField::End, "99999"));
  EXPECT_EQ(empty.selEnd, 16383);
  EXPECT_FALSE(EnterSelection(empty, SelField::Begin, "-1"));
}
