#include "foundation/affichage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "foundation/asciiansi.h"
#include "tests/memoire.h"

namespace {

unsigned char Octet(char c) { return static_cast<unsigned char>(c); }

TEST(AsciiAnsiTest, AnsiToOemBytes) {
  // é É à è ç Ç ü ß ÷ © « ° ÿ ƒ, and the broken bar shown as '|'.
  const std::pair<unsigned char, unsigned char> cas[] = {
      {0xE9, 0x82}, {0xC9, 0x90}, {0xE0, 0x85}, {0xE8, 0x8A}, {0xE7, 0x87},
      {0xC7, 0x80}, {0xFC, 0x81}, {0xDF, 0xE1}, {0xF7, 0xF6}, {0xA9, 0xB8},
      {0xAB, 0xAE}, {0xB0, 0xF8}, {0xFF, 0x98}, {0x83, 0x9F}, {0xA6, 0x7C},
  };
  AsciiAnsi conversion(true);
  for (const auto& [ansi, oem] : cas) {
    EXPECT_EQ(Octet(conversion.VersOem(static_cast<char>(ansi))), oem) << int{ansi};
  }
}

TEST(AsciiAnsiTest, UnpairedAnsiBytesUnchanged) {
  AsciiAnsi conversion(true);
  for (int c = 0x01; c <= 0xA0; ++c) {
    if (c == 0x83) continue;
    EXPECT_EQ(Octet(conversion.VersOem(static_cast<char>(c))), c) << c;
  }
}

TEST(AsciiAnsiTest, OemToAnsiBytes) {
  // ASCII letters and box drawing (0xC4, 0xB3, 0xDB) have no pair.
  const std::pair<unsigned char, unsigned char> cas[] = {
      {0x82, 0xE9}, {0x7C, 0xA6}, {0x9F, 0x83}, {0x90, 0xC9},
      {0x41, 0x41}, {0xC4, 0xC4}, {0xB3, 0xB3}, {0xDB, 0xDB},
  };
  AsciiAnsi conversion(false);
  for (const auto& [oem, ansi] : cas) {
    EXPECT_EQ(Octet(conversion.VersAnsi(static_cast<char>(oem))), ansi) << int{oem};
  }
}

TEST(AsciiAnsiTest, PairsAreABijection) {
  AsciiAnsi conversion(true);
  std::set<unsigned char> oems;
  // The 96 Windows-1252 codes that have a code page 850 counterpart.
  std::vector<int> codes = {0x83};
  for (int c = 0xA1; c <= 0xFF; ++c) codes.push_back(c);
  for (const int ansi : codes) {
    const char oem = conversion.VersOem(static_cast<char>(ansi));
    oems.insert(Octet(oem));
    EXPECT_EQ(Octet(conversion.VersAnsi(oem)), ansi) << ansi;
  }
  EXPECT_EQ(oems.size(), 96u);
}

TEST(AsciiAnsiTest, TextConversionAndDirectionChanges) {
  AsciiAnsi conversion(false);
  char texte[] = "\xC9l\xE9ment |";
  EXPECT_STREQ(conversion.VersOem(texte), "\x90l\x82ment |");
  EXPECT_TRUE(conversion.EstVersOem());
  EXPECT_STREQ(conversion.VersAnsi(texte), "\xC9l\xE9ment \xA6");
  EXPECT_FALSE(conversion.EstVersOem());

  // Convertit follows whatever direction the table was last built for.
  char octet[] = "\x82";
  EXPECT_STREQ(conversion.Convertit(octet), "\xE9");
  conversion.ChangeSens(true);
  EXPECT_STREQ(conversion.Convertit(octet), "\x82");
}

TEST(AsciiAnsiTest, CopiesKeepDirectionAndAreIndependent) {
  AsciiAnsi original(true);
  AsciiAnsi copie(original);
  copie.ChangeSens(false);
  EXPECT_TRUE(original.EstVersOem());
  char texte[] = "\xE9";
  EXPECT_STREQ(original.Convertit(texte), "\x82");

  AsciiAnsi affecte(true);
  affecte = copie;
  EXPECT_FALSE(affecte.EstVersOem());
  EXPECT_STREQ(affecte.Convertit(texte), "\xE9");
}

TEST(AffichageTest, PrintsCodePage850) {
  struct Cas { const char* texte; bool finLigne; std::string attendu; };
  const Cas cas[] = {
      {"\xC9l\xE9ment", false, "\x90l\x82ment"}, {"\xC9l\xE9ment", true, "\x90l\x82ment\n"},
      {"width=100%d %s %n", true, "width=100%d %s %n\n"}, {"", true, "\n"}, {"", false, ""},
      {"a\xA0z", false, "a\xA0z"}, {"x\xA6y", false, "x|y"},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(EcritPar(Affichage::Sortie::Oem850,
                       [&](const Affichage& a) { a.Affiche(c.texte, c.finLigne); }),
              c.attendu)
        << c.texte;
  }
}

TEST(AffichageTest, CopiesConvertTheSameToTheSameStream) {
  SortieMemoire memoire;
  const Affichage original(Affichage::Sortie::Oem850, memoire.Flux());
  const Affichage copie(original);
  SortieMemoire autre;
  Affichage brut(Affichage::Sortie::Brute, autre.Flux());
  brut.Affiche("\xE9", true);
  EXPECT_EQ(autre.Texte(), "\xE9\n");
  brut = original;
  for (const Affichage* a : {&original, &copie, static_cast<const Affichage*>(&brut)}) {
    a->Affiche("\xC9t\xE9", false);
  }
  EXPECT_EQ(memoire.Texte(), "\x90t\x82\x90t\x82\x90t\x82");
  EXPECT_EQ(autre.Texte(), "\xE9\n");

  // A copy of a printer on a channel writes to that channel.
  CanalMemoire canal;
  Affichage utf8(Affichage::Sortie::Utf8, canal);
  const Affichage& meme = utf8;
  utf8 = meme;
  utf8.Affiche("\xE9", false);
  Affichage(utf8).Imprime("%d", 7);
  EXPECT_EQ(canal.Texte(), "\xC3\xA9" "7");
}

TEST(AffichageTest, TheLocaleChoosesTheOutput) {
  // Whatever standard output is (a terminal, a pipe, a file): only the
  // locale's codeset counts.
  const char* const avant = std::getenv("LC_ALL");
  const std::string ancien = avant != nullptr ? avant : "";
  const std::pair<const char*, Affichage::Sortie> cas[] = {
      {"C", Affichage::Sortie::Oem850}, {"POSIX", Affichage::Sortie::Oem850},
      {"C.UTF-8", Affichage::Sortie::Utf8}, {"no_such_locale", Affichage::Sortie::Oem850},
  };
  for (const auto& [locale, attendu] : cas) {
    setenv("LC_ALL", locale, 1);
    EXPECT_EQ(Affichage::SortieConsole(), attendu) << locale;
  }
  if (avant != nullptr) {
    setenv("LC_ALL", ancien.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
}

TEST(AffichageTest, VersUtf8) {
  const std::string remplacement = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cas[] = {
      {"plain <a href=x>", "plain <a href=x>"}, {"\xE9", "\xC3\xA9"},
      {"\x80", "\xE2\x82\xAC"}, {"\x83", "\xC6\x92"}, {"\x9F", "\xC5\xB8"},
      {"\xA0", "\xC2\xA0"}, {"\xFF", "\xC3\xBF"},
      {"\x81", remplacement}, {"\x8D", remplacement}, {"\x8F", remplacement},
      {"\x90", remplacement}, {"\x9D", remplacement},
      // Valid UTF-8 passes as it is.
      {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"}, {"\xE2\x82\xAC", "\xE2\x82\xAC"},
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      // Anything else, overlong forms and surrogates included, is read byte by
      // byte as Windows-1252.
      {"\xC3", "\xC3\x83"}, {"\xC3" "A", "\xC3\x83" "A"},
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"\xF4\x90\x80\x80", "\xC3\xB4" + remplacement + "\xE2\x82\xAC\xE2\x82\xAC"},
      {"\xF0\x9F\x98", "\xC3\xB0\xC5\xB8\xCB\x9C"},
      {"caf\xE9 \xC3\xA9", "caf\xC3\xA9 \xC3\xA9"},
  };
  for (const auto& [entree, attendu] : cas) {
    std::string sortie;
    Affichage::VersUtf8(entree.c_str(), sortie);
    EXPECT_EQ(sortie, attendu) << entree;
  }
}

TEST(AffichageTest, Utf8Display) {
  const auto utf8 = [](const char* texte, bool finLigne) {
    return EcritPar(Affichage::Sortie::Utf8,
                    [&](const Affichage& a) { a.Affiche(texte, finLigne); });
  };
  EXPECT_EQ(utf8("\xC9t\xE9 100%s", true), "\xC3\x89t\xC3\xA9 100%s\n");
  EXPECT_EQ(utf8("", false), "");
  // A format longer than the stack buffer is written whole.
  const std::string longue(1000, 'x');
  EXPECT_EQ(EcritPar(Affichage::Sortie::Utf8,
                     [&](const Affichage& a) { a.Imprime("<%s>", longue.c_str()); }),
            "<" + longue + ">");
}

}  // namespace
