// Date: a calendar date (year, month, day) with its validity rules, decoded
// from the packed date word of the file finder.
#ifndef PAGEVET_DATETIME_DATE_H_
#define PAGEVET_DATETIME_DATE_H_

#include <cstdint>

class Date {
 public:
  // Stores the fields as given; with valider, an invalid date throws
  // MesErreur "date" 36.
  Date(int16_t jour, int16_t mois, int16_t annee, bool valider = false);
  Date(const Date& autre) = default;
  // Copy; with valider, an invalid date throws MesErreur "date" 44.
  Date(const Date& autre, bool valider);
  Date& operator=(const Date& autre) = default;

  // Decodes a packed date word (day bits 0-4, month 5-8, year - 1980 9-15)
  // and returns whether it is valid; with valider, an invalid one throws
  // MesErreur "date" 124. The decoded fields are kept either way.
  bool depuisMotFichier(uint16_t mot, bool valider);

  bool estValide() const;

  int16_t annee() const { return annee_; }
  int16_t mois() const { return mois_; }
  int16_t jour() const { return jour_; }

  static bool estBissextile(int annee);
  // Days in month of annee; 64 for a month outside 1-12.
  static int joursDansMois(int mois, int annee);

 private:
  int16_t annee_;
  int16_t mois_;
  int16_t jour_;
};

#endif  // PAGEVET_DATETIME_DATE_H_
