#include "checker/motscles.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "foundation/meserreur.h"
#include "html/trthtml.h"

namespace {

// A keyword holds 254 characters at most; in UTF-8 each may take 4 bytes.
constexpr int kLongueurMaxMotCle = 254;
constexpr int kTailleMotCle = (kLongueurMaxMotCle + 1) * 4 + 1;
constexpr int kLigneMotCleTropLong = 514;
// The longest list sorted by insertion.
constexpr int32_t kTriCourt = 32;

// The indices 0 to n - 1 sorted by the text that champ gives of each
// keyword, in byte order, list order among equals.
template <typename Champ>
Vecteur<int32_t> trier(const Vecteur<MotCle>& motsCles, Champ champ) {
  const int32_t n = motsCles.Nombre();
  Vecteur<int32_t> ordre(n);
  for (int32_t i = 0; i < n; ++i) ordre[i] = i;
  const auto avant = [&](int32_t a, int32_t b) {
    return std::strcmp(champ(motsCles[a]), champ(motsCles[b])) < 0;
  };
  if (n > kTriCourt) {
    std::stable_sort(&ordre[0], &ordre[0] + n, avant);
    return ordre;
  }
  // A short list, as most are, by insertion: stable, and with no buffer.
  for (int32_t i = 1; i < n; ++i) {
    const int32_t k = ordre[i];
    int32_t j = i;
    for (; j > 0 && avant(k, ordre[j - 1]); --j) ordre[j] = ordre[j - 1];
    ordre[j] = k;
  }
  return ordre;
}

const char* reduit(const MotCle& motCle) { return motCle.motReduit.c_str(); }
const char* ecrit(const MotCle& motCle) { return motCle.mot.c_str(); }

// strcmp's sign, inline: most comparisons end on the first byte.
int comparer(const std::string& valeur, const char* cle) {
  const char* a = valeur.c_str();
  while (*a != '\0' && *a == *cle) {
    ++a;
    ++cle;
  }
  return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*cle);
}

}  // namespace

void lireMotsCles(const char* ouvre, const char* ferme, Vecteur<MotCle>& motsCles,
                  JeuCaracteres jeu) {
  const char* p = ouvre + 1;
  if (p >= ferme) return;
  // An item ends at each ',' but one just before the closing quote: the
  // count, unless a NUL hides some, when the list is cut back at the end.
  motsCles.Redimensionne(static_cast<int32_t>(std::count(p, ferme - 1, ',')) + 1);
  int j = 0;
  for (;;) {
    const char* virgule = std::strchr(p, ',');
    const char* fin = (virgule == nullptr || virgule > ferme) ? ferme : virgule;
    const char* debut = sauterBlancs(p);
    if (debut < fin) {
      const char* dernier = reculerBlancs(fin - 1, debut);
      const int longueur = static_cast<int>(dernier - debut) + 1;
      if (longueur >= kTailleMotCle ||
          compterCaracteres(debut, static_cast<std::size_t>(longueur), jeu) >
              static_cast<std::size_t>(kLongueurMaxMotCle)) {
        throw MesErreur("Mot cle trop long", "pagevet", kLigneMotCleTropLong);
      }
      char copie[kTailleMotCle];
      char pli[kOctetsPliParOctet * kTailleMotCle];
      copierN(copie, debut, longueur);
      MotCle& motCle = motsCles[j];
      motCle.mot = copie;
      motCle.motReduit = reduire(copie, jeu, pli);
      motCle.utilise = false;
    }
    ++j;
    p = fin + 1;
    if (p >= ferme) break;
  }
  if (j != motsCles.Nombre()) motsCles.Redimensionne(j);
}

void ordonnerMotsCles(const Vecteur<MotCle>& motsCles, Vecteur<int32_t>& ordre) {
  ordre = trier(motsCles, reduit);
}

int32_t premierMotCle(const Vecteur<MotCle>& motsCles, const Vecteur<int32_t>& ordre,
                      const char* mot) {
  int32_t bas = 0;
  int32_t haut = ordre.Nombre();
  while (bas < haut) {
    const int32_t milieu = bas + (haut - bas) / 2;
    if (comparer(motsCles[ordre[milieu]].motReduit, mot) < 0) {
      bas = milieu + 1;
    } else {
      haut = milieu;
    }
  }
  if (bas < ordre.Nombre() && comparer(motsCles[ordre[bas]].motReduit, mot) == 0) {
    return ordre[bas];
  }
  return -1;
}

void marquerMot(const char* mot, Vecteur<MotCle>& motsCles, const Vecteur<int32_t>& ordre) {
  std::string copie(mot);
  std::string pli(kOctetsPliParOctet * (copie.size() + 1) + 1, '\0');
  const char* const reduit = reduire(copie.data(), JeuCaracteres::Utf8, pli.data());
  const int32_t k = premierMotCle(motsCles, ordre, reduit);
  if (k >= 0) motsCles[k].utilise = true;
}

void rapporterMotsCles(const Vecteur<MotCle>& motsCles, RapportPage& rapport, bool utf8) {
  const int n = motsCles.Nombre();
  // n >= 1: the first of n equal keywords; -1: a later one. Equal keywords
  // stand together once sorted, the first of the list first.
  Vecteur<int32_t> nbFois(n);
  const Vecteur<int32_t> ordre = trier(motsCles, ecrit);
  for (int32_t debut = 0, fin; debut < n; debut = fin) {
    fin = debut + 1;
    while (fin < n && motsCles[ordre[fin]].mot == motsCles[ordre[debut]].mot) {
      nbFois[ordre[fin++]] = -1;
    }
    nbFois[ordre[debut]] = fin - debut;
  }
  for (int j = 0; j < n; ++j) {
    if (nbFois[j] <= 1) continue;
    Signalement repete = signalementPage(kMotCleRepete, nbFois[j]);
    repete.motCle = motsCles[j].mot.c_str();
    repete.utf8 = utf8;
    rapport.Constate(repete);
  }
  // A keyword written several times counts once, through its first entry.
  for (int j = 0; j < n; ++j) {
    if (motsCles[j].utilise || nbFois[j] <= 0) continue;
    Signalement inutilise = signalementPage(kMotCleInutilise, 1);
    inutilise.motCle = motsCles[j].mot.c_str();
    inutilise.utf8 = utf8;
    rapport.Constate(inutilise);
  }
}
