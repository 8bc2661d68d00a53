// RapportOutil: what the reports for tools (gnu, json, sarif) share: every
// error line goes to standard error, the fatal error's too, and is kept in
// UTF-8 for a document that lists them.
#ifndef PAGEVET_REPORT_RAPPORTOUTIL_H_
#define PAGEVET_REPORT_RAPPORTOUTIL_H_

#include <cstdio>
#include <string>

#include "report/journalerreurs.h"
#include "report/rapport.h"
#include "foundation/affichage.h"

class RapportOutil : public Rapport {
 public:
  void Erreur(const std::string& texte) override { journal_.Ecrit(texte); }
  void ErreurFatale(const MesErreur& erreur) override { journal_.Ecrit(texteErreurFatale(erreur)); }

 protected:
  // console: the console's set, which the error lines on erreurs are written
  // in; sortie: standard output; balises: the tag set the run judges pages
  // by. All stay the caller's.
  RapportOutil(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs, JeuBalises balises)
      : jeuConsole_(console),
        console_(console, sortie),
        sortie_(sortie),
        journal_(console_, erreurs),
        balises_(balises) {}

  Affichage::Sortie JeuConsole() const { return jeuConsole_; }
  Canal& Sortie() const { return sortie_; }
  const JournalErreurs& Journal() const { return journal_; }
  JeuBalises Balises() const { return balises_; }

 private:
  const Affichage::Sortie jeuConsole_;
  const Affichage console_;  // converts the error lines
  Canal& sortie_;
  JournalErreurs journal_;
  const JeuBalises balises_;
};

#endif  // PAGEVET_REPORT_RAPPORTOUTIL_H_
