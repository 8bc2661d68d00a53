// The progress line and the closing count: when the line is written, what it
// says, that it is erased, and the count's words.
#include "run/progression.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/memoire.h"

namespace {

using std::chrono::milliseconds;

void compter(BilanRun& bilan, long trouvees, long examinees, long signalees, long e, long a,
             long n) {
  bilan.pagesTrouvees = trouvees;
  bilan.pagesExaminees = examinees;
  bilan.pagesSignalees = signalees;
  bilan.parNiveau[0] = e;
  bilan.parNiveau[1] = a;
  bilan.parNiveau[2] = n;
}

TEST(Progression, WritesAfterASecondAtMostTenTimesASecondThenErases) {
  SortieMemoire flux;
  BilanRun bilan;
  compter(bilan, 530, 12, 3, 1, 4, 0);
  const Progression::Horloge::time_point t0{};
  {
    Progression progression(flux.Flux(), bilan, t0);
    // Each step: the time of a page written, and what the stream then holds.
    const struct {
      int ms;
      std::string apres;
    } pas[] = {
        {0, ""},
        {999, ""},
        {1000, "\rpagevet: 12/530 pages, 5 findings\033[K"},
        {1050, "\rpagevet: 12/530 pages, 5 findings\033[K"},
        {1100, "\rpagevet: 12/530 pages, 5 findings\033[K\rpagevet: 13/530 pages, 5 findings\033[K"},
        // While the walk still finds pages, their count says so.
        {1200, "\rpagevet: 12/530 pages, 5 findings\033[K\rpagevet: 13/530 pages, 5 findings\033[K"
               "\rpagevet: 13/530+ pages, 5 findings\033[K"},
    };
    for (const auto& p : pas) {
      if (p.ms == 1100) bilan.pagesExaminees = 13;
      if (p.ms == 1200) bilan.parcoursEnCours = true;
      progression.Avance(t0 + milliseconds(p.ms));
      EXPECT_EQ(flux.Texte(), p.apres) << p.ms;
    }
  }
  // The line is erased when the progression ends, once.
  EXPECT_EQ(flux.Texte().substr(flux.Texte().size() - 4), "\r\033[K");
}

TEST(Progression, WritesNothingWithoutATerminalOrBeforeTheFirstSecond) {
  SortieMemoire flux;
  BilanRun bilan;
  const Progression::Horloge::time_point t0{};
  {
    Progression rien(nullptr, bilan, t0);
    rien.Avance(t0 + milliseconds(5000));
    Progression court(flux.Flux(), bilan, t0);
    court.Avance(t0 + milliseconds(900));
    court.Efface();
  }
  EXPECT_EQ(flux.Texte(), "");
}

TEST(BilanRun, SaysTheCountsWithTheirWords) {
  const struct {
    long examinees, signalees, e, a, n;
    std::string texte;
  } cas[] = {
      {0, 0, 0, 0, 0,
       "0 pages examined, 0 with findings, 0 findings (0 errors, 0 warnings, 0 notes)"},
      {1, 1, 1, 0, 0, "1 page examined, 1 with findings, 1 finding (1 error, 0 warnings, 0 notes)"},
      {530, 12, 7, 1, 1,
       "530 pages examined, 12 with findings, 9 findings (7 errors, 1 warning, 1 note)"},
  };
  for (const auto& c : cas) {
    BilanRun bilan;
    compter(bilan, c.examinees, c.examinees, c.signalees, c.e, c.a, c.n);
    EXPECT_EQ(texteBilan(bilan), c.texte);
    EXPECT_EQ(bilan.Constats(), c.e + c.a + c.n);
  }
}

}  // namespace
