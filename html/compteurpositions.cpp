// Line and column counting: line feeds counted sixteen bytes at a time, then
// the columns of the last line only, sixteen ASCII bytes at a time and a byte
// at a time through UTF-8 sequences, whose validity decides how many
// characters they make.
#include "html/compteurpositions.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Counts the line feeds in [p, fin) into sauts; gives the last one, or nullptr.
const char* compterSauts(const char* p, const char* fin, std::uint64_t& sauts) {
  const char* dernier = nullptr;
#if defined(__SSE2__)
  const __m128i sautLigne = _mm_set1_epi8('\n');
  while (fin - p >= 16) {
    const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const unsigned masque =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bloc, sautLigne)));
    if (masque != 0) {
      for (unsigned reste = masque; reste != 0; reste &= reste - 1) ++sauts;
      dernier = p + (31 - __builtin_clz(masque));
    }
    p += 16;
  }
#endif
  for (; p < fin; ++p) {
    if (*p == '\n') {
      ++sauts;
      dernier = p;
    }
  }
  return dernier;
}

}  // namespace

void CompteurPositions::Avancer(const char* fin) {
  const char* p = compte_;
  if (p >= fin) return;
  // A line feed ends any sequence being read and sets the column back: only
  // the bytes after the last one need their characters counted.
  std::uint64_t sauts = 0;
  const char* dernier = compterSauts(p, fin, sauts);
  if (dernier != nullptr) {
    ligne_ += sauts;
    colonne_ = 0;
    restants_ = 0;
    p = dernier + 1;
  }
#if defined(__SSE2__)
  const __m128i sautLigne = _mm_set1_epi8('\n');
#endif
  while (p < fin) {
#if defined(__SSE2__)
    // Sixteen bytes are read where the block holds them, those past fin
    // masked off.
    if (restants_ == 0 && finBloc_ - p >= 16) {
      const int k = fin - p >= 16 ? 16 : static_cast<int>(fin - p);
      const unsigned masque = (1u << k) - 1;
      const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const unsigned hauts = static_cast<unsigned>(_mm_movemask_epi8(bloc)) & masque;
      if (!utf8_ || hauts == 0) {
        const unsigned sauts =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bloc, sautLigne))) & masque;
        if (sauts == 0) {
          colonne_ += static_cast<unsigned>(k);
        } else {
          for (unsigned reste = sauts; reste != 0; reste &= reste - 1) ++ligne_;
          colonne_ = static_cast<std::uint64_t>(k - 1 - (31 - __builtin_clz(sauts)));
        }
        p += k;
        continue;
      }
    }
#endif
    AvancerOctet(static_cast<unsigned char>(*p));
    ++p;
  }
  compte_ = fin;
}

void CompteurPositions::AvancerOctet(unsigned char octet) {
  if (restants_ > 0) {
    if (octet >= bas_ && octet <= haut_) {
      --restants_;
      ++lus_;
      bas_ = 0x80;
      haut_ = 0xBF;
      return;
    }
    // Not a valid sequence: its bytes so far are stray bytes, one character each.
    colonne_ += lus_;
    restants_ = 0;
  }
  if (octet == '\n') {
    ++ligne_;
    colonne_ = 0;
    return;
  }
  ++colonne_;
  if (!utf8_ || octet < 0xC2 || octet > 0xF4) return;
  lus_ = 0;
  bas_ = 0x80;
  haut_ = 0xBF;
  if (octet < 0xE0) {
    restants_ = 1;
  } else if (octet < 0xF0) {
    restants_ = 2;
    if (octet == 0xE0) bas_ = 0xA0;
    if (octet == 0xED) haut_ = 0x9F;
  } else {
    restants_ = 3;
    if (octet == 0xF0) bas_ = 0x90;
    if (octet == 0xF4) haut_ = 0x8F;
  }
}
