#include "html/lecteurmots.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "foundation/meserreur.h"
#include "html/trthtml.h"

namespace {

constexpr auto kMaxCaracteres = static_cast<std::size_t>(kMaxCaracteresMot);
constexpr int kLigneDepassementMot = 260;

using Classe = LecteurMots::Classe;
constexpr Classe kMot = LecteurMots::kMot;
constexpr Classe kSepare = LecteurMots::kSepare;
constexpr Classe kEsperluette = LecteurMots::kEsperluette;
constexpr Classe kFin = LecteurMots::kFin;

// The class of each byte, built once, from the separators.
class Classes {
 public:
  Classes() {
    const bool* const separateurs = tableSeparateurs();
    for (int c = 0; c < 256; ++c) {
      classes_[c] = (estBlanc(static_cast<char>(c)) || separateurs[c]) ? kSepare : kMot;
    }
    classes_[static_cast<unsigned char>('&')] = kEsperluette;
    classes_[0] = kFin;
    std::copy(classes_, classes_ + 0x80, ascii_);
    std::fill(ascii_ + 0x80, ascii_ + 256, LecteurMots::kUtf8);
  }
  Classe De(char c) const { return static_cast<Classe>(classes_[static_cast<unsigned char>(c)]); }
  // The table a page in jeu reads its words with: on a UTF-8 page, every
  // byte beyond ASCII sends the reader the long way.
  const unsigned char* Table(JeuCaracteres jeu) const {
    return jeu == JeuCaracteres::Utf8 ? ascii_ : classes_;
  }

 private:
  unsigned char classes_[256];
  unsigned char ascii_[256];
};

const Classes& classes() {
  static const Classes instance;
  return instance;
}

// What each character beyond ASCII is on a UTF-8 page, the first 256 from a
// table: from U+00A0, what its byte is on a Windows-1252 page, and a
// separator also when Unicode calls it punctuation or a space; from U+0080
// to U+009F, control characters that Windows-1252 does not write, part of
// a word.
class ClassesUtf8 {
 public:
  ClassesUtf8() {
    for (char32_t c = 0x80; c < 256; ++c) {
      const bool separe = c >= 0xA0 && (classes().De(static_cast<char>(c)) == kSepare ||
                                        estSeparateurUnicode(c));
      classes_[c - 0x80] = separe ? kSepare : kMot;
    }
  }
  // point is beyond ASCII.
  Classe De(char32_t point) const {
    if (point < 256) return classes_[point - 0x80];
    return estSeparateurUnicode(point) ? kSepare : kMot;
  }

 private:
  Classe classes_[128];
};

const ClassesUtf8& classesUtf8() {
  static const ClassesUtf8 instance;
  return instance;
}

// What the character at p of a UTF-8 text is to word extraction, and the
// bytes it covers. ASCII is what it is on a Windows-1252 page; beyond it, a
// character separates words when Windows-1252 has it as a separator (the
// characters of the separating entities) or Unicode calls it punctuation
// or a space, and belongs to them otherwise. A stray byte is its
// Windows-1252 character.
Classe classeUtf8(const char* p, std::size_t& longueur) {
  const auto octet = static_cast<unsigned char>(*p);
  if (octet < 0x80) {
    longueur = 1;
    return classes().De(*p);
  }
  const CaractereUtf8 caractere = lireCaractere(p);
  longueur = caractere.longueur;
  return classesUtf8().De(caractere.point);
}

[[noreturn]] void depassement() {
  throw MesErreur("Depassement de capacite pour extraire un mot", "trthtml", kLigneDepassementMot);
}

// Where the entity that starts at p joins the word up to: its ';', or the
// end of the text when none closes it.
const char* finEntite(const char* p) {
  const char* const pointVirgule = std::strchr(p, ';');
  return pointVirgule != nullptr ? pointVirgule + 1 : p + std::strlen(p);
}

// Which of the 16 bytes at p are blanks, and which are '&', one bit each.
#ifdef __SSE2__
void blancsEtEsperluettes(const char* p, unsigned& blancs, unsigned& esperluettes) {
  const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  // '\t' to '\r': the bytes less '\t' that are 4 at most, unsigned.
  const __m128i decales = _mm_sub_epi8(octets, _mm_set1_epi8('\t'));
  const __m128i controles = _mm_cmpeq_epi8(_mm_min_epu8(decales, _mm_set1_epi8(4)), decales);
  blancs = static_cast<unsigned>(_mm_movemask_epi8(
      _mm_or_si128(controles, _mm_cmpeq_epi8(octets, _mm_set1_epi8(' ')))));
  esperluettes =
      static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(octets, _mm_set1_epi8('&'))));
}
#endif

}  // namespace

