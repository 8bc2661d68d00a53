// Progression: the progress line a run keeps on a terminal: pages examined
// out of pages found (a '+' while the walk still finds more), and findings, rewritten in place and erased at the end.
#ifndef PAGEVET_RUN_PROGRESSION_H_
#define PAGEVET_RUN_PROGRESSION_H_

#include <chrono>
#include <cstdio>

#include "run/bilanrun.h"

class Progression {
 public:
  using Horloge = std::chrono::steady_clock;

  // flux: standard error when it is a terminal, else nullptr (no line is
  // ever written). bilan and flux stay the caller's.
  Progression(std::FILE* flux, const BilanRun& bilan, Horloge::time_point debut = Horloge::now())
      : flux_(flux), bilan_(bilan), prochaine_(debut + kDelaiPremiere) {}
  ~Progression() { Efface(); }
  Progression(const Progression&) = delete;
  Progression& operator=(const Progression&) = delete;

  // After each page written: the line is rewritten once the run has lasted
  // a second, then at most ten times a second.
  void Avance(Horloge::time_point maintenant = Horloge::now());
  // Erases the line, if one was written.
  void Efface();

 private:
  static constexpr std::chrono::milliseconds kDelaiPremiere{1000};
  static constexpr std::chrono::milliseconds kIntervalle{100};

  std::FILE* const flux_;
  const BilanRun& bilan_;
  Horloge::time_point prochaine_;
  bool affichee_ = false;
};

#endif  // PAGEVET_RUN_PROGRESSION_H_
