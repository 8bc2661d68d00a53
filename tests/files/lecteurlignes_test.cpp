// LecteurLignes must cut a stream into exactly the pieces fgets gives.
#include "files/lecteurlignes.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "files/fichierpage.h"
#include "foundation/meserreur.h"
#include "tests/memoire.h"

namespace {

struct FermeFichier {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermeFichier>;

Fichier fluxSur(const std::string& contenu) {
  Fichier f(std::tmpfile());
  if (f != nullptr) {
    std::fwrite(contenu.data(), 1, contenu.size(), f.get());
    std::rewind(f.get());
  }
  return f;
}

// The pieces as fgets cuts them, each as the bytes fgets wrote: fgets does
// not say how many, so a piece is taken up to its '\n', its taille - 1
// bytes, or the end of the stream, whichever comes first.
std::vector<std::string> piecesFgets(const std::string& contenu, int taille) {
  std::vector<std::string> pieces;
  size_t debut = 0;
  Fichier f = fluxSur(contenu);
  std::vector<char> ligne(static_cast<size_t>(taille));
  while (std::fgets(ligne.data(), taille, f.get()) != nullptr) {
    size_t n = 0;
    while (debut + n < contenu.size() && n < static_cast<size_t>(taille) - 1) {
      if (contenu[debut + n++] == '\n') break;
    }
    pieces.push_back(contenu.substr(debut, n));
    EXPECT_EQ(std::string(ligne.data(), n), pieces.back());
    debut += n;
  }
  return pieces;
}

std::vector<std::string> piecesLecteur(const std::string& contenu, int taille) {
  std::vector<std::string> pieces;
  Fichier f = fluxSur(contenu);
  LecteurLignes lecteur(f.get());
  std::vector<char> ligne(static_cast<size_t>(taille));
  for (int n = lecteur.Lire(ligne.data(), taille); n >= 0; n = lecteur.Lire(ligne.data(), taille)) {
    EXPECT_EQ(ligne[static_cast<size_t>(n)], '\0');
    pieces.emplace_back(ligne.data(), static_cast<size_t>(n));
  }
  return pieces;
}

TEST(LecteurLignes, CutsLikeFgets) {
  const struct {
    std::string contenu;
    int taille;
  } cas[] = {
      {"", 8192},
      {"\n", 8192},
      {"one\ntwo\n", 8192},
      {"no newline at the end", 8192},
      {"\n\n\nx", 8192},
      {"a\r\nb\rc\n", 8192},
      {std::string("nul\0inside\nnext", 15), 8192},
      {std::string(8191, 'x') + "\n", 8192},  // the newline comes alone
      {std::string(8190, 'x') + "\n", 8192},
      {std::string(20000, 'y') + "\nshort\n", 8192},
      {"abcdefgh\n", 4},
      {"ab\n", 2},  // one byte at a time
      {std::string(200000, 'z'), 8192},  // several blocks, no newline
  };
  for (const auto& c : cas) {
    EXPECT_EQ(piecesLecteur(c.contenu, c.taille), piecesFgets(c.contenu, c.taille))
        << c.contenu.substr(0, 40) << " / " << c.taille;
  }
}

TEST(LecteurLignes, CutsLikeFgetsAcrossBlocks) {
  // Lines of every length around the piece and block sizes, drawn from a
  // fixed sequence, so that pieces straddle the reader's 64 KiB blocks.
  std::string contenu;
  uint64_t etat = 7;
  while (contenu.size() < 600000) {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    const size_t longueur = (etat >> 33) % 10000;
    contenu.append(longueur, static_cast<char>('a' + longueur % 26));
    contenu += (etat >> 20) % 7 == 0 ? '\r' : '\n';
  }
  EXPECT_EQ(piecesLecteur(contenu, 8192), piecesFgets(contenu, 8192));
}

TEST(LecteurLignes, HandsOutTheLineTheChecksJudge) {
  // A NUL byte ends the line, "\r\n" reads as "\n", a lone '\r' stays.
  const struct {
    std::string contenu;
    std::vector<std::string> lignes;
  } cas[] = {
      {"a\r\nb\rc\r\n\r\n", {"a\n", "b\rc\n", "\n"}},
      {std::string("x\0y\r\nz\n\0\n", 9), {"x", "z\n", ""}},
      {"\r\r\n\r", {"\r\n", "\r"}},
      {std::string(8190, 'w') + "\r\n", {std::string(8190, 'w') + "\r", "\n"}},
  };
  for (const auto& c : cas) {
    Fichier f = fluxSur(c.contenu);
    LecteurLignes lecteur(f.get());
    std::vector<std::string> lignes;
    char* ligne = nullptr;
    for (int n; (n = lecteur.LireLigne(ligne, 8192)) >= 0;) {
      EXPECT_EQ(std::strlen(ligne), static_cast<size_t>(n));
      lignes.emplace_back(ligne, static_cast<size_t>(n));
    }
    EXPECT_EQ(lignes, c.lignes) << c.contenu.substr(0, 20);
  }
}

TEST(LecteurLignes, DecidesTheSetAndSkipsTheMark) {
  constexpr JeuCaracteres U = JeuCaracteres::Utf8;
  const struct {
    std::string contenu;
    JeuCaracteres jeu;
    std::string premiere;  // the first line, "" for none
  } cas[] = {
      {"\xEF\xBB\xBF<meta charset=windows-1252>\nx", U, "<meta charset=windows-1252>\n"},
      {"\xEF\xBB\xBF", U, ""},
      {"<meta charset=utf-8>\n", U, "<meta charset=utf-8>\n"},
      {"caf\xE9\n", JeuCaracteres::Windows1252, "caf\xE9\n"},
      // The first block is the window; a sequence it cuts off does not count.
      {"é\n" + std::string(65532, 'a') + "’", U, "é\n"},
  };
  for (const auto& c : cas) {
    FluxMemoire flux(c.contenu);
    LecteurLignes lecteur(flux.Flux());
    EXPECT_TRUE(lecteur.Jeu() == c.jeu) << c.contenu.substr(0, 30);
    char* ligne = nullptr;
    const int n = lecteur.LireLigne(ligne, 8192);
    EXPECT_EQ(n < 0 ? std::string() : std::string(ligne, static_cast<size_t>(n)), c.premiere)
        << c.contenu.substr(0, 30);
  }
}

// A page of exactly one block: its first block is the whole page, so a
// sequence cut at its end counts against UTF-8; one byte more, and the cut
// is only the end of the window. The byte the reader looked ahead at is
// still read.
TEST(LecteurLignes, CutAtTheEndOfAPageOfExactly64KiB) {
  const std::string bloc = "é" + std::string(65533, 'a') + "\xE2";  // 65536 bytes
  FluxMemoire entiere(bloc);
  LecteurLignes lecteurEntiere(entiere.Flux());
  EXPECT_TRUE(lecteurEntiere.Jeu() == JeuCaracteres::Windows1252);
  FluxMemoire longue(bloc + "\x82\xAC!");
  LecteurLignes lecteurLongue(longue.Flux());
  EXPECT_TRUE(lecteurLongue.Jeu() == JeuCaracteres::Utf8);
  char ligne[8192];
  std::string lu;
  for (int n; (n = lecteurLongue.Lire(ligne, sizeof ligne)) >= 0;) lu.append(ligne, n);
  EXPECT_EQ(lu, bloc + "\x82\xAC!");
}

// A read that fails is no end of the page: the reader throws, naming the
// page and the host's reason, whether the first block fails or a later one.
// The stream's descriptor is made a directory's, which cannot be read.
TEST(LecteurLignes, ReadErrorIsNoEndOfThePage) {
  struct Cas {
    size_t taille;      // bytes of the page, lines of 10
    bool avant;         // the descriptor fails from the first read on
    bool leve;          // the reader throws
  };
  const Cas cas[] = {
      {100, true, true},
      {200000, true, true},
      {200000, false, true},
      // A page of exactly one block is read whole with the first.
      {65536, false, false},
      {100, false, false},
  };
  for (const Cas& c : cas) {
    std::string contenu;
    while (contenu.size() < c.taille) contenu += "123456789\n";
    contenu.resize(c.taille);
    Fichier f = fluxSur(contenu);
    ASSERT_NE(f, nullptr);
    const int repertoire = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_GE(repertoire, 0);
    std::string message;
    size_t lus = 0;
    try {
      if (c.avant) dup2(repertoire, fileno(f.get()));
      LecteurLignes lecteur(f.get(), "rep\\page.htm");
      if (!c.avant) dup2(repertoire, fileno(f.get()));
      char* ligne = nullptr;
      for (int n; (n = lecteur.LireLigne(ligne, 8192)) >= 0;) lus += static_cast<size_t>(n);
    } catch (const MesErreur& erreur) {
      message = erreur.Message();
      EXPECT_STREQ(erreur.Module(), "lecteurlignes");
    }
    close(repertoire);
    if (c.leve) {
      EXPECT_EQ(message, "Probleme en lecture sur fichier [rep\\page.htm]: Is a directory")
          << c.taille << " " << c.avant;
    } else {
      EXPECT_EQ(message, "") << c.taille;
      EXPECT_EQ(lus, c.taille);
    }
  }
}

// A page read through its bare descriptor cuts as a stream does, a short
// read taken as its end, at every size around the block.
TEST(LecteurLignes, PageReadThroughItsDescriptor) {
  char modele[] = "/tmp/lecteurlignesXXXXXX";
  ASSERT_NE(mkdtemp(modele), nullptr);
  const std::string chemin = std::string(modele) + "/p.htm";
  for (const size_t taille : {0, 1, 100, 65535, 65536, 65537, 131073, 200000}) {
    std::string contenu;
    while (contenu.size() < taille) contenu += "<p>" + std::to_string(contenu.size()) + "\n";
    contenu.resize(taille);
    Fichier f(std::fopen(chemin.c_str(), "wb"));
    ASSERT_NE(f, nullptr);
    std::fwrite(contenu.data(), 1, contenu.size(), f.get());
    f.reset();
    const FichierPage page(chemin.c_str());
    LecteurLignes lecteur(page, chemin.c_str());
    std::vector<std::string> pieces;
    char ligne[8192];
    for (int n; (n = lecteur.Lire(ligne, sizeof ligne)) >= 0;) pieces.emplace_back(ligne, n);
    EXPECT_EQ(pieces, piecesFgets(contenu, sizeof ligne)) << taille;
  }
  unlink(chemin.c_str());
  rmdir(modele);
}

// What was found a regular file may be something else when it is opened:
// it fails or reads as empty, it is never read without end nor waited on.
TEST(LecteurLignes, PageThatIsNoRegularFileFailsOrIsEmpty) {
  char modele[] = "/tmp/lecteurlignesXXXXXX";
  ASSERT_NE(mkdtemp(modele), nullptr);
  const std::string fifo = std::string(modele) + "/fifo.htm";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string chemin;
    const char* module;  // nullptr: read whole, as an empty page
    std::string raison;
  } cas[] = {
      {"/dev/zero", "lecteurlignes", "No such device or address"},
      {modele, "lecteurlignes", "Is a directory"},
      {fifo, nullptr, ""},  // no writer: empty
      {"/dev/null", nullptr, ""},
      {std::string(modele) + "/absent.htm", "ficbase", ""},
  };
  for (const auto& c : cas) {
    std::string module = "(none)";
    std::string message;
    size_t lus = 0;
    try {
      const FichierPage page(c.chemin.c_str());
      LecteurLignes lecteur(page, c.chemin.c_str());
      char* ligne = nullptr;
      for (int n; (n = lecteur.LireLigne(ligne, 8192)) >= 0;) lus += static_cast<size_t>(n);
    } catch (const MesErreur& erreur) {
      module = erreur.Module();
      message = erreur.Message();
    }
    if (c.module == nullptr) {
      EXPECT_EQ(module, "(none)") << c.chemin << ": " << message;
      EXPECT_EQ(lus, 0u) << c.chemin;
    } else if (std::string(c.module) == "ficbase") {
      EXPECT_EQ(module, "ficbase") << c.chemin;
      EXPECT_EQ(message, "L'ouverture de [" + c.chemin + "] a echoue");
    } else {
      EXPECT_EQ(module, c.module) << c.chemin;
      EXPECT_EQ(message, "Probleme en lecture sur fichier [" + c.chemin + "]: " + c.raison);
    }
  }
  unlink(fifo.c_str());
  rmdir(modele);
}

}  // namespace
