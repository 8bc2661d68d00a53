// Suppressions: reading pagevet-ignore comments and answering for a finding.
#include "checker/suppressions.h"

#include <cstddef>

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// Whether texte starts with mot (lower case), ASCII letters in any case.
bool commencePar(std::string_view texte, std::string_view mot) {
  if (texte.size() < mot.size()) return false;
  for (std::size_t i = 0; i < mot.size(); ++i) {
    char c = texte[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != mot[i]) return false;
  }
  return true;
}

}  // namespace

bool lireDirectiveIgnore(std::string_view commentaire, DirectiveIgnore& directive) {
  std::size_t debut = 0;
  while (debut < commentaire.size() && estBlanc(commentaire[debut])) ++debut;
  std::string_view reste = commentaire.substr(debut);
  static constexpr std::string_view kPage = "pagevet-ignore";
  static constexpr std::string_view kSuivante = "pagevet-ignore-next-line";
  bool ligneSuivante = false;
  if (commencePar(reste, kSuivante)) {
    ligneSuivante = true;
    reste.remove_prefix(kSuivante.size());
  } else if (commencePar(reste, kPage)) {
    reste.remove_prefix(kPage.size());
  } else {
    return false;
  }
  // The word ends at white space or with the comment.
  if (!reste.empty() && !estBlanc(reste.front())) return false;

  directive.ligneSuivante = ligneSuivante;
  directive.ids.clear();
  std::size_t i = 0;
  while (i < reste.size()) {
    if (estBlanc(reste[i]) || reste[i] == ',') {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < reste.size() && !estBlanc(reste[j]) && reste[j] != ',') ++j;
    directive.ids.emplace_back(reste.substr(i, j - i));
    i = j;
  }
  return true;
}

std::string messageIgnoreInconnu(std::string_view id) {
  return "Unknown finding \"" + std::string(id) + "\" in pagevet-ignore";
}

bool Suppressions::Ajoute(std::string_view commentaire, int ligneDebut, int ligneFin) {
  DirectiveIgnore directive;
  if (!lireDirectiveIgnore(commentaire, directive)) return false;
  if (directive.ids.empty()) inconnus_.push_back({std::string(), ligneDebut});
  for (std::string& id : directive.ids) {
    if (idConnu_ && !idConnu_(id)) {
      inconnus_.push_back({std::move(id), ligneDebut});
    } else if (directive.ligneSuivante) {
      lignes_[ligneFin + 1].insert(std::move(id));
    } else {
      page_.insert(std::move(id));
    }
  }
  return true;
}

bool Suppressions::Supprime(std::string_view id, int ligne) const {
  if (page_.find(id) != page_.end()) return true;
  if (ligne <= 0) return false;
  const auto trouve = lignes_.find(ligne);
  return trouve != lignes_.end() && trouve->second.find(id) != trouve->second.end();
}
