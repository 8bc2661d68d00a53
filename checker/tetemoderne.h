// TeteModerne: the --modern rules, fed the parsed page by the HTML reader:
// it judges each head element, every start tag, the <html> tag and the
// DOCTYPE, and gathers the page's findings and its record for the site.
#ifndef PAGEVET_CHECKER_TETEMODERNE_H_
#define PAGEVET_CHECKER_TETEMODERNE_H_

#include <string>
#include <vector>

#include "checker/constatmoderne.h"
#include "checker/fichesite.h"
#include "checker/optionsexamen.h"
#include "checker/proprietesopengraph.h"
#include "html/jetonhtml.h"

class TeteModerne : public VisiteurHtml {
 public:
  explicit TeteModerne(const OptionsExamen& options) : options_(options) {}

  void ElementTete(const BaliseHtml& balise, const std::string& texte) override;
  void BaliseOuvrante(const BaliseHtml& balise) override;
  void TeteIgnoree(const BaliseHtml& balise) override;

  // Once the page is read: judges what the reader found of the head as a
  // whole, and gives the page's findings in report order: its line findings
  // by line and column (on one tag, in the findings' order), then its page
  // findings ("/s" leaves them out). The content checks of a redirect stub
  // or a noindex page are left out.
  std::vector<ConstatModerne> Conclure(const EnteteHtml& entete);

  // The content of the head's first keywords meta-tag, if any ("/d").
  bool MotsClesLus() const { return motsClesLus_; }
  const std::string& MotsCles() const { return motsCles_; }

  // What the checks across the site keep of the page (its path aside).
  const FicheSite& Fiche() const { return fiche_; }

 private:
  void Meta(const BaliseHtml& balise);
  void Titre(const BaliseHtml& balise, const std::string& texte);
  void Lien(const BaliseHtml& balise);
  // A line finding at balise; gives it to be completed.
  ConstatModerne& Signale(Constat constat, const BaliseHtml& balise);
  ConstatModerne& SignaleValeur(Constat constat, const BaliseHtml& balise, std::string_view valeur);

  const OptionsExamen& options_;
  std::vector<ConstatModerne> lignes_;

  // Counts of the head's elements.
  int titres_ = 0;
  int descriptions_ = 0;
  int jeux_ = 0;  // charset declarations
  int motsClesTags_ = 0;
  int robots_ = 0;
  int contentLanguage_ = 0;
  int replyTo_ = 0;
  int viewports_ = 0;
  std::vector<std::string> canoniques_;  // the different hrefs of canonical links
  ProprietesOpenGraph openGraph_;

  bool motsClesLus_ = false;
  std::string motsCles_;
  FicheSite fiche_;
};

#endif  // PAGEVET_CHECKER_TETEMODERNE_H_
