#include "checker/diagnostic.h"

void signalerAnomalie(EtatFichier& etat, Constat code) {
  // The line is flagged whatever the filter does with the finding: the
  // checks that follow on it go as they would if it were reported.
  etat.ligneSignalee = true;
  etat.rapport.Constate(signalementLigne(code, etat.numeroLigne, etat.ligne));
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
