#include "checker/balisesligne.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "html/tables.h"
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
      // Names are read in any letter case.
      "<HTML><HEAD><Title>a</TITLE></Head>",
      "<META NAME=x><BLINK><Br>",
      "<h1></H1><TBody>",
  };
  for (const char* ligne : lignes) verifierCommeChercherBalise(ligne);
}

TEST(BalisesLigne, StopsAtACommentWhenAsked) {
  const std::string ligne = "<p>a<!-- b --><head>";
  const BalisesLigne arret(ligne.c_str(), ligne.size(), JeuBalises::Html32, true);
  EXPECT_TRUE(arret.Commentaire());
  const BalisesLigne lue(ligne.c_str(), ligne.size());
  EXPECT_FALSE(lue.Commentaire());
  EXPECT_EQ(lue.NombreBalises(), 3);
  const std::string sans = "<p>a < !x><head>";
  EXPECT_FALSE(BalisesLigne(sans.c_str(), sans.size(), JeuBalises::Html32, true).Commentaire());
}

TEST(BalisesLigne, AgreesWithChercherBaliseOnRandomLines) {
  // Lines built from the pieces that matter: brackets, slashes, blanks, the
  // names and the characters that make or break a whole word.
  const char* const morceaux[] = {"<", "<", "/", " ", "\t", ">", "head", "body", "meta",
                                  "title", "x", "-", "_", "1", "e", "HEAD", "Body", "mEtA",
                                  "TITLE", "X", "E"};
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

bool inconnue(const std::string& ligne, JeuBalises jeu) {
  return BalisesLigne(ligne.c_str(), jeu).BaliseInconnue();
}

// HTML 3.2 reads the name after the '<' and its blanks; HTML5 reads a tag
// only where a letter, or '/' and a letter, follows the '<', and its name
// runs to a blank, '/' or '>'.
TEST(BalisesLigne, WhatALessThanSignOpens) {
  const struct {
    const char* ligne;
    bool html32;
    bool html5;
  } cas[] = {
      {"<p>a</p>", false, false},
      {"< p>", false, false},
      {"if (a < b)", false, false},    // 3.2: "b" is a tag, 5: text
      {"if (n < 10)", true, false},
      {"i<10", true, false},
      {"i<max", true, true},
      {"a <= b", true, false},
      {"x <\n", true, false},
      {"<?xml version=\"1.0\"?>", true, false},
      {"<-x>", true, false},
      {"</ p>", true, false},
      {"</p >", false, false},
      {"<br/>", true, false},
      {"<span class=x>", true, false},
      {"<nav", true, false},           // the name runs to the end of the line
      {"<a=b>", false, true},
      {"<svg:rect>", true, true},
      {"<\xE9t\xE9>", true, false},
      {"<p><center>", false, true},    // the first unknown name counts
      {"<a href=x><blink>", true, true},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(inconnue(c.ligne, JeuBalises::Html32), c.html32) << c.ligne;
    EXPECT_EQ(inconnue(c.ligne, JeuBalises::Html5), c.html5) << c.ligne;
  }
}

// Every name of the HTML5 table, obsolete names and near misses, custom
// elements; HTML 3.2 mode judges them all by its own table as before.
TEST(BalisesLigne, KnownNamesOfEachSet) {
  std::vector<std::pair<std::string, bool>> noms;  // known to HTML5
  for (const char* nom : tableBalisesHtml5) noms.emplace_back(nom, true);
  for (const char* nom : {"center", "font", "tt", "big", "strike", "frameset", "frame", "applet",
                          "marquee", "acronym", "isindex", "param", "spanx", "h7", "svgs"}) {
    noms.emplace_back(nom, false);
  }
  for (const char* nom : {"my-widget", "mdbook-sidebar-scrollbox", "x-"}) {
    noms.emplace_back(nom, true);
  }
  for (const auto& [nom, connu] : noms) {
    for (const std::string& ligne : {"<" + nom + ">", "</" + nom + ">", "<" + nom + " id=x/>"}) {
      EXPECT_EQ(inconnue(ligne, JeuBalises::Html5), !connu) << ligne;
      EXPECT_EQ(ecartBalisesLigne(ligne.c_str()), "") << ligne;
    }
  }
}

}  // namespace
