// Small helpers on attribute values: ASCII white space, trimming and
// comparison without regard to ASCII case, as the HTML standard defines them.
#ifndef PAGEVET_CHECKER_TEXTEASCII_H_
#define PAGEVET_CHECKER_TEXTEASCII_H_

#include <string>
#include <string_view>

// TAB, LF, FF, CR and SPACE.
constexpr bool estBlancAscii(char c) {
  return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}
constexpr char minusculeAscii(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }
constexpr bool estChiffreAscii(char c) { return c >= '0' && c <= '9'; }
constexpr bool estLettreAscii(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// texte without its leading and trailing ASCII white space.
std::string_view rogneBlancs(std::string_view texte);
// texte with A-Z lowered; other bytes (UTF-8 included) unchanged.
std::string minusculesAscii(std::string_view texte);
// Equal once A-Z are lowered on both sides.
bool egalSansCasse(std::string_view a, std::string_view b);
// texte equals one of the `nombre` lower-case names, without regard to case.
bool estUnDe(std::string_view texte, const char* const* noms, int nombre);

#endif  // PAGEVET_CHECKER_TEXTEASCII_H_
