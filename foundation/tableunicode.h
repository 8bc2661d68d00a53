// Constant tables for reading UTF-8 pages: the characters that separate words
// and the code page 850 code of each character the console can show.
#ifndef PAGEVET_FOUNDATION_TABLEUNICODE_H_
#define PAGEVET_FOUNDATION_TABLEUNICODE_H_

// A closed range of Unicode code points.
struct PlageUnicode {
  char32_t debut;
  char32_t fin;  // included
};
// The code points that Windows-1252 cannot write and whose Unicode general
// category is punctuation (P*) or separator (Z*), as sorted, disjoint,
// merged ranges (adjacent ranges joined), for binary search.
extern const PlageUnicode separateursUnicode[];
extern const int nombreSeparateursUnicode;

// One character of code page 850: its Unicode code point and its code.
struct PaireCp850 {
  char32_t point;
  unsigned char code;
};
// The 128 characters of code page 850 from 0x80 to 0xFF (Python's "cp850"
// codec), sorted by code point, for binary search.
extern const PaireCp850 tableCp850[128];

#endif  // PAGEVET_FOUNDATION_TABLEUNICODE_H_
