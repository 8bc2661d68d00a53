// Character-level and line-level HTML text operations: entity decoding,
// accent folding, word separators, whole-word search and tag handling.
#ifndef PAGEVET_HTML_TRTHTML_H_
#define PAGEVET_HTML_TRTHTML_H_

#include <cstddef>
#include <cstdint>

#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"
#include "foundation/tableunicode.h"
#include "html/indexnoms.h"

// All texts are NUL-terminated: single-byte Windows-1252 text unless an
// operation takes a character set. Operations that change a text do it in
// place and never lengthen it, but for the folding of UTF-8 text, which
// writes elsewhere. nullptr as a returned position means "no position".

// Replaces numeric references (&#N; with 1 to 3 digits, N modulo 256) and the
// named entities of tableEntites by their Windows-1252 character, written in
// the text's character set. A decoded 0 ends the text. Returns texte.
char* decoderEntites(char* texte, JeuCaracteres jeu = JeuCaracteres::Windows1252);

// Folds the accented letters of tableAccents to plain letters, then lowers
// 'A'-'Z', in Windows-1252 text. Returns texte.
char* supprimerAccents(char* texte);

// What supprimerAccents makes of each byte value, indexed by unsigned char:
// 256 entries, none 0 but the first. On ASCII it is the lowering that
// plierUtf8 applies too.
const char* tablePli();

// The folding of UTF-8 text, which may lengthen it: each character folded
// by plierCaractere (lower case, accents and other marks dropped), a stray
// byte as its Windows-1252 character, the five bytes Windows-1252 leaves
// undefined kept as they are. pli receives the result and holds
// kOctetsPliParOctet bytes per byte of texte, and one more. Returns pli.
char* plierUtf8(const char* texte, char* pli);

// The form in which words and keywords are compared: texte folded in place
// by supprimerAccents in Windows-1252, into pli by plierUtf8 in UTF-8.
const char* reduire(char* texte, JeuCaracteres jeu, char* pli);

// position points at a '&'. Tells whether the entity written there separates
// words; longueur receives the number of characters it covers (at most 26,
// never past the end of the text). Anything but a '&' at position answers
// false with length 0.
bool estEntiteSeparatrice(const char* position, int& longueur);

// Membership in the 52 word separators; false for the terminator.
bool estSeparateur(char c);

// The same membership for every byte value, indexed by unsigned char: 256
// entries, for loops that test many characters.
const bool* tableSeparateurs();

// Letters, digits, '_' and '-' make up whole words.
inline bool estCaractereMot(char c) {
  return estLettre(c) || estChiffre(c) || c == '_' || c == '-';
}

// The 52 word separators in their defining order, built on first use.
const char* texteSeparateurs();

// First position at or after position that is not white space.
const char* sauterBlancs(const char* position);

// Moves back from position while it is after borne and on white space.
const char* reculerBlancs(const char* position, const char* borne);

// Copies at most n characters of source, pads with terminators up to index n
// included (destination must hold n + 1 characters). Returns destination.
char* copierN(char* destination, const char* source, int n);

// Occurrences of c in texte.
int compterCaractere(const char* texte, char c);

// First whole-word occurrence of cherche at or after debut. Word characters
// are letters, digits, '_' and '-'; debut and the text end are boundaries.
const char* chercherMot(const char* debut, const char* cherche);

// Number of whole-word occurrences of cherche in texte; premier receives the
// first of them, or nullptr.
int compterMot(const char* texte, const char* cherche, const char*& premier);

// First '<' directly followed by '!'.
const char* chercherCommentaire(const char* texte);

// First '<' of texte, or nullptr when there is none or it opens a "<!".
const char* premiereBalise(const char* texte);

// Removes the "<!...>" constructs of ligne, carrying an unclosed one over to
// the next line through dansCommentaire. Returns the new length.
int supprimerCommentaires(char* ligne, bool& dansCommentaire);

// The run no longer calls this: retirerBalisesLigne does it in one walk; kept
// as the reference its tests check it against.
// Writes source without its tags into destination (at least as large as
// source; may be source itself), carrying horsBalise from line to line.
// Returns the length written.
int retirerBalises(bool& horsBalise, const char* source, char* destination);

// The tags of one line of page text, of n bytes, removed in place as
// retirerBalises removes them, horsBalise carried from line to line; a line
// outside any tag whose first '<' opens a "<!" is left whole. Returns the
// new length.
int retirerBalisesLigne(char* texte, size_t n, bool& horsBalise);

// The run no longer calls the next three: BalisesLigne reads the same in one
// pass; kept as the reference its tests and the fuzz harness check it against.
// nombre receives the count of tags opened in texte; answers whether the last
// one is left without its '>'.
bool compterBalises(const char* texte, int& nombre);

// Position of nom where it stands as a tag name right after a '<' (white
// space allowed between), or nullptr.
const char* chercherBalise(const char* texte, const char* nom);

// Whether the run of '/', letters and digits starting at position is one of
// tableBalises (case-sensitive).
bool baliseConnue(const char* position);

// Whether the longueur characters at nom are exactly one of tableBalises
// (lower case; closing forms such as "/title" are names of their own).
bool nomBaliseConnu(const char* nom, size_t longueur);
// The index of tableBalises, for a caller that looks up many names.
const IndexNoms& indexBalises();

// Whether the tag name of longueur characters at nom is known to today's
// HTML: one of tableBalisesHtml5 (case-sensitive), or a custom element,
// whose name holds a '-'.
bool baliseHtml5Connue(const char* nom, size_t longueur);

#endif  // PAGEVET_HTML_TRTHTML_H_
