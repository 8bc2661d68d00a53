#include "checker/diagnostic.h"

#include <iterator>

namespace {

// Indexed by Anomalie.
const char* const kMessages[] = {
    "Incomplete tag",
    "More than one tag",
    "Incomplete title",
    "Unknown format",
    "<HEAD> section after <BODY> tag",
    "No </HEAD> tag before <BODY>",
    "Misplaced </HEAD> tag",
    "Misplaced </BODY> tag",
    "Missing quote(s)",
    "Unknown tag (HTML 3.2)",
    "http-equiv is empty",
    "name is empty",
    "content is empty",
    "property is empty",
    "charset is empty",
};
static_assert(std::size(kMessages) == kNombreAnomalies, "one message per diagnostic");

const char* message(const EtatFichier& etat, Anomalie code) {
  if (code == kBaliseInconnue && etat.balises == JeuBalises::Html5) return "Unknown tag (HTML5)";
  return kMessages[code];
}

}  // namespace

void signalerAnomalie(EtatFichier& etat, Anomalie code) {
  // The line number right-aligned in four columns, then the message; the
  // echoed line comes under it, indented by two spaces.
  etat.sortie.Imprime("%4d, %s : \n  ", etat.numeroLigne, message(etat, code));
  etat.sortie.Affiche(etat.ligne, false, etat.jeu);
  etat.ligneSignalee = true;
}

bool verifierTagsLigne(EtatFichier& etat, bool derniereOuverte, int nbOuvertes, int nbPermises) {
  if (derniereOuverte) {
    signalerAnomalie(etat, kBaliseIncomplete);
    return false;
  }
  if (nbOuvertes > nbPermises) {
    signalerAnomalie(etat, kPlusieursBalises);
    return false;
  }
  return true;
}
