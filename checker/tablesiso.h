// The ISO codes that language tags name, from Debian's iso-codes: each table
// is its sorted lower-case codes of one width laid end to end, for binary search.
#ifndef PAGEVET_CHECKER_TABLESISO_H_
#define PAGEVET_CHECKER_TABLESISO_H_

// ISO 639-1: the two-letter language codes.
constexpr int kNombreLanguesIso639Deux = 185;
extern const char languesIso639Deux[];
// ISO 639-2 (terminological and bibliographic) and ISO 639-3: the
// three-letter language codes, without the range qaa-qtz kept for local use.
constexpr int kNombreLanguesIso639Trois = 7996;
extern const char languesIso639Trois[];
// ISO 15924: the four-letter script codes (of the range Qaaa-Qabx kept for
// private use, only its two ends).
constexpr int kNombreEcrituresIso15924 = 182;
extern const char ecrituresIso15924[];
// ISO 3166-1: the two-letter region codes.
constexpr int kNombreRegionsIso3166 = 249;
extern const char regionsIso3166[];

#endif  // PAGEVET_CHECKER_TABLESISO_H_
