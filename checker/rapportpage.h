// RapportPage: what the scan of a page hands its findings to, in report
// order. The scan never prints: a filter or a format stands behind it.
#ifndef PAGEVET_CHECKER_RAPPORTPAGE_H_
#define PAGEVET_CHECKER_RAPPORTPAGE_H_

#include "checker/constat.h"
#include "foundation/jeucaracteres.h"

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

#endif  // PAGEVET_CHECKER_RAPPORTPAGE_H_
