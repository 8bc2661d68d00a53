// RapportPage: what the scan of a page hands its findings to, in report
// order. The scan never prints: a filter or a format stands behind it.
#ifndef PAGEVET_CHECKER_RAPPORTPAGE_H_
#define PAGEVET_CHECKER_RAPPORTPAGE_H_

#include <new>
#include <string_view>

#include "checker/signalement.h"
#include "foundation/meserreur.h"
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

  // One HTML comment of the page, its text between "<!--" and "-->", from
  // line ligneDebut to line ligneFin; valid during the call only. Handed on
  // as the scan meets it, before the findings of its last line.
  virtual void Commentaire(std::string_view /*texte*/, int /*ligneDebut*/, int /*ligneFin*/) {}
  // --keep-going: the page ends with erreur and the run goes on. Called in
  // place of Interrompue after Debut when the page was opened (commencee),
  // alone when it could not be. By default, Interrompue when it was.
  virtual void Echec(const char* /*chemin*/, const MesErreur& /*erreur*/, bool commencee) {
    if (commencee) Interrompue();
  }
};

// Runs scan, the scan of a page that rapport has seen open, and ends the
// page: with Fin, or with Interrompue when a fatal error or memory running
// out cuts it short, which then goes on.
template <class Scan>
void examinerJusquAuBout(RapportPage& rapport, Scan&& scan) {
  try {
    scan();
  } catch (const MesErreur&) {
    rapport.Interrompue();
    throw;
  } catch (const std::bad_alloc&) {
    rapport.Interrompue();
    throw;
  }
  rapport.Fin();
}

#endif  // PAGEVET_CHECKER_RAPPORTPAGE_H_
