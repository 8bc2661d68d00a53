// The scan of one page under --modern: the page read as today's HTML parser
// reads it, its head judged, its findings reported in order.
#ifndef PAGEVET_CHECKER_EXAMENMODERNE_H_
#define PAGEVET_CHECKER_EXAMENMODERNE_H_

#include "checker/fichesite.h"
#include "checker/optionsexamen.h"
#include "checker/rapportpage.h"
#include "files/lecteurlignes.h"

// Scans the page at chemin that lecteur reads (from its first block on, no
// line read yet) and hands its findings to rapport: Debut, the line
// findings by line and column, the page findings, the keyword findings
// ("/d"), then Fin. When fiche is not null it receives, once the page is
// read, what the checks across the site keep of the page (chemin
// included); it is filled whatever --ignore leaves out. A fatal error (a
// read error, memory running out) interrupts the page's report and is let
// through.
void examinerPageModerne(const char* chemin, LecteurLignes& lecteur, const OptionsExamen& options,
                         RapportPage& rapport, FicheSite* fiche = nullptr);

// Opens the page at chemin, scans it and closes it. Throws MesErreur when it
// cannot be opened, before anything is reported.
void examinerFichierModerne(const char* chemin, const OptionsExamen& options,
                            RapportPage& rapport, FicheSite* fiche = nullptr);

#endif  // PAGEVET_CHECKER_EXAMENMODERNE_H_
