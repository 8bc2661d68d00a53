// Test helpers: a page read from memory (fmemopen) and a report written to
// memory (open_memstream), so tests need no file and no stdout capture.
#ifndef PAGEVET_TESTS_MEMOIRE_H_
#define PAGEVET_TESTS_MEMOIRE_H_

#include <cstdio>
#include <cstdlib>
#include <string>

#include "foundation/affichage.h"
#include "foundation/canal.h"

// A read-only stream over a copy of contenu.
class FluxMemoire {
 public:
  explicit FluxMemoire(std::string contenu)
      : contenu_(std::move(contenu)), flux_(fmemopen(contenu_.data(), contenu_.size(), "r")) {}
  FluxMemoire(const FluxMemoire&) = delete;
  FluxMemoire& operator=(const FluxMemoire&) = delete;
  ~FluxMemoire() {
    if (flux_ != nullptr) std::fclose(flux_);
  }
  std::FILE* Flux() const { return flux_; }

 private:
  std::string contenu_;
  std::FILE* flux_;
};

// A stream whose bytes the test reads back.
class SortieMemoire {
 public:
  SortieMemoire() : flux_(open_memstream(&tampon_, &taille_)) {}
  SortieMemoire(const SortieMemoire&) = delete;
  SortieMemoire& operator=(const SortieMemoire&) = delete;
  ~SortieMemoire() {
    if (flux_ != nullptr) std::fclose(flux_);
    std::free(tampon_);
  }
  std::FILE* Flux() const { return flux_; }
  // Everything written so far.
  std::string Texte() const {
    std::fflush(flux_);
    return std::string(tampon_, taille_);
  }

 private:
  char* tampon_ = nullptr;
  size_t taille_ = 0;
  std::FILE* flux_;
};

// A channel that keeps what is written, for the test to read back.
class CanalMemoire : public Canal {
 public:
  void Ecrit(const char* octets, std::size_t n) override { texte_.append(octets, n); }
  const std::string& Texte() const { return texte_; }

 private:
  std::string texte_;
};

// What action writes through a printer of the given output set made on a
// memory stream.
template <typename Action>
std::string EcritPar(Affichage::Sortie sortie, Action action) {
  SortieMemoire memoire;
  const Affichage affichage(sortie, memoire.Flux());
  action(affichage);
  return memoire.Texte();
}

#endif  // PAGEVET_TESTS_MEMOIRE_H_
