// Tests of Vecteur: sizing, element lifetime, deep copies and sorting.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "foundation/mystring.h"
#include "foundation/vecteur.h"

namespace {

using Liste = std::vector<std::string>;

Vecteur<String> Textes(const Liste& textes) {
  Vecteur<String> v(static_cast<int32_t>(textes.size()));
  for (int32_t i = 0; i < v.Nombre(); ++i) v[i] = textes[static_cast<size_t>(i)].c_str();
  return v;
}

Liste Contenu(const Vecteur<String>& v) {
  Liste contenu;
  for (int32_t i = 0; i < v.Nombre(); ++i) contenu.emplace_back(v[i].Texte());
  return contenu;
}

// Counts live instances, to show that elements are destroyed.
struct Suivi {
  static int vivants;
  Suivi() { ++vivants; }
  Suivi(const Suivi&) { ++vivants; }
  Suivi& operator=(const Suivi&) = default;
  ~Suivi() { --vivants; }
};
int Suivi::vivants = 0;

TEST(VecteurTest, Constructors) {
  for (const int32_t demande : {0, -5, 3}) {
    const Vecteur<String> v(demande);
    EXPECT_EQ(Contenu(v), Liste(demande > 0 ? demande : 0, ""));
  }
  String source("index.htm");
  const Vecteur<String> un(source);
  source.Texte()[0] = 'X';
  EXPECT_EQ(Contenu(un), Liste{"index.htm"});
}

TEST(VecteurTest, Redimensionne) {
  const std::pair<int32_t, Liste> cas[] = {
      {3, {"a", "b", "c"}}, {5, {"a", "b", "c", "d", "e"}},
      {7, {"a", "b", "c", "d", "e", "", ""}}, {1, {"a"}}, {0, {}}, {-1, {}},
  };
  for (const auto& [nombre, attendu] : cas) {
    Vecteur<String> v = Textes({"a", "b", "c", "d", "e"});
    v.Redimensionne(nombre);
    EXPECT_EQ(Contenu(v), attendu) << nombre;
  }
}

TEST(VecteurTest, ElementsAreDestroyed) {
  {
    Vecteur<Suivi> v(5);
    EXPECT_EQ(Suivi::vivants, 5);
    v.Redimensionne(2);
    EXPECT_EQ(Suivi::vivants, 2);
    v.Redimensionne(0);
    EXPECT_EQ(Suivi::vivants, 0);
    v.Redimensionne(3);
    Vecteur<Suivi> copie(v);
    EXPECT_EQ(Suivi::vivants, 6);
    copie = Vecteur<Suivi>(1);
    EXPECT_EQ(Suivi::vivants, 4);
  }
  EXPECT_EQ(Suivi::vivants, 0);
}

TEST(VecteurTest, CopyAndAssignmentAreDeep) {
  const Vecteur<String> original = Textes({"a", "b"});
  Vecteur<String> copie(original);
  Vecteur<String> grand = Textes({"1", "2", "3", "4"});
  grand = original;
  copie[0] = "X";
  grand[1] = "Y";
  EXPECT_EQ(Contenu(original), (Liste{"a", "b"}));
  EXPECT_EQ(Contenu(grand), (Liste{"a", "Y"}));

  const Vecteur<String>& meme = grand;
  grand = meme;
  EXPECT_EQ(Contenu(grand), (Liste{"a", "Y"}));
  grand = Vecteur<String>();
  EXPECT_EQ(grand.Nombre(), 0);
}

TEST(VecteurTest, TrieInByteOrder) {
  const std::pair<Liste, Liste> cas[] = {
      {{"a", "B"}, {"B", "a"}},
      {{"index", "\xE9t\xE9", "Index", "zoo"}, {"Index", "index", "zoo", "\xE9t\xE9"}},
      {{"b", "a", "b", "a"}, {"a", "a", "b", "b"}},
      {{"sub\\b.htm", "a.htm", "sub.htm"}, {"a.htm", "sub.htm", "sub\\b.htm"}},
      {{"seul"}, {"seul"}},
      {{}, {}},
  };
  for (const auto& [entree, attendu] : cas) {
    Vecteur<String> v = Textes(entree);
    v.Trie(CompareString);
    EXPECT_EQ(Contenu(v), attendu);
  }
}

TEST(VecteurTest, TrieLargeListKeepsEveryText) {
  // Long enough for the sort to move elements through several passes.
  Liste attendu;
  Vecteur<String> v(2000);
  for (int32_t i = 0; i < v.Nombre(); ++i) {
    attendu.push_back(std::to_string((i * 7919) % 1000));
    v[i] = attendu.back().c_str();
  }
  std::sort(attendu.begin(), attendu.end());
  v.Trie(CompareString);
  EXPECT_EQ(Contenu(v), attendu);
}

}  // namespace
