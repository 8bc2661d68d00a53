// The scan of one page, line by line: a diagnostic for every line that
// breaks a rule, then the summary lines; and the whole report of one file.
#ifndef PAGEVET_CHECKER_EXAMEN_H_
#define PAGEVET_CHECKER_EXAMEN_H_

#include "checker/nomsmeta.h"
#include "files/lecteurlignes.h"
#include "foundation/affichage.h"
#include "html/jeubalises.h"

// Scans the page that lecteur reads and prints its diagnostics and summary
// lines through sortie, then an empty line if there was anything to say.
// Gives whether there was (false: the page passed). Lets through the fatal
// errors of the keyword analysis; nothing more is printed for the page then.
// balises is the set of tags the page is judged by.
bool examinerPage(LecteurLignes& lecteur, bool developpe, bool simple, NomsMeta& nomsMeta,
                  const Affichage& sortie, JeuBalises balises = JeuBalises::Html32);

// Opens the page at chemin, prints its path, scans it and closes it. Throws
// MesErreur when it cannot be opened, before anything is printed.
bool examinerFichier(const char* chemin, bool developpe, bool simple, NomsMeta& nomsMeta,
                     const Affichage& sortie = affichage,
                     JeuBalises balises = JeuBalises::Html32);

#endif  // PAGEVET_CHECKER_EXAMEN_H_
