// The scheduler driven by a fake page job: pages that take random times,
// write nothing or more than a worker holds, a fatal error at page k and an
// output that fails give the same bytes and the same error whatever the
// number of workers; so do pages from a source that does not know its
// end, the walk among them. Labelled "jobs": it runs under ThreadSanitizer too.
#include "run/atelier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>

#include "run/collectesite.h"
#include "run/sourceparcours.h"
#include "tests/files/arbre.h"

namespace {

struct Plan {
  std::size_t pages;
  std::size_t fatale;      // the page that fails halfway; >= pages: none
  std::size_t grande;      // the page that writes more than 1 MiB; >= pages: none
  std::size_t sortieMax;   // bytes the output takes before it fails; 0: no limit
};

// What page i writes, whole: nothing for one page in four, else a few lines.
std::string texte(const Plan& plan, std::size_t i) {
  if (i % 4 == 1) return "";
  std::string t;
  const std::size_t lignes = i == plan.grande ? 40000 : 1 + i % 7;
  for (std::size_t l = 0; l < lignes; ++l) {
    t += "page " + std::to_string(i) + " line " + std::to_string(l) + " ..........\n";
  }
  return t;
}

// A stop asked while page `page` is examined.
struct Arret {
  std::size_t page;
  std::atomic<int>* drapeau;
};

class TravailFaux : public TravailPage {
 public:
  TravailFaux(const Plan& plan, Canal& canal, const Arret& arret)
      : plan_(plan), canal_(canal), arret_(arret) {}

  bool Examine(std::size_t i, const std::string& /*chemin*/) override {
    if (arret_.drapeau != nullptr && i == arret_.page) arret_.drapeau->store(15);
    std::mt19937 hasard(static_cast<unsigned>(i * 7919));
    std::this_thread::sleep_for(std::chrono::microseconds(hasard() % 500));
    const std::string t = texte(plan_, i);
    // Written in pieces, as a format writes a page.
    const std::size_t moitie = i == plan_.fatale ? t.size() / 2 : t.size();
    for (std::size_t p = 0; p < moitie; p += 100) {
      canal_.Ecrit(t.data() + p, std::min<std::size_t>(100, moitie - p));
    }
    if (i == plan_.fatale) throw std::runtime_error("fatal at page " + std::to_string(i));
    return i % 3 == 0;
  }

 private:
  const Plan& plan_;
  Canal& canal_;
  const Arret& arret_;
};

// Its first `refus` jobs cannot be made.
class FabriqueFausse : public FabriqueTravail {
 public:
  explicit FabriqueFausse(const Plan& plan, int refus = 0, Arret arret = {0, nullptr})
      : plan_(plan), refus_(refus), arret_(arret) {}
  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    if (faits_++ < refus_) throw std::runtime_error("no job");
    return std::make_unique<TravailFaux>(plan_, canal, arret_);
  }

 private:
  const Plan& plan_;
  const int refus_;
  const Arret arret_;
  mutable std::atomic<int> faits_{0};
};

// Keeps what it is given, up to max bytes, as a disk that fills up: a
// write that does not fit keeps what fits and fails.
class SortieBornee : public Canal {
 public:
  explicit SortieBornee(std::size_t max) : max_(max) {}
  void Ecrit(const char* octets, std::size_t n) override {
    if (max_ > 0 && texte_.size() + n > max_) {
      texte_.append(octets, max_ - texte_.size());
      throw std::runtime_error("output full");
    }
    texte_.append(octets, n);
  }
  const std::string& Texte() const { return texte_; }

 private:
  const std::size_t max_;
  std::string texte_;
};

class CanalMemoireSimple : public Canal {
 public:
  void Ecrit(const char* octets, std::size_t n) override { texte.append(octets, n); }
  std::string texte;
};

struct Issue {
  std::string octets;
  std::string erreur;
  bool signalee = false;
};

Issue executer(const Plan& plan, int travailleurs) {
  const FabriqueFausse fabrique(plan);
  SortieBornee sortie(plan.sortieMax);
  Issue issue;
  try {
    issue.signalee = traiterPages(plan.pages, fabrique, sortie, "|", travailleurs).signalee;
  } catch (const std::runtime_error& erreur) {
    issue.erreur = erreur.what();
  }
  issue.octets = sortie.Texte();
  return issue;
}

// What one page after the other writes, without threads.
std::string attendu(const Plan& plan) {
  std::string octets;
  for (std::size_t i = 0; i < plan.pages && i <= plan.fatale; ++i) {
    std::string t = texte(plan, i);
    if (i == plan.fatale) t.resize(t.size() / 2 / 100 * 100 + (t.size() / 2) % 100);
    if (t.empty()) continue;
    if (!octets.empty()) octets += '|';
    octets += t;
  }
  return octets;
}

