// The long options of the command line, apart from the classic arguments.
#include "run/lignecommande.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Cas {
  std::vector<const char*> args;  // after the program's name
  std::string erreur;             // empty: accepted
  FormatRapport format;
  std::vector<std::string> classiques;  // after the program's name
  std::vector<std::string> apres;
  std::vector<Constat> ignores;
};

std::vector<std::string> enTextes(const std::vector<const char*>& textes, std::size_t debut) {
  return std::vector<std::string>(textes.begin() + static_cast<long>(debut), textes.end());
}

TEST(LigneCommande, ReadsLongOptionsAndLeavesTheRest) {
  using F = FormatRapport;
  const Cas cas[] = {
      {{"*.htm", "/d", "-d"}, "", F::Texte, {"*.htm", "/d", "-d"}, {}, {}},
      {{"--format=json", "a.htm"}, "", F::Json, {"a.htm"}, {}, {}},
      {{"--format", "gnu", "/s"}, "", F::Gnu, {"/s"}, {}, {}},
      {{"--form=sarif"}, "", F::Sarif, {}, {}, {}},
      {{"--format=json", "--format=text"}, "", F::Texte, {}, {}, {}},
      {{"--ignore=no-robots,unknown-tag", "--ignore", "no-title"}, "", F::Texte, {}, {},
       {kSansRobots, kBaliseInconnue, kSansTitre}},
      {{"x", "--", "--help", "/d", "--format=gnu"}, "", F::Texte, {"x"}, {"--help", "/d", "--format=gnu"}, {}},
      {{"--foo"}, "unrecognized option '--foo'", F::Texte, {}, {}, {}},
      {{"--format=xml"}, "invalid format 'xml' (text, gnu, json, jsonl, sarif)", F::Texte, {}, {}, {}},
      {{"--format="}, "invalid format '' (text, gnu, json, jsonl, sarif)", F::Texte, {}, {}, {}},
      {{"--format"}, "option '--format' requires an argument", F::Texte, {}, {}, {}},
      {{"--version=2"}, "option '--version' doesn't allow an argument", F::Texte, {}, {}, {}},
      {{"--ignore=no-robots,foo"}, "unknown finding 'foo' in --ignore", F::Texte, {}, {}, {}},
      {{"--ignore=no-robots,"}, "unknown finding '' in --ignore", F::Texte, {}, {}, {}},
      {{"---format=json"}, "unrecognized option '---format=json'", F::Texte, {}, {}, {}},
  };
  for (const Cas& c : cas) {
    std::vector<const char*> args{"pagevet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    LigneCommande ligne;
    std::string erreur;
    const bool accepte = ligne.Analyse(static_cast<int>(args.size()), args.data(), erreur);
    const std::string vu = c.args.empty() ? "" : c.args[0];
    EXPECT_EQ(accepte, c.erreur.empty()) << vu;
    EXPECT_EQ(erreur, c.erreur) << vu;
    if (!accepte) continue;
    EXPECT_EQ(ligne.Format(), c.format) << vu;
    ASSERT_FALSE(ligne.Classiques().empty());
    EXPECT_STREQ(ligne.Classiques()[0], "pagevet");
    EXPECT_EQ(enTextes(ligne.Classiques(), 1), c.classiques) << vu;
    EXPECT_EQ(enTextes(ligne.MasquesApres(), 0), c.apres) << vu;
    std::bitset<kNombreConstats> ignores;
    for (const Constat i : c.ignores) ignores.set(i);
    EXPECT_EQ(ligne.Ignores(), ignores) << vu;
  }
}

TEST(LigneCommande, SiteUrlMustBeAnAbsoluteHttpUrl) {
  const struct {
    const char* arg;
    bool accepte;
  } cas[] = {
      {"--site-url=https://docs.python.org/3/", true}, {"--site-url=HTTP://Example.org", true},
      {"--site-url=http://example.org:8080/a?b#c", true}, {"--site-url=/doc/", false},
      {"--site-url=ftp://example.org/", false},          {"--site-url=https://", false},
      {"--site-url=example.org", false},                 {"--site-url=", false},
  };
  for (const auto& c : cas) {
    const char* const args[] = {"pagevet", c.arg};
    LigneCommande ligne;
    std::string erreur;
    EXPECT_EQ(ligne.Analyse(2, args, erreur), c.accepte) << c.arg;
    if (c.accepte) {
      EXPECT_EQ(ligne.SiteUrl(), std::string(c.arg).substr(11)) << c.arg;
    } else {
      EXPECT_EQ(erreur, "invalid site URL '" + std::string(c.arg).substr(11) +
                            "' (an absolute http:// or https:// URL)");
    }
  }
  LigneCommande sans;
  std::string erreur;
  const char* const args[] = {"pagevet"};
  ASSERT_TRUE(sans.Analyse(1, args, erreur));
  EXPECT_EQ(sans.SiteUrl(), "");
}

TEST(LigneCommande, TheFirstOfHelpAndVersionStopsTheReading) {
  const char* const args[] = {"pagevet", "/d", "--vers", "--help", "--foo"};
  LigneCommande ligne;
  std::string erreur;
  EXPECT_TRUE(ligne.Analyse(5, args, erreur));
  EXPECT_TRUE(ligne.Version());
  EXPECT_FALSE(ligne.Aide());

  // An error before them is reported.
  const char* const avant[] = {"pagevet", "--foo", "--help"};
  LigneCommande autre;
  EXPECT_FALSE(autre.Analyse(3, avant, erreur));
}

TEST(LigneCommande, ReadsTheFailLevelAndTheSummary) {
  const struct {
    std::vector<const char*> args;
    std::string erreur;
    Niveau niveau;
    bool bilan;
  } cas[] = {
      {{}, "", Niveau::Note, false},
      {{"--fail-level=error"}, "", Niveau::Erreur, false},
      {{"--fail-level", "warning", "--summary"}, "", Niveau::Avertissement, true},
      {{"--fail-level=error", "--fail-level=note"}, "", Niveau::Note, false},
      {{"--fa=error", "--su"}, "", Niveau::Erreur, true},
      {{"--format=jsonl", "--summary"}, "", Niveau::Note, true},
      {{"--fail-level=Error"}, "invalid level 'Error' (error, warning, note)", Niveau::Note, false},
      {{"--fail-level="}, "invalid level '' (error, warning, note)", Niveau::Note, false},
      {{"--summary=yes"}, "option '--summary' doesn't allow an argument", Niveau::Note, false},
      {{"--f=gnu"},
       "option '--f' is ambiguous; possibilities: '--fail-level' '--files' '--files-from' "
       "'--follow-outside-links' '--format'",
       Niveau::Note, false},
  };
  for (const auto& c : cas) {
    std::vector<const char*> args{"pagevet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    LigneCommande ligne;
    std::string erreur;
    const bool lue = ligne.Analyse(static_cast<int>(args.size()), args.data(), erreur);
    const std::string nom = c.args.empty() ? "" : c.args.front();
    EXPECT_EQ(lue, c.erreur.empty()) << nom;
    EXPECT_EQ(erreur, c.erreur) << nom;
    if (!lue) continue;
    EXPECT_EQ(ligne.NiveauEchec(), c.niveau) << nom;
    EXPECT_EQ(ligne.Bilan(), c.bilan) << nom;
  }
}

}  // namespace
