// FiltreConstats: --ignore and the page's own pagevet-ignore comments, the
// one filter between the scan and the format. The rules report every
// finding; the filter passes on those the run keeps, says whether the page
// had something to report and counts them by level.
#ifndef PAGEVET_CHECKER_FILTRECONSTATS_H_
#define PAGEVET_CHECKER_FILTRECONSTATS_H_

#include <bitset>
#include <string>
#include <vector>

#include "checker/aideconstats.h"
#include "checker/constat.h"
#include "checker/rapportpage.h"
#include "checker/suppressions.h"

// A page-wide comment leaves out findings reported before it too, so a
// page's findings are held (their texts copied) until the page ends, then
// passed on in the order they came, each unknown-ignore finding before the
// first later line's. A page cut short passes on what it held with the
// comments read so far.
class FiltreConstats : public RapportPage {
 public:
  // ignores: the kinds left out; suite: the format's page, which stays the
  // caller's and must outlive the filter.
  FiltreConstats(const std::bitset<kNombreConstats>& ignores, RapportPage& suite);

  // With continuer (--keep-going), a page cut short is not Interrompue for
  // the format: Echec follows.
  void Continuer(bool continuer) { continuer_ = continuer; }

  void Debut(const char* chemin, JeuCaracteres jeu) override;
  void Constate(const Signalement& signalement) override;
  void Fin() override;
  void Interrompue() override;
  void Commentaire(std::string_view texte, int ligneDebut, int ligneFin) override;
  // Hands the error on, saying whether the page had been opened.
  void Echec(const char* chemin, const MesErreur& erreur, bool commencee) override;

  // Forgets the last page: before a page that may fail before it starts.
  void Oublie() {
    commencee_ = signalee_ = false;
    for (int& n : parNiveau_) n = 0;
  }
  // Whether the current (or last) page started (its report was begun).
  bool Commencee() const { return commencee_; }
  // Whether the current (or last) page passed a finding on.
  bool Signalee() const { return signalee_; }
  // Whether a page is open: Debut came, and neither Fin nor Echec yet.
  bool PageOuverte() const { return ouverte_; }
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
  // A finding held, its texts owned.
  struct Garde {
    Signalement signalement;
    std::string texte, motCle, valeur, suggestion, page;
  };

  void Garder(const Signalement& signalement);
  // Passes on what is held, less what the comments leave out.
  void Vider();
  void Passer(const Signalement& signalement);

  const std::bitset<kNombreConstats> ignores_;
  RapportPage& suite_;
  bool continuer_ = false;
  bool signalee_ = false;
  bool ouverte_ = false;
  Suppressions suppressions_;
  std::vector<Garde> gardes_;
  std::vector<std::string> lignesInconnus_;  // the comment of each unknown id
  bool commencee_ = false;
  int parNiveau_[kNombreNiveaux] = {};
};

#endif  // PAGEVET_CHECKER_FILTRECONSTATS_H_
