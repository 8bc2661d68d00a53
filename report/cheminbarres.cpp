#include "report/cheminbarres.h"

std::string cheminAvecBarres(const char* chemin) {
  std::string hote(chemin);
  for (char& c : hote) {
    if (c == '\\') c = '/';
  }
  return hote;
}
