// The two character sets a page can be read in, Windows-1252 and UTF-8: which
// one a page is in, decoding UTF-8, and what each character is to the words.
#ifndef PAGEVET_FOUNDATION_JEUCARACTERES_H_
#define PAGEVET_FOUNDATION_JEUCARACTERES_H_

#include <cstddef>
#include <string>

enum class JeuCaracteres {
  Windows1252,  // one byte, one character
  Utf8,         // UTF-8; a byte that is not part of valid UTF-8 is Windows-1252
};

// The length of the valid UTF-8 sequence of two to four bytes at p (no
// overlong form, no surrogate, nothing above U+10FFFF), 0 when there is
// none. p is NUL-terminated, or holds at least `reste` bytes.
std::size_t longueurUtf8(const char* p, std::size_t reste = 4);

// The code point of the valid sequence of `longueur` bytes at p.
char32_t decoderUtf8(const char* p, std::size_t longueur);

// Appends the UTF-8 form of point.
void ajouterUtf8(char32_t point, std::string& sortie);
// Writes the UTF-8 form of point at destination; gives its length (1 to 4).
std::size_t ecrireUtf8(char32_t point, char* destination);

// The character of a Windows-1252 byte; U+FFFD for the five undefined ones
// (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t unicodeDe1252(unsigned char octet);
// The Windows-1252 byte of a character, or -1 when Windows-1252 lacks it.
int octet1252(char32_t point);

// Whether a character beyond ASCII is punctuation or a space to Unicode
// (general categories P and Z); false for ASCII.
bool estSeparateurUnicode(char32_t point);

// The form a character takes when words are compared: its simple lowercase
// mapping, canonically decomposed (NFD, Hangul syllables into their jamo)
// with the nonspacing marks (Mn) dropped, then o with stroke as o and final
// sigma as sigma. Writes its 0 to 3 characters to pli and gives their count.
int plierCaractere(char32_t point, char32_t pli[3]);

// The code page 850 code of a character, or -1 when code page 850 lacks it.
int codeCp850(char32_t point);

// One character of a UTF-8 page's text, NUL-terminated at p: its code point
// for a valid sequence, or the Windows-1252 byte it stands for otherwise
// (octet >= 0, point its character); gives the bytes it covers.
struct CaractereUtf8 {
  char32_t point;
  int octet;  // the byte of an invalid sequence, read as Windows-1252; -1 otherwise
  std::size_t longueur;
};
CaractereUtf8 lireCaractere(const char* p);

// The characters of the n bytes at p: n in Windows-1252; in UTF-8, a valid
// sequence is one, and so is a stray byte.
std::size_t compterCaracteres(const char* p, std::size_t n, JeuCaracteres jeu);

// How many of the n bytes at p, from the first, are ASCII: eight at a time
// where they can be, as most text is.
std::size_t prefixeAscii(const char* p, std::size_t n);

// Appends the UTF-8 form of a text in the set jeu: in Windows-1252, each
// byte's character; in UTF-8, the text as it is but for its stray bytes,
// each read as Windows-1252. The result is always valid UTF-8.
void ajouterEnUtf8(const char* texte, JeuCaracteres jeu, std::string& sortie);

// Whether a text is valid UTF-8 with at least one sequence of two bytes or
// more: how a file name tells that it is written in UTF-8.
bool estTexteUtf8(const char* texte);

// The set a file name is written in: UTF-8 when estTexteUtf8 says so (most
// Linux names are), Windows-1252 otherwise.
inline JeuCaracteres jeuDuNom(const char* nom) {
  return estTexteUtf8(nom) ? JeuCaracteres::Utf8 : JeuCaracteres::Windows1252;
}

// The character set of a page, from its first bytes, in the order of the HTML
// standard: a UTF-8 byte order mark; else a declaration in the first 1024
// bytes (declarationjeu.h); else UTF-8 when the first 64 KiB are valid UTF-8
// holding one sequence of two bytes or more, a sequence cut by the end of a
// longer page aside; else Windows-1252. The byte order mark (marque: 3, or 0
// when there is none) is no part of the text. debut holds the first n bytes;
// complet tells that they are the whole page.
struct DecisionJeu {
  JeuCaracteres jeu;
  std::size_t marque;
};
DecisionJeu deciderJeu(const char* debut, std::size_t n, bool complet);

#endif  // PAGEVET_FOUNDATION_JEUCARACTERES_H_
