// The scan of one page, line by line: a diagnostic for every line that
// breaks a rule, then the summary lines; and the whole report of one file.
#ifndef PAGEVET_CHECKER_EXAMEN_H_
#define PAGEVET_CHECKER_EXAMEN_H_

#include "checker/optionsexamen.h"
#include "checker/rapportpage.h"
#include "files/lecteurlignes.h"

// Scans the page at chemin that lecteur reads and hands its findings to
// rapport: Debut, every line diagnostic and summary finding, then Fin. A
// fatal error of the keyword analysis (or memory running out) interrupts
// the page's report and is let through.
void examinerPage(const char* chemin, LecteurLignes& lecteur, const OptionsExamen& options,
                  RapportPage& rapport);

// Opens the page at chemin, scans it and closes it. Throws MesErreur when it
// cannot be opened, before anything is reported.
void examinerFichier(const char* chemin, const OptionsExamen& options, RapportPage& rapport);

#endif  // PAGEVET_CHECKER_EXAMEN_H_
