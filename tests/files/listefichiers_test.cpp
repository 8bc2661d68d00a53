// Tests of --files-from's lists: lines and NUL-separated paths, CR LF and
// empty lines, a NUL byte in a list of lines, and lists that cannot be read.
#include "files/listefichiers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/files/arbre.h"

namespace {

using Chemins = std::vector<std::string>;

TEST(ListeFichiers, SplitsLinesAndNulSeparatedPaths) {
  using namespace std::string_literals;
  const struct {
    std::string texte;
    bool nul;
    Chemins attendu;
  } cas[] = {
      {"a.html\nsub/b.html\n", false, {"a.html", "sub/b.html"}},
      {"a.html\nb.html", false, {"a.html", "b.html"}},
      {"a.html\r\nb.html\r\n", false, {"a.html", "b.html"}},
      {"\n\na.html\n\r\n\nb.html\n\n", false, {"a.html", "b.html"}},
      {" a b.html \n\tc\n", false, {" a b.html ", "\tc"}},
      {"a\r\r\n", false, {"a\r"}},
      {"a\nb\na\n", false, {"a", "b", "a"}},
      {"*.html\n/abs/x?.htm\n", false, {"*.html", "/abs/x?.htm"}},
      {"", false, {}},
      {"a.html\0b\nc.html\0"s, true, {"a.html", "b\nc.html"}},
      {"a\r\0\0b"s, true, {"a\r", "b"}},
      {"\0"s, true, {}},
      {"one line\n"s, true, {"one line\n"}},
  };
  for (const auto& c : cas) {
    Chemins chemins;
    std::string erreur;
    EXPECT_TRUE(decouperListe(c.texte, c.nul, "'l'", chemins, erreur)) << erreur;
    EXPECT_EQ(chemins, c.attendu) << c.texte;
  }
}

TEST(ListeFichiers, NulByteInListOfLinesIsAnError) {
  using namespace std::string_literals;
  Chemins chemins;
  std::string erreur;
  EXPECT_FALSE(decouperListe("a\nb\nc\0d\0"s, false, "'l'", chemins, erreur));
  EXPECT_EQ(erreur, "file list 'l' holds a NUL byte (line 3): a list separated by NUL bytes is read with --null");
}

TEST(ListeFichiers, ReadsFileOrStandardInput) {
  using namespace std::string_literals;
  RepertoireTemporaire temporaire;
  creerFichier("liste", "a.html\r\nb.html\r\n");
  Chemins chemins;
  std::string erreur;
  ASSERT_TRUE(lireListe("liste", false, stdin, chemins, erreur)) << erreur;
  EXPECT_EQ(chemins, (Chemins{"a.html", "b.html"}));

  std::FILE* entree = std::tmpfile();
  ASSERT_NE(entree, nullptr);
  const std::string texte = "x.html\0y z.html\0"s;
  std::fwrite(texte.data(), 1, texte.size(), entree);
  std::rewind(entree);
  chemins.clear();
  ASSERT_TRUE(lireListe("-", true, entree, chemins, erreur)) << erreur;
  EXPECT_EQ(chemins, (Chemins{"x.html", "y z.html"}));
  // Standard input stays open: it is the caller's.
  EXPECT_EQ(std::fclose(entree), 0);
}

TEST(ListeFichiers, ListThatCannotBeReadIsAnError) {
  RepertoireTemporaire temporaire;
  ASSERT_EQ(mkdir("d", 0755), 0);
  std::FILE* repertoire = std::fopen("d", "r");  // every read of it fails
  ASSERT_NE(repertoire, nullptr);
  const struct {
    const char* source;
    std::FILE* entree;
    const char* attendu;
  } cas[] = {
      {"absente", stdin, "cannot open file list 'absente': No such file or directory"},
      {"d", stdin, "cannot open file list 'd': Is a directory"},
      {"-", repertoire, "cannot read file list standard input: Is a directory"},
  };
  for (const auto& c : cas) {
    Chemins chemins;
    std::string erreur;
    EXPECT_FALSE(lireListe(c.source, false, c.entree, chemins, erreur)) << c.source;
    EXPECT_EQ(erreur, c.attendu);
    EXPECT_TRUE(chemins.empty());
  }
  std::fclose(repertoire);
}

}  // namespace
