// AideConstat: for every finding id, its level and the texts a code-scanning
// service shows beside it: what the check looks for, and what to do about it.
#ifndef PAGEVET_CHECKER_AIDECONSTATS_H_
#define PAGEVET_CHECKER_AIDECONSTATS_H_

#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "checker/constat.h"

// How serious a finding is, from the most to the least.
enum class Niveau { Erreur, Avertissement, Note };
inline constexpr int kNombreNiveaux = 3;

// Whether niveau is seuil or more serious.
constexpr bool auMoins(Niveau niveau, Niveau seuil) {
  return static_cast<int>(niveau) <= static_cast<int>(seuil);
}

// The level's name in the reports: "error", "warning" or "note".
constexpr const char* nomNiveau(Niveau niveau) {
  return niveau == Niveau::Erreur ? "error" : niveau == Niveau::Avertissement ? "warning" : "note";
}

struct AideConstat {
  const char* id;
  Niveau niveau;
  const char* description;   // what the check looks for, one or two sentences
  const char* aideTexte;     // what to do about it, plain text
  const char* aideMarkdown;  // the same words, code spans marked with '`'
};

// In the order of the findings: the line diagnostics, the summary lines and
// the keyword lines of every run, then those of --modern (line, page and
// site-wide findings), then the pagevet-ignore comments' own finding.
inline constexpr AideConstat kAidesConstats[] = {
    // Line diagnostics.
    {"incomplete-tag", Niveau::Erreur,
     "A tag opened on a line has no closing '>' on that line. Each line is read on its own, "
     "so a tag must begin and end on one line.",
     "Write the whole tag on one line, from < to >.",
     "Write the whole tag on one line, from `<` to `>`."},
    {"more-than-one-tag", Niveau::Erreur,
     "A line of the HEAD section (or the line of its opening or closing tag, or of a meta-tag) "
     "opens more than one tag; a TITLE line may hold its opening and closing tags.",
     "Put each tag of the header on a line of its own: <html> and <head> on two lines, "
     "each meta-tag alone on its line.",
     "Put each tag of the header on a line of its own: `<html>` and `<head>` on two lines, "
     "each meta-tag alone on its line."},
    {"incomplete-title", Niveau::Erreur,
     "A <title> tag whose line holds no </title> tag.",
     "Write the title and its closing tag on one line: <title>Home</title>.",
     "Write the title and its closing tag on one line: `<title>Home</title>`."},
    {"unknown-format", Niveau::Erreur,
     "A meta-tag of the HEAD section that is not in the strict form: the tag name, exactly one "
     "key (name or http-equiv, and with --html5 property), then content, both values in double "
     "quotes, and no other attribute.",
     "Rewrite the meta-tag with its key first, then its content, both in double quotes: "
     "<meta name=\"robots\" content=\"index, follow\">. With --html5 a closing /> is accepted.",
     "Rewrite the meta-tag with its key first, then its content, both in double quotes: "
     "`<meta name=\"robots\" content=\"index, follow\">`. With `--html5` a closing `/>` is "
     "accepted."},
    {"head-after-body", Niveau::Erreur,
     "A <head> tag after a <body> tag.",
     "Move the HEAD section before <body>, and keep only one.",
     "Move the HEAD section before `<body>`, and keep only one."},
    {"no-head-end-before-body", Niveau::Erreur,
     "A <body> tag while the HEAD section is still open.",
     "Close the HEAD section with </head> before <body>.",
     "Close the HEAD section with `</head>` before `<body>`."},
    {"misplaced-head-end", Niveau::Erreur,
     "A </head> tag while no HEAD section is open: it was closed already, or never opened.",
     "Remove the stray </head>, or add the <head> it should close.",
     "Remove the stray `</head>`, or add the `<head>` it should close."},
    {"misplaced-body-end", Niveau::Erreur,
     "A </body> tag while no BODY section is open.",
     "Remove the stray </body>, or add the <body> it should close.",
     "Remove the stray `</body>`, or add the `<body>` it should close."},
    {"missing-quotes", Niveau::Erreur,
     "A meta-tag of the HEAD section with fewer than four double quotes: its key and its content "
     "are not both in double quotes.",
     "Put both values in double quotes: <meta name=\"robots\" content=\"noindex\">, and with "
     "--html5 <meta charset=\"utf-8\">.",
     "Put both values in double quotes: `<meta name=\"robots\" content=\"noindex\">`, and with "
     "`--html5` `<meta charset=\"utf-8\">`."},
    {"unknown-tag", Niveau::Erreur,
     "A tag name that HTML 3.2 does not define; with --html5, one that today's HTML, SVG and "
     "MathML do not define and that holds no '-'.",
     "Replace an obsolete tag such as <center>, <font> or <marquee> by today's markup and CSS, "
     "correct a misspelt name, write &lt; for a < that opens no tag, or give --html5 for a site "
     "written in today's HTML.",
     "Replace an obsolete tag such as `<center>`, `<font>` or `<marquee>` by today's markup and "
     "CSS, correct a misspelt name, write `&lt;` for a `<` that opens no tag, or give `--html5` "
     "for a site written in today's HTML."},
    {"empty-http-equiv", Niveau::Erreur,
     "A meta-tag in the strict form whose http-equiv value is empty or blank.",
     "Give the value, as in http-equiv=\"Content-Type\", or remove the meta-tag.",
     "Give the value, as in `http-equiv=\"Content-Type\"`, or remove the meta-tag."},
    {"empty-name", Niveau::Erreur,
     "A meta-tag in the strict form whose name value is empty or blank.",
     "Give the name, as in name=\"description\", or remove the meta-tag.",
     "Give the name, as in `name=\"description\"`, or remove the meta-tag."},
    {"empty-content", Niveau::Erreur,
     "A meta-tag in the strict form whose content value is empty or blank.",
     "Fill in the content, or remove the meta-tag.",
     "Fill in the content, or remove the meta-tag."},
    {"empty-property", Niveau::Erreur,
     "With --html5, a meta-tag whose property value is empty or blank.",
     "Give the property, as in property=\"og:title\", or remove the meta-tag.",
     "Give the property, as in `property=\"og:title\"`, or remove the meta-tag."},
    {"empty-charset", Niveau::Erreur,
     "With --html5, a charset meta-tag whose value is empty or blank.",
     "Declare the character set: <meta charset=\"utf-8\">.",
     "Declare the character set: `<meta charset=\"utf-8\">`."},
    // Summary lines.
    {"no-content-type", Niveau::Avertissement,
     "The HEAD section declares no character set: no Content-Type meta-tag in the strict form "
     "(and with --html5, no charset meta-tag).",
     "Add <meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"> to the HEAD "
     "section, alone on its line; with --html5, <meta charset=\"utf-8\">.",
     "Add `<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">` to the HEAD "
     "section, alone on its line; with `--html5`, `<meta charset=\"utf-8\">`."},
    {"several-content-type", Niveau::Erreur,
     "The HEAD section declares the character set more than once.",
     "Keep one declaration and remove the others.",
     "Keep one declaration and remove the others."},
    {"no-content-language", Niveau::Avertissement,
     "The HEAD section has no Content-Language meta-tag in the strict form.",
     "Add <meta http-equiv=\"Content-Language\" content=\"en\"> alone on its line, or leave the "
     "finding out with --ignore=no-content-language: today's pages give lang on <html> instead.",
     "Add `<meta http-equiv=\"Content-Language\" content=\"en\">` alone on its line, or leave the "
     "finding out with `--ignore=no-content-language`: today's pages give `lang` on `<html>` "
     "instead."},
    {"several-content-language", Niveau::Erreur,
     "The HEAD section has more than one Content-Language meta-tag.",
     "Keep one and remove the others.",
     "Keep one and remove the others."},
    {"no-description", Niveau::Avertissement,
     "The HEAD section has no description meta-tag in the strict form.",
     "Add <meta name=\"description\" content=\"...\"> with a sentence or two that sums up the "
     "page: search engines show it under the title.",
     "Add `<meta name=\"description\" content=\"...\">` with a sentence or two that sums up the "
     "page: search engines show it under the title."},
    {"several-description", Niveau::Erreur,
     "The HEAD section has more than one description meta-tag.",
     "Keep one description and remove the others.",
     "Keep one description and remove the others."},
    {"no-keywords", Niveau::Avertissement,
     "The HEAD section has no keywords meta-tag in the strict form.",
     "Add <meta name=\"keywords\" content=\"word, word\">, or leave the finding out with "
     "--ignore=no-keywords: today's search engines do not read it.",
     "Add `<meta name=\"keywords\" content=\"word, word\">`, or leave the finding out with "
     "`--ignore=no-keywords`: today's search engines do not read it."},
    {"several-keywords", Niveau::Erreur,
     "The HEAD section has more than one keywords meta-tag; only the first is read.",
     "Merge the lists into one keywords meta-tag.",
     "Merge the lists into one keywords meta-tag."},
    {"no-reply-to", Niveau::Avertissement,
     "The HEAD section has no reply-to meta-tag in the strict form.",
     "Add <meta name=\"reply-to\" content=\"address\">, or leave the finding out with "
     "--ignore=no-reply-to: no standard registers the name.",
     "Add `<meta name=\"reply-to\" content=\"address\">`, or leave the finding out with "
     "`--ignore=no-reply-to`: no standard registers the name."},
    {"several-reply-to", Niveau::Erreur,
     "The HEAD section has more than one reply-to meta-tag.",
     "Keep one and remove the others.",
     "Keep one and remove the others."},
    {"no-robots", Niveau::Avertissement,
     "The HEAD section has no robots meta-tag in the strict form.",
     "Add <meta name=\"robots\" content=\"index, follow\">, or leave the finding out with "
     "--ignore=no-robots: without the tag, robots index the page and follow its links.",
     "Add `<meta name=\"robots\" content=\"index, follow\">`, or leave the finding out with "
     "`--ignore=no-robots`: without the tag, robots index the page and follow its links."},
    {"several-robots", Niveau::Erreur,
     "The HEAD section has more than one robots meta-tag.",
     "Merge the directives into one robots meta-tag.",
     "Merge the directives into one robots meta-tag."},
    {"no-title", Niveau::Erreur,
     "The page has no <title> tag.",
     "Add <title>...</title> to the HEAD section, on one line: browsers show it in the tab and "
     "search engines as the link to the page.",
     "Add `<title>...</title>` to the HEAD section, on one line: browsers show it in the tab and "
     "search engines as the link to the page."},
    {"several-titles", Niveau::Erreur,
     "The page has more than one <title> tag.",
     "Keep one title and remove the others.",
     "Keep one title and remove the others."},
    {"no-head", Niveau::Erreur,
     "The page has no <head> tag.",
     "Open a HEAD section with <head> after <html>, close it with </head> before <body>, and "
     "put the title and the meta-tags in it.",
     "Open a HEAD section with `<head>` after `<html>`, close it with `</head>` before `<body>`, "
     "and put the title and the meta-tags in it."},
    {"several-heads", Niveau::Erreur,
     "The page has more than one <head> tag.",
     "Merge the HEAD sections into one.",
     "Merge the HEAD sections into one."},
    {"no-body", Niveau::Erreur,
     "The page has no <body> tag.",
     "Put the page's content between <body> and </body>, after the HEAD section.",
     "Put the page's content between `<body>` and `</body>`, after the HEAD section."},
    {"several-bodies", Niveau::Erreur,
     "The page has more than one <body> tag.",
     "Merge the BODY sections into one.",
     "Merge the BODY sections into one."},
    {"outside-head", Niveau::Erreur,
     "Meta-tags or a title stand outside the HEAD section, where they are not counted by name.",
     "Move them between <head> and </head>.",
     "Move them between `<head>` and `</head>`."},
    // Keyword lines (/d).
    {"keyword-repeated", Niveau::Avertissement,
     "With /d, a keyword written more than once in the page's keywords meta-tag.",
     "Remove the repeats from the list.",
     "Remove the repeats from the list."},
    {"keyword-unused", Niveau::Avertissement,
     "With /d, a keyword of the page's keywords meta-tag that no word of the page's text "
     "matches, letter case and accents aside.",
     "Use the keyword in the page's text, or remove it from the list. A keyword of several "
     "words never matches: the text is compared word by word.",
     "Use the keyword in the page's text, or remove it from the list. A keyword of several "
     "words never matches: the text is compared word by word."},
    // --modern: line findings.
    {"head-ended-early", Niveau::Erreur,
     "With --modern, a tag or text that browsers do not allow in the head ends it, and "
     "meta-tags, a title, a base or canonical and alternate links that follow are read as part "
     "of the body, where browsers and search engines ignore them.",
     "Move the tag or text that ends the head (an <img>, a <div>, stray text) after the head's "
     "last tag, into the body.",
     "Move the tag or text that ends the head (an `<img>`, a `<div>`, stray text) after the "
     "head's last tag, into the body."},
    {"title-empty", Niveau::Avertissement,
     "With --modern, the page's title is empty.",
     "Write a title that names the page.",
     "Write a title that names the page."},
    {"title-too-long", Niveau::Avertissement,
     "With --modern, the page's title is longer than the limit, 60 characters unless "
     "--title-max says otherwise.",
     "Shorten the title, which search engines cut in their results, or raise the limit with "
     "--title-max=N.",
     "Shorten the title, which search engines cut in their results, or raise the limit with "
     "`--title-max=N`."},
    {"description-too-long", Niveau::Avertissement,
     "With --modern, the page's description is longer than the limit, 160 characters unless "
     "--description-max says otherwise.",
     "Shorten the description, which search engines cut in their results, or raise the limit "
     "with --description-max=N.",
     "Shorten the description, which search engines cut in their results, or raise the limit "
     "with `--description-max=N`."},
    {"viewport-not-mobile", Niveau::Avertissement,
     "With --modern, a viewport meta-tag that sets neither width nor initial-scale, or sets an "
     "initial-scale below 1.",
     "Write <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">.",
     "Write `<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">`."},
    {"viewport-blocks-zoom", Niveau::Avertissement,
     "With --modern, a viewport meta-tag that sets user-scalable to no or 0, or a maximum-scale "
     "below 5.",
     "Remove user-scalable=no and any maximum-scale below 5: readers must be able to zoom.",
     "Remove `user-scalable=no` and any `maximum-scale` below 5: readers must be able to zoom."},
    {"lang-invalid", Niveau::Erreur,
     "With --modern, the lang attribute of <html> is no well-formed language tag, or names a "
     "language, script or region that no ISO code has (en-UK: the region's code is GB).",
     "Write a language tag made of ISO codes: <html lang=\"en-GB\">.",
     "Write a language tag made of ISO codes: `<html lang=\"en-GB\">`."},
    {"content-language-obsolete", Niveau::Avertissement,
     "With --modern, a Content-Language meta-tag, which today's HTML makes obsolete.",
     "Remove the meta-tag and give the language with lang on <html>: <html lang=\"en\">.",
     "Remove the meta-tag and give the language with `lang` on `<html>`: `<html lang=\"en\">`."},
    {"charset-late", Niveau::Erreur,
     "With --modern, the character set declaration ends after the page's first 1024 bytes, "
     "where browsers no longer look for it.",
     "Put <meta charset=\"utf-8\"> first in the head.",
     "Put `<meta charset=\"utf-8\">` first in the head."},
    {"charset-not-utf8", Niveau::Avertissement,
     "With --modern, the page declares a character set other than UTF-8.",
     "Convert the page to UTF-8 and declare <meta charset=\"utf-8\">.",
     "Convert the page to UTF-8 and declare `<meta charset=\"utf-8\">`."},
    {"http-equiv-nonstandard", Niveau::Avertissement,
     "With --modern, an http-equiv value that today's HTML does not define: it knows "
     "content-type, default-style, refresh, x-ua-compatible, content-security-policy and "
     "content-language.",
     "Remove the meta-tag, or have the server send the header it stands for.",
     "Remove the meta-tag, or have the server send the header it stands for."},
    {"refresh-delayed", Niveau::Avertissement,
     "With --modern, a refresh meta-tag that reloads or leaves the page after a delay.",
     "Redirect on the server, or with a delay of 0, or remove the refresh: a page that changes "
     "on its own loses its readers.",
     "Redirect on the server, or with a delay of 0, or remove the refresh: a page that changes "
     "on its own loses its readers."},
    {"robots-noindex", Niveau::Note,
     "With --modern, a robots, googlebot or googlebot-news meta-tag holds noindex or none: "
     "search engines leave the page out.",
     "Nothing to do when the page should stay out of search results; otherwise remove noindex "
     "or none.",
     "Nothing to do when the page should stay out of search results; otherwise remove `noindex` "
     "or `none`."},
    {"robots-unknown-directive", Niveau::Avertissement,
     "With --modern, a directive of a robots, googlebot or googlebot-news meta-tag that search "
     "engines do not know.",
     "Correct or remove the directive. Known ones include index, follow, noindex, nofollow, "
     "none, noarchive, nosnippet and max-snippet:N, separated by commas.",
     "Correct or remove the directive. Known ones include `index`, `follow`, `noindex`, "
     "`nofollow`, `none`, `noarchive`, `nosnippet` and `max-snippet:N`, separated by commas."},
    {"canonical-not-absolute", Niveau::Erreur,
     "With --modern, a canonical link whose href is not an absolute http:// or https:// URL.",
     "Write the full URL: <link rel=\"canonical\" href=\"https://example.org/page.html\">.",
     "Write the full URL: `<link rel=\"canonical\" href=\"https://example.org/page.html\">`."},
    {"hreflang-invalid", Niveau::Erreur,
     "With --modern, an alternate link whose hreflang is neither x-default nor an ISO 639-1 "
     "language, with an optional ISO 15924 script and ISO 3166-1 region.",
     "Write a language, then a script and a region if needed: en, pt-BR, zh-Hant-TW, or "
     "x-default for the page that serves the others.",
     "Write a language, then a script and a region if needed: `en`, `pt-BR`, `zh-Hant-TW`, or "
     "`x-default` for the page that serves the others."},
    {"hreflang-not-absolute", Niveau::Erreur,
     "With --modern, an alternate link with an hreflang whose href is not an absolute http:// "
     "or https:// URL.",
     "Write the full URL: <link rel=\"alternate\" hreflang=\"fr\" "
     "href=\"https://example.org/fr/\">.",
     "Write the full URL: `<link rel=\"alternate\" hreflang=\"fr\" "
     "href=\"https://example.org/fr/\">`."},
    {"og-repeated", Niveau::Avertissement,
     "With --modern, a second og:title, og:type, og:url, og:description, og:site_name or "
     "og:locale property.",
     "Keep the first, the one that is read, and remove the others.",
     "Keep the first, the one that is read, and remove the others."},
    {"twitter-card-invalid", Niveau::Avertissement,
     "With --modern, a twitter:card whose value is not summary, summary_large_image, app or "
     "player.",
     "Use one of summary, summary_large_image, app and player.",
     "Use one of `summary`, `summary_large_image`, `app` and `player`."},
    {"meta-name-typo", Niveau::Avertissement,
     "With --modern, a meta name that no one uses but that is one or two letters away from a "
     "known name, such as descripton.",
     "Correct the name to the one suggested.",
     "Correct the name to the one suggested."},
    {"doctype-quirks", Niveau::Erreur,
     "With --modern, a DOCTYPE that puts browsers in quirks or limited-quirks mode.",
     "Begin the page with <!DOCTYPE html>.",
     "Begin the page with `<!DOCTYPE html>`."},
    // --modern: page findings.
    {"no-viewport", Niveau::Avertissement,
     "With --modern, the head has no viewport meta-tag, so phones show the page shrunk as on "
     "a desktop.",
     "Add <meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">.",
     "Add `<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">`."},
    {"several-viewports", Niveau::Avertissement,
     "With --modern, the head has more than one viewport meta-tag.",
     "Keep one viewport meta-tag and remove the others.",
     "Keep one viewport meta-tag and remove the others."},
    {"no-lang", Niveau::Avertissement,
     "With --modern, the <html> tag has no lang attribute, or a blank one.",
     "Give the page's language: <html lang=\"en\">.",
     "Give the page's language: `<html lang=\"en\">`."},
    {"several-canonicals", Niveau::Erreur,
     "With --modern, the head has canonical links to different URLs.",
     "Keep one canonical link, the one that names the page's address.",
     "Keep one canonical link, the one that names the page's address."},
    {"og-incomplete", Niveau::Avertissement,
     "With --modern, the page has Open Graph properties but lacks one of og:title, og:type, "
     "og:image and og:url.",
     "Add the missing properties, or remove the Open Graph ones.",
     "Add the missing properties, or remove the Open Graph ones."},
    {"no-doctype", Niveau::Avertissement,
     "With --modern, no DOCTYPE stands before the page's first tag, so browsers render it in "
     "quirks mode.",
     "Begin the page with <!DOCTYPE html>.",
     "Begin the page with `<!DOCTYPE html>`."},
    // --modern: site-wide findings.
    {"title-duplicate", Niveau::Avertissement,
     "With --modern, the page's title is the title of an earlier page of the site that search "
     "engines index.",
     "Give each page a title of its own; if the two pages are the same, make one redirect to "
     "the other or name the other as its canonical URL.",
     "Give each page a title of its own; if the two pages are the same, make one redirect to "
     "the other or name the other as its canonical URL."},
    {"description-duplicate", Niveau::Avertissement,
     "With --modern, the page's description is the description of an earlier page of the site "
     "that search engines index.",
     "Give each page a description of its own; if the two pages are the same, make one "
     "redirect to the other or name the other as its canonical URL.",
     "Give each page a description of its own; if the two pages are the same, make one "
     "redirect to the other or name the other as its canonical URL."},
    {"canonical-to-root", Niveau::Erreur,
     "With --modern and --site-url, a page other than the site's home page names the site's "
     "root as its canonical URL.",
     "Point the canonical link at the page itself, or remove it.",
     "Point the canonical link at the page itself, or remove it."},
    {"canonical-target-missing", Niveau::Erreur,
     "With --modern and --site-url, the canonical URL lies under the site URL but names no file "
     "of the tree.",
     "Correct the URL, or publish the page it names.",
     "Correct the URL, or publish the page it names."},
    {"hreflang-no-self", Niveau::Erreur,
     "With --modern and --site-url, the page has hreflang links and none of them names the "
     "page itself.",
     "Add an alternate link with the page's own language and URL.",
     "Add an alternate link with the page's own language and URL."},
    {"hreflang-no-return-link", Niveau::Erreur,
     "With --modern and --site-url, the page names another page of the site with hreflang, and "
     "that page has no hreflang link back to it.",
     "Add to the other page an alternate link that names this one: hreflang links must go both "
     "ways.",
     "Add to the other page an alternate link that names this one: hreflang links must go both "
     "ways."},
    // Comments that leave findings out.
    {"unknown-ignore", Niveau::Avertissement,
     "A pagevet-ignore or pagevet-ignore-next-line comment names an id that is no finding of "
     "pagevet, so it leaves nothing out.",
     "Correct the id (man pagevet lists them all), or remove it from the comment.",
     "Correct the id (`man pagevet` lists them all), or remove it from the comment."},
};
inline constexpr std::size_t kNombreAidesConstats = 70;
static_assert(std::size(kAidesConstats) == kNombreAidesConstats,
              "36 findings of every run, 27 of --modern, 6 site-wide, unknown-ignore");

