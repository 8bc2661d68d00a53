#include "checker/constat.h"

#include <cstring>

bool constatDeId(const char* id, Constat& constat) {
  for (int i = 0; i < kNombreConstats; ++i) {
    if (std::strcmp(kConstats[i].id, id) == 0) {
      constat = static_cast<Constat>(i);
      return true;
    }
  }
  return false;
}
