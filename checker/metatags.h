// The meta-tag checks: a meta tag inside HEAD must have exactly one key
// attribute (name or http-equiv) then content, both double-quoted, alone.
#ifndef PAGEVET_CHECKER_METATAGS_H_
#define PAGEVET_CHECKER_METATAGS_H_

#include "checker/etatfichier.h"

// Judges the meta tag whose name starts at `meta` in etat.minuscules; the
// line's tag census is derniereOuverte / nbBalises.
void verifierMeta(EtatFichier& etat, const char* meta, bool derniereOuverte, int nbBalises);

// The strict form, from the word "meta": key attribute, content, '>', and
// no second '>' right after it. Blanks are allowed around '=' and before '>'.
bool syntaxeStricte(const char* meta);

#endif  // PAGEVET_CHECKER_METATAGS_H_
