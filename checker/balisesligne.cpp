#include "checker/balisesligne.h"

#include <cstdint>
#include <cstring>

#include "html/chevrons.h"
#include "html/tables.h"
#include "html/trthtml.h"

namespace {

// The longest name the tag tables look up; a longer HTML 3.2 name is never
// known, nor is a longer HTML5 one without a '-'.
constexpr std::size_t kLongueurMaxNom = 32;

// The longest HTML 3.2 name: a longer one is unknown without a lookup.
constexpr std::size_t plusLongNom() {
  std::size_t plusLong = 0;
  for (const char* nom : tableBalises) {
    std::size_t n = 0;
    while (nom[n] != '\0') ++n;
    if (n > plusLong) plusLong = n;
  }
  return plusLong;
}
constexpr std::size_t kLongueurMaxHtml32 = plusLongNom();
static_assert(kLongueurMaxHtml32 == 11, "\"/blockquote\"");

// What each byte is to a tag name, read in any letter case: its lower-case
// form where it may stand in the name, 0 elsewhere. One table for the HTML
// 3.2 lookup ('/', letters, digits) and one for the whole word the checks
// compare with "head" and the others (letters, digits, '_', '-').
struct Minuscules {
  constexpr explicit Minuscules(bool mot) : de() {
    for (int c = 1; c < 256; ++c) {
      const char x = static_cast<char>(c);
      const bool garde = estLettre(x) || estChiffre(x) || (mot ? (x == '_' || x == '-') : x == '/');
      de[c] = garde ? enMinuscule(x) : '\0';
    }
  }
  char de[256];
};
constexpr Minuscules kNomHtml32(false);
constexpr Minuscules kMot(true);

char minuscule(const Minuscules& table, char c) { return table.de[static_cast<unsigned char>(c)]; }

// Whether the name at position, in any letter case, is unknown to HTML 3.2:
// the run of '/', letters and digits there, lowered, must be in the table.
// Most names are short and are looked up as one integer, built in a
// register as they are lowered: bytes stored one by one and read back as
// eight would stall.
bool inconnueHtml32(const IndexNoms& index, const char* position) {
  std::uint64_t cle = 0;
  std::size_t n = 0;
  for (char c; (c = minuscule(kNomHtml32, position[n])) != '\0'; ++n) {
    if (n == kLongueurMaxHtml32) return true;  // longer than any
    if (n < 8) cle |= static_cast<std::uint64_t>(static_cast<unsigned char>(c)) << (8 * n);
  }
  if (n == 0) return true;
  if (n <= 8) return !index.ContientCourt(cle);
  char nom[kLongueurMaxHtml32];
  for (std::size_t i = 0; i < n; ++i) nom[i] = minuscule(kNomHtml32, position[i]);
  return !index.Contient(nom, n);
}

const char* apresBlancs(const char* p) {
  while (estBlanc(*p)) ++p;
  return p;
}

// What follows a '<' as the HTML tokenizer reads it: a letter opens a tag,
// '/' and a letter a closing tag, whose name runs to the first blank, '/' or
// '>'; anything else makes the '<' text. Gives whether it opens a tag that
// today's HTML does not know. Kept out of line, so that the loop below keeps
// the code and registers it has for HTML 3.2 alone.
[[gnu::noinline]] bool inconnueHtml5(const char* apresChevron) {
  const char* const nom = apresChevron + (*apresChevron == '/' ? 1 : 0);
  if (!estLettre(*nom)) return false;
  const std::size_t n = std::strcspn(nom, " \t\n\v\f\r/>");
  // No name of the table is that long: only a custom element is known.
  if (n > kLongueurMaxNom) return std::memchr(nom, '-', n) == nullptr;
  char minuscules[kLongueurMaxNom];
  for (std::size_t i = 0; i < n; ++i) minuscules[i] = enMinuscule(nom[i]);
  return !baliseHtml5Connue(minuscules, n);
}

// Whether the n word characters at nom are mot (lower case), in any case.
// Each is a letter, a digit, '_' or '-', and setting bit 0x20 lowers a
// letter and turns no other of them into one.
bool estLeMot(const char* nom, const char* mot, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if ((nom[i] | 0x20) != mot[i]) return false;
  }
  return true;
}

// Fetched once, not once a line.
const IndexNoms& kIndex = indexBalises();

}  // namespace

BalisesLigne::BalisesLigne(const char* texte, JeuBalises jeu)
    : BalisesLigne(texte, std::strlen(texte), jeu) {}

BalisesLigne::BalisesLigne(const char* texte, std::size_t n, JeuBalises jeu,
                           bool arretCommentaire) {
  const bool html5 = jeu == JeuBalises::Html5;
  const IndexNoms& index = kIndex;
  // A tag is counted at a '<' met outside the previous counted tag, which
  // runs to the first '>' after its '<'; once a tag has no '>', no more are.
  bool dansBalise = false;
  // A name stands as a tag name when only blanks part it from a '<' and it
  // is a whole word: the run of word characters after the '<', and after
  // the '/' of a closing tag, must be exactly the name.
  pourChaqueChevron(texte, n, [&](const char* p) {
    if (*p == '>') {
      dansBalise = false;
      return true;
    }
    if (arretCommentaire && p[1] == '!') {
      commentaire_ = true;
      return false;
    }
    if (!dansBalise) {
      ++nombreBalises_;
      dansBalise = true;
    }

    const char* const position = apresBlancs(p + 1);
    if (!baliseInconnue_ && (html5 ? inconnueHtml5(p + 1) : inconnueHtml32(index, position))) {
      baliseInconnue_ = true;
    }
    const bool fermante = *position == '/';
    const char* const nom = position + (fermante ? 1 : 0);
    // Only a name that starts as head, body, meta or title can be one of
    // them: most tags are passed over on their first letter.
    const char initiale = static_cast<char>(*nom | 0x20);
    if (initiale != 'h' && initiale != 'b' && initiale != 'm' && initiale != 't') return true;
    std::size_t longueur = 0;
    while (longueur < 6 && minuscule(kMot, nom[longueur]) != '\0') ++longueur;

    int trouve = -1;
    if (longueur == 4) {
      if (estLeMot(nom, "head", 4)) {
        trouve = fermante ? kFinHead : kHead;
      } else if (estLeMot(nom, "body", 4)) {
        trouve = fermante ? kFinBody : kBody;
      } else if (!fermante && estLeMot(nom, "meta", 4)) {
        trouve = kMeta;
      }
    } else if (longueur == 5 && estLeMot(nom, "title", 5)) {
      trouve = fermante ? kFinTitle : kTitle;
    }
    if (trouve >= 0 && positions_[trouve] == nullptr) positions_[trouve] = position;
    return true;
  });
  // A counted tag still open at the end of the line: no more were counted.
  derniereOuverte_ = dansBalise;
}
