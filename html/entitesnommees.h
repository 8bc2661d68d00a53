// The HTML standard's named character references (generated table), and the
// longest one a run of characters starts with.
#ifndef PAGEVET_HTML_ENTITESNOMMEES_H_
#define PAGEVET_HTML_ENTITESNOMMEES_H_

#include <cstddef>

// One named reference: its name without the '&' (some without their ';',
// the legacy ones, listed both ways) and its one or two code points (0 for
// none).
struct EntiteNommee {
  const char* nom;
  char32_t points[2];
};
// Sorted by name, byte order.
extern const EntiteNommee entitesNommees[];
extern const int nombreEntitesNommees;
// The longest name, its ';' included.
constexpr std::size_t kLongueurEntiteMax = 32;

// The longest reference whose name is a prefix of the n bytes at texte (the
// characters after the '&'), or nullptr; longueur gets its name's length.
const EntiteNommee* entiteLaPlusLongue(const char* texte, std::size_t n, std::size_t& longueur);

#endif  // PAGEVET_HTML_ENTITESNOMMEES_H_
