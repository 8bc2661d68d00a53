// MotCle: one keyword of a page's keywords meta-tag, as written and in the
// reduced form (accents removed, lower case) that text words are matched on.
#ifndef PAGEVET_CHECKER_MOTCLE_H_
#define PAGEVET_CHECKER_MOTCLE_H_

#include "foundation/mystring.h"

struct MotCle {
  String mot;        // as written, trimmed
  String motReduit;  // mot without accents, lower case
  bool utilise = false;
};

#endif  // PAGEVET_CHECKER_MOTCLE_H_
