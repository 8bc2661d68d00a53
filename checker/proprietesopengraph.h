// The Open Graph properties of one page, noted as they come: which ones are
// repeated, and which of the four every Open Graph page needs are missing.
#ifndef PAGEVET_CHECKER_PROPRIETESOPENGRAPH_H_
#define PAGEVET_CHECKER_PROPRIETESOPENGRAPH_H_

#include <string>
#include <string_view>

class ProprietesOpenGraph {
 public:
  // Notes a property or name (trimmed, any case). True when it is a second
  // or later og:title, og:type, og:url, og:description, og:site_name or
  // og:locale: each repetition is a finding of its own.
  bool Note(std::string_view propriete);

  // Some og: property was noted.
  bool Presente() const { return presente; }

  // The missing ones among og:title, og:type, og:image and og:url, in that
  // order, joined by ", "; empty when none is, or when no og: property was
  // noted.
  std::string Manquantes() const;

 private:
  static constexpr int kSuivies = 7;
  int vues[kSuivies] = {};
  bool presente = false;
};

#endif  // PAGEVET_CHECKER_PROPRIETESOPENGRAPH_H_
