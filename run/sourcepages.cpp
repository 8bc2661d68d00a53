#include "run/sourcepages.h"

bool SourcePages::Suivante(std::string& chemin, std::size_t& numero) {
  const std::lock_guard<std::mutex> verrou(mutex_);
  if (finie_) return false;
  try {
    if (!Prochaine(chemin)) {
      finie_ = true;
      return false;
    }
  } catch (...) {
    erreur_ = std::current_exception();
    finie_ = true;
    return false;
  }
  numero = donnees_++;
  return true;
}

std::size_t SourcePages::Donnees() const {
  const std::lock_guard<std::mutex> verrou(mutex_);
  return donnees_;
}

void SourcePages::Relance() const {
  std::exception_ptr erreur;
  {
    const std::lock_guard<std::mutex> verrou(mutex_);
    erreur = erreur_;
  }
  if (erreur) std::rethrow_exception(erreur);
}

bool SourceListe::Prochaine(std::string& chemin) {
  if (prochain_ >= chemins_.size()) return false;
  chemin = chemins_[prochain_++];
  return true;
}
