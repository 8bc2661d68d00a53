// Constat: every kind of finding the checker reports, with its stable id and
// its message, in the order of the report: line diagnostics, summary, keywords.
#ifndef PAGEVET_CHECKER_CONSTAT_H_
#define PAGEVET_CHECKER_CONSTAT_H_

#include <cstddef>
#include <iterator>

#include "html/jeubalises.h"

enum Constat {
  // Line diagnostics: the line number, the message, the line echoed.
  kBaliseIncomplete,
  kPlusieursBalises,
  kTitreIncomplet,
  kFormatInconnu,
  kHeadApresBody,
  kPasDeFinHead,
  kFinHeadMalPlacee,
  kFinBodyMalPlacee,
  kGuillemetsManquants,
  kBaliseInconnue,
  kHttpEquivVide,
  kNameVide,
  kContentVide,
  kPropertyVide,  // --html5 only
  kCharsetVide,   // --html5 only
  // Summary lines: each known meta name missing or repeated, in the order
  // of NomsMeta, then TITLE, HEAD and BODY, then what stands outside HEAD.
  kSansContentType,
  kPlusieursContentType,
  kSansContentLanguage,
  kPlusieursContentLanguage,
  kSansDescription,
  kPlusieursDescription,
  kSansKeywords,
  kPlusieursKeywords,
  kSansReplyTo,
  kPlusieursReplyTo,
  kSansRobots,
  kPlusieursRobots,
  kSansTitre,
  kPlusieursTitres,
  kSansHead,
  kPlusieursHeads,
  kSansBody,
  kPlusieursBodies,
  kHorsHead,
  // Keyword lines ("/d").
  kMotCleRepete,
  kMotCleInutilise,
  // --modern: findings on a tag of the page (judged on the parsed page).
  kTeteFinieTot,
  kTitreVide,
  kTitreTropLong,
  kDescriptionTropLongue,
  kViewportPasMobile,
  kViewportBloqueZoom,
  kLangInvalide,
  kContentLanguageObsolete,
  kCharsetTardif,
  kCharsetPasUtf8,
  kHttpEquivNonStandard,
  kRafraichissementDiffere,
  kRobotsNoindex,
  kRobotsDirectiveInconnue,
  kCanoniqueNonAbsolue,
  kHreflangInvalide,
  kHreflangNonAbsolu,
  kOgRepete,
  kCarteTwitterInconnue,
  kFauteNomMeta,
  kDoctypeQuirks,
  // --modern: findings of the whole page.
  kSansViewport,
  kPlusieursViewports,
  kSansLang,
  kPlusieursCanoniques,
  kOgIncomplet,
  kSansDoctype,
  // A page's own comments.
  kIgnoreInconnu,
  // Across the site (--modern): known once every page was read.
  kTitreDuplique,
  kDescriptionDupliquee,
  kCanoniqueVersRacine,
  kCanoniqueCibleAbsente,
  kHreflangSansSoi,
  kHreflangSansRetour,
  kNombreConstats
};

// A finding's message may quote what the finding carries: {count},
// {number}, {limit}, {keyword}, {value}, {suggestion}, {page} (another
// page's path), {tagset} (the tag set the run judges by), and {one|more}, the
// first when the count is 1, the second otherwise. rendreMessage (in
// checker/signalement.h) fills them in.
// Where a finding belongs: a tag or a line of the page, the page as a whole
// (the text report's "+ " lines), its keywords ("/d"), or the site.
enum class GenreConstat { Ligne, Page, MotCle, Site };

struct DescriptionConstat {
  const char* id;       // lower case, words joined by '-'
  GenreConstat genre;
  const char* message;  // as the report writes it, placeholders filled in
  // What the finding says in general, for a list of rules; null: the
  // message, which then quotes nothing but the tag set.
  const char* resume = nullptr;
};

