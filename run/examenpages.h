// The page job of a run: each page examined, filtered and formatted on a
// worker, the reports written in the order of the paths by the scheduler.
#ifndef PAGEVET_RUN_EXAMENPAGES_H_
#define PAGEVET_RUN_EXAMENPAGES_H_

#include <atomic>
#include <bitset>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "checker/aideconstats.h"
#include "checker/constat.h"
#include "checker/optionsexamen.h"
#include "foundation/canal.h"
#include "report/rapport.h"
#include "run/atelier.h"
#include "run/bilanrun.h"
#include "run/collectesite.h"
#include "run/sourcepages.h"

// A page that failed under --keep-going.
struct EchecPage {
  std::size_t numero = 0;
  std::string chemin;  // as the source gave it
  std::string erreur;
};

// What a run of pages asks beside the pages and their report.
struct ConduitePages {
  int travailleurs = 1;
  Niveau seuil = Niveau::Note;          // a finding at seuil or above makes status 1
  const std::atomic<int>* arret = nullptr;  // once not 0, no further page starts
  // --keep-going: a page that cannot be opened or read, or that raises a
  // fatal error, ends alone: its report says so and *erreurs receives its
  // error, the failed pages in page order.
  std::vector<EchecPage>* erreurs = nullptr;
  CollecteSite* site = nullptr;  // where the pages' records go, for the site checks
  std::function<void()> apresPage;  // after each page written, on the calling thread
};

// Examines the pages of source, in the order it gives them, and writes their reports to
// sortie through rapport's page formatters, leaving out the ignored
// findings. Each page written is counted in bilan. BilanPages::signalee says
// whether a page had a finding at conduite.seuil or above. A fatal error
// ends the run, the page's path with it (ErreurPage), as traiterPages says.
BilanPages examinerPages(SourcePages& source, const OptionsExamen& options,
                         const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                         Canal& sortie, const ConduitePages& conduite, BilanRun& bilan);

#endif  // PAGEVET_RUN_EXAMENPAGES_H_
