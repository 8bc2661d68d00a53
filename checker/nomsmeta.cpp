#include "checker/nomsmeta.h"

#include <cstring>

namespace {

const char* const kAffichages[NomsMeta::kNombre] = {
    "\"Content-Type\"", "\"Content-Language\"", "\"DESCRIPTION\"",
    "\"KEYWORDS\"",     "\"REPLY-TO\"",         "\"ROBOTS\"",
};

}  // namespace

NomsMeta::NomsMeta() {
  for (int i = 0; i < kNombre; ++i) {
    copies[i] = kAffichages[i];
    Minuscules(copies[i].Texte());
  }
}

const char* NomsMeta::Affichage(int i) const { return kAffichages[i]; }

void NomsMeta::RemetAZero() {
  for (int& compteur : compteurs) compteur = 0;
}

void NomsMeta::Compte(const char* cle, size_t longueur) {
  for (int i = 0; i < kNombre; ++i) {
    const String& copie = copies[i];
    if (static_cast<size_t>(copie.Longueur()) == longueur &&
        std::memcmp(copie.Texte(), cle, longueur) == 0) {
      ++compteurs[i];
      return;
    }
  }
}
