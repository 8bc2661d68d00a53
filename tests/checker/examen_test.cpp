// The scan of one page read from memory, with its exact report.
#include "checker/examen.h"

#include <gtest/gtest.h>

#include <string>

#include "checker/filtreconstats.h"
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
      // A comment that opens on a line the design already reads as inside
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

}  // namespace
