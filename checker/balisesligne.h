// BalisesLigne: what the checks need to know of the tags of a line, found in
// a single pass over its '<' characters, in the line's own letter case.
#ifndef PAGEVET_CHECKER_BALISESLIGNE_H_
#define PAGEVET_CHECKER_BALISESLIGNE_H_

#include <cstddef>

#include "html/jeubalises.h"

class BalisesLigne {
 public:
  enum Nom { kHead, kFinHead, kBody, kFinBody, kMeta, kTitle, kFinTitle, kNombre };

  // texte, of n bytes and NUL-terminated, must outlive the object: positions
  // point into it. Tag names are read without regard to letter case. jeu
  // only decides which tags are unknown. With arretCommentaire, the reading
  // stops at a "<!" and says so (Commentaire()): the caller removes the
  // comments and reads the line again, without it.
  BalisesLigne(const char* texte, std::size_t n, JeuBalises jeu = JeuBalises::Html32,
               bool arretCommentaire = false);
  explicit BalisesLigne(const char* texte, JeuBalises jeu = JeuBalises::Html32);

  // Whether the reading stopped at a "<!" (only with arretCommentaire).
  bool Commentaire() const { return commentaire_; }

  // What chercherBalise gives for the name ("head", "/head", "body", "/body",
  // "meta", "title" or "/title") on the lower-case line, at the same offset
  // in texte, without a search each.
  const char* Position(Nom nom) const { return positions_[nom]; }

  // What compterBalises(texte, nombre) gives: the count of tags opened and
  // whether the last one is left without its '>'. A line without a '<'
  // opens none.
  int NombreBalises() const { return nombreBalises_; }
  bool DerniereOuverte() const { return derniereOuverte_; }

  // HTML 3.2: whether a '<' of the line is followed (after blanks) by a name
  // that baliseConnue does not know. HTML5: whether a '<' opens a tag, as
  // the HTML tokenizer reads one, whose name baliseHtml5Connue does not know.
  bool BaliseInconnue() const { return baliseInconnue_; }

 private:
  const char* positions_[kNombre] = {};
  int nombreBalises_ = 0;
  bool derniereOuverte_ = false;
  bool baliseInconnue_ = false;
  bool commentaire_ = false;
};

#endif  // PAGEVET_CHECKER_BALISESLIGNE_H_
