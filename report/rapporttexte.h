// RapportTexte: the checker's own report, for a person at a console: per
// page its path, each diagnostic with the line echoed, the summary lines.
#ifndef PAGEVET_REPORT_RAPPORTTEXTE_H_
#define PAGEVET_REPORT_RAPPORTTEXTE_H_

#include <cstdio>

#include "report/journalerreurs.h"
#include "report/rapport.h"
#include "foundation/affichage.h"

class RapportTexte : public Rapport {
 public:
  // jeu: the console's set, which page texts are converted to; sortie:
  // standard output; erreurs: standard error. erreurFataleSurErreurs:
  // whether the fatal error also gets its line on erreurs (not when both are
  // the same open file, where it would stand twice).
  // balises: the tag set the run judges pages by.
  RapportTexte(Affichage::Sortie jeu, Canal& sortie, std::FILE* erreurs,
               bool erreurFataleSurErreurs, JeuBalises balises = JeuBalises::Html32);

  void Debut() override {}
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  // "Across the site" before the first page, then each page's path, its
  // findings as "+ " lines, an empty line.
  void ConstatsSite(const char* chemin, const Signalement* constats, int nombre) override;
  void Erreur(const std::string& texte) override { journal_.Ecrit(texte); }
  void ErreurFatale(const MesErreur& erreur) override;
  void Fin(int) override {}

 private:
  const Affichage::Sortie jeu_;
  const JeuBalises balises_;
  const Affichage sortie_;
  JournalErreurs journal_;
  const bool erreurFataleSurErreurs_;
  bool site_ = false;  // "Across the site" was written
};

#endif  // PAGEVET_REPORT_RAPPORTTEXTE_H_
