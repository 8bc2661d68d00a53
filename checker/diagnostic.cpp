#include "checker/diagnostic.h"

#include <cstdio>

#include "foundation/affichage.h"

namespace {

const char* const kFormats[] = {
    "%4d, Incomplete tag : \n  ",
    "%4d, More than one tag : \n  ",
    "%4d, Incomplete title : \n  ",
    "%4d, Unknown format : \n  ",
    "%4d, <HEAD> section after <BODY> tag : \n  ",
    "%4d, No </HEAD> tag before <BODY> : \n  ",
    "%4d, Misplaced </HEAD> tag : \n  ",
    "%4d, Misplaced </BODY> tag : \n  ",
    "%4d, Missing quote(s) : \n  ",
    "%4d, Unknown tag (HTML 3.2) : \n  ",
    "%4d, http-equiv is empty : \n  ",
    "%4d, name is empty : \n  ",
    "%4d, content is empty : \n  ",
};

}  // namespace

void signalerAnomalie(int numeroLigne, const char* ligne, Anomalie code, bool& ligneSignalee) {
  std::printf(kFormats[code], numeroLigne);
  affichage.Affiche(ligne, false);
  ligneSignalee = true;
}

bool verifierTagsLigne(int numeroLigne, const char* ligne, bool derniereOuverte,
                       int nbOuvertes, int nbPermises, bool& ligneSignalee) {
  if (derniereOuverte) {
    signalerAnomalie(numeroLigne, ligne, kBaliseIncomplete, ligneSignalee);
    return false;
  }
  if (nbOuvertes > nbPermises) {
    signalerAnomalie(numeroLigne, ligne, kPlusieursBalises, ligneSignalee);
    return false;
  }
  return true;
}
