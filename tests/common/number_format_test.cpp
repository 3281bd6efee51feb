// The program's number patterns: placeholders, rounding, separators and right alignment.
#include "common/number_format.h"

#include <gtest/gtest.h>

namespace {
QString fmt(double v, const char* pattern) {
  return FormatNumber(v, pattern, ".");
}
}  // namespace

TEST(NumberFormat, EveryPatternOfTheProgram) {
  EXPECT_EQ(fmt(5, "###"), "5");
  EXPECT_EQ(fmt(0, "###"), "");
  EXPECT_EQ(fmt(1234, "###"), "1234");  // digits beyond the placeholders are never lost
  EXPECT_EQ(fmt(12, "### m"), "12 m");
  EXPECT_EQ(fmt(5 / 0.3048, "### ft"), "16 ft");
  EXPECT_EQ(fmt(1234.56, "#####0.0"), "1234.6");
  EXPECT_EQ(fmt(0.04, "#####0.0"), "0.0");
  EXPECT_EQ(fmt(5, "##00"), "05");
  EXPECT_EQ(fmt(250 / 0.4536, "##00"), "551");
  EXPECT_EQ(fmt(12, "###.#"), "12.");  // a trailing zero on '#' goes, the separator stays
  EXPECT_EQ(fmt(18.6 / 0.3048, "###.#"), "61.");
  EXPECT_EQ(fmt(20.4 / 0.3048, "###.#"), "66.9");
  EXPECT_EQ(fmt(0, "###.#"), ".");
  EXPECT_EQ(fmt(0.5, "##.0"), ".5");
  EXPECT_EQ(fmt(20.4, "##.0"), "20.4");
  EXPECT_EQ(fmt(28, "###.0"), "28.0");
  EXPECT_EQ(fmt(0.5, "##0.0"), "0.5");
  EXPECT_EQ(fmt(2721.6, "####"), "2722");
  EXPECT_EQ(fmt(0, "0"), "0");
  EXPECT_EQ(fmt(2.5, "0"), "3");
  EXPECT_EQ(fmt(13, "#0"), "13");
  EXPECT_EQ(fmt(0, "#0"), "0");
  EXPECT_EQ(fmt(2, "###0"), "2");
  EXPECT_EQ(fmt(0, "#"), "");
  EXPECT_EQ(fmt(7, "#"), "7");
  EXPECT_EQ(fmt(1234.565, "###0.00"), "1234.57");
  EXPECT_EQ(fmt(3, "###0.00"), "3.00");
}

TEST(NumberFormat, RoundsHalfAwayFromZeroOnTheShownDecimals) {
  // Rounding works on the figure the value stands for, not on its binary neighbour.
  EXPECT_EQ(FormatNumber(2.45, "##0.0", "."), "2.5");
  EXPECT_EQ(FormatNumber(2.45f, "##0.0", "."), "2.5");
  EXPECT_EQ(FormatNumber(0.35f, "##0.0", "."), "0.4");  // binary 0.3499999940...
  EXPECT_EQ(FormatNumber(0.15, "##0.0", "."), "0.2");   // binary 0.1499999999...
  EXPECT_EQ(FormatNumber(1.005, "0.00", "."), "1.01");
  EXPECT_EQ(FormatNumber(12.35f * 3.0f, "#####0.0", "."), "37.1");
  EXPECT_EQ(FormatNumber(99.95, "##0.0", "."), "100.0");  // the carry adds a digit
  EXPECT_EQ(FormatNumber(9.96, "#0.0", "."), "10.0");
  EXPECT_EQ(FormatNumber(0.5, "###", "."), "1");
  EXPECT_EQ(FormatNumber(0.4, "###", "."), "");
  EXPECT_EQ(FormatNumber(std::int16_t{42}, "###", "."), "42");

  EXPECT_EQ(FormatNumber(-2.45, "#####0.0", "."), "-2.5");
  EXPECT_EQ(FormatNumber(-12, "###", "."), "-12");
  EXPECT_EQ(FormatNumber(-0.04, "##0.0", "."), "0.0");  // no minus on a zero
  EXPECT_EQ(FormatNumber(-0.0, "0", "."), "0");
}

TEST(NumberFormat, SeparatorLiteralsAndRightAlignment) {
  EXPECT_EQ(FormatNumber(1234.56, "#####0.0", ","), "1234,6");
  EXPECT_EQ(FormatNumber(12.0, "###.#", ","), "12,");
  EXPECT_EQ(FormatNumber(5, "\\#0 \"pcs.\"", "."), "#5 pcs.");
  EXPECT_EQ(FormatNumber(12.34, ".00", "."), "12.34");  // integer digits without placeholders

  EXPECT_EQ(FormatRight(5, "###", 3, "."), "  5");
  EXPECT_EQ(FormatRight(0, "###", 3, "."), "   ");
  EXPECT_EQ(FormatRight(5, "### m", 5, "."), "  5 m");
  EXPECT_EQ(FormatRight(1580.5f, "#####0.0", 8, ","), "  1580,5");
  EXPECT_EQ(FormatRight(1234567.0, "#####0.0", 8, "."), "1234567.0");  // too long: whole
  EXPECT_EQ(PadLeft("abc", 2), "abc");
}
