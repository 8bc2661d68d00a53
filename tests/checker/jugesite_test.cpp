// The checks across the site, fed page records directly: which pages take
// part, what each finding names, and the order they come in.
#include "checker/jugesite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every finding as one line: "path id line:column [other page@line] [value]".
class Lignes : public RapportPage {
 public:
  void Debut(const char* chemin, JeuCaracteres jeu) override {
    chemin_ = chemin;
    EXPECT_EQ(jeu, JeuCaracteres::Utf8);
  }
  void Constate(const Signalement& s) override {
    std::string ligne = chemin_ + " " + kConstats[s.constat].id + " " + std::to_string(s.ligne) +
                        ":" + std::to_string(s.colonne);
    if (s.page != nullptr) ligne += std::string(" ") + s.page + "@" + std::to_string(s.lignePage);
    if (s.valeur != nullptr) ligne += std::string(" \"") + s.valeur + "\"";
    lignes.push_back(ligne);
  }
  void Fin() override {}
  void Interrompue() override { ADD_FAILURE(); }

  std::vector<std::string> lignes;

 private:
  std::string chemin_;
};

// A page's record: its path, title and description (empty: none) on lines
// 2 and 3, and its canonical href on line 4 (empty: none).
FicheSite page(const char* chemin, const char* titre, const char* description = "",
               const char* canonique = "") {
  FicheSite f;
  f.chemin = chemin;
  f.aTitre = *titre != '\0';
  f.titre = ElementSite{titre, 2, 5};
  f.aDescription = *description != '\0';
  f.description = ElementSite{description, 3, 7};
  f.aCanonique = *canonique != '\0';
  f.canonique = ElementSite{canonique, 4, 9};
  return f;
}

FicheSite redirection(FicheSite f) {
  f.redirection = true;
  return f;
}
FicheSite noindex(FicheSite f) {
  f.noindex = true;
  return f;
}
// hreflang links on lines 10, 11...
FicheSite langues(FicheSite f, std::vector<const char*> hrefs) {
  int ligne = 10;
  for (const char* href : hrefs) f.hreflangs.push_back(LienHreflang{"en", ElementSite{href, ligne++, 3}});
  return f;
}

constexpr char kSite[] = "https://Example.org/doc";

struct Cas {
  const char* nom;
  const char* site;  // "" for none
  std::vector<const char*> fichiers;  // besides the pages
  std::vector<FicheSite> pages;
  std::vector<std::string> attendu;
};

