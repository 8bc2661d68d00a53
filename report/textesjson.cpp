#include "report/textesjson.h"

#include <cstring>

#include "report/cheminbarres.h"

std::string texteUtf8(const char* texte, JeuCaracteres jeu) {
  std::string utf8;
  ajouterEnUtf8(texte, jeu, utf8);
  return utf8;
}

std::string ligneUtf8(const char* ligne, JeuCaracteres jeu) {
  std::string utf8 = texteUtf8(ligne, jeu);
  if (!utf8.empty() && utf8.back() == '\n') utf8.pop_back();
  return utf8;
}

std::string cheminUtf8(const char* chemin) {
  return texteUtf8(cheminAvecBarres(chemin).c_str(), JeuCaracteres::Utf8);
}

const char* nomJeu(JeuCaracteres jeu) {
  return jeu == JeuCaracteres::Utf8 ? "utf-8" : "windows-1252";
}
