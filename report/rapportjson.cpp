#include "report/rapportjson.h"

#include <new>

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

  void Constate(const Signalement& s) override {
    const std::string constat = enJson(constatJson(s, balises_, jeu_));
    ecrire(canal_, (premier_ ? "\n " : ",\n ") + constat);
    premier_ = false;
  }

  void Fin() override { ecrire(canal_, "]}"); }
  // The page keeps the findings it had: its object is closed as any other.
  void Interrompue() override { Fin(); }
  // The page's object says why it ended; a page that could not be opened
  // gets one with no findings and no charset.
  void Echec(const char* chemin, const MesErreur& erreur, bool commencee) override {
    if (!commencee) ecrire(canal_, "\n{\"path\":" + enJson(cheminUtf8(chemin)) + ",\"findings\":[");
    ecrire(canal_, "],\"error\":" + enJson(texteUtf8(texteErreurFatale(erreur).c_str(), JeuCaracteres::Utf8)) + "}");
  }

 private:
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

// "files" stays open until the first page of "site", or the end.
void RapportJson::ConstatsSite(const char* chemin, const Signalement* constats, int nombre) {
  Json constatsPage = Json::array();
  for (int i = 0; i < nombre; ++i) {
    constatsPage.push_back(constatJson(constats[i], Balises(), JeuCaracteres::Utf8));
  }
  const Json page{{"path", cheminUtf8(chemin)}, {"findings", constatsPage}};
  ecrire(Sortie(), (siteOuvert_ ? ",\n" : "],\n\"site\":[\n") + enJson(page));
  siteOuvert_ = true;
}

void RapportJson::Fin(int statut) {
  if (!siteOuvert_ && site_) ecrireFixe(Sortie(), "],\n\"site\":[");
  std::string fin;
  try {
    fin = "],\n\"errors\":" + enJson(Json(Journal().Lignes())) + ",\n\"status\":" +
          std::to_string(statut) + "}\n";
  } catch (const std::bad_alloc&) {
    // The document still ends, and says why the run failed; the errors
    // before were written on standard error.
    ecrireFixe(Sortie(), "],\n\"errors\":[\"out of memory\"],\n\"status\":2}\n");
    throw;
  }
  ecrire(Sortie(), fin);
}