TEST(Atelier, SameBytesAndErrorWhateverTheNumberOfWorkers) {
  constexpr std::size_t kAucune = ~std::size_t{0};
  const Plan plans[] = {
      {300, kAucune, kAucune, 0},
      {1, kAucune, kAucune, 0},
      {0, kAucune, kAucune, 0},
      {300, 137, kAucune, 0},
      {300, 0, kAucune, 0},
      {200, kAucune, 11, 0},   // a report past 1 MiB
      {200, 150, 11, 0},
      {200, 11, 11, 0},        // the large page is the one that fails
      {200, kAucune, 11, 200000},  // the output fails inside the large page
      {300, kAucune, kAucune, 5000},
  };
  for (const Plan& plan : plans) {
    const std::string octets = attendu(plan);
    const std::string trace = std::to_string(plan.pages) + " pages, fatal " +
                              std::to_string(plan.fatale) + ", output " +
                              std::to_string(plan.sortieMax);
    const Issue seul = executer(plan, 1);
    if (plan.sortieMax == 0) {
      EXPECT_EQ(seul.octets, octets) << trace;
      EXPECT_EQ(seul.erreur,
                plan.fatale < plan.pages ? "fatal at page " + std::to_string(plan.fatale) : "")
          << trace;
    } else {
      EXPECT_EQ(seul.erreur, "output full") << trace;
      EXPECT_EQ(seul.octets, octets.substr(0, plan.sortieMax)) << trace;
    }
    if (seul.erreur.empty()) {
      EXPECT_EQ(seul.signalee, plan.pages > 0) << trace;
    }
    for (const int travailleurs : {2, 8}) {
      const Issue issue = executer(plan, travailleurs);
      EXPECT_EQ(issue.octets, seul.octets) << trace << ", " << travailleurs << " workers";
      EXPECT_EQ(issue.erreur, seul.erreur) << trace << ", " << travailleurs << " workers";
      EXPECT_EQ(issue.signalee, seul.signalee) << trace << ", " << travailleurs << " workers";
    }
  }
}

// Workers whose job cannot be made are done without: the same bytes from
// fewer workers, or from the calling thread when none has its job.
TEST(Atelier, WorkersThatCannotStartLeaveFewer) {
  constexpr std::size_t kAucune = ~std::size_t{0};
  const Plan plan{200, kAucune, 11, 0};
  const std::string octets = attendu(plan);
  struct Cas {
    int travailleurs, refus, partis;
  };
  for (const Cas& cas : {Cas{2, 1, 1}, Cas{8, 1, 7}, Cas{8, 5, 3}, Cas{2, 2, 0}, Cas{8, 8, 0}}) {
    const FabriqueFausse fabrique(plan, cas.refus);
    SortieBornee sortie(0);
    const BilanPages bilan = traiterPages(plan.pages, fabrique, sortie, "|", cas.travailleurs);
    const std::string trace = std::to_string(cas.refus) + " of " + std::to_string(cas.travailleurs);
    EXPECT_EQ(sortie.Texte(), octets) << trace;
    EXPECT_EQ(bilan.travailleurs, cas.partis) << trace;
    EXPECT_EQ(bilan.raisonDemarrage, "no job") << trace;
    EXPECT_TRUE(bilan.signalee) << trace;
  }
}

// A stop asked during page k: no page is started after it, and the output
// ends after a whole page, page k at the latest (exactly page k on one
// thread); a page written straight through is written whole.
TEST(Atelier, StopsBetweenPages) {
  constexpr std::size_t kAucune = ~std::size_t{0};
  for (const std::size_t grande : {kAucune, std::size_t{40}}) {
    const Plan plan{200, kAucune, grande, 0};
    for (const std::size_t page : {std::size_t{0}, std::size_t{40}, std::size_t{120}}) {
      for (const int travailleurs : {1, 2, 8}) {
        std::atomic<int> drapeau{0};
        const FabriqueFausse fabrique(plan, 0, Arret{page, &drapeau});
        SortieBornee sortie(0);
        const BilanPages bilan = traiterPages(plan.pages, fabrique, sortie, "|", travailleurs,
                                              &drapeau);
        const std::string trace = "stop at " + std::to_string(page) + ", " +
                                  std::to_string(travailleurs) + " workers, large " +
                                  std::to_string(grande);
        EXPECT_TRUE(bilan.arretee) << trace;
        // The whole pages 0 to n - 1 for some n <= page + 1.
        bool entier = false;
        std::size_t ecrites = 0;
        for (std::size_t n = 0; n <= page + 1 && !entier; ++n) {
          Plan partie = plan;
          partie.pages = n;
          entier = sortie.Texte() == attendu(partie);
          ecrites = n;
        }
        EXPECT_TRUE(entier) << trace;
        if (travailleurs == 1) {
          EXPECT_EQ(ecrites, page + 1) << trace;
        }
      }
    }
  }
}

