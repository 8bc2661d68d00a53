// ConstatModerne: a finding of the --modern scan held until the page is read,
// owning its texts, so that the page's findings are reported in order.
#ifndef PAGEVET_CHECKER_CONSTATMODERNE_H_
#define PAGEVET_CHECKER_CONSTATMODERNE_H_

#include <string>

#include "checker/signalement.h"

struct ConstatModerne {
  explicit ConstatModerne(Constat c) : constat(c) {}

  Constat constat;
  int ligne = 1;
  int colonne = 1;
  std::string source;      // the tag as written, in the page's set, with a line end
  bool aValeur = false;
  std::string valeur;      // UTF-8
  std::string suggestion;  // UTF-8; empty: none
  int compte = 0;
  long nombre = 0;
  long limite = 0;

  // The finding as the formats take it; valid while this value is.
  Signalement EnSignalement() const {
    Signalement s{constat};
    s.ligne = ligne;
    s.colonne = colonne;
    if (estDiagnosticLigne(constat)) s.texte = source.c_str();
    s.compte = compte;
    s.nombre = nombre;
    s.limite = limite;
    if (aValeur) s.valeur = valeur.c_str();
    if (!suggestion.empty()) s.suggestion = suggestion.c_str();
    s.utf8 = true;
    return s;
  }
};

#endif  // PAGEVET_CHECKER_CONSTATMODERNE_H_
