// The checker's diagnostics: each prints the line number and a message, then
// echoes the offending line through the console printer.
#ifndef PAGEVET_CHECKER_DIAGNOSTIC_H_
#define PAGEVET_CHECKER_DIAGNOSTIC_H_

enum Anomalie {
  kBaliseIncomplete = 0,
  kPlusieursBalises = 1,
  kTitreIncomplet = 2,
  kFormatInconnu = 3,
  kHeadApresBody = 4,
  kPasDeFinHead = 5,
  kFinHeadMalPlacee = 6,
  kFinBodyMalPlacee = 7,
  kGuillemetsManquants = 8,
  kBaliseInconnue = 9,
  kHttpEquivVide = 10,
  kNameVide = 11,
  kContentVide = 12,
};

// Prints diagnostic `code` for line `numeroLigne`, echoes `ligne` (which
// carries its own line end) and sets ligneSignalee.
void signalerAnomalie(int numeroLigne, const char* ligne, Anomalie code, bool& ligneSignalee);

// The one-tag rule: a line whose last tag is left open, or that opens more
// than nbPermises tags, gets its diagnostic and fails.
bool verifierTagsLigne(int numeroLigne, const char* ligne, bool derniereOuverte,
                       int nbOuvertes, int nbPermises, bool& ligneSignalee);

#endif  // PAGEVET_CHECKER_DIAGNOSTIC_H_
