// MotCle: one keyword of a page's keywords meta-tag, as written and in the
// reduced form (accents removed, lower case) that text words are matched on.
#ifndef PAGEVET_CHECKER_MOTCLE_H_
#define PAGEVET_CHECKER_MOTCLE_H_

#include <string>

// std::string: most keywords fit in the string itself, with no allocation.
struct MotCle {
  std::string mot;        // as written, trimmed
  std::string motReduit;  // mot without accents, lower case
  bool utilise = false;
};

#endif  // PAGEVET_CHECKER_MOTCLE_H_
