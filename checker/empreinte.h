// Empreinte: a 128-bit digest of a text, so that texts can be compared by a
// value of fixed size; two different texts share one with odds of 2^-128.
#ifndef PAGEVET_CHECKER_EMPREINTE_H_
#define PAGEVET_CHECKER_EMPREINTE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

struct Empreinte {
  uint64_t haut = 0;
  uint64_t bas = 0;

  bool operator==(const Empreinte& autre) const { return haut == autre.haut && bas == autre.bas; }
  bool operator<(const Empreinte& autre) const {
    return haut != autre.haut ? haut < autre.haut : bas < autre.bas;
  }
};

// The digest of texte's bytes.
Empreinte empreinte(std::string_view texte);

// For hash tables: the digest is already well mixed. Cheap and noexcept,
// so that the tables keep no copy of it in their nodes.
struct HacheEmpreinte {
  std::size_t operator()(const Empreinte& e) const noexcept {
    return static_cast<std::size_t>(e.bas);
  }
};

#endif  // PAGEVET_CHECKER_EMPREINTE_H_
