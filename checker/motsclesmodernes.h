// MotsClesModernes: the keyword analysis ("/d") of a page read by --modern:
// the keywords of the head's first keywords meta-tag, matched by the words
// of the page's text as the HTML reader gives it (UTF-8, references decoded).
#ifndef PAGEVET_CHECKER_MOTSCLESMODERNES_H_
#define PAGEVET_CHECKER_MOTSCLESMODERNES_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checker/motcle.h"
#include "checker/rapportpage.h"
#include "foundation/ensemblemots.h"
#include "foundation/vecteur.h"

class MotsClesModernes {
 public:
  // Reads the keyword list (a content value, UTF-8): split at ',' and
  // trimmed as the classic scan reads it; a keyword of more than 254 characters
  // matches no word. Words read before it are matched now.
  void Lit(std::string_view contenu);

  // A run of the page's text; separe: a tag stands before it, so that no
  // word joins across it.
  void Texte(const char* texte, std::size_t n, bool separe);
  // The end of the text.
  void Finir();

  // Reports the repeated keywords, then the unused ones (texts in UTF-8).
  void Rapporte(RapportPage& rapport) const;

 private:
  void FinirMot();
  void Noter(const std::string& mot);

  bool lus_ = false;
  Vecteur<MotCle> motsCles_;
  Vecteur<int32_t> ordre_;
  EnsembleMots motsVus_;
  std::vector<std::string> enAttente_;  // distinct words read before the list

  std::string incomplet_;  // a character cut at the end of the last run
  std::string mot_;        // the word being read
  std::size_t caracteres_ = 0;  // its characters, even past those kept
};

#endif  // PAGEVET_CHECKER_MOTSCLESMODERNES_H_
