// DateHeure: construction from the clock, copies and packed file words.
#include "datetime/datehr.h"

#include "platform/plateforme.h"

namespace {

Date lireDateDuJour() {
  plateforme::DateJour jour;
  plateforme::getdate(&jour);
  return Date(static_cast<int16_t>(jour.jour), static_cast<int16_t>(jour.mois),
              static_cast<int16_t>(jour.annee));
}

}  // namespace

DateHeure::DateHeure(bool heureActuelle, bool dateActuelle)
    : date_(1, 1, 1900), heure_(0, 0, 0, 0) {
  if (dateActuelle) date_ = lireDateDuJour();
  if (heureActuelle) {
    plateforme::HeureJour maintenant;
    plateforme::gettime(&maintenant);
    heure_ = Heure(static_cast<int16_t>(maintenant.heure), static_cast<int16_t>(maintenant.minute),
                   static_cast<int16_t>(maintenant.seconde),
                   static_cast<int16_t>(maintenant.centiemes));
    // The date may have been read just before midnight: read it again.
    if (dateActuelle && heure_.secondesDepuisMinuit() < 1.0) date_ = lireDateDuJour();
  }
}

DateHeure::DateHeure(const DateHeure& autre, bool valider)
    : date_(autre.date_, valider), heure_(autre.heure_, valider) {}

DateHeure::DateHeure(const plateforme::HorodatageFichier& horodatage)
    : date_(1, 1, 1900), heure_(0, 0, 0, 0) {
  date_.depuisMotFichier(horodatage.date, false);
  heure_.depuisMotFichier(horodatage.heure, false);
}

bool DateHeure::depuisMotsFichier(uint16_t motDate, uint16_t motHeure, bool valider) {
  if (!date_.depuisMotFichier(motDate, valider)) return false;
  return heure_.depuisMotFichier(motHeure, valider);
}
