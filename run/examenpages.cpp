#include "run/examenpages.h"

#include <memory>
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

// One worker's job: the format's page formatter on the worker's channel,
// behind the run's filter.
class ExamenPage : public TravailPage {
 public:
  ExamenPage(const std::vector<const char*>& chemins, const OptionsExamen& options,
             const std::bitset<kNombreConstats>& ignores, std::unique_ptr<RapportPage> format,
             const ConduitePages& conduite, std::vector<ComptesPage>& comptes)
      : chemins_(chemins),
        options_(options),
        format_(std::move(format)),
        filtre_(ignores, *format_),
        conduite_(conduite),
        comptes_(comptes) {
    filtre_.Continuer(conduite_.erreurs != nullptr);
  }

  bool Examine(std::size_t numero) override {
    const char* const chemin = chemins_[numero];
    filtre_.Oublie();
    try {
      Examiner(numero, chemin);
    } catch (const MesErreur& erreur) {
      if (conduite_.erreurs == nullptr) {
        Garde(numero);
        throw ErreurPage(erreur, chemin);
      }
      // Each worker writes only its own pages' entries.
      (*conduite_.erreurs)[numero] = texteErreurFatale(erreur);
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
    ComptesPage& page = comptes_[numero];
    page.commencee = filtre_.Commencee();
    for (int n = 0; n < kNombreNiveaux; ++n) {
      page.parNiveau[n] = filtre_.Nombre(static_cast<Niveau>(n));
    }
  }

  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::unique_ptr<RapportPage> format_;
  FiltreConstats filtre_;
  const ConduitePages& conduite_;
  std::vector<ComptesPage>& comptes_;
};

class FabriqueExamen : public FabriqueTravail {
 public:
  FabriqueExamen(const std::vector<const char*>& chemins, const OptionsExamen& options,
                 const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                 const ConduitePages& conduite, std::vector<ComptesPage>& comptes)
      : chemins_(chemins),
        options_(options),
        ignores_(ignores),
        rapport_(rapport),
        conduite_(conduite),
        comptes_(comptes) {}

  std::unique_ptr<TravailPage> Nouveau(Canal& canal) const override {
    return std::make_unique<ExamenPage>(chemins_, options_, ignores_, rapport_.NouvellePage(canal),
                                        conduite_, comptes_);
  }

 private:
  const std::vector<const char*>& chemins_;
  const OptionsExamen& options_;
  const std::bitset<kNombreConstats>& ignores_;
  const Rapport& rapport_;
  const ConduitePages& conduite_;
  std::vector<ComptesPage>& comptes_;
};

}  // namespace

BilanPages examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                         const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                         Canal& sortie, const ConduitePages& conduite, BilanRun& bilan) {
  if (conduite.erreurs != nullptr) conduite.erreurs->assign(chemins.size(), std::string());
  std::vector<ComptesPage> comptes(chemins.size());
  const FabriqueExamen fabrique(chemins, options, ignores, rapport, conduite, comptes);
  // Only the pages written count: not those a worker examined after a page
  // that ended the run. The site judge gets the records in the same order.
  const auto apres = [&](std::size_t numero) {
    const ComptesPage& page = comptes[numero];
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
  return traiterPages(chemins.size(), fabrique, sortie, rapport.SeparateurPages(),
                      conduite.travailleurs, conduite.arret, apres);
}
