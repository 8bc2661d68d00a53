// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time.
#include "html/traiterhtml.h"

#include <algorithm>
#include <cstring>

#include "foundation/meserreur.h"
#include "html/trthtml.h"

namespace {

// A word holds at most 511 characters; in UTF-8 each may take 4 bytes.
constexpr int tailleTamponMot = 512;
static_assert(kTailleMot == tailleTamponMot * 4, "4 bytes a character");
constexpr int ligneDepassementMot = 260;

// Where motSuivant builds the word it returns; one for each thread.
thread_local char tamponMot[kTailleMot];

// What each byte is to word extraction: part of a word, a separator (white
// space or one of the separator set), a '&' (an entity, which may or may
// not separate), or the end of the text. Built once, from the separators.
enum Classe : unsigned char { kMot, kSepare, kEsperluette, kFin };

class Classes {
 public:
  Classes() {
    const bool* const separateurs = tableSeparateurs();
    for (int c = 0; c < 256; ++c) {
      classes_[c] = (estBlanc(static_cast<char>(c)) || separateurs[c]) ? kSepare : kMot;
    }
    classes_[static_cast<unsigned char>('&')] = kEsperluette;
    classes_[0] = kFin;
  }
  Classe De(char c) const { return classes_[static_cast<unsigned char>(c)]; }

 private:
  Classe classes_[256];
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

// A word would fill the buffer: its terminator would not fit.
[[noreturn]] void depassement() {
  throw MesErreur("Depassement de capacite pour extraire un mot", "trthtml", ligneDepassementMot);
}

// Appends the n characters at debut to the word being built, refusing to
// let it reach the buffer's size.
inline void ajouter(int& longueur, const char* debut, size_t n) {
  if (n > static_cast<size_t>(tailleTamponMot - 1 - longueur)) depassement();
  std::memcpy(tamponMot + longueur, debut, n);
  longueur += static_cast<int>(n);
}

}  // namespace

TraiterHtml::TraiterHtml(const char* texte, JeuCaracteres jeu)
    : contenu(texte != nullptr ? texte : ""), curseur(contenu.Texte()), jeu_(jeu) {
  // Builds the separator set, once, before any word is read.
  texteSeparateurs();
}

int TraiterHtml::supprimerBalises(bool& horsBalise) {
  char* texte = contenu.Texte();
  int longueur;
  if (horsBalise && premiereBalise(texte) == nullptr) {
    longueur = contenu.Longueur();
  } else {
    // Stripping never lengthens the text, so it is done in place.
    longueur = retirerBalises(horsBalise, texte, texte);
  }
  curseur = texte;
  return longueur;
}

char* TraiterHtml::motSuivant() {
  if (jeu_ == JeuCaracteres::Utf8) return motSuivantUtf8();
  const Classes& classe = classes();
  int longueurEntite = 0;
  // Skips what separates words.
  for (;;) {
    const Classe k = classe.De(*curseur);
    if (k == kSepare) {
      ++curseur;
    } else if (k == kEsperluette && estEntiteSeparatrice(curseur, longueurEntite)) {
      curseur += longueurEntite;
    } else {
      break;
    }
  }

  int longueur = 0;
  for (;;) {
    const Classe k = classe.De(*curseur);
    if (k == kMot) {
      // Copied as it is scanned: most words are a few characters long.
      do {
        if (longueur == tailleTamponMot - 1) depassement();
        tamponMot[longueur++] = *curseur++;
      } while (classe.De(*curseur) == kMot);
    } else if (k == kEsperluette) {
      if (longueur > 0 && estEntiteSeparatrice(curseur, longueurEntite)) break;
      // The whole entity joins the word, or the rest of the text when no
      // ';' closes it.
      const char* const pointVirgule = std::strchr(curseur, ';');
      const char* const fin =
          pointVirgule != nullptr ? pointVirgule + 1 : curseur + std::strlen(curseur);
      ajouter(longueur, curseur, static_cast<size_t>(fin - curseur));
      curseur = fin;
    } else {
      break;  // a separator or the end of the text
    }
  }
  tamponMot[longueur] = '\0';
  return tamponMot;
}

namespace {

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

}  // namespace

// motSuivant on UTF-8 text: the same steps, character by character, the
// limit counted in characters.
char* TraiterHtml::motSuivantUtf8() {
  std::size_t taille = 0;
  int longueurEntite = 0;
  for (;;) {
    const Classe k = classeUtf8(curseur, taille);
    if (k == kSepare) {
      curseur += taille;
    } else if (k == kEsperluette && estEntiteSeparatrice(curseur, longueurEntite)) {
      curseur += longueurEntite;
    } else {
      break;
    }
  }

  std::size_t octets = 0;
  int caracteres = 0;
  for (;;) {
    const Classe k = classeUtf8(curseur, taille);
    if (k == kMot) {
      if (caracteres == tailleTamponMot - 1) depassement();
      std::memcpy(tamponMot + octets, curseur, taille);
      octets += taille;
      ++caracteres;
      curseur += taille;
    } else if (k == kEsperluette) {
      if (caracteres > 0 && estEntiteSeparatrice(curseur, longueurEntite)) break;
      const char* const pointVirgule = std::strchr(curseur, ';');
      const char* const fin =
          pointVirgule != nullptr ? pointVirgule + 1 : curseur + std::strlen(curseur);
      const std::size_t n = static_cast<std::size_t>(fin - curseur);
      // Counted before it is copied: the run may be far longer than a word.
      const std::size_t ajoutes = compterCaracteres(
          curseur, std::min(n, std::size_t{tailleTamponMot * 4}), JeuCaracteres::Utf8);
      if (ajoutes > static_cast<std::size_t>(tailleTamponMot - 1 - caracteres)) depassement();
      std::memcpy(tamponMot + octets, curseur, n);
      octets += n;
      caracteres += static_cast<int>(ajoutes);
      curseur = fin;
    } else {
      break;
    }
  }
  tamponMot[octets] = '\0';
  return tamponMot;
}
