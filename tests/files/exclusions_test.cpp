// Tests of --exclude's patterns: names at any depth, paths from the start,
// "**", directories only, normalised paths, and patterns built to backtrack.
#include "files/exclusions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Cas {
  const char* motif;
  const char* chemin;
  bool estRepertoire;
  bool attendu;
};

TEST(Exclusions, PatternsMatchPaths) {
  const Cas cas[] = {
      // A name at any depth, and all that its directory holds.
      {"node_modules", "node_modules", true, true},
      {"node_modules", "a/b/node_modules", true, true},
      {"node_modules", "a/node_modules/pkg/x.html", false, true},
      {"node_modules", "a/node_modules_old/x.html", false, false},
      {"node_modules", "my_node_modules", true, false},
      {".git", ".git/config", false, true},
      {"node_modules", "/abs/node_modules/a.html", false, true},
      {"site/a.html", "/site/a.html", false, false},
      {"*.min.html", "a.min.html", false, true},
      {"*.min.html", "js/lib/x.min.html", false, true},
      {"*.min.html", "x.min.html.bak", false, false},
      {"*.min.html", "a/b.min.htmlx/c.html", false, false},
      // '*' and '?' stay within a name.
      {"a*b", "ab", false, true},
      {"a*b", "a/b", false, false},
      {"a?c", "abc", false, true},
      {"a?c", "ac", false, false},
      {"a?c", "a/c", false, false},
      {"*", "x/y", false, true},
      {"*", ".hidden", false, true},
      // With '/': from the start only.
      {"site/drafts/**", "site/drafts/a.html", false, true},
      {"site/drafts/**", "site/drafts/x/y/a.html", false, true},
      {"site/drafts/**", "site/drafts", true, true},
      {"site/drafts/**", "site/drafts", false, false},
      {"site/drafts/**", "site/draftsx/a.html", false, false},
      {"site/drafts/**", "x/site/drafts/a.html", false, false},
      {"site/*.html", "site/a.html", false, true},
      {"site/*.html", "site/sub/a.html", false, false},
      {"/a.html", "a.html", false, true},
      {"/a.html", "x/a.html", false, false},
      {"site/docs/", "x/site/docs/a.html", false, false},
      // "**" as a whole part: any run of whole directories, none too.
      {"a/**/b", "a/b", false, true},
      {"a/**/b", "a/x/y/b", false, true},
      {"a/**/b", "a/xb", false, false},
      {"a/**/b", "xa/b", false, false},
      {"**/b.html", "b.html", false, true},
      {"**/b.html", "x/y/b.html", false, true},
      {"a/**/**/b", "a/x/b", false, true},
      {"a**b", "axyb", false, true},
      {"a**b", "ax/yb", false, false},
      {"**", "anything/at/all", false, true},
      {"/**", "top.html", false, true},
      // A final '/': directories only.
      {"build/", "build", true, true},
      {"build/", "build", false, false},
      {"build/", "x/build/a.html", false, true},  // no '/' before the end: any depth
      // Bytes stand for themselves, case included.
      {"A.html", "a.html", false, false},
      {"a\\b", "a\\b", false, true},
      {"[ab]", "a", false, false},
      {"[ab]", "[ab]", false, true},
      // Nothing leaves out the walk's start; an empty pattern nothing.
      {"*", "", true, false},
      {"", "a", false, false},
      {"/", "a", true, false},
  };
  for (const Cas& c : cas) {
    Exclusions exclusions;
    exclusions.Ajoute(c.motif);
    const bool exclu = c.estRepertoire ? exclusions.RepertoireExclu(c.chemin)
                                       : exclusions.FichierExclu(c.chemin);
    EXPECT_EQ(exclu, c.attendu) << c.motif << " on " << c.chemin;
  }
}

TEST(Exclusions, AnyPatternOfTheListLeavesOut) {
  Exclusions exclusions;
  EXPECT_FALSE(exclusions.FichierExclu("a.html"));
  exclusions.Ajoute("node_modules");
  exclusions.Ajoute("site/drafts/**");
  EXPECT_TRUE(exclusions.FichierExclu("x/node_modules/a.html"));
  EXPECT_TRUE(exclusions.FichierExclu("./site//drafts/a.html"));
  EXPECT_FALSE(exclusions.FichierExclu("site/a.html"));
  EXPECT_EQ(exclusions.Motifs().size(), 2u);
  EXPECT_EQ(exclusions.Motifs()[1].Texte(), "site/drafts/**");
}

TEST(Exclusions, PathsAreNormalisedAndMadeRelative) {
  const std::pair<const char*, const char*> normaux[] = {
      {"./a//b/./c", "a/b/c"}, {".", ""}, {"a/", "a"}, {"../x", "../x"},
      {"/abs//p", "/abs/p"},   {"", ""},  {"./", ""},  {"a/..b/.c", "a/..b/.c"},
  };
  for (const auto& c : normaux) EXPECT_EQ(Exclusions::Normaliser(c.first), c.second) << c.first;

  const struct {
    const char* chemin;
    const char* depart;
    const char* attendu;
  } relatifs[] = {
      {"/w/site/a.html", "/w", "site/a.html"}, {"/w/site/a.html", "/w/", "site/a.html"},
      {"/w", "/w", ""},                        {"/w2/a.html", "/w", "/w2/a.html"},
      {"/a.html", "/", "a.html"},              {"rel/a.html", "/w", "rel/a.html"},
      {"/w/a.html", "", "/w/a.html"},
  };
  for (const auto& c : relatifs) {
    EXPECT_EQ(Exclusions::RelatifA(c.chemin, c.depart), c.attendu) << c.chemin << " in " << c.depart;
  }
}

// Patterns that make a backtracking matcher take exponential time finish at
// once here; a regression shows as a test that never ends.
TEST(Exclusions, StarsDoNotBacktrack) {
  std::string motif;
  for (int i = 0; i < 40; ++i) motif += "*a";
  motif += "*b";
  const std::string nom(5000, 'a');
  std::string repertoires;
  for (int i = 0; i < 2000; ++i) repertoires += "a/";
  const std::string sansB = repertoires + "c";
  const Cas cas[] = {
      {motif.c_str(), nom.c_str(), false, false},
      {"**/a/**/a/**/a/**/a/**/a/**/b", sansB.c_str(), false, false},
      {"**/a/**/a/**/a/**/a/**/a/**/c", sansB.c_str(), false, true},
  };
  for (const Cas& c : cas) {
    Exclusions exclusions;
    exclusions.Ajoute(c.motif);
    EXPECT_EQ(exclusions.FichierExclu(c.chemin), c.attendu) << c.motif;
  }
}

}  // namespace
