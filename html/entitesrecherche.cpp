// Looking up the named character references.
#include <algorithm>
#include <cstring>

#include "html/entitesnommees.h"

namespace {

// The reference named exactly by the n bytes at nom, or nullptr.
const EntiteNommee* chercher(const char* nom, std::size_t n) {
  const EntiteNommee* fin = entitesNommees + nombreEntitesNommees;
  const EntiteNommee* trouve =
      std::lower_bound(entitesNommees, fin, nullptr, [&](const EntiteNommee& e, std::nullptr_t) {
        const std::size_t l = std::strlen(e.nom);
        const int c = std::memcmp(e.nom, nom, std::min(l, n));
        return c < 0 || (c == 0 && l < n);
      });
  if (trouve == fin || std::strlen(trouve->nom) != n || std::memcmp(trouve->nom, nom, n) != 0) {
    return nullptr;
  }
  return trouve;
}

}  // namespace

const EntiteNommee* entiteLaPlusLongue(const char* texte, std::size_t n, std::size_t& longueur) {
  for (std::size_t l = std::min(n, kLongueurEntiteMax); l >= 2; --l) {
    if (const EntiteNommee* e = chercher(texte, l)) {
      longueur = l;
      return e;
    }
  }
  longueur = 0;
  return nullptr;
}
