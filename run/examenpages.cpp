#include "run/examenpages.h"

#include <memory>
#include <vector>

#include "checker/examen.h"
#include "checker/filtreconstats.h"
#include "run/atelier.h"

namespace {

// What one page passed on, kept by its worker until the writer counts it
// (the scheduler's handover of the page orders the two).
struct ComptesPage {
  bool commencee = false;
  int parNiveau[kNombreNiveaux] = {};
};

// One worker's job: the format's page formatter on the worker's channel,
// behind the run's filter.
class ExamenPage : public TravailPage {
 public:
  ExamenPage(const std::vector<const char*>& chemins, const OptionsExamen& options,
             const std::bitset<kNombreConstats>& ignores, std::unique_ptr<RapportPage> format,
             Niveau seuil, std::vector<ComptesPage>& comptes)
      : chemins_(chemins),
        options_(options),
        format_(std::move(format)),
        filtre_(ignores, *format_),
        seuil_(seuil),
        comptes_(comptes) {}

  bool Examine(std::size_t numero) override {
    filtre_.Oublie();
    try {
      examinerFichier(chemins_[numero], options_, filtre_);
    } catch (...) {
      Garde(numero);
      throw;
    }
    Garde(numero);
    return filtre_.Atteint(seuil_);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
  const Niveau seuil_;
  std::vector<ComptesPage>& comptes_;

  void Garde(std::size_t numero) {
    ComptesPage& page = comptes_[numero];
    page.commencee = filtre_.Commencee();
    for (int n = 0; n < kNombreNiveaux; ++n) page.parNiveau[n] = filtre_.Nombre(static_cast<Niveau>(n));
  }
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const std::vector<const char*>& chemins, const OptionsExamen& options,
                 const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                 Niveau seuil, std::vector<ComptesPage>& comptes)
      : chemins_(chemins),
        options_(options),
        ignores_(ignores),
        rapport_(rapport),
        seuil_(seuil),
        comptes_(comptes) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(chemins_, options_, ignores_, rapport_.NouvellePage(canal),
                                        seuil_, comptes_);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
  const Niveau seuil_;
  std::vector<ComptesPage>& comptes_;
};

}  // namespace

bool examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                   const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                   Canal& sortie, int travailleurs, Niveau seuil, BilanRun& bilan,
                   const std::function<void()>& apresPage) {
  std::vector<ComptesPage> comptes(chemins.size());
  const FabriqueExamen fabrique(chemins, options, ignores, rapport, seuil, comptes);
  // Only the pages written count: not those a worker examined after a page
  // that ended the run.
  const auto compter = [&](std::size_t numero) {
    const ComptesPage& page = comptes[numero];
    if (page.commencee) bilan.pagesExaminees.fetch_add(1, std::memory_order_relaxed);
    long total = 0;
    for (int n = 0; n < kNombreNiveaux; ++n) {
      total += page.parNiveau[n];
      bilan.parNiveau[n].fetch_add(page.parNiveau[n], std::memory_order_relaxed);
    }
    if (total > 0) bilan.pagesSignalees.fetch_add(1, std::memory_order_relaxed);
    if (apresPage) apresPage();
  };
  return traiterPages(chemins.size(), fabrique, sortie, rapport.SeparateurPages(), travailleurs,
                      compter);
}
