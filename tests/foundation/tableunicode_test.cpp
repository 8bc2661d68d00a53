#include "foundation/tableunicode.h"

#include <gtest/gtest.h>

#include <bitset>
#include <ios>
#include <string>

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

// What folding gives a character, as a string.
std::u32string Pli(char32_t point) {
  char32_t pli[3];
  return std::u32string(pli, static_cast<std::size_t>(plierCaractere(point, pli)));
}

// Sorted for binary search, beyond ASCII and the Hangul syllables (which
// the code folds itself), each found (no mark range hides it), and folded
// forms fold to themselves: folding twice gives the same.
TEST(TableUnicodeTest, FoldsAreSortedFoundAndStay) {
  const auto verifier = [](char32_t point, const std::u32string& pli) {
    EXPECT_TRUE(point >= 0x80 && !(point >= 0xAC00 && point <= 0xD7A3)) << std::hex << +point;
    EXPECT_EQ(Pli(point), pli);
    for (char32_t c : pli) EXPECT_EQ(Pli(c), std::u32string(1, c));
  };
  for (int i = 0; i < nombrePliesUnicode; ++i) {
    const PliUnicode& p = pliesUnicode[i];
    EXPECT_TRUE(i == 0 || pliesUnicode[i - 1].point < p.point) << i;
    verifier(p.point, std::u32string(1, p.pli));
  }
  for (int i = 0; i < nombrePliesMultiples; ++i) {
    const PliMultiple& p = pliesMultiples[i];
    EXPECT_TRUE(i == 0 || pliesMultiples[i - 1].point < p.point) << i;
    verifier(p.point, std::u32string(p.pli, p.pli[2] != 0 ? 3 : 2));
  }
  for (int i = 0; i < nombreMarquesUnicode; ++i) {
    EXPECT_EQ(Pli(marquesUnicode[i].debut), U"") << i;
    EXPECT_EQ(Pli(marquesUnicode[i].fin), U"") << i;
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
