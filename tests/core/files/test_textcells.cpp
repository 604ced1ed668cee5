// Lines and cells of imported text.
#include <gtest/gtest.h>

#include "core/files/TextCells.h"

namespace averoz {
namespace {

using Cells = std::vector<std::string>;

TEST(TextCells, SeparatorsQuotesAndEmptyCells) {
  const struct {
    std::string line;
    Cells cells;
  } cases[] = {
      {"1,2,3", {"1", "2", "3"}},
      {"1 2\t3", {"1", "2", "3"}},
      {"  1 ,  2  ", {"1", "2"}},
      {"1,,2", {"1", "", "2"}},
      {"5,", {"5", ""}},
      {",5", {"", "5"}},
      {"", {}},
      {" \t ", {}},
      {"1;2", {"1;2"}},
      {"\"a,b\",c", {"a,b", "c"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\" 12 \"", {"12"}},
      {"\"never closed", {"never closed"}},
      {std::string("1\0 2", 4), {"1", "2"}},
      {"\xC3\xA9,1", {"\xC3\xA9", "1"}},  // bytes above 127 are text, not blanks
  };
  Cells cells;
  for (const auto& c : cases) {
    SplitCells(c.line, cells);
    EXPECT_EQ(cells, c.cells) << '[' << c.line << ']';
  }
}

TEST(TextCells, LineEnds) {
  using Lines = std::vector<std::string_view>;
  const struct {
    const char* text;
    Lines lines;
  } cases[] = {
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n", {"a"}},
      {"", {}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},  // LF then a lone CR: two line ends
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

}  // namespace
}  // namespace averoz
