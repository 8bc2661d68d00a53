// The scan of one page read from memory, with its exact report.
#include "checker/examen.h"

#include <gtest/gtest.h>

#include <string>

#include "checker/filtreconstats.h"
#include "report/rapportgnu.h"
#include "report/rapporttexte.h"
#include "tests/memoire.h"

namespace {

using namespace std::string_literals;

const std::string kPropre =
    "<html>\n<head>\n<title>Clean page</title>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html\">\n"
    "<meta http-equiv=\"Content-Language\" content=\"en\">\n"
    "<meta name=\"description\" content=\"A clean page\">\n"
    "<meta name=\"keywords\" content=\"clean, page, seo, seo\">\n"
    "<meta name=\"reply-to\" content=\"web@example.org\">\n"
    "<meta name=\"robots\" content=\"index, follow\">\n"
    "</head>\n<body>\n<p>A clean page.</p>\n</body>\n</html>\n";

struct Options {
  OptionsExamen examen;
  std::bitset<kNombreConstats> ignores;
};

Options options(bool developpe, bool simple, std::initializer_list<Constat> ignores = {}) {
  Options o;
  o.examen.developpe = developpe;
  o.examen.simple = simple;
  for (const Constat c : ignores) o.ignores.set(c);
  return o;
}

struct Cas {
  std::string page;
  Options options;
  std::string rapport;  // after the path line
};

TEST(ExaminerPage, ReportsThePageReadFromMemory) {
  const Cas cas[] = {
      {kPropre, options(false, false), ""},
      {kPropre, options(true, false),
       "+ Keyword [seo] appears 2 times in the list\nKeyword unused in the text : seo\n\n"},
      {"", options(false, true), "+ No <HEAD> section found\n\n"},
      // Read as the checks judge it: "\r\n" is a line end, a NUL ends the
      // line; echoed in code page 850.
      {"<html><head>\r\n<b\xE9>x</b\xE9>\0<marquee>\n"s, options(false, true),
       "   1, More than one tag : \n  <html><head>\n"
       "   2, More than one tag : \n  <b\x82>x</b\x82>\n"},
      // Ignored findings are left out and do not make the page fail, but
      // still steer the checks: the flagged line gets no unknown-tag test.
      {"<head><x>\n", options(false, true, {kPlusieursBalises}), ""},
      {kPropre, options(true, false, {kMotCleRepete}), "Keyword unused in the text : seo\n\n"},
      {kPropre, options(true, false, {kMotCleRepete, kMotCleInutilise}), ""},
      {"<meta name=\"\" content=\"\">\n", options(false, true, {kNameVide, kSansHead}), ""},
      {"<head>\n<meta name=\"\" content=\"\">\n", options(false, true, {kNameVide, kSansHead}),
       "   2, content is empty : \n  <meta name=\"\" content=\"\">\n\n"},
      // Comments come out once a line, even where that leaves a "<!": a
      // line that starts inside one is cut once, as any other.
      {"<head>\n<!-- open\nstill -->a<<!b>! <i>c\n<p>x</p>\n", options(false, true),
       "   3, Unknown tag (HTML 3.2) : \n  a<! <i>c\n   4, More than one tag : \n  <p>x</p>\n\n"},
      // pagevet-ignore comments: page-wide ones reach findings before them,
      // next-line ones the line after the comment's end only; the checks
      // still see the comment removed.
      {"<head><x>\n<!-- pagevet-ignore more-than-one-tag -->\n", options(false, true), ""},
      {"<!-- pagevet-ignore-next-line\n more-than-one-tag -->\n<head><x>\n<head><y>\n",
       options(false, true),
       "   4, More than one tag : \n  <head><y>\n+ Several <HEAD> sections found\n\n"},
      // A comment that opens on a line the classic scan already reads as inside
      // a "<!" construct, and two on one line.
      {"<head><!x\n<!-- pagevet-ignore no-head --><!-- pagevet-ignore several-heads x-y -->\n"
       "<head>\n",
       options(false, true),
       "   2, Unknown finding \"x-y\" in pagevet-ignore : \n"
       "  <!-- pagevet-ignore several-heads x-y -->\n\n"},
  };
  SortieMemoire erreurs;
  CanalMemoire inutile;
  const RapportTexte texte(Affichage::Sortie::Oem850, inutile, erreurs.Flux(), true);
  for (const Cas& c : cas) {
    FluxMemoire page(c.page);
    CanalMemoire canal;
    const auto rapport = texte.NouvellePage(canal);
    FiltreConstats filtre(c.options.ignores, *rapport);
    LecteurLignes lecteur(page.Flux());
    examinerPage("p.htm", lecteur, c.options.examen, filtre);
    EXPECT_EQ(canal.Texte(), "p.htm\n" + c.rapport) << c.page;
    EXPECT_EQ(filtre.Signalee(), !c.rapport.empty()) << c.page;
  }
  EXPECT_EQ(erreurs.Texte(), "");
}

// For tools, a finding of the whole page or of its keywords stands on the
// line of the first <head> tag, or on line 1; the text report keeps its
// "+ " lines; the filter counts each level, and a page reaches a level when
// a finding of that level or a more serious one was passed on.
TEST(ExaminerPage, PlacesPageFindingsOnTheHeadLineAndCountsLevels) {
  const struct {
    std::string page;
    bool developpe, simple;
    std::string gnu;
    int erreurs, avertissements;
  } cas[] = {
      {"", false, true, "p.htm:1: error: No <HEAD> section found [no-head]\n", 1, 0},
      // The first <head> counts, not the second, nor a </head>.
      {"<html>\n\n</head>\n<head>\n<head>\n<title>t</title>\n<body>\n", false, false,
       "p.htm:3: error: Misplaced </HEAD> tag [misplaced-head-end]\n"
       "p.htm:7: error: No </HEAD> tag before <BODY> [no-head-end-before-body]\n"
       "p.htm:4: warning: No \"Content-Type\" tag found [no-content-type]\n"
       "p.htm:4: warning: No \"Content-Language\" tag found [no-content-language]\n"
       "p.htm:4: warning: No \"DESCRIPTION\" tag found [no-description]\n"
       "p.htm:4: warning: No \"KEYWORDS\" tag found [no-keywords]\n"
       "p.htm:4: warning: No \"REPLY-TO\" tag found [no-reply-to]\n"
       "p.htm:4: warning: No \"ROBOTS\" tag found [no-robots]\n"
       "p.htm:4: error: Several <HEAD> sections found [several-heads]\n",
       3, 6},
      {kPropre, true, false,
       "p.htm:2: warning: Keyword [seo] appears 2 times in the list [keyword-repeated]\n"
       "p.htm:2: warning: Keyword unused in the text : seo [keyword-unused]\n",
       0, 2},
  };
  SortieMemoire erreurs;
  CanalMemoire inutile;
  const RapportGnu gnu(Affichage::Sortie::Utf8, inutile, erreurs.Flux());
  for (const auto& c : cas) {
    FluxMemoire page(c.page);
    CanalMemoire canal;
    const auto rapport = gnu.NouvellePage(canal);
    FiltreConstats filtre({}, *rapport);
    LecteurLignes lecteur(page.Flux());
    OptionsExamen examen;
    examen.developpe = c.developpe;
    examen.simple = c.simple;
    examinerPage("p.htm", lecteur, examen, filtre);
    EXPECT_EQ(canal.Texte(), c.gnu) << c.page;
    EXPECT_EQ(filtre.Nombre(Niveau::Erreur), c.erreurs) << c.page;
    EXPECT_EQ(filtre.Nombre(Niveau::Avertissement), c.avertissements) << c.page;
    EXPECT_EQ(filtre.Nombre(Niveau::Note), 0) << c.page;
    EXPECT_EQ(filtre.Atteint(Niveau::Erreur), c.erreurs > 0) << c.page;
    EXPECT_EQ(filtre.Atteint(Niveau::Avertissement), c.erreurs + c.avertissements > 0) << c.page;
    EXPECT_TRUE(filtre.Atteint(Niveau::Note)) << c.page;
  }
}

}  // namespace
