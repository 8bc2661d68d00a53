#include "run/examenpages.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "checker/erreurpage.h"
#include "checker/examen.h"
#include "checker/examenmoderne.h"
#include "checker/filtreconstats.h"
#include "report/journalerreurs.h"

namespace {

// What one page passed on, kept by its worker until the writer counts it
// (the scheduler's handover of the page orders the two).
struct ComptesPage {
  bool commencee = false;
  int parNiveau[kNombreNiveaux] = {};
};

// What the workers hand the writer: each page's counts until its turn
// (no more pages than the workers may be ahead), and the failed pages.
struct Partage {
  std::mutex mutex;  // guards comptes and the run's erreurs
  std::unordered_map<std::size_t, ComptesPage> comptes;
};

// One worker's job: the format's page formatter on the worker's channel,
// behind the run's filter.
class ExamenPage : public TravailPage {
 public:
  ExamenPage(const OptionsExamen& options, const std::bitset<kNombreConstats>& ignores,
             std::unique_ptr<RapportPage> format, const ConduitePages& conduite, Partage& partage)
      : options_(options),
        format_(std::move(format)),
        filtre_(ignores, *format_),
        conduite_(conduite),
        partage_(partage) {
    filtre_.Continuer(conduite_.erreurs != nullptr);
  }

  bool Examine(std::size_t numero, const std::string& page) override {
    const char* const chemin = page.c_str();
    filtre_.Oublie();
    try {
      Examiner(numero, chemin);
    } catch (const MesErreur& erreur) {
      if (conduite_.erreurs == nullptr) {
        Garde(numero);
        throw ErreurPage(erreur, chemin);
      }
      {
        const std::lock_guard<std::mutex> verrou(partage_.mutex);
        conduite_.erreurs->push_back(EchecPage{numero, page, texteErreurFatale(erreur)});
      }
      filtre_.Echec(chemin, erreur, filtre_.PageOuverte());
    } catch (...) {
      Garde(numero);
      throw;
    }
    Garde(numero);
    return filtre_.Atteint(conduite_.seuil);
  }

 private:
  void Examiner(std::size_t numero, const char* chemin) {
    if (!options_.moderne) {
      examinerFichier(chemin, options_, filtre_);
      return;
    }
    if (conduite_.site == nullptr) {
      examinerFichierModerne(chemin, options_, filtre_);
      return;
    }
    FicheSite fiche;
    examinerFichierModerne(chemin, options_, filtre_, &fiche);
    conduite_.site->Depose(numero, std::move(fiche));
  }

  void Garde(std::size_t numero) {
    ComptesPage page;
    page.commencee = filtre_.Commencee();
    for (int n = 0; n < kNombreNiveaux; ++n) {
      page.parNiveau[n] = filtre_.Nombre(static_cast<Niveau>(n));
    }
    const std::lock_guard<std::mutex> verrou(partage_.mutex);
    partage_.comptes[numero] = page;
  }

  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
  const ConduitePages& conduite_;
  Partage& partage_;
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const OptionsExamen& options, const std::bitset<kNombreConstats>& ignores,
                 const Rapport& rapport, const ConduitePages& conduite, Partage& partage)
      : options_(options),
        ignores_(ignores),
        rapport_(rapport),
        conduite_(conduite),
        partage_(partage) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(options_, ignores_, rapport_.NouvellePage(canal),
                                        conduite_, partage_);
  }

 private:
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
  const ConduitePages& conduite_;
  Partage& partage_;
};

}  // namespace

BilanPages examinerPages(SourcePages& source, const OptionsExamen& options,
                         const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                         Canal& sortie, const ConduitePages& conduite, BilanRun& bilan) {
  if (conduite.erreurs != nullptr) conduite.erreurs->clear();
  Partage partage;
  const FabriqueExamen fabrique(options, ignores, rapport, conduite, partage);
  // Only the pages written count: not those a worker examined after a page
  // that ended the run. The site judge gets the records in the same order.
  const auto apres = [&](std::size_t numero) {
    ComptesPage page;
    {
      const std::lock_guard<std::mutex> verrou(partage.mutex);
      const auto trouve = partage.comptes.find(numero);
      if (trouve != partage.comptes.end()) {
        page = trouve->second;
        partage.comptes.erase(trouve);
      }
    }
    if (page.commencee) bilan.pagesExaminees.fetch_add(1, std::memory_order_relaxed);
    long total = 0;
    for (int n = 0; n < kNombreNiveaux; ++n) {
      total += page.parNiveau[n];
      bilan.parNiveau[n].fetch_add(page.parNiveau[n], std::memory_order_relaxed);
    }
    if (total > 0) bilan.pagesSignalees.fetch_add(1, std::memory_order_relaxed);
    if (conduite.site != nullptr) conduite.site->Remet(numero);
    if (conduite.apresPage) conduite.apresPage();
  };
  const auto ordonner = [&conduite] {
    if (conduite.erreurs == nullptr) return;
    std::sort(conduite.erreurs->begin(), conduite.erreurs->end(),
              [](const EchecPage& a, const EchecPage& b) { return a.numero < b.numero; });
  };
  try {
    const BilanPages pages = traiterPages(source, fabrique, sortie, rapport.SeparateurPages(),
                                          conduite.travailleurs, conduite.arret, apres);
    ordonner();
    return pages;
  } catch (...) {
    ordonner();
    throw;
  }
}
