#include "checker/texteascii.h"

std::string_view rogneBlancs(std::string_view texte) {
  size_t debut = 0;
  size_t fin = texte.size();
  while (debut < fin && estBlancAscii(texte[debut])) ++debut;
  while (fin > debut && estBlancAscii(texte[fin - 1])) --fin;
  return texte.substr(debut, fin - debut);
}

std::string minusculesAscii(std::string_view texte) {
  std::string copie(texte);
  for (char& c : copie) c = minusculeAscii(c);
  return copie;
}

bool egalSansCasse(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (minusculeAscii(a[i]) != minusculeAscii(b[i])) return false;
  }
  return true;
}

bool estUnDe(std::string_view texte, const char* const* noms, int nombre) {
  for (int i = 0; i < nombre; ++i) {
    if (egalSansCasse(texte, noms[i])) return true;
  }
  return false;
}
