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

std::string messageResume(Constat constat, int compte) {
  if (constat != kHorsHead) return kConstats[constat].message;
  return std::to_string(compte) + " meta-tag" + (compte > 1 ? "s" : "") +
         " or title outside the <HEAD> section";
}

std::string messageMotCleRepete(const std::string& motCle, int fois) {
  return "Keyword [" + motCle + "] appears " + std::to_string(fois) + " times in the list";
}

std::string messageMotCleInutilise(const std::string& motCle) {
  return "Keyword unused in the text : " + motCle;
}
