// Character-level and line-level HTML text operations: entity decoding,
// accent folding, word separators, whole-word search and tag handling.
#include "html/trthtml.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"
#include "html/chevrons.h"
#include "html/indexnoms.h"
#include "html/tables.h"

namespace {

// The longest run estEntiteSeparatrice looks at, the '&' included.
constexpr int longueurMaxEntite = 26;
// Tag names of 20 characters or more are never looked up.
constexpr int longueurMaxBalise = 20;

// The word separators: the separating entities decoded, then the
// punctuation. Built once, on first use, and constant afterwards, with what
// makes the tests on the hot path cheap: the membership and the accent
// folding of every byte value, one load each, and the separating entities'
// names one by one.
class Separateurs {
 public:
  Separateurs() : texte_(), membre_(), pli_() {
    std::memcpy(texte_, entitesSeparatrices, sizeof(entitesSeparatrices));
    decoderEntites(texte_);
    std::strcat(texte_, ponctuation);
    for (const char* p = texte_; *p != '\0'; ++p) {
      membre_[static_cast<unsigned char>(*p)] = true;
    }
    // Each name runs from its '&' to its ';'.
    for (const char* p = entitesSeparatrices; *p != '\0' && nombreEntites_ < kEntites;) {
      const char* const fin = std::strchr(p, ';');
      if (fin == nullptr) break;
      entites_[nombreEntites_++] = std::string_view(p, static_cast<size_t>(fin - p) + 1);
      p = fin + 1;
    }
    index_ = std::make_unique<IndexNoms>(entites_, nombreEntites_);
    // Accent folding then lower case, as supprimerAccents applies them; the
    // first occurrence of a letter in the table wins, as a search would.
    for (int c = 0; c < 256; ++c) {
      char plie = static_cast<char>(c);
      if (c >= 0x80) {
        const void* trouve = std::memchr(tableAccents.accentues, c, nombreAccents);
        if (trouve != nullptr) {
          plie = tableAccents.simples[static_cast<const char*>(trouve) - tableAccents.accentues];
        }
      }
      pli_[c] = enMinuscule(plie);
    }
  }

  const char* Texte() const { return texte_; }
  const bool* Membres() const { return membre_; }
  bool Contient(char c) const { return membre_[static_cast<unsigned char>(c)]; }
  // Whether lu (a '&' and what follows it) is a separating entity or the
  // beginning of one: what a search for lu in entitesSeparatrices finds, as
  // a '&' there only ever starts a name. A name read to its ';' can only be
  // one whole: the index tells.
  bool DebutEntite(std::string_view lu) const {
    if (!lu.empty() && lu.back() == ';') return index_->Contient(lu.data(), lu.size());
    for (int i = 0; i < nombreEntites_; ++i) {
      const std::string_view entite = entites_[i];
      if (lu.size() <= entite.size() && (lu.size() < 2 || lu[1] == entite[1]) &&
          entite.compare(0, lu.size(), lu) == 0) {
        return true;
      }
    }
    return false;
  }
  // Whether the name of up to 8 bytes, its '&' and ';' included, packed as
  // IndexNoms::Cle packs it, is a separating entity.
  bool EntiteCourte(std::uint64_t cle) const { return index_->ContientCourt(cle); }
  char Plie(char c) const { return pli_[static_cast<unsigned char>(c)]; }
  const char* Plis() const { return pli_; }

