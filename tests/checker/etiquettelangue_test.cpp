#include "checker/etiquettelangue.h"

#include <gtest/gtest.h>

#include <cstring>

#include "checker/tablesiso.h"

namespace {

struct Cas {
  const char* etiquette;
  bool valide;
};

TEST(EtiquetteLangue, Lang) {
  const Cas cas[] = {
      {"en", true}, {"EN", true}, {" fr-CA\t", true}, {"en-GB", true}, {"en-UK", false},
      {"de-1996", true}, {"sl-rozaj-biske", true}, {"zh-Hant-TW", true}, {"zh-hant-tw", true},
      {"sr-Latn-RS", true}, {"es-419", true}, {"zh-yue-HK", true}, {"zh-zzz", false},
      {"ast", true}, {"fre", true}, {"qab", true}, {"qtz", true}, {"qua", true}, {"qzz", false},
      {"xx", false}, {"e", false}, {"engl", false}, {"english", false},
      {"en-Qaaz", true}, {"en-Qacx", false}, {"en-Abcd", false}, {"en-ZZ", false},
      {"en-a-bbb-x-a-ccc", true}, {"en-a", false}, {"en-a-b", false}, {"en-x", false},
      {"x-whatever", true}, {"x-12345678", true}, {"x-123456789", false},
      {"i-klingon", true}, {"EN-gb-OED", true}, {"zh-min-nan", true}, {"i-foo", false},
      {"en-", false}, {"-en", false}, {"en--GB", false}, {"", false}, {" ", false},
      {"en_GB", false}, {"en-GB-GB", false}, {"en-Latn-Latn", false}, {"en-123456789", false},
      {"en-1abc", true}, {"en-abcd-GB", false}, {"fr-Latn-FR-1694acad-u-ca-gregory", true},
  };
  for (const Cas& c : cas) EXPECT_EQ(langValide(c.etiquette), c.valide) << c.etiquette;
}

TEST(EtiquetteLangue, Hreflang) {
  const Cas cas[] = {
      {"x-default", true}, {"X-Default", true}, {"en", true}, {"en-gb", true}, {"en-UK", false},
      {"zh-Hant", true}, {"zh-Hant-TW", true}, {"zh-TW-Hant", false}, {"fra", false},
      {"es-419", false}, {"en-GB-oed", false}, {"i-klingon", false}, {"x-other", false},
      {"de-", false}, {"", false}, {"  de-AT ", true},
  };
  for (const Cas& c : cas) EXPECT_EQ(hreflangValide(c.etiquette), c.valide) << c.etiquette;
}

// Every table is sorted strictly, lower case, as the binary search needs,
// and its first and last codes are found.
TEST(EtiquetteLangue, TablesTriees) {
  struct Table {
    const char* codes;
    int nombre;
    size_t largeur;
    bool (*trouve)(std::string_view);
  };
  const Table tables[] = {
      {languesIso639Deux, kNombreLanguesIso639Deux, 2, estLangueIso639},
      {languesIso639Trois, kNombreLanguesIso639Trois, 3, estLangueIso639},
      {ecrituresIso15924, kNombreEcrituresIso15924, 4, estEcritureIso15924},
      {regionsIso3166, kNombreRegionsIso3166, 2, estRegionIso3166},
  };
  for (const Table& t : tables) {
    ASSERT_EQ(std::strlen(t.codes), t.nombre * t.largeur);
    for (int i = 0; i < t.nombre; ++i) {
      const std::string_view code(t.codes + i * t.largeur, t.largeur);
      for (char c : code) ASSERT_TRUE(c >= 'a' && c <= 'z') << code;
      if (i > 0) {
        ASSERT_LT(std::string_view(t.codes + (i - 1) * t.largeur, t.largeur), code);
      }
      ASSERT_TRUE(t.trouve(code)) << code;
    }
  }
}

}  // namespace
