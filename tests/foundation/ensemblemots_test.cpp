// EnsembleMots against a model set, through growth and emptying.
#include "foundation/ensemblemots.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

TEST(EnsembleMots, HoldsEachWordOnceLikeASet) {
  EnsembleMots mots;
  std::set<std::string> modele;
  uint64_t etat = 3;
  const auto suivant = [&etat](uint64_t borne) {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    return (etat >> 33) % borne;
  };
  for (int page = 0; page < 3; ++page) {
    for (int i = 0; i < 20000; ++i) {
      // Short words that collide often, of any byte but NUL, and a few longer
      // than the 8 bytes hashed at a time.
      std::string mot(1 + suivant(i % 50 == 0 ? 40 : 5), 'a');
      for (char& c : mot) c = static_cast<char>(1 + suivant(i % 7 == 0 ? 255 : 4));
      EXPECT_EQ(mots.Ajoute(mot.data(), mot.size()), modele.insert(mot).second) << mot;
    }
    EXPECT_EQ(mots.Nombre(), modele.size());
    for (const std::string& mot : modele) EXPECT_TRUE(mots.Contient(mot.data(), mot.size()));
    EXPECT_FALSE(mots.Contient("", 0));
    // The same bytes under another length are another word.
    EXPECT_EQ(mots.Ajoute("abc", 2), modele.insert("ab").second);
    mots.Vide();
    modele.clear();
    EXPECT_EQ(mots.Nombre(), 0u);
    EXPECT_FALSE(mots.Contient("ab", 2));
  }
  // A word longer than the blocks the words are kept in.
  const std::string immense(100000, 'z');
  EXPECT_TRUE(mots.Ajoute(immense.data(), immense.size()));
  EXPECT_FALSE(mots.Ajoute(immense.data(), immense.size()));
  EXPECT_TRUE(mots.Ajoute("z", 1));
}

}  // namespace
