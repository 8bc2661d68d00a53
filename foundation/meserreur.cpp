#include "foundation/meserreur.h"

#include <cstdio>

MesErreur::MesErreur(const char* message, const char* module, int32_t ligne)
    : String(message), module(module), ligne(ligne) {}

void MesErreur::Affiche() const {
  std::printf(" -- %s --\nLigne %d de %s\n", Message(), static_cast<int>(ligne),
              module.Texte());
}

MesErreurVer::MesErreurVer(const char* message, const char* module, int32_t ligne,
                           const char* version)
    : MesErreur(message, module, ligne), version(version) {}

void MesErreurVer::Affiche() const {
  MesErreur::Affiche();
  std::printf("Version : %s\n", version.Texte());
}
