#include "checker/motscles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/meserreur.h"

namespace {

// Reads the keywords between the first two double quotes of `valeur`.
std::vector<std::string> lire(const std::string& valeur, Vecteur<MotCle>* sortie = nullptr,
                              JeuCaracteres jeu = JeuCaracteres::Windows1252) {
  Vecteur<MotCle> motsCles;
  const char* ouvre = std::strchr(valeur.c_str(), '"');
  lireMotsCles(ouvre, std::strchr(ouvre + 1, '"'), motsCles, jeu);
  std::vector<std::string> mots;
  for (int i = 0; i < motsCles.Nombre(); ++i) mots.emplace_back(motsCles[i].mot.Texte());
  if (sortie != nullptr) *sortie = motsCles;
  return mots;
}

Vecteur<int32_t> ordre(const Vecteur<MotCle>& motsCles) {
  Vecteur<int32_t> ordre;
  ordonnerMotsCles(motsCles, ordre);
  return ordre;
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
  EXPECT_STREQ(motsCles[0].mot.Texte(), "\xe9t\xe9");
  EXPECT_STREQ(motsCles[0].motReduit.Texte(), "ete");
  EXPECT_STREQ(motsCles[1].motReduit.Texte(), "caf&eacute;");
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

TEST(NoterMotsLigne, MarksOnlyTheFirstEqualKeywordAndOnlyOnceListed) {
  Vecteur<MotCle> motsCles;
  lire("\"\xe9t\xe9, ete, seo\"", &motsCles);
  EnsembleMots motsVus;
  bool horsBalise = true;
  const Vecteur<int32_t> liste = ordre(motsCles);
  char avant[] = "<p>\xc9t\xe9 <b>seo</b>\n";
  noterMotsLigne(avant, std::strlen(avant), horsBalise, false, motsCles, liste, motsVus);
  EXPECT_FALSE(motsCles[2].utilise) << "words before the list are not matched";
  char apres[] = "<p>&Eacute;t&eacute; and seo</p>\n";
  noterMotsLigne(apres, std::strlen(apres), horsBalise, true, motsCles, liste, motsVus);
  EXPECT_TRUE(motsCles[0].utilise);
  EXPECT_FALSE(motsCles[1].utilise);
  EXPECT_TRUE(motsCles[2].utilise);
}

TEST(NoterMotsLigne, WordsInsideTagsAcrossLinesDoNotCount) {
  Vecteur<MotCle> motsCles;
  lire("\"href, seo\"", &motsCles);
  EnsembleMots motsVus;
  bool horsBalise = true;
  char ouverte[] = "<a\n";
  char suite[] = "href=x seo>\n";
  noterMotsLigne(ouverte, std::strlen(ouverte), horsBalise, true, motsCles, ordre(motsCles), motsVus);
  noterMotsLigne(suite, std::strlen(suite), horsBalise, true, motsCles, ordre(motsCles), motsVus);
  EXPECT_FALSE(motsCles[0].utilise);
  EXPECT_FALSE(motsCles[1].utilise);
  EXPECT_TRUE(horsBalise);
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
  EXPECT_STREQ(motsCles[0].motReduit.Texte(), "ete");
  EXPECT_STREQ(motsCles[1].motReduit.Texte(), "\u0153uvre");
  EXPECT_EQ(motsCles[2].motReduit.Texte(), jamos);
  EXPECT_STREQ(motsCles[2].mot.Texte(), syllabes.c_str());

  EnsembleMots motsVus;
  bool horsBalise = true;
  std::string longue;
  for (int i = 0; i < 511; ++i) longue += "\uD55C";
  std::string ligne = "<p>l\u2019e\u0301te\u0301 \x9Cuvre " + longue + " " + syllabes + "</p>\n";
  noterMotsLigne(ligne.data(), ligne.size(), horsBalise, true, motsCles, ordre(motsCles), motsVus, U);
  EXPECT_TRUE(motsCles[0].utilise && motsCles[1].utilise && motsCles[2].utilise);
  EXPECT_FALSE(motsCles[3].utilise);
  EXPECT_TRUE(motsVus.Contient("\x9Cuvre", 5)) << "words are kept as written";
}

}  // namespace
