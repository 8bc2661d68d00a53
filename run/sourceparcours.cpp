#include "run/sourceparcours.h"

bool SourceParcours::Amorce() {
  gardee_ = parcours_.Suivante(premiere_);
  if (gardee_) trouvees_.fetch_add(1, std::memory_order_relaxed);
  return gardee_;
}

bool SourceParcours::Prochaine(std::string& chemin) {
  if (gardee_) {
    gardee_ = false;
    chemin = std::move(premiere_);
    return true;
  }
  if (!parcours_.Suivante(chemin)) return false;
  trouvees_.fetch_add(1, std::memory_order_relaxed);
  return true;
}
