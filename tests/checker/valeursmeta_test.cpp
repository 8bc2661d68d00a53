#include "checker/valeursmeta.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ValeursMeta, EnsemblesFermes) {
  struct Cas {
    bool (*juge)(std::string_view);
    const char* valeur;
    bool connu;
  };
  const Cas cas[] = {
      {estEtiquetteUtf8, "utf-8", true},
      {estEtiquetteUtf8, " UTF8 ", true},
      {estEtiquetteUtf8, "Unicode-1-1-UTF-8", true},
      {estEtiquetteUtf8, "x-unicode20utf8", true},
      {estEtiquetteUtf8, "utf-16", false},
      {estEtiquetteUtf8, "iso-8859-1", false},
      {estEtiquetteUtf8, "utf 8", false},
      {estEtiquetteUtf8, "\"utf-8\"", false},
      {estEtiquetteUtf8, "", false},
      {estHttpEquivConnu, "Content-Type", true},
      {estHttpEquivConnu, "X-UA-Compatible", true},
      {estHttpEquivConnu, "content-security-policy", true},
      {estHttpEquivConnu, "expires", false},
      {estHttpEquivConnu, "set-cookie", false},
      {estCarteTwitterConnue, "summary_large_image", true},
      {estCarteTwitterConnue, "Player", true},
      {estCarteTwitterConnue, "photo", false},
      {estCarteTwitterConnue, "summary large image", false},
  };
  for (const Cas& c : cas) EXPECT_EQ(c.juge(c.valeur), c.connu) << c.valeur;
}

TEST(ValeursMeta, Rafraichissement) {
  struct Cas {
    const char* contenu;
    bool valide;
    uint32_t secondes;
    const char* ecrit;
    bool immediat;
    bool differe;
  };
  const Cas cas[] = {
      {"0; url=next.html", true, 0, "0", true, false},
      {"0", true, 0, "0", true, false},
      {"  5", true, 5, "5", false, true},
      {"0.5;url=x", true, 0, "0.5", true, false},
      {".5", true, 0, ".5", true, false},
      {"3.7.1, url=x", true, 3, "3.7.1", false, true},
      {"10 url=x", true, 10, "10", false, true},
      {"72000", true, 72000, "72000", false, true},
      {"72001", true, 72001, "72001", false, false},
      {"99999999999999999999", true, UINT32_MAX, "99999999999999999999", false, false},
      {"", false, 0, "", false, false},
      {"   ", false, 0, "", false, false},
      {"url=x", false, 0, "", false, false},
      {"-1", false, 0, "", false, false},
      {"5s", false, 0, "", false, false},
      {"; url=x", false, 0, "", false, false},
  };
  for (const Cas& c : cas) {
    const Rafraichissement r = lisRafraichissement(c.contenu);
    EXPECT_EQ(r.valide, c.valide) << c.contenu;
    EXPECT_EQ(r.secondes, c.secondes) << c.contenu;
    EXPECT_EQ(std::string(r.ecrit), c.ecrit) << c.contenu;
    EXPECT_EQ(r.Immediat(), c.immediat) << c.contenu;
    EXPECT_EQ(r.Differe(), c.differe) << c.contenu;
  }
}

}  // namespace
