// The gnu, json and sarif formats fed with findings directly: how each lays
// out a finding's place, message and values.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "report/rapportgnu.h"
#include "report/rapportjson.h"
#include "report/rapportjsonl.h"
#include "report/rapportsarif.h"
#include "report/rapporttexte.h"
#include "tests/memoire.h"

namespace {

using nlohmann::json;

Signalement ligne(Constat constat, int numero, const char* texte, int colonne = 0) {
  Signalement s = signalementLigne(constat, numero, texte);
  s.colonne = colonne;
  return s;
}

Signalement motCle(Constat constat, const char* mot, int compte) {
  Signalement s = signalementPage(constat, compte);
  s.motCle = mot;
  return s;
}

struct Cas {
  Signalement signalement;
  JeuCaracteres jeu;
  std::string gnu;  // after the path
  json objet;       // json: the finding's object
  json region;      // sarif: null for a page finding
};

const char kChemin[] = "dir\\p\xE9.htm";  // a Windows-1252 name

std::vector<Cas> cas() {
  return {
      {ligne(kBaliseIncomplete, 3, "<a href\n"), JeuCaracteres::Windows1252,
       ":3: error: Incomplete tag [incomplete-tag]\n",
       {{"id", "incomplete-tag"}, {"line", 3}, {"level", "error"}, {"message", "Incomplete tag"}, {"text", "<a href"}},
       {{"startLine", 3}}},
      {ligne(kBaliseInconnue, 12, "<x>", 7), JeuCaracteres::Utf8,
       ":12:7: error: Unknown tag (HTML5) [unknown-tag]\n",
       {{"id", "unknown-tag"}, {"line", 12}, {"column", 7}, {"level", "error"}, {"message", "Unknown tag (HTML5)"},
        {"text", "<x>"}},
       {{"startLine", 12}, {"startColumn", 7}}},
      {signalementPage(kSansTitre), JeuCaracteres::Windows1252,
       ": error: No <TITLE> tag found [no-title]\n",
       {{"id", "no-title"}, {"level", "error"}, {"message", "No <TITLE> tag found"}}, nullptr},
      {signalementPage(kHorsHead, 2), JeuCaracteres::Windows1252,
       ": error: 2 meta-tags or title outside the <HEAD> section [outside-head]\n",
       {{"id", "outside-head"}, {"level", "error"}, {"message", "2 meta-tags or title outside the <HEAD> section"},
        {"count", 2}},
       nullptr},
      // A keyword comes out in UTF-8 whatever the page's set.
      {motCle(kMotCleRepete, "caf\xE9", 3), JeuCaracteres::Windows1252,
       ": warning: Keyword [caf\xC3\xA9] appears 3 times in the list [keyword-repeated]\n",
       {{"id", "keyword-repeated"}, {"level", "warning"}, {"message", "Keyword [caf\xC3\xA9] appears 3 times in the list"},
        {"keyword", "caf\xC3\xA9"}, {"count", 3}},
       nullptr},
      {motCle(kMotCleInutilise, "th\xC3\xA9", 1), JeuCaracteres::Utf8,
       ": warning: Keyword unused in the text : th\xC3\xA9 [keyword-unused]\n",
       {{"id", "keyword-unused"}, {"level", "warning"}, {"message", "Keyword unused in the text : th\xC3\xA9"},
        {"keyword", "th\xC3\xA9"}},
       nullptr},
  };
}

TEST(Formats, GnuWritesOneLinePerFinding) {
  SortieMemoire erreurs;
  CanalMemoire inutile;
  const RapportGnu gnu(Affichage::Sortie::Utf8, inutile, erreurs.Flux(), JeuBalises::Html5);
  for (const Cas& c : cas()) {
    CanalMemoire canal;
    const auto page = gnu.NouvellePage(canal);
    page->Debut(kChemin, c.jeu);
    page->Constate(c.signalement);
    page->Fin();
    // The path's bytes as they are, whatever the output's set.
    EXPECT_EQ(canal.Texte(), "dir/p\xE9.htm" + c.gnu);
  }
}

TEST(Formats, JsonListsEachFindingWithWhatItCarries) {
  SortieMemoire erreurs;
  CanalMemoire inutile;
  const RapportJson rapport(Affichage::Sortie::Utf8, inutile, erreurs.Flux(), JeuBalises::Html5);
  for (const Cas& c : cas()) {
    CanalMemoire canal;
    const auto page = rapport.NouvellePage(canal);
    page->Debut(kChemin, c.jeu);
    page->Constate(c.signalement);
    page->Constate(c.signalement);
    page->Fin();
    const json objet = json::parse(canal.Texte());
    EXPECT_EQ(objet["path"], "dir/p\xC3\xA9.htm");
    EXPECT_EQ(objet["charset"], c.jeu == JeuCaracteres::Utf8 ? "utf-8" : "windows-1252");
    EXPECT_EQ(objet["findings"], json::array({c.objet, c.objet})) << canal.Texte();
  }
}

TEST(Formats, SarifGivesEachFindingItsRuleAndPlace) {
  SortieMemoire erreurs;
  CanalMemoire inutile;
  const RapportSarif rapport(Affichage::Sortie::Utf8, inutile, erreurs.Flux(), "/site",
                             JeuBalises::Html5);
  for (const Cas& c : cas()) {
    CanalMemoire canal;
    const auto page = rapport.NouvellePage(canal);
    page->Debut(kChemin, c.jeu);
    page->Constate(c.signalement);
    page->Fin();
    const json resultats = json::parse("[" + canal.Texte() + "]");
    ASSERT_EQ(resultats.size(), 1u);
    const json& r = resultats[0];
    EXPECT_EQ(r["ruleId"], c.objet["id"]);
    EXPECT_EQ(r["ruleIndex"], static_cast<int>(c.signalement.constat));
    EXPECT_EQ(r["level"], c.objet["level"]);
    EXPECT_EQ(r["message"]["text"], c.objet["message"]);
    const json& physique = r["locations"][0]["physicalLocation"];
    EXPECT_EQ(physique["artifactLocation"]["uri"], "dir/p%C3%A9.htm");
    EXPECT_EQ(physique.contains("region") ? physique["region"] : json(), c.region);
  }
}

// One record a line: the page, each finding with the page's path and the
// json keys, each error, and at the end the run's counts.
TEST(Formats, JsonlWritesARecordALineAndCountsThem) {
  SortieMemoire erreurs;
  CanalMemoire fin;
  RapportJsonl rapport(Affichage::Sortie::Utf8, fin, erreurs.Flux(), JeuBalises::Html5);
  CanalMemoire canal;
  const auto page = rapport.NouvellePage(canal);
  const auto autre = rapport.NouvellePage(canal);  // another worker's
  json attendu = json::array();
  for (const Cas& c : cas()) {
    page->Debut(kChemin, c.jeu);
    page->Constate(c.signalement);
    page->Fin();
    attendu.push_back({{"type", "file"},
                       {"path", "dir/p\xC3\xA9.htm"},
                       {"charset", c.jeu == JeuCaracteres::Utf8 ? "utf-8" : "windows-1252"}});
    json constat{{"type", "finding"}, {"path", "dir/p\xC3\xA9.htm"}};
    constat.update(c.objet);
    attendu.push_back(constat);
  }
  autre->Debut("clean.htm", JeuCaracteres::Utf8);
  autre->Fin();
  attendu.push_back({{"type", "file"}, {"path", "clean.htm"}, {"charset", "utf-8"}});
  rapport.Erreur("no file matches x");
  rapport.Totaux(7, 6);
  rapport.Fin(1);
  json lus = json::array();
  std::string lignes = canal.Texte() + fin.Texte();
  for (std::size_t debut = 0, n; (n = lignes.find('\n', debut)) != std::string::npos; debut = n + 1) {
    lus.push_back(json::parse(lignes.substr(debut, n - debut)));
  }
  attendu.push_back({{"type", "error"}, {"message", "no file matches x"}});
  attendu.push_back({{"type", "end"}, {"status", 1}, {"files", 7}, {"findings", 6}});
  EXPECT_EQ(lus, attendu);
  EXPECT_EQ(erreurs.Texte(), "pagevet: no file matches x\n");
}

}  // namespace

