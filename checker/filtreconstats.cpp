#include "checker/filtreconstats.h"

namespace {

bool idConnu(std::string_view id) {
  Constat constat;
  return constatDeId(std::string(id).c_str(), constat);
}

// A borrowed text kept: "" for none, which giving back restores.
std::string copie(const char* texte) { return texte != nullptr ? texte : std::string(); }

}  // namespace

FiltreConstats::FiltreConstats(const std::bitset<kNombreConstats>& ignores, RapportPage& suite)
    : ignores_(ignores), suite_(suite), suppressions_(idConnu) {}

void FiltreConstats::Debut(const char* chemin, JeuCaracteres jeu) {
  Oublie();
  commencee_ = true;
  ouverte_ = true;
  suppressions_ = Suppressions(idConnu);
  gardes_.clear();
  lignesInconnus_.clear();
  suite_.Debut(chemin, jeu);
}

void FiltreConstats::Constate(const Signalement& signalement) {
  if (ignores_[signalement.constat]) return;
  Garder(signalement);
}

void FiltreConstats::Garder(const Signalement& s) {
  Garde garde{s, copie(s.texte), copie(s.motCle), copie(s.valeur), copie(s.suggestion),
              copie(s.page)};
  gardes_.push_back(std::move(garde));
}

void FiltreConstats::Commentaire(std::string_view texte, int ligneDebut, int ligneFin) {
  const std::size_t avant = suppressions_.Inconnus().size();
  if (!suppressions_.Ajoute(texte, ligneDebut, ligneFin)) return;
  // The comment stands in the report of each unknown id it names.
  for (std::size_t i = avant; i < suppressions_.Inconnus().size(); ++i) {
    lignesInconnus_.push_back("<!--" + std::string(texte) + "-->\n");
  }
}

void FiltreConstats::Passer(const Signalement& s) {
  // A finding of the whole page carries the <head> tag's line for the
  // formats that place it, but only a page-wide comment leaves it out.
  const bool ligne = kConstats[s.constat].genre == GenreConstat::Ligne;
  if (suppressions_.Supprime(kConstats[s.constat].id, ligne ? s.ligne : 0)) return;
  signalee_ = true;
  ++parNiveau_[static_cast<int>(niveauDe(s.constat))];
  suite_.Constate(s);
}

void FiltreConstats::Vider() {
  const auto& inconnus = suppressions_.Inconnus();
  std::size_t suivant = 0;
  const auto passerInconnus = [&](int jusqua) {
    for (; suivant < inconnus.size() && inconnus[suivant].ligne <= jusqua; ++suivant) {
      if (ignores_[kIgnoreInconnu]) continue;
      Signalement s = signalementLigne(kIgnoreInconnu, inconnus[suivant].ligne,
                                       lignesInconnus_[suivant].c_str());
      s.valeur = inconnus[suivant].id.c_str();
      Passer(s);
    }
  };
  for (Garde& garde : gardes_) {
    Signalement& s = garde.signalement;
    // A finding of the whole page comes after every line's.
    passerInconnus(kConstats[s.constat].genre == GenreConstat::Ligne ? s.ligne - 1
                   : inconnus.empty()                                ? 0
                                                                     : inconnus.back().ligne);
    if (s.texte != nullptr) s.texte = garde.texte.c_str();
    if (s.motCle != nullptr) s.motCle = garde.motCle.c_str();
    if (s.valeur != nullptr) s.valeur = garde.valeur.c_str();
    if (s.suggestion != nullptr) s.suggestion = garde.suggestion.c_str();
    if (s.page != nullptr) s.page = garde.page.c_str();
    Passer(s);
  }
  passerInconnus(inconnus.empty() ? 0 : inconnus.back().ligne);
}

// The findings passed on borrow their texts from the held copies, which
// stay until the format has seen the page's end.
void FiltreConstats::Fin() {
  Vider();
  ouverte_ = false;
  suite_.Fin();
  gardes_.clear();
}

void FiltreConstats::Interrompue() {
  Vider();
  if (!continuer_) suite_.Interrompue();
  gardes_.clear();
}

void FiltreConstats::Echec(const char* chemin, const MesErreur& erreur, bool commencee) {
  ouverte_ = false;
  suite_.Echec(chemin, erreur, commencee);
}