// Pages whose job leaves a record for the site judge, one in five leaving
// none (a page the scan could not read), and a fatal error at page fatale.
class FabriqueSite : public FabriqueTravail {
 public:
  FabriqueSite(CollecteSite& site, std::size_t fatale) : site_(site), fatale_(fatale) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<Travail>(site_, canal, fatale_);
  }

 private:
  class Travail : public TravailPage {
   public:
    Travail(CollecteSite& site, Canal& canal, std::size_t fatale)
        : site_(site), canal_(canal), fatale_(fatale) {}
    bool Examine(std::size_t i, const std::string& /*chemin*/) override {
      std::mt19937 hasard(static_cast<unsigned>(i * 104729));
      std::this_thread::sleep_for(std::chrono::microseconds(hasard() % 300));
      if (i == fatale_) throw std::runtime_error("fatal");
      canal_.Ecrit("x", 1);
      if (i % 5 == 4) return false;
      FicheSite fiche;
      fiche.chemin = "p" + std::to_string(i) + ".html";
      fiche.aTitre = true;
      fiche.titre = ElementSite{"title " + std::to_string(i % 7), 1, 1};
      site_.Depose(i, std::move(fiche));
      return false;
    }

   private:
    CollecteSite& site_;
    Canal& canal_;
    const std::size_t fatale_;
  };

  CollecteSite& site_;
  const std::size_t fatale_;
};

// Every finding as "path>first page", in the order they come.
class Suite : public RapportPage {
 public:
  void Debut(const char* chemin, JeuCaracteres) override { chemin_ = chemin; }
  void Constate(const Signalement& s) override { texte += chemin_ + ">" + s.page + " "; }
  void Fin() override {}
  void Interrompue() override {}
  std::string texte;

 private:
  std::string chemin_;
};

TEST(Atelier, SiteRecordsReachTheJudgeInPageOrderWhateverTheNumberOfWorkers) {
  constexpr std::size_t kPages = 400;
  for (const std::size_t fatale : {kPages, std::size_t{150}}) {
    std::string seul;
    for (const int travailleurs : {1, 2, 8}) {
      JugeSite juge{AdresseSite("")};
      CollecteSite site(juge);
      const FabriqueSite fabrique(site, fatale);
      CanalMemoireSimple sortie;
      try {
        traiterPages(kPages, fabrique, sortie, "", travailleurs, nullptr,
                     [&site](std::size_t numero) { site.Remet(numero); });
      } catch (const std::runtime_error&) {
      }
      // Every page before the fatal one, none after it; 4 in 5 left one.
      EXPECT_EQ(juge.NombrePages(), std::min(kPages, fatale) / 5 * 4) << travailleurs;
      Suite suite;
      juge.Rapporte(suite);
      if (travailleurs == 1) {
        seul = suite.texte;
        // The first pages of their title are p0 to p6, each met first.
        EXPECT_EQ(seul.substr(0, 20), "p7.html>p0.html p8.h") << seul.substr(0, 40);
      }
      EXPECT_EQ(suite.texte, seul) << travailleurs;
    }
  }
}

}  // namespace

namespace {

// A source that does not know its end, as the walk does: pages p0 to
// p(n - 1), each after a random pause, and an error in place of page
// `panne` (>= n: none).
class SourceLente : public SourcePages {
 public:
  SourceLente(std::size_t nombre, std::size_t panne) : nombre_(nombre), panne_(panne) {}

 protected:
  bool Prochaine(std::string& chemin) override {
    std::mt19937 hasard(static_cast<unsigned>(prochain_ * 31));
    std::this_thread::sleep_for(std::chrono::microseconds(hasard() % 200));
    if (prochain_ == panne_) throw std::runtime_error("walk failed");
    if (prochain_ >= nombre_) return false;
    chemin = "p" + std::to_string(prochain_++);
    return true;
  }

