// FichierPage: opening and closing a page's descriptor.
#include "files/fichierpage.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "files/ficbase.h"
#include "foundation/meserreur.h"
#include "platform/plateforme.h"

namespace {

// A failed open reads as FicBase's: the same message, module and line.
const char kModule[] = "ficbase";
constexpr int32_t kLigneOuverture = 69;

int ouvrir(const char* cheminFic) {
  const int descripteur = plateforme::ouvrirPage(cheminFic);
  if (descripteur < 0) {
    std::vector<char> message(
        std::max(kTailleMessageErreur, std::strlen(cheminFic) + kLongueurTexteErreur + 1));
    texteErreur(ERR_OUVERTURE, cheminFic, message.data(), message.size());
    throw MesErreur(message.data(), kModule, kLigneOuverture);
  }
  return descripteur;
}

}  // namespace

FichierPage::FichierPage(const char* cheminFic) : descripteur_(ouvrir(cheminFic)) {}

// Nothing was written: a failed close loses nothing.
FichierPage::~FichierPage() { plateforme::fermer(descripteur_); }
