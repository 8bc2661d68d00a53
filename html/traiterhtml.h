// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time.
#ifndef PAGEVET_HTML_TRAITERHTML_H_
#define PAGEVET_HTML_TRAITERHTML_H_

#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"

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

  // The next word, in the single module buffer: valid and writable until
  // the next call; "" when no word is left. Throws MesErreur when a word
  // reaches 512 characters (of UTF-8 text, 512 characters, whatever their
  // bytes). In UTF-8 a word also ends at every character beyond ASCII that
  // Unicode calls punctuation or a space; a stray byte is its Windows-1252
  // character.
  char* motSuivant();

 private:
  char* motSuivantUtf8();

  String contenu;
  const char* curseur;  // into contenu
  JeuCaracteres jeu_;
};

#endif  // PAGEVET_HTML_TRAITERHTML_H_
