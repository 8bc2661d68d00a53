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
#include "run/progression.h"
#include "run/sourceparcours.h"
#include "report/formatrapport.h"
#include "report/rapport.h"
#include "files/exclusions.h"
#include "files/listefichiers.h"
#include "files/parcoursunique.h"
#include "files/parrep.h"
#include "foundation/affichage.h"
#include "foundation/erreursortie.h"
#include "foundation/meserreur.h"
#include "foundation/vecteur.h"
#include "platform/arretsignal.h"
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

// The same as strings.
std::vector<std::string> nomsMasques(const Execution& execution) {
  const Vecteur<String> masques = masquesDuProgramme(execution.masques);
  std::vector<std::string> noms;
  for (int32_t m = 0; m < masques.Nombre(); ++m) noms.emplace_back(masques[m].Texte());
  return noms;
}

// A directory of the walk as the host names it: "sub/locked", "." for the
// current one.
std::string nomRepertoire(const String& repertoire) {
  std::string nom = plateforme::cheminHote(repertoire.Texte());
  while (!nom.empty() && nom.back() == '/') nom.pop_back();
  return nom.empty() ? "." : nom;
}

// --files, --files-from: the paths as written, in byte order, each once,
// those --exclude leaves out aside; a path that cannot be opened is an error
// of the run, as a directory the walk cannot read. Gives the program's
// paths ('\\' between directories) in chemins; false when a list could not
// be read.
bool fichiersDonnes(const Execution& execution, const Exclusions& exclusions, Rapport& rapport,
                    std::vector<String>& chemins, int& statut) {
  std::vector<std::string> donnes = execution.fichiers;
  if (!execution.listeFichiers.empty()) {
    std::string erreur;
    if (!lireListe(execution.listeFichiers, execution.nul, stdin, donnes, erreur)) {
      rapport.Erreur(erreur);
      statut = kStatutEchec;
      return false;
    }
  }
  std::sort(donnes.begin(), donnes.end());
  donnes.erase(std::unique(donnes.begin(), donnes.end()), donnes.end());
  const std::string courant = plateforme::repertoireCourant();
  for (const std::string& chemin : donnes) {
    if (!exclusions.Vide() && exclusions.FichierExclu(Exclusions::RelatifA(chemin, courant))) continue;
    // Opened as a page is opened: a FIFO or a device is refused at once
    // rather than waited on.
    std::FILE* const flux = plateforme::ouvrirFlux(chemin.c_str(), "r");
    if (flux == nullptr) {
      rapport.Erreur("cannot open '" + chemin + "': " + std::strerror(errno));
      statut = kStatutEchec;
      continue;
    }
    std::fclose(flux);
    std::string programme = chemin;
    std::replace(programme.begin(), programme.end(), '/', '\\');
    chemins.emplace_back(programme.c_str());
  }
  return true;
}

// Every regular file under the walk's start, examined or not, for the
// judge: a canonical URL may name any of them. The walk's own errors were
// reported by the walk of the pages. Only where that walk could not note
// them: --files, and masks with a directory part.
void listerFichiers(const Execution& execution, JugeSite& juge) {
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  if (!execution.liensSortants) parcours.limiterLiens(plateforme::repertoireCourant());
  Vecteur<String> tous;
  Vecteur<String> masques(1);
  masques[0] = "*.*";
  const int nombre = parcours.rechercher(String(), masques, tous, true, true);
  for (int i = 0; i < nombre; ++i) juge.AjouteFichier(tous[i].Texte());
}

// The walk's errors, and that no file matched when none did (false).
bool rapporterParcours(const Execution& execution, const std::vector<RepertoireIllisible>& illisibles,
                       bool trouves, Rapport& rapport, int& statut) {
  for (const RepertoireIllisible& illisible : illisibles) {
    rapport.Erreur((illisible.entree ? "cannot look at '" : "cannot open directory '") +
                   nomRepertoire(illisible.chemin) + "': " + std::strerror(illisible.erreur));
    statut = kStatutEchec;
  }
  if (!trouves) {
    rapport.Erreur("no file matches " + listeMasques(execution.masques));
    statut = kStatutEchec;
    return false;
  }
  return true;
}

// The walk that lists each directory once, set up for the run; nullptr
// for masks with a directory part, which it does not walk.
std::unique_ptr<ParcoursUnique> parcoursUnique(const Execution& execution,
                                               const Exclusions& exclusions) {
  const std::vector<std::string> masques = nomsMasques(execution);
  if (!ParcoursUnique::Accepte(masques)) return nullptr;
  auto parcours = std::make_unique<ParcoursUnique>(masques, execution.sousRepertoires);
  if (!execution.liensSortants) parcours->limiterLiens(plateforme::repertoireCourant());
  if (!exclusions.Vide()) parcours->exclure(&exclusions);
  parcours->arreter(&plateforme::signalArret());
  return parcours;
}

