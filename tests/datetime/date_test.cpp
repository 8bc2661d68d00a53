// Tests of Date: validity and packed words, and the errors Date and Heure
// report.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "datetime/date.h"
#include "datetime/heure.h"
#include "foundation/meserreur.h"
#include "tests/datetime/mots.h"

namespace {

TEST(Date, Validity) {
  struct Cas {
    int jour, mois, annee;
    bool valide;
  };
  const Cas cas[] = {
      {29, 2, 2000, true},  {29, 2, 1996, true},  {29, 2, 1900, false}, {29, 2, 1999, false},
      {28, 2, 1999, true},  {31, 1, 2020, true},  {31, 4, 2020, false}, {30, 4, 2020, true},
      {31, 12, 1, true},    {1, 1, -500, true},   {0, 1, 2020, false},  {1, 0, 2020, false},
      {1, 13, 2020, false}, {-1, 5, 2020, false}, {32, 1, 2020, false}, {29, 2, 2400, true},
  };
  for (const Cas& c : cas) {
    const Date date(static_cast<int16_t>(c.jour), static_cast<int16_t>(c.mois),
                    static_cast<int16_t>(c.annee));
    EXPECT_EQ(date.estValide(), c.valide) << c.jour << "/" << c.mois << "/" << c.annee;
  }
}

TEST(Date, DecodesPackedWords) {
  struct Cas {
    uint16_t mot;
    int attendu;
    bool valide;
  };
  const Cas cas[] = {
      {0, 19800000, false},
      {motDate(1998, 7, 14), 19980714, true},
      {motDate(2107, 12, 31), 21071231, true},
      {motDate(2000, 2, 29), 20000229, true},
      {motDate(2001, 2, 29), 20010229, false},
      {motDate(2001, 13, 1), 20011301, false},
      {motDate(2001, 15, 1), 20011501, false},
      {motDate(2001, 1, 0), 20010100, false},
  };
  for (const Cas& c : cas) {
    Date date(1, 1, 1900);
    EXPECT_EQ(date.depuisMotFichier(c.mot, false), c.valide) << c.mot;
    EXPECT_EQ(enEntier(date), c.attendu);
  }
}

TEST(DateHeure, ErrorsCarryTheirModuleAndLine) {
  Date date(1, 1, 2000);
  Heure heure(0, 0, 0, 0);
  const Date fausse(30, 2, 2000);
  const Heure faux(25, 0, 0, 0);
  struct Cas {
    std::function<void()> action;
    const char* module;
    int ligne;
  };
  const Cas cas[] = {
      {[] { Date(30, 2, 2000, true); }, "date", 36},
      {[&] { Date(fausse, true); }, "date", 44},
      {[&] { date.depuisMotFichier(0, true); }, "date", 124},
      {[] { Heure(24, 0, 0, 0, true); }, "heure", 38},
      {[&] { Heure(faux, true); }, "heure", 54},
      {[&] { heure.depuisMotFichier(motHeure(1, 1, 30), true); }, "heure", 144},
  };
  for (const Cas& c : cas) {
    try {
      c.action();
      ADD_FAILURE() << "no error for " << c.module << " " << c.ligne;
    } catch (const MesErreur& e) {
      EXPECT_STREQ(e.Module(), c.module);
      EXPECT_EQ(e.Ligne(), c.ligne);
      EXPECT_STREQ(e.Message(), std::string(c.module) == "date"
                                    ? "Valeur initiale de date invalide"
                                    : "Valeur initiale d'heure invalide");
    }
  }
  // The invalid fields stay where the decoding put them.
  EXPECT_EQ(enEntier(date), 19800000);
  EXPECT_EQ(enEntier(heure), 1016000);
  // Without validation nothing is thrown.
  EXPECT_EQ(enEntier(Date(fausse, false)), 20000230);
  EXPECT_EQ(enEntier(Heure(faux, false)), 25000000);
}

}  // namespace
