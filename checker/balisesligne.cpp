#include "checker/balisesligne.h"

#include <cstring>

#include "html/trthtml.h"

namespace {

bool egal(const char* nom, const char* attendu, size_t longueur) {
  return std::memcmp(nom, attendu, longueur) == 0;
}

// What follows a '<' as the HTML tokenizer reads it: a letter opens a tag,
// '/' and a letter a closing tag, whose name runs to the first blank, '/' or
// '>'; anything else makes the '<' text. Gives whether it opens a tag that
// today's HTML does not know. Kept out of line, so that the loop below keeps
// the code and registers it had for HTML 3.2 alone.
[[gnu::noinline]] bool baliseHtml5Inconnue(const char* apresChevron) {
  const char* const nom = apresChevron + (*apresChevron == '/' ? 1 : 0);
  if (!estLettre(*nom)) return false;
  return !baliseHtml5Connue(nom, std::strcspn(nom, " \t\n\v\f\r/>"));
}

}  // namespace

BalisesLigne::BalisesLigne(const char* texte, JeuBalises jeu) {
  const bool html5 = jeu == JeuBalises::Html5;
  // A tag is counted at a '<' met outside the previous counted tag, which
  // runs to the first '>' after its '<'; once a tag has no '>', no more are.
  const char* finBalise = texte;
  bool compte = true;
  // A name stands as a tag name when only blanks part it from a '<' and it
  // is a whole word: the run of word characters after the '<', and after
  // the '/' of a closing tag, must be exactly the name.
  for (const char* chevron = std::strchr(texte, '<'); chevron != nullptr;
       chevron = std::strchr(chevron + 1, '<')) {
    if (compte && chevron >= finBalise) {
      ++nombreBalises_;
      const char* const fin = std::strchr(chevron + 1, '>');
      if (fin == nullptr) {
        derniereOuverte_ = true;
        compte = false;
      } else {
        finBalise = fin;
      }
    }

    const char* const position = sauterBlancs(chevron + 1);
    if (!baliseInconnue_ &&
        (html5 ? baliseHtml5Inconnue(chevron + 1) : !baliseConnue(position))) {
      baliseInconnue_ = true;
    }
    const bool fermante = *position == '/';
    const char* const nom = position + (fermante ? 1 : 0);
    size_t longueur = 0;
    while (estCaractereMot(nom[longueur])) ++longueur;

    int trouve = -1;
    if (longueur == 4) {
      if (egal(nom, "head", 4)) {
        trouve = fermante ? kFinHead : kHead;
      } else if (egal(nom, "body", 4)) {
        trouve = fermante ? kFinBody : kBody;
      } else if (!fermante && egal(nom, "meta", 4)) {
        trouve = kMeta;
      }
    } else if (longueur == 5 && egal(nom, "title", 5)) {
      trouve = fermante ? kFinTitle : kTitle;
    }
    if (trouve >= 0 && positions_[trouve] == nullptr) positions_[trouve] = position;
  }
}
