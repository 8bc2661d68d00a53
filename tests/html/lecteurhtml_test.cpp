// Tests of the HTML reader: character references, comments, raw text, the
// DOCTYPE's mode, what ends the head, positions on both character sets, and
// pages cut into blocks anywhere.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html/lecteurhtml.h"

namespace {

// Records everything the reader tells, as one text per kind.
class Enregistreur : public VisiteurHtml {
 public:
  void ElementTete(const BaliseHtml& balise, const std::string& texte) override {
    tete += balise.nom;
    for (std::size_t i = 0; i < balise.nombreAttributs; ++i) {
      tete += " " + balise.attributs[i].nom + "=[" + balise.attributs[i].valeur + "]";
    }
    if (balise.nom == "title") tete += " {" + texte + "}";
    tete += " @" + std::to_string(balise.fin) + ";";
  }
  void BaliseOuvrante(const BaliseHtml& balise) override {
    balises += balise.nom + " ";
    positions += std::to_string(balise.position.ligne) + ":" +
                 std::to_string(balise.position.colonne) + ":" +
                 std::to_string(balise.position.octet) + " ";
    sources.push_back(balise.source);
  }
  void TeteIgnoree(const BaliseHtml& balise) override {
    ignorees += std::to_string(balise.position.ligne) + ":" + std::to_string(balise.position.colonne) + " ";
  }
  bool VeutTexte() const override { return true; }
  void Texte(const char* texte, std::size_t n, bool separe) override {
    if (separe && !mots.empty()) mots += "|";
    mots.append(texte, n);
  }

