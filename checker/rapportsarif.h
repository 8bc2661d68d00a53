// RapportSarif: the run as one SARIF 2.1.0 log, for code-scanning services:
// the rules (every finding's id), one result per finding, the invocation.
#ifndef PAGEVET_CHECKER_RAPPORTSARIF_H_
#define PAGEVET_CHECKER_RAPPORTSARIF_H_

#include <cstdio>
#include <string>

#include "checker/journalerreurs.h"
#include "checker/rapport.h"
#include "foundation/affichage.h"

class RapportSarif : public Rapport {
 public:
  // console: the console's set, which the error lines on erreurs are
  // written in; the log on sortie is UTF-8 whatever it is. repertoire: the
  // directory the pages' paths are relative to, as the host names it.
  // balises: the tag set the run judges pages by.
  RapportSarif(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs,
               const std::string& repertoire, JeuBalises balises = JeuBalises::Html32);

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
  const std::string repertoire_;
  const JeuBalises balises_;
};

// A UTF-8 path as a URI reference: every byte but the unreserved characters
// of RFC 3986 and '/' percent-encoded.
std::string encoderUri(const std::string& chemin);

#endif  // PAGEVET_CHECKER_RAPPORTSARIF_H_
