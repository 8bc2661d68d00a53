// RapportJson: the run as one JSON document, for scripts: every examined page
// with its findings, the error lines and the exit status. Written as the run
// goes, so memory does not grow with the pages or the findings.
#ifndef PAGEVET_REPORT_RAPPORTJSON_H_
#define PAGEVET_REPORT_RAPPORTJSON_H_

#include <cstdio>

#include "report/rapportoutil.h"

class RapportJson : public RapportOutil {
 public:
  // console: the console's set, which the error lines on erreurs are
  // written in; the document on sortie is UTF-8 whatever it is.
  // balises: the tag set the run judges pages by. site: the checks across
  // the site run, and the document has their "site" key.
  RapportJson(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs,
              JeuBalises balises = JeuBalises::Html32, bool site = false)
      : RapportOutil(console, sortie, erreurs, balises), site_(site) {}

  void Debut() override;
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  const char* SeparateurPages() const override { return ","; }
  void ConstatsSite(const char* chemin, const Signalement* constats, int nombre) override;
  void Fin(int statut) override;

 private:
  const bool site_;
  bool siteOuvert_ = false;  // "site" holds a page
};

#endif  // PAGEVET_REPORT_RAPPORTJSON_H_
