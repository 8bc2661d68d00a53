// Where a line's '<' and '>' stand, sixteen bytes at a time: the bytes that
// start and end its tags, which the tag checks and the tag removal walk.
#ifndef PAGEVET_HTML_CHEVRONS_H_
#define PAGEVET_HTML_CHEVRONS_H_

#include <cstddef>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Which of the 16 bytes from p (fewer at the end of the text, before fin)
// are '<' or '>', one bit each, byte p + i in bit i. The text starts at
// debut: the last sixteen bytes of a text of at least that many are read
// where they end, at fin, overlapping what was already read, so that no
// byte outside [debut, fin) is ever read.
inline unsigned chevronsDe(const char* debut, const char* p, const char* fin) {
  const std::size_t reste = static_cast<std::size_t>(fin - p);
#ifdef __SSE2__
  const auto signes = [](const char* lu) {
    const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lu));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
        _mm_cmpeq_epi8(octets, _mm_set1_epi8('<')), _mm_cmpeq_epi8(octets, _mm_set1_epi8('>')))));
  };
  if (reste >= 16) return signes(p);
  if (fin - debut >= 16) return signes(fin - 16) >> (16 - reste);
  // A text shorter than sixteen bytes is read from a copy, NUL after it.
  char copie[16] = {};
  std::memcpy(copie, p, reste);
  return signes(copie);
#endif
  unsigned bits = 0;
  for (std::size_t i = 0; i < reste && i < 16; ++i) {
    bits |= static_cast<unsigned>(p[i] == '<' || p[i] == '>') << i;
  }
  return bits;
}

// Calls surChevron(p) at each '<' and '>' of the n bytes at texte, in
// order, while it gives true; gives false when it stopped the walk. Always
// inlined: the walk and what it does at each sign make the hot loop.
template <typename SurChevron>
[[gnu::always_inline]] inline bool pourChaqueChevron(const char* texte, std::size_t n,
                                                  SurChevron surChevron) {
  const char* const fin = texte + n;
  for (const char* bloc = texte; bloc < fin; bloc += 16) {
    for (unsigned chevrons = chevronsDe(texte, bloc, fin); chevrons != 0; chevrons &= chevrons - 1) {
      if (!surChevron(bloc + __builtin_ctz(chevrons))) return false;
    }
  }
  return true;
}

#endif  // PAGEVET_HTML_CHEVRONS_H_
