#include "foundation/mystring.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <utility>

#include "foundation/meserreur.h"

namespace {

const char kHorsLimites[] = "Debut en dehors des limites de la chaine";

// Runs action, which must throw the mystring error raised at line ligne.
void AttendErreur(const std::function<void()>& action, const char* message,
                  int32_t ligne) {
  try {
    action();
    ADD_FAILURE() << "no MesErreur thrown, expected line " << ligne;
  } catch (const MesErreur& e) {
    EXPECT_STREQ(e.Message(), message);
    EXPECT_STREQ(e.Module(), "mystring");
    EXPECT_EQ(e.Ligne(), ligne);
  }
}

TEST(StringTest, EmptyForms) {
  EXPECT_STREQ(String().Texte(), "");
  EXPECT_STREQ(String("").Texte(), "");
  EXPECT_STREQ(String('\0').Texte(), "");
  EXPECT_STREQ(String('x').Texte(), "x");
  EXPECT_EQ(String('\xE9').Longueur(), 1);
  EXPECT_TRUE(String().EstVide());
}

TEST(StringTest, NullSourceThrows) {
  AttendErreur([] { String s(static_cast<const char*>(nullptr)); },
               "Copie d'un pointeur NULL", 12);
}

TEST(StringTest, Extraction) {
  struct Cas { int32_t debut, longueur; const char* attendu; };
  const Cas cas[] = {
      {0, -1, "abc"}, {1, 1, "b"},  {1, 10, "bc"},      {3, -1, ""},
      {3, 5, ""},     {0, 0, ""},   {2, -7, "c"},       {1, INT32_MAX, "bc"},
  };
  const String source("abc");
  for (const Cas& c : cas) {
    const String extrait(source, c.debut, c.longueur);
    EXPECT_STREQ(extrait.Texte(), c.attendu) << c.debut << "," << c.longueur;
  }
  EXPECT_STREQ(String(source, 1).Texte(), "bc");
  for (const int32_t debut : {4, -1, INT32_MIN, INT32_MAX}) {
    AttendErreur([&] { String s(source, debut, 1); }, kHorsLimites, 64);
  }
  AttendErreur([] { String s(String(), 1, 0); }, kHorsLimites, 64);
}

TEST(StringTest, Insere) {
  struct Cas { const char* s; int32_t position; const char* attendu; };
  const Cas cas[] = {{"X", 0, "Xabc"}, {"X", 3, "abcX"}, {"XY", 1, "aXYbc"}, {"", 2, "abc"}};
  for (const Cas& c : cas) {
    String texte("abc");
    texte.Insere(c.s, c.position);
    EXPECT_STREQ(texte.Texte(), c.attendu) << c.s << " at " << c.position;
  }
  // Inserting a String into itself reads the old text before replacing it.
  String soi("abc");
  soi.Insere(soi, 1);
  EXPECT_STREQ(soi.Texte(), "aabcbc");

  for (const int32_t position : {4, -1, INT32_MIN, INT32_MAX}) {
    String texte("abc");
    AttendErreur([&] { texte.Insere("X", position); }, kHorsLimites, 92);
    EXPECT_STREQ(texte.Texte(), "abc");
  }
}

TEST(StringTest, Supprime) {
  struct Cas { int32_t position, nombre; const char* attendu; };
  const Cas cas[] = {
      {1, 1, "ac"}, {1, 2, "a"}, {1, 50, "a"}, {3, 1, "abc"},
      {0, 3, ""},   {0, 1, "bc"}, {2, 1, "ab"}, {1, INT32_MAX, "a"},
  };
  for (const Cas& c : cas) {
    String texte("abc");
    texte.Supprime(c.position, c.nombre);
    EXPECT_STREQ(texte.Texte(), c.attendu) << c.position << "," << c.nombre;
  }
  const std::pair<int32_t, int32_t> refus[] = {
      {0, 0}, {1, -1}, {-1, 1}, {4, 1}, {INT32_MIN, 1}, {0, INT32_MIN},
  };
  for (const auto& [position, nombre] : refus) {
    String texte("abc");
    AttendErreur([&] { texte.Supprime(position, nombre); }, kHorsLimites, 120);
    EXPECT_STREQ(texte.Texte(), "abc");
  }
}

TEST(StringTest, SupprimeFin) {
  const std::pair<int32_t, const char*> cas[] = {{1, "ab"}, {2, "a"}, {3, ""}};
  for (const auto& [nombre, attendu] : cas) {
    String texte("abc");
    texte.SupprimeFin(nombre);
    EXPECT_STREQ(texte.Texte(), attendu) << nombre;
  }
  for (const int32_t nombre : {4, 0, -1, INT32_MIN, INT32_MAX}) {
    String texte("abc");
    AttendErreur([&] { texte.SupprimeFin(nombre); }, kHorsLimites, 120);
    EXPECT_STREQ(texte.Texte(), "abc");
  }
}

TEST(StringTest, NumberToText) {
  struct Cas { uint32_t valeur; int32_t base; const char* attendu; };
  const Cas cas[] = {
      {255, 16, "FF"}, {5, 2, "101"}, {0, 16, "0"}, {0, 2, "0"}, {0, 10, "0"},
      {35, 36, "Z"}, {36, 36, "10"}, {4294967295u, 10, "4294967295"},
      {4294967295u, 16, "FFFFFFFF"}, {4294967295u, 36, "1Z141Z3"},
      {4294967295u, 2, "11111111111111111111111111111111"},
      // Bases outside 2..36 fall back to decimal.
      {1234, 0, "1234"}, {1234, 1, "1234"}, {1234, 37, "1234"}, {1234, -16, "1234"},
  };
  for (const Cas& c : cas) {
    EXPECT_STREQ(String(c.valeur, c.base).Texte(), c.attendu)
        << c.valeur << " base " << c.base;
  }
}

TEST(StringTest, DoubleUsesSixDecimals) {
  EXPECT_STREQ(String(0.0).Texte(), "0.000000");
  EXPECT_STREQ(String(-0.25).Texte(), "-0.250000");
  EXPECT_STREQ(String(2.0 / 3.0).Texte(), "0.666667");
  EXPECT_STREQ(String(1e20).Texte(), "100000000000000000000.000000");
}

TEST(StringTest, GardeVisibles) {
  const std::pair<const char*, const char*> cas[] = {
      {"a b\tc\n", "abc"}, {"\x01!~\x7F\x80\xA0\xE9\xFF", "!~"}, {"   ", ""}, {"", ""},
  };
  for (const auto& [entree, attendu] : cas) {
    String texte(entree);
    texte.GardeVisibles();
    EXPECT_STREQ(texte.Texte(), attendu);
  }
}

TEST(StringTest, CopiesAndConcatenation) {
  const String original("ab");
  String copie(original), affecte;
  affecte = original;
  copie.Texte()[0] = 'X';
  affecte.Texte()[1] = 'Y';
  EXPECT_STREQ(original.Texte(), "ab");

  String s("ab");
  const String& meme = s;
  s = meme;
  EXPECT_STREQ(s.Texte(), "ab");
  s += meme;
  EXPECT_STREQ(s.Texte(), "abab");
  EXPECT_STREQ((s + original + "").Texte(), "ababab");
  EXPECT_STREQ(s.Texte(), "abab");
  EXPECT_STREQ(original.Texte(), "ab");
}

TEST(StringTest, MovesLeaveAUsableSource) {
  String source("abc");
  String cible(std::move(source));
  EXPECT_STREQ(cible.Texte(), "abc");
  EXPECT_STREQ(source.Texte(), "");  // NOLINT(bugprone-use-after-move)

  String autre("old");
  autre = std::move(cible);
  EXPECT_STREQ(autre.Texte(), "abc");
  cible += "z";  // still a valid text, whatever it now holds
  EXPECT_EQ(cible.Texte()[cible.Longueur()], '\0');
}

// Expected sign of strcmp(a, b): byte order, upper case first, 0xE9 last.
TEST(StringTest, ByteOrderComparisons) {
  struct Cas { const char* a; const char* b; int signe; };
  const Cas cas[] = {
      {"Index", "index", -1}, {"\xE9", "z", 1},  {"\xE9", "Z", 1},
      {"\xE9", "~", 1},       {"ab", "abc", -1}, {"", "a", -1},
      {"abc", "abc", 0},      {"B", "a", -1},    {"\xE9", "\xE8", 1},
  };
  for (const Cas& c : cas) {
    const String a(c.a), b(c.b);
    const int resultat = CompareString(&a, &b);
    EXPECT_EQ((resultat > 0) - (resultat < 0), c.signe) << c.a << " / " << c.b;
    EXPECT_EQ(a == b, c.signe == 0);
    EXPECT_EQ(a < b, c.signe < 0);
    EXPECT_EQ(a > b, c.signe > 0);
  }
}

TEST(StringTest, CaseConversionTouchesOnlyAsciiLetters) {
  for (int i = 1; i < 256; ++i) {
    const char c = static_cast<char>(i);
    char haut[2] = {c, '\0'};
    char bas[2] = {c, '\0'};
    Majuscules(haut);
    Minuscules(bas);
    EXPECT_EQ(haut[0], (c >= 'a' && c <= 'z') ? c - 32 : c) << i;
    EXPECT_EQ(bas[0], (c >= 'A' && c <= 'Z') ? c + 32 : c) << i;
  }
  char texte[] = "Meta \xC9t\xE9 <HEAD>";
  EXPECT_STREQ(Majuscules(texte), "META \xC9T\xE9 <HEAD>");
  EXPECT_STREQ(Minuscules(texte), "meta \xC9t\xE9 <head>");
}

TEST(StringTest, Position) {
  EXPECT_EQ(Position("a.b.c", '.'), 1);
  EXPECT_EQ(Position("abc", 'x'), -1);
  EXPECT_EQ(Position("ab\xE9", '\xE9'), 2);
  const std::pair<const char*, int32_t> cas[] = {
      {"bc", 1}, {"abc", 0}, {"", 0}, {"abcd", -1}, {"ca", -1},
  };
  for (const auto& [sousChaine, attendu] : cas) {
    EXPECT_EQ(Position("abcbc", sousChaine), attendu) << sousChaine;
  }
}

}  // namespace
