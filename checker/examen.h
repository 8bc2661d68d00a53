// examinerFichier: the scan of one page, line by line, printing its path, a
// diagnostic for every line that breaks a rule, then the summary lines.
#ifndef PAGEVET_CHECKER_EXAMEN_H_
#define PAGEVET_CHECKER_EXAMEN_H_

#include "checker/nomsmeta.h"

// Throws MesErreur when the file cannot be opened, and lets through the
// errors of the keyword analysis; nothing is printed for the page then but
// what was printed before the error.
void examinerFichier(const char* chemin, bool developpe, bool simple, NomsMeta& nomsMeta);

#endif  // PAGEVET_CHECKER_EXAMEN_H_
