// The examination of a run's pages, on one thread or on several: workers
// fill one buffer per page, and one writer sends the buffers on in the
// order of the list, so the output is the same whatever their number.
#ifndef PAGEVET_RUN_EXAMENPAGES_H_
#define PAGEVET_RUN_EXAMENPAGES_H_

#include <bitset>
#include <vector>

#include "checker/optionsexamen.h"
#include "report/rapport.h"
#include "checker/constat.h"
#include "foundation/canal.h"

// Examines the pages at chemins, in that order, with `travailleurs` threads
// (1: on the calling thread alone), and writes their reports to sortie
// through rapport's page formatters. Gives whether a page had findings.
// The first page to end with a fatal error (MesErreur, memory running out,
// a report that cannot be written) ends the run: the pages before it are
// written whole, then its own partial report, then its error is thrown
// again here; nothing of a later page is written.
bool examinerPages(const std::vector<const char*>& chemins, const OptionsExamen& options,
                   const std::bitset<kNombreConstats>& ignores, const Rapport& rapport,
                   Canal& sortie, int travailleurs);

#endif  // PAGEVET_RUN_EXAMENPAGES_H_
