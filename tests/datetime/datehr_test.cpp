// Tests of DateHeure: both packed words, checked copies, file time stamps and
// the clock.
#include <gtest/gtest.h>

#include <ctime>

#include "datetime/datehr.h"
#include "foundation/meserreur.h"
#include "tests/datetime/mots.h"

namespace {

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