// The entry of the finding whose id is exactly id; nullptr when there is none.
const AideConstat* aideConstat(std::string_view id);

namespace aides_detail {

constexpr bool memeId(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

// For each finding, the index of its entry, found once when compiling; -1
// for none. Indices rather than pointers: a sanitizer build does not take
// the comparison of an address with null as a constant expression.
constexpr std::array<int, kNombreConstats> indexer() {
  std::array<int, kNombreConstats> index{};
  for (int c = 0; c < kNombreConstats; ++c) {
    index[c] = -1;
    for (int a = 0; a < static_cast<int>(std::size(kAidesConstats)); ++a) {
      if (memeId(kConstats[c].id, kAidesConstats[a].id)) index[c] = a;
    }
  }
  return index;
}

inline constexpr std::array<int, kNombreConstats> kIndex = indexer();

constexpr bool complet() {
  for (const int a : kIndex) {
    if (a < 0) return false;
  }
  return true;
}
static_assert(complet(), "every finding has its level and help texts");

}  // namespace aides_detail

// The entry of a finding, and its level.
constexpr const AideConstat& aideDe(Constat constat) {
  return kAidesConstats[aides_detail::kIndex[constat]];
}
constexpr Niveau niveauDe(Constat constat) { return aideDe(constat).niveau; }

#endif  // PAGEVET_CHECKER_AIDECONSTATS_H_
