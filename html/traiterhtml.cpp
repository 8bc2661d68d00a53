// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time.
#include "html/traiterhtml.h"

#include <cstring>

#include "foundation/meserreur.h"
#include "html/trthtml.h"

namespace {

constexpr int tailleTamponMot = 512;
constexpr int ligneDepassementMot = 260;

// Where motSuivant builds the word it returns; one for the whole run.
char tamponMot[tailleTamponMot];

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

TraiterHtml::TraiterHtml(const char* texte)
    : contenu(texte != nullptr ? texte : ""), curseur(contenu.Texte()) {
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
