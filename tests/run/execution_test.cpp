// The run as one value, read from command lines that mix the classic "/x"
// letters and masks with the long options.
#include "run/execution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/plateforme.h"

namespace {

using A = Execution::Action;

struct Cas {
  std::vector<const char*> args;  // after the program's name
  A action;
  std::vector<std::string> masques;
  bool developpe = false;
  bool simple = false;
  bool sousRepertoires = true;
  int travailleurs = 0;  // 0: one per processor
};

TEST(Execution, ReadsBothParsersIntoOneValue) {
  const Cas cas[] = {
      {{}, A::Examiner, {"index.htm"}},
      {{"--help"}, A::Aide, {}},
      {{"/?"}, A::AideCourte, {}},
      {{"/?", "--help"}, A::Aide, {}},
      {{"--version", "/?"}, A::Version, {}},
      {{"*.htm", "/d"}, A::Examiner, {"*.htm"}, true},
      {{"/s"}, A::Examiner, {"index.htm"}, false, true},
      // "/s" yields to "/d", in either order, in one argument or two.
      {{"/s", "/d"}, A::Examiner, {"index.htm"}, true, false},
      {{"/ds"}, A::Examiner, {"index.htm"}, true, false},
      {{"a.htm", "/1", "--", "/d", "--jobs=3", "-x"}, A::Examiner, {"a.htm", "/d", "--jobs=3", "-x"},
       false, false, false},
      // Only masks after "--": the default mask is not added.
      {{"--", "b.htm"}, A::Examiner, {"b.htm"}},
      {{"--"}, A::Examiner, {"index.htm"}},
      {{"--jobs=8", "x/y.htm"}, A::Examiner, {"x/y.htm"}, false, false, true, 8},
      {{"--jobs", "1"}, A::Examiner, {"index.htm"}, false, false, true, 1},
  };
  for (const Cas& c : cas) {
    std::vector<const char*> args{"pagevet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Execution execution;
    std::string erreur;
    const std::string vu = c.args.empty() ? "(none)" : c.args[0];
    ASSERT_TRUE(lireExecution(static_cast<int>(args.size()), args.data(), execution, erreur)) << vu;
    EXPECT_EQ(execution.action, c.action) << vu;
    if (c.action != A::Examiner) continue;
    EXPECT_EQ(execution.masques, c.masques) << vu;
    EXPECT_EQ(execution.examen.developpe, c.developpe) << vu;
    EXPECT_EQ(execution.examen.simple, c.simple) << vu;
    EXPECT_EQ(execution.sousRepertoires, c.sousRepertoires) << vu;
    EXPECT_EQ(execution.travailleurs,
              c.travailleurs > 0 ? c.travailleurs : plateforme::nombreProcesseurs()) << vu;
  }
}

TEST(Execution, CarriesFormatTagSetAndIgnoredIds) {
  const char* const args[] = {"pagevet", "--html5", "--format=sarif", "--ignore=no-title,no-head"};
  Execution execution;
  std::string erreur;
  ASSERT_TRUE(lireExecution(4, args, execution, erreur));
  EXPECT_EQ(execution.format, FormatRapport::Sarif);
  EXPECT_EQ(execution.examen.balises, JeuBalises::Html5);
  std::bitset<kNombreConstats> ignores;
  ignores.set(kSansTitre).set(kSansHead);
  EXPECT_EQ(execution.ignores, ignores);

  const char* const mauvais[] = {"pagevet", "/d", "--jobs=0"};
  EXPECT_FALSE(lireExecution(3, mauvais, execution, erreur));
  EXPECT_EQ(erreur, "invalid number of jobs '0' (1 to 1024)");
}

}  // namespace

namespace {

TEST(Execution, UnderFilesArgumentsArePathsUnlessTheyAreLetters) {
  struct CasFichiers {
    std::vector<const char*> args;
    std::vector<std::string> fichiers;
    bool developpe;
    bool sousRepertoires;
  };
  const CasFichiers cas[] = {
      {{"--files", "/abs/a.htm", "/d", "b*.htm", "-x.htm"}, {"/abs/a.htm", "b*.htm", "-x.htm"}, true, true},
      // Letters run together and mixed with '/'; a path that merely starts
      // with a letter's character is a path.
      {{"--files", "/1d", "/dev/x.htm", "/s/"}, {"/dev/x.htm"}, true, false},
      // After "--" everything is a path, letters' forms included.
      {{"--files", "--", "/d", "/1"}, {"/d", "/1"}, false, true},
      {{"--files-from=-", "/tmp/a.htm"}, {"/tmp/a.htm"}, false, true},
  };
  for (const CasFichiers& c : cas) {
    std::vector<const char*> args{"pagevet", "--no-config"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Execution execution;
    std::string erreur;
    ASSERT_TRUE(lireExecution(static_cast<int>(args.size()), args.data(), execution, erreur)) << c.args[1];
    EXPECT_TRUE(execution.fichiersSeuls);
    EXPECT_EQ(execution.fichiers, c.fichiers) << c.args[1];
    EXPECT_TRUE(execution.masques.empty()) << c.args[1];
    EXPECT_EQ(execution.examen.developpe, c.developpe) << c.args[1];
    EXPECT_EQ(execution.sousRepertoires, c.sousRepertoires) << c.args[1];
  }
  EXPECT_FALSE(estLettres("/"));
  EXPECT_FALSE(estLettres("/dx"));
  EXPECT_TRUE(estLettres("/?"));
}

TEST(Execution, TheCommandLineWinsOverTheNamedFile) {
  const std::string chemin = ::testing::TempDir() + "execution_config.toml";
  std::FILE* f = std::fopen(chemin.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fputs("masks = [\"*.html\"]\nformat = \"json\"\nignore = [\"no-title\"]\nexclude = [\"a\"]\n"
             "jobs = 3\ndevelop = true\nkeep-going = true\nsite-url = \"https://x.org/\"\n",
             f);
  std::fclose(f);
  const std::string option = "--config=" + chemin;
  struct CasConfig {
    std::vector<const char*> args;
    std::vector<std::string> masques;
    FormatRapport format;
    std::vector<std::string> exclusions;
    int travailleurs;
  };
  const CasConfig cas[] = {
      {{}, {"*.html"}, FormatRapport::Json, {"a"}, 3},
      {{"x.htm", "--format=gnu", "--exclude=b", "--jobs=2"}, {"x.htm"}, FormatRapport::Gnu, {"a", "b"}, 2},
  };
  for (const CasConfig& c : cas) {
    std::vector<const char*> args{"pagevet", option.c_str()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    Execution execution;
    std::string erreur;
    ASSERT_TRUE(lireExecution(static_cast<int>(args.size()), args.data(), execution, erreur)) << erreur;
    EXPECT_EQ(execution.masques, c.masques);
    EXPECT_EQ(execution.format, c.format);
    EXPECT_EQ(execution.exclusions, c.exclusions);
    EXPECT_EQ(execution.travailleurs, c.travailleurs);
    EXPECT_TRUE(execution.examen.developpe);
    EXPECT_TRUE(execution.continuer);
    EXPECT_TRUE(execution.ignores[kSansTitre]);
    EXPECT_EQ(execution.siteUrl, "https://x.org/");
  }
  // A file that cannot be read is the file's error, not the command line's.
  const char* const args[] = {"pagevet", "--config=/nonexistent/pagevet.toml"};
  Execution execution;
  std::string erreur;
  bool erreurFichier = false;
  EXPECT_FALSE(lireExecution(2, args, execution, erreur, erreurFichier));
  EXPECT_TRUE(erreurFichier);
  std::remove(chemin.c_str());
}

}  // namespace
