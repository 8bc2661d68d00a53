#include "checker/examenmoderne.h"


#include "checker/motsclesmodernes.h"
#include "checker/tetemoderne.h"
#include "files/fichierpage.h"
#include "html/lecteurhtml.h"

namespace {

// Hands the reader's tags to the head's rules and, for "/d", the keyword
// list and the page's text to the keyword analysis.
class VisiteurModerne : public VisiteurHtml {
 public:
  explicit VisiteurModerne(const OptionsExamen& options)
      : tete_(options), developpe_(options.developpe) {}

  void ElementTete(const BaliseHtml& balise, const std::string& texte) override {
    tete_.ElementTete(balise, texte);
    if (developpe_ && !listeLue_ && tete_.MotsClesLus()) {
      listeLue_ = true;
      mots_.Lit(tete_.MotsCles());
    }
  }
  void BaliseOuvrante(const BaliseHtml& balise) override { tete_.BaliseOuvrante(balise); }
  void TeteIgnoree(const BaliseHtml& balise) override { tete_.TeteIgnoree(balise); }
  bool VeutTexte() const override { return developpe_; }
  // Only an unknown tag of the body needs its place and source.
  bool DetailsALaDemande() const override { return true; }
  void Texte(const char* texte, std::size_t n, bool separe) override { mots_.Texte(texte, n, separe); }

  TeteModerne& Tete() { return tete_; }
  MotsClesModernes& Mots() { return mots_; }

 private:
  TeteModerne tete_;
  MotsClesModernes mots_;
  const bool developpe_;
  bool listeLue_ = false;
};

}  // namespace

void examinerPageModerne(const char* chemin, LecteurLignes& lecteur, const OptionsExamen& options,
                         RapportPage& rapport, FicheSite* fiche) {
  rapport.Debut(chemin, lecteur.Jeu());
  examinerJusquAuBout(rapport, [&] {
    VisiteurModerne visiteur(options);
    LecteurHtml html(lecteur.Jeu(), lecteur.Marque(), visiteur);
    // The reader counts the byte order mark in its offsets.
    if (lecteur.Marque() > 0) html.Lire("\xEF\xBB\xBF", lecteur.Marque());
    const char* octets = nullptr;
    for (std::size_t n; (n = lecteur.Bloc(octets)) > 0;) html.Lire(octets, n);
    html.Finir();
    for (const ConstatModerne& constat : visiteur.Tete().Conclure(html.Entete())) {
      rapport.Constate(constat.EnSignalement());
    }
    if (options.developpe) {
      visiteur.Mots().Finir();
      visiteur.Mots().Rapporte(rapport);
    }
    if (fiche != nullptr) {
      *fiche = visiteur.Tete().Fiche();
      fiche->chemin = chemin;
    }
  });
}

void examinerFichierModerne(const char* chemin, const OptionsExamen& options,
                            RapportPage& rapport, FicheSite* fiche) {
  const FichierPage fichier(chemin);
  LecteurLignes lecteur(fichier, chemin);
  examinerPageModerne(chemin, lecteur, options, rapport, fiche);
}
