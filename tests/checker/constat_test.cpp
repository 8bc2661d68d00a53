// The findings table: ids as the manual page lists them, and the summary
// messages in step with the known meta names.
#include "checker/constat.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "checker/nomsmeta.h"
#include "checker/signalement.h"

namespace {

TEST(Constat, IdsAreUniqueLowerCaseWordsJoinedByDashes) {
  std::set<std::string> vus;
  for (int i = 0; i < kNombreConstats; ++i) {
    const std::string id = kConstats[i].id;
    EXPECT_TRUE(vus.insert(id).second) << id;
    EXPECT_EQ(id.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos) << id;
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

// Marks what went through the format's conversion.
class Marquee : public ConversionTextes {
 public:
  std::string Texte(const char* texte) const override { return std::string("<") + texte + ">"; }
  std::string Chemin(const char* chemin) const override { return std::string("[") + chemin + "]"; }
};

std::string rendu(const Signalement& s, JeuBalises balises = JeuBalises::Html32) {
  std::string message = "x: ";
  rendreMessage(s, balises, Marquee(), message);
  return message;
}

TEST(Constat, MessagesAreRenderedFromTheTable) {
  Signalement repete = signalementPage(kMotCleRepete, 2);
  repete.motCle = "seo";
  Signalement inutilise = signalementPage(kMotCleInutilise, 1);
  inutilise.motCle = "a";
  Signalement inutilises = inutilise;
  inutilises.compte = 3;
  Signalement trop = signalementLigne(kTitreTropLong, 2, "<title>");
  trop.nombre = 61;
  trop.limite = 60;
  Signalement faute = signalementLigne(kFauteNomMeta, 2, "<meta>");
  faute.valeur = "descripton";
  faute.suggestion = "description";
  Signalement manque = signalementPage(kOgIncomplet);
  manque.valeur = "og:type, og:url";
  const struct {
    Signalement signalement;
    JeuBalises balises;
    std::string message;  // after "x: ", which stays
  } cas[] = {
      {signalementLigne(kBaliseIncomplete, 3, "<a\n"), JeuBalises::Html32, "Incomplete tag"},
      {signalementLigne(kBaliseInconnue, 1, "<x>"), JeuBalises::Html32, "Unknown tag (HTML 3.2)"},
      {signalementLigne(kBaliseInconnue, 1, "<x>"), JeuBalises::Html5, "Unknown tag (HTML5)"},
      {signalementPage(kSansTitre, 0), JeuBalises::Html32, "No <TITLE> tag found"},
      {signalementPage(kHorsHead, 1), JeuBalises::Html32,
       "1 meta-tag or title outside the <HEAD> section"},
      {signalementPage(kHorsHead, 12), JeuBalises::Html32,
       "12 meta-tags or title outside the <HEAD> section"},
      {repete, JeuBalises::Html32, "Keyword [<seo>] appears 2 times in the list"},
      {inutilise, JeuBalises::Html32, "Keyword unused in the text : <a>"},
      {inutilises, JeuBalises::Html32, "Keywords unused in the text : <a>"},
      {signalementPage(kTeteFinieTot, 1), JeuBalises::Html5,
       "Head ended here: 1 later tag is read as body"},
      {signalementPage(kTeteFinieTot, 3), JeuBalises::Html5,
       "Head ended here: 3 later tags are read as body"},
      {trop, JeuBalises::Html5, "Title of 61 characters (more than 60)"},
      {faute, JeuBalises::Html5, "Unknown meta name \"<descripton>\": did you mean \"<description>\"?"},
      {manque, JeuBalises::Html5, "Open Graph without <og:type, og:url>"},
      {signalementPage(kPlusieursViewports, 2), JeuBalises::Html5, "2 viewport meta-tags found"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(rendu(c.signalement, c.balises), "x: " + c.message) << c.message;
  }
}

TEST(Constat, EveryPlaceholderOfTheTableIsFilled) {
  Signalement s{kBaliseIncomplete, 4, 2, "<a", 7, "kw", 61, 60, "val", "sugg", "dir\\p.htm"};
  for (int c = 0; c < kNombreConstats; ++c) {
    s.constat = static_cast<Constat>(c);
    const std::string message = rendu(s);
    EXPECT_EQ(message.find('{'), std::string::npos) << message;
    EXPECT_EQ(message.find('}'), std::string::npos) << message;
    const std::string resume = resumeConstat(s.constat, JeuBalises::Html5);
    if (s.constat == kMotCleRepete) {
      EXPECT_EQ(resume, "Keyword appears several times in the list");
    }
    EXPECT_EQ(resume.find_first_of("{}"), std::string::npos) << resume;
    EXPECT_FALSE(resume.empty());
  }
}

TEST(Constat, SummaryMessagesNameTheKnownMetaNames) {
  for (int i = 0; i < NomsMeta::kNombre; ++i) {
    // The name the message quotes, double quotes included, is the key the
    // rules count in lower case.
    const std::string sans = rendu(signalementPage(constatSans(i), 0));
    ASSERT_EQ(sans.rfind("x: No \"", 0), 0u) << sans;
    const std::string nom = sans.substr(6, sans.find('"', 7) - 5);
    EXPECT_EQ(sans, "x: No " + nom + " tag found");
    EXPECT_EQ(rendu(signalementPage(constatPlusieurs(i), 2)), "x: Several " + nom + " tags found");
    std::string cle = nom;
    for (char& c : cle) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(NomsMeta::Indice(cle.data(), cle.size()), i) << cle;
  }
  EXPECT_EQ(NomsMeta::Indice("\"title\"", 7), -1);
}

}  // namespace
