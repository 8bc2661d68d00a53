// ArbreBinaire<T>: a balanced binary search tree (an AA tree) that counts
// occurrences of values. Every walk is iterative and no deeper than the tree.
// The run no longer uses it (EnsembleMots holds a page's words); kept, with
// its tests, for a caller that needs counted values in order.
#ifndef PAGEVET_FOUNDATION_ARBREBINAIRE_H_
#define PAGEVET_FOUNDATION_ARBREBINAIRE_H_

#include <cstdint>
#include <utility>
#include <vector>

// Three-way comparison used by the tree walks, from T's == and >. A type can
// offer a cheaper overload found by argument-dependent lookup (String does).
template <typename T, typename K>
int comparerValeurs(const T& valeur, const K& cle) {
  if (valeur == cle) return 0;
  return (valeur > cle) ? 1 : -1;
}

template <typename T>
class ArbreBinaire {
 public:
  ArbreBinaire() = default;
  ArbreBinaire(const ArbreBinaire& autre) { CopieDe(autre); }
  virtual ArbreBinaire& operator=(const ArbreBinaire& autre) {
    if (this != &autre) {
      Vide();
      CopieDe(autre);
    }
    return *this;
  }
  virtual ~ArbreBinaire() { Vide(); }

  // Adds nombre to the count of valeur, inserting it if it is new.
  void Insere(const T& valeur, int32_t nombre) { InsereValeur(valeur, nombre); }
  // The same, moving valeur into the new node instead of copying it.
  void Insere(T&& valeur, int32_t nombre) { InsereValeur(std::move(valeur), nombre); }

  // The count of the value equal to cle, or 0 when there is none. cle may be
  // of another type that compares with T (a C string for String, say).
  template <typename K>
  int32_t Cherche(const K& cle) const {
    const Noeud* noeud = racine;
    while (noeud != nullptr) {
      const int ordre = comparerValeurs(noeud->valeur, cle);
      if (ordre == 0) return noeud->compte;
      noeud = (ordre > 0) ? noeud->gauche : noeud->droite;
    }
    return 0;
  }

  // Deletes every node. Right rotations flatten the tree as it goes, so no
  // stack is needed whatever its shape.
  void Vide() {
    while (racine != nullptr) {
      Noeud* noeud = racine;
      if (noeud->gauche != nullptr) {
        racine = noeud->gauche;
        noeud->gauche = racine->droite;
        racine->droite = noeud;
      } else {
        racine = noeud->droite;
        delete noeud;
      }
    }
  }

  // The number of nodes on the longest path from the root: at most
  // 2 log2(n + 1) for n values, whatever the order they came in.
  int32_t Hauteur() const {
    int32_t hauteur = 0;
    std::vector<std::pair<const Noeud*, int32_t>> aFaire;
    if (racine != nullptr) aFaire.emplace_back(racine, 1);
    while (!aFaire.empty()) {
      const auto [noeud, profondeur] = aFaire.back();
      aFaire.pop_back();
      if (profondeur > hauteur) hauteur = profondeur;
      if (noeud->gauche) aFaire.emplace_back(noeud->gauche, profondeur + 1);
      if (noeud->droite) aFaire.emplace_back(noeud->droite, profondeur + 1);
    }
    return hauteur;
  }

 private:
  // The AA rules: a leaf has level 1; a left child is one level below its
  // parent; a right child is at its parent's level or one below, and a
  // right grandchild always below its grandparent. They bound the height to
  // twice the level of the root, itself at most log2(n + 1).
  struct Noeud {
    template <typename V>
    Noeud(V&& v, int32_t c) : valeur(std::forward<V>(v)), compte(c) {}
    Noeud* gauche = nullptr;
    Noeud* droite = nullptr;
    T valeur;
    int32_t compte;
    int32_t niveau = 1;
  };

  // The longest search path a tree can hold: 2 log2(n + 1) stays below it
  // for any number of nodes that memory can hold.
  static constexpr int kCheminMax = 128;

  // A left child at its parent's level becomes the parent.
  static Noeud* Pencher(Noeud* noeud) {
    Noeud* const gauche = noeud->gauche;
    if (gauche == nullptr || gauche->niveau != noeud->niveau) return noeud;
    noeud->gauche = gauche->droite;
    gauche->droite = noeud;
    return gauche;
  }

  // Two right links in a row at one level: the middle node rises a level.
  static Noeud* Fendre(Noeud* noeud) {
    Noeud* const droite = noeud->droite;
    if (droite == nullptr || droite->droite == nullptr ||
        droite->droite->niveau != noeud->niveau) {
      return noeud;
    }
    noeud->droite = droite->gauche;
    droite->gauche = noeud;
    ++droite->niveau;
    return droite;
  }

  template <typename V>
  void InsereValeur(V&& valeur, int32_t nombre) {
    // The links walked from the root, to rebalance on the way back up.
    Noeud** chemin[kCheminMax];
    int profondeur = 0;
    Noeud** place = &racine;
    while (*place != nullptr) {
      Noeud* noeud = *place;
      const int ordre = comparerValeurs(noeud->valeur, valeur);
      if (ordre == 0) {
        noeud->compte += nombre;
        return;
      }
      chemin[profondeur++] = place;
      place = (ordre > 0) ? &noeud->gauche : &noeud->droite;
    }
    *place = new Noeud(std::forward<V>(valeur), nombre);
    while (profondeur > 0) {
      Noeud** const lien = chemin[--profondeur];
      *lien = Fendre(Pencher(*lien));
    }
  }

  // Same shape, levels, values and counts as autre; assumes this tree is empty.
  void CopieDe(const ArbreBinaire& autre) {
    std::vector<std::pair<const Noeud*, Noeud**>> aFaire;
    if (autre.racine != nullptr) aFaire.emplace_back(autre.racine, &racine);
    while (!aFaire.empty()) {
      auto [source, place] = aFaire.back();
      aFaire.pop_back();
      *place = new Noeud(source->valeur, source->compte);
      (*place)->niveau = source->niveau;
      if (source->gauche) aFaire.emplace_back(source->gauche, &(*place)->gauche);
      if (source->droite) aFaire.emplace_back(source->droite, &(*place)->droite);
    }
  }

  Noeud* racine = nullptr;
};

#endif  // PAGEVET_FOUNDATION_ARBREBINAIRE_H_