namespace {

// Two pages' site-wide findings, as the run hands them on after the last page.
void envoyerSite(Rapport& rapport) {
  Signalement duplique{kTitreDuplique, 2, 5};
  duplique.page = "a\\index.html";
  duplique.lignePage = 3;
  duplique.colonnePage = 4;
  Signalement absente{kCanoniqueCibleAbsente, 4, 1};
  absente.valeur = "https://ex.org/caf\xC3\xA9";
  Signalement sansSoi{kHreflangSansSoi};
  Signalement retour{kHreflangSansRetour, 9, 3};
  retour.page = "fr.html";
  const Signalement premiere[] = {duplique, absente};
  const Signalement seconde[] = {sansSoi, retour};
  rapport.ConstatsSite("b\\p\xE9.html", premiere, 2);
  rapport.ConstatsSite("c.html", seconde, 2);
}

TEST(Formats, SiteWideFindingsComeAfterThePagesInEachFormat) {
  SortieMemoire erreurs;
  {
    CanalMemoire sortie;
    RapportTexte texte(Affichage::Sortie::Utf8, sortie, erreurs.Flux(), false);
    envoyerSite(texte);
    EXPECT_EQ(sortie.Texte(),
              "Across the site\nb\\p\xC3\xA9.html\n+ Same title as a\\index.html\n"
              "+ Canonical URL names no page of the site: \"https://ex.org/caf\xC3\xA9\"\n\n"
              "c.html\n+ hreflang links do not name this page\n"
              "+ fr.html does not link back with hreflang\n\n");
  }
  {
    CanalMemoire sortie;
    RapportGnu gnu(Affichage::Sortie::Utf8, sortie, erreurs.Flux());
    envoyerSite(gnu);
    EXPECT_EQ(sortie.Texte(),
              "b/p\xE9.html:2:5: warning: Same title as a/index.html [title-duplicate]\n"
              "b/p\xE9.html:4:1: error: Canonical URL names no page of the site: "
              "\"https://ex.org/caf\xC3\xA9\" [canonical-target-missing]\n"
              "c.html: error: hreflang links do not name this page [hreflang-no-self]\n"
              "c.html:9:3: error: fr.html does not link back with hreflang "
              "[hreflang-no-return-link]\n");
  }
  for (const bool avecSite : {false, true}) {
    // "site" after "files", present only when the checks run.
    CanalMemoire sortie;
    RapportJson rapport(Affichage::Sortie::Utf8, sortie, erreurs.Flux(), JeuBalises::Html5, true);
    rapport.Debut();
    if (avecSite) envoyerSite(rapport);
    rapport.Fin(1);
    const json document = json::parse(sortie.Texte());
    ASSERT_TRUE(document.contains("site"));
    if (!avecSite) {
      EXPECT_EQ(document["site"], json::array());
      continue;
    }
    EXPECT_EQ(document["site"][0]["path"], "b/p\xC3\xA9.html");
    EXPECT_EQ(document["site"][0]["findings"][0],
              json({{"id", "title-duplicate"}, {"line", 2}, {"column", 5}, {"level", "warning"},
                    {"message", "Same title as a/index.html"}, {"page", "a/index.html"}}));
    EXPECT_EQ(document["site"][0]["findings"][1]["value"], "https://ex.org/caf\xC3\xA9");
    EXPECT_EQ(document["site"][1]["findings"][0],
              json({{"id", "hreflang-no-self"}, {"level", "error"},
                    {"message", "hreflang links do not name this page"}}));
  }
  {
    CanalMemoire sortie;
    RapportJson rapport(Affichage::Sortie::Utf8, sortie, erreurs.Flux());
    rapport.Debut();
    rapport.Fin(0);
    EXPECT_FALSE(json::parse(sortie.Texte()).contains("site"));
  }
  for (const bool pagesAvant : {false, true}) {
    CanalMemoire sortie;
    RapportSarif rapport(Affichage::Sortie::Utf8, sortie, erreurs.Flux(), "/site");
    rapport.Debut();
    if (pagesAvant) {
      const auto page = rapport.NouvellePage(sortie);
      page->Debut("x.html", JeuCaracteres::Utf8);
      page->Constate(signalementPage(kSansTitre));
      page->Fin();
    }
    envoyerSite(rapport);
    rapport.Fin(1);
    const json resultats = json::parse(sortie.Texte())["runs"][0]["results"];
    ASSERT_EQ(resultats.size(), pagesAvant ? 5u : 4u);
    const json& duplique = resultats[pagesAvant ? 1 : 0];
    EXPECT_EQ(duplique["ruleId"], "title-duplicate");
    EXPECT_EQ(duplique["level"], "warning");
    EXPECT_EQ(duplique["relatedLocations"][0]["physicalLocation"],
              json({{"artifactLocation", {{"uri", "a/index.html"}, {"uriBaseId", "SRCROOT"}}},
                    {"region", {{"startLine", 3}, {"startColumn", 4}}}}));
    const json& retour = resultats.back();
    EXPECT_EQ(retour["level"], "error");
    EXPECT_EQ(retour["locations"][0]["physicalLocation"]["region"],
              json({{"startLine", 9}, {"startColumn", 3}}));
    EXPECT_EQ(retour["relatedLocations"][0]["physicalLocation"],
              json({{"artifactLocation", {{"uri", "fr.html"}, {"uriBaseId", "SRCROOT"}}}}));
    EXPECT_FALSE(resultats[pagesAvant ? 3 : 2].contains("relatedLocations"));
  }
}

}  // namespace
