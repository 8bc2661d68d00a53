// The closed sets of values meta-tags take (UTF-8's encoding labels, the
// standard http-equiv values, twitter:card kinds) and the refresh delay.
#ifndef PAGEVET_CHECKER_VALEURSMETA_H_
#define PAGEVET_CHECKER_VALEURSMETA_H_

#include <cstdint>
#include <string_view>

// The label (ASCII white space around it ignored, any case) is one of the
// WHATWG Encoding standard's labels of UTF-8.
bool estEtiquetteUtf8(std::string_view etiquette);

// content-type, default-style, refresh, x-ua-compatible,
// content-security-policy or content-language; trimmed, any case.
bool estHttpEquivConnu(std::string_view valeur);

// summary, summary_large_image, app or player; trimmed, any case.
bool estCarteTwitterConnue(std::string_view valeur);

// The delay of a refresh meta-tag's content, read as the HTML standard's
// shared declarative refresh steps read it: white space, digits (their
// integer value; "0.5" and ".5" are 0), digits and dots passed over, then
// the end or a ';', ',' or white space. Anything else is no refresh.
struct Rafraichissement {
  bool valide = false;
  // Saturated at UINT32_MAX, far above any delay worth a finding.
  uint32_t secondes = 0;
  // The digits and dots of the delay as written (a view into the content).
  std::string_view ecrit;

  // A delay of 0: the page is a redirect stub.
  bool Immediat() const { return valide && secondes == 0; }
  // A delay above 0 and at most 72000 seconds (20 hours).
  bool Differe() const { return valide && secondes > 0 && secondes <= 72000; }
};
Rafraichissement lisRafraichissement(std::string_view contenu);

#endif  // PAGEVET_CHECKER_VALEURSMETA_H_
