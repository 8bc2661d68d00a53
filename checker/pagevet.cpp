#include "checker/pagevet.h"

#include <cstring>

#include "checker/examen.h"
#include "checker/nomsmeta.h"
#include "files/arguments.h"
#include "files/parrep.h"
#include "foundation/affichage.h"
#include "foundation/meserreur.h"
#include "foundation/vecteur.h"

namespace {

const char* const kAide[] = {
    "Usage: PAGEVET [<input files mask> * n] [/1 /d /?]\n",
    "Verify the meta-tags of HTML files (default name = index.htm)\n",
    "    /1 : Don't examine files in subdirectories\n",
    "    /d : Develop analysis of the text to find keywords\n",
    "    /s : Simply test the syntax of meta-tags\n",
    "    /? : Help\n",
    "\n",
};

bool optionDonnee(const String& options, char lettre) {
  return std::strchr(options.Texte(), lettre) != nullptr;
}

// Masks may be typed with '/' between directories, as Unix users do; the
// program's paths use '\'.
void normaliserMasques(Vecteur<String>& masques) {
  for (int i = 0; i < masques.Nombre(); ++i) {
    for (char* p = masques[i].Texte(); *p != '\0'; ++p) {
      if (*p == '/') *p = '\\';
    }
  }
}

void examinerTout(const Vecteur<String>& masques, bool sousRepertoires, bool developpe,
                  bool simple) {
  Vecteur<String> fichiers;
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  NomsMeta nomsMeta;
  const int nombre = parcours.rechercher(String(), masques, fichiers, true, sousRepertoires);
  fichiers.Trie(CompareString);
  // Two masks may match the same file: after the sort the copies are
  // neighbours, and each file is examined once.
  for (int i = 0; i < nombre; ++i) {
    if (i > 0 && fichiers[i] == fichiers[i - 1]) continue;
    examinerFichier(fichiers[i].Texte(), developpe, simple, nomsMeta);
  }
}

}  // namespace

int pagevet(int nbArgs, const char* const* args) {
  try {
    Arguments arguments(nbArgs, args, '/', false);
    Vecteur<String> masques;
    arguments.analyser(masques, true);
    const String& options = arguments.Options();
    if (optionDonnee(options, '?')) {
      for (const char* ligne : kAide) affichage.Affiche(ligne, false);
      return 0;
    }
    if (masques.Nombre() == 0) masques = Vecteur<String>(String("index.htm"));
    normaliserMasques(masques);
    examinerTout(masques, !optionDonnee(options, '1'), optionDonnee(options, 'D'),
                 optionDonnee(options, 'S'));
  } catch (const MesErreur& erreur) {
    // Printed in its base form, as every fatal error is.
    erreur.MesErreur::Affiche();
  }
  return 0;
}
