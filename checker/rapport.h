// The report: what the scan hands its findings to. One implementation per
// format; the scan never prints, and each format decides how findings look.
#ifndef PAGEVET_CHECKER_RAPPORT_H_
#define PAGEVET_CHECKER_RAPPORT_H_

#include <memory>
#include <string>

#include "checker/constat.h"
#include "foundation/canal.h"
#include "foundation/jeucaracteres.h"
#include "foundation/meserreur.h"

// The findings of one page, written as they come, in report order. The scan
// of a page calls Debut, then the findings it does not ignore, then Fin, or
// Interrompue when a fatal error cuts it short.
class RapportPage {
 public:
  virtual ~RapportPage() = default;

  // The page is open. chemin: its path as the program writes it, with '\'
  // between directories; jeu: the set its text is read in.
  virtual void Debut(const char* chemin, JeuCaracteres jeu) = 0;
  // A line diagnostic; ligne is the line as read (comments removed), with
  // its own line end when it had one.
  virtual void Diagnostic(int numero, Constat constat, const char* ligne) = 0;
  // A summary finding; compte is the count that outside-head reports.
  virtual void Resume(Constat constat, int compte) = 0;
  // A keyword written fois times in the list.
  virtual void MotCleRepete(const char* motCle, int fois) = 0;
  // The keywords no word of the text matched, in list order (nombre >= 1).
  virtual void MotsClesInutilises(const char* const* motsCles, int nombre) = 0;
  // The end of the page; signalee tells whether any finding was given.
  virtual void Fin(bool signalee) = 0;
  // A fatal error stops the page: what was written stays, nothing follows.
  virtual void Interrompue() = 0;
};

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
  // An error of the run, as the program writes it (paths as they are); it
  // gets a line on standard error.
  virtual void Erreur(const std::string& texte) = 0;
  // The fatal error that ends the run, after the page it cut short.
  virtual void ErreurFatale(const MesErreur& erreur) = 0;
  // The run is over and ends with statut.
  virtual void Fin(int statut) = 0;
};

#endif  // PAGEVET_CHECKER_RAPPORT_H_
