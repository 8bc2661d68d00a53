#include "report/rapportsarif.h"

#include "checker/aideconstats.h"
#include "report/textesjson.h"

namespace {

// The page's results, one a line, each with its rule and its place.
class PageSarif : public RapportPage {
 public:
  PageSarif(Canal& canal, JeuBalises balises, std::shared_ptr<std::atomic<bool>> resultats)
      : canal_(canal), balises_(balises), resultats_(std::move(resultats)) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    premier_ = true;
    uri_ = encoderUri(cheminUtf8(chemin));
  }

  void Constate(const Signalement& s) override {
    Json physique{{"artifactLocation", {{"uri", uri_}, {"uriBaseId", "SRCROOT"}}}};
    if (s.ligne > 0) {
      physique["region"] = {{"startLine", s.ligne}};
      if (s.colonne > 0) physique["region"]["startColumn"] = s.colonne;
    }
    const Json resultat{{"ruleId", kConstats[s.constat].id},
                        {"ruleIndex", static_cast<int>(s.constat)},
                        {"level", estMotCle(s.constat) ? "warning" : "error"},
                        {"message", {{"text", messageUtf8(s, balises_, jeu_)}}},
                        {"locations", Json::array({{{"physicalLocation", physique}}})}};
    ecrire(canal_, (premier_ ? "\n" : ",\n") + enJson(resultat));
    premier_ = false;
    resultats_->store(true);
  }

  void Fin() override {}
  void Interrompue() override {}

 private:
  Canal& canal_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  bool premier_ = true;
  std::string uri_;
  const std::shared_ptr<std::atomic<bool>> resultats_;
};

// Where a finding stands: a page's path, and its line and column if known.
Json placePhysique(const char* chemin, int ligne, int colonne) {
  Json physique{{"artifactLocation",
                 {{"uri", encoderUri(cheminUtf8(chemin))}, {"uriBaseId", "SRCROOT"}}}};
  if (ligne > 0) {
    physique["region"] = {{"startLine", ligne}};
    if (colonne > 0) physique["region"]["startColumn"] = colonne;
  }
  return physique;
}

}  // namespace

void RapportSarif::ConstatsSite(const char* chemin, const Signalement* constats, int nombre) {
  for (int i = 0; i < nombre; ++i) {
    const Signalement& s = constats[i];
    const AideConstat* aide = aideConstat(kConstats[s.constat].id);
    Json resultat{{"ruleId", kConstats[s.constat].id},
                  {"ruleIndex", static_cast<int>(s.constat)},
                  {"level", nomNiveau(aide != nullptr ? aide->niveau : Niveau::Erreur)},
                  {"message", {{"text", messageUtf8(s, Balises(), JeuCaracteres::Utf8)}}},
                  {"locations",
                   Json::array({{{"physicalLocation", placePhysique(chemin, s.ligne, s.colonne)}}})}};
    if (s.page != nullptr) {
      resultat["relatedLocations"] = Json::array(
          {{{"id", 0}, {"physicalLocation", placePhysique(s.page, s.lignePage, s.colonnePage)}}});
    }
    ecrire(Sortie(), (resultats_->load() ? ",\n" : "\n") + enJson(resultat));
    resultats_->store(true);
  }
}

void RapportSarif::Debut() {
  Json regles = Json::array();
  for (int c = 0; c < kNombreConstats; ++c) {
    regles.push_back(
        {{"id", kConstats[c].id},
         {"shortDescription", {{"text", resumeConstat(static_cast<Constat>(c), Balises())}}}});
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
  return std::make_unique<PageSarif>(canal, Balises(), resultats_);
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
