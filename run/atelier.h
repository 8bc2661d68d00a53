// The scheduler of a run's pages, on one thread or on several: workers run
// the page job, each filling one buffer per page, and one writer sends the
// buffers on in page order, so the output is the same whatever their number.
#ifndef PAGEVET_RUN_ATELIER_H_
#define PAGEVET_RUN_ATELIER_H_

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

#include "foundation/canal.h"
#include "run/sourcepages.h"
#include "run/travailpage.h"

// What became of a run of pages.
struct BilanPages {
  bool signalee = false;  // a page had something to report
  bool arretee = false;   // the stop flag ended the run before its last page
  // The workers that examined pages; 0 when the calling thread did.
  int travailleurs = 0;
  // Why a worker could not start (its thread, or its job), the first time
  // one could not; empty when every worker asked for started.
  std::string raisonDemarrage;
};

// Runs the job of fabrique on the pages of source, as they come, with
// `travailleurs` workers (1: on the calling thread alone, which then takes
// the pages from source itself) and writes their reports to sortie in page
// order, separateur between two pages that both wrote something.
//
// A worker whose thread or job cannot be made is done without: fewer
// workers, down to none, when the calling thread examines the pages itself.
//
// The first page to end with a fatal error (any exception, memory running
// out, a report that cannot be written) ends the run: the pages before it
// are written whole, then its own partial report, then its error is thrown
// again here; nothing of a later page is written. A report held in memory
// past 1 MiB, or that memory cannot hold, is written straight through once
// its turn comes, so memory stays bounded.
//
// Once *arret (when given) is not 0, no page is started and the writer
// stops before the next page: the output ends after a whole page.
//
// apresPage, when given, is called on the calling thread with each page's
// number once it is written (never for a page after a fatal error).
BilanPages traiterPages(SourcePages& source, const FabriqueTravail& fabrique, Canal& sortie,
                        const char* separateur, int travailleurs,
                        const std::atomic<int>* arret = nullptr,
                        const std::function<void(std::size_t)>& apresPage = {});

// The same on pages 0 to nombre - 1, whose paths are empty.
BilanPages traiterPages(std::size_t nombre, const FabriqueTravail& fabrique, Canal& sortie,
                        const char* separateur, int travailleurs,
                        const std::atomic<int>* arret = nullptr,
                        const std::function<void(std::size_t)>& apresPage = {});

#endif  // PAGEVET_RUN_ATELIER_H_
