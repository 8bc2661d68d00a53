// Signalement: one finding as a value: its kind and what its message needs.
// Its message is rendered from the findings table, in one place for all the
// formats, which lay findings out and never spell a message themselves.
#ifndef PAGEVET_CHECKER_SIGNALEMENT_H_
#define PAGEVET_CHECKER_SIGNALEMENT_H_

#include <string>

#include "checker/constat.h"
#include "html/jeubalises.h"

// Texts are borrowed: they stay valid while the finding is handed on, and
// the page's texts (line, keyword, value, suggestion) are in the page's set.
struct Signalement {
  Constat constat;
  // 1 on; a finding of the page or the site: the line tools place it on
  // (kConstats[constat].genre tells the kinds apart); 0: not placed.
  int ligne = 0;
  int colonne = 0;                 // 1 on; 0: not given
  const char* texte = nullptr;     // the line as read, with its own line end
  int compte = 0;                  // what the message counts
  const char* motCle = nullptr;    // a keyword, as written
  long nombre = 0;                 // a measure (a length) ...
  long limite = 0;                 // ... and the limit it passed
  const char* valeur = nullptr;    // a value the message quotes
  const char* suggestion = nullptr;  // what the value was probably meant to be
  const char* page = nullptr;      // another page's path, as the program writes it
  bool utf8 = false;  // keyword, value and suggestion are in UTF-8, whatever the page's set
  int lignePage = 0;               // where the other page's tag stands: 0 when none
  int colonnePage = 0;
};

// A line diagnostic on the line numero, as read.
inline Signalement signalementLigne(Constat constat, int numero, const char* ligne) {
  Signalement s{constat};
  s.ligne = numero;
  s.texte = ligne;
  return s;
}

// A finding of the whole page, with the count its message may give.
inline Signalement signalementPage(Constat constat, int compte = 0) {
  Signalement s{constat};
  s.compte = compte;
  return s;
}

// How a format writes the texts a message quotes, converted for its output.
class ConversionTextes {
 public:
  virtual ~ConversionTextes() = default;
  // A keyword, a value or a suggestion, in the page's set.
  virtual std::string Texte(const char* texte) const = 0;
  // The same, in UTF-8 (a finding marked utf8).
  virtual std::string TexteUtf8(const char* texte) const { return Texte(texte); }
  // Another page's path, as the program writes it.
  virtual std::string Chemin(const char* chemin) const = 0;
};

// Appends the message of s, from the findings table, to message; the texts
// it quotes go through conversion. balises: the tag set the run judges by.
void rendreMessage(const Signalement& s, JeuBalises balises, const ConversionTextes& conversion,
                   std::string& message);

// The general text of a finding, for a list of rules.
std::string resumeConstat(Constat constat, JeuBalises balises);

// Whether the message of constat quotes this placeholder ("{count}"...).
bool messageCite(Constat constat, const char* marque);

#endif  // PAGEVET_CHECKER_SIGNALEMENT_H_
