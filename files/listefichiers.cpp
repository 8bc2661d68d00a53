// The paths of --files-from, read whole through the platform layer, then split.
#include "files/listefichiers.h"

#include <algorithm>
#include <cstring>

#include "platform/plateforme.h"

namespace {

std::string nomAffiche(const std::string& source) {
  return source == "-" ? std::string("standard input") : "'" + source + "'";
}

}  // namespace

bool decouperListe(std::string_view texte, bool nul, const std::string& nomListe,
                   std::vector<std::string>& chemins, std::string& erreur) {
  const char separateur = nul ? '\0' : '\n';
  if (!nul) {
    const std::size_t octetNul = texte.find('\0');
    if (octetNul != std::string_view::npos) {
      const std::size_t ligne = 1 + static_cast<std::size_t>(std::count(texte.begin(), texte.begin() + octetNul, '\n'));
      erreur = "file list " + nomListe + " holds a NUL byte (line " + std::to_string(ligne) +
               "): a list separated by NUL bytes is read with --null";
      return false;
    }
  }
  while (!texte.empty()) {
    const std::size_t fin = texte.find(separateur);
    std::string_view chemin = texte.substr(0, fin);
    texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
    if (!nul && !chemin.empty() && chemin.back() == '\r') chemin.remove_suffix(1);
    if (!chemin.empty()) chemins.emplace_back(chemin);
  }
  return true;
}

bool lireListe(const std::string& source, bool nul, std::FILE* entree,
               std::vector<std::string>& chemins, std::string& erreur) {
  const std::string nom = nomAffiche(source);
  std::FILE* flux = entree;
  if (source != "-") {
    int code = 0;
    flux = plateforme::ouvrirLecture(source, &code);
    if (flux == nullptr) {
      erreur = "cannot open file list " + nom + ": " + std::strerror(code);
      return false;
    }
  }
  std::string texte;
  const int code = plateforme::lireTout(flux, &texte);
  if (flux != entree) std::fclose(flux);
  if (code != 0) {
    erreur = "cannot read file list " + nom + ": " + std::strerror(code);
    return false;
  }
  return decouperListe(texte, nul, nom, chemins, erreur);
}
