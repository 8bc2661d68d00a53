#include "run/progression.h"

#include <string>

void Progression::Avance(Horloge::time_point maintenant) {
  if (flux_ == nullptr || maintenant < prochaine_) return;
  prochaine_ = maintenant + kIntervalle;
  const auto lu = [](const std::atomic<long>& n) { return n.load(std::memory_order_relaxed); };
  const std::string ligne = "\rpagevet: " + std::to_string(lu(bilan_.pagesExaminees)) + "/" +
                            std::to_string(lu(bilan_.pagesTrouvees)) +
                            (bilan_.parcoursEnCours.load(std::memory_order_relaxed) ? "+" : "") +
                            " pages, " +
                            std::to_string(bilan_.Constats()) + " findings\033[K";
  std::fputs(ligne.c_str(), flux_);
  std::fflush(flux_);
  affichee_ = true;
}

void Progression::Efface() {
  if (!affichee_) return;
  std::fputs("\r\033[K", flux_);
  std::fflush(flux_);
  affichee_ = false;
}
