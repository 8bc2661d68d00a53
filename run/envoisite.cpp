#include "run/envoisite.h"

#include "checker/filtreconstats.h"

namespace {

// Gathers a page's findings and hands them to the report at its end; the
// judge keeps their texts valid until then.
class EnvoiSite : public RapportPage {
 public:
  explicit EnvoiSite(Rapport& rapport) : rapport_(rapport) {}

  void Debut(const char* chemin, JeuCaracteres) override {
    chemin_ = chemin;
    constats_.clear();
  }
  void Constate(const Signalement& signalement) override { constats_.push_back(signalement); }
  void Fin() override {
    if (constats_.empty()) return;
    rapport_.ConstatsSite(chemin_.c_str(), constats_.data(), static_cast<int>(constats_.size()));
    envoye_ = true;
  }
  void Interrompue() override {}

  bool Envoye() const { return envoye_; }

 private:
  Rapport& rapport_;
  std::string chemin_;
  std::vector<Signalement> constats_;
  bool envoye_ = false;
};

}  // namespace

bool envoyerSite(JugeSite& juge, const std::bitset<kNombreConstats>& ignores, Rapport& rapport) {
  EnvoiSite envoi(rapport);
  FiltreConstats filtre(ignores, envoi);
  juge.Rapporte(filtre);
  return envoi.Envoye();
}
