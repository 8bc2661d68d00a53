#include "run/collectesite.h"

#include <utility>

void CollecteSite::Depose(std::size_t numero, FicheSite fiche) {
  const std::lock_guard<std::mutex> verrou(mutex_);
  enAttente_.insert_or_assign(numero, std::move(fiche));
}

void CollecteSite::Remet(std::size_t numero) {
  FicheSite fiche;
  {
    const std::lock_guard<std::mutex> verrou(mutex_);
    const auto trouvee = enAttente_.find(numero);
    if (trouvee == enAttente_.end()) return;  // a page the scan could not read
    fiche = std::move(trouvee->second);
    enAttente_.erase(trouvee);
  }
  juge_.AjoutePage(fiche);
}
