// Equation waveforms: what expressions evaluate to, how faults are reported, and the
// Equation command placing its block like every other new block.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "core/app/IniFile.h"
#include "core/wave/EquationCommand.h"
#include "core/wave/EquationHistory.h"
#include "core/wave/WaveDocFixtures.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"

namespace averoz {
namespace {

using test::DrawTo;
using test::Protect;

std::vector<std::int32_t> Codes(const std::string& text, int len) {
  EquationBlock block;
  const auto problem = block.Build(text, len);
  EXPECT_FALSE(problem) << text << ": " << (problem ? problem->message : "");
  return block.codes();
}

// Reference values computed here with the standard library, rounded and clipped by hand.
std::vector<std::int32_t> Expected(int len, const std::function<double(double x)>& f) {
  std::vector<std::int32_t> out;
  for (int x = 0; x < len; ++x) {
    const double r = std::round(f(x));
    out.push_back(static_cast<std::int32_t>(r < 0 ? 0 : r > 4095 ? 4095 : r));
  }
  return out;
}

TEST(Equation, KnownValues) {
  const double pi = std::acos(-1.0);
  struct Case {
    const char* text;
    int len;
    std::vector<std::int32_t> codes;
  };
  const Case cases[] = {
      {"mid + fs*sin(2*pi*t)", 64,
       Expected(64, [&](double x) { return 2048 + 2047 * std::sin(2 * pi * x / 64); })},
      // Three periods over 12 samples: two high, two low, and again.
      {"mid + fs*rect(3*t)", 12, {4095, 4095, 1, 1, 4095, 4095, 1, 1, 4095, 4095, 1, 1}},
      {"mid + 1000*tri(x/8)", 8, {2048, 2548, 3048, 2548, 2048, 1548, 1048, 1548}},
      {"mid + 1000*saw(x/4)", 4, {1048, 1548, 2048, 2548}},
      {"mid + 1000*sinc(x/2)", 4, {3048, 2685, 2048, 1836}},
      {"1000*gauss(x)", 3, {1000, 607, 135}},
      // Nested functions, x, n and t.
      {"mid + 1000*sin(cos(x/n*pi))*exp(-t)", 16, Expected(16, [&](double x) {
         return 2048 + 1000 * std::sin(std::cos(x / 16 * pi)) * std::exp(-x / 16);
       })},
      {"max(min(x*1000, 3000), 1500)", 5, {1500, 1500, 2000, 3000, 3000}},
      {"n + x", 3, {3, 4, 5}},
      // Precedence, unary minus, power (right to left; the minus applies after ^).
      {"1 + 2*3^2", 1, {19}},
      {"(1 + 2)*3", 1, {9}},
      {"2^3^2", 1, {512}},
      {"10 - 2^2 + -2^2", 1, {2}},
      {"100 - -x*10", 3, {100, 110, 120}},
      {"-x + 2", 4, {2, 1, 0, 0}},
      // Natural log and base 10, atan2, sign, floor/ceil, abs/sqrt, mod with negatives.
      {"1000*log(e^2) + log10(1000)", 1, {2003}},
      {"atan2(1, 1)*4000/pi", 1, {1000}},
      {"10 + sign(x - 1)", 3, {9, 10, 11}},
      {"floor(x/2)*10 + ceil(x/2)", 4, {0, 1, 11, 12}},
      {"abs(x - 2)*sqrt(16)", 5, {8, 4, 0, 4, 8}},
      {"mod(x - 2, 3)", 5, {1, 2, 0, 1, 2}},
      // Rounding half away from zero, and clipping to the code range.
      {"x + 0.5", 2, {1, 2}},
      {"10.49", 1, {10}},
      {"5000 - x*6000", 2, {4095, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(Codes(c.text, c.len), c.codes) << c.text;
}

TEST(Equation, SyntaxErrorsNameThePosition) {
  struct Case {
    const char* text;
    int position;
    const char* message;
  };
  const Case cases[] = {
      {"sin(", 5, "Unexpected end of expression"},
      {"1 +* 2", 4, "Unexpected operator \"*\" found"},
      {"3*foo(x)", 3, "Unexpected token \"foo\" found"},
      {"x y", 3, "Unexpected token \"y\" found"},
      {"2*(x + 1", 9, "Missing parenthesis"},
      {"sin(1, 2)", 9, "Too many parameters for function \"sin\""},
      {"x, 2", 2, "More than one value"},
      // The parser's own names are not ours: _pi and rint are unknown.
      {"_pi", 1, "Unexpected token \"_pi\" found"},
  };
  for (const Case& c : cases) {
    Equation eq;
    const auto problem = eq.Compile(c.text);
    ASSERT_TRUE(problem) << c.text;
    EXPECT_EQ(problem->position, c.position) << c.text;
    EXPECT_EQ(problem->message, c.message) << c.text;
  }
}

TEST(Equation, NoNumberRefusesNamingTheFirstSample) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {{"sqrt(3 - x)", "Sample x = 4 gives NaN"},
                        {"1000/(x - 5)", "Sample x = 5 gives infinity"},
                        {"log(x - 2)*0", "Sample x = 0 gives NaN"}};
  for (const Case& c : cases) {
    EquationBlock block;
    const auto problem = block.Build(c.text, 8);
    ASSERT_TRUE(problem) << c.text;
    EXPECT_EQ(*problem, (EquationProblem{0, c.message}));
    EXPECT_TRUE(block.codes().empty());
  }
}

// ---- the command ----------------------------------------------------------------------

struct Press {
  enum Button { Preview, Ok, Cancel } button;
  std::string text;
  int len = 0;
};

class FakeEquationDialog : public EquationDialog {
 public:
  std::vector<Press> presses;
  std::vector<ParamDialogSetup> setups;
  std::vector<std::optional<EquationProblem>> answers;
  std::function<void()> afterPreview;

  bool Run(const ParamDialogSetup& setup, EquationDialogHandler& handler) override {
    setups.push_back(setup);
    for (const Press& p : presses) {
      if (p.button == Press::Cancel) return false;
      const int len = p.len ? p.len : setup.shown.len;
      if (p.button == Press::Preview) {
        answers.push_back(handler.Preview(p.text, len));
        if (afterPreview) afterPreview();
        continue;
      }
      answers.push_back(handler.Accept(p.text, len));
      if (!answers.back()) return true;
    }
    return false;
  }
};

struct Fixture {
  WaveDoc doc;
  FakeEquationDialog dialog;
  test::FakePrompter prompter;
  GenerateOutcome Run() { return GenerateEquation(doc, dialog, prompter); }
};

TEST(EquationCommand, AppendsOneUnprotectedBlockAsOneUndoStep) {
  Fixture f;
  DrawTo(f.doc, 99);
  f.doc.blockCount = kMaxBlockNo;  // the palette would refuse; an unprotected block is fine
  const std::vector<std::int32_t> before = f.doc.waveData;
  f.dialog.presses = {{Press::Preview, "x"},
                      {Press::Ok, "sqrt(3 - x)", 20},  // refused: stays open
                      {Press::Ok, "mid + x", 20}};
  ASSERT_EQ(f.Run(), GenerateOutcome::Applied);
  ASSERT_EQ(f.dialog.answers.size(), 3u);
  EXPECT_TRUE(f.dialog.answers[1]);
  EXPECT_EQ(f.doc.lastDrawn(), 119);
  EXPECT_EQ(f.doc.waveData[100], 2048);
  EXPECT_EQ(f.doc.waveData[119], 2067);
  EXPECT_EQ(f.doc.blockNo[100], kBlockFree);
  EXPECT_EQ(f.doc.blockNo[119], kBlockFree);
  EXPECT_EQ(f.doc.blockCount, kMaxBlockNo);
  EXPECT_FALSE(f.doc.isSaved);
  ASSERT_TRUE(f.doc.undoReady);
  f.doc.RestoreUndo();
  EXPECT_EQ(f.doc.waveData, before);
}

TEST(EquationCommand, RoomDefaultLengthAndRefusalsAreThoseOfSetParameters) {
  struct Case {
    const char* name;
    std::function<void(WaveDoc&)> prepare;
  };
  const Case cases[] = {
      {"append", [](WaveDoc& d) { DrawTo(d, 999); }},
      {"point", [](WaveDoc& d) { DrawTo(d, 999); d.SetSelection(400, 400); }},
      {"range", [](WaveDoc& d) { DrawTo(d, 999); d.SetSelection(400, 449); }},
      {"short range", [](WaveDoc& d) { DrawTo(d, 999); d.SetSelection(400, 402); }},
      {"room 7", [](WaveDoc& d) { DrawTo(d, 16376); }},
      {"point in a block",
       [](WaveDoc& d) {
         DrawTo(d, 999);
         Protect(d, 300, 499, 1);
         d.SetSelection(400, 400);
       }},
      {"range over a block",
       [](WaveDoc& d) {
         DrawTo(d, 999);
         Protect(d, 300, 499, 1);
         d.SetSelection(450, 600);
       }},
  };
  for (const Case& c : cases) {
    Fixture eq;
    c.prepare(eq.doc);
    eq.dialog.presses = {{Press::Cancel, ""}};
    const GenerateOutcome outcome = eq.Run();

    // The palette's Set Parameters on the same document.
    WaveDoc doc;
    c.prepare(doc);
    test::FakePrompter prompter;
    std::optional<NewBlockSetup> palette = PrepareNewBlock(doc, prompter);

    EXPECT_EQ(eq.prompter.ids(), prompter.ids()) << c.name;
    EXPECT_EQ(outcome == GenerateOutcome::Refused, !palette) << c.name;
    if (!palette) continue;
    const ParamDialogSetup& s = eq.dialog.setups.at(0);
    EXPECT_EQ(s.room, palette->setup.room) << c.name;
    EXPECT_EQ(s.suffix, palette->setup.suffix) << c.name;
    EXPECT_EQ(s.shown.len, palette->setup.shown.len) << c.name;
  }
}

TEST(EquationCommand, ReplacesTheSelectedRangeAndSelectsTheNewBlock) {
  Fixture f;
  DrawTo(f.doc, 999);
  f.doc.SetSelection(400, 449);
  f.dialog.presses = {{Press::Ok, "7", 10}};
  ASSERT_EQ(f.Run(), GenerateOutcome::Applied);
  EXPECT_EQ(f.doc.lastDrawn(), 959);
  EXPECT_EQ(f.doc.waveData[409], 7);
  EXPECT_EQ(f.doc.waveData[410], test::CodeAt(450));
  EXPECT_EQ(f.doc.selBegin, 400);
  EXPECT_EQ(f.doc.selEnd, 409);
}

TEST(EquationCommand, CancelAfterPreviewsRestoresExactly) {
  Fixture f;
  DrawTo(f.doc, 999);
  Protect(f.doc, 200, 299, 1);
  f.doc.blockCount = 1;
  f.doc.SetSelection(500, 599);
  f.doc.SaveUndo();
  const std::vector<std::int32_t> wave = f.doc.waveData;
  const std::vector<std::int16_t> blocks = f.doc.blockNo;

  std::vector<std::int32_t> seen;
  f.dialog.afterPreview = [&] { seen.push_back(f.doc.waveData[500]); };
  f.dialog.presses = {{Press::Preview, "4000", 300},
                      {Press::Preview, "sin(", 300},  // a syntax error shows no preview
                      {Press::Preview, "3000", 8},
                      {Press::Cancel, ""}};
  EXPECT_EQ(f.Run(), GenerateOutcome::Cancelled);
  EXPECT_EQ(seen, (std::vector<std::int32_t>{4000, test::CodeAt(500), 3000}));
  EXPECT_EQ(f.dialog.answers.at(1)->position, 5);
  EXPECT_EQ(f.doc.waveData, wave);
  EXPECT_EQ(f.doc.blockNo, blocks);
  EXPECT_EQ(f.doc.selBegin, 500);
  EXPECT_EQ(f.doc.selEnd, 599);
  EXPECT_TRUE(f.doc.isSaved);
  EXPECT_FALSE(f.doc.undoReady);
}

TEST(EquationHistory, KeepsTheLastTenNewestFirstAcrossARestart) {
  test::TempDir dir;
  IniFile ini(dir / "averoz.INI");
  EquationHistory h;
  for (int i = 0; i < 12; ++i) h.Add("x + " + std::to_string(i));
  h.Add("x + 5");  // listed already: moves to the front
  h.Add("  ");
  ASSERT_EQ(h.items().size(), 10u);
  EXPECT_EQ(h.items().front(), "x + 5");
  EXPECT_EQ(h.items().back(), "x + 2");
  h.Save(ini);

  EquationHistory loaded;
  loaded.Load(ini);
  EXPECT_EQ(loaded.items(), h.items());

  // A shorter list leaves no older entry behind.
  EquationHistory one;
  one.Add("t");
  one.Save(ini);
  loaded.Load(ini);
  EXPECT_EQ(loaded.items(), std::vector<std::string>{"t"});
}

}  // namespace
}  // namespace averoz
