// What every fuzz harness starts with: standard output goes to /dev/null, so
// the reports and messages of millions of runs cost no terminal time, and the
// scan's printer writes there too.
#ifndef PAGEVET_TESTS_FUZZ_COMMUN_H_
#define PAGEVET_TESTS_FUZZ_COMMUN_H_

#include <cstdio>
#include <cstdlib>

#include "foundation/affichage.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  return 0;
}

// A code page 850 printer on the muted standard output.
inline const Affichage& sortieMuette() {
  static const Affichage sortie(Affichage::Sortie::Oem850, stdout);
  return sortie;
}

#endif  // PAGEVET_TESTS_FUZZ_COMMUN_H_
