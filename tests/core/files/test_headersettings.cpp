// The Load/FileVersion texts: digits demand a version, anything else accepts every file.
#include <gtest/gtest.h>

#include "core/files/FileHeaderSettings.h"

namespace averoz {
namespace {

TEST(HeaderSettings, LoadVersionTexts) {
  constexpr std::uint8_t any = LoadHeaderSettings::kAnyVersion;
  const struct {
    const char* text;
    std::uint8_t value;
  } cases[] = {
      {"", any},    {"   ", any}, {"x", any},    {"-1", any},     {"1.0", any}, {"+2", any},
      {"2", 2},     {" 2 ", 2},   {"\t7", 7},    {"007", 7},      {"256", 0},   {"300", 44},
      {"255", any}, {"123456789012345678901234", 242},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseLoadVersion(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace averoz
