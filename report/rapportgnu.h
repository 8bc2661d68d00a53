// RapportGnu: one line per finding, as compilers write their messages, for
// editors, grep and CI annotations: "PATH:LINE: LEVEL: MESSAGE [ID]".
#ifndef PAGEVET_REPORT_RAPPORTGNU_H_
#define PAGEVET_REPORT_RAPPORTGNU_H_

#include <cstdio>

#include "report/rapportoutil.h"

class RapportGnu : public RapportOutil {
 public:
  // jeu: the console's set, which the lines are written in; sortie:
  // standard output; erreurs: standard error, which gets every error line.
  // balises: the tag set the run judges pages by.
  RapportGnu(Affichage::Sortie jeu, Canal& sortie, std::FILE* erreurs,
             JeuBalises balises = JeuBalises::Html32)
      : RapportOutil(jeu, sortie, erreurs, balises) {}

  void Debut() override {}
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  // A line per finding, as a page's.
  void ConstatsSite(const char* chemin, const Signalement* constats, int nombre) override;
  void Fin(int) override {}
};

#endif  // PAGEVET_REPORT_RAPPORTGNU_H_
