#include "foundation/tableunicode.h"

#include <gtest/gtest.h>

#include <bitset>
#include <ios>

namespace {

// A plain scan, so the membership checks do not depend on the order tested below.
bool EstSeparateur(char32_t point) {
  for (int i = 0; i < nombreSeparateursUnicode; ++i)
    if (separateursUnicode[i].debut <= point && point <= separateursUnicode[i].fin) return true;
  return false;
}

TEST(TableUnicodeTest, RangesAreSortedDisjointAndMerged) {
  ASSERT_GT(nombreSeparateursUnicode, 0);
  EXPECT_GE(separateursUnicode[0].debut, U'\x80');  // ASCII is handled elsewhere
  for (int i = 0; i < nombreSeparateursUnicode; ++i) {
    EXPECT_LE(separateursUnicode[i].debut, separateursUnicode[i].fin) << i;
    // A gap of at least one code point, or the two ranges should have been one.
    if (i > 0) {
      EXPECT_LT(separateursUnicode[i - 1].fin + 1, separateursUnicode[i].debut) << i;
    }
  }
}

TEST(TableUnicodeTest, LeavesOutWhatWindows1252Writes) {
  const char32_t hauts1252[] = {
      0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
      0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  for (char32_t point : hauts1252) {
    EXPECT_FALSE(EstSeparateur(point)) << std::hex << static_cast<unsigned>(point);
  }
  for (char32_t point = 0xA0; point <= 0xFF; ++point) {
    EXPECT_FALSE(EstSeparateur(point)) << std::hex << static_cast<unsigned>(point);
  }
}

TEST(TableUnicodeTest, Cp850HoldsEachUpperCodeOnceSortedByPoint) {
  std::bitset<256> vus;
  for (int i = 0; i < 128; ++i) {
    if (i > 0) {
      EXPECT_LT(tableCp850[i - 1].point, tableCp850[i].point) << i;
    }
    EXPECT_GE(tableCp850[i].code, 0x80) << i;
    EXPECT_FALSE(vus[tableCp850[i].code]) << i;
    vus[tableCp850[i].code] = true;
  }
  EXPECT_EQ(vus.count(), 128u);
}

}  // namespace
