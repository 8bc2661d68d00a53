// The checker's diagnostics: each prints the line number and a message, then
// echoes the offending line through the page's console printer.
#ifndef PAGEVET_CHECKER_DIAGNOSTIC_H_
#define PAGEVET_CHECKER_DIAGNOSTIC_H_

#include "checker/etatfichier.h"

enum Anomalie {
  kBaliseIncomplete,
  kPlusieursBalises,
  kTitreIncomplet,
  kFormatInconnu,
  kHeadApresBody,
  kPasDeFinHead,
  kFinHeadMalPlacee,
  kFinBodyMalPlacee,
  kGuillemetsManquants,
  kBaliseInconnue,
  kHttpEquivVide,
  kNameVide,
  kContentVide,
  kPropertyVide,
  kCharsetVide,
  kNombreAnomalies
};

// Prints diagnostic `code` for the current line of etat, echoes the line
// (which carries its own line end) and sets etat.ligneSignalee. An unknown
// tag names the tag set the page is judged by.
void signalerAnomalie(EtatFichier& etat, Anomalie code);

// The one-tag rule: a line whose last tag is left open, or that opens more
// than nbPermises tags, gets its diagnostic and fails.
bool verifierTagsLigne(EtatFichier& etat, bool derniereOuverte, int nbOuvertes, int nbPermises);

#endif  // PAGEVET_CHECKER_DIAGNOSTIC_H_
