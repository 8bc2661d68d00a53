// JournalErreurs: the run's error lines. Each is written at once on standard
// error as "pagevet: ...", in the console's set, and kept in UTF-8 for the
// formats that list them in their document.
#ifndef PAGEVET_REPORT_JOURNALERREURS_H_
#define PAGEVET_REPORT_JOURNALERREURS_H_

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/affichage.h"
#include "foundation/meserreur.h"

class JournalErreurs {
 public:
  // console converts the texts for flux; both stay the caller's.
  JournalErreurs(const Affichage& console, std::FILE* flux) : console_(console), flux_(flux) {}

  // texte as the program holds it: paths and masks as they are.
  void Ecrit(const std::string& texte);
  // The lines written so far, without "pagevet: ", in UTF-8.
  const std::vector<std::string>& Lignes() const { return lignes_; }

 private:
  const Affichage& console_;
  std::FILE* flux_;
  std::vector<std::string> lignes_;
};

// A fatal error as its one line says it: the message, then where it was
// raised ("... (ligne 69 de ficbase)"), after the page's path for an
// ErreurPage ("a.htm: ...").
std::string texteErreurFatale(const MesErreur& erreur);

#endif  // PAGEVET_REPORT_JOURNALERREURS_H_
