// BalisesLigne: what the checks need to know of the tags of a lower-case
// line, found in a single pass over the line's '<' characters.
#ifndef PAGEVET_CHECKER_BALISESLIGNE_H_
#define PAGEVET_CHECKER_BALISESLIGNE_H_

#include "html/jeubalises.h"

class BalisesLigne {
 public:
  enum Nom { kHead, kFinHead, kBody, kFinBody, kMeta, kTitle, kFinTitle, kNombre };

  // texte must outlive the object: positions point into it. jeu only
  // decides which tags are unknown.
  explicit BalisesLigne(const char* texte, JeuBalises jeu = JeuBalises::Html32);

  // What chercherBalise(texte, name) gives for the name ("head", "/head",
  // "body", "/body", "meta", "title" or "/title"), without a search each.
  const char* Position(Nom nom) const { return positions_[nom]; }

  // What compterBalises(texte, nombre) gives: the count of tags opened and
  // whether the last one is left without its '>'.
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
};

#endif  // PAGEVET_CHECKER_BALISESLIGNE_H_
