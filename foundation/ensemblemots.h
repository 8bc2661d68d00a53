// EnsembleMots: the distinct words of one page, each held once. Telling a
// word seen before costs one hash probe, a new word no allocation of its
// own: the words are copied one after the other into large blocks.
#ifndef PAGEVET_FOUNDATION_ENSEMBLEMOTS_H_
#define PAGEVET_FOUNDATION_ENSEMBLEMOTS_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

class EnsembleMots {
 public:
  EnsembleMots() = default;
  EnsembleMots(const EnsembleMots&) = delete;
  EnsembleMots& operator=(const EnsembleMots&) = delete;

  // Adds the n bytes at mot (a word may hold any byte but NUL) unless they
  // are there already; gives whether they were new. Any order of words
  // costs the same. Inline: the keyword analysis asks it of every word.
  bool Ajoute(const char* mot, std::size_t n) {
    if (nombre_ >= seuil_) Agrandit();
    const Cle cle = CleDe(mot, n);
    Place& place = places_[Cherche(mot, n, cle)];
    if (place.texte != nullptr) return false;
    Range(place, mot, n, cle);
    return true;
  }
  // Whether the n bytes at mot are there.
  bool Contient(const char* mot, std::size_t n) const;

  std::size_t Nombre() const { return nombre_; }
  // Forgets every word; the memory is kept for the next page.
  void Vide();

 private:
  // A word's first 8 bytes packed into an integer (zero bytes after a
  // shorter one): for most words, comparing these is comparing the words.
  struct Cle {
    std::uint64_t debut;
    std::uint64_t hache;
  };
  struct Place {
    const char* texte = nullptr;  // null: free
    std::uint64_t debut = 0;
    std::uint32_t longueur = 0;
    std::uint32_t hache = 0;
  };
  // Below the size whose release makes the allocator sweep its free lists.
  static constexpr std::size_t kTailleBloc = 16 * 1024;

  static std::uint64_t Lire64(const char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
  }
  static std::uint64_t Lire32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
  }

  // Only loads of a fixed size, none past the word: a copy of a varying
  // size is a call, and most words are a few bytes long.
  static Cle CleDe(const char* mot, std::size_t n) {
    constexpr std::uint64_t kMultiple = 0x9E3779B97F4A7C15ull;
    std::uint64_t debut = 0;
    if (n >= 8) {
      debut = Lire64(mot);
    } else if (n >= 4) {
      // The first four bytes, then the last four shifted down to follow.
      debut = Lire32(mot) | ((Lire32(mot + n - 4) >> (8 * (8 - n))) << 32);
    } else if (n > 0) {
      debut = static_cast<unsigned char>(mot[0]);
      if (n > 1) debut |= static_cast<std::uint64_t>(static_cast<unsigned char>(mot[1])) << 8;
      if (n > 2) debut |= static_cast<std::uint64_t>(static_cast<unsigned char>(mot[2])) << 16;
    }
    std::uint64_t h = (debut ^ n) * kMultiple;
    if (n > 8) {
      // Eight bytes at a time, the last eight ending with the word.
      for (std::size_t i = 8; i + 8 < n; i += 8) h = (h ^ Lire64(mot + i)) * kMultiple;
      h = (h ^ Lire64(mot + n - 8)) * kMultiple;
    }
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    return {debut, h ^ (h >> 32)};
  }

  // The place of the word, or the free place where it would go.
  std::size_t Cherche(const char* mot, std::size_t n, const Cle& cle) const {
    const std::size_t masque = places_.size() - 1;
    const auto court = static_cast<std::uint32_t>(cle.hache);
    for (std::size_t i = static_cast<std::size_t>(cle.hache >> 32) & masque;;
         i = (i + 1) & masque) {
      const Place& place = places_[i];
      if (place.texte == nullptr) return i;
      if (place.hache == court && place.longueur == n && place.debut == cle.debut &&
          (n <= 8 || std::memcmp(place.texte + 8, mot + 8, n - 8) == 0)) {
        return i;
      }
    }
  }

  // Keeps a copy of the new word in place.
  void Range(Place& place, const char* mot, std::size_t n, const Cle& cle);
  const char* Copie(const char* mot, std::size_t n);
  void Agrandit();

  std::vector<Place> places_;  // a power of two, at most 70% full
  std::size_t nombre_ = 0;
  std::size_t seuil_ = 0;  // the count that makes places_ grow
  std::vector<std::unique_ptr<char[]>> blocs_;   // where the words are kept
  std::size_t bloc_ = 0;                         // the block being filled
  std::size_t rempli_ = 0;                       // bytes used in it
  std::vector<std::unique_ptr<char[]>> grands_;  // words longer than a block
};

#endif  // PAGEVET_FOUNDATION_ENSEMBLEMOTS_H_
