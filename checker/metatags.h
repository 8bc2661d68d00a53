// The meta-tag checks: a meta tag inside HEAD must have exactly one key
// attribute (name or http-equiv) then content, both double-quoted, alone.
// By today's HTML, property is a key too and <meta charset="..."> passes.
#ifndef PAGEVET_CHECKER_METATAGS_H_
#define PAGEVET_CHECKER_METATAGS_H_

#include "checker/etatfichier.h"

// Judges the meta tag whose name starts at `meta` in etat.minuscules; the
// line's tag census is derniereOuverte / nbBalises.
void verifierMeta(EtatFichier& etat, const char* meta, bool derniereOuverte, int nbBalises);

// The strict form, from the word "meta": key attribute, content, '>', and
// no second '>' right after it. Blanks are allowed around '=' and before '>'.
// In HTML5 property is a key and a '/' may stand right before the '>'.
bool syntaxeStricte(const char* meta, JeuBalises jeu = JeuBalises::Html32);

// HTML5's <meta charset="...">, from the word "meta": the one attribute, its
// value in double quotes, no other double quote up to the end of the text,
// and the end of the strict form.
bool formeCharset(const char* meta);

#endif  // PAGEVET_CHECKER_METATAGS_H_
