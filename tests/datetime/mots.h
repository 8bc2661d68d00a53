// Test helpers shared by the Date, Heure and DateHeure tests: the packed
// words of the file finder, and each value flattened to one integer so a
// whole date or time compares in a single assertion.
#ifndef PAGEVET_TESTS_DATETIME_MOTS_H_
#define PAGEVET_TESTS_DATETIME_MOTS_H_

#include <cstdint>

#include "datetime/date.h"
#include "datetime/heure.h"

inline int enEntier(const Date& d) { return d.annee() * 10000 + d.mois() * 100 + d.jour(); }
inline int enEntier(const Heure& h) {
  return ((h.heure() * 100 + h.minute()) * 100 + h.seconde()) * 100 + h.centiemes();
}

inline uint16_t motDate(int annee, int mois, int jour) {
  return static_cast<uint16_t>(((annee - 1980) << 9) | (mois << 5) | jour);
}
inline uint16_t motHeure(int heure, int minute, int demiSecondes) {
  return static_cast<uint16_t>((heure << 11) | (minute << 5) | demiSecondes);
}

#endif  // PAGEVET_TESTS_DATETIME_MOTS_H_
