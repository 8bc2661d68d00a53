// DateHeure: a date followed by a time of day, as the time stamp of a file
// or the current moment read from the clock.
#ifndef PAGEVET_DATETIME_DATEHR_H_
#define PAGEVET_DATETIME_DATEHR_H_

#include <cstdint>

#include "datetime/date.h"
#include "datetime/heure.h"
#include "platform/typesplateforme.h"

class DateHeure {
 public:
  // 1 January 1900, 00:00:00.00; then today's date and/or the current time
  // from the clock when asked.
  explicit DateHeure(bool heureActuelle = false, bool dateActuelle = false);
  DateHeure(const DateHeure& autre) = default;
  // Copy; with valider, the date then the time are checked as Date and Heure
  // copies check them.
  DateHeure(const DateHeure& autre, bool valider);
  // A file's modification time, decoded without any check.
  explicit DateHeure(const plateforme::HorodatageFichier& horodatage);
  DateHeure& operator=(const DateHeure& autre) = default;

  // Decodes the date word, then the time word if the date was valid. True
  // only if both are valid; with valider, the first invalid one throws.
  bool depuisMotsFichier(uint16_t motDate, uint16_t motHeure, bool valider);

  Date date() const { return date_; }
  Heure heure() const { return heure_; }

 private:
  Date date_;
  Heure heure_;
};

#endif  // PAGEVET_DATETIME_DATEHR_H_
