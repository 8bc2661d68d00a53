#include "checker/valeursmeta.h"

#include <iterator>

#include "checker/texteascii.h"

namespace {

// WHATWG Encoding, the labels of the encoding UTF-8.
const char* const kEtiquettesUtf8[] = {"unicode-1-1-utf-8", "unicode11utf8", "unicode20utf8",
                                       "utf-8",             "utf8",          "x-unicode20utf8"};
static_assert(std::size(kEtiquettesUtf8) == 6, "UTF-8 has six labels");

const char* const kHttpEquiv[] = {"content-type",          "default-style",
                                  "refresh",               "x-ua-compatible",
                                  "content-security-policy", "content-language"};
static_assert(std::size(kHttpEquiv) == 6, "six http-equiv values are standard");

const char* const kCartesTwitter[] = {"summary", "summary_large_image", "app", "player"};
static_assert(std::size(kCartesTwitter) == 4, "four kinds of card");

template <size_t N>
bool dans(std::string_view valeur, const char* const (&noms)[N]) {
  return estUnDe(rogneBlancs(valeur), noms, static_cast<int>(N));
}

}  // namespace

bool estEtiquetteUtf8(std::string_view etiquette) { return dans(etiquette, kEtiquettesUtf8); }
bool estHttpEquivConnu(std::string_view valeur) { return dans(valeur, kHttpEquiv); }
bool estCarteTwitterConnue(std::string_view valeur) { return dans(valeur, kCartesTwitter); }

Rafraichissement lisRafraichissement(std::string_view contenu) {
  Rafraichissement lu;
  size_t i = 0;
  while (i < contenu.size() && estBlancAscii(contenu[i])) ++i;
  const size_t debut = i;
  uint64_t secondes = 0;
  for (; i < contenu.size() && estChiffreAscii(contenu[i]); ++i) {
    secondes = secondes * 10 + (contenu[i] - '0');
    if (secondes > UINT32_MAX) secondes = UINT32_MAX;
  }
  if (i == debut && (i == contenu.size() || contenu[i] != '.')) return lu;
  while (i < contenu.size() && (estChiffreAscii(contenu[i]) || contenu[i] == '.')) ++i;
  if (i < contenu.size() && contenu[i] != ';' && contenu[i] != ',' && !estBlancAscii(contenu[i])) {
    return lu;
  }
  lu.valide = true;
  lu.secondes = static_cast<uint32_t>(secondes);
  lu.ecrit = contenu.substr(debut, i - debut);
  return lu;
}
