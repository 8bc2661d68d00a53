#include "checker/contenuviewport.h"

#include "checker/texteascii.h"

std::optional<double> lisNombreViewport(std::string_view texte) {
  size_t i = 0;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
  double valeur = 0;
  int chiffres = 0;
  for (; i < texte.size() && estChiffreAscii(texte[i]); ++i, ++chiffres) {
    valeur = valeur * 10 + (texte[i] - '0');
  }
  if (i < texte.size() && texte[i] == '.') {
    double poids = 0.1;
    for (++i; i < texte.size() && estChiffreAscii(texte[i]); ++i, ++chiffres, poids /= 10) {
      valeur += (texte[i] - '0') * poids;
    }
  }
  if (chiffres == 0 || i != texte.size()) return std::nullopt;
  return negatif ? -valeur : valeur;
}

JugementViewport jugeViewport(std::string_view contenu) {
  bool largeur = false;
  std::optional<double> echelle;
  std::optional<double> echelleMax;
  bool zoomInterdit = false;
  size_t debut = 0;
  while (debut <= contenu.size()) {
    size_t fin = contenu.find_first_of(",;", debut);
    if (fin == std::string_view::npos) fin = contenu.size();
    const std::string_view paire = contenu.substr(debut, fin - debut);
    debut = fin + 1;
    const size_t egal = paire.find('=');
    const std::string_view cle = rogneBlancs(paire.substr(0, egal));
    const std::string_view valeur =
        egal == std::string_view::npos ? std::string_view() : rogneBlancs(paire.substr(egal + 1));
    if (egalSansCasse(cle, "width")) {
      largeur = !valeur.empty();
    } else if (egalSansCasse(cle, "initial-scale")) {
      echelle = lisNombreViewport(valeur);
    } else if (egalSansCasse(cle, "maximum-scale")) {
      echelleMax = lisNombreViewport(valeur);
    } else if (egalSansCasse(cle, "user-scalable")) {
      const std::optional<double> nombre = lisNombreViewport(valeur);
      zoomInterdit = egalSansCasse(valeur, "no") || (nombre && *nombre == 0);
    }
  }
  JugementViewport jugement;
  jugement.pasMobile = (!largeur && !echelle) || (echelle && *echelle < 1);
  jugement.bloqueZoom = zoomInterdit || (echelleMax && *echelleMax < 5);
  return jugement;
}
