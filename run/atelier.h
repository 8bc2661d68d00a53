// The scheduler of a run's pages, on one thread or on several: workers run
// the page job, each filling one buffer per page, and one writer sends the
// buffers on in page order, so the output is the same whatever their number.
#ifndef PAGEVET_RUN_ATELIER_H_
#define PAGEVET_RUN_ATELIER_H_

#include <cstddef>

#include "foundation/canal.h"
#include "run/travailpage.h"

// Runs the job of fabrique on pages 0 to nombre - 1 with `travailleurs`
// threads (1: on the calling thread alone) and writes their reports to
// sortie in page order, separateur between two pages that both wrote
// something. Gives whether a page had something to report. The first page
// to end with a fatal error (any exception, memory running out, a report
// that cannot be written) ends the run: the pages before it are written
// whole, then its own partial report, then its error is thrown again here;
// nothing of a later page is written. The factory hears of each page once
// its report is written, in page order, on the calling thread. A report
// held in memory past 1 MiB is written straight through once its turn
// comes, so memory stays bounded.
bool traiterPages(std::size_t nombre, const FabriqueTravail& fabrique, Canal& sortie,
                  const char* separateur, int travailleurs);

#endif  // PAGEVET_RUN_ATELIER_H_
