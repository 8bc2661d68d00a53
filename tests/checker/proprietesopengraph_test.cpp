#include "checker/proprietesopengraph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ProprietesOpenGraph, RepeteesEtManquantes) {
  struct Cas {
    std::vector<const char*> proprietes;
    std::vector<bool> repetees;  // what Note returns for each
    const char* manquantes;
  };
  const Cas cas[] = {
      {{}, {}, ""},
      {{"twitter:card", "description"}, {false, false}, ""},
      {{"og:title"}, {false}, "og:type, og:image, og:url"},
      {{"og:image:width"}, {false}, "og:title, og:type, og:image, og:url"},
      {{"OG:Title", " og:type ", "og:image", "og:url"}, {false, false, false, false}, ""},
      {{"og:url", "og:image", "og:image", "og:image"}, {false, false, false, false},
       "og:title, og:type"},
      {{"og:title", "og:title", "OG:TITLE"}, {false, true, true}, "og:type, og:image, og:url"},
      {{"og:locale", "og:locale:alternate", "og:locale:alternate", "og:locale"},
       {false, false, false, true}, "og:title, og:type, og:image, og:url"},
      {{"og:description", "og:site_name", "og:description", "og:site_name", "og:type", "og:type"},
       {false, false, true, true, false, true}, "og:title, og:image, og:url"},
      {{"og:", "og"}, {false, false}, "og:title, og:type, og:image, og:url"},
  };
  for (const Cas& c : cas) {
    ProprietesOpenGraph og;
    std::vector<bool> repetees;
    for (const char* p : c.proprietes) repetees.push_back(og.Note(p));
    const std::string ou = c.proprietes.empty() ? "(none)" : c.proprietes[0];
    EXPECT_EQ(repetees, c.repetees) << ou;
    EXPECT_EQ(og.Manquantes(), c.manquantes) << ou;
    const bool presente = c.proprietes.size() > 0 && std::string(c.proprietes[0]) != "twitter:card";
    EXPECT_EQ(og.Presente(), presente) << ou;
  }
}

}  // namespace
