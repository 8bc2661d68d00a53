// The rendering mode a DOCTYPE selects: quirks, limited quirks or standard,
// by the public and system identifiers browsers know.
#ifndef PAGEVET_HTML_MODEDOCTYPE_H_
#define PAGEVET_HTML_MODEDOCTYPE_H_

#include <cstddef>

#include "html/jetonhtml.h"

// The mode of a page whose first token in the parser's "initial" mode is this
// DOCTYPE; a page without one (doctype.present false) is in quirks mode.
ModeRendu modeDuDoctype(const DoctypeHtml& doctype);

// The public identifiers that put a page in quirks mode when the DOCTYPE's
// starts with one of them (ASCII case ignored).
extern const char* const prefixesQuirks[];
extern const std::size_t nombrePrefixesQuirks;

#endif  // PAGEVET_HTML_MODEDOCTYPE_H_
