// The scan of one page read from memory, with its exact report.
#include "checker/examen.h"

#include <gtest/gtest.h>

#include <string>

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

struct Cas {
  std::string page;
  bool developpe;
  bool simple;
  std::string rapport;
};

TEST(ExaminerPage, PrintsTheReportOfAPageReadFromMemory) {
  const Cas cas[] = {
      {kPropre, false, false, ""},
      {kPropre, true, false,
       "+ Keyword [seo] appears 2 times in the list\nKeyword unused in the text : seo\n\n"},
      {"", false, true, "+ No <HEAD> section found\n\n"},
      // Read as the checks judge it: "\r\n" is a line end, a NUL ends the
      // line; echoed in code page 850.
      {"<html><head>\r\n<b\xE9>x</b\xE9>\0<marquee>\n"s, false, true,
       "   1, More than one tag : \n  <html><head>\n"
       "   2, More than one tag : \n  <b\x82>x</b\x82>\n"},
  };
  NomsMeta nomsMeta;
  for (const Cas& c : cas) {
    FluxMemoire page(c.page);
    SortieMemoire rapport;
    LecteurLignes lecteur(page.Flux());
    const bool signale = examinerPage(lecteur, c.developpe, c.simple, nomsMeta,
                                      Affichage(Affichage::Sortie::Oem850, rapport.Flux()));
    EXPECT_EQ(rapport.Texte(), c.rapport) << c.page;
    EXPECT_EQ(signale, !c.rapport.empty()) << c.page;
  }
}

}  // namespace
