// The page job of a run: each page scanned, its findings filtered by
// --ignore and laid out by the report's format; and the examination of all
// the run's pages through the scheduler.
#ifndef PAGEVET_RUN_EXAMENPAGES_H_
#define PAGEVET_RUN_EXAMENPAGES_H_

#include <bitset>
#include <vector>

#include "checker/constat.h"
#include "checker/optionsexamen.h"
#include "foundation/canal.h"
#include "report/rapport.h"
#include "run/collectesite.h"

// Examines the pages at chemins, in that order, with `travailleurs` threads,
// and writes their reports to sortie through rapport's page formatters,
// leaving out the ignored findings. Gives whether a page had something to
// report. A fatal error ends the run as traiterPages says. site: where the
// pages' records go for the checks across the site, nullptr when they do
// not run.
bool examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                   const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                   Canal& sortie, int travailleurs, CollecteSite* site = nullptr);

#endif  // PAGEVET_RUN_EXAMENPAGES_H_
