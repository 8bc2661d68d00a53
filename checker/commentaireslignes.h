// CommentairesLignes: the HTML comments of a page read line by line, each
// handed on whole with the lines it spans, for the page's pagevet-ignore
// comments; the classic scan removes comments its own way.
#ifndef PAGEVET_CHECKER_COMMENTAIRESLIGNES_H_
#define PAGEVET_CHECKER_COMMENTAIRESLIGNES_H_

#include <string>

#include "checker/rapportpage.h"

class CommentairesLignes {
 public:
  // A comment longer than this is kept cut: no directive is that long.
  static constexpr std::size_t kTailleMax = 64 * 1024;

  // Reads one line (as read, NUL-terminated), numero from 1, and hands each
  // comment that ends on it to rapport.Commentaire: its text between "<!--"
  // and "-->".
  void Ligne(const char* ligne, int numero, RapportPage& rapport);

  // Whether a comment started on an earlier line is still open: every line
  // must then be read.
  bool Ouvert() const { return ouvert_; }

 private:
  bool ouvert_ = false;
  int debut_ = 0;
  std::string texte_;
};

#endif  // PAGEVET_CHECKER_COMMENTAIRESLIGNES_H_
