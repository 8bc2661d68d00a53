// BilanRun: what a run has examined and found so far. The workers count each
// page as it ends; the writer reads it for the progress line, the driver for
// the closing summary.
#ifndef PAGEVET_RUN_BILANRUN_H_
#define PAGEVET_RUN_BILANRUN_H_

#include <atomic>
#include <string>

#include "checker/aideconstats.h"

struct BilanRun {
  std::atomic<long> pagesTrouvees{0};
  // The walk is still finding pages: pagesTrouvees will grow.
  std::atomic<bool> parcoursEnCours{false};
  std::atomic<long> pagesExaminees{0};
  std::atomic<long> pagesSignalees{0};  // with a finding reported
  std::atomic<long> parNiveau[kNombreNiveaux]{};

  long Constats() const;
};

// "N pages examined, N with findings, N findings (N errors, N warnings,
// N notes)".
std::string texteBilan(const BilanRun& bilan);

#endif  // PAGEVET_RUN_BILANRUN_H_
