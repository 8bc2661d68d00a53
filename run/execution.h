// Execution: the run as one value, read and checked once from both parsers
// of the command line: the design's "/x" letters and masks, and the long
// options. The driver only reads it.
#ifndef PAGEVET_RUN_EXECUTION_H_
#define PAGEVET_RUN_EXECUTION_H_

#include <bitset>
#include <string>
#include <vector>

#include "checker/constat.h"
#include "checker/optionsexamen.h"
#include "report/formatrapport.h"

struct Execution {
  enum class Action {
    Examiner,    // examine the pages
    Aide,        // "--help": the design's lines and the long options'
    AideCourte,  // "/?": the design's lines alone
    Version,     // "--version"
  };

  Action action = Action::Examiner;
  // The masks as typed, those after "--" last; the default mask when none
  // was given.
  std::vector<std::string> masques;
  bool sousRepertoires = true;  // not "/1"
  OptionsExamen examen;         // "/d", "/s" (yielding to "/d"), "--html5"
  FormatRapport format = FormatRapport::Texte;
  std::bitset<kNombreConstats> ignores;  // "--ignore"
  int travailleurs = 1;                  // "--jobs", else one per processor
  bool liensSortants = false;            // "--follow-outside-links"
  // The checks across the site run (with --modern), and "--site-url" for
  // those that need it (empty: not given).
  bool site = false;
  std::string siteUrl;
};

// The mask examined when none is given.
inline constexpr char kMasqueParDefaut[] = "index.htm";

// Reads the command line args (entry 0 the program's name) into execution.
// Gives false on a bad long option, with the reason in erreur.
bool lireExecution(int nbArgs, const char* const* args, Execution& execution,
                   std::string& erreur);

#endif  // PAGEVET_RUN_EXECUTION_H_
