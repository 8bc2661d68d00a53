// The character set a page declares in its first bytes, found as the HTML
// standard's prescan finds it, without parsing the page.
#ifndef PAGEVET_FOUNDATION_DECLARATIONJEU_H_
#define PAGEVET_FOUNDATION_DECLARATIONJEU_H_

#include <cstddef>

#include "foundation/jeucaracteres.h"

// How far the declaration is looked for.
constexpr std::size_t kOctetsDeclaration = 1024;

// The first declaration in the first kOctetsDeclaration of the n bytes at
// debut: <meta charset=...>, or <meta http-equiv="Content-Type"
// content="...; charset=...">, quotes optional, any letter case, comments
// and other tags passed over. An empty or blank label is none: a charset
// attribute holding one makes its meta declare nothing, whatever else it
// holds, and the search goes on past it. False when there is none; else
// jeu is UTF-8 for the labels "utf-8" and "utf8", Windows-1252 for any
// other label.
bool jeuDeclare(const char* debut, std::size_t n, JeuCaracteres& jeu);

#endif  // PAGEVET_FOUNDATION_DECLARATIONJEU_H_
