#include "run/bilanrun.h"

namespace {

// "1 page", "2 pages".
std::string nombre(long n, const char* nom) {
  return std::to_string(n) + ' ' + nom + (n == 1 ? "" : "s");
}

}  // namespace

long BilanRun::Constats() const {
  long total = 0;
  for (const std::atomic<long>& n : parNiveau) total += n.load(std::memory_order_relaxed);
  return total;
}

std::string texteBilan(const BilanRun& bilan) {
  const auto lu = [](const std::atomic<long>& n) { return n.load(std::memory_order_relaxed); };
  return nombre(lu(bilan.pagesExaminees), "page") + " examined, " +
         std::to_string(lu(bilan.pagesSignalees)) + " with findings, " +
         nombre(bilan.Constats(), "finding") + " (" +
         nombre(lu(bilan.parNiveau[static_cast<int>(Niveau::Erreur)]), "error") + ", " +
         nombre(lu(bilan.parNiveau[static_cast<int>(Niveau::Avertissement)]), "warning") + ", " +
         nombre(lu(bilan.parNiveau[static_cast<int>(Niveau::Note)]), "note") + ")";
}
