#include "checker/directivesrobots.h"

#include <iterator>

#include "checker/texteascii.h"

namespace {

const char* const kSimples[] = {
    "all",         "index",        "follow",          "noindex",
    "nofollow",    "none",         "noarchive",       "nocache",
    "nosnippet",   "notranslate",  "noimageindex",    "indexifembedded",
    "nositelinkssearchbox"};
static_assert(std::size(kSimples) == 13, "the directives without a value");

const char* const kApercusImage[] = {"none", "standard", "large"};

// An integer of -1 or more: an optional '-' then digits, the negative
// ones (leading zeros aside) being -0 and -1 only.
bool entierDepuisMoinsUn(std::string_view v) {
  const bool negatif = !v.empty() && v[0] == '-';
  if (negatif) v.remove_prefix(1);
  if (v.empty()) return false;
  for (char c : v) {
    if (!estChiffreAscii(c)) return false;
  }
  if (!negatif) return true;
  while (v.size() > 1 && v[0] == '0') v.remove_prefix(1);
  return v == "0" || v == "1";
}

bool connue(std::string_view jeton) {
  const size_t deuxPoints = jeton.find(':');
  if (deuxPoints == std::string_view::npos) {
    return estUnDe(jeton, kSimples, static_cast<int>(std::size(kSimples)));
  }
  const std::string_view nom = rogneBlancs(jeton.substr(0, deuxPoints));
  const std::string_view valeur = rogneBlancs(jeton.substr(deuxPoints + 1));
  if (egalSansCasse(nom, "max-snippet") || egalSansCasse(nom, "max-video-preview")) {
    return entierDepuisMoinsUn(valeur);
  }
  if (egalSansCasse(nom, "max-image-preview")) {
    return estUnDe(valeur, kApercusImage, static_cast<int>(std::size(kApercusImage)));
  }
  return egalSansCasse(nom, "unavailable_after") && !valeur.empty();
}

}  // namespace

DirectivesRobots lisDirectivesRobots(std::string_view contenu) {
  DirectivesRobots directives;
  size_t debut = 0;
  while (debut <= contenu.size()) {
    size_t virgule = contenu.find(',', debut);
    if (virgule == std::string_view::npos) virgule = contenu.size();
    const std::string_view jeton = rogneBlancs(contenu.substr(debut, virgule - debut));
    debut = virgule + 1;
    if (jeton.empty()) continue;
    if (egalSansCasse(jeton, "noindex") || egalSansCasse(jeton, "none")) directives.noindex = true;
    if (!connue(jeton)) directives.inconnues.push_back(jeton);
  }
  return directives;
}
