// MotsClesPage: the keyword analysis ("/d") of one page: the keywords of its
// first keywords meta-tag, the words of its text seen so far, and the tag
// state the word reader carries from line to line.
#ifndef PAGEVET_CHECKER_MOTSCLESPAGE_H_
#define PAGEVET_CHECKER_MOTSCLESPAGE_H_

#include <cstddef>

#include "checker/motscles.h"

class MotsClesPage {
 public:
  // Whether the keywords meta-tag has been read.
  bool Lus() const { return lus_; }

  // Reads the keywords between the quotes ouvre and ferme (see lireMotsCles).
  void Lit(const char* ouvre, const char* ferme, JeuCaracteres jeu) {
    lus_ = true;
    lireMotsCles(ouvre, ferme, motsCles_, jeu);
    ordonnerMotsCles(motsCles_, ordre_);
  }

  // Marks the keywords the words of a line match (see noterMotsLigne).
  void NoteLigne(char* ligne, std::size_t longueur, JeuCaracteres jeu) {
    noterMotsLigne(ligne, longueur, horsBalise_, lus_, motsCles_, ordre_, motsVus_, jeu);
  }

  // Reports the repeated keywords, then the unused ones.
  void Rapporte(RapportPage& rapport) const { rapporterMotsCles(motsCles_, rapport); }

 private:
  bool horsBalise_ = true;
  bool lus_ = false;
  Vecteur<MotCle> motsCles_;
  Vecteur<int32_t> ordre_;  // motsCles_ by reduced form
  EnsembleMots motsVus_;    // the page's distinct words, as written
};

#endif  // PAGEVET_CHECKER_MOTSCLESPAGE_H_
