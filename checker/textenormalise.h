// The text of a title or description as lengths measure it and pages are
// compared by it: ASCII white space collapsed, ends trimmed, characters counted.
#ifndef PAGEVET_CHECKER_TEXTENORMALISE_H_
#define PAGEVET_CHECKER_TEXTENORMALISE_H_

#include <cstddef>
#include <string>
#include <string_view>

// The text (character references already decoded) with every run of ASCII
// white space (TAB, LF, FF, CR, SPACE) made one space and the ends trimmed.
// Other white space, such as U+00A0, is kept.
std::string texteNormalise(std::string_view texte);

// The characters of a UTF-8 text: every byte but the continuation bytes
// (10xxxxxx) starts one. A Windows-1252 text must be decoded first, or
// measured by its bytes.
size_t nombreCaracteres(std::string_view utf8);

#endif  // PAGEVET_CHECKER_TEXTENORMALISE_H_
