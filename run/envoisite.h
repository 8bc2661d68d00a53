// EnvoiSite: the site judge's findings, past --ignore, handed to the report
// page by page after the last page's report.
#ifndef PAGEVET_RUN_ENVOISITE_H_
#define PAGEVET_RUN_ENVOISITE_H_

#include <bitset>
#include <string>
#include <vector>

#include "checker/constat.h"
#include "checker/jugesite.h"
#include "report/rapport.h"
#include "run/bilanrun.h"

// Sends juge's findings to rapport, leaving out the ignored ones, and counts
// them in bilan as the pages' are counted; gives whether one at seuil or
// above was sent.
bool envoyerSite(JugeSite& juge, const std::bitset<kNombreConstats>& ignores, Niveau seuil,
                 Rapport& rapport, BilanRun& bilan);

#endif  // PAGEVET_RUN_ENVOISITE_H_
