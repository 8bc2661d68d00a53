#include "checker/etiquettelangue.h"

#include <iterator>
#include <string>
#include <vector>

#include "checker/tablesiso.h"
#include "checker/texteascii.h"

namespace {

// RFC 5646 section 2.2.8, lower case: tags kept from RFC 3066 that the
// grammar does not describe or whose subtags are no codes.
const char* const kGrandfathered[] = {
    "en-gb-oed",  "i-ami",      "i-bnn",       "i-default", "i-enochian", "i-hak",
    "i-klingon",  "i-lux",      "i-mingo",     "i-navajo",  "i-pwn",      "i-tao",
    "i-tay",      "i-tsu",      "sgn-be-fr",   "sgn-be-nl", "sgn-ch-de",  "art-lojban",
    "cel-gaulish", "no-bok",    "no-nyn",      "zh-guoyu",  "zh-hakka",   "zh-min",
    "zh-min-nan", "zh-xiang"};
static_assert(std::size(kGrandfathered) == 26, "RFC 5646 lists 26 grandfathered tags");

// Binary search of a lower-case code among `nombre` codes of its width.
bool dansTable(const char* table, int nombre, std::string_view code) {
  const size_t largeur = code.size();
  int bas = 0;
  int haut = nombre;
  while (bas < haut) {
    const int milieu = bas + (haut - bas) / 2;
    const int ordre = code.compare(std::string_view(table + milieu * largeur, largeur));
    if (ordre == 0) return true;
    if (ordre < 0) {
      haut = milieu;
    } else {
      bas = milieu + 1;
    }
  }
  return false;
}

bool tout(std::string_view s, bool (*garde)(char)) {
  for (char c : s) {
    if (!garde(c)) return false;
  }
  return true;
}
bool lettre(char c) { return estLettreAscii(c); }
bool chiffre(char c) { return estChiffreAscii(c); }
bool alphanum(char c) { return estLettreAscii(c) || estChiffreAscii(c); }

bool alpha(std::string_view s, size_t min, size_t max) {
  return s.size() >= min && s.size() <= max && tout(s, lettre);
}
bool alnum(std::string_view s, size_t min, size_t max) {
  return s.size() >= min && s.size() <= max && tout(s, alphanum);
}

// The subtags of a lower-case tag; none when a subtag is empty.
std::vector<std::string_view> sousEtiquettes(std::string_view tag) {
  std::vector<std::string_view> parts;
  size_t debut = 0;
  while (true) {
    const size_t tiret = tag.find('-', debut);
    const std::string_view part =
        tag.substr(debut, tiret == std::string_view::npos ? std::string_view::npos : tiret - debut);
    if (part.empty()) return {};
    parts.push_back(part);
    if (tiret == std::string_view::npos) return parts;
    debut = tiret + 1;
  }
}

// x followed by one or more subtags of one to eight letters or digits.
bool usagePrive(const std::vector<std::string_view>& parts, size_t i) {
  if (i + 1 >= parts.size() || parts[i] != "x") return false;
  for (++i; i < parts.size(); ++i) {
    if (!alnum(parts[i], 1, 8)) return false;
  }
  return true;
}

bool estChiffres3(std::string_view s) { return s.size() == 3 && tout(s, chiffre); }
// variant: 5*8alphanum or DIGIT 3alphanum.
bool estVariante(std::string_view s) {
  return alnum(s, 5, 8) || (s.size() == 4 && chiffre(s[0]) && alnum(s, 4, 4));
}

bool estScript(std::string_view s) { return alpha(s, 4, 4) && estEcritureIso15924(s); }
bool estRegion(std::string_view s) {
  return (alpha(s, 2, 2) && estRegionIso3166(s)) || estChiffres3(s);
}

}  // namespace

bool estLangueIso639(std::string_view code) {
  const std::string bas = minusculesAscii(code);
  if (!alpha(bas, 2, 3)) return false;
  if (bas.size() == 2) return dansTable(languesIso639Deux, kNombreLanguesIso639Deux, bas);
  if (bas >= "qaa" && bas <= "qtz") return true;
  return dansTable(languesIso639Trois, kNombreLanguesIso639Trois, bas);
}

bool estEcritureIso15924(std::string_view code) {
  const std::string bas = minusculesAscii(code);
  if (!alpha(bas, 4, 4)) return false;
  if (bas >= "qaaa" && bas <= "qabx") return true;
  return dansTable(ecrituresIso15924, kNombreEcrituresIso15924, bas);
}

bool estRegionIso3166(std::string_view code) {
  const std::string bas = minusculesAscii(code);
  return alpha(bas, 2, 2) && dansTable(regionsIso3166, kNombreRegionsIso3166, bas);
}

bool langValide(std::string_view etiquette) {
  const std::string tag = minusculesAscii(rogneBlancs(etiquette));
  for (const char* ancien : kGrandfathered) {
    if (tag == ancien) return true;
  }
  const std::vector<std::string_view> parts = sousEtiquettes(tag);
  if (parts.empty()) return false;
  if (usagePrive(parts, 0)) return true;
  // language: 2*3ALPHA with up to three extlang, 4ALPHA and 5*8ALPHA being
  // well-formed but no ISO 639 code.
  if (!alpha(parts[0], 2, 3) || !estLangueIso639(parts[0])) return false;
  size_t i = 1;
  for (int extensions = 0; extensions < 3 && i < parts.size() && alpha(parts[i], 3, 3);
       ++extensions, ++i) {
    if (!estLangueIso639(parts[i])) return false;
  }
  if (i < parts.size() && alpha(parts[i], 4, 4)) {
    if (!estScript(parts[i])) return false;
    ++i;
  }
  if (i < parts.size() && (alpha(parts[i], 2, 2) || estChiffres3(parts[i]))) {
    if (!estRegion(parts[i])) return false;
    ++i;
  }
  while (i < parts.size() && estVariante(parts[i])) ++i;
  // extension: a singleton other than x, then one or more of 2*8alphanum.
  while (i < parts.size() && parts[i].size() == 1 && alphanum(parts[i][0]) && parts[i] != "x") {
    size_t j = i + 1;
    while (j < parts.size() && alnum(parts[j], 2, 8)) ++j;
    if (j == i + 1) return false;
    i = j;
  }
  return i == parts.size() || usagePrive(parts, i);
}

bool hreflangValide(std::string_view etiquette) {
  const std::string tag = minusculesAscii(rogneBlancs(etiquette));
  if (tag == "x-default") return true;
  const std::vector<std::string_view> parts = sousEtiquettes(tag);
  if (parts.empty() || parts.size() > 3) return false;
  if (parts[0].size() != 2 || !estLangueIso639(parts[0])) return false;
  size_t i = 1;
  if (i < parts.size() && parts[i].size() == 4 && estEcritureIso15924(parts[i])) ++i;
  if (i < parts.size() && estRegionIso3166(parts[i])) ++i;
  return i == parts.size();
}
