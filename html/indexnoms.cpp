#include "html/indexnoms.h"

IndexNoms::IndexNoms(const char* const* noms, int nombre) {
  Prepare(nombre);
  for (int k = 0; k < nombre; ++k) Ajoute(noms[k]);
}

IndexNoms::IndexNoms(const std::string_view* noms, int nombre) {
  Prepare(nombre);
  for (int k = 0; k < nombre; ++k) Ajoute(noms[k]);
}

void IndexNoms::Prepare(int nombre) {
  // A power of two at least four times the names: short probe runs.
  std::size_t taille = 8;
  while (taille < 4 * static_cast<std::size_t>(nombre)) taille *= 2;
  courts_.assign(taille, 0);
  longs_.assign(taille, std::string_view());
  masque_ = taille - 1;
}

void IndexNoms::Ajoute(std::string_view nom) {
  if (nom.size() <= 8) {
    const std::uint64_t cle = Cle(nom.data(), nom.size());
    std::uint64_t i = Melange(cle) & masque_;
    while (courts_[i] != 0) i = (i + 1) & masque_;
    courts_[i] = cle;
  } else {
    std::uint64_t i = Melange(Cle(nom.data(), 8) ^ nom.size()) & masque_;
    while (longs_[i].data() != nullptr) i = (i + 1) & masque_;
    longs_[i] = nom;
  }
}
