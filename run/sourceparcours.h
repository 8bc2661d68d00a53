// SourceParcours: the pages of a run as the walk finds them, the walk going
// on only as far as the workers ask, so they start on the first page found.
#ifndef PAGEVET_RUN_SOURCEPARCOURS_H_
#define PAGEVET_RUN_SOURCEPARCOURS_H_

#include <atomic>
#include <string>

#include "files/parcoursunique.h"
#include "run/bilanrun.h"
#include "run/sourcepages.h"

class SourceParcours : public SourcePages {
 public:
  // Each page found is counted in bilan, which knows while the walk goes
  // on. parcours and bilan stay the caller's; parcours is only used under
  // the source's lock.
  SourceParcours(ParcoursUnique& parcours, BilanRun& bilan) : parcours_(parcours), bilan_(bilan) {
    bilan_.parcoursEnCours.store(true, std::memory_order_relaxed);
  }

  // Before the first Suivante, on one thread: walks up to the first page
  // and keeps it; false when the walk finds none.
  bool Amorce();

 protected:
  bool Prochaine(std::string& chemin) override;

 private:
  ParcoursUnique& parcours_;
  BilanRun& bilan_;
  std::string premiere_;
  bool gardee_ = false;  // premiere_ waits to be handed out
};

#endif  // PAGEVET_RUN_SOURCEPARCOURS_H_
