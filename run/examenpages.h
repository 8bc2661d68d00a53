// The page job of a run: each page scanned, its findings filtered by
// --ignore and laid out by the report's format; and the examination of all
// the run's pages through the scheduler.
#ifndef PAGEVET_RUN_EXAMENPAGES_H_
#define PAGEVET_RUN_EXAMENPAGES_H_

#include <atomic>
#include <bitset>
#include <string>
#include <vector>

#include "checker/constat.h"
#include "checker/optionsexamen.h"
#include "foundation/canal.h"
#include "report/rapport.h"
#include "run/atelier.h"

// Examines the pages at chemins, in that order, with `travailleurs` threads,
// and writes their reports to sortie through rapport's page formatters,
// leaving out the ignored findings; stops between pages once *arret is not
// 0. A fatal error ends the run, the page's path with it (ErreurPage), and
// the result tells what became of the rest, as traiterPages says. With
// erreurs (--keep-going) a page that cannot be opened or read, or that
// raises a fatal error, ends alone: its report says so and (*erreurs)[i]
// receives the error of page i, "" for a page without.
BilanPages examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                         const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                         Canal& sortie, int travailleurs, const std::atomic<int>* arret,
                         std::vector<std::string>* erreurs = nullptr);

#endif  // PAGEVET_RUN_EXAMENPAGES_H_
