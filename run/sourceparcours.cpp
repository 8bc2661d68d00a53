#include "run/sourceparcours.h"

bool SourceParcours::Amorce() {
  gardee_ = parcours_.Suivante(premiere_);
  if (gardee_) {
    bilan_.pagesTrouvees.fetch_add(1, std::memory_order_relaxed);
  } else {
    bilan_.parcoursEnCours.store(false, std::memory_order_relaxed);
  }
  return gardee_;
}

bool SourceParcours::Prochaine(std::string& chemin) {
  if (gardee_) {
    gardee_ = false;
    chemin = std::move(premiere_);
    return true;
  }
  if (!parcours_.Suivante(chemin)) {
    bilan_.parcoursEnCours.store(false, std::memory_order_relaxed);
    return false;
  }
  bilan_.pagesTrouvees.fetch_add(1, std::memory_order_relaxed);
  return true;
}
