// LecteurMots: the words of a line of page text (its tags removed), read
// where they lie: each is given as its first byte and its length, and only
// the caller copies the few it keeps.
#ifndef PAGEVET_HTML_LECTEURMOTS_H_
#define PAGEVET_HTML_LECTEURMOTS_H_

#include <cstddef>

#include "foundation/jeucaracteres.h"

// The most characters a word of a page's text holds; a longer one is a fatal
// error.
constexpr long kMaxCaracteresMot = 511;
// The room such a word takes at most, its terminator included: characters of
// up to 4 bytes each.
constexpr int kTailleMot = (kMaxCaracteresMot + 1) * 4;

class LecteurMots {
 public:
  // texte, NUL-terminated in the character set jeu, must outlive the reader.
  LecteurMots(const char* texte, JeuCaracteres jeu);

  // The next word, as it is written in the text (entities included): false
  // when no word is left. A word ends at white space, at a separator and at
  // a separating entity; any other '&' takes its entity into the word, or
  // the rest of the text when no ';' closes it. In UTF-8 a word also ends
  // at every character beyond ASCII that Unicode calls punctuation or a
  // space, and a stray byte is its Windows-1252 character. Throws MesErreur
  // when a word passes kMaxCaracteresMot characters (in UTF-8, characters, whatever
  // their bytes).
  bool Suivant(const char*& mot, std::size_t& longueur) {
    // Most words are ASCII letters, or Windows-1252 ones, between blanks:
    // read here, in the caller's loop. Anything else (an entity, a UTF-8
    // character) goes the long way, from the same place.
    const char* p = curseur_;
    unsigned char classe;
    while ((classe = classes_[static_cast<unsigned char>(*p)]) == kSepare) ++p;
    if (classe == kMot) {
      const char* const debut = p;
      do {
        ++p;
      } while ((classe = classes_[static_cast<unsigned char>(*p)]) == kMot);
      if ((classe == kSepare || classe == kFin) && p - debut <= kMaxCaracteresMot) {
        curseur_ = p;
        mot = debut;
        longueur = static_cast<std::size_t>(p - debut);
        simple_ = true;
        return true;
      }
    } else if (classe == kFin) {
      curseur_ = p;
      return false;
    }
    return SuivantLentement(mot, longueur);
  }

  // Whether no word of the n bytes at texte (NUL-terminated there) can pass
  // kMaxCaracteresMot characters, told without reading them: a word lies
  // between two blanks, but where an entity it takes in holds some. False
  // when one may: only reading it tells.
  static bool SousLaLimite(const char* texte, std::size_t n);

  // Whether the last word Suivant gave holds no entity and, on a UTF-8
  // page, only ASCII: one byte a character, folded byte by byte.
  bool Simple() const { return simple_; }

  // What each byte is to word extraction: part of a word, a separator
  // (white space or one of the separator set), a '&' (an entity, which may
  // or may not separate), the end of the text, or a byte beyond ASCII on a
  // UTF-8 page, which only the long way reads.
  enum Classe : unsigned char { kMot, kSepare, kEsperluette, kFin, kUtf8 };

 private:
  bool SuivantLentement(const char*& mot, std::size_t& longueur);
  bool SuivantUtf8(const char*& mot, std::size_t& longueur);

  const char* curseur_;
  JeuCaracteres jeu_;
  const unsigned char* classes_;  // the class of each byte, built once
  bool simple_ = false;
};

#endif  // PAGEVET_HTML_LECTEURMOTS_H_
