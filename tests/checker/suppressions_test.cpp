// Tests of pagevet-ignore comments: what is a directive, which findings a
// page's directives leave out at which line, and unknown ids.
#include "checker/suppressions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Ids = std::vector<std::string>;

TEST(Suppressions, ReadsDirectives) {
  const struct {
    const char* texte;
    bool directive;
    bool ligneSuivante;
    Ids ids;
  } cas[] = {
      {" pagevet-ignore unknown-tag ", true, false, {"unknown-tag"}},
      {"pagevet-ignore a,b", true, false, {"a", "b"}},
      {"\n\tpagevet-ignore  a , b,\r\n c\n", true, false, {"a", "b", "c"}},
      {" pagevet-ignore a b ", true, false, {"a", "b"}},
      {" pagevet-ignore a,,b, ", true, false, {"a", "b"}},
      {" pagevet-ignore-next-line missing-quotes ", true, true, {"missing-quotes"}},
      {" PageVet-Ignore-Next-Line X ", true, true, {"X"}},
      {" pagevet-ignore ", true, false, {}},
      {"pagevet-ignore", true, false, {}},
      {" pagevet-ignore-next-line", true, true, {}},
      {" pagevet-ignore a -- old widget ", true, false, {"a", "--", "old", "widget"}},
      // Ordinary comments.
      {" pagevet-ignored a ", false, false, {}},
      {" pagevet-ignore-next a ", false, false, {}},
      {" pagevet-ignore,a ", false, false, {}},
      {" note: pagevet-ignore a ", false, false, {}},
      {" pagevet ignore a ", false, false, {}},
      {"", false, false, {}},
  };
  for (const auto& c : cas) {
    DirectiveIgnore directive;
    directive.ids = {"left over"};
    ASSERT_EQ(lireDirectiveIgnore(c.texte, directive), c.directive) << "[" << c.texte << "]";
    if (!c.directive) continue;
    EXPECT_EQ(directive.ligneSuivante, c.ligneSuivante) << c.texte;
    EXPECT_EQ(directive.ids, c.ids) << c.texte;
  }
}

bool connu(std::string_view id) {
  return id == "unknown-tag" || id == "missing-quotes" || id == "no-robots" || id == "unknown-ignore";
}

TEST(Suppressions, AnswersByIdAndLine) {
  Suppressions suppressions(connu);
  // A page-wide directive late in the page; next-line ones, one of them
  // spread over lines 10 to 12 and one followed by another comment.
  EXPECT_TRUE(suppressions.Ajoute(" pagevet-ignore no-robots ", 40, 40));
  EXPECT_TRUE(suppressions.Ajoute(" pagevet-ignore-next-line unknown-tag, missing-quotes ", 5, 5));
  EXPECT_TRUE(suppressions.Ajoute("\n pagevet-ignore-next-line unknown-tag\n", 10, 12));
  EXPECT_TRUE(suppressions.Ajoute(" pagevet-ignore-next-line missing-quotes ", 20, 20));
  EXPECT_TRUE(suppressions.Ajoute(" pagevet-ignore-next-line unknown-tag ", 21, 21));
  EXPECT_FALSE(suppressions.Ajoute(" just a comment ", 30, 30));
  const struct {
    const char* id;
    int ligne;
    bool attendu;
  } cas[] = {
      {"no-robots", 0, true},        {"no-robots", 1, true},
      {"no-robots", 99, true},       {"unknown-tag", 0, false},
      {"unknown-tag", 5, false},     {"unknown-tag", 6, true},
      {"missing-quotes", 6, true},   {"unknown-tag", 7, false},
      {"unknown-tag", 11, false},    {"unknown-tag", 13, true},
      {"missing-quotes", 21, true},  {"missing-quotes", 22, false},
      {"unknown-tag", 22, true},     {"unknown-tag", 31, false},
      {"unknown-ta", 6, false},      {"Unknown-Tag", 6, false},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(suppressions.Supprime(c.id, c.ligne), c.attendu) << c.id << " at " << c.ligne;
  }
  EXPECT_TRUE(suppressions.Inconnus().empty());
}

TEST(Suppressions, UnknownIdsAreKeptWithTheirLine) {
  Suppressions suppressions(connu);
  suppressions.Ajoute(" pagevet-ignore unknown-tag,no-such-id ", 3, 3);
  suppressions.Ajoute("\npagevet-ignore-next-line nope\n", 8, 10);
  suppressions.Ajoute(" pagevet-ignore ", 15, 15);
  const std::vector<std::pair<std::string, int>> attendus = {{"no-such-id", 3}, {"nope", 8}, {"", 15}};
  ASSERT_EQ(suppressions.Inconnus().size(), attendus.size());
  for (std::size_t i = 0; i < attendus.size(); ++i) {
    EXPECT_EQ(suppressions.Inconnus()[i].id, attendus[i].first);
    EXPECT_EQ(suppressions.Inconnus()[i].ligne, attendus[i].second);
  }
  // The known id of the same comment still counts; an unknown one leaves
  // nothing out.
  EXPECT_TRUE(suppressions.Supprime("unknown-tag", 1));
  EXPECT_FALSE(suppressions.Supprime("nope", 11));
  EXPECT_EQ(messageIgnoreInconnu("nope"), "Unknown finding \"nope\" in pagevet-ignore");
}

}  // namespace
