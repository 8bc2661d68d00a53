// Tests of the configuration file: found upward and stopped at .git, every
// key's type, each error with its line and column, the merge with the
// command line, and the --show-config text.
#include "run/configuration.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/files/arbre.h"

namespace {

TEST(Configuration, FoundUpwardAndStoppedAtGit) {
  const struct {
    std::vector<const char*> fichiers;  // created with their parents; "x/" a directory
    const char* courant;
    const char* attendu;
  } cas[] = {
      {{".git/", "pagevet.toml", "a/b/"}, "a/b", "../../pagevet.toml"},
      {{".git/", "pagevet.toml", "a/.pagevet.toml", "a/b/"}, "a/b", "../.pagevet.toml"},
      {{".git/", "a/.pagevet.toml", "a/pagevet.toml"}, "a", "pagevet.toml"},
      {{".git/", "pagevet.toml"}, ".", "pagevet.toml"},
      // A .git stops the search after its own directory was looked at.
      {{"pagevet.toml", "repo/.git/", "repo/sub/"}, "repo/sub", ""},
      {{"pagevet.toml", "repo/.git/", "repo/pagevet.toml", "repo/sub/"}, "repo/sub", "../pagevet.toml"},
      // The .git file of a worktree or submodule stops it too.
      {{"pagevet.toml", "repo/.git", "repo/sub/"}, "repo/sub", ""},
      // A directory of that name is no configuration file.
      {{".git/", "pagevet.toml", "a/pagevet.toml/"}, "a", "../pagevet.toml"},
      {{".git/", "a/"}, "a", ""},
  };
  for (const auto& c : cas) {
    RepertoireTemporaire temporaire;
    for (const std::string f : c.fichiers) {
      if (f.back() == '/') {
        std::filesystem::create_directories(f);
      } else {
        creerFichier(f);
      }
    }
    std::filesystem::current_path(c.courant);
    EXPECT_EQ(chercherConfiguration(), c.attendu) << c.courant;
  }
}

bool connu(std::string_view id) { return id == "unknown-tag" || id == "no-robots"; }

TEST(Configuration, ReadsEveryKey) {
  const char* const texte =
      "masks = [\"*.htm\", \"*.html\"]\nmodern = true\nhtml5 = false\nignore = [\"unknown-tag\"]\n"
      "exclude = [\"node_modules\", \"site/drafts/**\"]\nformat = \"json\"\njobs = 4\n"
      "title-max = 70\ndescription-max = 10000\nsite-url = \"https://example.org/\"\n"
      "develop = true\nsyntax-only = false\nno-subdirectories = true\nkeep-going = true\n"
      "fail-level = \"warning\"\nfollow-outside-links = false\n";
  Configuration config;
  std::string erreur;
  ASSERT_TRUE(analyserConfiguration(texte, "pagevet.toml", connu, config, erreur)) << erreur;
  EXPECT_EQ(config.chemin, "pagevet.toml");
  EXPECT_EQ(config.masques, (std::vector<std::string>{"*.htm", "*.html"}));
  EXPECT_EQ(config.moderne, true);
  EXPECT_EQ(config.html5, false);
  EXPECT_EQ(config.ignores, std::vector<std::string>{"unknown-tag"});
  EXPECT_EQ(config.exclusions, (std::vector<std::string>{"node_modules", "site/drafts/**"}));
  EXPECT_EQ(config.format, "json");
  EXPECT_EQ(config.taches, 4);
  EXPECT_EQ(config.titreMax, 70);
  EXPECT_EQ(config.descriptionMax, 10000);
  EXPECT_EQ(config.urlSite, "https://example.org/");
  EXPECT_EQ(config.developpe, true);
  EXPECT_EQ(config.syntaxeSeule, false);
  EXPECT_EQ(config.sansSousRepertoires, true);
  EXPECT_EQ(config.continuer, true);
  EXPECT_EQ(config.niveauEchec, "warning");
  EXPECT_EQ(config.suivreLiensExterieurs, false);
  // Rendered back, it reads the same; a key not set is not shown.
  Configuration relue;
  const std::string rendu = texteConfiguration(config);
  ASSERT_TRUE(analyserConfiguration(rendu, "rendu", connu, relue, erreur)) << erreur;
  EXPECT_EQ(texteConfiguration(relue), "# configuration file: rendu\n" + rendu.substr(rendu.find('\n') + 1));
  int lignes = 0;
  for (const char c : rendu) lignes += c == '\n';
  EXPECT_EQ(lignes, 1 + Configuration::kNombreCles);
}

TEST(Configuration, EachErrorHasItsLineAndColumn) {
  const struct {
    const char* texte;
    const char* attendu;
  } cas[] = {
      {"modern = true\nfoo = 1\n", "F:2:1: unknown key 'foo'"},
      {"[masks]\n", "F:1:1: 'masks' must be a list of strings"},
      {"[tool.pagevet]\njobs = 2\n", "F:1:2: unknown key 'tool'"},
      {"modern = \"yes\"\n", "F:1:10: 'modern' must be true or false"},
      {"jobs = 2.0\n", "F:1:8: 'jobs' must be an integer"},
      {"  jobs = 0\n", "F:1:10: 'jobs' must be from 1 to 1024"},
      {"jobs = 1025\n", "F:1:8: 'jobs' must be from 1 to 1024"},
      {"title-max = 10001\n", "F:1:13: 'title-max' must be from 1 to 10000"},
      {"description-max = -5\n", "F:1:19: 'description-max' must be from 1 to 10000"},
      {"format = \"xml\"\n", "F:1:10: 'format' must be text, gnu, json, jsonl or sarif"},
      {"fail-level = \"fatal\"\n", "F:1:14: 'fail-level' must be error, warning or note"},
      {"site-url = 3\n", "F:1:12: 'site-url' must be a string"},
      {"masks = \"*.htm\"\n", "F:1:9: 'masks' must be a list of strings"},
      {"exclude = [\"a\",\n  2]\n", "F:2:3: 'exclude' must be a list of strings"},
      {"ignore = [\"unknown-tag\", \"nope\"]\n", "F:1:26: unknown finding 'nope' in 'ignore'"},
  };
  for (const auto& c : cas) {
    Configuration config;
    config.format = "left alone";
    std::string erreur;
    EXPECT_FALSE(analyserConfiguration(c.texte, "F", connu, config, erreur)) << c.texte;
    EXPECT_EQ(erreur, c.attendu);
    EXPECT_EQ(config.format, "left alone");  // nothing half read
  }
}

TEST(Configuration, SyntaxErrorsHaveTheirLineAndColumn) {
  const struct {
    const char* texte;
    const char* position;
  } cas[] = {
      {"modern = true\njobs = \n", "F:2:"},
      {"modern = true\nmodern = false\n", "F:2:"},
      {"masks = [\"a\"\n", "F:"},
      {"title = \"\xff\"\n", "F:1:"},
  };
  for (const auto& c : cas) {
    Configuration config;
    std::string erreur;
    EXPECT_FALSE(analyserConfiguration(c.texte, "F", connu, config, erreur)) << c.texte;
    EXPECT_EQ(erreur.rfind(c.position, 0), 0u) << erreur;
    // FILE:LINE:COLUMN: message, the line and column numbers from 1.
    unsigned ligne = 0, colonne = 0;
    EXPECT_EQ(std::sscanf(erreur.c_str(), "F:%u:%u: ", &ligne, &colonne), 2) << erreur;
    EXPECT_GE(ligne, 1u);
    EXPECT_GE(colonne, 1u);
  }
}

TEST(Configuration, FileThatCannotBeReadIsAnError) {
  RepertoireTemporaire temporaire;
  ASSERT_EQ(mkdir("d.toml", 0755), 0);
  const struct {
    const char* chemin;
    const char* attendu;
  } cas[] = {
      {"absent.toml", "cannot open configuration file 'absent.toml': No such file or directory"},
      {"d.toml", "cannot open configuration file 'd.toml': Is a directory"},
  };
  for (const auto& c : cas) {
    Configuration config;
    std::string erreur;
    EXPECT_FALSE(lireConfiguration(c.chemin, connu, config, erreur));
    EXPECT_EQ(erreur, c.attendu);
  }
  creerFichier("pagevet.toml", "jobs = 3\n");
  Configuration config;
  std::string erreur;
  ASSERT_TRUE(lireConfiguration("pagevet.toml", connu, config, erreur)) << erreur;
  EXPECT_EQ(config.taches, 3);
}

TEST(Configuration, CommandLineOverFile) {
  Configuration fichier;
  fichier.chemin = "pagevet.toml";
  fichier.masques = {{"*.htm"}};
  fichier.ignores = {{"no-robots"}};
  fichier.exclusions = {{"node_modules"}};
  fichier.format = "json";
  fichier.moderne = true;
  fichier.taches = 2;
  Configuration ligne;
  ligne.masques = {{"a.html"}};
  ligne.ignores = {{"unknown-tag"}};
  ligne.format = "text";
  ligne.moderne = false;
  ligne.continuer = true;
  const Configuration effet = fusionner(fichier, ligne);
  EXPECT_EQ(effet.chemin, "pagevet.toml");
  EXPECT_EQ(effet.masques, std::vector<std::string>{"a.html"});
  EXPECT_EQ(effet.ignores, (std::vector<std::string>{"no-robots", "unknown-tag"}));
  EXPECT_EQ(effet.exclusions, std::vector<std::string>{"node_modules"});
  EXPECT_EQ(effet.format, "text");
  EXPECT_EQ(effet.moderne, false);
  EXPECT_EQ(effet.taches, 2);
  EXPECT_EQ(effet.continuer, true);
  EXPECT_FALSE(effet.html5.has_value());
}

TEST(Configuration, ShowsOptionsInTomlSyntax) {
  Configuration config;
  EXPECT_EQ(texteConfiguration(config), "# no configuration file\n");
  config.chemin = "../pagevet.toml";
  config.masques = {{"a \"b\"\\c", "tab\there", std::string("\x01\x7f\xe9", 3)}};
  config.taches = 8;
  config.html5 = false;
  config.exclusions = std::vector<std::string>{};
  EXPECT_EQ(texteConfiguration(config),
            "# configuration file: ../pagevet.toml\n"
            "masks = [\"a \\\"b\\\"\\\\c\", \"tab\\there\", \"\\u0001\\u007F\xe9\"]\n"
            "html5 = false\n"
            "exclude = []\n"
            "jobs = 8\n");
}

}  // namespace
