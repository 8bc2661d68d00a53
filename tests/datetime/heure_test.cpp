// Tests of Heure: validity, packed words and seconds since midnight.
#include <gtest/gtest.h>

#include "datetime/heure.h"
#include "tests/datetime/mots.h"

namespace {

TEST(Heure, ValidityAndDecoding) {
  struct Cas {
    uint16_t mot;
    int attendu;
    bool valide;
  };
  const Cas cas[] = {
      {0, 0, true},
      {motHeure(23, 59, 29), 23595800, true},
      {motHeure(12, 30, 31), 12306200, false},
      {motHeure(24, 0, 0), 24000000, false},
      {motHeure(31, 0, 0), 31000000, false},
      {motHeure(10, 60, 0), 10600000, false},
  };
  for (const Cas& c : cas) {
    Heure heure(1, 2, 3, 4);
    EXPECT_EQ(heure.depuisMotFichier(c.mot, false), c.valide) << c.mot;
    EXPECT_EQ(enEntier(heure), c.attendu);
  }
  EXPECT_FALSE(Heure(0, 0, 0, 100).estValide());
  EXPECT_FALSE(Heure(0, 0, -1, 0).estValide());
  EXPECT_TRUE(Heure(23, 59, 59, 99).estValide());
  EXPECT_DOUBLE_EQ(Heure(1, 2, 3, 45).secondesDepuisMinuit(), 3723.45);
}

}  // namespace
