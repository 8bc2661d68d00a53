// Tests of Date, Heure and DateHeure: validity, packed words and errors.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <string>

#include "datetime/date.h"
#include "datetime/datehr.h"
#include "datetime/heure.h"
#include "foundation/meserreur.h"

namespace {

int enEntier(const Date& d) { return d.annee() * 10000 + d.mois() * 100 + d.jour(); }
int enEntier(const Heure& h) {
  return ((h.heure() * 100 + h.minute()) * 100 + h.seconde()) * 100 + h.centiemes();
}

uint16_t motDate(int annee, int mois, int jour) {
  return static_cast<uint16_t>(((annee - 1980) << 9) | (mois << 5) | jour);
}
uint16_t motHeure(int heure, int minute, int demiSecondes) {
  return static_cast<uint16_t>((heure << 11) | (minute << 5) | demiSecondes);
}

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

TEST(DateHeure, DecodesBothWordsAndStopsAtABadDate) {
  DateHeure valeur;
  EXPECT_EQ(enEntier(valeur.date()), 19000101);
  EXPECT_EQ(enEntier(valeur.heure()), 0);
  EXPECT_TRUE(valeur.depuisMotsFichier(motDate(2010, 6, 15), motHeure(8, 9, 10), true));
  EXPECT_EQ(enEntier(valeur.date()), 20100615);
  EXPECT_EQ(enEntier(valeur.heure()), 8092000);
  // An invalid date leaves the time alone.
  EXPECT_FALSE(valeur.depuisMotsFichier(motDate(2010, 13, 1), motHeure(1, 1, 1), false));
  EXPECT_EQ(enEntier(valeur.heure()), 8092000);
  EXPECT_FALSE(valeur.depuisMotsFichier(motDate(2010, 1, 1), motHeure(1, 1, 31), false));
  EXPECT_EQ(enEntier(valeur.heure()), 1016200);
  try {
    valeur.depuisMotsFichier(0, 0, true);
    ADD_FAILURE();
  } catch (const MesErreur& e) {
    EXPECT_EQ(e.Ligne(), 124);
  }

  const DateHeure copie(valeur, false);
  EXPECT_EQ(enEntier(copie.date()), 19800000);
  try {
    DateHeure(valeur, true);
    ADD_FAILURE();
  } catch (const MesErreur& e) {
    EXPECT_STREQ(e.Module(), "date");
    EXPECT_EQ(e.Ligne(), 44);
  }

  plateforme::HorodatageFichier brut;
  brut.heure = motHeure(31, 63, 31);
  brut.date = 0xFFFF;
  const DateHeure sansControle(brut);
  EXPECT_EQ(enEntier(sansControle.date()), 21071531);
  EXPECT_EQ(enEntier(sansControle.heure()), 31636200);
}

TEST(DateHeure, ReadsTheClock) {
  const time_t avant = time(nullptr);
  const DateHeure maintenant(true, true);
  struct tm local {};
  localtime_r(&avant, &local);
  EXPECT_EQ(maintenant.date().annee(), local.tm_year + 1900);
  EXPECT_TRUE(maintenant.date().estValide());
  EXPECT_TRUE(maintenant.heure().estValide());
  EXPECT_TRUE(DateHeure(maintenant, true).date().estValide());

  const DateHeure dateSeule(false, true);
  EXPECT_EQ(enEntier(dateSeule.heure()), 0);
  EXPECT_EQ(dateSeule.date().annee(), local.tm_year + 1900);
  const DateHeure heureSeule(true, false);
  EXPECT_EQ(enEntier(heureSeule.date()), 19000101);
}

}  // namespace
