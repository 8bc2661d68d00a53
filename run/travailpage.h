// TravailPage: the job the scheduler runs for each page, one per worker: it
// examines a page and writes its report to the channel it was made with.
#ifndef PAGEVET_RUN_TRAVAILPAGE_H_
#define PAGEVET_RUN_TRAVAILPAGE_H_

#include <cstddef>
#include <memory>

#include "foundation/canal.h"

class TravailPage {
 public:
  virtual ~TravailPage() = default;

  // Examines page numero and writes its whole report; gives whether it had
  // something to report. A fatal error is thrown.
  virtual bool Examine(std::size_t numero) = 0;
};

// Makes the job of one worker, on the worker's own thread (so at the same
// time as others): its reports go to canal, which outlives the job.
class FabriqueTravail {
 public:
  virtual ~FabriqueTravail() = default;
  virtual std::unique_ptr<TravailPage> Nouveau(Canal& canal) const = 0;
  // Page numero's report is written, every page before it too: called in
  // page order on one thread, never for a page that ended the run.
  virtual void Ecrite(std::size_t /*numero*/) const {}
};

#endif  // PAGEVET_RUN_TRAVAILPAGE_H_
