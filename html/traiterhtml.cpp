// TraiterHtml: one line of page text with a reading cursor. It strips the
// line's tags and hands out its words one at a time, each copied.
#include "html/traiterhtml.h"

#include <cstring>

#include "html/trthtml.h"

namespace {

// Where motSuivant copies the word it returns; one for each thread.
thread_local char tamponMot[kTailleMot];

}  // namespace

TraiterHtml::TraiterHtml(const char* texte, JeuCaracteres jeu)
    : contenu(texte != nullptr ? texte : ""), jeu_(jeu), mots_(contenu.Texte(), jeu) {}

int TraiterHtml::supprimerBalises(bool& horsBalise) {
  const int longueur =
      retirerBalisesLigne(contenu.Texte(), static_cast<size_t>(contenu.Longueur()), horsBalise);
  mots_ = LecteurMots(contenu.Texte(), jeu_);
  return longueur;
}

char* TraiterHtml::motSuivant() {
  const char* mot = nullptr;
  std::size_t longueur = 0;
  if (!mots_.Suivant(mot, longueur)) longueur = 0;
  // kMaxCaracteresMot characters of at most 4 bytes each fit, with the terminator.
  if (longueur > 0) std::memcpy(tamponMot, mot, longueur);
  tamponMot[longueur] = '\0';
  return tamponMot;
}