  std::string tete, balises, positions, ignorees, mots;
  std::vector<std::string> sources;
};

struct Lecture {
  Enregistreur vu;
  EnteteHtml entete;
};

// Reads page in blocks of `bloc` bytes, each in a buffer of its exact size so
// that the sanitizers catch a read past a block's end.
void lire(const std::string& page, Lecture& lecture, JeuCaracteres jeu = JeuCaracteres::Utf8,
          std::size_t marque = 0, std::size_t bloc = 1 << 20) {
  LecteurHtml lecteur(jeu, marque, lecture.vu);
  for (std::size_t debut = 0; debut < page.size(); debut += bloc) {
    const std::vector<char> octets(page.begin() + static_cast<long>(debut),
                                   page.begin() + static_cast<long>(std::min(page.size(), debut + bloc)));
    lecteur.Lire(octets.data(), octets.size());
  }
  lecteur.Finir();
  lecture.entete = lecteur.Entete();
}

std::string mots(const std::string& page, JeuCaracteres jeu = JeuCaracteres::Utf8) {
  Lecture lecture;
  lire(page, lecture, jeu);
  return lecture.vu.mots;
}

std::string tete(const std::string& page, JeuCaracteres jeu = JeuCaracteres::Utf8) {
  Lecture lecture;
  lire(page, lecture, jeu);
  return lecture.vu.tete;
}

TEST(LecteurHtml, CharacterReferencesInText) {
  const struct {
    const char* page;
    const char* texte;
  } cas[] = {
      {"<body>a &amp; b", "a & b"},
      {"<body>&amp&lt;&gt", "&<>"},
      {"<body>&notit; &notin;", "\xC2\xACit; \xE2\x88\x89"},
      {"<body>&#x80;&#128;&#x9F;&#x81;", "\xE2\x82\xAC\xE2\x82\xAC\xC5\xB8\xC2\x81"},
      {"<body>&#0;|&#x110000;|&#xD800;|&#99999999999;", "\xEF\xBF\xBD|\xEF\xBF\xBD|\xEF\xBF\xBD|\xEF\xBF\xBD"},
      {"<body>&#65&#x42;&#X43", "ABC"},
      {"<body>&#x; &#; &# &zzzz; & x &", "&#x; &#; &# &zzzz; & x &"},
      {"<body>&NotEqualTilde;", "\xE2\x89\x82\xCC\xB8"},
      {"<body>&AElig&aacute;&CounterClockwiseContourIntegral;", "\xC3\x86\xC3\xA1\xE2\x88\xB3"},
      {"<body>&copyx &copy=", "\xC2\xA9x \xC2\xA9="},
      {"<title>A &amp; B</title>", "A & B"},
  };
  for (const auto& c : cas) EXPECT_EQ(mots(c.page), c.texte) << c.page;
}

TEST(LecteurHtml, CharacterReferencesInAttributes) {
  const struct {
    const char* valeur;
    const char* decodee;
  } cas[] = {
      {"&copy=x", "&copy=x"},       // the legacy rule: a name without ';' before '='
      {"&copyx", "&copyx"},         // ... or before a letter or digit
      {"&copy x", "\xC2\xA9 x"},
      {"&copy;x", "\xC2\xA9x"},
      {"&notit;", "&notit;"},
      {"&not;it", "\xC2\xACit"},
      {"a&amp;b&#x41;", "a&bA"},
      {"?a=1&b=2", "?a=1&b=2"},
      {"x\r\ny\rz", "x\ny\nz"},
      {"&#0;", "\xEF\xBF\xBD"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(tete(std::string("<meta content=\"") + c.valeur + "\">"),
              std::string("meta content=[") + c.decodee + "] @" +
                  std::to_string(std::string(c.valeur).size() + 17) + ";")
        << c.valeur;
  }
}

TEST(LecteurHtml, CommentsAndBogusComments) {
  const struct {
    const char* page;
    const char* texte;
    const char* balises;
  } cas[] = {
      {"<body>a<!-- x -->b", "a|b", "body "},
      {"<body>a<!-->b<!--->c", "a|b|c", "body "},
      {"<body>a<!-- x --!>b", "a|b", "body "},
      {"<body>a<!-- <p> -- -> --->b", "a|b", "body "},
      {"<body>a<?php <p> ?>b", "a| ?>b", "body "},  // the first '>' ends it
      {"<body>a<![CDATA[<p>]]>b", "a|]]>b", "body "},
      {"<body>a</ x>b</>c", "a|b|c", "body "},
      {"<body>a<!-- unclosed <p>b</p>", "a", "body "},
      {"<body>a<!x>b", "a|b", "body "},
  };
  for (const auto& c : cas) {
    Lecture lecture;
    lire(c.page, lecture);
    EXPECT_EQ(lecture.vu.mots, c.texte) << c.page;
    EXPECT_EQ(lecture.vu.balises, c.balises) << c.page;
  }
}

TEST(LecteurHtml, RawTextElements) {
  const struct {
    const char* page;
    const char* balises;
    const char* texte;
  } cas[] = {
      {"<title><b>x</b></title><i>", "title i ", "<b>x</b>"},
      {"<textarea><p></textareax></TEXTAREA ><i>", "textarea i ", "<p></textareax>"},
      {"<body><xmp><p></xmp><i>", "body xmp i ", "<p>"},
      {"<body><style></stylex><p></style><i>", "body style i ", ""},
      {"<body><script>a<b</script x=1><i>", "body script i ", ""},
      {"<body><script><!--<script></script>--></script><i>", "body script i ", ""},
      {"<body><script><!--</script><i>", "body script i ", ""},
      {"<body><noscript><p>x</noscript><i>", "body noscript i ", ""},
      {"<body><iframe><p></iframe><noembed><p></noembed><i>", "body iframe noembed i ", ""},
      {"<body><plaintext><p></plaintext>", "body plaintext ", "<p></plaintext>"},
      {"<head><noscript><link rel=x></noscript><meta>", "head noscript meta ", ""},
      {"<body><a href='x'title=y>t</a>", "body a ", "t"},
      {"<body><script>x</scr", "body script ", ""},
  };
  for (const auto& c : cas) {
    Lecture lecture;
    lire(c.page, lecture);
    EXPECT_EQ(lecture.vu.balises, c.balises) << c.page;
    EXPECT_EQ(lecture.vu.mots, c.texte) << c.page;
  }
}

TEST(LecteurHtml, DoctypeSetsTheMode) {
  const struct {
    const char* page;
    ModeRendu mode;
    bool avant;
  } cas[] = {
      {"<!DOCTYPE html>", ModeRendu::Standard, true},
      {"\n <!-- c --><!doctype HTML><p>", ModeRendu::Standard, true},
      {"<!DOCTYPE html SYSTEM \"about:legacy-compat\">", ModeRendu::Standard, true},
      {"<p><!DOCTYPE html>", ModeRendu::Quirks, false},
      {"x<!DOCTYPE html>", ModeRendu::Quirks, false},
      {"", ModeRendu::Quirks, false},
      {"<!DOCTYPE>", ModeRendu::Quirks, true},
      {"<!DOCTYPE svg>", ModeRendu::Quirks, true},
      {"<!DOCTYPE html bogus>", ModeRendu::Quirks, true},
      {"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">", ModeRendu::Quirks, true},
      {"<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"x\">",
       ModeRendu::QuirksLimite, true},
      {"<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Transitional//EN' 'x'>",
       ModeRendu::QuirksLimite, true},
      {"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" \"x\">", ModeRendu::Standard, true},
      {"<!DOCTYPE html PUBLIC \"-//w3o//dtd w3 html 3.0//en//\">", ModeRendu::Quirks, true},
      {"<!DOCTYPE html PUBLIC \"html\">", ModeRendu::Quirks, true},
      {"<!DOCTYPE html PUBLIC \"-//IETF//DTD HTML 2.0//EN\">", ModeRendu::Quirks, true},
      {"<!DOCTYPE html SYSTEM \"http://www.ibm.com/data/dtd/v11/ibmxhtml1-transitional.dtd\">",
       ModeRendu::Quirks, true},
      {"<!DOCTYPE html PUBLIC \"unfinished", ModeRendu::Quirks, true},
      {"<!DOCTYPE html PUBLIC\"x\">", ModeRendu::Standard, true},
  };
  for (const auto& c : cas) {
    Lecture lecture;
    lire(c.page, lecture);
    EXPECT_EQ(lecture.entete.mode, c.mode) << c.page;
    EXPECT_EQ(lecture.entete.doctype.avantPremiereBalise, c.avant) << c.page;
  }
}

TEST(LecteurHtml, WhatEndsTheHead) {
  const struct {
    const char* page;
    FinTete fin;
    const char* nom;
    const char* source;
    std::uint64_t tardives;
    const char* tete;
  } cas[] = {
      {"<head><meta a=1><title>t</title></head><body><meta>", FinTete::Aucune, "", "", 0,
       "meta a=[1] @16;title {t} @23;"},
      {"<head><img src=x><meta name=d><title>t</title><body><meta>", FinTete::BaliseOuvrante, "img",
       "<img src=x>", 2, ""},
      {"<head>\n hello <meta>", FinTete::Texte, "", "hello ", 1, ""},
      {"<head><meta>&amp; x<link rel='Alternate' hreflang=fr><link rel=canonical>",
       FinTete::Texte, "", "&amp; x", 2, "meta @12;"},
      {"</head><img><link rel=alternate><link rel='x canonical'>", FinTete::BaliseOuvrante, "img",
       "<img>", 1, ""},
      {"<head></br><base>", FinTete::BaliseFermante, "br", "</br>", 1, ""},
      {"<head></p><meta>", FinTete::Aucune, "", "", 0, "meta @16;"},
      {"<head></head><script></script><noscript><meta>", FinTete::BaliseOuvrante, "noscript",
       "<noscript>", 0, "script @21;"},
      {"<head><noscript><img></noscript><meta>", FinTete::Aucune, "", "", 0,
       "noscript @16;meta @38;"},
      {"<html><frameset><meta>", FinTete::Aucune, "", "", 0, ""},
      {"<p>x</p>", FinTete::BaliseOuvrante, "p", "<p>", 0, ""},
  };
  for (const auto& c : cas) {
    Lecture lecture;
    lire(c.page, lecture);
    EXPECT_EQ(lecture.entete.finTete, c.fin) << c.page;
    EXPECT_EQ(lecture.entete.nomFinTete, c.nom) << c.page;
    EXPECT_EQ(lecture.entete.sourceFinTete, c.source) << c.page;
    EXPECT_EQ(lecture.entete.balisesTardives, c.tardives) << c.page;
    EXPECT_EQ(lecture.vu.tete, c.tete) << c.page;
  }
}

TEST(LecteurHtml, HtmlTagsAndIgnoredHeads) {
  Lecture lecture;
  lire("<!DOCTYPE html>\n<html LANG=en lang=fr><head></head><body>\n<head><html class=x lang=de>",
       lecture);
  const BaliseHtml& html = lecture.entete.html;
  ASSERT_TRUE(lecture.entete.htmlPresent);
  ASSERT_EQ(html.nombreAttributs, 2u);
  EXPECT_EQ(html.attributs[0].nom + "=" + html.attributs[0].valeur, "lang=en");
  EXPECT_EQ(html.attributs[1].nom + "=" + html.attributs[1].valeur, "class=x");
  EXPECT_EQ(html.position.ligne, 2u);
  EXPECT_TRUE(lecture.entete.tetePresente);
  EXPECT_EQ(lecture.entete.positionTete.colonne, 23u);
  EXPECT_EQ(lecture.vu.ignorees, "3:1 ");
}

TEST(LecteurHtml, PositionsOnBothCharacterSets) {
  const struct {
    std::string page;
    JeuCaracteres jeu;
    std::size_t marque;
    const char* positions;
  } cas[] = {
      {"<a>\n<b>  <c>", JeuCaracteres::Utf8, 0, "1:1:0 2:1:4 2:6:9 "},
      {"<a>\r\n<b>\r<c>", JeuCaracteres::Utf8, 0, "1:1:0 2:1:5 2:5:9 "},
      {"\xC3\xA9t\xC3\xA9<a>", JeuCaracteres::Utf8, 0, "1:4:5 "},
      {"\xC3\xA9t\xC3\xA9<a>", JeuCaracteres::Windows1252, 0, "1:6:5 "},
      {"\xEF\xBB\xBF<a>\xE2\x82\xAC<b>", JeuCaracteres::Utf8, 3, "1:1:3 1:5:9 "},
      {"\xE2\x82<a>\xF0\x9F\x98\x80<b>\x80<c>", JeuCaracteres::Utf8, 0, "1:3:2 1:7:9 1:11:13 "},
      {"\xED\xA0\x80<a>", JeuCaracteres::Utf8, 0, "1:4:3 "},
      {std::string(40, 'x') + "\n" + std::string(33, 'y') + "<a>", JeuCaracteres::Utf8, 0,
       "2:34:74 "},
  };
  for (const auto& c : cas) {
    Lecture lecture;
    lire(c.page, lecture, c.jeu, c.marque);
    EXPECT_EQ(lecture.vu.positions, c.positions) << c.page;
  }
}

TEST(LecteurHtml, TextInTheCharacterSetsTurnsToUtf8) {
  EXPECT_EQ(mots("<body>caf\xE9 \x80", JeuCaracteres::Windows1252), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(mots("<body>caf\xC3\xA9 \x80", JeuCaracteres::Utf8), "caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(tete("<title>\xE9t\xE9</title>", JeuCaracteres::Windows1252),
            "title {\xC3\xA9t\xC3\xA9} @7;");

  // A long text is handed out in runs that join: nothing is lost or cut.
  std::string texte, utf8;
  for (int i = 0; i < 100000; ++i) {
    texte += "caf\xE9 &amp; ";
    utf8 += "caf\xC3\xA9 & ";
  }
  Lecture longue;
  lire("<body>" + texte + "<p>", longue, JeuCaracteres::Windows1252, 0, 65536);
  EXPECT_EQ(longue.vu.mots, utf8);
}

TEST(LecteurHtml, SourcesAndValuesAreCapped) {
  const std::string longue(3 * 1024 * 1024, 'v');
  Lecture lecture;
  lire("<meta content=\"" + longue + "\" name=x>", lecture, JeuCaracteres::Utf8, 0, 65536);
  ASSERT_EQ(lecture.vu.sources.size(), 1u);
  EXPECT_EQ(lecture.vu.sources[0], "<meta content=\"" + std::string(185, 'v') + "...");
  EXPECT_NE(lecture.vu.tete.find(" name=[x]"), std::string::npos);
  EXPECT_LT(lecture.vu.tete.size(), kMaxValeurHtml + 100);

  // The cut falls between characters: 200 of them, whatever their bytes.
  Lecture utf8;
  std::string euros;
  for (int i = 0; i < 300; ++i) euros += "\xE2\x82\xAC";
  lire("<p title=" + euros + ">", utf8);
  std::string attendu = "<p title=";
  for (int i = 0; i < 191; ++i) attendu += "\xE2\x82\xAC";
  EXPECT_EQ(utf8.vu.sources[0], attendu + "...");
}

// Every cut of a page into two blocks, and one byte at a time, reads as the
// whole page does.
TEST(LecteurHtml, BlocksCutAnywhereReadTheSame) {
  const std::string pages[] = {
      "\xEF\xBB\xBF<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" 'x'>\r\n"
      "<html lang=\"fr\"><head><meta charset=utf-8><title>A &amp; B &notit; &#x20AC;</title>\n"
      "<meta name=description content='caf\xC3\xA9 &copy=1 &copy 2'><!-- c --!><script>a<b<!--"
      "<script></script>--></script><noscript><link></noscript><img src=x>\xC3\xA9t\xC3\xA9"
      "<link rel=canonical href=y><body><p>one&rsquo;two</p><textarea></textareax></textarea>"
      "<!-- unclosed",
      "<head> \n\r\n text &NotEqualTilde; &#128 <meta a=b><?x><![CDATA[y]]><p class=\"unfinished",
  };
  for (const std::string& page : pages) {
    Lecture entiere;
    lire(page, entiere, JeuCaracteres::Utf8, page[0] == '\xEF' ? 3 : 0);
    for (std::size_t coupe = 1; coupe < page.size(); ++coupe) {
      Lecture coupee;
      LecteurHtml lecteur(JeuCaracteres::Utf8, page[0] == '\xEF' ? 3 : 0, coupee.vu);
      const std::vector<char> debut(page.begin(), page.begin() + static_cast<long>(coupe));
      const std::vector<char> fin(page.begin() + static_cast<long>(coupe), page.end());
      lecteur.Lire(debut.data(), debut.size());
      lecteur.Lire(fin.data(), fin.size());
      lecteur.Finir();
      ASSERT_EQ(coupee.vu.tete, entiere.vu.tete) << coupe;
      ASSERT_EQ(coupee.vu.balises, entiere.vu.balises) << coupe;
      ASSERT_EQ(coupee.vu.positions, entiere.vu.positions) << coupe;
      ASSERT_EQ(coupee.vu.sources, entiere.vu.sources) << coupe;
      ASSERT_EQ(coupee.vu.mots, entiere.vu.mots) << coupe;
      ASSERT_EQ(lecteur.Entete().sourceFinTete, entiere.entete.sourceFinTete) << coupe;
      ASSERT_EQ(lecteur.Entete().positionFinTete.colonne, entiere.entete.positionFinTete.colonne);
    }
    Lecture octets;
    lire(page, octets, JeuCaracteres::Utf8, page[0] == '\xEF' ? 3 : 0, 1);
    EXPECT_EQ(octets.vu.tete, entiere.vu.tete);
    EXPECT_EQ(octets.vu.positions, entiere.vu.positions);
    EXPECT_EQ(octets.vu.mots, entiere.vu.mots);
  }
}

// Has the body's tag details made on demand, and asks for them on every
// other start tag only.
class Demandeur : public VisiteurHtml {
 public:
  bool DetailsALaDemande() const override { return true; }
  void BaliseOuvrante(const BaliseHtml& balise) override {
    balises += balise.nom + (balise.autoFermante ? "/ " : " ");
    if (++vues % 2 == 0) return;
    const PositionHtml& position = balise.Position();
    details += std::to_string(position.ligne) + ":" + std::to_string(position.colonne) + ":" +
               std::to_string(position.octet) + " " + balise.Source() + "|";
  }
  std::string balises, details;
  int vues = 0;
};

// The same details, from the fields the reader fills for a visitor that
// does not have them made on demand.
std::string detailsImpairs(const Enregistreur& vu) {
  std::string details;
  std::size_t debut = 0;
  for (std::size_t i = 0; i < vu.sources.size(); ++i) {
    const std::size_t fin = vu.positions.find(' ', debut);
    if (i % 2 == 0) details += vu.positions.substr(debut, fin - debut) + " " + vu.sources[i] + "|";
    debut = fin + 1;
  }
  return details;
}

// Body tags whose attributes are not kept are read to their true end, and
// their details, made on demand, are those the fields would hold, however
// the page is cut into blocks.
TEST(LecteurHtml, BodyTagsReadWithoutTheirAttributes) {
  using namespace std::string_literals;
  const struct {
    std::string page;
    const char* balises;
  } cas[] = {
      {"<body><p a=\"x>y\" b='>' c=d>e<i>", "body p i "},
      {"<body><x =y/><br/><a b=c&d=e\0f g>"s, "body x/ br/ a "},
      {"<body></p x=\">\" y='>'><b c = \"d\" /e>", "body b "},
      {"<body><textarea a=\">\">x<b></textarea b=\">\"><i/ >", "body textarea i "},
      {"<body><script x=y>a<b></script><u\nv\r\nw='\xC3\xA9>'>\xE2\x82\xAC<s>", "body script u s "},
      {"<body>" + std::string(300, ' ') + "<em title='" + std::string(250, 'z') + "'><q>",
       "body em q "},
      {"<body><DIV Class=X></Template\t><SPAN/>", "body div span/ "},
  };
  for (const auto& c : cas) {
    Lecture entiere;
    lire(c.page, entiere);
    for (std::size_t bloc : {std::size_t{1} << 20, std::size_t{1}, std::size_t{7}}) {
      Demandeur vu;
      LecteurHtml lecteur(JeuCaracteres::Utf8, 0, vu);
      for (std::size_t debut = 0; debut < c.page.size(); debut += bloc) {
        const std::vector<char> octets(
            c.page.begin() + static_cast<long>(debut),
            c.page.begin() + static_cast<long>(std::min(c.page.size(), debut + bloc)));
        lecteur.Lire(octets.data(), octets.size());
      }
      lecteur.Finir();
      EXPECT_EQ(vu.balises, c.balises) << c.page << " / " << bloc;
      EXPECT_EQ(vu.details, detailsImpairs(entiere.vu)) << c.page << " / " << bloc;
    }
  }
}

}  // namespace
