// FicheSite: what the checks across the site keep of one page read under
// --modern: its head's title, description, canonical and hreflang links.
#ifndef PAGEVET_CHECKER_FICHESITE_H_
#define PAGEVET_CHECKER_FICHESITE_H_

#include <string>
#include <vector>

// A text or a link of the head, where its tag stands in the page.
struct ElementSite {
  std::string texte;  // UTF-8: normalised text, or the link's href trimmed
  int ligne = 0;      // the tag's line and column
  int colonne = 0;
};

struct LienHreflang {
  std::string langue;  // the hreflang, as written (trimmed)
  ElementSite adresse;  // the href and the link tag's place
};

struct FicheSite {
  std::string chemin;  // the page's path as the program writes it ('\')
  bool redirection = false;  // a refresh meta-tag with delay 0
  bool noindex = false;      // robots, googlebot or googlebot-news: noindex or none
  bool aTitre = false;       // the head's first title ...
  ElementSite titre;         // ... normalised as the lengths are
  bool aDescription = false;  // the head's first description ...
  ElementSite description;
  bool aCanonique = false;   // the head's first canonical link
  ElementSite canonique;
  std::vector<LienHreflang> hreflangs;  // the head's alternate links with hreflang, in order
};

#endif  // PAGEVET_CHECKER_FICHESITE_H_
