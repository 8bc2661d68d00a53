#include "checker/metatags.h"

#include <gtest/gtest.h>

namespace {

struct CasSyntaxe {
  const char* texte;  // lower case, from the word "meta"
  bool accepte;
  bool accepteHtml5;  // property as a key, a '/' before the '>'
};

// The strict form of a meta tag, as read from the lower-case line.
const CasSyntaxe kCasSyntaxe[] = {
    {"meta http-equiv=\"content-type\" content=\"text/html\">\n", true, true},
    {"meta name=\"keywords\" content=\"html, page\">\n", true, true},
    {"meta name = \"robots\" content = \"noindex\" >\n", true, true},
    {"meta\tname=\"robots\"\tcontent=\"x\">", true, true},
    {"meta name=\"robots\" content=\"x\"> trailing text\n", true, true},
    {"meta name=\"robots\" content=\"x\">  >\n", false, false},
    {"meta name=\"robots\" content=\"noindex\" />\n", false, true},
    {"meta content=\"noindex\" name=\"robots\">\n", false, false},
    {"meta name='robots' content='noindex'>\n", false, false},
    {"meta name=robots content=\"x\">\n", false, false},
    {"meta name=\"robots\" lang=\"en\" content=\"x\">\n", false, false},
    {"meta name=\"robots\" content=\"x\"\n", false, false},
    {"meta name=\"robots content=\"x\">\n", false, false},
    {"meta name=\"robots\" content=\"x>\n", false, false},
    {"meta name=\"robots\" content=\"x\"", false, false},
    {"meta name=\"robots\"", false, false},
    {"meta name=", false, false},
    {"meta", false, false},
    {"metaname=\"a\" content=\"b\">", true, true},
    {"meta namex=\"a\" content=\"b\">", false, false},
    {"meta scheme=\"a\" content=\"b\">", false, false},
    {"meta name=\"\" content=\"\">", true, true},
    {"meta name=\"robots\" content=\"x\"/>", false, true},
    {"meta name=\"robots\" content=\"x\" / >", false, false},
    {"meta name=\"robots\" content=\"x\" //>", false, false},
    {"meta name=\"robots\" content=\"x\"/> >", false, false},
    {"meta property=\"og:title\" content=\"x\">", false, true},
    {"meta property = \"og:type\" content=\"x\" />", false, true},
    {"meta content=\"x\" property=\"og:type\">", false, false},
    {"meta charset=\"utf-8\">", false, false},
};

TEST(SyntaxeStricte, AcceptsOnlyTheOneForm) {
  for (const CasSyntaxe& cas : kCasSyntaxe) {
    EXPECT_EQ(syntaxeStricte(cas.texte), cas.accepte) << cas.texte;
    EXPECT_EQ(syntaxeStricte(cas.texte, JeuBalises::Html5), cas.accepteHtml5) << cas.texte;
  }
}

TEST(FormeCharset, OneDoubleQuotedValueAlone) {
  const struct {
    const char* texte;  // lower case, from the word "meta"
    bool accepte;
  } cas[] = {
      {"meta charset=\"utf-8\">\n", true},
      {"meta  charset = \"utf-8\" />", true},
      {"meta charset=\" \"/>", true},
      {"meta charset=utf-8>", false},
      {"meta charset=\"utf-8\" lang=\"en\">", false},
      {"meta charset=\"utf-8\"> \"", false},
      {"meta charset=\"utf-8\">>", false},
      {"meta charset=\"utf-8\" / >", false},
      {"meta charsets=\"utf-8\">", false},
      {"meta name=\"charset\">", false},
  };
  for (const auto& c : cas) EXPECT_EQ(formeCharset(c.texte), c.accepte) << c.texte;
}

}  // namespace
