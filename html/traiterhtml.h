// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time, each copied.
// The run no longer calls it (the keyword analysis reads words with
// LecteurMots in place); kept as the reference its tests check words against.
#ifndef PAGEVET_HTML_TRAITERHTML_H_
#define PAGEVET_HTML_TRAITERHTML_H_

#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"
#include "html/lecteurmots.h"

// Common base of the HTML text processors; holds nothing.
class BaseHtml {};

class TraiterHtml : public BaseHtml {
 public:
  // Copies texte (nullptr reads as the empty text), in the character set
  // jeu, and puts the cursor at its start.
  explicit TraiterHtml(const char* texte, JeuCaracteres jeu = JeuCaracteres::Windows1252);
  TraiterHtml(const TraiterHtml&) = delete;
  TraiterHtml& operator=(const TraiterHtml&) = delete;

  // Removes the tags from the line, carrying horsBalise from line to line,
  // puts the cursor back at the start and returns the new length.
  int supprimerBalises(bool& horsBalise);

  // The next word, as LecteurMots reads it, copied into the thread's word
  // buffer: valid and writable until the next call; "" when no word is
  // left. Throws MesErreur when a word passes kMaxCaracteresMot characters.
  char* motSuivant();

 private:
  String contenu;
  JeuCaracteres jeu_;
  LecteurMots mots_;  // over contenu
};

#endif  // PAGEVET_HTML_TRAITERHTML_H_
