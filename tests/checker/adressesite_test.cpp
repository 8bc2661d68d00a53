#include "checker/adressesite.h"

#include <gtest/gtest.h>

namespace {

TEST(AdresseSite, UrlAbsolueHttp) {
  struct Cas {
    const char* url;
    bool absolue;
  };
  const Cas cas[] = {
      {"https://example.org/page.html", true}, {"HTTP://Example.org", true},
      {" http://example.org/?q#f ", true},     {"https://user:pw@example.org:8443/", true},
      {"http://[::1]:8080/", true},            {"http://example.org:/", true},
      {"/page.html", false},                   {"page.html", false},
      {"//example.org/page.html", false},      {"ftp://example.org/", false},
      {"https:example.org", false},            {"https:/example.org", false},
      {"https://", false},                     {"https:///page", false},
      {"http://:80/", false},                  {"http://user@/", false},
      {"http://example.org:8o/", false},       {"httpx://example.org", false},
      {"", false},
  };
  for (const Cas& c : cas) EXPECT_EQ(estUrlAbsolueHttp(c.url), c.absolue) << c.url;
}

TEST(AdresseSite, LectureDuSite) {
  struct Cas {
    const char* site;
    const char* texte;  // "" when not valid
  };
  const Cas cas[] = {
      {"https://docs.python.org/3/", "https://docs.python.org/3/"},
      {"HTTPS://Docs.Python.ORG/3", "https://docs.python.org/3/"},
      {"https://example.org", "https://example.org/"},
      {"https://example.org:443/a/?x=1#top", "https://example.org/a/"},
      {"http://example.org:8080/a%20b/", "http://example.org:8080/a b/"},
      {"https://example.org/a/../b/./", "https://example.org/b/"},
      {"example.org/docs/", ""},
  };
  for (const Cas& c : cas) {
    const AdresseSite site(c.site);
    EXPECT_EQ(site.Valide(), *c.texte != '\0') << c.site;
    if (site.Valide()) {
      EXPECT_EQ(site.Texte(), c.texte) << c.site;
    }
  }
}

TEST(AdresseSite, Situe) {
  struct Cas {
    const char* site;
    const char* url;
    bool dansSite;
    const char* chemin;
    bool repertoire;
    bool racine;
  };
  const Cas cas[] = {
      {"https://docs.python.org/3/", "https://docs.python.org/3/library/os.html", true,
       "library/os.html", false, false},
      {"https://docs.python.org/3", "HTTPS://DOCS.python.org/3/library/", true, "library/", true,
       false},
      {"https://docs.python.org/3/", "https://docs.python.org/3/", true, "", true, true},
      {"https://docs.python.org/3/", "https://docs.python.org/3", true, "", true, true},
      {"https://docs.python.org/3/", "https://docs.python.org/3/?lang=fr#top", true, "", true,
       true},
      {"https://docs.python.org/3/", "https://docs.python.org/3/index.html", true, "index.html",
       false, false},
      {"https://docs.python.org/3/", "https://docs.python.org/2/", false, "", false, false},
      {"https://docs.python.org/3/", "https://docs.python.org/30/x.html", false, "", false,
       false},
      {"https://docs.python.org/3/", "http://docs.python.org/3/x.html", false, "", false, false},
      {"https://docs.python.org/3/", "https://python.org/3/x.html", false, "", false, false},
      {"https://docs.python.org/3/", "/3/x.html", false, "", false, false},
      {"https://example.org/", "https://example.org:443/a%20b/c%C3%A9.html", true,
       "a b/c\xC3\xA9.html", false, false},
      {"https://example.org/", "https://example.org:8443/a.html", false, "", false, false},
      {"https://example.org/", "https://example.org/a/../b/./c.html", true, "b/c.html", false,
       false},
      {"https://example.org/", "https://example.org/a/%2E%2e/b.html", true, "b.html", false,
       false},
      {"https://example.org/", "https://example.org/../../b.html", true, "b.html", false, false},
      {"https://example.org/", "https://example.org/a\\b.html", true, "a/b.html", false, false},
      {"https://example.org/", "https://example.org//a//b/", true, "a/b/", true, false},
      {"https://example.org/", "https://example.org/..%2F..%2Fetc/passwd", false, "", false,
       false},
      {"https://example.org/", "https://example.org/a%5Cb.html", false, "", false, false},
      {"https://example.org/", "https://example.org/a%00.html", false, "", false, false},
      {"https://example.org/", "https://example.org/100%.html", true, "100%.html", false, false},
      {"https://example.org/d%C3%A9j%C3%A0/", "https://example.org/d\xC3\xA9j\xC3\xA0/x.html",
       true, "x.html", false, false},
      {"not a url", "https://example.org/", false, "", false, false},
  };
  for (const Cas& c : cas) {
    const AdresseSite::Place p = AdresseSite(c.site).Situe(c.url);
    EXPECT_EQ(p.dansSite, c.dansSite) << c.site << " " << c.url;
    EXPECT_EQ(p.chemin, c.chemin) << c.site << " " << c.url;
    EXPECT_EQ(p.repertoire, c.repertoire) << c.site << " " << c.url;
    EXPECT_EQ(p.racine, c.racine) << c.site << " " << c.url;
  }
}

}  // namespace
