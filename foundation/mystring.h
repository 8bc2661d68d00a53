// String: the program's one text type, an owned and exactly sized heap copy
// of a NUL-terminated byte string. Plus the case and search helpers on buffers.
#ifndef PAGEVET_FOUNDATION_MYSTRING_H_
#define PAGEVET_FOUNDATION_MYSTRING_H_

#include <cstdint>

class String {
 public:
  String();
  String(const char* source);  // NOLINT: implicit on purpose, like a C string
  String(char c);              // NOLINT
  String(const String& autre);
  String(String&& autre);
  String(const String& source, int32_t debut, int32_t longueur = -1);
  String(uint32_t valeur, int32_t base);
  explicit String(double valeur);
  ~String();

  String& operator=(const String& autre);
  String& operator=(String&& autre) noexcept;
  String& operator+=(const String& autre);
  String operator+(const String& autre) const;

  void Insere(const String& s, int32_t position);
  void Supprime(int32_t position, int32_t nombre);
  void SupprimeFin(int32_t nombre);
  void GardeVisibles();

  bool operator==(const String& autre) const;
  bool operator>(const String& autre) const;
  bool operator<(const String& autre) const;

  // The text, valid until the String next changes. The writable form allows
  // in-place conversions that never lengthen it.
  const char* Texte() const { return texte; }
  char* Texte() { return texte; }
  int32_t Longueur() const;
  bool EstVide() const { return texte[0] == '\0'; }

 private:
  // Takes ownership of a block allocated with new[].
  struct Adopte {};
  String(char* bloc, Adopte);
  void Remplace(char* bloc);

  char* texte;  // never null; the empty text is a one-byte block
};

// Byte-order three-way comparison (strcmp's order), for the search tree.
// Inline: the tree compares short words millions of times, and most
// comparisons end on the first byte.
inline int comparerValeurs(const String& valeur, const char* cle) {
  const char* a = valeur.Texte();
  while (*a != '\0' && *a == *cle) {
    ++a;
    ++cle;
  }
  return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*cle);
}
inline int comparerValeurs(const String& valeur, const String& cle) {
  return comparerValeurs(valeur, cle.Texte());
}
// A writable buffer compares as its text. Without this, the tree's generic
// comparison (an exact match for char*) would build a String per call.
inline int comparerValeurs(const String& valeur, char* cle) {
  return comparerValeurs(valeur, static_cast<const char*>(cle));
}

// qsort-style comparison of two String objects (byte order).
int CompareString(const void* a, const void* b);

// In-place case conversion of a buffer, "C" locale on the byte value.
char* Majuscules(char* texte);
char* Minuscules(char* texte);

// Index of the first c (or sousChaine) in texte, or -1.
int32_t Position(const char* texte, char c);
int32_t Position(const char* texte, const char* sousChaine);

// "C" locale character classes on the byte value: no byte 0x80-0xFF belongs.
constexpr bool estBlanc(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
constexpr bool estChiffre(char c) { return c >= '0' && c <= '9'; }
constexpr bool estLettre(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr char enMinuscule(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char enMajuscule(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

#endif  // PAGEVET_FOUNDATION_MYSTRING_H_
