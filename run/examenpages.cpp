#include "run/examenpages.h"

#include <memory>

#include "checker/examen.h"
#include "checker/filtreconstats.h"
#include "run/atelier.h"

namespace {

// One worker's job: the format's page formatter on the worker's channel,
// behind the run's filter.
class ExamenPage : public TravailPage {
 public:
  ExamenPage(const std::vector<const char*>& chemins, const OptionsExamen& options,
             const std::bitset<kNombreConstats>& ignores, std::unique_ptr<RapportPage> format,
             Niveau seuil, BilanRun& bilan)
      : chemins_(chemins),
        options_(options),
        format_(std::move(format)),
        filtre_(ignores, *format_),
        seuil_(seuil),
        bilan_(bilan) {}

  bool Examine(std::size_t numero) override {
    examinerFichier(chemins_[numero], options_, filtre_);
    bilan_.pagesExaminees.fetch_add(1, std::memory_order_relaxed);
    if (filtre_.Signalee()) {
      bilan_.pagesSignalees.fetch_add(1, std::memory_order_relaxed);
      for (int n = 0; n < kNombreNiveaux; ++n) {
        const int nombre = filtre_.Nombre(static_cast<Niveau>(n));
        if (nombre > 0) bilan_.parNiveau[n].fetch_add(nombre, std::memory_order_relaxed);
      }
    }
    return filtre_.Atteint(seuil_);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
  const Niveau seuil_;
  BilanRun& bilan_;
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const std::vector<const char*>& chemins, const OptionsExamen& options,
                 const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                 Niveau seuil, BilanRun& bilan)
      : chemins_(chemins),
        options_(options),
        ignores_(ignores),
        rapport_(rapport),
        seuil_(seuil),
        bilan_(bilan) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(chemins_, options_, ignores_, rapport_.NouvellePage(canal),
                                        seuil_, bilan_);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
  const Niveau seuil_;
  BilanRun& bilan_;
};

}  // namespace

bool examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                   const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                   Canal& sortie, int travailleurs, Niveau seuil, BilanRun& bilan,
                   const std::function<void()>& apresPage) {
  const FabriqueExamen fabrique(chemins, options, ignores, rapport, seuil, bilan);
  return traiterPages(chemins.size(), fabrique, sortie, rapport.SeparateurPages(), travailleurs,
                      apresPage);
}
