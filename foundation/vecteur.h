// Vecteur<T>: an exactly sized heap array with an element count. It never
// grows by itself; callers size it ahead and cut it back with Redimensionne.
#ifndef PAGEVET_FOUNDATION_VECTEUR_H_
#define PAGEVET_FOUNDATION_VECTEUR_H_

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

template <typename T>
class Vecteur {
 public:
  explicit Vecteur(int32_t nombre = 0) { Alloue(nombre); }

  // One element, a copy of element. Not offered for integral T, where it
  // would be ambiguous with the count constructor.
  template <typename U = T,
            typename = std::enable_if_t<!std::is_integral<U>::value>>
  explicit Vecteur(const T& element) {
    Alloue(1);
    elements[0] = element;
  }

  Vecteur(const Vecteur& autre) { CopieDe(autre); }

  Vecteur& operator=(const Vecteur& autre) {
    if (this != &autre) {
      Vecteur copie(autre);
      std::swap(elements, copie.elements);
      std::swap(nombre, copie.nombre);
    }
    return *this;
  }

  // Keeps the first min(old count, nouveau) elements, moved into a new array
  // of exactly nouveau elements; the slots beyond them are default-constructed
  // (left uninitialised for a scalar T such as int).
  void Redimensionne(int32_t nouveau) {
    std::unique_ptr<T[]> anciens(elements);
    const int32_t gardes = std::min(nombre, nouveau);
    elements = nullptr;
    nombre = 0;
    Alloue(nouveau);
    for (int32_t i = 0; i < gardes; ++i) elements[i] = std::move(anciens[i]);
  }

  // Sorts in place; compare is a qsort-style comparison of two elements.
  void Trie(int (*compare)(const void*, const void*)) {
    std::sort(elements, elements + nombre, [compare](const T& a, const T& b) {
      return compare(&a, &b) < 0;
    });
  }

  ~Vecteur() { delete[] elements; }

  int32_t Nombre() const { return nombre; }
  T& operator[](int32_t i) { return elements[i]; }
  const T& operator[](int32_t i) const { return elements[i]; }

 private:
  void Alloue(int32_t n) {
    if (n < 1) {
      elements = nullptr;
      nombre = 0;
    } else {
      elements = new T[n];
      nombre = n;
    }
  }

  void CopieDe(const Vecteur& autre) {
    Alloue(autre.nombre);
    std::copy(autre.elements, autre.elements + nombre, elements);
  }

  T* elements = nullptr;
  int32_t nombre = 0;
};

#endif  // PAGEVET_FOUNDATION_VECTEUR_H_
