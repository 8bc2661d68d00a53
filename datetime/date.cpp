// Date: validation and decoding of packed file date words.
#include "datetime/date.h"

#include "foundation/meserreur.h"

namespace {

const char kModule[] = "date";
const char kInvalide[] = "Valeur initiale de date invalide";
constexpr int32_t kLigneConstruction = 36;
constexpr int32_t kLigneCopie = 44;
constexpr int32_t kLigneMotFichier = 124;

// Indexed by month; entry 0 is no month.
const int16_t kJoursParMois[13] = {64, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

Date::Date(int16_t jour, int16_t mois, int16_t annee, bool valider)
    : annee_(annee), mois_(mois), jour_(jour) {
  if (valider && !estValide()) throw MesErreur(kInvalide, kModule, kLigneConstruction);
}

Date::Date(const Date& autre, bool valider) : Date(autre) {
  if (valider && !estValide()) throw MesErreur(kInvalide, kModule, kLigneCopie);
}

bool Date::depuisMotFichier(uint16_t mot, bool valider) {
  jour_ = static_cast<int16_t>(mot & 31);
  mois_ = static_cast<int16_t>((mot >> 5) & 15);
  annee_ = static_cast<int16_t>((mot >> 9) + 1980);
  const bool valide = estValide();
  if (valider && !valide) throw MesErreur(kInvalide, kModule, kLigneMotFichier);
  return valide;
}

bool Date::estValide() const {
  return mois_ >= 1 && mois_ <= 12 && jour_ > 0 && jour_ <= joursDansMois(mois_, annee_);
}

bool Date::estBissextile(int annee) {
  if (annee % 4 != 0) return false;
  if (annee % 100 != 0) return true;
  return annee % 400 == 0;
}

int Date::joursDansMois(int mois, int annee) {
  if (mois < 1 || mois > 12) return kJoursParMois[0];
  return kJoursParMois[mois] + ((mois == 2 && estBissextile(annee)) ? 1 : 0);
}
