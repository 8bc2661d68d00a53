// RapportJsonl: the run as JSON Lines, one object a line written as the run
// goes, for tools that read a stream: a record per page, per finding, per
// error, and a last one with the status and the counts.
#ifndef PAGEVET_REPORT_RAPPORTJSONL_H_
#define PAGEVET_REPORT_RAPPORTJSONL_H_

#include <atomic>
#include <cstdio>
#include <string>

#include "report/rapportoutil.h"

class RapportJsonl : public RapportOutil {
 public:
  // console: the console's set, which the error lines on erreurs are
  // written in; the records on sortie are UTF-8 whatever it is.
  // balises: the tag set the run judges pages by.
  RapportJsonl(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs,
               JeuBalises balises = JeuBalises::Html32)
      : RapportOutil(console, sortie, erreurs, balises) {}

  void Debut() override {}
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  // The error gets its line on standard error and its record at once.
  void Erreur(const std::string& texte) override;
  void ErreurFatale(const MesErreur& erreur) override;
  void Fin(int statut) override;

  // What the pages of every worker counted.
  struct Comptes {
    std::atomic<long> fichiers{0};
    std::atomic<long> constats{0};
  };

 private:
  void EcritErreur();

  mutable Comptes comptes_;
};

#endif  // PAGEVET_REPORT_RAPPORTJSONL_H_