 private:
  char texte_[sizeof(entitesSeparatrices) + sizeof(ponctuation)];
  bool membre_[256];  // membre_[0] stays false
  static constexpr int kEntites = 36;
  std::string_view entites_[kEntites];
  int nombreEntites_ = 0;
  std::unique_ptr<IndexNoms> index_;  // over entites_
  char pli_[256];
};

const Separateurs& separateurs() {
  static const Separateurs instance;
  return instance;
}

// Recognises the reference written at position (a '&'): "&#N;" with 1 to 3
// digits, or a whole name of tableEntites. Gives its code and its length.
bool reconnaitreEntite(const char* position, unsigned char& code,
                       int& longueur) {
  if (position[1] == '#') {
    // No name of the table starts with "&#", so only the numeric form can
    // match. Counting stops at 4 digits: that many already disqualify it.
    int chiffres = 0;
    int valeur = 0;
    while (chiffres < 4 && estChiffre(position[2 + chiffres])) {
      valeur = valeur * 10 + (position[2 + chiffres] - '0');
      ++chiffres;
    }
    if (chiffres == 0 || chiffres > 3 || position[2 + chiffres] != ';') {
      return false;
    }
    code = static_cast<unsigned char>(valeur % 256);
    longueur = chiffres + 3;
    return true;
  }
  for (const Entite& entite : tableEntites) {
    const char* nom = entite.nom;
    const char* texte = position;
    // Stops at the first difference, the text's terminator included.
    while (*nom != '\0' && *nom == *texte) {
      ++nom;
      ++texte;
    }
    if (*nom == '\0') {
      code = entite.code;
      longueur = static_cast<int>(nom - entite.nom);
      return true;
    }
  }
  return false;
}

// The characters of a tag name as baliseConnue reads it: '/', letters and
// digits, one table load each.
struct CaracteresNom {
  constexpr CaracteresNom() : de() {
    for (int c = 0; c < 256; ++c) {
      const char x = static_cast<char>(c);
      de[c] = x == '/' || estLettre(x) || estChiffre(x);
    }
  }
  bool de[256];
};
constexpr CaracteresNom kCaracteresNom;

const IndexNoms& indexHtml32() {
  static const IndexNoms index(tableBalises, nombreBalises);
  return index;
}

const IndexNoms& indexHtml5() {
  static const IndexNoms index(tableBalisesHtml5, nombreBalisesHtml5);
  return index;
}

}  // namespace

char* decoderEntites(char* texte, JeuCaracteres jeu) {
  // One pass with separate read and write cursors: what has been written is
  // never read again, so "&amp;lt;" gives "&lt;" and stops there. In UTF-8
  // the character is written in UTF-8: at most 3 bytes for an entity of 4
  // characters or more ("&lt;", "&#8;"), and 2 or 3 for any code from 0x80
  // ("&eth;", "&#128;"), so the text never grows.
  const bool utf8 = jeu == JeuCaracteres::Utf8;
  const char* lecture = texte;
  char* ecriture = texte;
  while (*lecture != '\0') {
    unsigned char code = 0;
    int longueur = 0;
    if (*lecture == '&' && reconnaitreEntite(lecture, code, longueur)) {
      if (code == 0) break;  // a decoded NUL ends the text
      if (utf8 && code >= 0x80) {
        ecriture += ecrireUtf8(unicodeDe1252(code), ecriture);
      } else {
        *ecriture++ = static_cast<char>(code);
      }
      lecture += longueur;
    } else {
      *ecriture++ = *lecture++;
    }
  }
  *ecriture = '\0';
  return texte;
}

char* supprimerAccents(char* texte) {
  // Once per run, not once per word.
  static const Separateurs& table = separateurs();
  for (char* p = texte; *p != '\0'; ++p) *p = table.Plie(*p);
  return texte;
}

const char* tablePli() { return separateurs().Plis(); }

char* plierUtf8(const char* texte, char* pli) {
  char* ecriture = pli;
  for (const char* p = texte; *p != '\0';) {
    if (static_cast<unsigned char>(*p) < 0x80) {
      *ecriture++ = enMinuscule(*p++);
      continue;
    }
    const CaractereUtf8 caractere = lireCaractere(p);
    if (caractere.octet >= 0 && caractere.point == 0xFFFD) {
      // No character: the byte stands for itself, and still cannot start a
      // sequence, being one that only continues them.
      *ecriture++ = *p++;
      continue;
    }
    p += caractere.longueur;
    char32_t plie[3];
    const int n = plierCaractere(caractere.point, plie);
    for (int i = 0; i < n; ++i) ecriture += ecrireUtf8(plie[i], ecriture);
  }
  *ecriture = '\0';
  return pli;
}

const char* reduire(char* texte, JeuCaracteres jeu, char* pli) {
  return jeu == JeuCaracteres::Utf8 ? plierUtf8(texte, pli) : supprimerAccents(texte);
}