// The walk that hands the pages out as it finds them, when the masks and
// the run allow it (see examinerTout); nullptr when they do not.
std::unique_ptr<ParcoursUnique> parcoursEnCours(const Execution& execution,
                                            const Exclusions& exclusions,
                                            const std::vector<std::string>* site) {
  if (execution.fichiersSeuls || site != nullptr) return nullptr;
  // The walk's errors are known only once it ends, and they come before the
  // pages: where a reader sees both on one stream (jsonl's records, or
  // standard error sent where the report goes, other than a terminal), the
  // walk ends first, so that those bytes are what they always were.
  if (execution.format == FormatRapport::Jsonl ||
      (plateforme::memeFichierOuvert(stdout, stderr) && !plateforme::estTerminal(stdout))) {
    return nullptr;
  }
  return parcoursUnique(execution, exclusions);
}

// The masks' files, walked, sorted, each once.
// With site, the walk also notes there every regular file under its start
// for the site judge, when it can (site is then left set, else reset).
bool fichiersTrouves(const Execution& execution, const Exclusions& exclusions, Rapport& rapport,
                     std::vector<String>& chemins, int& statut,
                     std::vector<std::string>*& site) {
  if (const std::unique_ptr<ParcoursUnique> parcours = parcoursUnique(execution, exclusions)) {
    parcours->noterFichiers(site);
    for (std::string chemin; parcours->Suivante(chemin);) chemins.emplace_back(chemin.c_str());
    if (plateforme::signalArret().load() != 0) return false;
    return rapporterParcours(execution, parcours->Illisibles(), !chemins.empty(), rapport, statut);
  }
  // Masks with a directory part: the walk that lists a directory for each.
  site = nullptr;
  const Vecteur<String> masques = masquesDuProgramme(execution.masques);
  Vecteur<String> fichiers;
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  if (!execution.liensSortants) parcours.limiterLiens(plateforme::repertoireCourant());
  if (!exclusions.Vide()) parcours.exclure(&exclusions);
  const int nombre =
      parcours.rechercher(String(), masques, fichiers, true, execution.sousRepertoires);
  // Stopped during the walk: no page is examined.
  if (plateforme::signalArret().load() != 0) return false;
  if (!rapporterParcours(execution, parcours.repertoiresIllisibles(), nombre > 0, rapport,
                         statut)) {
    return false;
  }
  fichiers.Trie(CompareString);
  // Two masks may match the same file: after the sort the copies are
  // neighbours, and each file is examined once.
  for (int i = 0; i < nombre; ++i) {
    if (i == 0 || !(fichiers[i] == fichiers[i - 1])) chemins.push_back(fichiers[i]);
  }
  return true;
}

