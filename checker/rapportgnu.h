// RapportGnu: one line per finding, as compilers write their messages, for
// editors, grep and CI annotations: "PATH:LINE: MESSAGE [ID]".
#ifndef PAGEVET_CHECKER_RAPPORTGNU_H_
#define PAGEVET_CHECKER_RAPPORTGNU_H_

#include <cstdio>

#include "checker/rapportoutil.h"

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
  void Fin(int) override {}
};

// A program path ("news\index.htm") as the host writes it ("news/index.htm").
std::string cheminAvecBarres(const char* chemin);

#endif  // PAGEVET_CHECKER_RAPPORTGNU_H_
