#include "checker/fautesnommeta.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "checker/texteascii.h"

namespace {

// In the order a tie is settled.
const char* const kSuggeres[] = {"description", "keywords",  "viewport",    "robots",
                                 "googlebot",   "author",    "generator",   "referrer",
                                 "theme-color", "color-scheme", "application-name"};
static_assert(std::size(kSuggeres) == 11, "eleven names are suggested");

// Known names that are never typos, beside the suggested ones.
const char* const kConnus[] = {"content-type",   "content-language", "reply-to",
                               "googlebot-news", "google",           "google-site-verification",
                               "rating",         "format-detection"};
static_assert(std::size(kConnus) == 8, "eight more known names");

constexpr int kLongueurMin = 5;
constexpr int kEditionsMax = 2;

// The code points of a UTF-8 text, A-Z lowered; a byte that starts no
// well-formed sequence stands for itself.
std::u32string points(std::string_view texte) {
  std::u32string sortie;
  for (size_t i = 0; i < texte.size();) {
    const unsigned char c = static_cast<unsigned char>(texte[i]);
    int suite = 0;
    if (c >= 0xC2 && c < 0xE0) suite = 1;
    if (c >= 0xE0 && c < 0xF0) suite = 2;
    if (c >= 0xF0 && c < 0xF5) suite = 3;
    char32_t point = c & (0x3F >> suite);
    bool bon = suite > 0 && i + suite < texte.size();
    for (int k = 1; bon && k <= suite; ++k) {
      const unsigned char s = static_cast<unsigned char>(texte[i + k]);
      bon = (s & 0xC0) == 0x80;
      point = point << 6 | (s & 0x3F);
    }
    if (bon) {
      sortie.push_back(point);
      i += suite + 1;
    } else {
      sortie.push_back(static_cast<char32_t>(minusculeAscii(static_cast<char>(c))) & 0xFF);
      ++i;
    }
  }
  return sortie;
}

int osa(const std::u32string& a, const std::u32string& b, int plafond) {
  const int n = static_cast<int>(a.size());
  const int m = static_cast<int>(b.size());
  if (std::abs(n - m) > plafond) return plafond + 1;
  // The lengths differ by at most plafond, and the known names are short:
  // the whole matrix is small. Three rows of it: two back, one back, current.
  std::vector<int> avant(m + 1);
  std::vector<int> precedente(m + 1);
  std::vector<int> courante(m + 1);
  for (int j = 0; j <= m; ++j) precedente[j] = j;
  for (int i = 1; i <= n; ++i) {
    courante[0] = i;
    for (int j = 1; j <= m; ++j) {
      const int substitution = a[i - 1] == b[j - 1] ? 0 : 1;
      int d = std::min({precedente[j] + 1, courante[j - 1] + 1, precedente[j - 1] + substitution});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d = std::min(d, avant[j - 2] + 1);
      }
      courante[j] = d;
    }
    std::swap(avant, precedente);
    std::swap(precedente, courante);
  }
  return std::min(precedente[m], plafond + 1);
}

}  // namespace

int distanceOsa(std::string_view a, std::string_view b, int plafond) {
  return osa(points(a), points(b), plafond);
}

const char* suggestionNomMeta(std::string_view nom) {
  nom = rogneBlancs(nom);
  const std::u32string lu = points(nom);
  if (static_cast<int>(lu.size()) < kLongueurMin || nom.find(':') != std::string_view::npos) {
    return nullptr;
  }
  if (estUnDe(nom, kSuggeres, static_cast<int>(std::size(kSuggeres))) ||
      estUnDe(nom, kConnus, static_cast<int>(std::size(kConnus)))) {
    return nullptr;
  }
  const char* meilleur = nullptr;
  int plusPetite = kEditionsMax + 1;
  for (const char* candidat : kSuggeres) {
    const int d = osa(lu, points(candidat), kEditionsMax);
    if (d < plusPetite) {
      plusPetite = d;
      meilleur = candidat;
    }
  }
  return meilleur;
}
