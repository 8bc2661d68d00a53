// Rapport: the run's report, one implementation per format, and the run's
// exit statuses. Each format decides how findings look.
#ifndef PAGEVET_REPORT_RAPPORT_H_
#define PAGEVET_REPORT_RAPPORT_H_

#include <memory>
#include <string>

#include "checker/rapportpage.h"
#include "foundation/canal.h"
#include "foundation/jeucaracteres.h"
#include "foundation/meserreur.h"

// The exit statuses, the worst of the run winning.
constexpr int kStatutSucces = 0;   // help or version printed, or every page passed
constexpr int kStatutSignale = 1;  // some page had something to report
constexpr int kStatutEchec = 2;    // the run could not do its whole job

// One run's report: the pages' findings in the order of the sorted paths,
// then the run's errors and its exit status.
class Rapport {
 public:
  virtual ~Rapport() = default;

  // Before anything else is written.
  virtual void Debut() = 0;
  // A formatter for pages whose report goes to canal, which must outlive
  // it; one formatter serves any number of pages, one after the other.
  virtual std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const = 0;
  // What stands between the reports of two pages that both wrote something.
  virtual const char* SeparateurPages() const { return ""; }
  // The findings that compare pages with one another, known once every page
  // was read: called after the last page, for each page that has some, in
  // report order, and never after a fatal error. chemin as Debut of
  // RapportPage gets it. The formats that list none write nothing.
  virtual void ConstatsSite(const char* /*chemin*/, const Signalement* /*constats*/,
                            int /*nombre*/) {}
  // An error of the run, as the program writes it (paths as they are); it
  // gets a line on standard error.
  virtual void Erreur(const std::string& texte) = 0;
  // An error of the page chemin (as the user typed it) that did not end the
  // run (--keep-going): texte is what texteErreurFatale says. By default, an
  // error of the run naming the page.
  virtual void ErreurPage(const std::string& chemin, const std::string& texte) {
    Erreur(chemin + ": " + texte);
  }
  // The fatal error that ends the run, after the page it cut short.
  virtual void ErreurFatale(const MesErreur& erreur) = 0;
  // What the run's report holds, given before Fin: the pages begun and the
  // findings written.
  virtual void Totaux(long /*pages*/, long /*constats*/) {}
  // The run is over and ends with statut.
  virtual void Fin(int statut) = 0;
};

#endif  // PAGEVET_REPORT_RAPPORT_H_
