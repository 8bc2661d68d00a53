// FiltreConstats: --ignore, the one filter between the scan and the format.
// The rules report every finding; the filter passes on those the run keeps
// and says whether the page had something to report.
#ifndef PAGEVET_CHECKER_FILTRECONSTATS_H_
#define PAGEVET_CHECKER_FILTRECONSTATS_H_

#include <bitset>

#include "checker/constat.h"
#include "checker/rapportpage.h"

class FiltreConstats : public RapportPage {
 public:
  // ignores: the kinds left out; suite: the format's page, which stays the
  // caller's and must outlive the filter.
  FiltreConstats(const std::bitset<kNombreConstats>& ignores, RapportPage& suite)
      : ignores_(ignores), suite_(suite) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    signalee_ = false;
    suite_.Debut(chemin, jeu);
  }
  void Constate(const Signalement& signalement) override {
    if (ignores_[signalement.constat]) return;
    signalee_ = true;
    suite_.Constate(signalement);
  }
  void Fin() override { suite_.Fin(); }
  void Interrompue() override { suite_.Interrompue(); }

  // Whether the current (or last) page passed a finding on.
  bool Signalee() const { return signalee_; }

 private:
  const std::bitset<kNombreConstats> ignores_;
  RapportPage& suite_;
  bool signalee_ = false;
};

#endif  // PAGEVET_CHECKER_FILTRECONSTATS_H_
