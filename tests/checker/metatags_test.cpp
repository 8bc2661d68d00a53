#include "checker/metatags.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "checker/etatfichier.h"
#include "checker/nomsmeta.h"
#include "html/trthtml.h"
#include "tests/memoire.h"

namespace {

struct CasSyntaxe {
  const char* texte;  // lower case, from the word "meta"
  bool accepte;
  bool accepteHtml5;  // property as a key, a '/' before the '>'
};

// The strict form of a meta tag, as read from the lower-case line.
const CasSyntaxe kCasSyntaxe[] = {
    {"meta http-equiv=\"content-type\" content=\"text/html\">\n", true, true},
    {"meta name=\"keywords\" content=\"html, page\">\n", true, true},
    {"meta name = \"robots\" content = \"noindex\" >\n", true, true},
    {"meta\tname=\"robots\"\tcontent=\"x\">", true, true},
    {"meta name=\"robots\" content=\"x\"> trailing text\n", true, true},
    {"meta name=\"robots\" content=\"x\">  >\n", false, false},
    {"meta name=\"robots\" content=\"noindex\" />\n", false, true},
    {"meta content=\"noindex\" name=\"robots\">\n", false, false},
    {"meta name='robots' content='noindex'>\n", false, false},
    {"meta name=robots content=\"x\">\n", false, false},
    {"meta name=\"robots\" lang=\"en\" content=\"x\">\n", false, false},
    {"meta name=\"robots\" content=\"x\"\n", false, false},
    {"meta name=\"robots content=\"x\">\n", false, false},
    {"meta name=\"robots\" content=\"x>\n", false, false},
    {"meta name=\"robots\" content=\"x\"", false, false},
    {"meta name=\"robots\"", false, false},
    {"meta name=", false, false},
    {"meta", false, false},
    {"metaname=\"a\" content=\"b\">", true, true},
    {"meta namex=\"a\" content=\"b\">", false, false},
    {"meta scheme=\"a\" content=\"b\">", false, false},
    {"meta name=\"\" content=\"\">", true, true},
    {"meta name=\"robots\" content=\"x\"/>", false, true},
    {"meta name=\"robots\" content=\"x\" / >", false, false},
    {"meta name=\"robots\" content=\"x\" //>", false, false},
    {"meta name=\"robots\" content=\"x\"/> >", false, false},
    {"meta property=\"og:title\" content=\"x\">", false, true},
    {"meta property = \"og:type\" content=\"x\" />", false, true},
    {"meta content=\"x\" property=\"og:type\">", false, false},
    {"meta charset=\"utf-8\">", false, false},
};

TEST(SyntaxeStricte, AcceptsOnlyTheOneForm) {
  for (const CasSyntaxe& cas : kCasSyntaxe) {
    EXPECT_EQ(syntaxeStricte(cas.texte), cas.accepte) << cas.texte;
    EXPECT_EQ(syntaxeStricte(cas.texte, JeuBalises::Html5), cas.accepteHtml5) << cas.texte;
  }
}

// The messages verifierMeta prints for a line alone inside HEAD, then the
// name it counted: "Missing quote(s); -", "charset is empty; \"Content-Type\"".
std::string juger(const std::string& ligne, JeuBalises jeu) {
  static NomsMeta nomsMeta;
  nomsMeta.RemetAZero();
  SortieMemoire rapport;
  const Affichage sortie(Affichage::Sortie::Oem850, rapport.Flux());
  auto etat = std::make_unique<EtatFichier>(nomsMeta, false, false, sortie,
                                            JeuCaracteres::Windows1252, jeu);
  etat->dansHead = true;
  etat->numeroLigne = 1;
  std::snprintf(etat->ligne, sizeof etat->ligne, "%s\n", ligne.c_str());
  std::strcpy(etat->minuscules, etat->ligne);
  Minuscules(etat->minuscules);
  int nbBalises = 0;
  const bool ouverte = compterBalises(etat->minuscules, nbBalises);
  verifierMeta(*etat, chercherBalise(etat->minuscules, "meta"), ouverte, nbBalises);

  std::string resultat;
  const std::string texte = rapport.Texte();
  for (size_t debut = texte.find("   1, "); debut != std::string::npos;
       debut = texte.find("   1, ", debut + 1)) {
    resultat += texte.substr(debut + 6, texte.find(" : ", debut) - debut - 6) + "; ";
  }
  std::string compte = "-";
  for (int i = 0; i < NomsMeta::kNombre; ++i) {
    if (nomsMeta.Compteur(i) > 0) compte = nomsMeta.Affichage(i);
  }
  return resultat + compte;
}

TEST(VerifierMeta, CharsetAndPropertyByTodaysHtml) {
  const struct {
    const char* ligne;
    const char* html32;
    const char* html5;
  } cas[] = {
      {"<meta charset=\"utf-8\">", "Missing quote(s); -", "\"Content-Type\""},
      {"<META CHARSET = \"UTF-8\" />", "Missing quote(s); -", "\"Content-Type\""},
      {"<meta charset=\"utf-8\"/>", "Missing quote(s); -", "\"Content-Type\""},
      {"<meta charset=\" \">", "Missing quote(s); -", "charset is empty; \"Content-Type\""},
      {"<meta charset=utf-8>", "Missing quote(s); -", "Missing quote(s); -"},
      {"<meta charset=\"utf-8\" lang=\"en\">", "Unknown format; -", "Unknown format; -"},
      {"<meta charset=\"utf-8\"> \"", "Missing quote(s); -", "Missing quote(s); -"},
      {"<meta lang=\"en\">", "Missing quote(s); -", "Missing quote(s); -"},
      {"<meta charset=\"utf-8\">>", "Missing quote(s); -", "Missing quote(s); -"},
      {"<meta property=\"og:title\" content=\"x\">", "Unknown format; -", "-"},
      {"<meta property=\"keywords\" content=\"x\">", "Unknown format; -", "\"KEYWORDS\""},
      {"<meta property=\"\" content=\"\">", "Unknown format; -",
       "property is empty; content is empty; -"},
      {"<meta name=\"robots\" property=\"x\" content=\"y\">", "Unknown format; -",
       "Unknown format; -"},
      {"<meta name=\"description\" content=\"property\">", "\"DESCRIPTION\"",
       "Unknown format; -"},
      {"<meta name=\"robots\" content=\"noindex\" />", "Unknown format; -", "\"ROBOTS\""},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(juger(c.ligne, JeuBalises::Html32), c.html32) << c.ligne;
    EXPECT_EQ(juger(c.ligne, JeuBalises::Html5), c.html5) << c.ligne;
  }
}

}  // namespace