// Indexed by Constat.
inline constexpr DescriptionConstat kConstats[] = {
    {"incomplete-tag", GenreConstat::Ligne, "Incomplete tag"},
    {"more-than-one-tag", GenreConstat::Ligne, "More than one tag"},
    {"incomplete-title", GenreConstat::Ligne, "Incomplete title"},
    {"unknown-format", GenreConstat::Ligne, "Unknown format"},
    {"head-after-body", GenreConstat::Ligne, "<HEAD> section after <BODY> tag"},
    {"no-head-end-before-body", GenreConstat::Ligne, "No </HEAD> tag before <BODY>"},
    {"misplaced-head-end", GenreConstat::Ligne, "Misplaced </HEAD> tag"},
    {"misplaced-body-end", GenreConstat::Ligne, "Misplaced </BODY> tag"},
    {"missing-quotes", GenreConstat::Ligne, "Missing quote(s)"},
    {"unknown-tag", GenreConstat::Ligne, "Unknown tag ({tagset})"},
    {"empty-http-equiv", GenreConstat::Ligne, "http-equiv is empty"},
    {"empty-name", GenreConstat::Ligne, "name is empty"},
    {"empty-content", GenreConstat::Ligne, "content is empty"},
    {"empty-property", GenreConstat::Ligne, "property is empty"},
    {"empty-charset", GenreConstat::Ligne, "charset is empty"},
    {"no-content-type", GenreConstat::Page, "No \"Content-Type\" tag found"},
    {"several-content-type", GenreConstat::Page, "Several \"Content-Type\" tags found"},
    {"no-content-language", GenreConstat::Page, "No \"Content-Language\" tag found"},
    {"several-content-language", GenreConstat::Page, "Several \"Content-Language\" tags found"},
    {"no-description", GenreConstat::Page, "No \"DESCRIPTION\" tag found"},
    {"several-description", GenreConstat::Page, "Several \"DESCRIPTION\" tags found"},
    {"no-keywords", GenreConstat::Page, "No \"KEYWORDS\" tag found"},
    {"several-keywords", GenreConstat::Page, "Several \"KEYWORDS\" tags found"},
    {"no-reply-to", GenreConstat::Page, "No \"REPLY-TO\" tag found"},
    {"several-reply-to", GenreConstat::Page, "Several \"REPLY-TO\" tags found"},
    {"no-robots", GenreConstat::Page, "No \"ROBOTS\" tag found"},
    {"several-robots", GenreConstat::Page, "Several \"ROBOTS\" tags found"},
    {"no-title", GenreConstat::Page, "No <TITLE> tag found"},
    {"several-titles", GenreConstat::Page, "Several <TITLE> tags found"},
    {"no-head", GenreConstat::Page, "No <HEAD> section found"},
    {"several-heads", GenreConstat::Page, "Several <HEAD> sections found"},
    {"no-body", GenreConstat::Page, "No <BODY> section found"},
    {"several-bodies", GenreConstat::Page, "Several <BODY> sections found"},
    {"outside-head", GenreConstat::Page, "{count} meta-tag{|s} or title outside the <HEAD> section",
     "Meta-tags or title outside the <HEAD> section"},
    {"keyword-repeated", GenreConstat::MotCle, "Keyword [{keyword}] appears {count} times in the list",
     "Keyword appears several times in the list"},
    {"keyword-unused", GenreConstat::MotCle, "Keyword{|s} unused in the text : {keyword}", "Keyword unused in the text"},
    {"head-ended-early", GenreConstat::Ligne,
     "Head ended here: {count} later tag{|s} {is|are} read as body",
     "Head ended before later head tags, which are read as body"},
    {"title-empty", GenreConstat::Ligne, "Empty title"},
    {"title-too-long", GenreConstat::Ligne, "Title of {number} characters (more than {limit})",
     "Title longer than the limit"},
    {"description-too-long", GenreConstat::Ligne,
     "Description of {number} characters (more than {limit})", "Description longer than the limit"},
    {"viewport-not-mobile", GenreConstat::Ligne,
     "Viewport sets neither width nor an initial-scale of 1"},
    {"viewport-blocks-zoom", GenreConstat::Ligne, "Viewport prevents zooming"},
    {"lang-invalid", GenreConstat::Ligne, "Invalid lang \"{value}\"", "Invalid lang on <html>"},
    {"content-language-obsolete", GenreConstat::Ligne,
     "Content-Language meta-tag is obsolete: use lang on <html>"},
    {"charset-late", GenreConstat::Ligne, "Character set declared after the first 1024 bytes"},
    {"charset-not-utf8", GenreConstat::Ligne, "Character set \"{value}\" is not UTF-8",
     "Character set is not UTF-8"},
    {"http-equiv-nonstandard", GenreConstat::Ligne, "Unknown http-equiv \"{value}\"",
     "Unknown http-equiv"},
    {"refresh-delayed", GenreConstat::Ligne, "Refresh after {value} seconds", "Delayed refresh"},
    {"robots-noindex", GenreConstat::Ligne, "Page is blocked from indexing ({value})",
     "Page is blocked from indexing"},
    {"robots-unknown-directive", GenreConstat::Ligne, "Unknown robots directive \"{value}\"",
     "Unknown robots directive"},
    {"canonical-not-absolute", GenreConstat::Ligne, "Canonical URL is not absolute: \"{value}\"",
     "Canonical URL is not absolute"},
    {"hreflang-invalid", GenreConstat::Ligne, "Invalid hreflang \"{value}\"", "Invalid hreflang"},
    {"hreflang-not-absolute", GenreConstat::Ligne, "hreflang URL is not absolute: \"{value}\"",
     "hreflang URL is not absolute"},
    {"og-repeated", GenreConstat::Ligne, "Repeated \"{value}\"", "Repeated Open Graph property"},
    {"twitter-card-invalid", GenreConstat::Ligne, "Unknown twitter:card \"{value}\"",
     "Unknown twitter:card"},
    {"meta-name-typo", GenreConstat::Ligne,
     "Unknown meta name \"{value}\": did you mean \"{suggestion}\"?",
     "Unknown meta name close to a well-known one"},
    {"doctype-quirks", GenreConstat::Ligne, "DOCTYPE puts browsers in quirks mode"},
    {"no-viewport", GenreConstat::Page, "No viewport meta-tag found"},
    {"several-viewports", GenreConstat::Page, "{count} viewport meta-tags found",
     "Several viewport meta-tags"},
    {"no-lang", GenreConstat::Page, "No lang attribute on <html>"},
    {"several-canonicals", GenreConstat::Page, "{count} different canonical URLs",
     "Different canonical URLs"},
    {"og-incomplete", GenreConstat::Page, "Open Graph without {value}",
     "Open Graph without one of og:title, og:type, og:image, og:url"},
    {"no-doctype", GenreConstat::Page, "No DOCTYPE found"},
    {"unknown-ignore", GenreConstat::Ligne, "Unknown finding \"{value}\" in pagevet-ignore",
     "Unknown finding in pagevet-ignore"},
    {"title-duplicate", GenreConstat::Site, "Same title as {page}", "Same title as an earlier page"},
    {"description-duplicate", GenreConstat::Site, "Same description as {page}",
     "Same description as an earlier page"},
    {"canonical-to-root", GenreConstat::Site, "Canonical URL points to the site root"},
    {"canonical-target-missing", GenreConstat::Site,
     "Canonical URL names no page of the site: \"{value}\"", "Canonical URL names no page of the site"},
    {"hreflang-no-self", GenreConstat::Site, "hreflang links do not name this page"},
    {"hreflang-no-return-link", GenreConstat::Site, "{page} does not link back with hreflang",
     "A page named with hreflang does not link back"},
};
static_assert(std::size(kConstats) == kNombreConstats, "one description per finding");

// The missing and the repeated finding of the known meta name i (0 to 5,
// in the order of NomsMeta).
constexpr Constat constatSans(int i) { return static_cast<Constat>(kSansContentType + 2 * i); }
constexpr Constat constatPlusieurs(int i) {
  return static_cast<Constat>(kPlusieursContentType + 2 * i);
}
static_assert(constatPlusieurs(5) == kPlusieursRobots, "two findings per known meta name");

// The findings of every run: those before the first of --modern.
constexpr int kNombreConstatsClassiques = kTeteFinieTot;
static_assert(kNombreConstatsClassiques == 36, "36 findings of every run");

constexpr bool estDiagnosticLigne(Constat c) { return kConstats[c].genre == GenreConstat::Ligne; }
constexpr bool estMotCle(Constat c) { return kConstats[c].genre == GenreConstat::MotCle; }
constexpr bool estConstatSite(Constat c) { return kConstats[c].genre == GenreConstat::Site; }

// The finding whose id is exactly id; false when there is none.
bool constatDeId(const char* id, Constat& constat);

#endif  // PAGEVET_CHECKER_CONSTAT_H_
