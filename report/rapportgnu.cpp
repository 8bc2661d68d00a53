#include "report/rapportgnu.h"

#include "checker/aideconstats.h"
#include "report/cheminbarres.h"

namespace {

class PageGnu : public RapportPage, private ConversionTextes {
 public:
  PageGnu(Affichage::Sortie jeu, Canal& canal, JeuBalises balises)
      : sortie_(jeu, canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    // The path's bytes as they are, whatever the console's set, so that
    // an editor or a CI job can open the file it names.
    chemin_ = cheminAvecBarres(chemin);
  }

  // One whole line: the path, the line and column when there are, the
  // level, the message, the finding's id.
  void Constate(const Signalement& s) override {
    std::string ligne = chemin_;
    if (s.ligne > 0) {
      ligne += ':' + std::to_string(s.ligne);
      if (s.colonne > 0) ligne += ':' + std::to_string(s.colonne);
    }
    ligne += ": ";
    ligne += nomNiveau(niveauDe(s.constat));
    ligne += ": ";
    rendreMessage(s, balises_, *this, ligne);
    ligne += std::string(" [") + kConstats[s.constat].id + "]\n";
    sortie_.Ecrit(ligne);
  }

  void Fin() override {}
  void Interrompue() override {}

 private:
  std::string Texte(const char* texte) const override { return sortie_.Convertit(texte, jeu_); }
  std::string TexteUtf8(const char* texte) const override {
    return sortie_.Convertit(texte, JeuCaracteres::Utf8);
  }
  std::string Chemin(const char* chemin) const override {
    return sortie_.Convertit(cheminAvecBarres(chemin).c_str(), jeuDuNom(chemin));
  }

  const Affichage sortie_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  std::string chemin_;  // with '/' between directories
};

}  // namespace

void RapportGnu::ConstatsSite(const char* chemin, const Signalement* constats, int nombre) {
  PageGnu page(JeuConsole(), Sortie(), Balises());
  page.Debut(chemin, JeuCaracteres::Utf8);
  for (int i = 0; i < nombre; ++i) page.Constate(constats[i]);
  page.Fin();
}

std::unique_ptr<RapportPage> RapportGnu::NouvellePage(Canal& canal) const {
  return std::make_unique<PageGnu>(JeuConsole(), canal, Balises());
}
