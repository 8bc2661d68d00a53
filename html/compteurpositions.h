// Counts the lines and columns of a page read block by block, so that a token
// found at any byte can be given its line, column and byte offset.
#ifndef PAGEVET_HTML_COMPTEURPOSITIONS_H_
#define PAGEVET_HTML_COMPTEURPOSITIONS_H_

#include <cstddef>
#include <cstdint>

#include "foundation/jeucaracteres.h"
#include "html/jetonhtml.h"

class CompteurPositions {
 public:
  explicit CompteurPositions(JeuCaracteres jeu) : utf8_(jeu == JeuCaracteres::Utf8) {}

  // The next block of the page, [debut, fin), starts octet bytes from the
  // file's first byte. The previous block must have been counted to its end.
  void NouveauBloc(const char* debut, const char* fin, std::uint64_t octet) {
    debutBloc_ = debut;
    finBloc_ = fin;
    compte_ = debut;
    octetBloc_ = octet;
  }

  // The position of the byte at p, in the current block, at or after the last
  // position asked: each byte is counted once, sixteen at a time where it can.
  PositionHtml En(const char* p) {
    Avancer(p);
    PositionHtml position;
    position.ligne = ligne_;
    // A sequence cut short before p is made of stray bytes, each a character.
    position.colonne = colonne_ + 1 + (restants_ > 0 ? lus_ : 0);
    position.octet = octetBloc_ + static_cast<std::uint64_t>(p - debutBloc_);
    return position;
  }

  // Counts the bytes up to fin (the block's end).
  void Avancer(const char* fin);

 private:
  void AvancerOctet(unsigned char octet);

  bool utf8_;
  const char* debutBloc_ = nullptr;
  const char* finBloc_ = nullptr;
  const char* compte_ = nullptr;  // the bytes before it are counted
  std::uint64_t octetBloc_ = 0;
  std::uint64_t ligne_ = 1;
  std::uint64_t colonne_ = 0;  // characters since the last line feed
  // A UTF-8 sequence being read: continuation bytes still expected, the
  // range the next one must be in, and how many were read after its first.
  int restants_ = 0;
  unsigned char bas_ = 0x80;
  unsigned char haut_ = 0xBF;
  std::uint64_t lus_ = 0;
};

#endif  // PAGEVET_HTML_COMPTEURPOSITIONS_H_
