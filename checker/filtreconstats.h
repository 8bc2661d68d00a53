// FiltreConstats: --ignore, the one filter between the scan and the format.
// The rules report every finding; the filter passes on those the run keeps
// and counts them by level.
#ifndef PAGEVET_CHECKER_FILTRECONSTATS_H_
#define PAGEVET_CHECKER_FILTRECONSTATS_H_

#include <bitset>

#include "checker/aideconstats.h"
#include "checker/constat.h"
#include "checker/rapportpage.h"

class FiltreConstats : public RapportPage {
 public:
  // ignores: the kinds left out; suite: the format's page, which stays the
  // caller's and must outlive the filter.
  FiltreConstats(const std::bitset<kNombreConstats>& ignores, RapportPage& suite)
      : ignores_(ignores), suite_(suite) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    Oublie();
    commencee_ = true;
    suite_.Debut(chemin, jeu);
  }
  void Constate(const Signalement& signalement) override {
    if (ignores_[signalement.constat]) return;
    signalee_ = true;
    ++parNiveau_[static_cast<int>(niveauDe(signalement.constat))];
    suite_.Constate(signalement);
  }
  void Fin() override { suite_.Fin(); }
  void Interrompue() override { suite_.Interrompue(); }

  // Forgets the last page: before a page that may fail before it starts.
  void Oublie() {
    commencee_ = signalee_ = false;
    for (int& n : parNiveau_) n = 0;
  }
  // Whether the current (or last) page started (its report was begun).
  bool Commencee() const { return commencee_; }
  // Whether the current (or last) page passed a finding on.
  bool Signalee() const { return signalee_; }
  // The findings of the current (or last) page passed on at niveau.
  int Nombre(Niveau niveau) const { return parNiveau_[static_cast<int>(niveau)]; }
  // Whether one of them is at seuil or more serious.
  bool Atteint(Niveau seuil) const {
    for (int n = 0; n < kNombreNiveaux; ++n) {
      if (parNiveau_[n] > 0 && auMoins(static_cast<Niveau>(n), seuil)) return true;
    }
    return false;
  }

 private:
  const std::bitset<kNombreConstats> ignores_;
  RapportPage& suite_;
  bool commencee_ = false;
  bool signalee_ = false;
  int parNiveau_[kNombreNiveaux] = {};
};

#endif  // PAGEVET_CHECKER_FILTRECONSTATS_H_
