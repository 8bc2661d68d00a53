#include "run/envoisite.h"

#include "checker/filtreconstats.h"

namespace {

// Gathers a page's findings and hands them to the report at its end; the
// judge keeps their texts valid until then.
class EnvoiSite : public RapportPage {
 public:
  EnvoiSite(Rapport& rapport, Niveau seuil, BilanRun& bilan)
      : rapport_(rapport), seuil_(seuil), bilan_(bilan) {}

  void Debut(const char* chemin, JeuCaracteres) override {
    chemin_ = chemin;
    constats_.clear();
  }
  void Constate(const Signalement& signalement) override {
    constats_.push_back(signalement);
    const Niveau niveau = niveauDe(signalement.constat);
    bilan_.parNiveau[static_cast<int>(niveau)].fetch_add(1, std::memory_order_relaxed);
    if (auMoins(niveau, seuil_)) atteint_ = true;
  }
  void Fin() override {
    if (constats_.empty()) return;
    rapport_.ConstatsSite(chemin_.c_str(), constats_.data(), static_cast<int>(constats_.size()));
  }
  void Interrompue() override {}

  bool Atteint() const { return atteint_; }

 private:
  Rapport& rapport_;
  const Niveau seuil_;
  BilanRun& bilan_;
  std::string chemin_;
  std::vector<Signalement> constats_;
  bool atteint_ = false;
};

}  // namespace

bool envoyerSite(JugeSite& juge, const std::bitset<kNombreConstats>& ignores, Niveau seuil,
                 Rapport& rapport, BilanRun& bilan) {
  EnvoiSite envoi(rapport, seuil, bilan);
  FiltreConstats filtre(ignores, envoi);
  juge.Rapporte(filtre);
  return envoi.Atteint();
}
