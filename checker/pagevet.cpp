#include "checker/pagevet.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "checker/examen.h"
#include "checker/nomsmeta.h"
#include "files/arguments.h"
#include "files/parrep.h"
#include "platform/plateforme.h"
#include "foundation/affichage.h"
#include "foundation/erreursortie.h"
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

void afficherAide() {
  for (const char* ligne : kAide) affichage.Affiche(ligne, false);
}

// One line on standard error; texte is already in the console's set.
void signaler(const std::string& texte) { std::fprintf(stderr, "pagevet: %s\n", texte.c_str()); }

bool optionDonnee(const String& options, char lettre) {
  return std::strchr(options.Texte(), lettre) != nullptr;
}

// The first of the GNU options "--help" and "--version" that stands, exact,
// anywhere on the command line, or null.
const char* optionLongue(int nbArgs, const char* const* args) {
  for (int i = 1; i < nbArgs; ++i) {
    if (std::strcmp(args[i], "--help") == 0 || std::strcmp(args[i], "--version") == 0) {
      return args[i];
    }
  }
  return nullptr;
}

// The masks as typed, for a message.
std::string listeMasques(const Vecteur<String>& masques) {
  std::string liste;
  for (int i = 0; i < masques.Nombre(); ++i) {
    if (i > 0) liste += ", ";
    liste += masques[i].Texte();
  }
  return liste;
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

// A directory of the walk as the host names it: "sub/locked", "." for the
// current one.
std::string nomRepertoire(const String& repertoire) {
  std::string nom = plateforme::cheminHote(repertoire.Texte());
  while (!nom.empty() && nom.back() == '/') nom.pop_back();
  return nom.empty() ? "." : nom;
}

int examinerTout(const Vecteur<String>& masques, const std::string& masquesTapes,
                 bool sousRepertoires, bool developpe, bool simple, JeuBalises balises) {
  Vecteur<String> fichiers;
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  NomsMeta nomsMeta;
  const int nombre = parcours.rechercher(String(), masques, fichiers, true, sousRepertoires);
  int statut = kStatutSucces;
  for (const RepertoireIllisible& illisible : parcours.repertoiresIllisibles()) {
    signaler("cannot open directory '" +
             affichage.ConvertitDansFormat(nomRepertoire(illisible.chemin).c_str()) +
             "': " + std::strerror(illisible.erreur));
    statut = kStatutEchec;
  }
  if (nombre == 0) {
    signaler("no file matches " + affichage.ConvertitDansFormat(masquesTapes.c_str()));
    return kStatutEchec;
  }
  fichiers.Trie(CompareString);
  // Two masks may match the same file: after the sort the copies are
  // neighbours, and each file is examined once.
  for (int i = 0; i < nombre; ++i) {
    if (i > 0 && fichiers[i] == fichiers[i - 1]) continue;
    if (examinerFichier(fichiers[i].Texte(), developpe, simple, nomsMeta, affichage, balises)) {
      statut = std::max(statut, kStatutSignale);
    }
  }
  return statut;
}

// Prints the fatal error in its two lines on standard output, and in one
// line on standard error unless both are the same open file (a terminal,
// or "2>&1"), where it would stand twice.
void afficherErreur(const MesErreur& erreur) {
  if (!plateforme::memeFichierOuvert(stdout, stderr)) {
    signaler(affichage.ConvertitDansFormat(erreur.Message()) + " (ligne " +
             std::to_string(erreur.Ligne()) + " de " + erreur.Module() + ")");
  }
  // Printed in its base form, as every fatal error is.
  erreur.MesErreur::Affiche();
}

int executer(int nbArgs, const char* const* args) {
  if (const char* option = optionLongue(nbArgs, args)) {
    if (std::strcmp(option, "--version") == 0) {
      affichage.Imprime("pagevet %s\n", PAGEVET_VERSION);
    } else {
      afficherAide();
    }
    return kStatutSucces;
  }
  // "--html5", anywhere, judges the pages by today's HTML; it is no mask.
  std::vector<const char*> restants(args, args + nbArgs);
  const auto fin = std::remove_if(restants.begin() + std::min(nbArgs, 1), restants.end(),
                                  [](const char* a) { return std::strcmp(a, "--html5") == 0; });
  const JeuBalises balises = fin != restants.end() ? JeuBalises::Html5 : JeuBalises::Html32;
  restants.erase(fin, restants.end());
  Arguments arguments(static_cast<int>(restants.size()), restants.data(), '/', false);
  Vecteur<String> masques;
  arguments.analyser(masques, true);
  const String& options = arguments.Options();
  if (optionDonnee(options, '?')) {
    afficherAide();
    return kStatutSucces;
  }
  try {
    if (masques.Nombre() == 0) masques = Vecteur<String>(String("index.htm"));
    const std::string masquesTapes = listeMasques(masques);
    normaliserMasques(masques);
    return examinerTout(masques, masquesTapes, !optionDonnee(options, '1'),
                        optionDonnee(options, 'D'), optionDonnee(options, 'S'), balises);
  } catch (const MesErreur& erreur) {
    afficherErreur(erreur);
    return kStatutEchec;
  }
}

}  // namespace

int pagevet(int nbArgs, const char* const* args) {
  // A report that cannot be written ends the run at once: there is no one
  // left to read the rest.
  try {
    if (const int code = plateforme::erreurFlux(stdout)) throw ErreurSortie(code);
    const int statut = executer(nbArgs, args);
    if (std::fflush(stdout) != 0) throw ErreurSortie(errno != 0 ? errno : EIO);
    return statut;
  } catch (const ErreurSortie& erreur) {
    signaler(std::string("cannot write to standard output: ") + erreur.what());
    return kStatutEchec;
  }
}
