// The tag names the HTML reader acts upon, told apart once a tag, so that the
// tree builder compares small integers instead of strings.
#ifndef PAGEVET_HTML_NOMCONNU_H_
#define PAGEVET_HTML_NOMCONNU_H_

#include <cstddef>
#include <string>

enum class NomConnu : unsigned char {
  Autre, Html, Head, Body, Base, Basefont, Bgsound, Link, Meta, Title, Noscript, Noframes,
  Style, Script, Template, Textarea, Xmp, Iframe, Noembed, Plaintext, Frameset, Br,
};

// The name's kind; nom is lower-case.
NomConnu nomConnu(const std::string& nom);

#endif  // PAGEVET_HTML_NOMCONNU_H_
