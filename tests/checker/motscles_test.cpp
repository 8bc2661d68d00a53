#include "checker/motscles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "foundation/meserreur.h"

namespace {

// Reads the keywords between the first two double quotes of `valeur`.
std::vector<std::string> lire(const std::string& valeur, Vecteur<MotCle>* sortie = nullptr) {
  Vecteur<MotCle> motsCles;
  const char* ouvre = std::strchr(valeur.c_str(), '"');
  lireMotsCles(ouvre, std::strchr(ouvre + 1, '"'), motsCles);
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
  ArbreBinaire<String> motsVus;
  bool horsBalise = true;
  const Vecteur<int32_t> liste = ordre(motsCles);
  noterMotsLigne("<p>\xc9t\xe9 <b>seo</b>\n", horsBalise, false, motsCles, liste, motsVus);
  EXPECT_FALSE(motsCles[2].utilise) << "words before the list are not matched";
  noterMotsLigne("<p>&Eacute;t&eacute; and seo</p>\n", horsBalise, true, motsCles, liste, motsVus);
  EXPECT_TRUE(motsCles[0].utilise);
  EXPECT_FALSE(motsCles[1].utilise);
  EXPECT_TRUE(motsCles[2].utilise);
}

TEST(NoterMotsLigne, WordsInsideTagsAcrossLinesDoNotCount) {
  Vecteur<MotCle> motsCles;
  lire("\"href, seo\"", &motsCles);
  ArbreBinaire<String> motsVus;
  bool horsBalise = true;
  noterMotsLigne("<a\n", horsBalise, true, motsCles, ordre(motsCles), motsVus);
  noterMotsLigne("href=x seo>\n", horsBalise, true, motsCles, ordre(motsCles), motsVus);
  EXPECT_FALSE(motsCles[0].utilise);
  EXPECT_FALSE(motsCles[1].utilise);
  EXPECT_TRUE(horsBalise);
}

}  // namespace
