#include "foundation/ensemblemots.h"

#include <algorithm>
#include <cstring>

bool EnsembleMots::Contient(const char* mot, std::size_t n) const {
  return !places_.empty() && places_[Cherche(mot, n, CleDe(mot, n))].texte != nullptr;
}

void EnsembleMots::Range(Place& place, const char* mot, std::size_t n, const Cle& cle) {
  place.texte = Copie(mot, n);
  place.debut = cle.debut;
  place.longueur = static_cast<std::uint32_t>(n);
  place.hache = static_cast<std::uint32_t>(cle.hache);
  ++nombre_;
}

const char* EnsembleMots::Copie(const char* mot, std::size_t n) {
  if (n > kTailleBloc) {
    // Longer than a block: a block of its own.
    grands_.emplace_back(new char[n]);
    std::memcpy(grands_.back().get(), mot, n);
    return grands_.back().get();
  }
  if (blocs_.empty() || rempli_ + n > kTailleBloc) {
    // The next block: one kept from before Vide, or a new one.
    if (!blocs_.empty()) ++bloc_;
    if (bloc_ == blocs_.size()) blocs_.emplace_back(new char[kTailleBloc]);
    rempli_ = 0;
  }
  char* const place = blocs_[bloc_].get() + rempli_;
  std::memcpy(place, mot, n);
  rempli_ += n;
  return place;
}

void EnsembleMots::Agrandit() {
  // Small at first: the keyword analysis of most pages keeps a few dozen.
  std::vector<Place> anciennes(std::max<std::size_t>(64, 2 * places_.size()));
  anciennes.swap(places_);
  seuil_ = places_.size() / 10 * 7;
  const std::size_t masque = places_.size() - 1;
  for (const Place& place : anciennes) {
    if (place.texte == nullptr) continue;
    // The stored hash is its low half; the whole one places it.
    const std::uint64_t hache = CleDe(place.texte, place.longueur).hache;
    std::size_t i = static_cast<std::size_t>(hache >> 32) & masque;
    while (places_[i].texte != nullptr) i = (i + 1) & masque;
    places_[i] = place;
  }
}

void EnsembleMots::Vide() {
  std::fill(places_.begin(), places_.end(), Place());
  nombre_ = 0;
  bloc_ = 0;
  rempli_ = 0;
  grands_.clear();
}
