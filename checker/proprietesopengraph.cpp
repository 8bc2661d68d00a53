#include "checker/proprietesopengraph.h"

#include <iterator>

#include "checker/texteascii.h"

namespace {

struct Suivie {
  const char* nom;
  bool requise;  // an Open Graph page needs it
  bool unique;   // a second one is a finding
};
// The required ones first, in the order they are listed when missing.
const Suivie kProprietes[] = {
    {"og:title", true, true},      {"og:type", true, true},        {"og:image", true, false},
    {"og:url", true, true},        {"og:description", false, true}, {"og:site_name", false, true},
    {"og:locale", false, true},
};

}  // namespace

bool ProprietesOpenGraph::Note(std::string_view propriete) {
  static_assert(std::size(kProprietes) == kSuivies, "one counter per property followed");
  propriete = rogneBlancs(propriete);
  if (propriete.size() < 3 || !egalSansCasse(propriete.substr(0, 3), "og:")) return false;
  presente = true;
  for (int i = 0; i < kSuivies; ++i) {
    if (egalSansCasse(propriete, kProprietes[i].nom)) {
      ++vues[i];
      return kProprietes[i].unique && vues[i] > 1;
    }
  }
  return false;
}

std::string ProprietesOpenGraph::Manquantes() const {
  std::string liste;
  if (!presente) return liste;
  for (int i = 0; i < kSuivies; ++i) {
    if (!kProprietes[i].requise || vues[i] > 0) continue;
    if (!liste.empty()) liste += ", ";
    liste += kProprietes[i].nom;
  }
  return liste;
}
