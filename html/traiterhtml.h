// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time, each copied.
#ifndef PAGEVET_HTML_TRAITERHTML_H_
#define PAGEVET_HTML_TRAITERHTML_H_

#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"
#include "html/lecteurmots.h"

// The room a word from motSuivant takes at most, its terminator included:
// 511 characters of up to 4 bytes each.
constexpr int kTailleMot = 512 * 4;

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
  // left. Throws MesErreur when a word reaches 512 characters.
  char* motSuivant();

 private:
  String contenu;
  JeuCaracteres jeu_;
  LecteurMots mots_;  // over contenu
};

#endif  // PAGEVET_HTML_TRAITERHTML_H_
