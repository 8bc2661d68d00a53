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
  // site: where the page's record goes, or nullptr.
  ExamenPage(const std::vector<const char*>& chemins, const OptionsExamen& options,
             const std::bitset<kNombreConstats>& ignores, std::unique_ptr<RapportPage> format,
             CollecteSite* site)
      : chemins_(chemins),
        options_(options),
        format_(std::move(format)),
        filtre_(ignores, *format_),
        site_(site) {}

  bool Examine(std::size_t numero) override {
    examinerFichier(chemins_[numero], options_, filtre_);
    return filtre_.Signalee();
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
  CollecteSite* const site_;
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const std::vector<const char*>& chemins, const OptionsExamen& options,
                 const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                 CollecteSite* site)
      : chemins_(chemins), options_(options), ignores_(ignores), rapport_(rapport), site_(site) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(chemins_, options_, ignores_, rapport_.NouvellePage(canal),
                                        site_);
  }

  // The judge gets the pages' records in report order.
  void Ecrite(std::size_t numero) const override {
    if (site_ != nullptr) site_->Remet(numero);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
  CollecteSite* const site_;
};

}  // namespace

bool examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                   const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                   Canal& sortie, int travailleurs, CollecteSite* site) {
  const FabriqueExamen fabrique(chemins, options, ignores, rapport, site);
  return traiterPages(chemins.size(), fabrique, sortie, rapport.SeparateurPages(), travailleurs);
}