int examinerTout(const Execution& execution, Rapport& rapport, Canal& sortie, BilanRun& bilan,
                 Progression& progression) {
  Exclusions exclusions;
  for (const std::string& motif : execution.exclusions) exclusions.Ajoute(motif);
  std::vector<String> fichiers;
  int statut = kStatutSucces;
  // The files a canonical URL may name, noted by the walk of the pages.
  std::vector<std::string> fichiersSite;
  std::vector<std::string>* site =
      execution.site && !execution.siteUrl.empty() && !execution.fichiersSeuls ? &fichiersSite
                                                                                : nullptr;
  // The pages: as the walk finds them, while the workers examine those
  // found; or a list made first (--files, masks with a directory part, and
  // --site-url, whose judge needs every file of the tree before the first
  // page).
  std::unique_ptr<ParcoursUnique> parcours = parcoursEnCours(execution, exclusions, site);
  std::unique_ptr<SourcePages> source;
  std::vector<const char*> chemins;
  if (parcours != nullptr) {
    auto enCours = std::make_unique<SourceParcours>(*parcours, bilan);
    const bool premiere = enCours->Amorce();
    // Stopped during the walk: no page is examined.
    if (plateforme::signalArret().load() != 0) return statut;
    if (!premiere) {
      rapporterParcours(execution, parcours->Illisibles(), false, rapport, statut);
      return statut;
    }
    source = std::move(enCours);
  } else {
    const bool trouves =
        execution.fichiersSeuls
            ? fichiersDonnes(execution, exclusions, rapport, fichiers, statut)
            : fichiersTrouves(execution, exclusions, rapport, fichiers, statut, site);
    if (!trouves) return statut;
    chemins.reserve(fichiers.size());
    for (const String& fichier : fichiers) chemins.push_back(fichier.Texte());
    bilan.pagesTrouvees.store(static_cast<long>(chemins.size()), std::memory_order_relaxed);
    source = std::make_unique<SourceListe>(chemins);
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
    if (site != nullptr) {
      for (const std::string& fichier : fichiersSite) juge->AjouteFichier(fichier);
      std::vector<std::string>().swap(fichiersSite);
    } else if (!execution.siteUrl.empty()) {
      listerFichiers(execution, *juge);
    }
    collecte = std::make_unique<CollecteSite>(*juge);
  }
  std::vector<EchecPage> erreurs;
  ConduitePages conduite;
  conduite.site = collecte.get();
  conduite.travailleurs = travailleurs;
  conduite.seuil = execution.niveauEchec;
  conduite.arret = &plateforme::signalArret();
  conduite.erreurs = execution.continuer ? &erreurs : nullptr;
  conduite.apresPage = [&progression] { progression.Avance(); };
  // The walk's errors come after its pages (the documents gather errors
  // at their end) and before any other error of the run.
  const auto erreursParcours = [&] {
    if (parcours != nullptr) rapporterParcours(execution, parcours->Illisibles(), true, rapport, statut);
  };
  BilanPages pages;
  try {
    pages = examinerPages(*source, execution.examen, execution.ignores, rapport, sortie, conduite,
                          bilan);
  } catch (...) {
    erreursParcours();
    throw;
  }
  erreursParcours();
  source->Relance();
  // Fewer workers than asked change nothing but the time the run takes;
  // none at all is worth a word.
  if (pages.travailleurs == 0 && !pages.raisonDemarrage.empty()) {
    std::fflush(stdout);
    std::fprintf(stderr, "pagevet: cannot start a worker thread (%s): one page at a time\n",
                 pages.raisonDemarrage.c_str());
  }
  if (pages.signalee) statut = std::max(statut, kStatutSignale);
  // A run stopped part-way read no whole site.
  if (juge != nullptr && !pages.arretee && envoyerSite(*juge, execution.ignores, execution.niveauEchec, rapport, bilan)) {
    statut = std::max(statut, kStatutSignale);
  }
  // --keep-going: the pages that failed, in report order.
  for (const EchecPage& echec : erreurs) {
    rapport.ErreurPage(plateforme::cheminHote(echec.chemin.c_str()), echec.erreur);
    statut = kStatutEchec;
  }
  return statut;
}

int executer(int nbArgs, const char* const* args) {
  Execution execution;
  std::string erreur;
  bool erreurFichier = false;
  if (!lireExecution(nbArgs, args, execution, erreur, erreurFichier)) {
    if (erreurFichier) {
      std::fprintf(stderr, "pagevet: %s\n", affichage.ConvertitDansFormat(erreur.c_str()).c_str());
      return kStatutEchec;
    }
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
    case Execution::Action::Configuration:
      if (!execution.texteConfiguration.empty() &&
          std::fwrite(execution.texteConfiguration.data(), execution.texteConfiguration.size(), 1,
                      stdout) != 1) {
        throw ErreurSortie(errno != 0 ? errno : EIO);
      }
      return kStatutSucces;
    case Execution::Action::Examiner:
      break;
  }
  // SIGINT and SIGTERM now stop the run between pages, and the document is
  // ended rather than cut.
  plateforme::installerArret();
  CanalFichier sortie(stdout);
  const std::unique_ptr<Rapport> rapport =
      creerRapport(execution.format, execution.examen.balises, sortie, execution.examen.moderne,
                   execution.site);
  rapport->Debut();
  // The progress line and the closing count go to standard error only, and
  // only to a terminal unless --summary asks for the count. The progress
  // line is left out where the report itself goes to that terminal: the
  // two would share its last row.
  const bool terminal = plateforme::estTerminal(stderr);
  const bool progres = terminal && !plateforme::memeFichierOuvert(stdout, stderr);
  BilanRun bilan;
  Progression progression(progres ? stderr : nullptr, bilan);
  int statut = kStatutEchec;
  try {
    statut = examinerTout(execution, *rapport, sortie, bilan, progression);
  } catch (const MesErreur& erreurFatale) {
    progression.Efface();
    rapport->ErreurFatale(erreurFatale);
    statut = kStatutEchec;
  } catch (const std::bad_alloc&) {
    progression.Efface();
    rapport->Erreur("out of memory");
    statut = kStatutEchec;
  }
  progression.Efface();
  if (const int signal = plateforme::signalArret().load()) {
    rapport->Erreur("interrupted");
    statut = plateforme::statutArret(signal);
  }
  rapport->Totaux(bilan.pagesExaminees.load(), bilan.Constats());
  rapport->Fin(statut);
  if (terminal || execution.bilan) {
    std::fprintf(stderr, "pagevet: %s\n", texteBilan(bilan).c_str());
  }
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
