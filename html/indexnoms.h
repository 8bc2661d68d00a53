// IndexNoms: a fixed set of short names (the tag tables), looked up by their
// bytes with one hash and, most often, one comparison: the checks ask it
// about nearly every '<' of every page. A name of up to 8 bytes is also
// looked up as one integer, its bytes packed, which the reader of a tag
// builds as it lowers the name.
#ifndef PAGEVET_HTML_INDEXNOMS_H_
#define PAGEVET_HTML_INDEXNOMS_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class IndexNoms {
 public:
  // noms: nombre distinct, non-empty names, which must outlive the index.
  IndexNoms(const char* const* noms, int nombre);
  IndexNoms(const std::string_view* noms, int nombre);

  // The first bytes of a name, up to 8, packed into an integer: byte i in
  // bits 8i to 8i + 7, whatever the host's byte order, as a reader that
  // shifts each lowered byte in builds it. What ContientCourt looks up.
  static std::uint64_t Cle(const char* nom, std::size_t n) {
    std::uint64_t cle = 0;
    for (std::size_t i = 0; i < n && i < 8; ++i) {
      cle |= static_cast<std::uint64_t>(static_cast<unsigned char>(nom[i])) << (8 * i);
    }
    return cle;
  }

  // Whether the name packed in cle (up to 8 bytes, not empty) is one of the
  // names. 0, the empty name, is none.
  bool ContientCourt(std::uint64_t cle) const {
    for (std::uint64_t i = Melange(cle) & masque_;; i = (i + 1) & masque_) {
      const std::uint64_t place = courts_[i];
      if (place == cle) return cle != 0;
      if (place == 0) return false;
    }
  }

  // Whether the n bytes at nom are one of the names.
  bool Contient(const char* nom, std::size_t n) const {
    if (n <= 8) return n > 0 && ContientCourt(Cle(nom, n));
    for (std::uint64_t i = Melange(Cle(nom, 8) ^ n) & masque_;; i = (i + 1) & masque_) {
      const std::string_view place = longs_[i];
      if (place.data() == nullptr) return false;
      if (place.size() == n && place.compare(0, n, nom, n) == 0) return true;
    }
  }

 private:
  // Fibonacci hashing: one multiplication spreads the packed bytes.
  static std::uint64_t Melange(std::uint64_t cle) { return (cle * 0x9E3779B97F4A7C15ull) >> 40; }

  void Prepare(int nombre);
  void Ajoute(std::string_view nom);

  std::vector<std::uint64_t> courts_;    // the names of up to 8 bytes; 0: free
  std::vector<std::string_view> longs_;  // the longer ones; empty: free
  std::uint64_t masque_ = 0;             // both tables have this size less one
};

#endif  // PAGEVET_HTML_INDEXNOMS_H_
