// Tests of the platform layer: path mapping, finder, time words, attributes,
// drive and directory services.
#include "platform/plateforme.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "tests/files/arbre.h"

namespace {

namespace fs = std::filesystem;

TEST(Plateforme, MasksMatchNames) {
  struct Cas {
    const char* masque;
    const char* nom;
    bool attendu;
  };
  const Cas cas[] = {
      {"*.*", "readme", true},        {"*.*", ".profile", true},
      {"*.*", "a.b.c", true},         {"*.htm", "a.htm", true},
      {"*.htm", "a.html", false},     {"*.htm", ".htm", true},
      {"index.htm", "INDEX.HTM", true}, {"index.htm", "Index.htm", true},
      {"?.htm", "a.htm", true},       {"?.htm", "ab.htm", false},
      {"a*b*c", "aXbYbZc", true},     {"a*b*c", "aXbYc!", false},
      {"*", "", true},                {"", "a", false},
      {"\xE9t\xE9.htm", "\xC9T\xC9.htm", false},
      {"*.HTM", "page.htm", true},    {"p*e.htm", "pe.htm", true},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(plateforme::correspond(c.masque, c.nom), c.attendu) << c.masque << " " << c.nom;
  }
}

TEST(Plateforme, ProgramPathsMapToHostPaths) {
  const std::pair<const char*, const char*> cas[] = {
      {"sub\\deeper\\b.htm", "sub/deeper/b.htm"},
      {"C:\\work\\site", "/work/site"},
      {"c:\\", "/"},
      {"C:", ""},
      // A drive only before '\\' or alone: anything else is a Linux name.
      {"C:rel", "C:rel"},
      {"x:y.htm", "x:y.htm"},
      {"a:b\\c.htm", "a:b/c.htm"},
      {"1:x", "1:x"},
      {"", ""},
  };
  for (const auto& c : cas) EXPECT_EQ(plateforme::cheminHote(c.first), c.second) << c.first;
}

std::vector<std::string> trouver(const char* motif, int attributs) {
  std::vector<std::string> noms;
  plateforme::RechercheFichier bloc;
  for (int r = plateforme::findfirst(motif, &bloc, attributs); r == 0;
       r = plateforme::findnext(&bloc)) {
    noms.push_back(bloc.nom);
  }
  return noms;
}

TEST(Plateforme, FinderGivesFilesAndDirectoriesInByteOrder) {
  RepertoireTemporaire temporaire;
  for (const char* nom : {"d/b", "d/A", "d/a", "d/.cache", "d/back\\slash", "d/sous/x"}) {
    creerFichier(nom);
  }
  ASSERT_EQ(mkfifo("d/tube", 0644), 0);
  fs::create_symlink("nowhere", "d/casse");
  fs::create_directory_symlink("sous", "d/lien");
  using Liste = std::vector<std::string>;
  // Hidden, system and directory entries only when the set asks for them.
  EXPECT_EQ(trouver("d\\*.*", 0), (Liste{"A", "a", "b"}));
  EXPECT_EQ(trouver("d\\*.*", 0x02), (Liste{".cache", "A", "a", "b"}));
  EXPECT_EQ(trouver("d\\*.*", 0x16), (Liste{".", "..", ".cache", "A", "a", "b", "lien", "sous"}));
  EXPECT_EQ(trouver("d\\A", 0), (Liste{"A", "a"}));
  EXPECT_EQ(trouver("absent\\*.*", 0x16), Liste{});

  plateforme::RechercheFichier bloc;
  ASSERT_EQ(plateforme::findfirst("d\\lien", &bloc, 0x16), 0);
  EXPECT_EQ(bloc.attributs, 0x14);
  ASSERT_EQ(plateforme::findfirst("d\\sous", &bloc, 0x16), 0);
  EXPECT_EQ(bloc.attributs, 0x10);
  ASSERT_EQ(plateforme::findfirst("d\\.cache", &bloc, 0x16), 0);
  EXPECT_EQ(bloc.attributs, 0x22);
  EXPECT_EQ(bloc.taille, 1);
  // A copy goes on where the original was.
  ASSERT_EQ(plateforme::findfirst("d\\*.*", &bloc, 0), 0);
  plateforme::RechercheFichier copie = bloc;
  EXPECT_EQ(plateforme::findnext(&copie), 0);
  EXPECT_EQ(copie.nom, "a");
  EXPECT_EQ(bloc.nom, "A");
}

plateforme::HorodatageFichier motsDe(time_t instant) {
  std::FILE* f = std::fopen("t", "wb");
  EXPECT_NE(f, nullptr);
  const struct timespec temps[2] = {{0, UTIME_OMIT}, {instant, 0}};
  EXPECT_EQ(futimens(fileno(f), temps), 0);
  plateforme::HorodatageFichier mots;
  EXPECT_EQ(plateforme::getftime(fileno(f), &mots), 0);
  std::fclose(f);
  return mots;
}

time_t instantLocal(int annee, int mois, int jour, int heure, int minute, int seconde) {
  struct tm local {};
  local.tm_year = annee - 1900, local.tm_mon = mois - 1, local.tm_mday = jour;
  local.tm_hour = heure, local.tm_min = minute, local.tm_sec = seconde, local.tm_isdst = -1;
  return mktime(&local);
}

TEST(Plateforme, TimeWordsAreClampedToWhatTheyCanHold) {
  RepertoireTemporaire temporaire;
  struct Cas {
    time_t instant;
    uint16_t date, heure;
  };
  const Cas cas[] = {
      {0, (0 << 9) | (1 << 5) | 1, 0},
      {instantLocal(1979, 12, 31, 23, 59, 59), (0 << 9) | (1 << 5) | 1, 0},
      {instantLocal(1980, 1, 1, 0, 0, 1), (0 << 9) | (1 << 5) | 1, 0},
      {instantLocal(2024, 2, 29, 13, 45, 31), (44 << 9) | (2 << 5) | 29, (13 << 11) | (45 << 5) | 15},
      {instantLocal(2107, 12, 31, 23, 59, 59), 0xFF9F, 0xBF7D},
      {instantLocal(2200, 6, 1, 12, 0, 0), 0xFF9F, 0xBF7D},
  };
  for (const Cas& c : cas) {
    const plateforme::HorodatageFichier mots = motsDe(c.instant);
    EXPECT_EQ(mots.date, c.date) << c.instant;
    EXPECT_EQ(mots.heure, c.heure) << c.instant;
  }
}

TEST(Plateforme, SetftimeRoundTrips) {
  RepertoireTemporaire temporaire;
  creerFichier("f");
  const int descripteur = open("f", O_RDWR);
  ASSERT_GE(descripteur, 0);
  plateforme::HorodatageFichier mots;
  mots.date = (21 << 9) | (7 << 5) | 14;
  mots.heure = (9 << 11) | (30 << 5) | 20;
  EXPECT_EQ(plateforme::setftime(descripteur, mots), 0);
  plateforme::HorodatageFichier relus;
  EXPECT_EQ(plateforme::getftime(descripteur, &relus), 0);
  EXPECT_EQ(relus.date, mots.date);
  EXPECT_EQ(relus.heure, mots.heure);
  close(descripteur);
  EXPECT_EQ(plateforme::getftime(descripteur, &relus), -1);
}

TEST(Plateforme, ChmodReadsAndSetsTheReadOnlyBit) {
  RepertoireTemporaire temporaire;
  creerFichier("f");
  creerFichier(".cache");
  fs::create_directory("d");
  fs::create_directory_symlink("d", "lien");
  EXPECT_EQ(plateforme::_rtl_chmod("f", 0), 0x20);
  EXPECT_EQ(plateforme::_rtl_chmod(".cache", 0), 0x22);
  EXPECT_EQ(plateforme::_rtl_chmod("d", 0), 0x10);
  EXPECT_EQ(plateforme::_rtl_chmod("d\\", 0), 0x10);
  EXPECT_EQ(plateforme::_rtl_chmod("lien", 0), 0x14);
  EXPECT_EQ(plateforme::_rtl_chmod("absent", 0), -1);
  EXPECT_EQ(plateforme::_rtl_chmod("f", 1, 0x01 | 0x02 | 0x04), 0x21);
  struct stat infos {};
  ASSERT_EQ(stat("f", &infos), 0);
  EXPECT_EQ(infos.st_mode & 0222, 0u);
  EXPECT_EQ(plateforme::_rtl_chmod("f", 1, 0x20), 0x20);
  ASSERT_EQ(stat("f", &infos), 0);
  EXPECT_NE(infos.st_mode & S_IWUSR, 0u);
  EXPECT_EQ(plateforme::_rtl_chmod("absent", 1, 0), -1);
  EXPECT_EQ(plateforme::_rtl_chmod("f", 2), -1);
}

TEST(Plateforme, OneDriveWithItsCurrentDirectory) {
  RepertoireTemporaire temporaire;
  fs::create_directories("a/b");
  EXPECT_EQ(plateforme::getdisk(), 2);
  plateforme::setdisk(0);
  EXPECT_EQ(plateforme::getdisk(), 2);

  std::string attendu = temporaire.racine().string().substr(1);
  for (char& c : attendu) c = c == '/' ? '\\' : c;
  char tampon[512];
  ASSERT_EQ(plateforme::chdir("a\\b"), 0);
  EXPECT_EQ(plateforme::getcurdir(0, tampon, sizeof tampon), 0);
  EXPECT_EQ(std::string(tampon), attendu + "\\a\\b");
  EXPECT_EQ(plateforme::repertoireCourant(), temporaire.racine().string() + "/a/b");
  EXPECT_EQ(plateforme::getcurdir(3, tampon, sizeof tampon), 0);
  EXPECT_EQ(std::string(tampon), attendu + "\\a\\b");
  EXPECT_EQ(plateforme::getcurdir(1, tampon, sizeof tampon), -1);
  EXPECT_STREQ(tampon, "");
  // A buffer too small gets what fits, terminated.
  char petit[4];
  EXPECT_EQ(plateforme::getcurdir(0, petit, sizeof petit), -1);
  EXPECT_EQ(std::string(petit), attendu.substr(0, 3));

  ASSERT_EQ(plateforme::chdir("C:\\"), 0);
  EXPECT_EQ(plateforme::getcurdir(0, tampon, sizeof tampon), 0);
  EXPECT_STREQ(tampon, "");
  EXPECT_EQ(plateforme::chdir("absent\\x"), -1);
}

// For reading, only a regular file is opened, whatever the path leads to
// once the walk is over; a device or a FIFO is refused at once, without
// waiting for a writer or reading for ever.
TEST(Plateforme, ReadingOpensOnlyRegularFiles) {
  RepertoireTemporaire temporaire;
  creerFichier("page.htm");
  ASSERT_EQ(mkfifo("tube", 0644), 0);
  fs::create_directory("rep");
  fs::create_symlink("/dev/zero", "zero.htm");
  fs::create_symlink("tube", "lien-tube.htm");
  fs::create_symlink("page.htm", "lien-page.htm");
  struct Cas {
    const char* chemin;
    bool ouvert;
    int erreur;
  };
  const Cas cas[] = {
      {"page.htm", true, 0},        {"lien-page.htm", true, 0}, {"/dev/zero", false, ENXIO},
      {"zero.htm", false, ENXIO},   {"tube", false, ENXIO},     {"lien-tube.htm", false, ENXIO},
      {"rep", false, EISDIR},       {"absent", false, ENOENT},
  };
  for (const Cas& c : cas) {
    for (const char* mode : {"r", "rb"}) {
      errno = 0;
      std::FILE* flux = plateforme::ouvrirFlux(c.chemin, mode);
      EXPECT_EQ(flux != nullptr, c.ouvert) << c.chemin << " " << mode;
      if (flux != nullptr) std::fclose(flux);
      if (!c.ouvert) {
        EXPECT_EQ(errno, c.erreur) << c.chemin << " " << mode;
      }
    }
  }
}

// A directory or a page whose path is longer than the host takes is
// listed and opened all the same, entered a piece at a time.
TEST(Plateforme, PathsPastTheHostLimit) {
  RepertoireTemporaire temporaire;
  int rep = open(".", O_RDONLY | O_DIRECTORY);
  std::string chemin;
  for (int i = 0; i < 1200; ++i) {
    ASSERT_EQ(mkdirat(rep, "abc", 0755), 0);
    const int suivant = openat(rep, "abc", O_RDONLY | O_DIRECTORY);
    close(rep);
    rep = suivant;
    chemin += "abc\\";
  }
  const int page = openat(rep, "p.htm", O_WRONLY | O_CREAT, 0644);
  ASSERT_EQ(write(page, "xyz", 3), 3);
  close(page);
  close(rep);
  ASSERT_GT(chemin.size(), static_cast<size_t>(PATH_MAX));
  EXPECT_EQ(trouver((chemin + "*.htm").c_str(), 0), std::vector<std::string>{"p.htm"});
  std::FILE* flux = plateforme::ouvrirFlux((chemin + "p.htm").c_str(), "r");
  ASSERT_NE(flux, nullptr);
  char lu[4] = {};
  EXPECT_EQ(plateforme::lire(plateforme::descripteur(flux), lu, 3), 3);
  EXPECT_STREQ(lu, "xyz");
  std::fclose(flux);
  // A name longer than the host takes is no path.
  EXPECT_EQ(plateforme::ouvrirFlux((chemin + std::string(5000, 'n')).c_str(), "r"), nullptr);
  EXPECT_EQ(errno, ENAMETOOLONG);
}

TEST(Plateforme, FreeDescriptorsAreCountedUnderTheLimit) {
  EXPECT_EQ(plateforme::descripteursLibres(3), 3);
  struct rlimit ancienne {};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &ancienne), 0);
  struct rlimit basse = ancienne;
  basse.rlim_cur = 32;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &basse), 0);
  const int libres = plateforme::descripteursLibres(64);
  const int ouvert = open(".", O_RDONLY | O_DIRECTORY);
  const int moins = plateforme::descripteursLibres(64);
  close(ouvert);
  setrlimit(RLIMIT_NOFILE, &ancienne);
  EXPECT_GT(libres, 0);
  EXPECT_LT(libres, 32);
  EXPECT_EQ(moins, libres - 1);
}

}  // namespace
