#include "report/rapportsarif.h"

#include "checker/aideconstats.h"
#include "report/textesjson.h"

namespace {

// The page's results, one a line, each with its rule and its place.
class PageSarif : public RapportPage {
 public:
  PageSarif(Canal& canal, JeuBalises balises, std::shared_ptr<std::atomic<bool>> resultats)
      : canal_(canal), balises_(balises), ecrits_(std::move(resultats)) {}

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
                        {"level", nomNiveau(niveauDe(s.constat))},
                        {"message", {{"text", messageUtf8(s, balises_, jeu_)}}},
                        {"locations", Json::array({{{"physicalLocation", physique}}})}};
    ecrire(canal_, (premier_ ? "\n" : ",\n") + enJson(resultat));
    premier_ = false;
    ecrits_->store(true);
  }

  void Fin() override {}
  void Interrompue() override {}

 private:
  Canal& canal_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  bool premier_ = true;
  std::string uri_;
  const std::shared_ptr<std::atomic<bool>> ecrits_;
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
    ecrire(Sortie(), (ecrits_->load() ? ",\n" : "\n") + enJson(resultat));
    ecrits_->store(true);
  }
}

void RapportSarif::Debut() {
  Json regles = Json::array();
  for (int c = 0; c < kNombreConstats; ++c) {
    const Constat constat = static_cast<Constat>(c);
    const AideConstat& aide = aideDe(constat);
    regles.push_back(
        {{"id", kConstats[c].id},
         {"shortDescription", {{"text", resumeConstat(constat, Balises())}}},
         {"fullDescription", {{"text", aide.description}}},
         {"help", {{"text", aide.aideTexte}, {"markdown", aide.aideMarkdown}}},
         {"defaultConfiguration", {{"level", nomNiveau(aide.niveau)}}}});
  }
  std::string racine = encoderUri(texteUtf8(repertoire_.c_str(), JeuCaracteres::Utf8));
  if (racine.empty() || racine.back() != '/') racine += '/';
  const Json outil{{"driver", {{"name", "pagevet"}, {"version", PAGEVET_VERSION}, {"rules", regles}}}};
  ecrire(Sortie(), "{\"$schema\":\"https://json.schemastore.org/sarif-2.1.0.json\","
                  "\"version\":\"2.1.0\",\n\"runs\":[{\"tool\":" +
                      enJson(outil) +
                      (moderne_ ? ",\n\"columnKind\":\"unicodeCodePoints\"" : "") +
                      ",\n\"originalUriBaseIds\":" +
                      enJson(Json{{"SRCROOT", {{"uri", "file://" + racine}}}}) + ",\n\"results\":[");
}

std::unique_ptr<RapportPage> RapportSarif::NouvellePage(Canal& canal) const {
  return std::make_unique<PageSarif>(canal, Balises(), ecrits_);
}

void RapportSarif::ErreurPage(const std::string& chemin, const std::string& texte) {
  lieux_.emplace_back(Journal().Lignes().size(), encoderUri(cheminUtf8(chemin.c_str())));
  Erreur(chemin + ": " + texte);
}

void RapportSarif::Fin(int statut) {
  Json notifications = Json::array();
  std::size_t lieu = 0;
  for (std::size_t i = 0; i < Journal().Lignes().size(); ++i) {
    Json notification{{"level", "error"}, {"message", {{"text", Journal().Lignes()[i]}}}};
    if (lieu < lieux_.size() && lieux_[lieu].first == i) {
      notification["locations"] = Json::array({{{"physicalLocation",
                                                 {{"artifactLocation",
                                                   {{"uri", lieux_[lieu].second}, {"uriBaseId", "SRCROOT"}}}}}}});
      ++lieu;
    }
    notifications.push_back(std::move(notification));
  }
  const Json invocation{{"executionSuccessful", statut == kStatutSucces || statut == kStatutSignale},
                        {"exitCode", statut},
                        {"toolExecutionNotifications", notifications}};
  ecrire(Sortie(), "],\n\"invocations\":[" + enJson(invocation) + "]}]}\n");
  const long resultats = resultats_;
  if (resultats > kMaxResultats) {
    std::fprintf(erreurs_,
                 "pagevet: %ld results: code scanning refuses a run of more than %ld; narrow it "
                 "with --ignore=ID,... for the most frequent ids, or judge the pages with "
                 "--modern (--fail-level changes the exit status only, not the results)\n",
                 resultats, kMaxResultats);
  }
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
