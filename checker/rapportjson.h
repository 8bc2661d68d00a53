// RapportJson: the run as one JSON document, for scripts: every examined page
// with its findings, the error lines and the exit status. Written as the run
// goes, so memory does not grow with the pages or the findings.
#ifndef PAGEVET_CHECKER_RAPPORTJSON_H_
#define PAGEVET_CHECKER_RAPPORTJSON_H_

#include <cstdio>

#include "checker/journalerreurs.h"
#include "checker/rapport.h"
#include "foundation/affichage.h"

class RapportJson : public Rapport {
 public:
  // console: the console's set, which the error lines on erreurs are
  // written in; the document on sortie is UTF-8 whatever it is.
  // balises: the tag set the run judges pages by.
  RapportJson(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs,
              JeuBalises balises = JeuBalises::Html32);

  void Debut() override;
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  const char* SeparateurPages() const override { return ","; }
  void Erreur(const std::string& texte) override { journal_.Ecrit(texte); }
  void ErreurFatale(const MesErreur& erreur) override { journal_.Ecrit(texteErreurFatale(erreur)); }
  void Fin(int statut) override;

 private:
  const Affichage console_;
  Canal& sortie_;
  JournalErreurs journal_;
  const JeuBalises balises_;
};

#endif  // PAGEVET_CHECKER_RAPPORTJSON_H_
