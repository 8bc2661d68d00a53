#include "checker/directivesrobots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(DirectivesRobots, NoindexEtInconnues) {
  struct Cas {
    const char* contenu;
    bool noindex;
    std::vector<std::string> inconnues;
  };
  const Cas cas[] = {
      {"index, follow", false, {}},
      {"NOINDEX,nofollow", true, {}},
      {" None ", true, {}},
      {"noindex-nofollow", false, {"noindex-nofollow"}},
      {"noindex nofollow", false, {"noindex nofollow"}},
      {",, all ,", false, {}},
      {"", false, {}},
      {"max-snippet:-1, max-snippet : 50, MAX-VIDEO-PREVIEW:0, max-video-preview:-01", false, {}},
      {"max-snippet:-2, max-snippet:, max-snippet, max-snippet:1.5, max-snippet:+3", false,
       {"max-snippet:-2", "max-snippet:", "max-snippet", "max-snippet:1.5", "max-snippet:+3"}},
      {"max-image-preview:Large, max-image-preview: none, max-image-preview:big", false,
       {"max-image-preview:big"}},
      {"unavailable_after: 2025-06-25, unavailable_after:", false, {"unavailable_after:"}},
      {"noindex:, indx, Noindex", true, {"noindex:", "indx"}},
      {"noodp,\tnoydir ", false, {"noodp", "noydir"}},
      {"max-video-preview:99999999999999999999999", false, {}},
  };
  for (const Cas& c : cas) {
    const DirectivesRobots d = lisDirectivesRobots(c.contenu);
    EXPECT_EQ(d.noindex, c.noindex) << c.contenu;
    EXPECT_EQ(std::vector<std::string>(d.inconnues.begin(), d.inconnues.end()), c.inconnues)
        << c.contenu;
  }
}

}  // namespace
