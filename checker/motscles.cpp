#include "checker/motscles.h"

#include <cstring>

#include "foundation/meserreur.h"
#include "html/traiterhtml.h"
#include "html/trthtml.h"

namespace {

// A keyword is copied into a buffer of this size: 254 characters at most.
constexpr int kTailleMotCle = 256;
constexpr int kLongueurMaxMotCle = 254;
constexpr int kLigneMotCleTropLong = 514;

}  // namespace

void lireMotsCles(const char* ouvre, const char* ferme, Vecteur<MotCle>& motsCles) {
  const char* p = ouvre + 1;
  if (p >= ferme) return;
  // Every ',' after the opening quote, the closing one's included, may start
  // an item: enough room, cut back to the real count at the end.
  motsCles.Redimensionne(compterCaractere(p, ',') + 1);
  int j = 0;
  for (;;) {
    const char* virgule = std::strchr(p, ',');
    const char* fin = (virgule == nullptr || virgule > ferme) ? ferme : virgule;
    const char* debut = sauterBlancs(p);
    if (debut < fin) {
      const char* dernier = reculerBlancs(fin - 1, debut);
      const int longueur = static_cast<int>(dernier - debut) + 1;
      if (longueur > kLongueurMaxMotCle) {
        throw MesErreur("Mot cle trop long", "pagevet", kLigneMotCleTropLong);
      }
      char copie[kTailleMotCle];
      copierN(copie, debut, longueur);
      MotCle& motCle = motsCles[j];
      motCle.mot = copie;
      motCle.motReduit = supprimerAccents(copie);
      motCle.utilise = false;
    }
    ++j;
    p = fin + 1;
    if (p >= ferme) break;
  }
  motsCles.Redimensionne(j);
}

void noterMotsLigne(const char* ligne, bool& horsBalise, bool motsClesLus,
                    Vecteur<MotCle>& motsCles, ArbreBinaire<String>& motsVus) {
  TraiterHtml html(ligne);
  if (html.supprimerBalises(horsBalise) <= 1) return;
  for (char* mot = html.motSuivant(); *mot != '\0'; mot = html.motSuivant()) {
    if (!motsClesLus) continue;
    // Looked up as a C string: no String is built for a word already seen.
    if (motsVus.Cherche(mot) > 0) continue;
    motsVus.Insere(String(mot), 1);
    supprimerAccents(decoderEntites(mot));
    for (int k = 0; k < motsCles.Nombre(); ++k) {
      if (comparerValeurs(motsCles[k].motReduit, mot) == 0) {
        motsCles[k].utilise = true;
        break;
      }
    }
  }
}

int rapporterMotsCles(const Vecteur<MotCle>& motsCles, const Affichage& sortie) {
  const int n = motsCles.Nombre();
  int nbLignes = 0;
  // 0: not looked at yet; n >= 1: first of n equal keywords; -1: a repeat.
  Vecteur<int> nbFois(n);
  for (int j = 0; j < n; ++j) nbFois[j] = 0;

  for (int j = 0; j < n; ++j) {
    if (nbFois[j] == 0) {
      nbFois[j] = 1;
      for (int k = j + 1; k < n; ++k) {
        if (motsCles[k].mot == motsCles[j].mot) {
          ++nbFois[j];
          nbFois[k] = -1;
        }
      }
    }
    if (nbFois[j] > 1) {
      sortie.Imprime("+ Keyword [%s] appears %d times in the list\n", motsCles[j].mot.Texte(),
                     nbFois[j]);
      ++nbLignes;
    }
  }

  int nbInutilises = 0;
  for (int j = 0; j < n; ++j) nbInutilises += (!motsCles[j].utilise && nbFois[j] > 0);
  if (nbInutilises > 0) {
    ++nbLignes;
    sortie.Imprime("Keyword%s unused in the text : ", nbInutilises > 1 ? "s" : "");
    int restants = nbInutilises;
    for (int j = 0; j < n; ++j) {
      if (motsCles[j].utilise || nbFois[j] <= 0) continue;
      --restants;
      const String entree = motsCles[j].mot + (restants > 0 ? ", " : "\n");
      sortie.Affiche(entree.Texte(), false);
    }
  }
  return nbLignes;
}
