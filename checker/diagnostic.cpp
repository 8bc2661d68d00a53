#include "checker/diagnostic.h"

void signalerAnomalie(EtatFichier& etat, Constat code) {
  // An ignored finding still flags the line: the checks that follow on it
  // go as they would if it had been reported.
  etat.ligneSignalee = true;
  if (etat.options.Ignore(code)) return;
  etat.rapport.Diagnostic(etat.numeroLigne, code, etat.ligne);
  etat.ligneRapportee = true;
}

bool verifierTagsLigne(EtatFichier& etat, bool derniereOuverte, int nbOuvertes, int nbPermises) {
  if (derniereOuverte) {
    signalerAnomalie(etat, kBaliseIncomplete);
    return false;
  }
  if (nbOuvertes > nbPermises) {
    signalerAnomalie(etat, kPlusieursBalises);
    return false;
  }
  return true;
}
