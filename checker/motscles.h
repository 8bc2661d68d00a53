// Keyword analysis ("/d"): reads the keywords meta-tag into a list, marks the
// keywords that words of the text match, and reports repeated and unused ones.
#ifndef PAGEVET_CHECKER_MOTSCLES_H_
#define PAGEVET_CHECKER_MOTSCLES_H_

#include <cstdint>

#include "checker/motcle.h"
#include "checker/rapportpage.h"
#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"
#include "foundation/vecteur.h"

// Splits the content value between the quotes `ouvre` and `ferme` (in the
// lower-case line) at each ',' into motsCles, trimmed. Throws MesErreur
// "Mot cle trop long" for a keyword of 255 characters or more (in UTF-8,
// characters, whatever their bytes).
void lireMotsCles(const char* ouvre, const char* ferme, Vecteur<MotCle>& motsCles,
                  JeuCaracteres jeu = JeuCaracteres::Windows1252);

// The indices of motsCles sorted by reduced form, list order among equals,
// so that a word finds the first keyword it matches by binary search.
void ordonnerMotsCles(const Vecteur<MotCle>& motsCles, Vecteur<int32_t>& ordre);

// The first keyword, in list order, whose reduced form is reduit; -1 if
// none. ordre is the list's order from ordonnerMotsCles.
int32_t premierMotCle(const Vecteur<MotCle>& motsCles, const Vecteur<int32_t>& ordre,
                      const char* reduit);

// Marks the first keyword of the list that the word mot (NUL-terminated,
// UTF-8, references decoded) matches once reduced. ordre is the list's
// order from ordonnerMotsCles.
void marquerMot(const char* mot, Vecteur<MotCle>& motsCles, const Vecteur<int32_t>& ordre);

// Reports each keyword written more than once, with its count, then each
// keyword that no word matched, in list order. utf8: the keywords are in
// UTF-8 whatever the page's set.
void rapporterMotsCles(const Vecteur<MotCle>& motsCles, RapportPage& rapport, bool utf8 = false);

#endif  // PAGEVET_CHECKER_MOTSCLES_H_
