#include "checker/motscles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "checker/balisesligne.h"
#include "checker/motsclespage.h"
#include "foundation/meserreur.h"
#include "html/trthtml.h"

namespace {

// Reads the keywords between the first two double quotes of `valeur`.
std::vector<std::string> lire(const std::string& valeur, Vecteur<MotCle>* sortie = nullptr,
                              JeuCaracteres jeu = JeuCaracteres::Windows1252) {
  Vecteur<MotCle> motsCles;
  const char* ouvre = std::strchr(valeur.c_str(), '"');
  lireMotsCles(ouvre, std::strchr(ouvre + 1, '"'), motsCles, jeu);
  std::vector<std::string> mots;
  for (int i = 0; i < motsCles.Nombre(); ++i) mots.emplace_back(motsCles[i].mot.c_str());
  if (sortie != nullptr) *sortie = motsCles;
  return mots;
}

struct CasListe {
  const char* valeur;
  std::vector<std::string> mots;
};

TEST(LireMotsCles, SplitsAtEachCommaAndTrims) {
  const CasListe cas[] = {
      {"\"\"", {}},
      {"\"a\"", {"a"}},
      {"\"a,b,\"", {"a", "b"}},
      {"\"a, b, \"", {"a", "b", ""}},
      {"\"a,,b\"", {"a", "", "b"}},
      {"\" html ,html\"", {"html", "html"}},
      {"\"meta tags; seo\"", {"meta tags; seo"}},
      {"\",\"", {""}},
      {"\"   \"", {""}},
      {"\"a\tb ,\nc\">, x, y, z", {"a\tb", "c"}},
  };
  for (const CasListe& c : cas) EXPECT_EQ(lire(c.valeur), c.mots) << c.valeur;
}

TEST(LireMotsCles, ReducesAccentsButNotEntities) {
  Vecteur<MotCle> motsCles;
  lire("\"\xe9t\xe9, caf&eacute;\"", &motsCles);
  ASSERT_EQ(motsCles.Nombre(), 2);
  EXPECT_STREQ(motsCles[0].mot.c_str(), "\xe9t\xe9");
  EXPECT_STREQ(motsCles[0].motReduit.c_str(), "ete");
  EXPECT_STREQ(motsCles[1].motReduit.c_str(), "caf&eacute;");
  EXPECT_FALSE(motsCles[0].utilise);
}

TEST(LireMotsCles, KeywordLengthLimit) {
  EXPECT_EQ(lire("\"" + std::string(254, 'k') + "\"").at(0).size(), 254u);
  EXPECT_EQ(lire("\"  " + std::string(254, 'k') + "  \"").at(0).size(), 254u);
  try {
    lire("\"a, " + std::string(255, 'k') + "\"");
    FAIL() << "a 255-character keyword must end the run";
  } catch (const MesErreur& erreur) {
    EXPECT_STREQ(erreur.Message(), "Mot cle trop long");
    EXPECT_STREQ(erreur.Module(), "pagevet");
    EXPECT_EQ(erreur.Ligne(), 514);
  }
}

// A page's keyword analysis: the list read from `valeur` (between its first
// two double quotes) once the lines of `avant` are noted, then the lines of
// `apres`; gives which keywords are marked.
std::vector<bool> marques(const std::string& valeur, std::vector<std::string> avant,
                          std::vector<std::string> apres,
                          JeuCaracteres jeu = JeuCaracteres::Windows1252) {
  MotsClesPage page;
  const auto noter = [&](std::string& ligne) {
    const BalisesLigne balises(ligne.c_str(), ligne.size());
    page.NoteLigne(ligne.data(), ligne.size(), balises, jeu);
  };
  for (std::string& ligne : avant) noter(ligne);
  const char* ouvre = std::strchr(valeur.c_str(), '"');
  page.Lit(ouvre, std::strchr(ouvre + 1, '"'), jeu);
  for (std::string& ligne : apres) noter(ligne);
  std::vector<bool> resultat;
  for (int i = 0; i < page.MotsCles().Nombre(); ++i) resultat.push_back(page.MotsCles()[i].utilise);
  return resultat;
}

struct CasMarques {
  const char* nom;
  std::string valeur;
  std::vector<std::string> avant;
  std::vector<std::string> apres;
  std::vector<bool> attendus;
};

TEST(MotsClesPage, MarksTheFirstKeywordOfEachReducedForm) {
  const std::string longue(500, 'x');
  // A list too long to be sorted by insertion.
  std::string liste = "\"";
  std::vector<bool> premiers;
  for (int i = 0; i < 40; ++i) {
    liste += (i % 2 == 0 ? "Seo" + std::to_string(i % 3) : "seo" + std::to_string(i % 3)) + ", ";
    premiers.push_back(i < 3);
  }
  liste += "\"";
  premiers.push_back(false);
  const CasMarques cas[] = {
      {"words before the list are not matched", "\"seo, web\"", {"<p>seo</p>\n"},
       {"<p>web</p>\n"}, {false, true}},
      {"only the first equal keyword", "\"\xe9t\xe9, ete, seo\"", {},
       {"<p>&Eacute;t&eacute; and seo</p>\n"}, {true, false, true}},
      {"case and accents fold, simple words", "\"Caf\xe9, Ao\xfbt\"", {},
       {"CAFE et \xc0O\xdbT\n"}, {true, true}},
      {"same ends and length, other middle", "\"seo, abcd\"", {}, {"sao axyd ab abcde\n"},
       {false, false}},
      {"after an entity that separates", "\"seo\"", {}, {"x&nbsp;SEO\n"}, {true}},
      {"a word with an entity is decoded", "\"caf\xe9\"", {}, {"caf&eacute;\n"}, {true}},
      {"an unclosed entity runs to the end", "\"at\"", {}, {"AT&T at\n"}, {false}},
      {"words inside tags across lines", "\"href, seo\"", {}, {"<a\n", "href=x seo>\n"},
       {false, false}},
      {"the text of a long line, after all are marked", "\"a, b\"", {},
       {"a b " + longue + " end\n"}, {true, true}},
      {"an empty keyword, keywords of 63 letters and more",
       "\"x,, " + std::string(63, 'k') + ", " + std::string(70, 'k') + "\"", {},
       {std::string(70, 'K') + " " + std::string(63, 'k') + "\n"}, {false, false, true, true}},
      {"forty keywords, three reduced forms", liste, {}, {"SEO0 seo1 seo2\n"}, premiers},
      {"keywords written with an entity match no word", "\"caf&eacute;\"", {},
       {"caf&eacute; caf\xe9\n"}, {false}},
  };
  for (const CasMarques& c : cas) {
    EXPECT_EQ(marques(c.valeur, c.avant, c.apres), c.attendus) << c.nom;
  }
}

TEST(MotsClesPage, LongWordsEndTheRunWhateverIsMarked) {
  const std::string trop(512, 'm');
  const struct {
    const char* nom;
    std::vector<std::string> avant;
    std::vector<std::string> apres;
  } cas[] = {
      {"before the list", {"<p>" + trop + "</p>\n"}, {}},
      {"after every keyword is marked", {}, {"seo\n", "<b>x</b> " + trop + "\n"}},
      {"inside a tag it is not read, past its end it is", {}, {"seo <a " + trop + ">\n", trop}},
      {"a tag closed on a short line", {}, {"seo <a\n", "b>\n", trop}},
  };
  for (const auto& c : cas) {
    EXPECT_THROW(marques("\"seo\"", c.avant, c.apres), MesErreur) << c.nom;
  }
  EXPECT_NO_THROW(marques("\"seo\"", {}, {"seo <a " + trop + ">\n"}));
  EXPECT_NO_THROW(marques("\"seo\"", {}, {"seo\n", "<a\n", trop + ">\n"}));
  EXPECT_NO_THROW(marques("\"seo\"", {"<a\n"}, {"x>\n", "<b\n", "seo\n", trop + ">\n"}));
}

// The tag state a line leaves, found from its tags without removing them,
// is the one the removal leaves, whatever the state it starts in.
TEST(HorsBaliseApres, AgreesWithTheRemoval) {
  const char* const morceaux[] = {"<", ">", "<!", "!", "a", " ", "x>y", "<b>", "\xE9", "<!--"};
  std::vector<std::string> lignes = {"",         "<",      ">",        "<!",  "a<!b>c<d",
                                     "<!--x-->y<", "x<",   "<!x><b>y", "> <!", "a > b"};
  uint64_t etat = 5;
  const auto suivant = [&etat](uint64_t borne) {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    return (etat >> 33) % borne;
  };
  for (int i = 0; i < 20000; ++i) {
    std::string ligne;
    for (uint64_t k = suivant(30); k > 0; --k) ligne += morceaux[suivant(std::size(morceaux))];
    lignes.push_back(ligne);
  }
  for (const std::string& ligne : lignes) {
    const BalisesLigne balises(ligne.c_str(), ligne.size());
    for (const bool depart : {true, false}) {
      std::string copie = ligne;
      bool hors = depart;
      retirerBalisesLigne(copie.data(), copie.size(), hors);
      EXPECT_EQ(horsBaliseApres(ligne.c_str(), ligne.size(), balises, depart), hors)
          << ligne << depart;
    }
  }
}

// On a UTF-8 page keywords fold as words do, at their longest too: 254
// Hangul syllables take 762 bytes and fold to 2,286, a word of 511 to 4,599.
TEST(MotsClesUtf8, FoldAsWordsDoAtTheirLongest) {
  constexpr JeuCaracteres U = JeuCaracteres::Utf8;
  std::string syllabes;
  std::string jamos;
  for (int i = 0; i < 254; ++i) {
    syllabes += "\uD55C";
    jamos += "\u1112\u1161\u11AB";
  }
  Vecteur<MotCle> motsCles;
  lire("\"\u00C9T\u00C9, \u0152uvre, " + syllabes + ", seo\"", &motsCles, U);
  ASSERT_EQ(motsCles.Nombre(), 4);
  EXPECT_STREQ(motsCles[0].motReduit.c_str(), "ete");
  EXPECT_STREQ(motsCles[1].motReduit.c_str(), "\u0153uvre");
  EXPECT_EQ(motsCles[2].motReduit.c_str(), jamos);
  EXPECT_STREQ(motsCles[2].mot.c_str(), syllabes.c_str());

  std::string longue;
  for (int i = 0; i < 511; ++i) longue += "\uD55C";
  const std::string contenu = "\"\u00C9T\u00C9, \u0152uvre, " + syllabes + ", seo\"";
  const std::vector<std::string> lignes = {
      "<p>l\u2019e\u0301te\u0301 \x9Cuvre " + longue + " " + syllabes + "</p>\n"};
  EXPECT_EQ(marques(contenu, {}, lignes, U), (std::vector<bool>{true, true, true, false}));
  // ASCII words among others, and a stray byte folded as its Windows-1252 letter.
  EXPECT_EQ(marques("\"Caf\u00E9, seo, x, \u0153\"", {}, {"CAFE\u0301 SEO\u2019s \x8C\n"}, U),
            (std::vector<bool>{true, true, false, true}));
}

}  // namespace
