// NomsMeta: the six meta names a page should declare once each, with their
// lower-case match copies and how often the current page declared them.
#ifndef PAGEVET_CHECKER_NOMSMETA_H_
#define PAGEVET_CHECKER_NOMSMETA_H_

#include <cstddef>

#include "foundation/mystring.h"

class NomsMeta {
 public:
  static constexpr int kNombre = 6;

  // Makes the lower-case match copies.
  NomsMeta();

  // The name as printed in the summary, double quotes included.
  const char* Affichage(int i) const;
  int Compteur(int i) const { return compteurs[i]; }

  // Sets every counter back to 0 for a new page.
  void RemetAZero();

  // Counts the key text (quotes included, `longueur` bytes, lower case)
  // under the first name it equals; one that equals none counts nowhere.
  void Compte(const char* cle, size_t longueur);

 private:
  String copies[kNombre];
  int compteurs[kNombre] = {};
};

#endif  // PAGEVET_CHECKER_NOMSMETA_H_
