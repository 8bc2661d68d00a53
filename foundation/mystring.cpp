#include "foundation/mystring.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "foundation/meserreur.h"

namespace {

const char kModule[] = "mystring";
const char kHorsLimites[] = "Debut en dehors des limites de la chaine";
constexpr int32_t kLigneNull = 12;
constexpr int32_t kLigneExtraction = 64;
constexpr int32_t kLigneInsertion = 92;
constexpr int32_t kLigneSuppression = 120;

char* Duplique(const char* source, size_t longueur) {
  char* bloc = new char[longueur + 1];
  std::memcpy(bloc, source, longueur);
  bloc[longueur] = '\0';
  return bloc;
}

char* Duplique(const char* source) {
  return Duplique(source, std::strlen(source));
}

}  // namespace

String::String() : texte(new char[1]{'\0'}) {}

String::String(const char* source) : texte(nullptr) {
  if (source == nullptr) throw MesErreur("Copie d'un pointeur NULL", kModule, kLigneNull);
  texte = Duplique(source);
}

String::String(char c) : texte(new char[2]{c, '\0'}) {}

String::String(const String& autre) : texte(Duplique(autre.texte)) {}

// The moved-from String keeps a valid empty text.
String::String(String&& autre) : String() { std::swap(texte, autre.texte); }

String::String(char* bloc, Adopte) : texte(bloc) {}

String::String(const String& source, int32_t debut, int32_t longueur) : texte(nullptr) {
  const int32_t n = source.Longueur();
  if (debut < 0 || debut > n) throw MesErreur(kHorsLimites, kModule, kLigneExtraction);
  const int32_t reste = n - debut;
  const int32_t compte = (longueur < 0 || longueur > reste) ? reste : longueur;
  texte = Duplique(source.texte + debut, static_cast<size_t>(compte));
}

String::String(uint32_t valeur, int32_t base) : texte(nullptr) {
  // Room for 32 binary digits and the terminator.
  char chiffres[33];
  char* debut = chiffres + sizeof chiffres - 1;
  *debut = '\0';
  if (base < 2 || base > 36) base = 10;
  do {
    const uint32_t chiffre = valeur % static_cast<uint32_t>(base);
    *--debut = static_cast<char>(chiffre < 10 ? '0' + chiffre : 'A' + chiffre - 10);
    valeur /= static_cast<uint32_t>(base);
  } while (valeur != 0);
  texte = Duplique(debut);
}

String::String(double valeur) : texte(nullptr) {
  const int taille = std::snprintf(nullptr, 0, "%f", valeur);
  texte = new char[static_cast<size_t>(taille) + 1];
  std::snprintf(texte, static_cast<size_t>(taille) + 1, "%f", valeur);
}

String::~String() { delete[] texte; }

void String::Remplace(char* bloc) {
  delete[] texte;
  texte = bloc;
}

String& String::operator=(const String& autre) {
  if (texte != autre.texte) Remplace(Duplique(autre.texte));
  return *this;
}

String& String::operator=(String&& autre) noexcept {
  std::swap(texte, autre.texte);
  return *this;
}

String& String::operator+=(const String& autre) {
  const size_t n = std::strlen(texte);
  const size_t m = std::strlen(autre.texte);
  char* bloc = new char[n + m + 1];
  std::memcpy(bloc, texte, n);
  std::memcpy(bloc + n, autre.texte, m + 1);
  Remplace(bloc);
  return *this;
}

String String::operator+(const String& autre) const {
  String resultat(*this);
  resultat += autre;
  return resultat;
}

void String::Insere(const String& s, int32_t position) {
  const int32_t n = Longueur();
  if (position < 0 || position > n) throw MesErreur(kHorsLimites, kModule, kLigneInsertion);
  const size_t m = std::strlen(s.texte);
  char* bloc = new char[static_cast<size_t>(n) + m + 1];
  std::memcpy(bloc, texte, static_cast<size_t>(position));
  std::memcpy(bloc + position, s.texte, m);
  std::memcpy(bloc + position + m, texte + position, static_cast<size_t>(n - position) + 1);
  Remplace(bloc);
}

void String::Supprime(int32_t position, int32_t nombre) {
  const int32_t n = Longueur();
  if (position < 0 || position > n || nombre < 1) {
    throw MesErreur(kHorsLimites, kModule, kLigneSuppression);
  }
  const int32_t fin = (nombre >= n - position) ? n : position + nombre;
  const size_t reste = static_cast<size_t>(n - fin);
  char* bloc = new char[static_cast<size_t>(position) + reste + 1];
  std::memcpy(bloc, texte, static_cast<size_t>(position));
  std::memcpy(bloc + position, texte + fin, reste + 1);
  Remplace(bloc);
}

void String::SupprimeFin(int32_t nombre) {
  // Checked here too, so that a huge count cannot overflow the subtraction.
  if (nombre < 1 || nombre > Longueur()) {
    throw MesErreur(kHorsLimites, kModule, kLigneSuppression);
  }
  Supprime(Longueur() - nombre, nombre);
}

void String::GardeVisibles() {
  size_t n = 0;
  for (const char* p = texte; *p; ++p) n += (*p > ' ' && *p < 0x7F);
  char* bloc = new char[n + 1];
  char* q = bloc;
  for (const char* p = texte; *p; ++p) {
    if (*p > ' ' && *p < 0x7F) *q++ = *p;
  }
  *q = '\0';
  Remplace(bloc);
}

bool String::operator==(const String& autre) const {
  return std::strcmp(texte, autre.texte) == 0;
}
bool String::operator>(const String& autre) const {
  return std::strcmp(texte, autre.texte) > 0;
}
bool String::operator<(const String& autre) const {
  return std::strcmp(texte, autre.texte) < 0;
}

int32_t String::Longueur() const { return static_cast<int32_t>(std::strlen(texte)); }

int CompareString(const void* a, const void* b) {
  return std::strcmp(static_cast<const String*>(a)->Texte(),
                     static_cast<const String*>(b)->Texte());
}

char* Majuscules(char* texte) {
  for (char* p = texte; *p; ++p) *p = enMajuscule(*p);
  return texte;
}

char* Minuscules(char* texte) {
  for (char* p = texte; *p; ++p) *p = enMinuscule(*p);
  return texte;
}

int32_t Position(const char* texte, char c) {
  const char* p = std::strchr(texte, c);
  return (p == nullptr || c == '\0') ? -1 : static_cast<int32_t>(p - texte);
}

int32_t Position(const char* texte, const char* sousChaine) {
  const char* p = std::strstr(texte, sousChaine);
  return p == nullptr ? -1 : static_cast<int32_t>(p - texte);
}
