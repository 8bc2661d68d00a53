// Tests of the entity, accent and separator tables and of the functions that
// decode entities, fold accents and tell word separators.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "html/tables.h"
#include "html/trthtml.h"
#include "tampon.h"

namespace {

std::string decode(const std::string& texte) {
  Tampon tampon(texte);
  return decoderEntites(tampon.Texte());
}

std::string sansAccents(const std::string& texte) {
  Tampon tampon(texte);
  return supprimerAccents(tampon.Texte());
}

const Entite* chercherEntite(const std::string& nom) {
  for (const Entite& entite : tableEntites) {
    if (nom == entite.nom) return &entite;
  }
  return nullptr;
}

TEST(Tables, EntitesCarryTheUnusualPoints) {
  EXPECT_STREQ(tableEntites[0].nom, "&lt;");
  EXPECT_STREQ(tableEntites[nombreEntites - 1].nom, "&divide;");
  ASSERT_NE(chercherEntite("&nbsp;"), nullptr);
  EXPECT_EQ(chercherEntite("&nbsp;")->code, 0x20);
  EXPECT_EQ(chercherEntite("&frac12;"), nullptr);
  ASSERT_NE(chercherEntite("&micro;"), nullptr);
  EXPECT_EQ(std::strstr(entitesSeparatrices, "&micro;"), nullptr);
}

TEST(Tables, SeparatingEntitiesAreAllInTheEntityTable) {
  EXPECT_EQ(std::strlen(entitesSeparatrices), 231u);
  int nombre = 0;
  for (const char* p = entitesSeparatrices; *p != '\0'; ++nombre) {
    const char* fin = std::strchr(p, ';');
    ASSERT_NE(fin, nullptr);
    const std::string nom(p, fin + 1);
    EXPECT_NE(chercherEntite(nom), nullptr) << nom;
    p = fin + 1;
  }
  EXPECT_EQ(nombre, 36);
}

TEST(Tables, PunctuationAndAccents) {
  EXPECT_STREQ(ponctuation, ".,;'?!:()[]{}=|`");
  EXPECT_EQ(std::strlen(tableAccents.accentues), 56u);
  EXPECT_EQ(std::strlen(tableAccents.simples), 56u);
}

TEST(Separateurs, AreTheDecodedEntitiesThenThePunctuation) {
  const unsigned char attendus[] = {
      0x22, 0x20, 0x3C, 0x3E, 0xA9, 0xAE, 0xAB, 0xBB, 0xB6, 0xBC, 0xBD,
      0xBE, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xAA, 0xAC,
      0xAD, 0xAF, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB7, 0xB8, 0xB9, 0xBA,
      0xBF, 0xD7, 0xF7, 0x2E, 0x2C, 0x3B, 0x27, 0x3F, 0x21, 0x3A, 0x28,
      0x29, 0x5B, 0x5D, 0x7B, 0x7D, 0x3D, 0x7C, 0x60};
  const std::string texte = texteSeparateurs();
  ASSERT_EQ(texte.size(), sizeof(attendus));
  for (size_t i = 0; i < sizeof(attendus); ++i) {
    EXPECT_EQ(static_cast<unsigned char>(texte[i]), attendus[i]) << i;
  }
}

TEST(Separateurs, Membership) {
  const struct {
    char c;
    bool separe;
  } cas[] = {
      {' ', true},     {'.', true},    {'\'', true},   {'`', true},
      {'"', true},     {'<', true},    {'\xA9', true}, {'\xF7', true},
      {'\t', false},   {'\n', false},  {'\r', false},  {'\v', false},
      {'\f', false},   {'\0', false},  {'&', false},   {'#', false},
      {'-', false},    {'_', false},   {'/', false},   {'a', false},
      {'7', false},    {'\xE9', false}, {'\xA0', false}, {'\xB5', false},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(estSeparateur(c.c), c.separe)
        << static_cast<int>(static_cast<unsigned char>(c.c));
  }
}

TEST(DecoderEntites, Cases) {
  const struct {
    const char* texte;
    const char* attendu;
  } cas[] = {
      {"caf&eacute;", "caf\xE9"},
      {"&#233;", "\xE9"},
      {"&#0233;", "&#0233;"},      // 4 digits
      {"&#233", "&#233"},          // no ';'
      {"&#x41;", "&#x41;"},
      {"&#;", "&#;"},
      {"&#321;", "A"},             // 321 modulo 256
      {"a&#0;b", "a"},             // a decoded 0 ends the text
      {"a&#256;b", "a"},
      {"&nbsp;", " "},
      {"&frac12;", "&frac12;"},
      {"&fraq12;", "\xBD"},
      {"&AMP;", "&AMP;"},
      {"&amp;lt;", "&lt;"},        // decoded text is not read again
      {"a & b &", "a & b &"},
      {"&", "&"},
      {"&#", "&#"},
      {"x&lt;y&gt;z", "x<y>z"},
      {"&Eacute;&eacute;&THORN;&thorn;", "\xC9\xE9\xDE\xFE"},
      {"&micro;&divide;&quot;", "\xB5\xF7\""},
      {"\xE9&#65;\xFF", "\xE9" "A\xFF"},
      {"", ""},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(decode(c.texte), c.attendu) << c.texte;
  }
}

TEST(SupprimerAccents, Cases) {
  const struct {
    const char* texte;
    const char* attendu;
  } cas[] = {
      {"caf\xE9", "cafe"},
      {"\xC9l\xE8ve", "eleve"},
      {"\xD0\xF0", "d\xF0"},
      {"\xC6\xE6\xDF\xDE\xFE", "\xC6\xE6\xDF\xDE\xFE"},
      {"\xC7\xD1\xE7\xF1\xDD\xFF\xD8\xF8", "cncnyyoo"},
      {"ABC xyz 123", "abc xyz 123"},
      {"\x80\xA0\xFF", "\x80\xA0y"},
      {"", ""},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(sansAccents(c.texte), c.attendu) << c.texte;
  }
}

TEST(SupprimerAccents, FoldsEveryTableLetter) {
  EXPECT_EQ(sansAccents(tableAccents.accentues),
            "aaaaaaeeeeiiiioooooouuuuyyaaaaaaeeeeiiiioooooouuuuycdncn");
}

TEST(EstEntiteSeparatrice, Cases) {
  const std::string vingtTroisNeufs(23, '9');               // 255 modulo 256
  const std::string congruA32 = "1" + std::string(20, '0') + "32";
  const struct {
    std::string texte;
    bool separe;
    int longueur;
  } cas[] = {
      {"&lt;b", true, 4},
      {"&amp;", false, 5},
      {"&LT;", false, 4},
      {"&micro;", false, 7},
      {"&nbsp;x", true, 6},
      {"&fraq14;", true, 8},
      {"&frac14;", false, 8},
      {"&#;", true, 3},                 // no digits read as 0
      {"&#32;", true, 5},
      {"&#169;", true, 6},
      {"&#9;", false, 4},
      {"&#160;", false, 6},
      {"&#0;", true, 4},
      {"&#256;", true, 6},
      {"&#12a;", false, 6},
      {"&#32", false, 4},               // no ';': never a separator
      {"&#", false, 2},
      {"&", true, 1},                   // at the very end
      {"&nbs", true, 4},                // cut by the end of the text
      {"&t;", false, 3},
      {"&;", false, 2},
      {"& b more text", false, 13},
      {"&" + std::string(30, 'a'), false, 26},
      {"&" + std::string(24, 'a') + ";", false, 26},
      {"&#" + congruA32 + ";", true, 26},
      {"&#" + vingtTroisNeufs + ";", false, 26},
      {"&#" + congruA32 + "0;", false, 26},  // ';' beyond the 26th
      {"&\xA0\xFF", false, 3},
  };
  for (const auto& c : cas) {
    Tampon tampon(c.texte);
    int longueur = -1;
    EXPECT_EQ(estEntiteSeparatrice(tampon.Texte(), longueur), c.separe)
        << c.texte;
    EXPECT_EQ(longueur, c.longueur) << c.texte;
  }
}

}  // namespace