bool LecteurMots::SousLaLimite(const char* texte, std::size_t n) {
  const char* const fin = texte + n;
  const char* debut = texte;  // where the stretch since the last blank starts
  const char* p = texte;
#ifdef __SSE2__
  while (fin - p >= 16) {
    unsigned blancs;
    unsigned esperluettes;
    blancsEtEsperluettes(p, blancs, esperluettes);
    // The bytes up to the first '&' only.
    const unsigned avant = esperluettes == 0 ? 16 : static_cast<unsigned>(__builtin_ctz(esperluettes));
    if (avant < 16) blancs &= (1u << avant) - 1;
    if (blancs != 0) {
      if (p + __builtin_ctz(blancs) - debut > kMaxCaracteresMot) return false;
      debut = p + (31 - __builtin_clz(blancs)) + 1;
    }
    if (avant == 16) {
      p += 16;
      continue;
    }
    // An entity is part of the word it stands in up to its ';', blanks and
    // all, or to the end of the text.
    const char* const esperluette = p + avant;
    const auto* pointVirgule = static_cast<const char*>(
        std::memchr(esperluette, ';', static_cast<std::size_t>(fin - esperluette)));
    if (pointVirgule == nullptr) return fin - debut <= kMaxCaracteresMot;
    p = pointVirgule + 1;
  }
#endif
  for (; p < fin; ++p) {
    if (estBlanc(*p)) {
      if (p - debut > kMaxCaracteresMot) return false;
      debut = p + 1;
    } else if (*p == '&') {
      const auto* pointVirgule =
          static_cast<const char*>(std::memchr(p, ';', static_cast<std::size_t>(fin - p)));
      if (pointVirgule == nullptr) return fin - debut <= kMaxCaracteresMot;
      p = pointVirgule;
    }
  }
  return fin - debut <= kMaxCaracteresMot;
}

LecteurMots::LecteurMots(const char* texte, JeuCaracteres jeu)
    : curseur_(texte), jeu_(jeu), classes_(classes().Table(jeu)) {}

bool LecteurMots::SuivantLentement(const char*& mot, std::size_t& longueur) {
  if (jeu_ == JeuCaracteres::Utf8) return SuivantUtf8(mot, longueur);
  static const Classes& classe = classes();
  int longueurEntite = 0;
  // Skips what separates words.
  for (;;) {
    const Classe k = classe.De(*curseur_);
    if (k == kSepare) {
      ++curseur_;
    } else if (k == kEsperluette && estEntiteSeparatrice(curseur_, longueurEntite)) {
      curseur_ += longueurEntite;
    } else {
      break;
    }
  }

  const char* const debut = curseur_;
  simple_ = true;
  for (;;) {
    const Classe k = classe.De(*curseur_);
    if (k == kMot) {
      do {
        ++curseur_;
      } while (classe.De(*curseur_) == kMot);
    } else if (k == kEsperluette) {
      if (curseur_ > debut && estEntiteSeparatrice(curseur_, longueurEntite)) break;
      curseur_ = finEntite(curseur_);
      simple_ = false;
    } else {
      break;  // a separator or the end of the text
    }
  }
  longueur = static_cast<std::size_t>(curseur_ - debut);
  if (longueur > kMaxCaracteres) depassement();
  mot = debut;
  return longueur > 0;
}

// Suivant on UTF-8 text: the same steps, character by character, the limit
// counted in characters.
bool LecteurMots::SuivantUtf8(const char*& mot, std::size_t& longueur) {
  std::size_t taille = 0;
  int longueurEntite = 0;
  for (;;) {
    const Classe k = classeUtf8(curseur_, taille);
    if (k == kSepare) {
      curseur_ += taille;
    } else if (k == kEsperluette && estEntiteSeparatrice(curseur_, longueurEntite)) {
      curseur_ += longueurEntite;
    } else {
      break;
    }
  }

  const char* const debut = curseur_;
  std::size_t caracteres = 0;
  simple_ = true;
  for (;;) {
    const Classe k = classeUtf8(curseur_, taille);
    if (k == kMot) {
      if (caracteres == kMaxCaracteres) depassement();
      ++caracteres;
      if (static_cast<unsigned char>(*curseur_) >= 0x80) simple_ = false;
      curseur_ += taille;
    } else if (k == kEsperluette) {
      simple_ = false;
      if (caracteres > 0 && estEntiteSeparatrice(curseur_, longueurEntite)) break;
      const char* const fin = finEntite(curseur_);
      const std::size_t n = static_cast<std::size_t>(fin - curseur_);
      // Counted as far as the limit needs: the run may be far longer.
      const std::size_t ajoutes =
          compterCaracteres(curseur_, std::min(n, 4 * (kMaxCaracteres + 1)), JeuCaracteres::Utf8);
      if (ajoutes > kMaxCaracteres - caracteres) depassement();
      caracteres += ajoutes;
      curseur_ = fin;
    } else {
      break;
    }
  }
  longueur = static_cast<std::size_t>(curseur_ - debut);
  mot = debut;
  return longueur > 0;
}
