#include "report/rapporttexte.h"

#include <string>
#include <vector>

namespace {

// What "%4d" writes of a line number (never negative), appended to texte.
void ajouterNumero(int numero, std::string& texte) {
  char chiffres[10];
  std::size_t k = 0;
  auto valeur = static_cast<unsigned>(numero);
  do {
    chiffres[k++] = static_cast<char>('0' + valeur % 10);
    valeur /= 10;
  } while (valeur != 0);
  if (k < 4) texte.append(4 - k, ' ');
  while (k > 0) texte += chiffres[--k];
}

class PageTexte : public RapportPage, private ConversionTextes {
 public:
  PageTexte(Affichage::Sortie jeu, Canal& canal, JeuBalises balises)
      : sortie_(jeu, canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    signalee_ = false;
    inutilises_.clear();
    motsUtf8_ = false;
    sortie_.Affiche(chemin, true, jeuDuNom(chemin));
  }

  void Constate(const Signalement& s) override {
    signalee_ = true;
    if (s.constat == kMotCleInutilise) {
      // The unused keywords share one line, written when the page ends.
      inutilises_.emplace_back(s.motCle);
      motsUtf8_ = s.utf8;
      return;
    }
    texte_.clear();
    if (estDiagnosticLigne(s.constat)) {
      // The line number right-aligned in four columns, then the message;
      // the line comes under it, indented by two spaces, with its own line
      // end.
      ajouterNumero(s.ligne, texte_);
      texte_ += ", ";
      rendreMessage(s, balises_, *this, texte_);
      texte_ += " : \n  ";
      sortie_.Ecrit(texte_);
      sortie_.Affiche(s.texte, false, jeu_);
      return;
    }
    texte_ += "+ ";
    rendreMessage(s, balises_, *this, texte_);
    texte_ += '\n';
    sortie_.Ecrit(texte_);
  }

  // An empty line closes the report of a page that had something to say.
  void Fin() override {
    if (!inutilises_.empty()) {
      // Each keyword is converted with what follows it, its line end too.
      std::string liste;
      for (std::size_t i = 0; i < inutilises_.size(); ++i) {
        liste += sortie_.Convertit(
            (inutilises_[i] + (i + 1 < inutilises_.size() ? ", " : "\n")).c_str(),
            motsUtf8_ ? JeuCaracteres::Utf8 : jeu_);
      }
      Signalement inutilises =
          signalementPage(kMotCleInutilise, static_cast<int>(inutilises_.size()));
      inutilises.motCle = liste.c_str();
      texte_.clear();
      rendreMessage(inutilises, balises_, DejaConvertis(), texte_);
      sortie_.Ecrit(texte_);
    }
    if (signalee_) sortie_.Ecrit("\n", 1);
  }

  void Interrompue() override {}
  // The fatal error's two lines, as a run that stops writes them.
  void Echec(const char* /*chemin*/, const MesErreur& erreur, bool /*commencee*/) override {
    erreur.MesErreur::Affiche(sortie_);
  }

 private:
  // A keyword stands in a message as the classic fixed formats wrote it.
  std::string Texte(const char* texte) const override {
    return sortie_.ConvertitDansFormat(texte, jeu_);
  }
  std::string TexteUtf8(const char* texte) const override {
    return sortie_.ConvertitDansFormat(texte, JeuCaracteres::Utf8);
  }
  std::string Chemin(const char* chemin) const override {
    return sortie_.Convertit(chemin, jeuDuNom(chemin));
  }

  // The unused keywords' line quotes texts converted as they came.
  class DejaConvertis : public ConversionTextes {
   public:
    std::string Texte(const char* texte) const override { return texte; }
    std::string Chemin(const char* chemin) const override { return chemin; }
  };

  const Affichage sortie_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
  bool signalee_ = false;
  std::string texte_;  // the line being written, its room kept from line to line
  std::vector<std::string> inutilises_;  // the unused keywords so far, as written
  bool motsUtf8_ = false;                // ... in UTF-8 rather than the page's set
};

// The texts of a site-wide finding: values in UTF-8, paths as pages' are.
class TextesSite : public ConversionTextes {
 public:
  explicit TextesSite(const Affichage& sortie) : sortie_(sortie) {}
  std::string Texte(const char* texte) const override {
    return sortie_.ConvertitDansFormat(texte, JeuCaracteres::Utf8);
  }
  std::string Chemin(const char* chemin) const override {
    return sortie_.Convertit(chemin, jeuDuNom(chemin));
  }

 private:
  const Affichage& sortie_;
};

}  // namespace

void RapportTexte::ConstatsSite(const char* chemin, const Signalement* constats, int nombre) {
  if (!site_) {
    sortie_.Ecrit("Across the site\n");
    site_ = true;
  }
  sortie_.Affiche(chemin, true, jeuDuNom(chemin));
  const TextesSite textes(sortie_);
  std::string ligne;
  for (int i = 0; i < nombre; ++i) {
    ligne = "+ ";
    rendreMessage(constats[i], balises_, textes, ligne);
    ligne += '\n';
    sortie_.Ecrit(ligne);
  }
  sortie_.Ecrit("\n", 1);
}

RapportTexte::RapportTexte(Affichage::Sortie jeu, Canal& sortie, std::FILE* erreurs,
                           bool erreurFataleSurErreurs, JeuBalises balises)
    : jeu_(jeu),
      balises_(balises),
      sortie_(jeu, sortie),
      journal_(sortie_, erreurs),
      erreurFataleSurErreurs_(erreurFataleSurErreurs) {}

std::unique_ptr<RapportPage> RapportTexte::NouvellePage(Canal& canal) const {
  return std::make_unique<PageTexte>(jeu_, canal, balises_);
}

void RapportTexte::ErreurFatale(const MesErreur& erreur) {
  // Standard error first, so that the user sees it even if the report's
  // stream then fails.
  if (erreurFataleSurErreurs_) journal_.Ecrit(texteErreurFatale(erreur));
  // In its two lines, in its base form, as every fatal error is printed.
  erreur.MesErreur::Affiche(sortie_);
}