bool estEntiteSeparatrice(const char* position, int& longueur) {
  longueur = 0;
  if (*position != '&') return false;
  bool pointVirgule = false;
  // The first 8 bytes packed as the index keys its names, on the way: no
  // separating entity is longer.
  std::uint64_t cle = 0;
  for (; longueur < 8; ++longueur) {
    const char c = position[longueur];
    if (c == '\0') break;
    cle |= std::uint64_t{static_cast<unsigned char>(c)} << (8 * longueur);
    if (c == ';') {
      pointVirgule = true;
      ++longueur;
      break;
    }
  }
  if (!pointVirgule && longueur == 8) {
    for (; longueur < longueurMaxEntite && position[longueur] != '\0';) {
      if (position[longueur++] == ';') {
        pointVirgule = true;
        break;
      }
    }
  }
  if (longueur >= 2 && position[1] == '#') {
    if (!pointVirgule) return false;
    // Reduced as it is read, so long digit runs cannot overflow.
    unsigned valeur = 0;
    for (int i = 2; i < longueur - 1; ++i) {
      if (!estChiffre(position[i])) return false;
      valeur = (valeur * 10 + static_cast<unsigned>(position[i] - '0')) % 256;
    }
    const char c = static_cast<char>(valeur);
    return c == '\0' || estSeparateur(c);
  }
  // A name cut short by the end of the text matches the beginning of a
  // separating entity; a complete one matches exactly one of them.
  static const Separateurs& table = separateurs();
  if (pointVirgule && longueur <= 8) return table.EntiteCourte(cle);
  return table.DebutEntite(std::string_view(position, static_cast<size_t>(longueur)));
}

bool estSeparateur(char c) { return separateurs().Contient(c); }

const bool* tableSeparateurs() { return separateurs().Membres(); }

const char* texteSeparateurs() { return separateurs().Texte(); }

const char* sauterBlancs(const char* position) {
  while (estBlanc(*position)) ++position;
  return position;
}

const char* reculerBlancs(const char* position, const char* borne) {
  while (position > borne && estBlanc(*position)) --position;
  return position;
}

char* copierN(char* destination, const char* source, int n) {
  if (n < 0) n = 0;
  int i = 0;
  for (; i < n && source[i] != '\0'; ++i) destination[i] = source[i];
  std::memset(destination + i, '\0', static_cast<size_t>(n - i) + 1);
  return destination;
}

int compterCaractere(const char* texte, char c) {
  if (c == '\0') return 0;
  int nombre = 0;
  for (const char* p = std::strchr(texte, c); p != nullptr; p = std::strchr(p + 1, c)) ++nombre;
  return nombre;
}

const char* chercherMot(const char* debut, const char* cherche) {
  // The empty word is nowhere: without this the search would step past the
  // terminator.
  if (*cherche == '\0') return nullptr;
  const size_t longueur = std::strlen(cherche);
  for (const char* p = std::strstr(debut, cherche); p != nullptr;
       p = std::strstr(p + 1, cherche)) {
    if (!estCaractereMot(p[longueur]) &&
        (p == debut || !estCaractereMot(p[-1]))) {
      return p;
    }
  }
  return nullptr;
}

int compterMot(const char* texte, const char* cherche, const char*& premier) {
  premier = nullptr;
  int nombre = 0;
  for (const char* p = chercherMot(texte, cherche); p != nullptr;
       p = chercherMot(p + 1, cherche)) {
    if (nombre++ == 0) premier = p;
  }
  return nombre;
}

const char* chercherCommentaire(const char* texte) { return std::strstr(texte, "<!"); }

const char* premiereBalise(const char* texte) {
  const char* p = std::strchr(texte, '<');
  return (p == nullptr || p[1] == '!') ? nullptr : p;
}

int supprimerCommentaires(char* ligne, bool& dansCommentaire) {
  // One pass with separate read and write cursors: the text between the
  // constructs moves left once, whatever their number.
  char* ecriture = ligne;
  const char* lecture = ligne;
  const char* debut = dansCommentaire ? lecture : std::strstr(lecture, "<!");
  while (debut != nullptr) {
    const size_t garde = static_cast<size_t>(debut - lecture);
    std::memmove(ecriture, lecture, garde);
    ecriture += garde;
    const char* const fin = std::strchr(debut, '>');
    if (fin == nullptr) {
      // The construct runs on past this line. An empty remainder stays
      // empty: writing a line feed there would lengthen the text.
      if (*debut != '\0') *ecriture++ = '\n';
      *ecriture = '\0';
      dansCommentaire = true;
      return static_cast<int>(ecriture - ligne);
    }
    dansCommentaire = false;
    lecture = fin + 1;
    debut = std::strstr(lecture, "<!");
  }
  const size_t reste = std::strlen(lecture);
  if (ecriture != lecture) std::memmove(ecriture, lecture, reste + 1);
  return static_cast<int>(ecriture - ligne + reste);
}

