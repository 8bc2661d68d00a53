// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time.
#include "html/traiterhtml.h"

#include "foundation/meserreur.h"
#include "html/trthtml.h"

namespace {

constexpr int tailleTamponMot = 512;
constexpr int ligneDepassementMot = 260;

// Where motSuivant builds the word it returns; one for the whole run.
char tamponMot[tailleTamponMot];

// Separators are white space, the separator set, and the separating
// entities (which the caller tests apart, as they span several characters).
inline bool estBlancOuSeparateur(const bool* separateurs, char c) {
  return estBlanc(c) || separateurs[static_cast<unsigned char>(c)];
}

// Appends c to the word being built, refusing to let it reach the buffer's
// size.
inline void ajouter(int& longueur, char c) {
  if (longueur == tailleTamponMot - 1) {
    throw MesErreur("Depassement de capacite pour extraire un mot", "trthtml",
                    ligneDepassementMot);
  }
  tamponMot[longueur++] = c;
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
  const bool* const separateurs = tableSeparateurs();
  int longueurEntite = 0;
  // Skips what separates words.
  while (*curseur != '\0') {
    if (*curseur == '&') {
      if (!estEntiteSeparatrice(curseur, longueurEntite)) break;
      curseur += longueurEntite;
    } else if (estBlancOuSeparateur(separateurs, *curseur)) {
      ++curseur;
    } else {
      break;
    }
  }

  int longueur = 0;
  while (*curseur != '\0') {
    const char c = *curseur;
    if (c == '&') {
      if (longueur > 0 && estEntiteSeparatrice(curseur, longueurEntite)) break;
      // The whole entity joins the word, or the rest of the text when no
      // ';' closes it.
      for (char e = *curseur; e != '\0'; e = *curseur) {
        ajouter(longueur, e);
        ++curseur;
        if (e == ';') break;
      }
    } else if (estBlancOuSeparateur(separateurs, c)) {
      break;
    } else {
      ajouter(longueur, c);
      ++curseur;
    }
  }
  tamponMot[longueur] = '\0';
  return tamponMot;
}
