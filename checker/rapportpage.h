// RapportPage: what the scan of a page hands its findings to, in report
// order. The scan never prints: a filter or a format stands behind it.
#ifndef PAGEVET_CHECKER_RAPPORTPAGE_H_
#define PAGEVET_CHECKER_RAPPORTPAGE_H_

#include "checker/signalement.h"
#include "foundation/jeucaracteres.h"

// The scan of a page calls Debut, then Constate for every finding, then Fin,
// or Interrompue when a fatal error cuts it short. One object serves any
// number of pages, one after the other.
class RapportPage {
 public:
  virtual ~RapportPage() = default;

  // The page is open. chemin: its path as the program writes it, with '\'
  // between directories; jeu: the set its text is read in.
  virtual void Debut(const char* chemin, JeuCaracteres jeu) = 0;
  // One finding; its texts are valid during the call only.
  virtual void Constate(const Signalement& signalement) = 0;
  // The end of the page.
  virtual void Fin() = 0;
  // A fatal error stops the page: what was written stays, nothing follows.
  virtual void Interrompue() = 0;
};

#endif  // PAGEVET_CHECKER_RAPPORTPAGE_H_