int retirerBalises(bool& horsBalise, const char* source, char* destination) {
  if (horsBalise && premiereBalise(source) == nullptr) {
    const size_t longueur = std::strlen(source);
    if (destination != source) {
      std::memmove(destination, source, longueur + 1);
    }
    return static_cast<int>(longueur);
  }
  // Jumps from '<' to '>' and back, moving the text between whole. The
  // write cursor never overtakes the read cursor, so source and destination
  // may be the same buffer.
  char* ecriture = destination;
  const char* p = source;
  for (;;) {
    if (horsBalise) {
      const char* chevron = std::strchr(p, '<');
      const size_t longueur =
          chevron != nullptr ? static_cast<size_t>(chevron - p) : std::strlen(p);
      std::memmove(ecriture, p, longueur);
      ecriture += longueur;
      if (chevron == nullptr) break;
      horsBalise = false;
      p = chevron + 1;
    } else {
      const char* fin = std::strchr(p, '>');
      if (fin == nullptr) break;
      horsBalise = true;
      p = fin + 1;
    }
  }
  *ecriture = '\0';
  return static_cast<int>(ecriture - destination);
}

int retirerBalisesLigne(char* texte, size_t n, bool& horsBalise) {
  // What retirerBalises does, in one walk over the '<' and '>' of the line,
  // moving the text between the tags left once, in place.
  char* ecriture = texte;
  const char* garde = texte;  // start of the text kept, outside any tag
  const auto garder = [&](const char* jusque) {
    const size_t longueur = static_cast<size_t>(jusque - garde);
    if (ecriture != garde) std::memmove(ecriture, garde, longueur);
    ecriture += longueur;
  };
  const bool horsAuDebut = horsBalise;
  bool premier = true;  // the first '<' not yet met
  const bool entiere = !pourChaqueChevron(texte, n, [&](const char* p) {
    if (*p == '<') {
      // A line outside any tag whose first '<' opens a "<!" is left whole.
      if (premier && horsAuDebut && p[1] == '!') return false;
      premier = false;
      if (horsBalise) {
        garder(p);
        horsBalise = false;
      }
    } else if (!horsBalise) {
      horsBalise = true;
      garde = p + 1;
    }
    return true;
  });
  if (entiere) return static_cast<int>(n);
  if (horsBalise) garder(texte + n);
  *ecriture = '\0';
  return static_cast<int>(ecriture - texte);
}

bool compterBalises(const char* texte, int& nombre) {
  nombre = 0;
  const char* p = texte;
  for (;;) {
    p = std::strchr(p, '<');
    if (p == nullptr) return false;
    ++nombre;
    p = std::strchr(p + 1, '>');
    if (p == nullptr) return true;
  }
}

const char* chercherBalise(const char* texte, const char* nom) {
  for (const char* p = chercherMot(texte, nom); p != nullptr;
       p = chercherMot(p + 1, nom)) {
    // A name at the very start has no '<' before it.
    if (p != texte && *reculerBlancs(p - 1, texte) == '<') return p;
  }
  return nullptr;
}

bool baliseConnue(const char* position) {
  size_t longueur = 0;
  while (kCaracteresNom.de[static_cast<unsigned char>(position[longueur])]) {
    if (++longueur == longueurMaxBalise) return false;  // 20 or more
  }
  return nomBaliseConnu(position, longueur);
}

bool nomBaliseConnu(const char* nom, size_t longueur) {
  return indexHtml32().Contient(nom, longueur);
}

const IndexNoms& indexBalises() { return indexHtml32(); }

bool baliseHtml5Connue(const char* nom, size_t longueur) {
  if (std::memchr(nom, '-', longueur) != nullptr) return true;
  return indexHtml5().Contient(nom, longueur);
}
