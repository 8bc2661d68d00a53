#include "checker/adressesite.h"

#include <algorithm>
#include <vector>

#include "checker/texteascii.h"

namespace {

struct UrlLue {
  bool valide = false;
  std::string origine;  // scheme and host lowered, port without a default
  std::string chemin;   // as written, '\' read as '/', never empty
};

int valeurHexa(char c) {
  if (estChiffreAscii(c)) return c - '0';
  c = minusculeAscii(c);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

UrlLue lisUrl(std::string_view url) {
  UrlLue lue;
  url = rogneBlancs(url);
  std::string schema;
  for (const char* s : {"http", "https"}) {
    const size_t n = std::string_view(s).size();
    if (url.size() > n + 2 && egalSansCasse(url.substr(0, n), s) && url.substr(n, 3) == "://") {
      schema = s;
    }
  }
  if (schema.empty()) return lue;
  url.remove_prefix(schema.size() + 3);
  const size_t finAutorite = std::min(url.find_first_of("/\\?#"), url.size());
  std::string_view autorite = url.substr(0, finAutorite);
  const size_t arobase = autorite.rfind('@');
  if (arobase != std::string_view::npos) autorite.remove_prefix(arobase + 1);
  size_t finHote = autorite.rfind(':');
  if (finHote != std::string_view::npos && autorite.find(']', finHote) != std::string_view::npos) {
    finHote = std::string_view::npos;  // a ':' inside an IPv6 address
  }
  const std::string_view hote = autorite.substr(0, finHote);
  std::string_view port =
      finHote == std::string_view::npos ? std::string_view() : autorite.substr(finHote + 1);
  if (hote.empty()) return lue;
  for (char c : port) {
    if (!estChiffreAscii(c)) return lue;
  }
  while (port.size() > 1 && port[0] == '0') port.remove_prefix(1);
  lue.origine = schema + "://" + minusculesAscii(hote);
  if (!port.empty() && port != (schema == "http" ? "80" : "443")) {
    lue.origine += ':';
    lue.origine += port;
  }
  std::string_view reste = url.substr(finAutorite);
  reste = reste.substr(0, reste.find_first_of("?#"));
  lue.chemin = reste.empty() ? "/" : std::string(reste);
  for (char& c : lue.chemin) {
    if (c == '\\') c = '/';
  }
  lue.valide = true;
  return lue;
}

// "." or ".." with any dot written %2e, as the URL parser reads them.
int points(std::string_view segment) {
  int nombre = 0;
  while (!segment.empty()) {
    if (segment[0] == '.') {
      segment.remove_prefix(1);
    } else if (segment.size() >= 3 && egalSansCasse(segment.substr(0, 3), "%2e")) {
      segment.remove_prefix(3);
    } else {
      return 0;
    }
    if (++nombre > 2) return 0;
  }
  return nombre;
}

// The path (starting with '/') with its "." and ".." segments resolved, as
// the URL parser resolves them: ".." stops at the root.
std::string resoutPoints(const std::string& chemin) {
  std::vector<std::string_view> segments;
  const std::string_view tout(chemin);
  size_t debut = 1;
  bool finRepertoire = false;
  while (debut <= tout.size()) {
    size_t fin = tout.find('/', debut);
    if (fin == std::string_view::npos) fin = tout.size();
    const std::string_view segment = tout.substr(debut, fin - debut);
    const bool dernier = fin == tout.size();
    const int n = points(segment);
    if (n == 2 && !segments.empty()) segments.pop_back();
    if (n == 0) segments.push_back(segment);
    finRepertoire = n > 0 && dernier;
    debut = fin + 1;
  }
  std::string sortie;
  for (const std::string_view s : segments) {
    sortie += '/';
    sortie += s;
  }
  if (finRepertoire || sortie.empty()) sortie += '/';
  return sortie;
}

std::string decode(std::string_view texte) {
  std::string sortie;
  for (size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '%' && i + 2 < texte.size() && valeurHexa(texte[i + 1]) >= 0 &&
        valeurHexa(texte[i + 2]) >= 0) {
      sortie += static_cast<char>(valeurHexa(texte[i + 1]) * 16 + valeurHexa(texte[i + 2]));
      i += 2;
    } else {
      sortie += texte[i];
    }
  }
  return sortie;
}

// A decoded relative path with '/' runs made one and no leading '/'; false
// when a segment is "." or "..", or the path holds a '\' or a NUL byte.
bool nettoie(std::string& chemin) {
  std::string sortie;
  size_t debut = 0;
  while (debut < chemin.size()) {
    size_t fin = chemin.find('/', debut);
    const bool barre = fin != std::string::npos;
    if (!barre) fin = chemin.size();
    const std::string_view segment = std::string_view(chemin).substr(debut, fin - debut);
    if (segment == "." || segment == ".." || segment.find('\\') != std::string_view::npos ||
        segment.find('\0') != std::string_view::npos) {
      return false;
    }
    if (!segment.empty()) {
      sortie += segment;
      if (barre) sortie += '/';
    }
    debut = fin + 1;
  }
  chemin = sortie;
  return true;
}

}  // namespace

bool estUrlAbsolueHttp(std::string_view url) { return lisUrl(url).valide; }

AdresseSite::AdresseSite(std::string_view url) {
  const UrlLue lue = lisUrl(url);
  if (!lue.valide) return;
  origine = lue.origine;
  chemin = decode(resoutPoints(lue.chemin));
  if (chemin.back() != '/') chemin += '/';
  valide = true;
}

AdresseSite::Place AdresseSite::Situe(std::string_view url) const {
  Place place;
  const UrlLue lue = lisUrl(url);
  if (!valide || !lue.valide || lue.origine != origine) return place;
  std::string lu = decode(resoutPoints(lue.chemin));
  if (lu.compare(0, chemin.size(), chemin) == 0) {
    place.chemin = lu.substr(chemin.size());
  } else if (lu + '/' != chemin) {
    return place;
  }
  if (!nettoie(place.chemin)) {
    place.chemin.clear();
    return place;
  }
  place.dansSite = true;
  place.racine = place.chemin.empty();
  place.repertoire = place.racine || place.chemin.back() == '/';
  return place;
}
