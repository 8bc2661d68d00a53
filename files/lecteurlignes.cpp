#include "files/lecteurlignes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>

#include "files/ficbase.h"
#include "foundation/meserreur.h"
#include "platform/plateforme.h"

namespace {

const char kModule[] = "lecteurlignes";
constexpr int32_t kLigneLecture = 40;

}  // namespace

// The block is left uninitialised: only bytes read into it are handed out.
LecteurLignes::LecteurLignes(std::FILE* fichier, const char* nom)
    : fichier_(fichier),
      nom_(nom),
      descripteur_(plateforme::descripteur(fichier)),
      bloc_(new char[kTailleBloc + 1]) {
  // The reader has a block of its own: the stream's buffer would only be a
  // second copy (and cost a call to the host to size it).
  std::setvbuf(fichier_, nullptr, _IONBF, 0);
  Commencer();
}

LecteurLignes::LecteurLignes(const FichierPage& page, const char* nom)
    : fichier_(nullptr),
      nom_(nom),
      descripteur_(page.Descripteur()),
      fichierOrdinaire_(true),
      bloc_(new char[kTailleBloc + 1]) {
  Commencer();
}

void LecteurLignes::Commencer() {
  fin_ = LireBloc(bloc_.get(), kTailleBloc);
  // A first block shorter than the block size is the whole page; a full one
  // may be too, which one more byte tells (kept for the next block).
  bool complet = fin_ < kTailleBloc;
  epuise_ = complet;
  if (!complet) {
    // Only a regular file has an end to read to: a page that the walk or
    // the list found regular may have been replaced by a device since.
    if (fichierOrdinaire_) {
      const int erreur = plateforme::verifierOrdinaire(descripteur_);
      if (erreur != 0) Echec(erreur);
    }
    suivantLu_ = LireBloc(&suivant_, 1) == 1;
    epuise_ = !suivantLu_;
    complet = epuise_;
  }
  const DecisionJeu decision = deciderJeu(bloc_.get(), fin_, complet);
  jeu_ = decision.jeu;
  marque_ = decision.marque;
  debut_ = decision.marque;
}

std::size_t LecteurLignes::Bloc(const char*& octets) {
  if (debut_ >= fin_) {
    if (epuise_) return 0;
    debut_ = 0;
    fin_ = 0;
    if (suivantLu_) {
      bloc_[fin_++] = suivant_;
      suivantLu_ = false;
    }
    const size_t demandes = kTailleBloc - fin_;
    const size_t lus = LireBloc(bloc_.get() + fin_, demandes);
    if (lus < demandes) epuise_ = true;
    fin_ += lus;
  }
  octets = bloc_.get() + debut_;
  const size_t n = fin_ - debut_;
  debut_ = fin_;
  return n;
}

size_t LecteurLignes::LireBloc(char* destination, size_t n) {
  size_t lus = 0;
  int erreur = 0;
  if (descripteur_ < 0) {
    lus = std::fread(destination, 1, n, fichier_);
    if (lus < n && std::ferror(fichier_)) erreur = errno != 0 ? errno : EIO;
  } else {
    // On a stream a short count is no end: only 0 is. A regular file gives
    // all it has: a short count is its end, and saves the read that gives 0.
    while (lus < n) {
      const long k = plateforme::lire(descripteur_, destination + lus, n - lus);
      if (k > 0) {
        lus += static_cast<size_t>(k);
        if (fichierOrdinaire_) break;
      } else if (k == 0) {
        break;
      } else if (errno != EINTR) {
        erreur = errno;
        break;
      }
    }
  }
  if (erreur != 0) Echec(erreur);
  return lus;
}

void LecteurLignes::Echec(int erreur) const {
  char debut[kTailleMessageErreur];
  std::string message = std::string(texteErreur(ERR_LECTURE, "", debut));
  // The path in full, however long, then the host's reason.
  message.insert(message.size() - 1, nom_);
  message += ": ";
  message += std::strerror(erreur);
  throw MesErreur(message.c_str(), kModule, kLigneLecture);
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
    if (suivantLu_) {
      bloc[fin_++] = suivant_;
      suivantLu_ = false;
    }
    const size_t demandes = kTailleBloc - fin_;
    const size_t lus = LireBloc(bloc + fin_, demandes);
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
