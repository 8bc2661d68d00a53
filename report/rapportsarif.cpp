#include "report/rapportsarif.h"

#include "report/textesjson.h"

namespace {

// The page's results, one a line, each with its rule and its place.
class PageSarif : public RapportPage {
 public:
  PageSarif(Canal& canal, JeuBalises balises) : canal_(canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    premier_ = true;
    uri_ = encoderUri(cheminUtf8(chemin));
  }

  void Diagnostic(int numero, Constat constat, const char* /*ligne*/) override {
    Ecrit(constat, messageConstat(constat, balises_), numero);
  }

  void Resume(Constat constat, int compte) override {
    Ecrit(constat, messageResume(constat, compte), 0);
  }

  void MotCleRepete(const char* motCle, int fois) override {
    Ecrit(kMotCleRepete, messageMotCleRepete(texteUtf8(motCle, jeu_), fois), 0);
  }

  void MotsClesInutilises(const char* const* motsCles, int nombre) override {
    for (int i = 0; i < nombre; ++i) {
      Ecrit(kMotCleInutilise, messageMotCleInutilise(texteUtf8(motsCles[i], jeu_)), 0);
    }
  }

  void Fin(bool) override {}
  void Interrompue() override {}

 private:
  // ligne: the line of a line diagnostic, 0 for the others.
  void Ecrit(Constat constat, const std::string& message, int ligne) {
    Json physique{{"artifactLocation", {{"uri", uri_}, {"uriBaseId", "SRCROOT"}}}};
    if (ligne > 0) physique["region"] = {{"startLine", ligne}};
    const Json resultat{{"ruleId", kConstats[constat].id},
                        {"ruleIndex", static_cast<int>(constat)},
                        {"level", estMotCle(constat) ? "warning" : "error"},
                        {"message", {{"text", message}}},
                        {"locations", Json::array({{{"physicalLocation", physique}}})}};
    ecrire(canal_, (premier_ ? "\n" : ",\n") + enJson(resultat));
    premier_ = false;
  }

  Canal& canal_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  bool premier_ = true;
  std::string uri_;
};

}  // namespace

void RapportSarif::Debut() {
  Json regles = Json::array();
  for (int c = 0; c < kNombreConstats; ++c) {
    const Constat constat = static_cast<Constat>(c);
    regles.push_back({{"id", kConstats[c].id},
                      {"shortDescription", {{"text", messageConstat(constat, Balises())}}}});
  }
  std::string racine = encoderUri(texteUtf8(repertoire_.c_str(), JeuCaracteres::Utf8));
  if (racine.empty() || racine.back() != '/') racine += '/';
  const Json outil{{"driver", {{"name", "pagevet"}, {"version", PAGEVET_VERSION}, {"rules", regles}}}};
  ecrire(Sortie(), "{\"$schema\":\"https://json.schemastore.org/sarif-2.1.0.json\","
                  "\"version\":\"2.1.0\",\n\"runs\":[{\"tool\":" +
                      enJson(outil) + ",\n\"originalUriBaseIds\":" +
                      enJson(Json{{"SRCROOT", {{"uri", "file://" + racine}}}}) + ",\n\"results\":[");
}

std::unique_ptr<RapportPage> RapportSarif::NouvellePage(Canal& canal) const {
  return std::make_unique<PageSarif>(canal, Balises());
}

void RapportSarif::Fin(int statut) {
  Json notifications = Json::array();
  for (const std::string& ligne : Journal().Lignes()) {
    notifications.push_back({{"level", "error"}, {"message", {{"text", ligne}}}});
  }
  const Json invocation{{"executionSuccessful", statut != kStatutEchec},
                        {"exitCode", statut},
                        {"toolExecutionNotifications", notifications}};
  ecrire(Sortie(), "],\n\"invocations\":[" + enJson(invocation) + "]}]}\n");
}

std::string encoderUri(const std::string& chemin) {
  static const char kChiffres[] = "0123456789ABCDEF";
  std::string uri;
  for (const char c : chemin) {
    const auto octet = static_cast<unsigned char>(c);
    if ((octet >= 'A' && octet <= 'Z') || (octet >= 'a' && octet <= 'z') ||
        (octet >= '0' && octet <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
        c == '/') {
      uri += c;
    } else {
      uri += '%';
      uri += kChiffres[octet >> 4];
      uri += kChiffres[octet & 0x0F];
    }
  }
  return uri;
}