 private:
  const std::size_t nombre_;
  const std::size_t panne_;
  std::size_t prochain_ = 0;
};

// Writes each page's path and number; page `fatale` fails.
class FabriqueChemins : public FabriqueTravail {
 public:
  explicit FabriqueChemins(std::size_t fatale) : fatale_(fatale) {}
  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<Travail>(canal, fatale_);
  }

 private:
  class Travail : public TravailPage {
   public:
    Travail(Canal& canal, std::size_t fatale) : canal_(canal), fatale_(fatale) {}
    bool Examine(std::size_t i, const std::string& chemin) override {
      std::mt19937 hasard(static_cast<unsigned>(i * 7));
      std::this_thread::sleep_for(std::chrono::microseconds(hasard() % 300));
      const std::string ligne = chemin + "=" + std::to_string(i) + "\n";
      canal_.Ecrit(ligne.data(), ligne.size());
      if (i == fatale_) throw std::runtime_error("fatal");
      return false;
    }

   private:
    Canal& canal_;
    const std::size_t fatale_;
  };
  const std::size_t fatale_;
};

TEST(Atelier, PagesFromASourceWithoutKnownEndComeInTheirOrder) {
  constexpr std::size_t kAucune = ~std::size_t{0};
  struct Cas {
    std::size_t pages, panne, fatale;
    std::size_t ecrites;  // the pages written
    const char* erreur;   // thrown by traiterPages, or by Relance
  };
  const Cas cas[] = {
      {300, kAucune, kAucune, 300, ""},
      {0, kAucune, kAucune, 0, ""},
      {1, kAucune, kAucune, 1, ""},
      {300, 120, kAucune, 120, "walk failed"},
      {300, kAucune, 77, 78, "fatal"},
  };
  for (const Cas& c : cas) {
    for (const int travailleurs : {1, 2, 8}) {
      SourceLente source(c.pages, c.panne);
      const FabriqueChemins fabrique(c.fatale);
      CanalMemoireSimple sortie;
      std::size_t apres = 0;
      std::string erreur;
      try {
        traiterPages(source, fabrique, sortie, "", travailleurs, nullptr,
                     [&apres](std::size_t numero) { EXPECT_EQ(numero, apres++); });
        source.Relance();
      } catch (const std::runtime_error& e) {
        erreur = e.what();
      }
      std::string attendu;
      for (std::size_t i = 0; i < c.ecrites; ++i) {
        attendu += "p" + std::to_string(i) + "=" + std::to_string(i) + "\n";
      }
      const std::string trace = std::to_string(c.pages) + " pages, " +
                                std::to_string(travailleurs) + " workers";
      EXPECT_EQ(sortie.texte, attendu) << trace;
      EXPECT_EQ(apres, c.ecrites) << trace;
      EXPECT_EQ(erreur, c.erreur) << trace;
    }
  }
}

// The walk as a source: the tree's pages in report order, counted as found.
TEST(Atelier, WalkHandsItsPagesToTheWorkersInReportOrder) {
  RepertoireTemporaire temporaire;
  std::vector<std::string> chemins;
  for (int d = 0; d < 12; ++d) {
    for (int f = 0; f < 9; ++f) {
      const std::string rep = "d" + std::to_string(d % 4) + "/e" + std::to_string(d);
      creerFichier(rep + "/p" + std::to_string(f) + ".htm");
      creerFichier(rep + "/p" + std::to_string(f) + ".txt");
    }
  }
  creerFichier("a.htm");
  creerFichier("d1.htm");
  std::string attendu;
  {
    ParcoursUnique parcours({"*.htm"}, true);
    std::size_t i = 0;
    for (std::string chemin; parcours.Suivante(chemin);) chemins.push_back(chemin);
    for (const std::string& chemin : chemins) attendu += chemin + "=" + std::to_string(i++) + "\n";
  }
  ASSERT_EQ(chemins.size(), 12u * 9 + 2);
  EXPECT_TRUE(std::is_sorted(chemins.begin(), chemins.end()));
  for (const int travailleurs : {1, 2, 8}) {
    ParcoursUnique parcours({"*.htm"}, true);
    BilanRun bilan;
    SourceParcours source(parcours, bilan);
    ASSERT_TRUE(source.Amorce());
    const FabriqueChemins fabrique(~std::size_t{0});
    CanalMemoireSimple sortie;
    traiterPages(source, fabrique, sortie, "", travailleurs);
    EXPECT_EQ(sortie.texte, attendu) << travailleurs;
    EXPECT_EQ(bilan.pagesTrouvees.load(), static_cast<long>(chemins.size())) << travailleurs;
    EXPECT_FALSE(bilan.parcoursEnCours.load()) << travailleurs;
  }
}

}  // namespace
