// The checker's line diagnostics: each flags the current line and hands the
// finding, with the line, to the page's report.
#ifndef PAGEVET_CHECKER_DIAGNOSTIC_H_
#define PAGEVET_CHECKER_DIAGNOSTIC_H_

#include "checker/constat.h"
#include "checker/etatfichier.h"

// Diagnostic `code` (a line diagnostic) for the current line of etat: sets
// etat.ligneSignalee, and reports it.
void signalerAnomalie(EtatFichier& etat, Constat code);

// The one-tag rule: a line whose last tag is left open, or that opens more
// than nbPermises tags, gets its diagnostic and fails.
bool verifierTagsLigne(EtatFichier& etat, bool derniereOuverte, int nbOuvertes, int nbPermises);

#endif  // PAGEVET_CHECKER_DIAGNOSTIC_H_
