// Heure: a time of day (hour, minute, second, hundredths) with its validity
// rules, decoded from the packed time word of the file finder.
#ifndef PAGEVET_DATETIME_HEURE_H_
#define PAGEVET_DATETIME_HEURE_H_

#include <cstdint>

class Heure {
 public:
  // Stores the fields as given; with valider, an invalid time throws
  // MesErreur "heure" 38.
  Heure(int16_t heure, int16_t minute, int16_t seconde, int16_t centiemes,
        bool valider = false);
  Heure(const Heure& autre) = default;
  // Copy; with valider, an invalid time throws MesErreur "heure" 54.
  Heure(const Heure& autre, bool valider);
  Heure& operator=(const Heure& autre) = default;

  // Decodes a packed time word (seconds / 2 bits 0-4, minute 5-10, hour
  // 11-15), hundredths 0, and returns whether it is valid; with valider, an
  // invalid one throws MesErreur "heure" 144. The fields are kept either way.
  bool depuisMotFichier(uint16_t mot, bool valider);

  bool estValide() const;
  double secondesDepuisMinuit() const;

  int16_t heure() const { return heure_; }
  int16_t minute() const { return minute_; }
  int16_t seconde() const { return seconde_; }
  int16_t centiemes() const { return centiemes_; }

 private:
  int16_t heure_;
  int16_t minute_;
  int16_t seconde_;
  int16_t centiemes_;
};

#endif  // PAGEVET_DATETIME_HEURE_H_
