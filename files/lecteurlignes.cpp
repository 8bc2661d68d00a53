#include "files/lecteurlignes.h"

#include <algorithm>
#include <cstring>

// The block is left uninitialised: only bytes read into it are handed out.
LecteurLignes::LecteurLignes(std::FILE* fichier)
    : fichier_(fichier), bloc_(new char[kTailleBloc]) {
  Remplir();
  // A first block shorter than the block size is the whole page; a full one
  // may be too, which one more byte tells (put back for the next block).
  bool complet = fin_ < kTailleBloc;
  if (!complet) {
    const int suivant = std::fgetc(fichier_);
    complet = suivant == EOF || std::ungetc(suivant, fichier_) == EOF;
  }
  const DecisionJeu decision = deciderJeu(bloc_.get(), fin_, complet);
  jeu_ = decision.jeu;
  debut_ = decision.marque;
}

bool LecteurLignes::Remplir() {
  debut_ = 0;
  fin_ = std::fread(bloc_.get(), 1, kTailleBloc, fichier_);
  return fin_ > 0;
}

int LecteurLignes::Lire(char* ligne, int taille) {
  const size_t place = static_cast<size_t>(taille) - 1;
  size_t n = 0;
  while (n < place) {
    if (debut_ == fin_ && !Remplir()) break;
    const char* const source = bloc_.get() + debut_;
    const size_t disponible = std::min(fin_ - debut_, place - n);
    const void* const saut = std::memchr(source, '\n', disponible);
    const size_t pris =
        saut != nullptr ? static_cast<size_t>(static_cast<const char*>(saut) - source) + 1
                        : disponible;
    std::memcpy(ligne + n, source, pris);
    n += pris;
    debut_ += pris;
    if (saut != nullptr) break;
  }
  if (n == 0) return -1;
  ligne[n] = '\0';
  return static_cast<int>(n);
}

int LecteurLignes::LireLigne(char* ligne, int taille) {
  const int lus = Lire(ligne, taille);
  if (lus < 0) return -1;
  const void* const nul = std::memchr(ligne, '\0', static_cast<size_t>(lus));
  const int n = nul != nullptr ? static_cast<int>(static_cast<const char*>(nul) - ligne) : lus;
  if (n >= 2 && ligne[n - 1] == '\n' && ligne[n - 2] == '\r') {
    ligne[n - 2] = '\n';
    ligne[n - 1] = '\0';
    return n - 1;
  }
  return n;
}
