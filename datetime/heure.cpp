// Heure: validation and decoding of packed file time words.
#include "datetime/heure.h"

#include "foundation/meserreur.h"

namespace {

const char kModule[] = "heure";
const char kInvalide[] = "Valeur initiale d'heure invalide";
constexpr int32_t kLigneConstruction = 38;
constexpr int32_t kLigneCopie = 54;
constexpr int32_t kLigneMotFichier = 144;

}  // namespace

Heure::Heure(int16_t heure, int16_t minute, int16_t seconde, int16_t centiemes, bool valider)
    : heure_(heure), minute_(minute), seconde_(seconde), centiemes_(centiemes) {
  if (valider && !estValide()) throw MesErreur(kInvalide, kModule, kLigneConstruction);
}

Heure::Heure(const Heure& autre, bool valider) : Heure(autre) {
  if (valider && !estValide()) throw MesErreur(kInvalide, kModule, kLigneCopie);
}

bool Heure::depuisMotFichier(uint16_t mot, bool valider) {
  heure_ = static_cast<int16_t>((mot >> 11) & 31);
  minute_ = static_cast<int16_t>((mot >> 5) & 63);
  seconde_ = static_cast<int16_t>((mot & 31) * 2);
  centiemes_ = 0;
  const bool valide = estValide();
  if (valider && !valide) throw MesErreur(kInvalide, kModule, kLigneMotFichier);
  return valide;
}

bool Heure::estValide() const {
  return heure_ >= 0 && heure_ <= 23 && minute_ >= 0 && minute_ <= 59 && seconde_ >= 0 &&
         seconde_ <= 59 && centiemes_ >= 0 && centiemes_ <= 99;
}

double Heure::secondesDepuisMinuit() const {
  return heure_ * 3600.0 + minute_ * 60.0 + seconde_ + centiemes_ * 0.01;
}
