// LecteurLignes: reads a page piece by piece as fgets does (through the next
// newline, at most the buffer's size less one), from a 64 KiB block.
#ifndef PAGEVET_FILES_LECTEURLIGNES_H_
#define PAGEVET_FILES_LECTEURLIGNES_H_

#include <cstddef>
#include <cstdio>
#include <memory>

#include "foundation/jeucaracteres.h"

class LecteurLignes {
 public:
  // fichier stays the caller's; it must outlive the reader. Reads the first
  // block at once: it tells the page's character set (deciderJeu), and a
  // byte order mark there is passed over, no part of the first line.
  explicit LecteurLignes(std::FILE* fichier);
  LecteurLignes(const LecteurLignes&) = delete;
  LecteurLignes& operator=(const LecteurLignes&) = delete;

  // Copies the next piece into ligne, which holds taille bytes (taille >=
  // 2), and a terminator after it. Gives the number of bytes copied, NUL
  // bytes of the stream included, or -1 when the stream is exhausted (or
  // fails) before any byte: where fgets would give a null pointer.
  int Lire(char* ligne, int taille);

  // The next piece as the checks judge it: a C string that ends at the
  // piece's first NUL byte, with a "\r\n" ending read as "\n", so that CRLF
  // pages read like LF pages. Gives its length, or -1 as Lire does.
  int LireLigne(char* ligne, int taille);

  // The character set the page is read in, decided from its first block.
  JeuCaracteres Jeu() const { return jeu_; }

 private:
  // Large enough that a page takes few reads, small enough to stay in cache.
  static constexpr size_t kTailleBloc = 64 * 1024;

  bool Remplir();

  std::FILE* const fichier_;
  const std::unique_ptr<char[]> bloc_;
  size_t debut_ = 0;  // next byte to hand out
  size_t fin_ = 0;    // end of the bytes read
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
};

#endif  // PAGEVET_FILES_LECTEURLIGNES_H_
