#include "foundation/tableunicode.h"

#include <gtest/gtest.h>

#include <bitset>
#include <ios>

#include "foundation/jeucaracteres.h"

namespace {

// A plain scan, so the membership checks do not depend on the order tested below.
bool EstSeparateur(char32_t point) {
  for (int i = 0; i < nombreSeparateursUnicode; ++i)
    if (separateursUnicode[i].debut <= point && point <= separateursUnicode[i].fin) return true;
  return false;
}

TEST(TableUnicodeTest, RangesAreSortedDisjointAndMerged) {
  const struct {
    const PlageUnicode* plages;
    int nombre;
  } tables[] = {{separateursUnicode, nombreSeparateursUnicode},
                {marquesUnicode, nombreMarquesUnicode}};
  for (const auto& t : tables) {
    ASSERT_GT(t.nombre, 0);
    EXPECT_GE(t.plages[0].debut, U'\x80');  // ASCII is handled elsewhere
    for (int i = 0; i < t.nombre; ++i) {
      EXPECT_LE(t.plages[i].debut, t.plages[i].fin) << i;
      // A gap of at least one code point, or the two ranges should have been one.
      if (i > 0) {
        EXPECT_LT(t.plages[i - 1].fin + 1, t.plages[i].debut) << i;
      }
    }
  }
}

// Of what Windows-1252 writes beyond ASCII, the typographic punctuation and
// the no-break space are in; the letters and the other symbols are not.
TEST(TableUnicodeTest, HoldsWhatWindows1252WritesAsPunctuationOrSpace) {
  const char32_t ponctuation1252[] = {
      0x00A0, 0x00A1, 0x00A7, 0x00AB, 0x00B6, 0x00B7, 0x00BB, 0x00BF, 0x201A, 0x201E,
      0x2026, 0x2020, 0x2021, 0x2030, 0x2039, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x203A};
  std::bitset<256> attendus;
  for (char32_t point : ponctuation1252) {
    attendus[static_cast<unsigned>(octet1252(point))] = true;
  }
  for (int octet = 0x80; octet < 0x100; ++octet) {
    const char32_t point = unicodeDe1252(static_cast<unsigned char>(octet));
    if (point == 0xFFFD) continue;
    EXPECT_EQ(EstSeparateur(point), attendus[octet]) << std::hex << static_cast<unsigned>(point);
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
