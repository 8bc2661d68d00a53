// Constant tables for reading UTF-8 pages: the characters that separate words,
// what folding does to each character, and the code page 850 code of each
// character the console can show.
#ifndef PAGEVET_FOUNDATION_TABLEUNICODE_H_
#define PAGEVET_FOUNDATION_TABLEUNICODE_H_

// A closed range of Unicode code points.
struct PlageUnicode {
  char32_t debut;
  char32_t fin;  // included
};
// The code points from U+0080 up whose Unicode general category is
// punctuation (P*) or separator (Z*), as sorted, disjoint, merged ranges
// (adjacent ranges joined), for binary search.
extern const PlageUnicode separateursUnicode[];
extern const int nombreSeparateursUnicode;
// The nonspacing marks (general category Mn), which folding drops, as
// ranges of the same kind.
extern const PlageUnicode marquesUnicode[];
extern const int nombreMarquesUnicode;

// A character from U+0080 up that folds to one other character: its simple
// lowercase mapping, canonically decomposed, the marks dropped, then o with
// stroke as o and final sigma as sigma. Sorted by point.
struct PliUnicode {
  char32_t point;
  char32_t pli;
};
extern const PliUnicode pliesUnicode[];
extern const int nombrePliesUnicode;
// The same for a character that folds to two or three (Indic vowel signs,
// musical symbols), 0 after the last. Sorted by point; neither table holds
// a mark or a Hangul syllable.
struct PliMultiple {
  char32_t point;
  char32_t pli[3];
};
extern const PliMultiple pliesMultiples[];
extern const int nombrePliesMultiples;

// The most bytes of UTF-8 a character folds to, per byte it takes: a Hangul
// syllable's three jamo, or a stray byte's Windows-1252 character.
constexpr int kOctetsPliParOctet = 3;

// One character of code page 850: its Unicode code point and its code.
struct PaireCp850 {
  char32_t point;
  unsigned char code;
};
// The 128 characters of code page 850 from 0x80 to 0xFF (Python's "cp850"
// codec), sorted by code point, for binary search.
extern const PaireCp850 tableCp850[128];

#endif  // PAGEVET_FOUNDATION_TABLEUNICODE_H_
