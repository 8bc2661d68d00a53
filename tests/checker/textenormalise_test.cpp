#include "checker/textenormalise.h"

#include <gtest/gtest.h>

namespace {

TEST(TexteNormalise, BlancsEtLongueur) {
  struct Cas {
    const char* texte;
    const char* normalise;
    size_t caracteres;
  };
  const Cas cas[] = {
      {"", "", 0},
      {" \t\r\n\f ", "", 0},
      {"Title", "Title", 5},
      {"  A\n  tale\tof\r\ntwo  ", "A tale of two", 13},
      {"a\xC2\xA0 b", "a\xC2\xA0 b", 4},                  // U+00A0 is kept
      {"\xE2\x80\x99quoted\xE2\x80\x99", "\xE2\x80\x99quoted\xE2\x80\x99", 8},
      {"\xF0\x9F\x98\x80 x", "\xF0\x9F\x98\x80 x", 3},  // one character outside the BMP
      {"a\vb", "a\vb", 3},                                 // VT is no ASCII white space
  };
  for (const Cas& c : cas) {
    const std::string n = texteNormalise(c.texte);
    EXPECT_EQ(n, c.normalise) << c.texte;
    EXPECT_EQ(nombreCaracteres(n), c.caracteres) << c.texte;
  }
}

}  // namespace
