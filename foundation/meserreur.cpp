#include "foundation/meserreur.h"

#include "foundation/affichage.h"

MesErreur::MesErreur(const char* message, const char* module, int32_t ligne)
    : String(message), module(module), ligne(ligne) {}

void MesErreur::Affiche() const {
  affichage.Imprime(" -- ");
  affichage.AfficheDansFormat(Message());
  affichage.Imprime(" --\nLigne %d de %s\n", static_cast<int>(ligne), module.Texte());
}

MesErreurVer::MesErreurVer(const char* message, const char* module, int32_t ligne,
                           const char* version)
    : MesErreur(message, module, ligne), version(version) {}

void MesErreurVer::Affiche() const {
  MesErreur::Affiche();
  affichage.Imprime("Version : ");
  affichage.AfficheDansFormat(version.Texte());
  affichage.Imprime("\n");
}
