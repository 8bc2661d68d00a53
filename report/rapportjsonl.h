// RapportJsonl: the run as JSON Lines, one object a line written as the run
// goes, for tools that read a stream: a record per page, per finding, per
// error, and a last one with the status and the counts.
#ifndef PAGEVET_REPORT_RAPPORTJSONL_H_
#define PAGEVET_REPORT_RAPPORTJSONL_H_

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
  // A finding record per site-wide finding, marked "site", after the pages'.
  void ConstatsSite(const char* chemin, const Signalement* constats, int nombre) override;
  void Totaux(long pages, long constats) override {
    pages_ = pages;
    constats_ = constats;
  }
  void Fin(int statut) override;

 private:
  void EcritErreur();

  long pages_ = 0;
  long constats_ = 0;
};

#endif  // PAGEVET_REPORT_RAPPORTJSONL_H_
