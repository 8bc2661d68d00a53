// NomsMeta: the six meta names a page should declare once each, in the
// order of the summary lines, as the meta-tag rules match them.
#ifndef PAGEVET_CHECKER_NOMSMETA_H_
#define PAGEVET_CHECKER_NOMSMETA_H_

#include <cstddef>

struct NomsMeta {
  static constexpr int kNombre = 6;

  // The name whose key text (quotes included, longueur bytes, lower case)
  // cle is; -1 for none.
  static int Indice(const char* cle, std::size_t longueur);
};

#endif  // PAGEVET_CHECKER_NOMSMETA_H_
