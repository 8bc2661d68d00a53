#include "foundation/meserreur.h"

#include "foundation/affichage.h"

MesErreur::MesErreur(const char* message, const char* module, int32_t ligne)
    : String(message), module(module), ligne(ligne) {}

void MesErreur::Affiche(const Affichage& sortie) const {
  sortie.Imprime(" -- ");
  sortie.AfficheDansFormat(Message());
  sortie.Imprime(" --\nLigne %d de %s\n", static_cast<int>(ligne), module.Texte());
}

void MesErreur::Affiche() const { Affiche(affichage); }

MesErreurVer::MesErreurVer(const char* message, const char* module, int32_t ligne,
                           const char* version)
    : MesErreur(message, module, ligne), version(version) {}

void MesErreurVer::Affiche(const Affichage& sortie) const {
  MesErreur::Affiche(sortie);
  sortie.Imprime("Version : ");
  sortie.AfficheDansFormat(version.Texte());
  sortie.Imprime("\n");
}
