#include "checker/fautesnommeta.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FautesNomMeta, Suggestion) {
  struct Cas {
    const char* nom;
    const char* suggestion;  // nullptr: no typo
  };
  const Cas cas[] = {
      {"descripton", "description"},
      {"Desciption", "description"},
      {"  DESCRIPTIN ", "description"},
      {"descirption", "description"},    // one transposition
      {"keyword", "keywords"},
      {"key-words", "keywords"},
      {"viewpoint", "viewport"},
      {"robot", "robots"},
      {"autor", "author"},
      {"themecolor", "theme-color"},
      {"colour-scheme", "color-scheme"},
      {"aplication-name", "application-name"},
      {"googlebots", "googlebot"},
      {"referer", "referrer"},
      {"generater", "generator"},
      {"dscrptn", nullptr},             // four edits
      {"robo", nullptr},                // four characters
      {"autho", "author"},
      {"\xC3\xA0utor", "author"},       // a two-byte character is one edit
      {"r\xC3\xB6" "bots", "robots"},
      {"r\xC3\xB6" "bts", "robots"},
      {"description", nullptr},
      {"Keywords", nullptr},
      {"reply-to", nullptr},
      {"content-type", nullptr},
      {"googlebot-news", nullptr},
      {"google", nullptr},
      {"rating", nullptr},
      {"format-detection", nullptr},
      {"og:description", nullptr},
      {"twitter:descripton", nullptr},
      {"msapplication-TileColor", nullptr},
      {"copyright", nullptr},
      {"", nullptr},
  };
  for (const Cas& c : cas) {
    const char* s = suggestionNomMeta(c.nom);
    EXPECT_EQ(std::string(s ? s : "(none)"), std::string(c.suggestion ? c.suggestion : "(none)"))
        << c.nom;
  }
}

TEST(FautesNomMeta, Distance) {
  struct Cas {
    const char* a;
    const char* b;
    int distance;
  };
  const Cas cas[] = {
      {"", "", 0},        {"abc", "abc", 0},  {"ABC", "abc", 0},   {"abc", "acb", 1},
      {"ab", "ba", 1},    {"abc", "", 3},     {"ca", "abc", 3},    {"kitten", "sitting", 3},
      {"abcd", "badc", 2}, {"\xC3\xA9t\xC3\xA9", "ete", 2}, {"\xFF" "a", "a", 1},
      {"abcdefgh", "a", 7},
  };
  for (const Cas& c : cas) {
    EXPECT_EQ(distanceOsa(c.a, c.b, 10), c.distance) << c.a << " / " << c.b;
    EXPECT_EQ(distanceOsa(c.b, c.a, 10), c.distance) << c.b << " / " << c.a;
    EXPECT_EQ(distanceOsa(c.a, c.b, 1), std::min(c.distance, 2)) << c.a << " / " << c.b;
  }
}

}  // namespace
