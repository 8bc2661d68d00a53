// What the JSON and SARIF reports share: the program's texts in UTF-8,
// decoded from the set each text is in, and their JSON values as text.
#ifndef PAGEVET_REPORT_TEXTESJSON_H_
#define PAGEVET_REPORT_TEXTESJSON_H_

#include <nlohmann/json.hpp>
#include <string>

#include "checker/signalement.h"
#include "foundation/canal.h"
#include "foundation/jeucaracteres.h"

using Json = nlohmann::ordered_json;  // keys in the order written

// Every text is made valid UTF-8 before it gets here, so the library's
// strict check never fails; the fuzz harness holds it to that.
inline std::string enJson(const Json& valeur) { return valeur.dump(); }

inline void ecrire(Canal& canal, const std::string& texte) {
  canal.Ecrit(texte.data(), texte.size());
}

// A fixed text, written without taking any memory: what a document's end
// says when memory ran out while it was being made.
template <std::size_t N>
void ecrireFixe(Canal& canal, const char (&texte)[N]) {
  canal.Ecrit(texte, N - 1);
}

// A text of a page read in the set jeu (a line, a keyword).
std::string texteUtf8(const char* texte, JeuCaracteres jeu);
// A diagnostic's line without the line end it was read with.
std::string ligneUtf8(const char* ligne, JeuCaracteres jeu);
// A program path with '/' between directories; valid UTF-8 is kept, any
// other byte read as Windows-1252, as the UTF-8 console shows it.
std::string cheminUtf8(const char* chemin);
// The name of a set: "windows-1252" or "utf-8".
const char* nomJeu(JeuCaracteres jeu);

// The message of a finding on a page read in jeu, in UTF-8.
std::string messageUtf8(const Signalement& s, JeuBalises balises, JeuCaracteres jeu);
// A finding as the json report lists it: its id, then what it carries.
Json constatJson(const Signalement& s, JeuBalises balises, JeuCaracteres jeu);

#endif  // PAGEVET_REPORT_TEXTESJSON_H_
