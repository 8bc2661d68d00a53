// Tests of TraiterHtml: tag stripping on a line and word extraction.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "foundation/meserreur.h"
#include "html/lecteurmots.h"
#include "html/traiterhtml.h"

namespace {

// Every word of texte, read until motSuivant gives the empty text.
std::vector<std::string> mots(const std::string& texte) {
  TraiterHtml ligne(texte.c_str());
  std::vector<std::string> resultat;
  for (const char* mot = ligne.motSuivant(); *mot != '\0';
       mot = ligne.motSuivant()) {
    resultat.push_back(mot);
    if (resultat.size() > texte.size()) break;  // guards against no progress
  }
  return resultat;
}

using Mots = std::vector<std::string>;

TEST(MotSuivant, Cases) {
  const struct {
    std::string texte;
    Mots attendus;
  } cas[] = {
      {"Le caf&eacute;, tr&egrave;s (bon)!",
       {"Le", "caf&eacute;", "tr&egrave;s", "bon"}},
      {"l'eau", {"l", "eau"}},
      {"a&#32;b", {"a", "b"}},
      {"a&#160;b", {"a&#160;b"}},
      {"a&lt;b&nbsp;c", {"a", "b", "c"}},
      {"R&amp;D", {"R&amp;D"}},
      {"AT&T rocks", {"AT&T rocks"}},
      {"e-mail x_y 3.14", {"e-mail", "x_y", "3", "14"}},
      {"Tom & Jerry", {"Tom", "& Jerry"}},
      {"x & y; z", {"x", "& y;", "z"}},
      {"Tom &amp; Jerry", {"Tom", "&amp;", "Jerry"}},
      {"a&", {"a"}},
      {"&", {}},
      {"&nbs", {}},
      {"&lt;&gt;&quot;", {}},
      {"&copy;2024 &micro;m", {"2024", "&micro;m"}},
      {"a/b #1 *x+y% ~z\\w", {"a/b", "#1", "*x+y%", "~z\\w"}},
      {"caf\xE9 \xC9t\xE9", {"caf\xE9", "\xC9t\xE9"}},
      {"x\xA9y\xABz\xBB", {"x", "y", "z"}},
      {"\"quoted\"=[a]{b}|c`d", {"quoted", "a", "b", "c", "d"}},
      {"tab\tand\r\nlines\v\f", {"tab", "and", "lines"}},
      {"   \t\n ", {}},
      {"", {}},
      {"...,;", {}},
      {"&#12a;b c", {"&#12a;b", "c"}},
      {"x&#;y", {"x", "y"}},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(mots(c.texte), c.attendus) << c.texte;
  }
}

TEST(MotSuivant, WordLengthLimit) {
  const std::string mot511(511, 'm');
  EXPECT_EQ(mots(" " + mot511 + " fin"), (Mots{mot511, "fin"}));

  const struct {
    const char* nom;
    std::string texte;
  } trop[] = {
      {"plain word", std::string(512, 'm')},
      {"after a short word", "x " + std::string(600, 'm')},
      {"unclosed entity", "&" + std::string(511, 'm')},
      {"entity runs on", "a &x " + std::string(600, ' ')},
  };
  for (const auto& c : trop) {
    TraiterHtml ligne(c.texte.c_str());
    try {
      while (*ligne.motSuivant() != '\0') {
      }
      ADD_FAILURE() << c.nom << ": no error";
    } catch (const MesErreur& erreur) {
      EXPECT_STREQ(erreur.Message(),
                   "Depassement de capacite pour extraire un mot");
      EXPECT_STREQ(erreur.Module(), "trthtml");
      EXPECT_EQ(erreur.Ligne(), 260);
    }
  }
}

// Lines of one file through supprimerBalises, then their words.
TEST(SupprimerBalises, StripsTagsAcrossLines) {
  const struct {
    const char* texte;
    const char* mots;  // words joined by '|'
    int longueur;
    bool horsBalise;   // after the line
  } lignes[] = {
      {"<p>Bonjour <b>le</b> monde", "Bonjour|le|monde", 16, true},
      {"sans balise", "sans|balise", 11, true},
      {"<a href=\"x", "", 0, false},
      {"suite\">lien</a> fin", "lien|fin", 8, true},
      {"<!-- <b>x</b> -->y", "--|b|x|/b|--|y", 18, true},  // kept whole
      {"<img src=a", "", 0, false},
      {"", "", 0, false},
      {"alt=b>", "", 0, true},
  };
  bool horsBalise = true;
  for (const auto& l : lignes) {
    TraiterHtml ligne(l.texte);
    EXPECT_EQ(ligne.supprimerBalises(horsBalise), l.longueur) << l.texte;
    EXPECT_EQ(horsBalise, l.horsBalise) << l.texte;
    std::string lus;
    for (const char* mot = ligne.motSuivant(); *mot != '\0';
         mot = ligne.motSuivant()) {
      if (!lus.empty()) lus += '|';
      lus += mot;
    }
    EXPECT_EQ(lus, l.mots) << l.texte;
  }
}

TEST(SupprimerBalises, RewindsTheCursor) {
  bool horsBalise = true;
  TraiterHtml ligne("un <i>deux</i>");
  EXPECT_STREQ(ligne.motSuivant(), "un");
  EXPECT_EQ(ligne.supprimerBalises(horsBalise), 7);
  EXPECT_STREQ(ligne.motSuivant(), "un");
  EXPECT_STREQ(ligne.motSuivant(), "deux");
  EXPECT_STREQ(ligne.motSuivant(), "");
}


// Whether reading every word of texte with LecteurMots passes the limit.
bool depasse(const std::string& texte, JeuCaracteres jeu) {
  LecteurMots lecteur(texte.c_str(), jeu);
  const char* mot = nullptr;
  std::size_t longueur = 0;
  try {
    while (lecteur.Suivant(mot, longueur)) {
    }
  } catch (const MesErreur&) {
    return true;
  }
  return false;
}

TEST(SousLaLimite, Cases) {
  const std::string m(600, 'm');
  const struct {
    std::string texte;
    bool sous;
  } cas[] = {
      {"", true},
      {std::string(511, 'm'), true},
      {std::string(512, 'm'), false},
      {"a " + std::string(511, 'm') + "\tb", true},
      {"a\r" + std::string(512, 'm') + "\fb", false},
      {"x &" + std::string(300, ' ') + std::string(300, 'y'), false},  // no ';': to the end
      {"x &" + std::string(300, ' ') + "; " + std::string(300, 'y'), true},
      {"x &a" + std::string(300, ' ') + std::string(300, 'y') + ";", false},
      {std::string(300, 'a') + "&nbsp;" + std::string(300, 'b'), false},  // may as well
      {std::string(40, ' ') + std::string(20, '&') + ";" + std::string(40, ' '), true},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(LecteurMots::SousLaLimite(c.texte.c_str(), c.texte.size()), c.sous) << c.texte;
  }
}

// Below the limit, as it says, no word passes it, whatever the bytes and the
// character set.
TEST(SousLaLimite, NeverHidesAWordTooLong) {
  const std::string morceaux[] = {" ", "\n", "&", ";", "&nbsp;", "&eacute;", "&#32;", "&#0;",
                                  "mot", "\xE9t\xE9", "\xC3\xA9", "\xE2\x80\x99", ".",
                                  std::string(100, 'a'), std::string(200, 'b'), "&x"};
  uint64_t etat = 17;
  const auto suivant = [&etat](uint64_t borne) {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    return (etat >> 33) % borne;
  };
  int sous = 0;
  int trop = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string texte;
    for (uint64_t k = 1 + suivant(60); k > 0; --k) texte += morceaux[suivant(std::size(morceaux))];
    if (!LecteurMots::SousLaLimite(texte.c_str(), texte.size())) continue;
    ++sous;
    for (const JeuCaracteres jeu : {JeuCaracteres::Windows1252, JeuCaracteres::Utf8}) {
      if (depasse(texte, jeu)) {
        ++trop;
        ADD_FAILURE() << texte;
      }
    }
  }
  EXPECT_GT(sous, 1000);
  EXPECT_EQ(trop, 0);
}

}  // namespace
