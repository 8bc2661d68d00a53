// The content of a robots, googlebot or googlebot-news meta-tag: whether it
// keeps the page out of the index, and the tokens no crawler knows.
#ifndef PAGEVET_CHECKER_DIRECTIVESROBOTS_H_
#define PAGEVET_CHECKER_DIRECTIVESROBOTS_H_

#include <string_view>
#include <vector>

struct DirectivesRobots {
  // A token is noindex or none.
  bool noindex = false;
  // The unknown tokens in order, each as written with its ends trimmed
  // (views into the content).
  std::vector<std::string_view> inconnues;
};

// Splits the content at ',' into tokens, trimmed of ASCII white space (and
// around a ':'), of any case, empty ones passed over. Known: all, index,
// follow, noindex, nofollow, none, noarchive, nocache, nosnippet,
// notranslate, noimageindex, indexifembedded, nositelinkssearchbox,
// max-snippet:N and max-video-preview:N (N an integer of -1 or more),
// max-image-preview:none|standard|large, unavailable_after:TEXT (TEXT not
// empty).
DirectivesRobots lisDirectivesRobots(std::string_view contenu);

#endif  // PAGEVET_CHECKER_DIRECTIVESROBOTS_H_
