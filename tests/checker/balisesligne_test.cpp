#include "checker/balisesligne.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/checker/balises_reference.h"

namespace {

// The one-pass reading must find exactly what the searches find.
void verifierCommeChercherBalise(const std::string& ligne) {
  EXPECT_EQ(ecartBalisesLigne(ligne.c_str()), "") << "[" << ligne << "]";
}

TEST(BalisesLigne, FindsWhatChercherBaliseFinds) {
  const char* const lignes[] = {
      "<html><head><title>a</title></head>",
      "</head><body>",
      "< head >< /head>< / head>",
      "<  meta name=x><meta>",
      "meta <meta>",
      "<metadata><meta-x><meta_y><meta1><meta>",
      "<title>a<title>b</title></title>",
      "</ title></title >",
      "<head lang=fr>",
      "<header><bodyx></bodyx></body>",
      "<<head>",
      "<\t\nbody>",
      "<",
      "",
      "no tag at all",
      "<a href='<head>'>",
      "</meta><meta>",
      "<//head></head>",
      "<p><blink>x</blink>",
      "<a><b",
      "<<a>",
      "<a>>b<",
      "< p>< /p>",
  };
  for (const char* ligne : lignes) verifierCommeChercherBalise(ligne);
}

TEST(BalisesLigne, AgreesWithChercherBaliseOnRandomLines) {
  // Lines built from the pieces that matter: brackets, slashes, blanks, the
  // names and the characters that make or break a whole word.
  const char* const morceaux[] = {"<", "<", "/", " ", "\t", ">", "head", "body",
                                  "meta", "title", "x", "-", "_", "1", "e"};
  const uint64_t nombreMorceaux = sizeof morceaux / sizeof morceaux[0];
  uint64_t etat = 42;
  const auto suivant = [&etat](uint64_t borne) {
    etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
    return (etat >> 33) % borne;
  };
  for (int i = 0; i < 20000; ++i) {
    std::string ligne;
    for (uint64_t k = suivant(12); k > 0; --k) ligne += morceaux[suivant(nombreMorceaux)];
    verifierCommeChercherBalise(ligne);
  }
}

}  // namespace
