// LecteurLignes: reads a page piece by piece as fgets does (through the next
// newline, at most the buffer's size less one), from a 64 KiB block, and
// hands each piece out where it lies in the block.
#ifndef PAGEVET_FILES_LECTEURLIGNES_H_
#define PAGEVET_FILES_LECTEURLIGNES_H_

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "files/fichierpage.h"
#include "foundation/jeucaracteres.h"

class LecteurLignes {
 public:
  // fichier stays the caller's; it must outlive the reader. Reads the first
  // block at once: it tells the page's character set (deciderJeu), and a
  // byte order mark there is passed over, no part of the first line. A read
  // that fails, here or later, is no end of the page: it throws MesErreur
  // "lecteurlignes" naming the page (nom) and the host's error.
  explicit LecteurLignes(std::FILE* fichier, const char* nom = "?");
  // The same on a page's descriptor, read as a regular file: a short read
  // is its end. A page that fills the first block is confirmed a regular
  // file before more is read (a device in its place throws, as a read
  // error does, rather than be read without end).
  LecteurLignes(const FichierPage& page, const char* nom);
  LecteurLignes(const LecteurLignes&) = delete;
  LecteurLignes& operator=(const LecteurLignes&) = delete;

  // Copies the next piece into ligne, which holds taille bytes (taille >=
  // 2), and a terminator after it. Gives the number of bytes copied, NUL
  // bytes of the stream included, or -1 when the stream is exhausted (or
  // fails) before any byte: where fgets would give a null pointer.
  int Lire(char* ligne, int taille);

  // The next piece as the checks judge it, without a copy: ligne points at
  // it in the reader's block, a C string that ends at the piece's first NUL
  // byte, with a "\r\n" ending read as "\n", so that CRLF pages read like LF
  // pages. The caller may change it in place, as long as it does not
  // lengthen it; it stays valid until the next call. Gives its length, or
  // -1 as Lire does. Pieces hold at most taille - 1 bytes (taille >= 2).
  int LireLigne(char*& ligne, int taille) {
    // Most pieces end at a newline within the data and hold no NUL: they
    // are found here, without a call; any other goes the long way.
    char* const bloc = bloc_.get();
    if (sentinellePosee_) {
      bloc[sentinelle_] = sauve_;
      sentinellePosee_ = false;
    }
    const size_t regarde = std::min(fin_ - debut_, static_cast<size_t>(taille) - 1);
    const void* const saut = std::memchr(bloc + debut_, '\n', regarde);
    if (saut == nullptr || !nulConnu_ || nul_ < debut_) return LireLigneLentement(ligne, taille);
    const size_t fin = static_cast<size_t>(static_cast<const char*>(saut) - bloc) + 1;
    if (nul_ < fin) return LireLigneLentement(ligne, taille);
    return Donne(ligne, debut_, fin, fin);
  }

  // The character set the page is read in, decided from its first block.
  JeuCaracteres Jeu() const { return jeu_; }
  // The byte order mark's length (3, or 0 when there is none).
  std::size_t Marque() const { return marque_; }

  // The page's bytes as they are, a block at a time where they lie, from
  // the first byte after the byte order mark: octets points at them until
  // the next call. Gives their count, 0 at the end of the page. A read error
  // throws as for the lines. Not to be mixed with Lire and LireLigne.
  std::size_t Bloc(const char*& octets);

 private:
  // Large enough that a page takes few reads, small enough to stay in cache.
  static constexpr size_t kTailleBloc = 64 * 1024;

  // The next piece of at most place bytes, at [debut, fin) in the block;
  // false at the end of the stream. A piece that the block's data cuts off
  // is completed by moving it to the block's start and reading on.
  bool Piece(size_t place, size_t& debut, size_t& fin);
  // Reads the first block and decides the character set.
  void Commencer();
  // Reads up to n bytes into destination, fewer only at the end of the
  // stream; throws on a read error.
  size_t LireBloc(char* destination, size_t n);
  [[noreturn]] void Echec(int erreur) const;
  int LireLigneLentement(char*& ligne, int taille);

  // Hands out the piece [debut, fin) as the line [debut, juge) that the
  // checks judge (juge <= fin: a NUL byte cuts it), its "\r\n" read as "\n",
  // with a terminator after it; the next piece starts at fin.
  int Donne(char*& ligne, size_t debut, size_t fin, size_t juge) {
    char* const piece = bloc_.get() + debut;
    size_t n = juge - debut;
    if (n >= 2 && piece[n - 1] == '\n' && piece[n - 2] == '\r') {
      piece[n - 2] = '\n';
      --n;
    }
    if (debut + n == fin) {
      // The terminator goes where the next piece starts: that byte is kept.
      sentinelle_ = fin;
      sauve_ = piece[n];
      sentinellePosee_ = true;
    }
    piece[n] = '\0';
    debut_ = fin;
    ligne = piece;
    return static_cast<int>(n);
  }

  std::FILE* const fichier_;
  const std::string nom_;
  // The stream's descriptor, read without the stream; -1 for a stream that
  // has none (a page in memory), read through the stream.
  const int descripteur_;
  // A page's descriptor: one read short of its request is the end.
  const bool fichierOrdinaire_ = false;
  // The byte read past a full first block to learn whether more follow;
  // it opens the next block.
  char suivant_ = 0;
  bool suivantLu_ = false;
  // One byte more than a block, for the terminator after a piece at its end.
  const std::unique_ptr<char[]> bloc_;
  size_t debut_ = 0;  // next byte to hand out
  size_t fin_ = 0;    // end of the bytes read
  bool epuise_ = false;  // a read gave nothing: the stream is over
  // The first NUL byte of the data at or after some piece's start (fin_ when
  // there is none), so that a piece is not searched for one of its own.
  size_t nul_ = 0;
  bool nulConnu_ = false;
  // The byte that the terminator of the last piece handed out replaced.
  size_t sentinelle_ = 0;
  char sauve_ = '\0';
  bool sentinellePosee_ = false;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  std::size_t marque_ = 0;
};

#endif  // PAGEVET_FILES_LECTEURLIGNES_H_
