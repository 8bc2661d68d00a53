// What the JSON and SARIF reports write of the program's texts: always
// UTF-8, decoded from the set each text is in.
#ifndef PAGEVET_CHECKER_TEXTESJSON_H_
#define PAGEVET_CHECKER_TEXTESJSON_H_

#include <string>

#include "foundation/jeucaracteres.h"

// A text of a page read in the set jeu (a line, a keyword).
std::string texteUtf8(const char* texte, JeuCaracteres jeu);
// A diagnostic's line without the line end it was read with.
std::string ligneUtf8(const char* ligne, JeuCaracteres jeu);
// A program path with '/' between directories; valid UTF-8 is kept, any
// other byte read as Windows-1252, as the UTF-8 console shows it.
std::string cheminUtf8(const char* chemin);
// The name of a set: "windows-1252" or "utf-8".
const char* nomJeu(JeuCaracteres jeu);

#endif  // PAGEVET_CHECKER_TEXTESJSON_H_
