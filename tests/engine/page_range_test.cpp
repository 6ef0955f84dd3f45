#include <gtest/gtest.h>

#include "domain/page_range.h"

TEST(PageRange, NormalizeAndCheckAgainstTenPages) {
  const struct {
    const char* typed;
    const char* normalized;
    bool passes;  // of the normalised text, with 10 pages
  } cases[] = {
      {"1,3,4,5-10", "1,3,4,5-10", true},
      {"  2-4", "2-4", true},
      {"2-4 abc", "2-4", true},
      {"0", "", true},  // nothing left: the caller refuses an empty text
      {"5-3", "5-3", false},
      {"3-12", "3-12", false},
      {"1-2-3", "1-2-3", false},
      {"1,2-3,4,5-6", "1,2-3,4,5", true},
      {"11", "11", false},
      {"7,,8", "7", true},
      {"01", "", true},
      {"\t9", "9", true},
      {"10,1-10,3", "10,1-10,3", true},
  };
  for (const auto& c : cases) {
    wxString typed = c.typed;
    const wxString normalized = NormalizePageRange(typed);
    EXPECT_EQ(normalized, c.normalized) << c.typed;
    EXPECT_EQ(CheckPageRange(normalized, 10), c.passes) << c.typed;
  }
}

TEST(PageRange, NormalizeStripsTheCallersLeadingBlanks) {
  wxString typed = "  2-4";
  NormalizePageRange(typed);
  EXPECT_EQ(typed, "2-4");
}

TEST(PageRange, CheckReadsPiecesAsTheyStand) {
  EXPECT_FALSE(CheckPageRange("1,,2", 10)) << "an empty piece fails";
  EXPECT_TRUE(CheckPageRange("1,", 10)) << "a trailing comma leaves no piece";
  EXPECT_TRUE(CheckPageRange("3,3,1", 3)) << "repeats and order are kept";
  EXPECT_FALSE(CheckPageRange("4", 3));
  EXPECT_TRUE(CheckPageRange("", 0));
}
