#include "files/lecteurlignes.h"

#include <algorithm>
#include <cstring>

// The block is left uninitialised: only bytes read into it are handed out.
LecteurLignes::LecteurLignes(std::FILE* fichier)
    : fichier_(fichier), bloc_(new char[kTailleBloc + 1]) {
  // The reader has a block of its own: the stream's buffer would only be a
  // second copy (and cost a call to the host to size it).
  std::setvbuf(fichier_, nullptr, _IONBF, 0);
  fin_ = std::fread(bloc_.get(), 1, kTailleBloc, fichier_);
  // A first block shorter than the block size is the whole page (fread
  // stops short only at the end or on an error); a full one may be too,
  // which one more byte tells (put back for the next block).
  bool complet = fin_ < kTailleBloc;
  epuise_ = complet;
  if (!complet) {
    const int suivant = std::fgetc(fichier_);
    epuise_ = suivant == EOF;
    complet = epuise_ || std::ungetc(suivant, fichier_) == EOF;
  }
  const DecisionJeu decision = deciderJeu(bloc_.get(), fin_, complet);
  jeu_ = decision.jeu;
  debut_ = decision.marque;
}

bool LecteurLignes::Piece(size_t place, size_t& debut, size_t& fin) {
  char* const bloc = bloc_.get();
  if (sentinellePosee_) {
    bloc[sentinelle_] = sauve_;
    sentinellePosee_ = false;
  }
  for (;;) {
    const size_t disponible = fin_ - debut_;
    const size_t regarde = std::min(disponible, place);
    const void* const saut = std::memchr(bloc + debut_, '\n', regarde);
    if (saut != nullptr) {
      fin = static_cast<size_t>(static_cast<const char*>(saut) - bloc) + 1;
      break;
    }
    if (disponible >= place || epuise_) {
      if (disponible == 0) return false;
      fin = debut_ + regarde;
      break;
    }
    // The piece runs past the data: keep its start, read what follows.
    std::memmove(bloc, bloc + debut_, disponible);
    debut_ = 0;
    fin_ = disponible;
    nulConnu_ = false;
    const size_t demandes = kTailleBloc - fin_;
    const size_t lus = std::fread(bloc + fin_, 1, demandes, fichier_);
    if (lus < demandes) epuise_ = true;
    fin_ += lus;
  }
  debut = debut_;
  debut_ = fin;
  return true;
}

int LecteurLignes::Lire(char* ligne, int taille) {
  size_t debut = 0;
  size_t fin = 0;
  if (!Piece(static_cast<size_t>(taille) - 1, debut, fin)) return -1;
  const size_t n = fin - debut;
  std::memcpy(ligne, bloc_.get() + debut, n);
  ligne[n] = '\0';
  return static_cast<int>(n);
}

int LecteurLignes::LireLigneLentement(char*& ligne, int taille) {
  size_t debut = 0;
  size_t fin = 0;
  if (!Piece(static_cast<size_t>(taille) - 1, debut, fin)) return -1;
  // The data is searched for a NUL once, not each piece: only a piece that
  // reaches the one found is cut there.
  if (!nulConnu_ || nul_ < debut) {
    const char* const bloc = bloc_.get();
    const void* const nul = std::memchr(bloc + debut, '\0', fin_ - debut);
    nul_ = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - bloc) : fin_;
    nulConnu_ = true;
  }
  return Donne(ligne, debut, fin, std::min(fin, nul_));
}
