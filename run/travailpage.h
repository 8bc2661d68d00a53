// TravailPage: the job the scheduler runs for each page, one per worker: it
// examines a page and writes its report to the channel it was made with.
#ifndef PAGEVET_RUN_TRAVAILPAGE_H_
#define PAGEVET_RUN_TRAVAILPAGE_H_

#include <cstddef>
#include <memory>
#include <string>

#include "foundation/canal.h"

class TravailPage {
 public:
  virtual ~TravailPage() = default;

  // Examines page numero, at chemin, and writes its whole report; gives
  // whether it had something to report. A fatal error is thrown.
  virtual bool Examine(std::size_t numero, const std::string& chemin) = 0;
};

// Makes the job of one worker, on the worker's own thread (so at the same
// time as others): its reports go to canal, which outlives the job.
class FabriqueTravail {
 public:
  virtual ~FabriqueTravail() = default;
  virtual std::unique_ptr<TravailPage> Nouveau(Canal& canal) const = 0;
};

#endif  // PAGEVET_RUN_TRAVAILPAGE_H_
