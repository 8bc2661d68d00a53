// The findings table: ids as the manual page lists them, and the summary
// messages in step with the known meta names.
#include "checker/constat.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "checker/nomsmeta.h"

namespace {

TEST(Constat, IdsAreUniqueLowerCaseWordsJoinedByDashes) {
  std::set<std::string> vus;
  for (int i = 0; i < kNombreConstats; ++i) {
    const std::string id = kConstats[i].id;
    EXPECT_TRUE(vus.insert(id).second) << id;
    EXPECT_EQ(id.find_first_not_of("abcdefghijklmnopqrstuvwxyz-"), std::string::npos) << id;
    EXPECT_NE(id.front(), '-');
    EXPECT_NE(id.back(), '-');
    Constat trouve;
    ASSERT_TRUE(constatDeId(id.c_str(), trouve));
    EXPECT_EQ(trouve, i);
  }
  Constat trouve;
  EXPECT_FALSE(constatDeId("no-such-finding", trouve));
  EXPECT_FALSE(constatDeId("", trouve));
  EXPECT_FALSE(constatDeId("Unknown-tag", trouve));
}

TEST(Constat, SummaryMessagesNameTheKnownMetaNames) {
  const NomsMeta noms;
  for (int i = 0; i < NomsMeta::kNombre; ++i) {
    EXPECT_EQ(messageResume(constatSans(i), 0), std::string("No ") + noms.Affichage(i) + " tag found");
    EXPECT_EQ(messageResume(constatPlusieurs(i), 2),
              std::string("Several ") + noms.Affichage(i) + " tags found");
  }
  EXPECT_EQ(messageResume(kHorsHead, 1), "1 meta-tag or title outside the <HEAD> section");
  EXPECT_EQ(messageResume(kHorsHead, 3), "3 meta-tags or title outside the <HEAD> section");
  EXPECT_EQ(messageMotCleRepete("seo", 2), "Keyword [seo] appears 2 times in the list");
  EXPECT_EQ(messageMotCleInutilise(""), "Keyword unused in the text : ");
}

}  // namespace
