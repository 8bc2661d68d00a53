// OptionsExamen: how the scan judges a page, one value for the whole run.
#ifndef PAGEVET_CHECKER_OPTIONSEXAMEN_H_
#define PAGEVET_CHECKER_OPTIONSEXAMEN_H_

#include "html/jeubalises.h"

struct OptionsExamen {
  bool developpe = false;  // "/d": keyword analysis
  bool simple = false;     // "/s": syntax only (never with "/d")
  JeuBalises balises = JeuBalises::Html32;  // "--html5": today's tags and meta tags
  bool moderne = false;       // "--modern": pages read as today's HTML parser reads them
  int titreMax = 60;          // "--title-max": the longest title --modern lets pass
  int descriptionMax = 160;   // "--description-max": the longest description
};

#endif  // PAGEVET_CHECKER_OPTIONSEXAMEN_H_
