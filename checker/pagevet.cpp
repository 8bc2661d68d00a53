#include "checker/pagevet.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "checker/examenpages.h"
#include "checker/lignecommande.h"
#include "checker/nomsmeta.h"
#include "checker/optionsexamen.h"
#include "checker/rapport.h"
#include "checker/rapportgnu.h"
#include "checker/rapportjson.h"
#include "checker/rapportsarif.h"
#include "checker/rapporttexte.h"
#include "files/arguments.h"
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

bool optionDonnee(const String& options, char lettre) {
  return std::strchr(options.Texte(), lettre) != nullptr;
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
                 bool sousRepertoires, bool liensSortants, const OptionsExamen& options,
                 Rapport& rapport, Canal& sortie, int travailleurs) {
  Vecteur<String> fichiers;
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  if (!liensSortants) parcours.limiterLiens(plateforme::repertoireCourant());
  const int nombre = parcours.rechercher(String(), masques, fichiers, true, sousRepertoires);
  int statut = kStatutSucces;
  for (const RepertoireIllisible& illisible : parcours.repertoiresIllisibles()) {
    rapport.Erreur((illisible.entree ? "cannot look at '" : "cannot open directory '") +
                   nomRepertoire(illisible.chemin) + "': " + std::strerror(illisible.erreur));
    statut = kStatutEchec;
  }
  if (nombre == 0) {
    rapport.Erreur("no file matches " + masquesTapes);
    return kStatutEchec;
  }
  fichiers.Trie(CompareString);
  // Two masks may match the same file: after the sort the copies are
  // neighbours, and each file is examined once.
  std::vector<const char*> chemins;
  for (int i = 0; i < nombre; ++i) {
    if (i == 0 || !(fichiers[i] == fichiers[i - 1])) chemins.push_back(fichiers[i].Texte());
  }
  if (examinerPages(chemins, options, rapport, sortie, travailleurs)) {
    statut = std::max(statut, kStatutSignale);
  }
  return statut;
}

std::unique_ptr<Rapport> creerRapport(FormatRapport format, JeuBalises balises, Canal& sortie) {
  const Affichage::Sortie console = Affichage::SortieConsole();
  switch (format) {
    case FormatRapport::Gnu:
      return std::make_unique<RapportGnu>(console, sortie, stderr, balises);
    case FormatRapport::Json:
      return std::make_unique<RapportJson>(console, sortie, stderr, balises);
    case FormatRapport::Sarif:
      return std::make_unique<RapportSarif>(console, sortie, stderr,
                                            plateforme::repertoireCourant(), balises);
    case FormatRapport::Texte:
      break;
  }
  return std::make_unique<RapportTexte>(console, sortie, stderr,
                                        !plateforme::memeFichierOuvert(stdout, stderr), balises);
}

int executer(int nbArgs, const char* const* args) {
  LigneCommande ligne;
  std::string erreur;
  if (!ligne.Analyse(nbArgs, args, erreur)) {
    std::fprintf(stderr, "pagevet: %s\nTry 'pagevet --help' for more information.\n",
                 affichage.ConvertitDansFormat(erreur.c_str()).c_str());
    return kStatutEchec;
  }
  if (ligne.Version()) {
    affichage.Imprime("pagevet %s\n", PAGEVET_VERSION);
    return kStatutSucces;
  }
  if (ligne.Aide()) {
    afficherAide(true);
    return kStatutSucces;
  }
  const std::vector<const char*>& classiques = ligne.Classiques();
  Arguments arguments(static_cast<int>(classiques.size()), classiques.data(), '/', false);
  Vecteur<String> masques;
  arguments.analyser(masques, true);
  const String& lettres = arguments.Options();
  if (optionDonnee(lettres, '?')) {
    afficherAide(false);
    return kStatutSucces;
  }
  // The masks after "--" follow the others.
  const std::vector<const char*>& apres = ligne.MasquesApres();
  const int32_t avant = masques.Nombre();
  masques.Redimensionne(avant + static_cast<int32_t>(apres.size()));
  for (std::size_t i = 0; i < apres.size(); ++i) masques[avant + static_cast<int32_t>(i)] = apres[i];

  OptionsExamen options;
  options.developpe = optionDonnee(lettres, 'D');
  options.simple = optionDonnee(lettres, 'S');
  options.balises = ligne.Html5() ? JeuBalises::Html5 : JeuBalises::Html32;
  options.ignores = ligne.Ignores();
  CanalFichier sortie(stdout);
  const std::unique_ptr<Rapport> rapport = creerRapport(ligne.Format(), options.balises, sortie);
  rapport->Debut();
  int statut = kStatutEchec;
  try {
    if (masques.Nombre() == 0) masques = Vecteur<String>(String("index.htm"));
    const std::string masquesTapes = listeMasques(masques);
    normaliserMasques(masques);
    int travailleurs =
        ligne.Travailleurs() > 0 ? ligne.Travailleurs() : plateforme::nombreProcesseurs();
    // A worker holds up to two descriptors at once (a long path is opened a
    // piece at a time); fewer workers than asked rather than pages refused.
    const int libres = plateforme::descripteursLibres(2 * travailleurs + 2);
    travailleurs = std::max(1, std::min(travailleurs, (libres - 2) / 2));
    statut = examinerTout(masques, masquesTapes, !optionDonnee(lettres, '1'),
                          ligne.LiensSortants(), options, *rapport, sortie, travailleurs);
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
