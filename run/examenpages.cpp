#include "run/examenpages.h"

#include <memory>

#include "checker/examen.h"
#include "checker/examenmoderne.h"
#include "checker/filtreconstats.h"
#include "run/atelier.h"

namespace {

// One worker's job: the format's page formatter on the worker's channel,
// behind the run's filter.
class ExamenPage : public TravailPage {
 public:
  ExamenPage(const std::vector<const char*>& chemins, const OptionsExamen& options,
             const std::bitset<kNombreConstats>& ignores, std::unique_ptr<RapportPage> format)
      : chemins_(chemins), options_(options), format_(std::move(format)), filtre_(ignores, *format_) {}

  bool Examine(std::size_t numero) override {
    if (options_.moderne) {
      examinerFichierModerne(chemins_[numero], options_, filtre_);
    } else {
      examinerFichier(chemins_[numero], options_, filtre_);
    }
    return filtre_.Signalee();
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const std::vector<const char*>& chemins, const OptionsExamen& options,
                 const std::bitset<kNombreConstats>& ignores, const Rapport& rapport)
      : chemins_(chemins), options_(options), ignores_(ignores), rapport_(rapport) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(chemins_, options_, ignores_, rapport_.NouvellePage(canal));
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
};

}  // namespace

bool examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                   const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                   Canal& sortie, int travailleurs) {
  const FabriqueExamen fabrique(chemins, options, ignores, rapport);
  return traiterPages(chemins.size(), fabrique, sortie, rapport.SeparateurPages(), travailleurs);
}
