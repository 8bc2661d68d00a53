#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/arbrebinaire.h"
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

TEST(ArbreBinaireTest, CountsOccurrences) {
  ArbreBinaire<String> arbre;
  for (const char* mot : {"b", "a", "c", "a"}) arbre.Insere(mot, 1);
  const std::pair<const char*, int32_t> cas[] = {
      {"a", 2}, {"b", 1}, {"c", 1}, {"d", 0}, {"A", 0}};
  for (const auto& [mot, compte] : cas) EXPECT_EQ(arbre.Cherche(mot), compte) << mot;

  arbre.Insere("c", 5);
  arbre.Insere("z", 0);
  EXPECT_EQ(arbre.Cherche("c"), 6);
  EXPECT_EQ(arbre.Cherche("z"), 0);
}

TEST(ArbreBinaireTest, VideEmptiesAndAllowsReuse) {
  ArbreBinaire<String> arbre;
  arbre.Vide();
  const char* const mots[] = {"m", "d", "x", "a", "f", "w", "z", "e"};
  for (const char* mot : mots) arbre.Insere(mot, 1);
  arbre.Vide();
  for (const char* mot : mots) EXPECT_EQ(arbre.Cherche(mot), 0) << mot;
  arbre.Vide();
  arbre.Insere("m", 4);
  EXPECT_EQ(arbre.Cherche("m"), 4);
}

TEST(ArbreBinaireTest, CopiesAreDeepAndIndependent) {
  ArbreBinaire<String> original;
  for (const char* mot : {"m", "d", "x", "a", "f", "d"}) original.Insere(mot, 1);
  ArbreBinaire<String> copie(original);
  ArbreBinaire<String> affecte;
  affecte.Insere("ancien", 9);
  affecte = original;

  original.Insere("d", 10);
  copie.Insere("x", 1);
  EXPECT_EQ(copie.Cherche("d"), 2);
  EXPECT_EQ(copie.Cherche("x"), 2);
  EXPECT_EQ(affecte.Cherche("d"), 2);
  EXPECT_EQ(affecte.Cherche("x"), 1);
  EXPECT_EQ(affecte.Cherche("ancien"), 0);

  const ArbreBinaire<String>& meme = copie;
  copie = meme;
  EXPECT_EQ(copie.Cherche("f"), 1);
  original.Vide();
  affecte = original;  // an empty source leaves an empty tree
  EXPECT_EQ(affecte.Cherche("m"), 0);
  EXPECT_EQ(copie.Cherche("m"), 1);
}

// Sorted input builds chains: here 1..N to the right of 0 and -1..-N to its
// left. Insertion walks a whole chain each time, so N stays at 15,000; the
// thread's 128 KiB stack is still far too small for any walk (insert, search,
// copy, delete) that recursed once per level.
constexpr int32_t kProfondeur = 15000;

void* CheminsProfonds(void* donnees) {
  auto* trouves = static_cast<std::vector<int32_t>*>(donnees);
  ArbreBinaire<int32_t> arbre;
  arbre.Insere(0, 1);
  for (int32_t i = 1; i <= kProfondeur; ++i) {
    arbre.Insere(i, 1);
    arbre.Insere(-i, 1);
  }
  arbre.Insere(-kProfondeur, 1);
  for (const int32_t v : {0, kProfondeur, -kProfondeur, kProfondeur + 1}) {
    trouves->push_back(arbre.Cherche(v));
  }
  {
    const ArbreBinaire<int32_t> copie(arbre);
    ArbreBinaire<int32_t> affecte;
    affecte = copie;
    trouves->push_back(affecte.Cherche(-kProfondeur));
  }
  arbre.Vide();
  trouves->push_back(arbre.Cherche(0));
  return nullptr;
}

TEST(ArbreBinaireTest, DeepChainsNeedNoStack) {
  std::vector<int32_t> trouves;
  pthread_attr_t attributs;
  ASSERT_EQ(pthread_attr_init(&attributs), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributs, 128 * 1024), 0);
  pthread_t fil;
  ASSERT_EQ(pthread_create(&fil, &attributs, CheminsProfonds, &trouves), 0);
  ASSERT_EQ(pthread_join(fil, nullptr), 0);
  pthread_attr_destroy(&attributs);
  EXPECT_EQ(trouves, (std::vector<int32_t>{1, 1, 2, 0, 2, 0}));
}

}  // namespace
