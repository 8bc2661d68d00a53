// The content of a viewport meta-tag: whether it fits the page to a phone's
// screen, and whether it stops the reader from zooming.
#ifndef PAGEVET_CHECKER_CONTENUVIEWPORT_H_
#define PAGEVET_CHECKER_CONTENUVIEWPORT_H_

#include <optional>
#include <string_view>

struct JugementViewport {
  // Neither width nor initial-scale is set, or initial-scale is below 1.
  bool pasMobile = false;
  // user-scalable is no (or a number equal to 0), or maximum-scale is below 5.
  bool bloqueZoom = false;
};

// Splits the content at ',' and ';' into key=value pairs, blanks around the
// separators and the '=' trimmed, keys of any case; of a key given twice the
// last counts. width counts when its value is not empty; a scale that is no
// number counts as absent.
JugementViewport jugeViewport(std::string_view contenu);

// A decimal number: an optional sign, digits with an optional fraction (or
// a fraction alone), nothing after it. No exponent.
std::optional<double> lisNombreViewport(std::string_view texte);

#endif  // PAGEVET_CHECKER_CONTENUVIEWPORT_H_
