// Tests of the command-line analysis and mask completion.
#include "files/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/files/arbre.h"
#include "tests/memoire.h"

namespace {

struct Ligne {
  std::vector<const char*> args;
  Arguments arguments(bool completer = false) const {
    return Arguments(static_cast<int>(args.size()), args.data(), '/', completer);
  }
};

TEST(Arguments, SplitsOptionsFromMasks) {
  struct Cas {
    std::vector<const char*> args;
    bool retirer;
    std::vector<std::string> masques;
    const char* options;
    int nbOptions;
  };
  const Cas cas[] = {
      {{"pv"}, true, {}, "", 0},
      {{"pv", "/1d"}, true, {}, "1D", 1},
      {{"pv", "/1", "/d"}, true, {}, "1D", 2},
      {{"pv", "/d/1"}, true, {}, "D1", 1},
      {{"pv", "/D", "/1"}, false, {}, "/D/1", 2},
      {{"pv", "/"}, true, {}, "", 1},
      {{"pv", "a/b", "", "*.HTM"}, true, {"a/b", "", "*.HTM"}, "", 0},
      {{"pv", "/s", "x.htm", "/?", "*.*", "/d"}, true, {"x.htm", "*.*"}, "S?D", 3},
      {{"pv", "/\xe9t\xe9"}, true, {}, "\xe9T\xe9", 1},
  };
  for (const Cas& c : cas) {
    Arguments arguments(static_cast<int>(c.args.size()), c.args.data(), '/', false);
    Vecteur<String> masques(3);
    String options("old");
    EXPECT_EQ(arguments.nbOptions(), c.nbOptions);
    EXPECT_EQ(arguments.analyser(masques, options, c.retirer),
              static_cast<int>(c.masques.size()));
    EXPECT_EQ(enListe(masques), c.masques);
    EXPECT_STREQ(options.Texte(), c.options);
    EXPECT_STREQ(arguments.Options().Texte(), c.options);
  }
}

TEST(Arguments, CompletesMasksFromTheArgumentBefore) {
  const char* cas[][3] = {
      {"src\\page.htm", "*.bak", "page.bak"},
      {"src\\page.htm", "*", "page.htm"},
      {"src\\page.htm", "x.*", "x.htm"},
      {"src\\page.htm", "dest\\*", "dest\\page.htm"},
      {"src\\page.htm", "dest\\*.bak", "dest\\page.bak"},
      {"src\\page.htm", "dest\\*.*", "dest\\page.htm"},
      {"src\\page.htm", "dest\\a*.bak", "dest\\a*.bak"},
      {"readme", "*.bak", "readme.bak"},
      {"readme", "x.*", "x"},
      {"readme", "dest\\*.*", "dest\\readme"},
      {"page.old.htm", "x.*", "x.old.htm"},
      {"page.old.htm", "*.bak", "page.bak"},
      {"page.htm", "plain.txt", "plain.txt"},
      {"page.htm", "", ""},
  };
  for (const auto& c : cas) {
    const Ligne ligne{{"pv", c[0], c[1]}};
    EXPECT_STREQ(ligne.arguments(true).developper(2, 0).Texte(), c[2]) << c[0] << " " << c[1];
    EXPECT_STREQ(ligne.arguments(false).developper(2, 0).Texte(), c[1]);
    EXPECT_STREQ(ligne.arguments(true).developper(1, 0).Texte(), c[0]);
  }
}

TEST(Arguments, CompletionPassesOverOptionsAndChains) {
  const Ligne ligne{{"pv", "a.htm", "/d", "*.bak", "x.*", "/q"}};
  const Arguments arguments = ligne.arguments(true);
  EXPECT_STREQ(arguments.developper(2, 0).Texte(), "/d");
  EXPECT_STREQ(arguments.developper(2, 1).Texte(), "a.htm");
  EXPECT_STREQ(arguments.developper(3, 0).Texte(), "a.bak");
  EXPECT_STREQ(arguments.developper(4, 0).Texte(), "x.bak");
  EXPECT_STREQ(arguments.developper(9, 0).Texte(), "");

  const Ligne optionEnTete{{"pv", "/d", "*.bak"}};
  EXPECT_STREQ(optionEnTete.arguments(true).developper(2, 0).Texte(), "*.bak");

  Vecteur<String> masques;
  Arguments complete = ligne.arguments(true);
  EXPECT_EQ(complete.analyser(masques, true), 3);
  EXPECT_EQ(enListe(masques), (std::vector<std::string>{"a.htm", "a.bak", "x.bak"}));
  EXPECT_STREQ(complete.Options().Texte(), "DQ");
}

TEST(Arguments, NumbersMasksAndComparesThem) {
  const Ligne ligne{{"pv", "a.htm", "/d", "*.bak", "a.htm"}};
  const Arguments arguments = ligne.arguments(true);
  const std::pair<int, const char*> rangs[] = {{0, ""}, {1, "a.htm"}, {2, "a.bak"},
                                               {3, "a.htm"}, {4, ""}, {-1, ""}};
  for (const auto& r : rangs) EXPECT_STREQ(arguments.masqueNumero(r.first).Texte(), r.second);

  SortieMemoire messages;
  EXPECT_FALSE(arguments.differents(1, 3, "same", true, messages.Flux()));
  EXPECT_TRUE(arguments.differents(1, 2, "same", true, messages.Flux()));
  EXPECT_FALSE(arguments.differents(1, 4, "", false, messages.Flux()));
  EXPECT_FALSE(arguments.differents(1, 4, nullptr, false, messages.Flux()));
  EXPECT_TRUE(arguments.differents(1, 3, "differ", false, messages.Flux()));
  EXPECT_EQ(messages.Texte(), "same\n");

  Vecteur<String> liste = masques({"x", "", "y z"});
  SortieMemoire listage;
  Arguments::afficherListe(liste, listage.Flux());
  EXPECT_EQ(listage.Texte(), "x\n\ny z\n");
}

}  // namespace
