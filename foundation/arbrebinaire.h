// ArbreBinaire<T>: an unbalanced binary search tree that counts occurrences
// of values. Every walk is iterative, so a chain of any depth is safe.
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

  // Adds nombre to the count of valeur, inserting a leaf if it is new.
  void Insere(const T& valeur, int32_t nombre) { InsereValeur(valeur, nombre); }
  // The same, moving valeur into the new leaf instead of copying it.
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

 private:
  struct Noeud {
    template <typename V>
    Noeud(V&& v, int32_t c) : valeur(std::forward<V>(v)), compte(c) {}
    Noeud* gauche = nullptr;
    Noeud* droite = nullptr;
    T valeur;
    int32_t compte;
  };

  template <typename V>
  void InsereValeur(V&& valeur, int32_t nombre) {
    Noeud** place = &racine;
    while (*place != nullptr) {
      Noeud* noeud = *place;
      const int ordre = comparerValeurs(noeud->valeur, valeur);
      if (ordre == 0) {
        noeud->compte += nombre;
        return;
      }
      place = (ordre > 0) ? &noeud->gauche : &noeud->droite;
    }
    *place = new Noeud(std::forward<V>(valeur), nombre);
  }

  // Same shape, values and counts as autre; assumes this tree is empty.
  void CopieDe(const ArbreBinaire& autre) {
    std::vector<std::pair<const Noeud*, Noeud**>> aFaire;
    if (autre.racine != nullptr) aFaire.emplace_back(autre.racine, &racine);
    while (!aFaire.empty()) {
      auto [source, place] = aFaire.back();
      aFaire.pop_back();
      *place = new Noeud(source->valeur, source->compte);
      if (source->gauche) aFaire.emplace_back(source->gauche, &(*place)->gauche);
      if (source->droite) aFaire.emplace_back(source->droite, &(*place)->droite);
    }
  }

  Noeud* racine = nullptr;
};

#endif  // PAGEVET_FOUNDATION_ARBREBINAIRE_H_
