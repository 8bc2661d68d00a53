// The --modern scan of pages read from memory: which findings, where, with
// what value, in what order; the redirect and noindex exemptions, "/s",
// "/d" and the page's record for the site.
#include "checker/examenmoderne.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/memoire.h"

namespace {

using namespace std::string_literals;

// Writes each finding as "id line:column [value] (count)", texts in UTF-8.
class Releve : public RapportPage {
 public:
  void Debut(const char*, JeuCaracteres) override {}
  void Constate(const Signalement& s) override {
    std::string ligne = std::string(kConstats[s.constat].id) + " " + std::to_string(s.ligne) +
                        ":" + std::to_string(s.colonne);
    if (s.valeur != nullptr) ligne += " [" + std::string(s.valeur) + "]";
    if (s.suggestion != nullptr) ligne += " ->" + std::string(s.suggestion);
    if (s.motCle != nullptr) ligne += " {" + std::string(s.motCle) + "}";
    if (s.compte != 0) ligne += " (" + std::to_string(s.compte) + ")";
    if (s.nombre != 0) ligne += " " + std::to_string(s.nombre) + "/" + std::to_string(s.limite);
    if (estDiagnosticLigne(s.constat)) {
      EXPECT_NE(s.texte, nullptr);
    }
    EXPECT_TRUE(s.utf8);
    lignes.push_back(ligne);
  }
  void Fin() override {}
  void Interrompue() override {}
  std::vector<std::string> lignes;
};

// A head with nothing to report, around the tags of a case.
std::string page(const std::string& tete, const std::string& corps = "<p>x</p>") {
  return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>T</title>"
         "<meta name=\"description\" content=\"D\">"
         "<meta name=\"viewport\" content=\"width=device-width\">" +
         tete + "</head>\n<body>" + corps + "</body></html>\n";
}

OptionsExamen options(bool developpe = false, bool simple = false) {
  OptionsExamen o;
  o.moderne = true;
  o.developpe = developpe;
  o.simple = simple;
  o.balises = JeuBalises::Html5;
  return o;
}

struct Cas {
  std::string page;
  OptionsExamen options;
  std::vector<std::string> attendus;
};

std::vector<std::string> examiner(const std::string& contenu, const OptionsExamen& o,
                                  FicheSite* fiche = nullptr) {
  FluxMemoire flux(contenu);
  LecteurLignes lecteur(flux.Flux());
  Releve releve;
  examinerPageModerne("p.htm", lecteur, o, releve, fiche);
  return releve.lignes;
}

TEST(ExaminerPageModerne, ReportsEachRuleWhereItsTagStands) {
  const std::string titreLong(61, 'a');
  const std::string description161(161, 'd');
  const Cas cas[] = {
      {page(""), options(), {}},
      // Line findings by line and column; on one tag, in the table's order.
      {page("<meta name=\"robots\" content=\"noindex, Foo , max-snippet:-2\">"), options(),
       {"robots-noindex 2:149 [noindex, Foo , max-snippet:-2]",
        "robots-unknown-directive 2:149 [Foo]", "robots-unknown-directive 2:149 [max-snippet:-2]"}},
      {page("<meta http-equiv=\" X-Frame \" content=\"1\"><meta http-equiv=refresh content=\"0.5\">"
            "<meta http-equiv=REFRESH content=\"30; url=/\">"),
       options(),
       {"http-equiv-nonstandard 2:149 [X-Frame]", "refresh-delayed 2:229 [30]"}},
      {page("<meta http-equiv=content-language content=en>"), options(),
       {"content-language-obsolete 2:149"}},
      {page("<meta name=viewport content=\"initial-scale=0.5, maximum-scale=2\">"), options(),
       {"viewport-not-mobile 2:149", "viewport-blocks-zoom 2:149", "several-viewports 2:17 (2)"}},
      {page("<link rel=\"Canonical\" href=\"/x\"><link rel=canonical href=\"https://e.org/\">"
            "<link rel=canonical href=\" https://e.org/ \">"),
       options(),
       {"canonical-not-absolute 2:149 [/x]", "several-canonicals 2:17 (2)"}},
      {page("<link rel=\"alternate\" hreflang=\"en-UK\" href=\"https://e.org/\">"
            "<link rel=alternate hreflang=x-default href=\"/en/\"><link rel=alternate href=\"/fr/\">"),
       options(),
       {"hreflang-invalid 2:149 [en-UK]", "hreflang-not-absolute 2:210 [/en/]"}},
      {page("<meta property=og:title content=a><meta name=\"og:title\" content=b>"
            "<meta property=og:type content=c>"),
       options(),
       {"og-repeated 2:183 [og:title]", "og-incomplete 2:17 [og:image, og:url]"}},
      {page("<meta name=twitter:card content=\" Summary \"><meta property=twitter:card content=big>"),
       options(), {"twitter-card-invalid 2:193 [big]"}},
      {page("<meta name=\"Descripton\" content=x><meta name=descriptions content=x>"
            "<meta name=og:foo content=x><meta name=authr content=x>"),
       options(),
       {"meta-name-typo 2:149 [Descripton] ->description",
        "meta-name-typo 2:183 [descriptions] ->description", "meta-name-typo 2:245 [authr] ->author",
        "og-incomplete 2:17 [og:title, og:type, og:image, og:url]"}},
      {page("<meta name=\"\" content=\"\"><meta property=\" \"><meta charset>"), options(),
       {"empty-name 2:149", "empty-content 2:149", "empty-content 2:174", "empty-property 2:174"
        , "empty-charset 2:193"}},
      // The first title and description are judged; later ones are counted.
      {"<!DOCTYPE html><html lang=fr><head><meta charset=utf-8><title> \n </title>"
       "<title>" + titreLong + "</title><meta name=viewport content=width=1>"
       "<meta name=description content=\"" + description161 + "\"><meta name=DESCRIPTION content=x>"
       "</head></html>",
       options(),
       {"title-empty 1:56", "description-too-long 2:122 161/160", "several-description 1:30 (2)",
        "several-titles 1:30 (2)"}},
      // A title of 61 characters, one of them a reference and one beyond ASCII.
      {"<!DOCTYPE html><html lang=en><title>&eacute;" + titreLong.substr(2) + "\xC3\xA9</title>"
       "<meta charset=utf-8><meta name=viewport content=width=1><meta name=description content=x>",
       options(), {"title-too-long 1:30 61/60"}},
      // Head cut by an image: the two later tags are read as body.
      {page("<img src=x><meta name=robots content=noindex><link rel=canonical href=/y>"), options(),
       {"head-ended-early 2:149 (2)"}},
      {page("text<title>x</title>"), options(), {"head-ended-early 2:149 (1)"}},
      {page("<img src=x>"), options(), {}},
      // Without lang, DOCTYPE, charset, viewport; a DOCTYPE of quirks mode.
      {"<html><head><title>x</title><meta name=description content=y></head></html>", options(),
       {"no-content-type 1:7", "no-viewport 1:7", "no-lang 1:7", "no-doctype 1:7"}},
      {"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
       "<html lang=\"en-x-foo\"><meta charset=\"latin1\"><title>x</title>"
       "<meta name=viewport content=width=1><meta name=description content=y>",
       options(),
       {"doctype-quirks 1:1", "charset-not-utf8 2:23 [latin1]"}},
      {"<!doctype html><html lang=\" en-Latn-GB \"><head><title>x</title>"
       "<meta name=viewport content=width=1><meta name=description content=y>"
       "<meta http-equiv=Content-Type content=\"text/html; charset = 'UTF8'\">"
       "<meta http-equiv=content-type content=text/html>",
       options(),
       {"several-content-type 1:42 (2)"}},
      {"<!doctype html><html lang=\"en-UK\"><meta charset=utf-8><title>x</title>"
       "<meta name=viewport content=width=1><meta name=description content=y>",
       options(), {"lang-invalid 1:16 [en-UK]"}},
      // The rules kept: unknown tags anywhere (font is not today's HTML), a
      // <head> after the body.
      {page("", "<p><blink>x</blink><my-el></my-el><font></font></p><head>"), options(),
       {"unknown-tag 3:10", "unknown-tag 3:41", "head-after-body 3:58"}},
      // A redirect stub and a noindex page are not judged on their content
      // (a missing title is no content check).
      {"<meta http-equiv=refresh content=\"0; url=/x\">", options(),
       {"no-content-type 1:1", "no-title 1:1", "no-lang 1:1", "no-doctype 1:1"}},
      {"<!DOCTYPE html><html lang=en><meta charset=utf-8><title></title>"
       "<meta property=og:title content=x><meta name=googlebot content=none>",
       options(),
       {"robots-noindex 1:99 [none]"}},
      // "/s" leaves out every page finding.
      {"<html><title></title><meta name=viewport content=\"user-scalable=0\">", options(false, true),
       {"title-empty 1:7", "viewport-not-mobile 1:22", "viewport-blocks-zoom 1:22"}},
  };
  for (const Cas& c : cas) EXPECT_EQ(examiner(c.page, c.options), c.attendus) << c.page;
}

TEST(ExaminerPageModerne, CountsColumnsInCharactersAndOffsetsInBytes) {
  const Cas cas[] = {
      // A UTF-8 page: one column per character; a byte order mark is none.
      {"\xEF\xBB\xBF<html lang=\xC3\xA9t\xC3\xA9><blink>", options(true, true),
       {"lang-invalid 1:1 [\xC3\xA9t\xC3\xA9]", "unknown-tag 1:16"}},
      // A Windows-1252 page: one column per byte; its value comes in UTF-8.
      {"<html lang=\xE9t\xE9><blink>", options(true, true),
       {"lang-invalid 1:1 [\xC3\xA9t\xC3\xA9]", "unknown-tag 1:16"}},
      // The declaration's end is counted from the file's first byte, the
      // byte order mark included: 1024 is allowed, 1025 is late.
      {"\xEF\xBB\xBF<!--" + std::string(994, '-') + "--><meta charset=utf-8>",
       options(false, true), {}},
      {"\xEF\xBB\xBF<!--" + std::string(994, '-') + "--> <meta charset=utf-8>",
       options(false, true), {"charset-late 1:1003"}},
  };
  for (const Cas& c : cas) EXPECT_EQ(examiner(c.page, c.options), c.attendus) << c.page;
}

TEST(ExaminerPageModerne, MatchesKeywordsWithWordsSeparatedByTags) {
  const std::string motLong(512, 'w');
  const Cas cas[] = {
      // Every tag separates words; the title's words count, though they
      // come before the list.
      {"<title>hamsters</title><meta name=keywords content=\"cats, dogs, catsdogs, hamsters, hamsters\">"
       "<body><li>cats</li><li>dogs</li>",
       options(true),
       {"keyword-repeated 0:0 {hamsters} (2)", "keyword-unused 0:0 {catsdogs} (1)"}},
      // References are decoded: a right quote separates words.
      {"<meta name=keywords content=\"caf\xC3\xA9, l&#8217;ami, ami\">"
       "<p>L&#8217;Ami du Caf&eacute;</p>",
       options(true),
       {"keyword-unused 0:0 {l\xE2\x80\x99" "ami} (1)"}},
      // A word of 512 characters matches nothing and ends nothing.
      {"<meta name=keywords content=\"" + motLong + ", w\"><p>" + motLong + " w</p>",
       options(true), {"keyword-unused 0:0 {" + motLong + "} (1)"}},
      {"<meta name=keywords content=\"" + std::string(255, 'k') + "\"><p>" +
           std::string(255, 'k') + "</p>",
       options(true), {"keyword-unused 0:0 {" + std::string(255, 'k') + "} (1)"}},
  };
  for (const Cas& c : cas) {
    std::vector<std::string> attendus = c.attendus;
    std::vector<std::string> releve = examiner(c.page, c.options);
    // Only the keyword findings matter here.
    releve.erase(std::remove_if(releve.begin(), releve.end(),
                                [](const std::string& l) { return l.rfind("keyword-", 0) != 0; }),
                 releve.end());
    EXPECT_EQ(releve, attendus) << c.page;
  }
}

TEST(ExaminerPageModerne, FillsThePageRecordForTheSite) {
  FicheSite fiche;
  examiner("<html><head>\n<title> A \n title </title><meta name=description content=\" D \">"
           "<link rel=canonical href=\" https://e.org/a \">"
           "<link rel=alternate hreflang=fr href=https://e.org/fr/>"
           "<meta http-equiv=refresh content=0>",
           options(), &fiche);
  EXPECT_EQ(fiche.chemin, "p.htm");
  EXPECT_TRUE(fiche.redirection);
  EXPECT_FALSE(fiche.noindex);
  EXPECT_TRUE(fiche.aTitre);
  EXPECT_EQ(fiche.titre.texte, "A title");
  EXPECT_EQ(fiche.titre.ligne, 2);
  EXPECT_EQ(fiche.titre.colonne, 1);
  EXPECT_EQ(fiche.description.texte, "D");
  EXPECT_EQ(fiche.canonique.texte, "https://e.org/a");
  ASSERT_EQ(fiche.hreflangs.size(), 1u);
  EXPECT_EQ(fiche.hreflangs[0].langue, "fr");
  EXPECT_EQ(fiche.hreflangs[0].adresse.texte, "https://e.org/fr/");
}

}  // namespace
