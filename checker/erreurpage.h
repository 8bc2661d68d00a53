// ErreurPage: a fatal error raised while a page was examined, with that
// page's path, so that the run's error line can name it.
#ifndef PAGEVET_CHECKER_ERREURPAGE_H_
#define PAGEVET_CHECKER_ERREURPAGE_H_

#include <string>

#include "foundation/meserreur.h"

class ErreurPage : public MesErreur {
 public:
  // chemin as the program writes it ('\' between directories); kept with
  // '/' between them, as the user typed it.
  ErreurPage(const MesErreur& erreur, const char* chemin)
      : MesErreur(erreur.Message(), erreur.Module(), erreur.Ligne()), chemin_(chemin) {
    for (char& c : chemin_) {
      if (c == '\\') c = '/';
    }
  }

  const std::string& Chemin() const { return chemin_; }

 private:
  std::string chemin_;
};

#endif  // PAGEVET_CHECKER_ERREURPAGE_H_
