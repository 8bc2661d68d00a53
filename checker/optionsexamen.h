// OptionsExamen: how the scan judges a page and which findings it reports,
// one value for the whole run.
#ifndef PAGEVET_CHECKER_OPTIONSEXAMEN_H_
#define PAGEVET_CHECKER_OPTIONSEXAMEN_H_

#include <bitset>

#include "checker/constat.h"

struct OptionsExamen {
  bool developpe = false;  // "/d": keyword analysis
  bool simple = false;     // "/s": syntax only (never with "/d")
  JeuBalises balises = JeuBalises::Html32;  // "--html5": today's tags and meta tags
  // Findings left out of the report, whatever its format; they still steer
  // the checks, as a finding that was reported would.
  std::bitset<kNombreConstats> ignores;

  bool Ignore(Constat constat) const { return ignores[constat]; }
};

#endif  // PAGEVET_CHECKER_OPTIONSEXAMEN_H_
