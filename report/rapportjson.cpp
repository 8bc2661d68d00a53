#include "report/rapportjson.h"

#include "report/textesjson.h"

namespace {

// A page object: its path and set, then its findings one a line, so that a
// page of many findings is never held whole.
class PageJson : public RapportPage {
 public:
  PageJson(Canal& canal, JeuBalises balises) : canal_(canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    premier_ = true;
    ecrire(canal_, "\n{\"path\":" + enJson(cheminUtf8(chemin)) + ",\"charset\":\"" +
                       nomJeu(jeu) + "\",\"findings\":[");
  }

  void Diagnostic(int numero, Constat constat, const char* ligne) override {
    Ecrit(Json{{"id", kConstats[constat].id},
               {"line", numero},
               {"message", messageConstat(constat, balises_)},
               {"text", ligneUtf8(ligne, jeu_)}});
  }

  void Resume(Constat constat, int compte) override {
    Json constatJson{{"id", kConstats[constat].id}, {"message", messageResume(constat, compte)}};
    if (constat == kHorsHead) constatJson["count"] = compte;
    Ecrit(constatJson);
  }

  void MotCleRepete(const char* motCle, int fois) override {
    const std::string mot = texteUtf8(motCle, jeu_);
    Ecrit(Json{{"id", kConstats[kMotCleRepete].id},
               {"message", messageMotCleRepete(mot, fois)},
               {"keyword", mot},
               {"count", fois}});
  }

  void MotsClesInutilises(const char* const* motsCles, int nombre) override {
    for (int i = 0; i < nombre; ++i) {
      const std::string mot = texteUtf8(motsCles[i], jeu_);
      Ecrit(Json{{"id", kConstats[kMotCleInutilise].id},
                 {"message", messageMotCleInutilise(mot)},
                 {"keyword", mot}});
    }
  }

  void Fin(bool) override { ecrire(canal_, "]}"); }
  // The page keeps the findings it had: its object is closed as any other.
  void Interrompue() override { Fin(true); }

 private:
  void Ecrit(const Json& constat) {
    ecrire(canal_, (premier_ ? "\n " : ",\n ") + enJson(constat));
    premier_ = false;
  }

  Canal& canal_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  bool premier_ = true;
};

}  // namespace

void RapportJson::Debut() {
  ecrire(Sortie(), "{\"tool\":\"pagevet\",\"version\":\"" PAGEVET_VERSION "\",\n\"files\":[");
}

std::unique_ptr<RapportPage> RapportJson::NouvellePage(Canal& canal) const {
  return std::make_unique<PageJson>(canal, Balises());
}

void RapportJson::Fin(int statut) {
  ecrire(Sortie(), "],\n\"errors\":" + enJson(Json(Journal().Lignes())) +
                      ",\n\"status\":" + std::to_string(statut) + "}\n");
}
