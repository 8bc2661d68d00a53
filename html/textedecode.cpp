// Conversion of a page's text to UTF-8, as the parser reads it.
#include "html/textedecode.h"

#include <algorithm>
#include <cstring>

void TexteDecode::AjouterPoint(char32_t point) {
  Convertir(true);
  char utf8[4];
  const std::size_t n = ecrireUtf8(point, utf8);
  crAvant_ = false;
  Ecrire(utf8, n);
}

void TexteDecode::Ecrire(const char* utf8, std::size_t n) {
  longueur_ += n;
  std::string& cible = *cible_;
  if (cible.size() >= max_) return;
  // Cut only between characters: n is one character or a run of ASCII.
  if (cible.size() + n > max_ && (static_cast<unsigned char>(utf8[0]) >= 0x80)) return;
  cible.append(utf8, std::min(n, max_ - cible.size()));
}

void TexteDecode::Convertir(bool tout) {
  const char* p = brut_.data();
  const char* const fin = p + brut_.size();
  while (p < fin) {
    // A run of ASCII without CR.
    const char* q = p;
    while (q < fin && static_cast<unsigned char>(*q) < 0x80 && *q != '\r') ++q;
    if (q > p) {
      if (crAvant_ && *p == '\n') ++p;
      crAvant_ = false;
      if (q > p) Ecrire(p, static_cast<std::size_t>(q - p));
      p = q;
      continue;
    }
    if (*p == '\r') {
      crAvant_ = true;
      Ecrire("\n", 1);
      ++p;
      continue;
    }
    crAvant_ = false;
    char utf8[4];
    if (utf8_) {
      const std::size_t reste = static_cast<std::size_t>(fin - p);
      const std::size_t n = longueurUtf8(p, reste);
      if (n > 0) {
        Ecrire(p, n);
        p += n;
        continue;
      }
      // A sequence that may go on in bytes not yet read waits for them.
      if (!tout && reste < 4) {
        const unsigned char premier = static_cast<unsigned char>(*p);
        const std::size_t attendu = premier >= 0xF0 ? 4 : premier >= 0xE0 ? 3 : 2;
        if (premier >= 0xC2 && premier <= 0xF4 && reste < attendu) {
          bool debutValide = true;
          for (const char* s = p + 1; s < fin; ++s) {
            if ((static_cast<unsigned char>(*s) & 0xC0) != 0x80) debutValide = false;
          }
          if (debutValide) break;
        }
      }
    }
    Ecrire(utf8, ecrireUtf8(unicodeDe1252(static_cast<unsigned char>(*p)), utf8));
    ++p;
  }
  brut_.erase(0, static_cast<std::size_t>(p - brut_.data()));
}
