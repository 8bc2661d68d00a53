#include "report/rapporttexte.h"

#include <cstring>
#include <string>

namespace {

// The digits of the largest int.
constexpr std::size_t kChiffresMax = 10;

// The longest message a diagnostic header holds, checked against the line
// diagnostics of the table.
constexpr std::size_t kLongueurMaxMessage = 40;
constexpr bool messagesCourts() {
  for (int c = 0; estDiagnosticLigne(static_cast<Constat>(c)); ++c) {
    if (std::char_traits<char>::length(kConstats[c].message) > kLongueurMaxMessage) return false;
  }
  return std::char_traits<char>::length(messageConstat(kBaliseInconnue, JeuBalises::Html5)) <=
         kLongueurMaxMessage;
}
static_assert(messagesCourts(), "every message fits the header's buffer");

// What "%4d" writes of a line number (never negative), into texte, which
// holds at least kChiffresMax bytes; gives its length.
std::size_t formaterNumero(int numero, char* texte) {
  char chiffres[kChiffresMax];
  std::size_t k = 0;
  auto valeur = static_cast<unsigned>(numero);
  do {
    chiffres[k++] = static_cast<char>('0' + valeur % 10);
    valeur /= 10;
  } while (valeur != 0);
  std::size_t n = 0;
  for (; n + k < 4; ++n) texte[n] = ' ';
  while (k > 0) texte[n++] = chiffres[--k];
  return n;
}

class PageTexte : public RapportPage {
 public:
  PageTexte(Affichage::Sortie jeu, Canal& canal, JeuBalises balises)
      : sortie_(jeu, canal), balises_(balises) {}

  void Debut(const char* chemin, JeuCaracteres jeu) override {
    jeu_ = jeu;
    sortie_.Affiche(chemin, true, jeuDuNom(chemin));
  }

  void Diagnostic(int numero, Constat constat, const char* ligne) override {
    // The line number right-aligned in four columns, then the message; the
    // line comes under it, indented by two spaces, with its own line end.
    // Formatted by hand: a page may have a diagnostic on every line.
    const char* const message = messageConstat(constat, balises_);
    const std::size_t longueur = std::strlen(message);
    char entete[kChiffresMax + 2 + kLongueurMaxMessage + 6];
    std::size_t n = formaterNumero(numero, entete);
    entete[n++] = ',';
    entete[n++] = ' ';
    std::memcpy(entete + n, message, longueur);
    n += longueur;
    std::memcpy(entete + n, " : \n  ", 6);
    sortie_.Ecrit(entete, n + 6);
    sortie_.Affiche(ligne, false, jeu_);
  }

  void Resume(Constat constat, int compte) override {
    if (constat == kHorsHead) {
      sortie_.Imprime("+ %d meta-tag%s or title outside the <HEAD> section\n", compte,
                      compte > 1 ? "s" : "");
    } else {
      sortie_.Imprime("+ %s\n", kConstats[constat].message);
    }
  }

  void MotCleRepete(const char* motCle, int fois) override {
    sortie_.Imprime("+ Keyword [");
    sortie_.AfficheDansFormat(motCle, jeu_);
    sortie_.Imprime("] appears %d times in the list\n", fois);
  }

  void MotsClesInutilises(const char* const* motsCles, int nombre) override {
    sortie_.Imprime("Keyword%s unused in the text : ", nombre > 1 ? "s" : "");
    for (int i = 0; i < nombre; ++i) {
      const std::string entree = std::string(motsCles[i]) + (i + 1 < nombre ? ", " : "\n");
      sortie_.Affiche(entree.c_str(), false, jeu_);
    }
  }

  // An empty line closes the report of a page that had something to say.
  void Fin(bool signalee) override {
    if (signalee) sortie_.Imprime("\n");
  }

  void Interrompue() override {}

 private:
  const Affichage sortie_;
  const JeuBalises balises_;
  JeuCaracteres jeu_ = JeuCaracteres::Windows1252;
};

}  // namespace

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
