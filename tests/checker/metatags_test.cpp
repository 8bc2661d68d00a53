#include "checker/metatags.h"

#include <gtest/gtest.h>

namespace {

struct CasSyntaxe {
  const char* texte;  // lower case, from the word "meta"
  bool accepte;
};

// The strict form of a meta tag, as read from the lower-case line.
const CasSyntaxe kCasSyntaxe[] = {
    {"meta http-equiv=\"content-type\" content=\"text/html\">\n", true},
    {"meta name=\"keywords\" content=\"html, page\">\n", true},
    {"meta name = \"robots\" content = \"noindex\" >\n", true},
    {"meta\tname=\"robots\"\tcontent=\"x\">", true},
    {"meta name=\"robots\" content=\"x\"> trailing text\n", true},
    {"meta name=\"robots\" content=\"x\">  >\n", false},
    {"meta name=\"robots\" content=\"noindex\" />\n", false},
    {"meta content=\"noindex\" name=\"robots\">\n", false},
    {"meta name='robots' content='noindex'>\n", false},
    {"meta name=robots content=\"x\">\n", false},
    {"meta name=\"robots\" lang=\"en\" content=\"x\">\n", false},
    {"meta name=\"robots\" content=\"x\"\n", false},
    {"meta name=\"robots content=\"x\">\n", false},
    {"meta name=\"robots\" content=\"x>\n", false},
    {"meta name=\"robots\" content=\"x\"", false},
    {"meta name=\"robots\"", false},
    {"meta name=", false},
    {"meta", false},
    {"metaname=\"a\" content=\"b\">", true},
    {"meta namex=\"a\" content=\"b\">", false},
    {"meta scheme=\"a\" content=\"b\">", false},
    {"meta name=\"\" content=\"\">", true},
};

TEST(SyntaxeStricte, AcceptsOnlyTheOneForm) {
  for (const CasSyntaxe& cas : kCasSyntaxe) {
    EXPECT_EQ(syntaxeStricte(cas.texte), cas.accepte) << cas.texte;
  }
}

}  // namespace
