#include "checker/textenormalise.h"

#include "checker/texteascii.h"

std::string texteNormalise(std::string_view texte) {
  texte = rogneBlancs(texte);
  std::string sortie;
  sortie.reserve(texte.size());
  bool blanc = false;
  for (char c : texte) {
    if (estBlancAscii(c)) {
      blanc = true;
      continue;
    }
    if (blanc) sortie += ' ';
    blanc = false;
    sortie += c;
  }
  return sortie;
}

size_t nombreCaracteres(std::string_view utf8) {
  size_t nombre = 0;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++nombre;
  }
  return nombre;
}
