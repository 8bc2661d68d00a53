// Tests of the line-level operations: blanks, copies, whole-word search,
// comment removal, tag stripping, tag counting and the tag name table.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "html/tables.h"
#include "html/trthtml.h"
#include "tampon.h"

namespace {

// Offset of a position in texte, -1 for no position.
int decalage(const char* texte, const char* position) {
  return position == nullptr ? -1 : static_cast<int>(position - texte);
}

TEST(Blancs, SauterEtReculer) {
  const char texte[] = "  \t\r\nx y \n";
  EXPECT_EQ(decalage(texte, sauterBlancs(texte)), 5);
  EXPECT_EQ(decalage(texte, sauterBlancs(texte + 6)), 7);
  EXPECT_EQ(decalage(texte, sauterBlancs(texte + 8)), 10);  // terminator
  EXPECT_EQ(decalage(texte, reculerBlancs(texte + 9, texte)), 7);
  EXPECT_EQ(decalage(texte, reculerBlancs(texte + 4, texte)), 0);  // bound
  EXPECT_EQ(decalage(texte, reculerBlancs(texte + 4, texte + 2)), 2);
  EXPECT_EQ(decalage(texte, reculerBlancs(texte + 5, texte)), 5);
  const char hautsOctets[] = "\xA0\x85";
  EXPECT_EQ(sauterBlancs(hautsOctets), hautsOctets);
}

TEST(CopierN, CopiesAtMostNAndTerminatesAtN) {
  char destination[8];
  std::memset(destination, 'z', sizeof(destination));
  EXPECT_EQ(copierN(destination, "abcdef", 3), destination);
  EXPECT_STREQ(destination, "abc");
  EXPECT_EQ(destination[4], 'z');

  std::memset(destination, 'z', sizeof(destination));
  copierN(destination, "ab", 5);
  EXPECT_STREQ(destination, "ab");
  for (int i = 2; i <= 5; ++i) EXPECT_EQ(destination[i], '\0') << i;
  EXPECT_EQ(destination[6], 'z');

  std::memset(destination, 'z', sizeof(destination));
  copierN(destination, "ab", -4);
  EXPECT_STREQ(destination, "");
  EXPECT_EQ(destination[1], 'z');
}

TEST(ChercherMot, WholeWordsOnly) {
  const struct {
    const char* texte;
    const char* cherche;
    int debut;      // where the search starts
    int attendu;    // -1: no position
    int nombre;     // compterMot over the whole text
  } cas[] = {
      {"name=x", "name", 0, 0, 1},
      {"xname name", "name", 0, 6, 1},
      {"names name", "name", 0, 6, 1},
      {"my-name name_ name", "name", 0, 14, 1},
      {"name.name", "name", 0, 0, 2},
      {"content", "content", 0, 0, 1},
      {"contents", "content", 0, -1, 0},
      {"xname", "name", 1, 1, 0},        // the start counts as a boundary
      {"a\xE9name\xE9", "name", 0, 2, 1},  // 0x80-0xFF are not word bytes
      {"", "name", 0, -1, 0},
      {"name", "", 0, -1, 0},            // the empty word is nowhere
      {"aaa", "aa", 0, -1, 0},
      {"aa aa", "aa", 0, 0, 2},
  };
  for (const auto& c : cas) {
    Tampon tampon(c.texte);
    const char* texte = tampon.Texte();
    EXPECT_EQ(decalage(texte, chercherMot(texte + c.debut, c.cherche)),
              c.attendu)
        << c.texte << " / " << c.cherche;
    const char* premier = texte;
    EXPECT_EQ(compterMot(texte, c.cherche, premier), c.nombre) << c.texte;
    if (c.nombre == 0) {
      EXPECT_EQ(premier, nullptr) << c.texte;
    } else {
      EXPECT_EQ(premier, chercherMot(texte, c.cherche)) << c.texte;
    }
  }
}

TEST(Commentaires, ChercherEtPremiereBalise) {
  const struct {
    const char* texte;
    int commentaire;
    int balise;
  } cas[] = {
      {"a<b><!-- c", 4, 1},
      {"<!DOCTYPE><p>", 0, -1},
      {"text", -1, -1},
      {"<", -1, 0},
      {"x<", -1, 1},
      {"x<!", 1, -1},
      {"! <", -1, 2},
  };
  for (const auto& c : cas) {
    Tampon tampon(c.texte);
    const char* texte = tampon.Texte();
    EXPECT_EQ(decalage(texte, chercherCommentaire(texte)), c.commentaire)
        << c.texte;
    EXPECT_EQ(decalage(texte, premiereBalise(texte)), c.balise) << c.texte;
  }
}

// One line of a file and the state before and after it.
struct Ligne {
  const char* texte;
  const char* attendu;
  bool etatApres;
};

TEST(SupprimerCommentaires, CarriesTheStateAcrossLines) {
  const struct {
    const char* nom;
    std::vector<Ligne> lignes;  // read in order, starting outside comments
  } fichiers[] = {
      {"one line", {{"a<!-- x -->b", "ab", false}}},
      {"doctype", {{"<!DOCTYPE html><p>", "<p>", false}}},
      {"two in a row", {{"<!a><!b>c<!d>", "c", false}}},
      {"ends at first >", {{"<!-- a > b -->c", " b -->c", false}}},
      {"no comment", {{"a > b <p>", "a > b <p>", false}}},
      {"open then close",
       {{"a<!-- x", "a\n", true},
        {"y --> z", " z", false}}},
      {"spans lines",
       {{"a<!-- x\n", "a\n", true},
        {"inside\n", "\n", true},
        {"", "", true},                 // an empty line stays empty
        {"x > y <!-- z", " y \n", true},
        {">", "", false}}},
      {"bare <!", {{"<!", "\n", true}}},
  };
  for (const auto& fichier : fichiers) {
    bool dansCommentaire = false;
    for (const Ligne& ligne : fichier.lignes) {
      Tampon tampon(ligne.texte);
      const int longueur =
          supprimerCommentaires(tampon.Texte(), dansCommentaire);
      EXPECT_EQ(tampon.Chaine(), ligne.attendu)
          << fichier.nom << ": " << ligne.texte;
      EXPECT_EQ(longueur, static_cast<int>(std::strlen(ligne.attendu)));
      EXPECT_EQ(dansCommentaire, ligne.etatApres)
          << fichier.nom << ": " << ligne.texte;
    }
  }
}

TEST(RetirerBalises, CarriesTheStateAcrossLines) {
  const struct {
    const char* nom;
    std::vector<Ligne> lignes;  // etatApres is horsBalise, starting true
  } fichiers[] = {
      {"simple", {{"x<b>y</b>z", "xyz", true}}},
      {"no tag", {{"plain > text", "plain > text", true}}},
      {"first tag is <!", {{"<!x><b>y", "<!x><b>y", true}}},
      {"lone <", {{"a < b", "a ", false}, {"c > d", " d", true}}},
      {"split tag", {{"x<a href", "x", false}, {"=y>z", "z", true}}},
      {"quotes ignored", {{"<a title=\"a>b\">c", "b\">c", true}}},
      {"inside tag, no <", {{"<p", "", false}, {"still", "", false},
                            {"", "", false}, {"x>y", "y", true}}},
      {"high bytes", {{"\xE9<\xFF>\xE0", "\xE9\xE0", true}}},
  };
  for (const auto& fichier : fichiers) {
    bool horsBalise = true;
    for (const Ligne& ligne : fichier.lignes) {
      Tampon source(ligne.texte);
      Tampon destination(ligne.texte);
      const int longueur =
          retirerBalises(horsBalise, source.Texte(), destination.Texte());
      EXPECT_EQ(destination.Chaine(), ligne.attendu)
          << fichier.nom << ": " << ligne.texte;
      EXPECT_EQ(longueur, static_cast<int>(std::strlen(ligne.attendu)));
      EXPECT_EQ(horsBalise, ligne.etatApres)
          << fichier.nom << ": " << ligne.texte;
    }
  }
}

// The one walk over a line's '<' and '>' removes what the searches remove,
// whatever the state the line starts in.
TEST(RetirerBalises, OneWalkAgreesWithTheSearches) {
  const char* const morceaux[] = {"<", ">", "<!", "a", " ", "x>y", "<b>", "\xE9"};
  uint64_t etat = 11;
  const auto suivant = [&etat](uint64_t borne) {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    return (etat >> 33) % borne;
  };
  for (int i = 0; i < 20000; ++i) {
    std::string ligne;
    for (uint64_t k = suivant(40); k > 0; --k) ligne += morceaux[suivant(std::size(morceaux))];
    for (const bool depart : {true, false}) {
      std::string reference = ligne;
      std::string enPlace = ligne;
      bool horsReference = depart;
      bool horsEnPlace = depart;
      const int n = retirerBalises(horsReference, ligne.c_str(), reference.data());
      EXPECT_EQ(retirerBalisesLigne(enPlace.data(), enPlace.size(), horsEnPlace), n) << ligne;
      EXPECT_EQ(horsEnPlace, horsReference) << ligne;
      EXPECT_STREQ(enPlace.c_str(), reference.c_str()) << ligne;
    }
  }
}

TEST(RetirerBalises, WorksInPlace) {
  bool horsBalise = true;
  Tampon tampon("<p>un <b>deux</b> trois");
  EXPECT_EQ(retirerBalises(horsBalise, tampon.Texte(), tampon.Texte()), 13);
  EXPECT_EQ(tampon.Chaine(), "un deux trois");
}

TEST(CompterBalises, Cases) {
  const struct {
    const char* texte;
    int nombre;
    bool ouverte;
  } cas[] = {
      {"<a><b>", 2, false}, {"<a><b", 2, true}, {"<<a>", 1, false},
      {"text", 0, false},   {"", 0, false},     {"<", 1, true},
      {">", 0, false},      {"<a>>b<", 2, true},
  };
  for (const auto& c : cas) {
    int nombre = -1;
    EXPECT_EQ(compterBalises(c.texte, nombre), c.ouverte) << c.texte;
    EXPECT_EQ(nombre, c.nombre) << c.texte;
  }
}

TEST(ChercherBalise, NameRightAfterOpeningBracket) {
  const struct {
    const char* texte;
    const char* nom;
    int attendu;
  } cas[] = {
      {"<meta name", "meta", 1},
      {"<  meta", "meta", 3},
      {"<\tmeta>", "meta", 2},
      {"<metadata>", "meta", -1},
      {"<meta-x>", "meta", -1},
      {"meta <meta>", "meta", 6},     // the first hit is running text
      {"meta", "meta", -1},           // at the very start
      {" meta", "meta", -1},          // stepping back stops at the start
      {"< head>", "head", 2},
      {"<head lang=fr>", "head", 1},
      {"</head>", "head", -1},
      {"<header>", "head", -1},
      {"the head of", "head", -1},
      {"<", "head", -1},
      {"", "head", -1},
  };
  for (const auto& c : cas) {
    Tampon tampon(c.texte);
    const char* texte = tampon.Texte();
    EXPECT_EQ(decalage(texte, chercherBalise(texte, c.nom)), c.attendu)
        << c.texte;
  }
}

TEST(TableBalises, SortedWithClosingAndOpeningNames) {
  int fermantes = 0;
  for (int i = 0; i < nombreBalises; ++i) {
    if (i > 0) {
      EXPECT_LT(std::strcmp(tableBalises[i - 1], tableBalises[i]), 0)
          << tableBalises[i];
    }
    if (tableBalises[i][0] == '/') ++fermantes;
  }
  EXPECT_EQ(fermantes, 56);
  EXPECT_EQ(nombreBalises - fermantes, 67);
}

TEST(BaliseConnue, Cases) {
  const struct {
    std::string texte;
    bool connue;
  } cas[] = {
      {"h1>", true},
      {"/table>", true},
      {"p class=x", true},
      {"a", true},
      {"var", true},
      {"/a", true},
      {"", false},
      {">", false},
      {"br/", false},
      {"H1", false},
      {"frameset", false},
      {"/br", false},
      {"tablex", false},
      {"\xE9", false},
      {"b\xE9", true},                  // the run stops at the high byte
      {"table" + std::string(15, 'x'), false},  // 20 characters
      {std::string(40, 'a'), false},
      {"/" + std::string(19, '/') + " ", false},
  };
  for (const auto& c : cas) {
    Tampon tampon(c.texte);
    EXPECT_EQ(baliseConnue(tampon.Texte()), c.connue) << c.texte;
  }
  for (const char* nom : tableBalises) {
    EXPECT_TRUE(baliseConnue(nom)) << nom;
  }
}

// Names close to the table's, as a plain scan of the table judges them:
// every shortened name, and every name with a letter or digit added, at
// the edges of each group of names sharing a first character.
TEST(BaliseConnue, AgreesWithAScanOfTheTable) {
  const auto dansLaTable = [](const std::string& nom) {
    for (const char* entree : tableBalises) {
      if (nom == entree) return true;
    }
    return false;
  };
  std::vector<std::string> noms;
  for (const char* entree : tableBalises) {
    const std::string nom = entree;
    for (size_t n = 1; n <= nom.size(); ++n) noms.push_back(nom.substr(0, n));
    for (const char ajout : std::string("0169az")) noms.push_back(nom + ajout);
  }
  for (char c = 'a'; c <= 'z'; ++c) {
    noms.push_back(std::string(1, c));
    noms.push_back(std::string("/") + c);
  }
  for (const std::string& nom : noms) {
    Tampon tampon(nom + ">");
    EXPECT_EQ(baliseConnue(tampon.Texte()), dansLaTable(nom)) << nom;
  }
}

}  // namespace
