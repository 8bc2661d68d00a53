// pourChaqueChevron must find every '<' and '>' of a text, in order, and
// read no byte outside it, at every length and alignment.
#include "html/chevrons.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

// The offsets of the '<' and '>' of texte, found one byte at a time.
std::vector<std::size_t> signesUnParUn(const std::string& texte) {
  std::vector<std::size_t> signes;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '<' || texte[i] == '>') signes.push_back(i);
  }
  return signes;
}

// The text at the very end of its own allocation, so that a sanitizer
// build catches any read past it.
std::vector<std::size_t> signesDe(const std::string& texte, std::size_t arret = SIZE_MAX) {
  std::unique_ptr<char[]> copie(new char[texte.size() + 1]);
  texte.copy(copie.get(), texte.size());
  copie[texte.size()] = '\0';
  std::vector<std::size_t> signes;
  const bool entier = pourChaqueChevron(copie.get(), texte.size(), [&](const char* p) {
    signes.push_back(static_cast<std::size_t>(p - copie.get()));
    return signes.size() < arret;
  });
  EXPECT_EQ(entier, signes.size() < arret) << texte;
  return signes;
}

TEST(Chevrons, EverySignInOrderAtEveryLength) {
  // Texts of every length to three blocks, signs drawn among bytes that
  // differ from them by one bit, NUL and bytes from 0x80.
  const char octets[] = {'<', '>', '=', '|', '.', 'a', '\xBC', '\xBE', ' ', '\0'};
  std::uint64_t etat = 11;
  for (std::size_t longueur = 0; longueur <= 48; ++longueur) {
    for (int essai = 0; essai < 40; ++essai) {
      std::string texte;
      for (std::size_t i = 0; i < longueur; ++i) {
        etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
        texte += octets[(etat >> 33) % sizeof octets];
      }
      EXPECT_EQ(signesDe(texte), signesUnParUn(texte)) << longueur;
    }
  }
}

TEST(Chevrons, StopsWhereTheCallerStops) {
  const struct {
    std::string texte;
    std::size_t arret;  // signs taken before the walk stops
    std::vector<std::size_t> signes;
  } cas[] = {
      {"<a><b>", 1, {0}},
      {"<a><b>", 3, {0, 2, 3}},
      {std::string(20, 'x') + "<>" + std::string(20, 'y') + "<", 2, {20, 21}},
      {"x<", 1, {1}},
  };
  for (const auto& c : cas) EXPECT_EQ(signesDe(c.texte, c.arret), c.signes) << c.texte;
}

}  // namespace
