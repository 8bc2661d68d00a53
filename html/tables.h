// Constant tables of the HTML text processing: character entities, accent
// folding, word-separating punctuation and the known HTML 3.2 tag names.
#ifndef PAGEVET_HTML_TABLES_H_
#define PAGEVET_HTML_TABLES_H_

// One named character entity, written whole from '&' to ';', and the
// Latin-1 code that replaces it. Names match case-sensitively.
struct Entite {
  const char* nom;
  unsigned char code;
};

constexpr int nombreEntites = 100;
// Tried in this order; the first whole match wins.
extern const Entite tableEntites[nombreEntites];

// The 36 entities that separate words, concatenated (231 characters).
extern const char entitesSeparatrices[232];

// The 16 punctuation characters that separate words.
extern const char ponctuation[17];

// Accent folding: accentues[i] becomes simples[i]. 56 letters each.
struct TableAccents {
  const char* accentues;
  const char* simples;
};
constexpr int nombreAccents = 56;
extern const TableAccents tableAccents;

constexpr int nombreBalises = 123;
// Lower-case HTML 3.2 tag names, closing ones with their '/', sorted in
// byte order for binary search.
extern const char* const tableBalises[nombreBalises];

#endif  // PAGEVET_HTML_TABLES_H_
