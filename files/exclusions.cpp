// Exclusions: a path is left out when any pattern leaves it out.
#include "files/exclusions.h"

#include <algorithm>

bool Exclusions::Exclu(std::string_view chemin, bool estRepertoire) const {
  if (motifs_.empty()) return false;
  const std::string normal = Normaliser(chemin);
  for (const MotifExclusion& motif : motifs_) {
    if (motif.Exclut(normal, estRepertoire)) return true;
  }
  return false;
}

std::string Exclusions::Normaliser(std::string_view chemin) {
  std::string normal;
  normal.reserve(chemin.size());
  if (!chemin.empty() && chemin.front() == '/') normal += '/';
  while (!chemin.empty()) {
    const std::size_t barre = chemin.find('/');
    const std::string_view partie = chemin.substr(0, barre);
    chemin.remove_prefix(barre == std::string_view::npos ? chemin.size() : barre + 1);
    if (partie.empty() || partie == ".") continue;
    if (!normal.empty() && normal.back() != '/') normal += '/';
    normal += partie;
  }
  return normal;
}

std::string Exclusions::RelatifA(std::string_view chemin, std::string_view depart) {
  while (depart.size() > 1 && depart.back() == '/') depart.remove_suffix(1);
  if (chemin.empty() || chemin.front() != '/' || depart.empty() || depart.front() != '/') {
    return std::string(chemin);
  }
  if (depart == "/") return std::string(chemin.substr(1));
  if (chemin.substr(0, depart.size()) != depart) return std::string(chemin);
  const std::string_view reste = chemin.substr(depart.size());
  if (reste.empty()) return std::string();
  if (reste.front() != '/') return std::string(chemin);  // "/w2/x" is not in "/w"
  return std::string(reste.substr(1));
}

std::string Exclusions::DepuisProgramme(std::string_view chemin) {
  std::string texte(chemin);
  std::replace(texte.begin(), texte.end(), '\\', '/');
  return texte;
}
