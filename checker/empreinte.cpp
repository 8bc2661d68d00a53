#include "checker/empreinte.h"

namespace {

// The finaliser of SplitMix64: every bit of x moves about half of the others.
uint64_t melange(uint64_t x) {
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ULL;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

}  // namespace

// Two FNV-1a lanes with different starts and primes, each mixed with the
// length at the end.
Empreinte empreinte(std::string_view texte) {
  uint64_t a = 0xcbf29ce484222325ULL;
  uint64_t b = 0x6c62272e07bb0142ULL;
  for (const char c : texte) {
    const auto octet = static_cast<unsigned char>(c);
    a = (a ^ octet) * 0x100000001b3ULL;
    b = (b ^ octet) * 0x00000100000001b3ULL + 0x9e3779b97f4a7c15ULL;
  }
  const uint64_t n = texte.size();
  return Empreinte{melange(a ^ n), melange(b + 0x632be59bd9b4e019ULL * (n + 1))};
}
