#include "run/examenpages.h"

#include <memory>

#include "checker/erreurpage.h"
#include "checker/examen.h"
#include "checker/examenmoderne.h"
#include "checker/filtreconstats.h"
#include "report/journalerreurs.h"
#include "run/atelier.h"

namespace {

// One worker's job: the format's page formatter on the worker's channel,
// behind the run's filter.
class ExamenPage : public TravailPage {
 public:
  ExamenPage(const std::vector<const char*>& chemins, const OptionsExamen& options,
             const std::bitset<kNombreConstats>& ignores, std::unique_ptr<RapportPage> format,
             std::vector<std::string>* erreurs)
      : chemins_(chemins),
        options_(options),
        format_(std::move(format)),
        filtre_(ignores, *format_),
        erreurs_(erreurs) {
    filtre_.Continuer(erreurs_ != nullptr);
  }

  bool Examine(std::size_t numero) override {
    const char* const chemin = chemins_[numero];
    try {
      if (options_.moderne) {
        examinerFichierModerne(chemin, options_, filtre_);
      } else {
        examinerFichier(chemin, options_, filtre_);
      }
    } catch (const MesErreur& erreur) {
      if (erreurs_ == nullptr) throw ErreurPage(erreur, chemin);
      // Each worker writes only its own pages' entries.
      (*erreurs_)[numero] = texteErreurFatale(erreur);
      filtre_.Echec(chemin, erreur, filtre_.PageOuverte());
    }
    return filtre_.Signalee();
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
  std::vector<std::string>* const erreurs_;
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const std::vector<const char*>& chemins, const OptionsExamen& options,
                 const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                 std::vector<std::string>* erreurs)
      : chemins_(chemins), options_(options), ignores_(ignores), rapport_(rapport), erreurs_(erreurs) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(chemins_, options_, ignores_, rapport_.NouvellePage(canal),
                                        erreurs_);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
  std::vector<std::string>* const erreurs_;
};

}  // namespace

BilanPages examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                         const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                         Canal& sortie, int travailleurs, const std::atomic<int>* arret,
                         std::vector<std::string>* erreurs) {
  if (erreurs != nullptr) erreurs->assign(chemins.size(), std::string());
  const FabriqueExamen fabrique(chemins, options, ignores, rapport, erreurs);
  return traiterPages(chemins.size(), fabrique, sortie, rapport.SeparateurPages(), travailleurs,
                      arret);
}
