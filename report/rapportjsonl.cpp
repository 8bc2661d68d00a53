#include "report/rapportjsonl.h"

#include <cstdio>
#include <new>

#include "report/textesjson.h"

namespace {

// A page's records: the file when it starts, then each finding with the
// page's path, so that every line stands on its own.
class PageJsonl : public RapportPage {
 public:
  PageJsonl(Canal& canal, JeuBalises balises) : canal_(canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    chemin_ = cheminUtf8(chemin);
    // Written as text rather than built as an object: a JSON object may need
    // memory to be destroyed, which a page that runs out of it has not.
    ecrire(canal_, "{\"type\":\"file\",\"path\":" + enJson(chemin_) + ",\"charset\":\"" +
                       nomJeu(jeu) + "\"}\n");
  }

  void Constate(const Signalement& s) override {
    Json constat{{"type", "finding"}, {"path", chemin_}};
    constat.update(constatJson(s, balises_, jeu_));
    ecrire(canal_, enJson(constat) + '\n');
  }

  void Fin() override {}
  void Interrompue() override {}

 private:
  Canal& canal_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  std::string chemin_;
};

}  // namespace

std::unique_ptr<RapportPage> RapportJsonl::NouvellePage(Canal& canal) const {
  return std::make_unique<PageJsonl>(canal, Balises());
}

void RapportJsonl::ConstatsSite(const char* chemin, const Signalement* constats, int nombre) {
  for (int i = 0; i < nombre; ++i) {
    Json constat{{"type", "finding"}, {"path", cheminUtf8(chemin)}, {"site", true}};
    constat.update(constatJson(constats[i], Balises(), JeuCaracteres::Utf8));
    ecrire(Sortie(), enJson(constat) + '\n');
  }
}

void RapportJsonl::Erreur(const std::string& texte) {
  RapportOutil::Erreur(texte);
  EcritErreur();
}

void RapportJsonl::ErreurFatale(const MesErreur& erreur) {
  RapportOutil::ErreurFatale(erreur);
  EcritErreur();
}

void RapportJsonl::EcritErreur() {
  const Json erreur{{"type", "error"}, {"message", Journal().Lignes().back()}};
  ecrire(Sortie(), enJson(erreur) + '\n');
}

void RapportJsonl::Fin(int statut) {
  std::string texte;
  try {
    const Json fin{{"type", "end"},
                   {"status", statut},
                   {"files", pages_},
                   {"findings", constats_}};
    texte = enJson(fin) + '\n';
  } catch (const std::bad_alloc&) {
    // The records still end with an end record, which says the run failed.
    ecrireFixe(Sortie(), "{\"type\":\"error\",\"message\":\"out of memory\"}\n");
    char fin[96];
    const int n = std::snprintf(fin, sizeof fin, "{\"type\":\"end\",\"status\":2,\"files\":%ld,\"findings\":%ld}\n",
                                pages_, constats_);
    Sortie().Ecrit(fin, static_cast<std::size_t>(n));
    throw;
  }
  ecrire(Sortie(), texte);
}
