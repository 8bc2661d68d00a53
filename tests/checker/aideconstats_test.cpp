// The help table: an entry for every finding, levels by the rules that set
// them, and help texts a code-scanning service can render.
#include "checker/aideconstats.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "checker/constat.h"

namespace {

// The level a finding of every run has, from its kind: a line diagnostic,
// a repeat, a missing section or title, or outside-head is an error; a
// missing meta name and the keyword findings are warnings.
Niveau niveauAttendu(int constat) {
  const std::string id = kConstats[constat].id;
  if (estDiagnosticLigne(static_cast<Constat>(constat))) return Niveau::Erreur;
  if (estMotCle(static_cast<Constat>(constat))) return Niveau::Avertissement;
  if (id.rfind("several-", 0) == 0) return Niveau::Erreur;
  if (id == "no-title" || id == "no-head" || id == "no-body" || id == "outside-head") {
    return Niveau::Erreur;
  }
  return Niveau::Avertissement;
}

TEST(AideConstats, EveryFindingOfARunHasItsEntryInOrderWithItsLevel) {
  for (int i = 0; i <= kMotCleInutilise; ++i) {
    const AideConstat* aide = aideConstat(kConstats[i].id);
    ASSERT_NE(aide, nullptr) << kConstats[i].id;
    EXPECT_EQ(aide, &kAidesConstats[i]) << kConstats[i].id;
    if (i < kNombreConstatsClassiques) {
      EXPECT_EQ(aide->niveau, niveauAttendu(i)) << kConstats[i].id;
    }
    // The long description says more than the report's message.
    EXPECT_STRNE(aide->description, kConstats[i].message) << kConstats[i].id;
  }
  // The later findings have theirs, wherever their block stands.
  for (int i = kMotCleInutilise + 1; i < kNombreConstats; ++i) {
    EXPECT_NE(aideConstat(kConstats[i].id), nullptr) << kConstats[i].id;
  }
}

// The entry found by a finding (as the reports look it up) is the entry of
// its id, and so is its level.
TEST(AideConstats, AFindingLeadsToTheEntryOfItsId) {
  for (int i = 0; i < kNombreConstats; ++i) {
    const Constat c = static_cast<Constat>(i);
    EXPECT_EQ(&aideDe(c), aideConstat(kConstats[i].id)) << kConstats[i].id;
    EXPECT_EQ(niveauDe(c), aideConstat(kConstats[i].id)->niveau) << kConstats[i].id;
  }
  EXPECT_TRUE(auMoins(Niveau::Erreur, Niveau::Avertissement));
  EXPECT_TRUE(auMoins(Niveau::Note, Niveau::Note));
  EXPECT_FALSE(auMoins(Niveau::Note, Niveau::Avertissement));
}

TEST(AideConstats, SiteWideFindingsHaveTheirEntries) {
  int site = 0;
  for (int i = 0; i < kNombreConstats; ++i) {
    if (!estConstatSite(static_cast<Constat>(i))) continue;
    ++site;
    const AideConstat* aide = aideConstat(kConstats[i].id);
    ASSERT_NE(aide, nullptr) << kConstats[i].id;
    EXPECT_STRNE(aide->description, kConstats[i].message) << kConstats[i].id;
  }
  EXPECT_EQ(site, 6);
}

TEST(AideConstats, LaterFindingsHaveTheLevelsTheirOptionsGive) {
  // Every entry after the findings of every run is a warning, but these.
  const struct {
    const char* id;
    Niveau niveau;
  } exceptions[] = {
      {"head-ended-early", Niveau::Erreur},        {"charset-late", Niveau::Erreur},
      {"several-canonicals", Niveau::Erreur},      {"canonical-not-absolute", Niveau::Erreur},
      {"hreflang-invalid", Niveau::Erreur},        {"hreflang-not-absolute", Niveau::Erreur},
      {"lang-invalid", Niveau::Erreur},            {"doctype-quirks", Niveau::Erreur},
      {"robots-noindex", Niveau::Note},            {"canonical-to-root", Niveau::Erreur},
      {"canonical-target-missing", Niveau::Erreur}, {"hreflang-no-self", Niveau::Erreur},
      {"hreflang-no-return-link", Niveau::Erreur},
  };
  int trouvees = 0;
  for (std::size_t i = kNombreConstatsClassiques; i < kNombreAidesConstats; ++i) {
    Niveau attendu = Niveau::Avertissement;
    for (const auto& e : exceptions) {
      if (std::string(e.id) == kAidesConstats[i].id) {
        attendu = e.niveau;
        ++trouvees;
      }
    }
    EXPECT_EQ(kAidesConstats[i].niveau, attendu) << kAidesConstats[i].id;
  }
  EXPECT_EQ(trouvees, static_cast<int>(std::size(exceptions)));
  EXPECT_STREQ(nomNiveau(Niveau::Erreur), "error");
  EXPECT_STREQ(nomNiveau(Niveau::Avertissement), "warning");
  EXPECT_STREQ(nomNiveau(Niveau::Note), "note");
}

TEST(AideConstats, IdsAreUniqueAndFoundExactly) {
  std::set<std::string> vus;
  for (const AideConstat& aide : kAidesConstats) {
    const std::string id = aide.id;
    EXPECT_TRUE(vus.insert(id).second) << "twice: " << id;
    EXPECT_EQ(id.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos) << id;
    EXPECT_EQ(aideConstat(id), &aide);
  }
  EXPECT_EQ(aideConstat(""), nullptr);
  EXPECT_EQ(aideConstat("no-titl"), nullptr);
  EXPECT_EQ(aideConstat("No-title"), nullptr);
  EXPECT_EQ(aideConstat("no-title "), nullptr);
}

// The markdown help with its code spans' backticks taken out.
std::string sansBalisage(const std::string& markdown) {
  std::string texte;
  for (char c : markdown) {
    if (c != '`') texte += c;
  }
  return texte;
}

// Why a help text would not render as written, or "" when it would: an
// odd backtick, an empty code span, or outside a code span a character
// that markdown would read as markup (a '<' as an HTML tag, '*' or '_' as
// emphasis, '[' as a link, '\' as an escape) or a line break.
std::string defautMarkdown(const std::string& markdown) {
  bool dansCode = false;
  for (std::size_t i = 0; i < markdown.size(); ++i) {
    const char c = markdown[i];
    if (c == '`') {
      if (!dansCode && i + 1 < markdown.size() && markdown[i + 1] == '`') return "empty code span";
      dansCode = !dansCode;
    } else if (c == '\n') {
      return "line break";
    } else if (!dansCode && std::string("<>*_[]\\").find(c) != std::string::npos) {
      return std::string("markup '") + c + "' outside a code span";
    }
  }
  return dansCode ? "unclosed code span" : "";
}

TEST(AideConstats, TextsAreFullSentencesAndTheMarkdownRendersThePlainText) {
  for (const AideConstat& aide : kAidesConstats) {
    for (const std::string texte : {aide.description, aide.aideTexte, aide.aideMarkdown}) {
      ASSERT_FALSE(texte.empty()) << aide.id;
      EXPECT_TRUE(texte.front() >= 'A' && texte.front() <= 'Z') << aide.id << ": " << texte;
      EXPECT_EQ(texte.back(), '.') << aide.id << ": " << texte;
      EXPECT_EQ(texte.find("  "), std::string::npos) << aide.id << ": " << texte;
    }
    EXPECT_EQ(std::string(aide.aideTexte).find('`'), std::string::npos) << aide.id;
    EXPECT_EQ(defautMarkdown(aide.aideMarkdown), "") << aide.id << ": " << aide.aideMarkdown;
    EXPECT_EQ(sansBalisage(aide.aideMarkdown), aide.aideTexte) << aide.id;
  }
}

TEST(AideConstats, MarkdownCheckCatchesWhatWouldNotRender) {
  const struct {
    const char* markdown;
    const char* defaut;
  } cas[] = {
      {"Write `<title>` first.", ""},
      {"Write `<title> first.", "unclosed code span"},
      {"Write <title> first.", "markup '<' outside a code span"},
      {"Use `summary_large_image` or summary_large_image.", "markup '_' outside a code span"},
      {"See [the manual].", "markup '[' outside a code span"},
      {"Write `` here.", "empty code span"},
      {"One.\nTwo.", "line break"},
  };
  for (const auto& c : cas) EXPECT_EQ(defautMarkdown(c.markdown), c.defaut) << c.markdown;
}

}  // namespace
