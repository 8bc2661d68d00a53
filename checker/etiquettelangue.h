// Language tags: the lang attribute as a well-formed BCP 47 tag whose codes
// ISO knows, and the narrower language-script-region form of hreflang.
#ifndef PAGEVET_CHECKER_ETIQUETTELANGUE_H_
#define PAGEVET_CHECKER_ETIQUETTELANGUE_H_

#include <string_view>

// A well-formed language tag (RFC 5646), ASCII white space around it
// ignored, any case: its language an ISO 639 code (two letters: 639-1; three:
// 639-2 or 639-3, or qaa-qtz), each extended language a three-letter one,
// its script an ISO 15924 code (or Qaaa-Qabx), its region ISO 3166-1 alpha-2
// or three digits. Variants and extensions are judged by form alone. A
// private-use tag (x-...) and the RFC's 26 grandfathered tags are valid.
bool langValide(std::string_view etiquette);

// x-default, or an ISO 639-1 language, then an optional ISO 15924 script,
// then an optional ISO 3166-1 alpha-2 region; any case.
bool hreflangValide(std::string_view etiquette);

// The lookups behind both, for a code of any case.
bool estLangueIso639(std::string_view code);  // two or three letters
bool estEcritureIso15924(std::string_view code);
bool estRegionIso3166(std::string_view code);

#endif  // PAGEVET_CHECKER_ETIQUETTELANGUE_H_
