// Tests of FicBase and the file module's free functions.
#include "files/ficbase.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>

#include "foundation/meserreur.h"
#include "tests/files/arbre.h"

namespace {

namespace fs = std::filesystem;

struct Erreur {
  std::string message;
  std::string module;
  int ligne;
};

Erreur erreurDe(const std::function<void()>& action) {
  try {
    action();
  } catch (const MesErreur& e) {
    return {e.Message(), e.Module(), e.Ligne()};
  }
  return {"(none)", "", 0};
}

TEST(FicBase, FailuresCarryTheirMessageAndLine) {
  RepertoireTemporaire temporaire;
  creerFichier("f.htm");
  FicBase ferme("f.htm", "r");
  ASSERT_TRUE(ferme.fermer());
  char octet = 0;
  struct Cas {
    std::function<void()> action;
    const char* message;
    int ligne;
  };
  const Cas cas[] = {
      {[] { FicBase("sub\\absent.htm", "r"); }, "L'ouverture de [sub\\absent.htm] a echoue", 69},
      {[&] { ferme.ouvrir("absent", "rb"); }, "L'ouverture de [absent] a echoue", 69},
      {[&] { ferme.rembobiner(); }, "Le fichier [?] n'est pas ouvert", 89},
      {[&] { ferme.lire(&octet, 1); }, "Le fichier [?] n'est pas ouvert", 98},
      {[&] { ferme.ecrire(&octet, 1); }, "Le fichier [?] n'est pas ouvert", 112},
      {[] { lireAttributs("sub\\absent"); }, "Probleme en acces du fichier [sub\\absent]", 126},
      {[] { ecrireAttributs("absent", 0); }, "Probleme en acces du fichier [absent]", 140},
  };
  for (const Cas& c : cas) {
    const Erreur e = erreurDe(c.action);
    EXPECT_EQ(e.message, c.message);
    EXPECT_EQ(e.module, "ficbase");
    EXPECT_EQ(e.ligne, c.ligne);
  }
}

TEST(FicBase, ShortWriteIsAnError) {
  FicBase plein("/dev/full", "w");
  const char texte[] = "abc";
  const Erreur e = erreurDe([&] { plein.ecrire(texte, 3); });
  EXPECT_EQ(e.message, "Probleme en ecriture sur fichier [?]");
  EXPECT_EQ(e.ligne, 108);
}

TEST(FicBase, MessagesHoldTheirWholePath) {
  // At the limit of the path buffers (511 characters) and far past it.
  for (const size_t longueur : {size_t{511}, size_t{2000}}) {
    const std::string chemin(longueur, 'p');
    const Erreur e = erreurDe([&] { FicBase(chemin.c_str(), "r"); });
    EXPECT_EQ(e.ligne, 69);
    EXPECT_EQ(e.message, "L'ouverture de [" + chemin + "] a echoue");
  }
  char tampon[kTailleMessageErreur];
  const std::string limite(511, 'q');
  EXPECT_EQ(std::string(texteErreur(ERR_ECRITURE, limite.c_str(), tampon)),
            "Probleme en ecriture sur fichier [" + limite + "]");
}

TEST(FicBase, ReadsWritesAndCloses) {
  RepertoireTemporaire temporaire;
  creerFichier("a.htm", "abcdef");
  creerFichier("b.htm", "second");
  FicBase fichier("a.htm", "r+b");
  char tampon[16] = {};
  EXPECT_EQ(fichier.lire(tampon, 4), 4);
  EXPECT_STREQ(tampon, "abcd");
  EXPECT_EQ(fichier.ecrire("XY", 2), 2);
  EXPECT_EQ(fichier.lire(tampon, 4), 0);  // end of file, no error
  EXPECT_EQ(fichier.lire(tampon, -1), -1);
  fichier.rembobiner();
  ASSERT_NE(std::fgets(tampon, sizeof tampon, fichier.Fichier()), nullptr);
  EXPECT_STREQ(tampon, "abcdXY");

  fichier.ouvrir("b.htm", "r");  // closes a.htm first
  EXPECT_NE(fichier.Fichier(), nullptr);
  ASSERT_NE(std::fgets(tampon, sizeof tampon, fichier.Fichier()), nullptr);
  EXPECT_STREQ(tampon, "second");
  EXPECT_TRUE(fichier.fermer());
  EXPECT_EQ(fichier.Fichier(), nullptr);
  EXPECT_TRUE(fichier.fermer());
}

TEST(FicBase, FailedCloseForgetsTheStream) {
  // The data buffered for /dev/full cannot be flushed, so fclose fails; the
  // stream is released all the same and is never closed twice.
  FicBase plein("/dev/full", "w");
  std::fputs("perdu", plein.Fichier());
  EXPECT_FALSE(plein.fermer());
  EXPECT_EQ(plein.Fichier(), nullptr);
  EXPECT_TRUE(plein.fermer());
}

TEST(FicBase, DirectoriesAndFifosAreNotOpened) {
  RepertoireTemporaire temporaire;
  fs::create_directory("rep");
  ASSERT_EQ(mkfifo("tube.htm", 0644), 0);
  EXPECT_EQ(erreurDe([] { FicBase("rep", "r"); }).ligne, 69);
  EXPECT_EQ(erreurDe([] { FicBase("tube.htm", "r"); }).ligne, 69);
}

TEST(FicBase, CopiesTheTimeStampOfAnotherFile) {
  RepertoireTemporaire temporaire;
  creerFichier("source");
  creerFichier("cible");
  struct tm local {};
  local.tm_year = 99, local.tm_mon = 11, local.tm_mday = 31;
  local.tm_hour = 23, local.tm_min = 58, local.tm_sec = 40, local.tm_isdst = -1;
  const struct timespec temps[2] = {{0, UTIME_OMIT}, {mktime(&local), 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, "source", temps, 0), 0);
  {
    FicBase source("source", "rb");
    FicBase cible("cible", "ab");
    std::fputs("buffered", cible.Fichier());
    const DateHeure copie = cible.copierDate(source);
    EXPECT_EQ(copie.date().annee() * 10000 + copie.date().mois() * 100 + copie.date().jour(),
              19991231);
    EXPECT_EQ(copie.heure().secondesDepuisMinuit(), 23 * 3600 + 58 * 60 + 40);
    FicBase ferme("source", "rb");
    ferme.fermer();
    EXPECT_EQ(cible.copierDate(ferme).date().annee(), 1900);
  }
  struct stat infos {};
  ASSERT_EQ(stat("cible", &infos), 0);
  EXPECT_EQ(infos.st_mtime, temps[1].tv_sec);
}

TEST(FicBase, ErrorTexts) {
  char tampon[512];
  EXPECT_STREQ(texteErreur(0, "a", tampon), "Erreur non repertoriee");
  EXPECT_STREQ(texteErreur(5, "a", tampon), "Probleme en lecture sur fichier [a]");
  EXPECT_STREQ(texteErreur(6, "a", tampon), "Erreur non repertoriee");
  char petit[8];
  EXPECT_STREQ(texteErreur(2, "a\\b", petit, sizeof petit), "L'ouver");
}

TEST(FicBase, ExistenceAndAttributes) {
  RepertoireTemporaire temporaire;
  creerFichier("sub/f.htm");
  fs::create_directory("rep");
  ASSERT_EQ(mkfifo("tube", 0644), 0);
  EXPECT_TRUE(existe("sub\\f.htm"));
  EXPECT_FALSE(existe("sub\\absent.htm"));
  EXPECT_FALSE(existe("rep"));
  EXPECT_FALSE(existe("tube"));
  EXPECT_TRUE(ecrireAttributs("sub\\f.htm", 0x21));
  EXPECT_EQ(lireAttributs("sub\\f.htm"), 0x21);
}

std::string enProgramme(std::string hote) {
  for (char& c : hote) c = c == '/' ? '\\' : c;
  return hote;
}

std::string enMajuscules(std::string texte) {
  for (char& c : texte) c = enMajuscule(c);
  return texte;
}

TEST(FicBase, DrivesAndDirectories) {
  RepertoireTemporaire temporaire;
  fs::create_directories("site/docs");
  const std::string ici = enProgramme(temporaire.racine().string());  // "\tmp\pagevet-..."
  char tampon[512];
  char lettre[3];
  EXPECT_STREQ(nomDisque(lettre, -1), "C:");
  EXPECT_STREQ(nomDisque(lettre, 0), "A:");
  EXPECT_EQ(std::string(repertoireCourant(tampon, -1)), ici + "\\");
  EXPECT_EQ(std::string(repertoireCourant(tampon, 2)), "C:" + ici + "\\");

  struct Cas {
    const char* chemin;
    std::string attendu;
  };
  const Cas cas[] = {
      {"site", "C:" + enMajuscules(ici) + "\\SITE\\"},
      {"site\\docs\\", "C:" + enMajuscules(ici) + "\\SITE\\DOCS\\"},
      {"site\\..\\site", "C:" + enMajuscules(ici) + "\\SITE\\"},
      // A letter and ':' without '\\' is a Linux name, here one that is not there.
      {"c:site", "C:" + enMajuscules(ici) + "\\"},
      {"absent", "C:" + enMajuscules(ici) + "\\"},
      {"C:\\", "C:\\"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(std::string(cheminComplet(tampon, c.chemin)), c.attendu) << c.chemin;
    EXPECT_EQ(fs::current_path(), temporaire.racine()) << c.chemin;
  }

  EXPECT_TRUE(memeRepertoire("x\\y", "x\\y"));
  EXPECT_TRUE(memeRepertoire("absent1", "absent2"));
  EXPECT_TRUE(memeRepertoire("site", "site\\docs\\.."));
  EXPECT_FALSE(memeRepertoire("site", "site\\docs"));

  EXPECT_TRUE(estRacine("C:\\"));
  EXPECT_TRUE(estRacine("c:\\"));
  EXPECT_TRUE(estRacine("C:\\tmp\\.."));
  EXPECT_FALSE(estRacine("site"));
  EXPECT_FALSE(estRacine(""));
}

TEST(FicBase, RootGivesASingleSeparator) {
  RepertoireTemporaire temporaire;
  fs::current_path("/");
  char tampon[512];
  EXPECT_STREQ(repertoireCourant(tampon, 2), "C:\\");
  EXPECT_STREQ(repertoireCourant(tampon, -1), "\\");
}

}  // namespace
