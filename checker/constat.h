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
  kNombreConstats
};

// A finding's message may quote what the finding carries: {count},
// {number}, {limit}, {keyword}, {value}, {suggestion}, {page} (another
// page's path), {tagset} (the tag set the run judges by), and {one|more}, the
// first when the count is 1, the second otherwise. rendreMessage (in
// checker/signalement.h) fills them in.
struct DescriptionConstat {
  const char* id;       // lower case, words joined by '-'
  const char* message;  // as the report writes it, placeholders filled in
  // What the finding says in general, for a list of rules; null: the
  // message, which then quotes nothing but the tag set.
  const char* resume = nullptr;
};

// Indexed by Constat.
inline constexpr DescriptionConstat kConstats[] = {
    {"incomplete-tag", "Incomplete tag"},
    {"more-than-one-tag", "More than one tag"},
    {"incomplete-title", "Incomplete title"},
    {"unknown-format", "Unknown format"},
    {"head-after-body", "<HEAD> section after <BODY> tag"},
    {"no-head-end-before-body", "No </HEAD> tag before <BODY>"},
    {"misplaced-head-end", "Misplaced </HEAD> tag"},
    {"misplaced-body-end", "Misplaced </BODY> tag"},
    {"missing-quotes", "Missing quote(s)"},
    {"unknown-tag", "Unknown tag ({tagset})"},
    {"empty-http-equiv", "http-equiv is empty"},
    {"empty-name", "name is empty"},
    {"empty-content", "content is empty"},
    {"empty-property", "property is empty"},
    {"empty-charset", "charset is empty"},
    {"no-content-type", "No \"Content-Type\" tag found"},
    {"several-content-type", "Several \"Content-Type\" tags found"},
    {"no-content-language", "No \"Content-Language\" tag found"},
    {"several-content-language", "Several \"Content-Language\" tags found"},
    {"no-description", "No \"DESCRIPTION\" tag found"},
    {"several-description", "Several \"DESCRIPTION\" tags found"},
    {"no-keywords", "No \"KEYWORDS\" tag found"},
    {"several-keywords", "Several \"KEYWORDS\" tags found"},
    {"no-reply-to", "No \"REPLY-TO\" tag found"},
    {"several-reply-to", "Several \"REPLY-TO\" tags found"},
    {"no-robots", "No \"ROBOTS\" tag found"},
    {"several-robots", "Several \"ROBOTS\" tags found"},
    {"no-title", "No <TITLE> tag found"},
    {"several-titles", "Several <TITLE> tags found"},
    {"no-head", "No <HEAD> section found"},
    {"several-heads", "Several <HEAD> sections found"},
    {"no-body", "No <BODY> section found"},
    {"several-bodies", "Several <BODY> sections found"},
    {"outside-head", "{count} meta-tag{|s} or title outside the <HEAD> section",
     "Meta-tags or title outside the <HEAD> section"},
    {"keyword-repeated", "Keyword [{keyword}] appears {count} times in the list",
     "Keyword appears several times in the list"},
    {"keyword-unused", "Keyword{|s} unused in the text : {keyword}", "Keyword unused in the text"},
};
static_assert(std::size(kConstats) == kNombreConstats, "one description per finding");

// The missing and the repeated finding of the known meta name i (0 to 5,
// in the order of NomsMeta).
constexpr Constat constatSans(int i) { return static_cast<Constat>(kSansContentType + 2 * i); }
constexpr Constat constatPlusieurs(int i) {
  return static_cast<Constat>(kPlusieursContentType + 2 * i);
}
static_assert(constatPlusieurs(5) == kPlusieursRobots, "two findings per known meta name");

// The line diagnostics come first, the keyword findings last.
constexpr bool estDiagnosticLigne(Constat c) { return c <= kCharsetVide; }
constexpr bool estMotCle(Constat c) { return c >= kMotCleRepete; }

// The finding whose id is exactly id; false when there is none.
bool constatDeId(const char* id, Constat& constat);

#endif  // PAGEVET_CHECKER_CONSTAT_H_
