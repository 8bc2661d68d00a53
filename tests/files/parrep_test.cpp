// Tests of the directory walk on real trees.
#include "files/parrep.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <ctime>
#include <string>
#include <vector>

#include "foundation/meserreur.h"
#include "tests/files/arbre.h"

namespace {

namespace fs = std::filesystem;

// The tree that most cases walk: hidden, read-only, linked and special
// entries beside plain files at several depths.
void construireArbre() {
  creerFichier("a.htm");
  creerFichier("B.HTM");
  creerFichier("c.html");
  creerFichier(".hid.htm");
  creerFichier("ro.htm");
  chmod("ro.htm", 0444);
  ASSERT_EQ(mkfifo("fifo.htm", 0644), 0);
  creerFichier("dir.htm/x.htm");
  creerFichier("sub/b.htm");
  creerFichier("sub/deeper/c.htm");
  creerFichier("sub/docs/d.htm");
  fs::create_directory_symlink("..", "sub/up");
  creerFichier(".hidden/h.htm");
  creerFichier("rodir/r.htm");
  chmod("rodir", 0555);
  creerFichier("docs/e.htm");
  creerFichier("Mixed/Index.HTM");
}

std::vector<std::string> chercher(const char* base, const std::vector<const char*>& m,
                                  bool avecBase, bool avecSousReps) {
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  Vecteur<String> resultat;
  const int nombre = parcours.rechercher(base, masques(m), resultat, avecBase, avecSousReps);
  EXPECT_EQ(nombre, resultat.Nombre());
  return enListe(resultat);
}

using Liste = std::vector<std::string>;

TEST(ParcoursRep, ListsMatchesInWalkOrder) {
  RepertoireTemporaire temporaire;
  construireArbre();
  const Liste racine = {".hid.htm", "B.HTM", "a.htm", "ro.htm"};
  // rodir has no write permission: it is walked all the same.
  const Liste dessous = {".hidden\\h.htm", "Mixed\\Index.HTM", "dir.htm\\x.htm",
                         "docs\\e.htm",    "rodir\\r.htm",    "sub\\b.htm",
                         "sub\\deeper\\c.htm", "sub\\docs\\d.htm"};
  Liste tout = racine;
  tout.insert(tout.end(), dessous.begin(), dessous.end());
  const Liste sousTout = {"sub\\b.htm", "sub\\deeper\\c.htm", "sub\\docs\\d.htm"};

  struct Cas {
    const char* base;
    std::vector<const char*> masques;
    bool avecBase;
    bool avecSousReps;
    Liste attendu;
  };
  const Cas cas[] = {
      {"", {"*.htm"}, true, true, tout},
      {"", {"*.htm"}, true, false, racine},
      {"", {"*.htm"}, false, true, dessous},
      {"sub", {"*.htm"}, true, true, sousTout},
      {"sub\\", {"*.htm"}, true, true, sousTout},
      {"", {"docs\\*.htm"}, true, true, {"docs\\e.htm", "sub\\docs\\d.htm"}},
      {"", {"index.htm"}, true, true, {"Mixed\\Index.HTM"}},
      {"", {"b.htm", "*.htm"}, true, false, {"B.HTM", ".hid.htm", "B.HTM", "a.htm", "ro.htm"}},
      {"", {"*.*"}, true, false, {".hid.htm", "B.HTM", "a.htm", "c.html", "ro.htm"}},
      {"absent", {"*.htm"}, true, true, {}},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(chercher(c.base, c.masques, c.avecBase, c.avecSousReps), c.attendu)
        << "base [" << c.base << "] mask " << c.masques[0] << " " << c.avecBase << c.avecSousReps;
  }
}

TEST(ParcoursRep, ResultGrowsPastItsFirstHundredSlots) {
  RepertoireTemporaire temporaire;
  Liste attendu;
  for (int i = 0; i < 250; ++i) {
    char nom[32];
    std::snprintf(nom, sizeof nom, "many/f%03d.htm", i);
    creerFichier(nom);
    attendu.push_back(std::string("many\\") + (nom + 5));
  }
  EXPECT_EQ(chercher("many", {"*.htm"}, true, true), attendu);
}

TEST(ParcoursRep, WalksAHundredLevels) {
  RepertoireTemporaire temporaire;
  std::string hote, programme;
  for (int i = 0; i < 100; ++i) {
    hote += "d/";
    programme += "d\\";
  }
  creerFichier(hote + "fond.htm");
  creerFichier("haut.htm");
  EXPECT_EQ(chercher("", {"*.htm"}, true, true), (Liste{"haut.htm", programme + "fond.htm"}));
}

TEST(ParcoursRep, RefusesToWalkWithoutPassOrMask) {
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  Vecteur<String> resultat;
  struct Cas {
    Vecteur<String> masques;
    bool avecBase, avecSousReps;
    const char* message;
    int ligne;
  };
  const Cas cas[] = {
      {masques({"*.htm"}), false, false, "Ni repertoire de base ni sous-repertoire", 112},
      {Vecteur<String>(), false, false, "Ni repertoire de base ni sous-repertoire", 112},
      {Vecteur<String>(), true, true, "Aucun masque defini", 114},
  };
  for (const Cas& c : cas) {
    try {
      parcours.rechercher("", c.masques, resultat, c.avecBase, c.avecSousReps);
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const MesErreur& e) {
      EXPECT_STREQ(e.Message(), c.message);
      EXPECT_STREQ(e.Module(), "parrep");
      EXPECT_EQ(e.Ligne(), c.ligne);
    }
  }
}

TEST(ParcoursRep, CurrentEntryCarriesSizeAttributesAndTime) {
  RepertoireTemporaire temporaire;
  creerFichier("sub/a.htm", "hello");
  creerFichier("sub/.h.htm");
  creerFichier("sub/ro.htm");
  chmod("sub/ro.htm", 0444);
  struct tm local {};
  local.tm_year = 101, local.tm_mon = 1, local.tm_mday = 3;
  local.tm_hour = 4, local.tm_min = 5, local.tm_sec = 7, local.tm_isdst = -1;
  const struct timespec temps[2] = {{0, UTIME_OMIT}, {mktime(&local), 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, "sub/a.htm", temps, 0), 0);

  ParcoursRepWin parcours("*.*", attrDefaut, false);
  ASSERT_TRUE(parcours.chercher("sub\\a.htm", parcours.attrFichiers(), false));
  EXPECT_STREQ(parcours.nom().Texte(), "a.htm");
  EXPECT_STREQ(parcours.chemin().Texte(), "sub\\a.htm");
  EXPECT_EQ(parcours.taille(), 5);
  EXPECT_EQ(parcours.attrEntree(), 0x20);
  const Date date = parcours.dateHeure().date();
  const Heure heure = parcours.dateHeure().heure();
  EXPECT_EQ(date.annee() * 10000 + date.mois() * 100 + date.jour(), 20010203);
  // Packed times keep even seconds.
  EXPECT_EQ(heure.heure() * 10000 + heure.minute() * 100 + heure.seconde(), 40506);

  ASSERT_TRUE(parcours.chercher("sub\\.h.htm", parcours.attrFichiers(), false));
  EXPECT_EQ(parcours.attrEntree(), 0x22);
  ASSERT_TRUE(parcours.chercher("sub\\ro.htm", parcours.attrFichiers(), false));
  EXPECT_EQ(parcours.attrEntree(), 0x21);
  // A finished search keeps the last entry.
  EXPECT_FALSE(parcours.suivant());
  EXPECT_STREQ(parcours.nom().Texte(), "ro.htm");
  EXPECT_FALSE(parcours.chercher("sub\\absent.htm", parcours.attrFichiers(), false));
  EXPECT_STREQ(parcours.nom().Texte(), "ro.htm");
}

// Exposes the entry decoding of the walker.
class Sonde : public ParcoursRepWin {
 public:
  Sonde() : ParcoursRepWin("*.*", attrDefaut, false) {}
  using ParcoursRep::prendreEntree;
};

TEST(ParcoursRep, ZeroTimeWordsStandForNineteenHundred) {
  Sonde sonde;
  sonde.prendreEntree("x.htm", 3, 0x20, (20 << 9) | (5 << 5) | 6, (10 << 11));
  EXPECT_EQ(sonde.dateHeure().date().annee(), 2000);
  sonde.prendreEntree("y.htm", 3, 0x20, 0, 0);
  const Date date = sonde.dateHeure().date();
  const Heure heure = sonde.dateHeure().heure();
  EXPECT_EQ(date.annee() * 10000 + date.mois() * 100 + date.jour(), 19000101);
  EXPECT_EQ(heure.secondesDepuisMinuit(), 0.0);
  try {
    sonde.prendreEntree("z.htm", 3, 0x20, (20 << 9) | (5 << 5) | 6, 31);
    ADD_FAILURE() << "62 seconds accepted";
  } catch (const MesErreur& e) {
    EXPECT_STREQ(e.Module(), "heure");
    EXPECT_EQ(e.Ligne(), 144);
  }
}

TEST(ParcoursRep, CopyGetsItsOwnSearch) {
  RepertoireTemporaire temporaire;
  for (const char* nom : {"a.htm", "b.htm", "c.htm"}) creerFichier(nom);
  ParcoursRepWin original("*.htm", 0x27, false);
  ASSERT_STREQ(original.nom().Texte(), "a.htm");
  ParcoursRepWin copie(original);
  ASSERT_TRUE(original.suivant());
  EXPECT_STREQ(original.nom().Texte(), "b.htm");
  EXPECT_STREQ(copie.nom().Texte(), "a.htm");
  ASSERT_TRUE(copie.suivant());
  EXPECT_STREQ(copie.nom().Texte(), "b.htm");
  copie = original;
  ASSERT_TRUE(copie.suivant());
  EXPECT_STREQ(copie.nom().Texte(), "c.htm");
  EXPECT_FALSE(copie.suivant());
  EXPECT_TRUE(original.suivant());
}

TEST(ParcoursRep, ConstructionSearchRunsWhenFirstLookedAt) {
  RepertoireTemporaire temporaire;
  for (const char* nom : {"a.htm", "b.htm"}) creerFichier(nom);
  // Each of these looks first in another way; each sees the search its
  // construction started, as if it had run at once.
  ParcoursRepWin parSuivant("*.htm", 0x27, false);
  ASSERT_TRUE(parSuivant.suivant());
  EXPECT_STREQ(parSuivant.nom().Texte(), "b.htm");
  ParcoursRepWin parCopie("*.htm", 0x27, false);
  ParcoursRepWin copie(parCopie);
  EXPECT_STREQ(copie.chemin().Texte(), "a.htm");
  EXPECT_TRUE(parCopie.trouve());
  ParcoursRepWin parRien("*.txt", 0x27, false);
  EXPECT_FALSE(parRien.trouve());
  // A new search replaces the one put off, which then never runs.
  ParcoursRepWin remplace("*.txt", 0x27, false);
  ASSERT_TRUE(remplace.chercher("b.htm", 0x27, false));
  EXPECT_FALSE(remplace.suivant());
}

// A tree levels deep of "dd" directories, made relative to the last one
// (the host takes no path past its limit), with a page at the bottom; its
// program path.
std::string arbreProfond(int niveaux) {
  int rep = open(".", O_RDONLY | O_DIRECTORY);
  std::string programme;
  for (int i = 0; i < niveaux; ++i) {
    EXPECT_EQ(mkdirat(rep, "dd", 0755), 0);
    const int suivant = openat(rep, "dd", O_RDONLY | O_DIRECTORY);
    close(rep);
    rep = suivant;
    programme += "dd\\";
  }
  const int page = openat(rep, "fond.htm", O_WRONLY | O_CREAT, 0644);
  EXPECT_EQ(write(page, "x", 1), 1);
  close(page);
  close(rep);
  return programme + "fond.htm";
}

TEST(ParcoursRep, ReachesPathsPastTheHostLimit) {
  RepertoireTemporaire temporaire;
  const std::string fond = arbreProfond(1500);  // 4,500 bytes
  ASSERT_GT(fond.size(), static_cast<size_t>(PATH_MAX));
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  Vecteur<String> resultat;
  parcours.rechercher("", masques({"*.htm"}), resultat, true, true);
  EXPECT_EQ(enListe(resultat), Liste{fond});
  EXPECT_TRUE(parcours.repertoiresIllisibles().empty());
}

TEST(ParcoursRep, LinksToFilesOutsideTheRootArePassedOver) {
  RepertoireTemporaire temporaire;
  creerFichier("dehors/secret.htm");
  creerFichier("site/page.htm");
  fs::create_symlink("../dehors/secret.htm", "site/sortant.htm");
  fs::create_symlink("page.htm", "site/dedans.htm");
  fs::create_directory("site/sous");
  fs::create_symlink("../sortant.htm", "site/sous/par.htm");
  const std::string site = (temporaire.racine() / "site").string();
  struct Cas {
    std::string racine;
    Liste attendu;
  };
  const Cas cas[] = {
      {"", {"site\\dedans.htm", "site\\page.htm", "site\\sortant.htm", "site\\sous\\par.htm"}},
      {site, {"site\\dedans.htm", "site\\page.htm"}},
      {temporaire.racine().string(),
       {"site\\dedans.htm", "site\\page.htm", "site\\sortant.htm", "site\\sous\\par.htm"}},
      {"/", {"site\\dedans.htm", "site\\page.htm", "site\\sortant.htm", "site\\sous\\par.htm"}},
  };
  for (const Cas& c : cas) {
    ParcoursRepWin parcours("*.*", attrDefaut, false);
    parcours.limiterLiens(c.racine);
    Vecteur<String> resultat;
    parcours.rechercher("site", masques({"*.htm"}), resultat, true, true);
    EXPECT_EQ(enListe(resultat), c.attendu) << "root [" << c.racine << "]";
  }
}

}  // namespace
