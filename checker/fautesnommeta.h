// Meta names that look like a misspelt well-known name: "descripton" for
// description. Names are compared by their characters, without ASCII case.
#ifndef PAGEVET_CHECKER_FAUTESNOMMETA_H_
#define PAGEVET_CHECKER_FAUTESNOMMETA_H_

#include <string_view>

// The well-known name a meta name (trimmed) is a typo of, or nullptr. A
// name is a typo when it has 5 characters or more, is no known name (the
// eleven suggested ones, content-type, content-language, reply-to,
// googlebot-news, google, google-site-verification, rating,
// format-detection, or any name holding ':'), and is at most 2 edits from
// one of description, keywords, viewport, robots, googlebot, author,
// generator, referrer, theme-color, color-scheme, application-name; the
// nearest is suggested, the first of that order on a tie.
const char* suggestionNomMeta(std::string_view nom);

// The optimal string alignment distance between two UTF-8 texts, counted in
// characters: insertions, deletions, substitutions and transpositions of
// two adjacent characters, no substring edited twice ("ca" to "abc" is 3).
// A stray byte counts as one character, A-Z as a-z. Any distance above
// `plafond` is returned as plafond + 1.
int distanceOsa(std::string_view a, std::string_view b, int plafond);

#endif  // PAGEVET_CHECKER_FAUTESNOMMETA_H_
