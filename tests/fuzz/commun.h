// What every fuzz harness starts with: standard output goes to /dev/null, so
// the reports and messages of millions of runs cost no terminal time, and the
// scan's printer writes there too.
#ifndef PAGEVET_TESTS_FUZZ_COMMUN_H_
#define PAGEVET_TESTS_FUZZ_COMMUN_H_

#include <cstdio>
#include <cstdlib>

#include <memory>

#include "report/rapport.h"
#include "report/rapporttexte.h"
#include "foundation/canal.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  return 0;
}

// The muted standard output.
inline Canal& canalMuet() {
  static CanalFichier canal(stdout);
  return canal;
}

// A text report in code page 850 on the muted standard output.
inline RapportPage& pageMuette() {
  static const RapportTexte rapport(Affichage::Sortie::Oem850, canalMuet(), stdout, false);
  static const std::unique_ptr<RapportPage> page = rapport.NouvellePage(canalMuet());
  return *page;
}

#endif  // PAGEVET_TESTS_FUZZ_COMMUN_H_