TEST(JugeSite, FindsWhatEachCaseHolds) {
  const Cas cas[] = {
      {"a duplicate group of three: the first page is never reported",
       "",
       {},
       {page("a.html", "Home", "About us"), page("b.html", "Home", "Other"),
        page("c\\d.html", "Home", "About us"), page("e.html", "Elsewhere")},
       {"b.html title-duplicate 2:5 a.html@2", "c\\d.html title-duplicate 2:5 a.html@2",
        "c\\d.html description-duplicate 3:7 a.html@3"}},
      {"stubs and noindex pages take no part, as first pages or as duplicates",
       "",
       {},
       {redirection(page("a.html", "T", "D")), page("b.html", "T", "D"),
        noindex(page("c.html", "T", "D")), redirection(page("d.html", "T")), page("e.html", "T")},
       {"e.html title-duplicate 2:5 b.html@2"}},
      {"texts are compared exactly; an empty one is no duplicate",
       "",
       {},
       {page("a.html", "Home"), page("b.html", "home"), page("c.html", "Home "),
        [] { FicheSite f = page("d.html", ""); f.aTitre = true; return f; }(),
        [] { FicheSite f = page("e.html", ""); f.aTitre = true; return f; }()},
       {}},
      {"without a site URL the canonical and hreflang checks are skipped",
       "",
       {},
       {page("a.html", "A", "", "https://example.org/doc/"),
        langues(page("b.html", "B", "", "https://example.org/doc/gone.html"),
                {"https://example.org/doc/a.html"})},
       {}},
      {"canonical to a missing page, and a page canonicalised elsewhere is no duplicate",
       kSite,
       {"index.html", "img/logo.png", "sub/index.htm"},
       {page("a.html", "T", "", "https://example.org/doc/gone.html?x#y"),
        page("b.html", "T", "", "HTTPS://EXAMPLE.ORG/doc/a.html"),
        page("c.html", "U", "", "https://example.org/doc/img/logo.png"),
        page("d.html", "V", "", "https://example.org/doc/sub"),
        page("e.html", "W", "", "https://example.org/doc/sub/x/"),
        page("f.html", "X", "", "https://example.org/doc/caf%C3%A9.html"),
        page("g.html", "T", "", "https://other.org/doc/gone.html"),
        page("h.html", "T", "", "https://example.org/doc/h.html")},
       {"a.html canonical-target-missing 4:9 \"https://example.org/doc/gone.html?x#y\"",
        "e.html canonical-target-missing 4:9 \"https://example.org/doc/sub/x/\"",
        "f.html canonical-target-missing 4:9 \"https://example.org/doc/caf%C3%A9.html\"",
        "g.html title-duplicate 2:5 a.html@2", "h.html title-duplicate 2:5 a.html@2"}},
      {"canonical to the root, except from the root's index page",
       kSite,
       {"sub/index.html"},
       {page("index.html", "Home", "", "https://example.org/doc/"),
        page("a.html", "A", "", "https://example.org/doc"),
        page("sub\\index.html", "S", "", "https://example.org/doc/index.html"),
        page("b.html", "Home", "", "https://example.org/doc/")},
       {"a.html canonical-to-root 4:9", "b.html canonical-to-root 4:9"}},
      {"canonical to the root of a site without an index page",
       kSite,
       {},
       {page("a.html", "A", "", "https://example.org/doc/")},
       {"a.html canonical-to-root 4:9",
        "a.html canonical-target-missing 4:9 \"https://example.org/doc/\""}},
      {"hreflang pairs with and without return links, and pages without self",
       kSite,
       {"fr/index.html", "de/x.html"},
       {langues(page("en.html", "E"),
                {"https://example.org/doc/en.html", "https://example.org/doc/fr/",
                 "https://example.org/doc/es.html", "https://example.org/doc/fr/index.html",
                 "https://example.org/doc/de/x.html", "https://example.org/doc/it.html"}),
        langues(page("es.html", "S"), {"https://example.org/doc/es.html"}),
        langues(page("fr\\index.html", "F"),
                {"https://example.org/doc/en.html", "https://example.org/doc/fr/"}),
        langues(page("it.html", "I"), {"http://example.org/doc/en.html", "/doc/it.html"})},
       {"en.html hreflang-no-return-link 12:3 es.html@0",
        "en.html hreflang-no-return-link 15:3 it.html@0", "it.html hreflang-no-self 0:0"}},
      {"a page with hreflang links that name only other sites names not itself",
       kSite,
       {},
       {langues(noindex(page("a.html", "A")), {"https://example.net/a.html"})},
       {"a.html hreflang-no-self 0:0"}},
  };
  for (const Cas& c : cas) {
    JugeSite juge{AdresseSite(c.site)};
    for (const char* fichier : c.fichiers) juge.AjouteFichier(fichier);
    for (const FicheSite& f : c.pages) juge.AjouteFichier(f.chemin);
    for (const FicheSite& f : c.pages) juge.AjoutePage(f);
    Lignes lignes;
    juge.Rapporte(lignes);
    EXPECT_EQ(lignes.lignes, c.attendu) << c.nom;
  }
}

TEST(JugeSite, EachPageComesOnceInReportOrderWithItsFindingsInTheTablesOrder) {
  JugeSite juge{AdresseSite(kSite)};
  for (const char* f : {"a.html", "b.html", "c.html"}) juge.AjouteFichier(f);
  juge.AjoutePage(langues(page("a.html", "T", "D"), {"https://example.org/doc/b.html"}));
  juge.AjoutePage(langues(page("b.html", "T", "D", "https://example.org/doc/"),
                          {"https://example.org/doc/c.html"}));
  juge.AjoutePage(page("c.html", "T", "D"));

  struct Pages : public RapportPage {
    void Debut(const char* chemin, JeuCaracteres) override { texte += std::string("[") + chemin; }
    void Constate(const Signalement& s) override { texte += std::string(" ") + kConstats[s.constat].id; }
    void Fin() override { texte += "]"; }
    void Interrompue() override {}
    std::string texte;
  } pages;
  juge.Rapporte(pages);
  EXPECT_EQ(pages.texte,
            "[a.html hreflang-no-self hreflang-no-return-link]"
            "[b.html title-duplicate description-duplicate canonical-to-root "
            "canonical-target-missing hreflang-no-self hreflang-no-return-link]"
            "[c.html title-duplicate description-duplicate]");
  EXPECT_EQ(juge.NombrePages(), 3u);
}

TEST(Empreinte, DiffersForNearTextsAndIsStable) {
  const char* textes[] = {"", "a", "b", "ab", "ba", "a ", " a", "Home", "home", "\xC3\xA9"};
  for (const char* a : textes) {
    for (const char* b : textes) {
      EXPECT_EQ(empreinte(a) == empreinte(b), std::string(a) == b) << a << "|" << b;
    }
  }
  EXPECT_EQ(empreinte(std::string_view("a\0b", 3)) == empreinte(std::string_view("a\0c", 3)), false);
}

}  // namespace
