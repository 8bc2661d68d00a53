// Tests of ArbreBinaire: occurrence counts, emptying, deep copies and deep
// chains walked without recursion.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "foundation/arbrebinaire.h"
#include "foundation/mystring.h"

namespace {

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

// Sorted input, the order that makes an unbalanced tree a chain: here 1..N
// and -1..-N after 0. The thread's 128 KiB stack is far too small for any
// walk (insert, search, copy, delete) that would recurse once per value.
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

TEST(ArbreBinaireTest, StaysBalancedInAnyOrderAndAgreesWithAMap) {
  // Sorted, reverse sorted, and a fixed shuffle with repeats.
  constexpr int kNombre = 20000;
  std::vector<std::vector<int>> ordres(3);
  uint64_t etat = 12345;
  for (int i = 0; i < kNombre; ++i) {
    ordres[0].push_back(i);
    ordres[1].push_back(kNombre - i);
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    ordres[2].push_back(static_cast<int>((etat >> 33) % (kNombre / 2)));
  }
  for (const std::vector<int>& ordre : ordres) {
    ArbreBinaire<String> arbre;
    std::map<std::string, int32_t> modele;
    for (const int v : ordre) {
      const std::string mot = "w" + std::to_string(v);
      arbre.Insere(String(mot.c_str()), v % 3);
      modele[mot] += v % 3;
    }
    const double borne = 2 * std::log2(static_cast<double>(modele.size()) + 1);
    EXPECT_LE(arbre.Hauteur(), borne) << ordre[1];
    const ArbreBinaire<String> copie(arbre);
    EXPECT_EQ(copie.Hauteur(), arbre.Hauteur());
    for (int v = -1; v <= kNombre + 1; v += 7) {
      const std::string mot = "w" + std::to_string(v);
      const auto trouve = modele.find(mot);
      const int32_t attendu = trouve == modele.end() ? 0 : trouve->second;
      EXPECT_EQ(arbre.Cherche(mot.c_str()), attendu) << mot;
      EXPECT_EQ(copie.Cherche(mot.c_str()), attendu) << mot;
    }
  }
}

}  // namespace
