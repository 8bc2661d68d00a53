#include "report/rapportgnu.h"

#include "report/cheminbarres.h"

namespace {

class PageGnu : public RapportPage {
 public:
  PageGnu(Affichage::Sortie jeu, Canal& canal, JeuBalises balises)
      : sortie_(jeu, canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    chemin_ = sortie_.Convertit(cheminAvecBarres(chemin).c_str(), jeuDuNom(chemin));
  }

  void Diagnostic(int numero, Constat constat, const char* /*ligne*/) override {
    Ecrit(":" + std::to_string(numero) + ": " + messageConstat(constat, balises_), constat);
  }

  void Resume(Constat constat, int compte) override {
    Ecrit(": " + messageResume(constat, compte), constat);
  }

  void MotCleRepete(const char* motCle, int fois) override {
    Ecrit(": " + messageMotCleRepete(sortie_.Convertit(motCle, jeu_), fois), kMotCleRepete);
  }

  void MotsClesInutilises(const char* const* motsCles, int nombre) override {
    for (int i = 0; i < nombre; ++i) {
      Ecrit(": " + messageMotCleInutilise(sortie_.Convertit(motsCles[i], jeu_)), kMotCleInutilise);
    }
  }

  void Fin(bool) override {}
  void Interrompue() override {}

 private:
  // One whole line: the path, what follows it, the finding's id.
  void Ecrit(const std::string& suite, Constat constat) {
    sortie_.Ecrit(chemin_ + suite + " [" + kConstats[constat].id + "]\n");
  }

  const Affichage sortie_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  std::string chemin_;  // converted for the output
};

}  // namespace

std::unique_ptr<RapportPage> RapportGnu::NouvellePage(Canal& canal) const {
  return std::make_unique<PageGnu>(JeuConsole(), canal, Balises());
}
