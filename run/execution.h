// Execution: the run as one value, read and checked once from both parsers
// of the command line: the classic "/x" letters and masks, and the long
// options. The driver only reads it.
#ifndef PAGEVET_RUN_EXECUTION_H_
#define PAGEVET_RUN_EXECUTION_H_

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checker/aideconstats.h"
#include "checker/constat.h"
#include "checker/optionsexamen.h"
#include "report/formatrapport.h"

struct Execution {
  enum class Action {
    Examiner,    // examine the pages
    Aide,        // "--help": the classic lines and the long options'
    AideCourte,  // "/?": the classic lines alone
    Version,     // "--version"
    Configuration,  // "--show-config": the options in effect, nothing examined
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

  // "--files", "--files-from": exactly these files, no walk. fichiers holds
  // the paths as written (from the arguments, then the list), not yet
  // sorted; listeFichiers names the list ("-": standard input), read by the
  // driver, separated by NUL bytes with nul.
  bool fichiersSeuls = false;
  std::vector<std::string> fichiers;
  std::string listeFichiers;
  bool nul = false;
  std::vector<std::string> exclusions;  // "--exclude", the file's first
  bool continuer = false;               // "--keep-going"
  // "--show-config": the options in effect and the file they came from.
  std::string texteConfiguration;
  Niveau niveauEchec = Niveau::Note;     // "--fail-level"
  bool bilan = false;                    // "--summary"
  // The checks across the site run (with --modern), and "--site-url" for
  // those that need it (empty: not given).
  bool site = false;
  std::string siteUrl;
};

// The mask examined when none is given.
inline constexpr char kMasqueParDefaut[] = "index.htm";

// Reads the command line args (entry 0 the program's name), and the
// configuration file that applies, into execution. Gives false on a bad long
// option, with the reason in erreur, or on a configuration file that cannot
// be read or is wrong, with erreurFichier set as well (such a message stands
// alone: no hint to try --help follows it).
bool lireExecution(int nbArgs, const char* const* args, Execution& execution,
                   std::string& erreur, bool& erreurFichier);
bool lireExecution(int nbArgs, const char* const* args, Execution& execution,
                   std::string& erreur);

// Under --files, whether an argument that starts with '/' is the classic
// letters ("/d", "/1", "/s", "/?", also run together as "/1d" or "/d/s")
// rather than an absolute path: it holds nothing else.
bool estLettres(const char* argument);

#endif  // PAGEVET_RUN_EXECUTION_H_
