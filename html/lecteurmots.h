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
    // Most Windows-1252 words are letters between blanks: read here, in the
    // caller's loop. Anything else, an entity among it, goes the long way,
    // from the same place.
    if (jeu_ == JeuCaracteres::Windows1252) {
      const char* p = curseur_;
      unsigned char classe;
      while ((classe = classes_[static_cast<unsigned char>(*p)]) == kSepare) ++p;
      if (classe == kMot) {
        const char* const debut = p;
        do {
          ++p;
        } while ((classe = classes_[static_cast<unsigned char>(*p)]) == kMot);
        if (classe != kEsperluette && p - debut <= kMaxCaracteresMot) {
          curseur_ = p;
          mot = debut;
          longueur = static_cast<std::size_t>(p - debut);
          return true;
        }
      } else if (classe == kFin) {
        curseur_ = p;
        return false;
      }
    }
    return SuivantLentement(mot, longueur);
  }

  // What each byte is to word extraction: part of a word, a separator
  // (white space or one of the separator set), a '&' (an entity, which may
  // or may not separate), or the end of the text.
  enum Classe : unsigned char { kMot, kSepare, kEsperluette, kFin };

 private:
  bool SuivantLentement(const char*& mot, std::size_t& longueur);
  bool SuivantUtf8(const char*& mot, std::size_t& longueur);

  const char* curseur_;
  JeuCaracteres jeu_;
  const unsigned char* classes_;  // the class of each byte, built once
};

#endif  // PAGEVET_HTML_LECTEURMOTS_H_
