#include "foundation/jeucaracteres.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "foundation/declarationjeu.h"
#include "foundation/tableunicode.h"

namespace {

// Windows-1252 codes 0x80-0x9F as Unicode; 0 marks the five undefined ones.
constexpr char16_t kCp1252Haut[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The window that tells an undeclared page's character set.
constexpr std::size_t kFenetre = 64 * 1024;
// The high bit of each of eight bytes.
constexpr std::uint64_t kHauts = 0x8080808080808080ULL;

// The Hangul syllables, U+AC00 to U+D7A3, each an initial, a vowel and
// maybe a final consonant, in that order of rank.
constexpr char32_t kSyllabes = 0xAC00;
constexpr char32_t kNombreSyllabes = 11172;
constexpr char32_t kFinalesParVoyelle = 28;  // "no final" included
constexpr char32_t kSyllabesParInitiale = 21 * kFinalesParVoyelle;
constexpr char32_t kJamosInitiaux = 0x1100;
constexpr char32_t kJamosVoyelles = 0x1161;
constexpr char32_t kJamosFinaux = 0x11A7;  // the jamo before the first final
static_assert(kNombreSyllabes == 19 * kSyllabesParInitiale, "19 initials");

bool suite(unsigned char octet) { return (octet & 0xC0) == 0x80; }

// Whether point lies in one of the n sorted ranges.
bool dansPlages(const PlageUnicode* plages, int n, char32_t point) {
  const PlageUnicode* plage = std::upper_bound(
      plages, plages + n, point,
      [](char32_t p, const PlageUnicode& candidate) { return p < candidate.debut; });
  return plage != plages && point <= (plage - 1)->fin;
}

// The length of the sequence that the lead byte c starts, and the range its
// second byte must fall in (no overlong form, no surrogate, nothing above
// U+10FFFF); 0 for a byte that starts none.
struct Debut {
  std::size_t longueur;
  unsigned char min;
  unsigned char max;
};

Debut debutSequence(unsigned char c) {
  const auto octet = [](int valeur) { return static_cast<unsigned char>(valeur); };
  if (c >= 0xC2 && c <= 0xDF) return {2, 0x80, 0xBF};
  if (c >= 0xE0 && c <= 0xEF) {
    return {3, octet(c == 0xE0 ? 0xA0 : 0x80), octet(c == 0xED ? 0x9F : 0xBF)};
  }
  if (c >= 0xF0 && c <= 0xF4) {
    return {4, octet(c == 0xF0 ? 0x90 : 0x80), octet(c == 0xF4 ? 0x8F : 0xBF)};
  }
  return {0, 0, 0};
}

// How many bytes at p, at most `reste`, begin a valid sequence: all of them
// for a whole one, fewer for one cut short, 0 when the first byte cannot.
std::size_t prefixeValide(const unsigned char* p, std::size_t reste, std::size_t* longueur) {
  const Debut debut = debutSequence(p[0]);
  *longueur = debut.longueur;
  if (debut.longueur == 0) return 0;
  std::size_t n = 1;
  if (n < reste) {
    if (p[1] < debut.min || p[1] > debut.max) return 0;
    ++n;
  }
  while (n < debut.longueur && n < reste) {
    if (!suite(p[n])) return 0;
    ++n;
  }
  return n;
}

}  // namespace

std::size_t longueurUtf8(const char* p, std::size_t reste) {
  std::size_t longueur = 0;
  const std::size_t valides =
      prefixeValide(reinterpret_cast<const unsigned char*>(p), reste, &longueur);
  return longueur > 0 && valides == longueur ? longueur : 0;
}

char32_t decoderUtf8(const char* p, std::size_t longueur) {
  const auto* o = reinterpret_cast<const unsigned char*>(p);
  static constexpr unsigned char kMasques[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t point = o[0] & kMasques[longueur];
  for (std::size_t i = 1; i < longueur; ++i) point = (point << 6) | (o[i] & 0x3F);
  return point;
}

std::size_t ecrireUtf8(char32_t point, char* destination) {
  auto* d = reinterpret_cast<unsigned char*>(destination);
  if (point < 0x80) {
    d[0] = static_cast<unsigned char>(point);
    return 1;
  }
  if (point < 0x800) {
    d[0] = static_cast<unsigned char>(0xC0 | (point >> 6));
    d[1] = static_cast<unsigned char>(0x80 | (point & 0x3F));
    return 2;
  }
  if (point < 0x10000) {
    d[0] = static_cast<unsigned char>(0xE0 | (point >> 12));
    d[1] = static_cast<unsigned char>(0x80 | ((point >> 6) & 0x3F));
    d[2] = static_cast<unsigned char>(0x80 | (point & 0x3F));
    return 3;
  }
  d[0] = static_cast<unsigned char>(0xF0 | (point >> 18));
  d[1] = static_cast<unsigned char>(0x80 | ((point >> 12) & 0x3F));
  d[2] = static_cast<unsigned char>(0x80 | ((point >> 6) & 0x3F));
  d[3] = static_cast<unsigned char>(0x80 | (point & 0x3F));
  return 4;
}

void ajouterUtf8(char32_t point, std::string& sortie) {
  char octets[4];
  sortie.append(octets, ecrireUtf8(point, octets));
}

char32_t unicodeDe1252(unsigned char octet) {
  if (octet < 0x80 || octet >= 0xA0) return octet;
  const char32_t point = kCp1252Haut[octet - 0x80];
  return point != 0 ? point : 0xFFFD;
}

int octet1252(char32_t point) {
  if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return static_cast<int>(point);
  // The 27 others lie between U+0152 and U+2122.
  if (point < 0x152 || point > 0x2122) return -1;
  for (int i = 0; i < 32; ++i) {
    if (kCp1252Haut[i] == point) return 0x80 + i;
  }
  return -1;
}

bool estSeparateurUnicode(char32_t point) {
  return dansPlages(separateursUnicode, nombreSeparateursUnicode, point);
}

int plierCaractere(char32_t point, char32_t pli[3]) {
  if (point < 0x80) {
    pli[0] = point >= 'A' && point <= 'Z' ? point + ('a' - 'A') : point;
    return 1;
  }
  if (point >= kSyllabes && point < kSyllabes + kNombreSyllabes) {
    const char32_t rang = point - kSyllabes;
    pli[0] = kJamosInitiaux + rang / kSyllabesParInitiale;
    pli[1] = kJamosVoyelles + rang % kSyllabesParInitiale / kFinalesParVoyelle;
    const char32_t finale = rang % kFinalesParVoyelle;
    if (finale == 0) return 2;
    pli[2] = kJamosFinaux + finale;
    return 3;
  }
  if (dansPlages(marquesUnicode, nombreMarquesUnicode, point)) return 0;
  const PliUnicode* const fin = pliesUnicode + nombrePliesUnicode;
  const PliUnicode* simple = std::lower_bound(
      pliesUnicode, fin, point, [](const PliUnicode& p, char32_t c) { return p.point < c; });
  if (simple != fin && simple->point == point) {
    pli[0] = simple->pli;
    return 1;
  }
  const PliMultiple* const finMultiples = pliesMultiples + nombrePliesMultiples;
  const PliMultiple* multiple = std::lower_bound(
      pliesMultiples, finMultiples, point,
      [](const PliMultiple& p, char32_t c) { return p.point < c; });
  if (multiple != finMultiples && multiple->point == point) {
    int n = 0;
    while (n < 3 && multiple->pli[n] != 0) {
      pli[n] = multiple->pli[n];
      ++n;
    }
    return n;
  }
  pli[0] = point;
  return 1;
}

int codeCp850(char32_t point) {
  if (point < 0x80) return static_cast<int>(point);
  const PaireCp850* const fin = std::end(tableCp850);
  const PaireCp850* paire = std::lower_bound(
      std::begin(tableCp850), fin, point,
      [](const PaireCp850& candidate, char32_t p) { return candidate.point < p; });
  return paire != fin && paire->point == point ? paire->code : -1;
}

CaractereUtf8 lireCaractere(const char* p) {
  const auto octet = static_cast<unsigned char>(*p);
  if (octet < 0x80) return {octet, -1, 1};
  const std::size_t longueur = longueurUtf8(p);
  if (longueur == 0) return {unicodeDe1252(octet), octet, 1};
  return {decoderUtf8(p, longueur), -1, longueur};
}

std::size_t compterCaracteres(const char* p, std::size_t n, JeuCaracteres jeu) {
  if (jeu == JeuCaracteres::Windows1252) return n;
  std::size_t nombre = 0;
  for (std::size_t i = 0; i < n; ++nombre) {
    const std::size_t longueur = longueurUtf8(p + i, n - i);
    i += longueur > 0 ? longueur : 1;
  }
  return nombre;
}

std::size_t prefixeAscii(const char* p, std::size_t n) {
  std::size_t i = 0;
  for (std::uint64_t huit; i + 8 <= n && (std::memcpy(&huit, p + i, 8), (huit & kHauts) == 0);) {
    i += 8;
  }
  while (i < n && static_cast<unsigned char>(p[i]) < 0x80) ++i;
  return i;
}

void ajouterEnUtf8(const char* texte, JeuCaracteres jeu, std::string& sortie) {
  const bool utf8 = jeu == JeuCaracteres::Utf8;
  const std::size_t n = std::strlen(texte);
  sortie.reserve(sortie.size() + n);
  const char* const fin = texte + n;
  for (const char* p = texte; p < fin;) {
    // Runs of ASCII, eight bytes at a time where they can be, and of valid
    // UTF-8 in a UTF-8 text, are appended whole.
    const char* debut = p;
    for (std::size_t longueur; p < fin; p += longueur) {
      longueur = prefixeAscii(p, static_cast<std::size_t>(fin - p));
      if (longueur == 0 &&
          (!utf8 || (longueur = longueurUtf8(p, static_cast<std::size_t>(fin - p))) == 0)) {
        break;
      }
    }
    sortie.append(debut, static_cast<std::size_t>(p - debut));
    if (p < fin) ajouterUtf8(unicodeDe1252(static_cast<unsigned char>(*p++)), sortie);
  }
}

bool estTexteUtf8(const char* texte) {
  bool multiple = false;
  for (const char* p = texte; *p != '\0';) {
    if (static_cast<unsigned char>(*p) < 0x80) {
      ++p;
      continue;
    }
    const std::size_t longueur = longueurUtf8(p);
    if (longueur == 0) return false;
    multiple = true;
    p += longueur;
  }
  return multiple;
}

DecisionJeu deciderJeu(const char* debut, std::size_t n, bool complet) {
  const auto* o = reinterpret_cast<const unsigned char*>(debut);
  if (n >= 3 && o[0] == 0xEF && o[1] == 0xBB && o[2] == 0xBF) return {JeuCaracteres::Utf8, 3};
  JeuCaracteres declare;
  if (jeuDeclare(debut, n, declare)) return {declare, 0};

  const std::size_t fenetre = std::min(n, kFenetre);
  // The window is the whole page only when it holds all of it.
  const bool coupeePermise = !(complet && fenetre == n);
  bool multiple = false;
  for (std::size_t i = 0; i < fenetre;) {
    if (o[i] < 0x80) {
      i += prefixeAscii(debut + i, fenetre - i);
      continue;
    }
    std::size_t longueur = 0;
    const std::size_t valides = prefixeValide(o + i, fenetre - i, &longueur);
    if (longueur > 0 && valides == longueur) {
      multiple = true;
      i += longueur;
    } else if (valides > 0 && i + valides == fenetre && coupeePermise) {
      break;  // cut by the end of the window; the page goes on
    } else {
      return {JeuCaracteres::Windows1252, 0};
    }
  }
  return {multiple ? JeuCaracteres::Utf8 : JeuCaracteres::Windows1252, 0};
}
