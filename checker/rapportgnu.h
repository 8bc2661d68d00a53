// RapportGnu: one line per finding, as compilers write their messages, for
// editors, grep and CI annotations: "PATH:LINE: MESSAGE [ID]".
#ifndef PAGEVET_CHECKER_RAPPORTGNU_H_
#define PAGEVET_CHECKER_RAPPORTGNU_H_

#include <cstdio>

#include "checker/journalerreurs.h"
#include "checker/rapport.h"
#include "foundation/affichage.h"

class RapportGnu : public Rapport {
 public:
  // jeu: the console's set, which the lines are written in; sortie:
  // standard output; erreurs: standard error, which gets every error line.
  // balises: the tag set the run judges pages by.
  RapportGnu(Affichage::Sortie jeu, Canal& sortie, std::FILE* erreurs,
             JeuBalises balises = JeuBalises::Html32)
      : jeu_(jeu), balises_(balises), console_(jeu, sortie), journal_(console_, erreurs) {}

  void Debut() override {}
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  void Erreur(const std::string& texte) override { journal_.Ecrit(texte); }
  void ErreurFatale(const MesErreur& erreur) override { journal_.Ecrit(texteErreurFatale(erreur)); }
  void Fin(int) override {}

 private:
  const Affichage::Sortie jeu_;
  const JeuBalises balises_;
  const Affichage console_;  // converts the error lines
  JournalErreurs journal_;
};

// A program path ("news\index.htm") as the host writes it ("news/index.htm").
std::string cheminAvecBarres(const char* chemin);

#endif  // PAGEVET_CHECKER_RAPPORTGNU_H_
