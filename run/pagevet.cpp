#include "run/pagevet.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "checker/adressesite.h"
#include "checker/jugesite.h"
#include "run/collectesite.h"
#include "run/envoisite.h"
#include "run/examenpages.h"
#include "run/execution.h"
#include "run/lignecommande.h"
#include "report/formatrapport.h"
#include "report/rapport.h"
#include "files/parrep.h"
#include "foundation/affichage.h"
#include "foundation/erreursortie.h"
#include "foundation/meserreur.h"
#include "foundation/vecteur.h"
#include "platform/plateforme.h"

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

// The seven lines of "/?"; with longues, then a line per long option.
void afficherAide(bool longues) {
  for (const char* ligne : kAide) affichage.Affiche(ligne, false);
  if (!longues) return;
  for (int i = 0; i < kNombreLignesAideLongue; ++i) affichage.Affiche(kAideOptionsLongues[i], false);
}

// The masks as typed, for a message.
std::string listeMasques(const std::vector<std::string>& masques) {
  std::string liste;
  for (std::size_t i = 0; i < masques.size(); ++i) {
    if (i > 0) liste += ", ";
    liste += masques[i];
  }
  return liste;
}

// Masks may be typed with '/' between directories, as Unix users do; the
// program's paths use '\\'.
Vecteur<String> masquesDuProgramme(const std::vector<std::string>& tapes) {
  Vecteur<String> masques(static_cast<int32_t>(tapes.size()));
  for (std::size_t i = 0; i < tapes.size(); ++i) {
    String& masque = masques[static_cast<int32_t>(i)];
    masque = tapes[i].c_str();
    for (char* p = masque.Texte(); *p != '\0'; ++p) {
      if (*p == '/') *p = '\\';
    }
  }
  return masques;
}

// A directory of the walk as the host names it: "sub/locked", "." for the
// current one.
std::string nomRepertoire(const String& repertoire) {
  std::string nom = plateforme::cheminHote(repertoire.Texte());
  while (!nom.empty() && nom.back() == '/') nom.pop_back();
  return nom.empty() ? "." : nom;
}

// Every regular file under the walk's start, examined or not, for the
// judge: a canonical URL may name any of them. The walk's own errors were
// reported by the walk of the pages.
void listerFichiers(const Execution& execution, JugeSite& juge) {
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  if (!execution.liensSortants) parcours.limiterLiens(plateforme::repertoireCourant());
  Vecteur<String> tous;
  Vecteur<String> masques(1);
  masques[0] = "*.*";
  const int nombre = parcours.rechercher(String(), masques, tous, true, true);
  for (int i = 0; i < nombre; ++i) juge.AjouteFichier(tous[i].Texte());
}

int examinerTout(const Execution& execution, Rapport& rapport, Canal& sortie) {
  const Vecteur<String> masques = masquesDuProgramme(execution.masques);
  Vecteur<String> fichiers;
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  if (!execution.liensSortants) parcours.limiterLiens(plateforme::repertoireCourant());
  const int nombre =
      parcours.rechercher(String(), masques, fichiers, true, execution.sousRepertoires);
  int statut = kStatutSucces;
  for (const RepertoireIllisible& illisible : parcours.repertoiresIllisibles()) {
    rapport.Erreur((illisible.entree ? "cannot look at '" : "cannot open directory '") +
                   nomRepertoire(illisible.chemin) + "': " + std::strerror(illisible.erreur));
    statut = kStatutEchec;
  }
  if (nombre == 0) {
    rapport.Erreur("no file matches " + listeMasques(execution.masques));
    return kStatutEchec;
  }
  fichiers.Trie(CompareString);
  // Two masks may match the same file: after the sort the copies are
  // neighbours, and each file is examined once.
  std::vector<const char*> chemins;
  for (int i = 0; i < nombre; ++i) {
    if (i == 0 || !(fichiers[i] == fichiers[i - 1])) chemins.push_back(fichiers[i].Texte());
  }
  // A worker holds up to two descriptors at once (a long path is opened a
  // piece at a time): fewer workers than asked rather than pages refused.
  const int libres = plateforme::descripteursLibres(2 * execution.travailleurs + 2);
  const int travailleurs = std::max(1, std::min(execution.travailleurs, (libres - 2) / 2));
  // The checks across the site: each page's record goes to the judge, which
  // reports once every page was read.
  std::unique_ptr<JugeSite> juge;
  std::unique_ptr<CollecteSite> collecte;
  if (execution.site) {
    juge = std::make_unique<JugeSite>(AdresseSite(execution.siteUrl));
    if (!execution.siteUrl.empty()) listerFichiers(execution, *juge);
    collecte = std::make_unique<CollecteSite>(*juge);
  }
  if (examinerPages(chemins, execution.examen, execution.ignores, rapport, sortie,
                    travailleurs, collecte.get())) {
    statut = std::max(statut, kStatutSignale);
  }
  if (juge != nullptr && envoyerSite(*juge, execution.ignores, rapport)) {
    statut = std::max(statut, kStatutSignale);
  }
  return statut;
}

int executer(int nbArgs, const char* const* args) {
  Execution execution;
  std::string erreur;
  if (!lireExecution(nbArgs, args, execution, erreur)) {
    std::fprintf(stderr, "pagevet: %s\nTry 'pagevet --help' for more information.\n",
                 affichage.ConvertitDansFormat(erreur.c_str()).c_str());
    return kStatutEchec;
  }
  switch (execution.action) {
    case Execution::Action::Version:
      affichage.Imprime("pagevet %s\n", PAGEVET_VERSION);
      return kStatutSucces;
    case Execution::Action::Aide:
    case Execution::Action::AideCourte:
      afficherAide(execution.action == Execution::Action::Aide);
      return kStatutSucces;
    case Execution::Action::Examiner:
      break;
  }
  CanalFichier sortie(stdout);
  const std::unique_ptr<Rapport> rapport =
      creerRapport(execution.format, execution.examen.balises, sortie, execution.site);
  rapport->Debut();
  int statut = kStatutEchec;
  try {
    statut = examinerTout(execution, *rapport, sortie);
  } catch (const MesErreur& erreurFatale) {
    rapport->ErreurFatale(erreurFatale);
    statut = kStatutEchec;
  } catch (const std::bad_alloc&) {
    rapport->Erreur("out of memory");
    statut = kStatutEchec;
  }
  rapport->Fin(statut);
  return statut;
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
    std::fprintf(stderr, "pagevet: cannot write to standard output: %s\n", erreur.what());
    return kStatutEchec;
  }
}
