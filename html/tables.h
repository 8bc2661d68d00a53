// Constant tables of the HTML text processing: character entities, accent
// folding, word-separating punctuation and the known tag names of HTML 3.2
// and of today's HTML.
#ifndef PAGEVET_HTML_TABLES_H_
#define PAGEVET_HTML_TABLES_H_

#include <iterator>

// One named character entity, written whole from '&' to ';', and the
// Latin-1 code that replaces it. Names match case-sensitively.
struct Entite {
  const char* nom;
  unsigned char code;
};

// Tried in this order; the first whole match wins. Deliberate departures
// from the usual set: "&nbsp;" is a plain space, the fractions are spelt
// "fraq", and "&micro;" does not separate words.
inline constexpr Entite tableEntites[] = {
    {"&lt;", 0x3C}, {"&gt;", 0x3E}, {"&amp;", 0x26},
    {"&agrave;", 0xE0}, {"&aacute;", 0xE1}, {"&acirc;", 0xE2},
    {"&atilde;", 0xE3}, {"&auml;", 0xE4}, {"&aring;", 0xE5},
    {"&aelig;", 0xE6}, {"&egrave;", 0xE8}, {"&eacute;", 0xE9},
    {"&ecirc;", 0xEA}, {"&euml;", 0xEB}, {"&igrave;", 0xEC},
    {"&iacute;", 0xED}, {"&icirc;", 0xEE}, {"&iuml;", 0xEF},
    {"&ograve;", 0xF2}, {"&oacute;", 0xF3}, {"&ocirc;", 0xF4},
    {"&otilde;", 0xF5}, {"&ouml;", 0xF6}, {"&oslash;", 0xF8},
    {"&ugrave;", 0xF9}, {"&uacute;", 0xFA}, {"&ucirc;", 0xFB},
    {"&uuml;", 0xFC}, {"&yacute;", 0xFD}, {"&thorn;", 0xFE},
    {"&yuml;", 0xFF}, {"&Agrave;", 0xC0}, {"&Aacute;", 0xC1},
    {"&Acirc;", 0xC2}, {"&Atilde;", 0xC3}, {"&Auml;", 0xC4},
    {"&Aring;", 0xC5}, {"&AElig;", 0xC6}, {"&Egrave;", 0xC8},
    {"&Eacute;", 0xC9}, {"&Ecirc;", 0xCA}, {"&Euml;", 0xCB},
    {"&Igrave;", 0xCC}, {"&Iacute;", 0xCD}, {"&Icirc;", 0xCE},
    {"&Iuml;", 0xCF}, {"&Ograve;", 0xD2}, {"&Oacute;", 0xD3},
    {"&Ocirc;", 0xD4}, {"&Otilde;", 0xD5}, {"&Ouml;", 0xD6},
    {"&Oslash;", 0xD8}, {"&Ugrave;", 0xD9}, {"&Uacute;", 0xDA},
    {"&Ucirc;", 0xDB}, {"&Uuml;", 0xDC}, {"&Yacute;", 0xDD},
    {"&THORN;", 0xDE}, {"&szlig;", 0xDF}, {"&Ccedil;", 0xC7},
    {"&ETH;", 0xD0}, {"&Ntilde;", 0xD1}, {"&ccedil;", 0xE7},
    {"&eth;", 0xF0}, {"&ntilde;", 0xF1}, {"&copy;", 0xA9},
    {"&reg;", 0xAE}, {"&laquo;", 0xAB}, {"&raquo;", 0xBB},
    {"&micro;", 0xB5}, {"&para;", 0xB6}, {"&fraq14;", 0xBC},
    {"&fraq12;", 0xBD}, {"&fraq34;", 0xBE}, {"&quot;", 0x22},
    {"&nbsp;", 0x20}, {"&iexcl;", 0xA1}, {"&cent;", 0xA2},
    {"&pound;", 0xA3}, {"&curren;", 0xA4}, {"&yen;", 0xA5},
    {"&brvbar;", 0xA6}, {"&sect;", 0xA7}, {"&uml;", 0xA8},
    {"&ordf;", 0xAA}, {"&not;", 0xAC}, {"&shy;", 0xAD},
    {"&macr;", 0xAF}, {"&deg;", 0xB0}, {"&plusmn;", 0xB1},
    {"&sup2;", 0xB2}, {"&sup3;", 0xB3}, {"&acute;", 0xB4},
    {"&middot;", 0xB7}, {"&cedil;", 0xB8}, {"&sup1;", 0xB9},
    {"&ordm;", 0xBA}, {"&iquest;", 0xBF}, {"&times;", 0xD7},
    {"&divide;", 0xF7},
};
constexpr int nombreEntites = static_cast<int>(std::size(tableEntites));
static_assert(nombreEntites == 100, "the entity table holds 100 names");

// The 36 entities that separate words, concatenated (231 characters).
inline constexpr char entitesSeparatrices[] =
    "&quot;&nbsp;&lt;&gt;&copy;&reg;&laquo;&raquo;&para;&fraq14;&fraq12;"
    "&fraq34;&iexcl;&cent;&pound;&curren;&yen;&brvbar;&sect;&uml;&ordf;"
    "&not;&shy;&macr;&deg;&plusmn;&sup2;&sup3;&acute;&middot;&cedil;&sup1;"
    "&ordm;&iquest;&times;&divide;";

// The 16 punctuation characters that separate words.
inline constexpr char ponctuation[] = ".,;'?!:()[]{}=|`";

namespace tables {

constexpr int compter(const char* texte, char c) {
  int nombre = 0;
  for (; *texte != '\0'; ++texte) nombre += *texte == c;
  return nombre;
}

constexpr bool avant(const char* a, const char* b) {
  while (*a != '\0' && *a == *b) ++a, ++b;
  return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
}

}  // namespace tables

static_assert(std::size(entitesSeparatrices) - 1 == 231 &&
                  tables::compter(entitesSeparatrices, '&') == 36 &&
                  tables::compter(entitesSeparatrices, ';') == 36,
              "36 separating entities");
static_assert(tables::compter(entitesSeparatrices, '&') + std::size(ponctuation) - 1 == 52,
              "52 word separators");

// Accent folding: accentues[i] becomes simples[i]. The ligatures, sharp s,
// thorn and lower-case eth (0xF0) have no plain form and are absent; capital
// eth (0xD0) folds to D.
inline constexpr char accentsAccentues[] =
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFF"
    "\xC0\xC1\xC2\xC3\xC4\xC5\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
    "\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD"
    "\xC7\xD0\xD1\xE7\xF1";
inline constexpr char accentsSimples[] = "aaaaaaeeeeiiiioooooouuuuyyAAAAAAEEEEIIIIOOOOOOUUUUYCDNcn";
struct TableAccents {
  const char* accentues;
  const char* simples;
};
inline constexpr TableAccents tableAccents = {accentsAccentues, accentsSimples};
constexpr int nombreAccents = static_cast<int>(std::size(accentsAccentues)) - 1;
static_assert(nombreAccents == 56 && std::size(accentsSimples) - 1 == 56,
              "56 accented letters, each with its plain letter");

// Lower-case HTML 3.2 tag names, closing ones with their '/', sorted in
// byte order for binary search.
inline constexpr const char* tableBalises[] = {
    "/a", "/address", "/applet", "/b", "/big", "/blockquote", "/body",
    "/caption", "/center", "/cite", "/code", "/dd", "/dfn", "/dir", "/div",
    "/dl", "/dt", "/em", "/font", "/form", "/h1", "/h2", "/h3", "/h4", "/h5",
    "/h6", "/head", "/html", "/i", "/kbd", "/li", "/map", "/menu", "/ol",
    "/option", "/p", "/pre", "/samp", "/script", "/select", "/small", "/strike",
    "/strong", "/style", "/sub", "/sup", "/table", "/td", "/textarea", "/th",
    "/title", "/tr", "/tt", "/u", "/ul", "/var", "a", "address", "applet",
    "area", "b", "base", "basefont", "big", "blockquote", "body", "br",
    "caption", "center", "cite", "code", "dd", "dfn", "dir", "div", "dl", "dt",
    "em", "font", "form", "h1", "h2", "h3", "h4", "h5", "h6", "head", "hr",
    "html", "i", "img", "input", "isindex", "kbd", "li", "link", "map", "menu",
    "meta", "ol", "option", "p", "param", "pre", "samp", "script", "select",
    "small", "strike", "strong", "style", "sub", "sup", "table", "td",
    "textarea", "th", "title", "tr", "tt", "u", "ul", "var",
};
constexpr int nombreBalises = static_cast<int>(std::size(tableBalises));
static_assert(nombreBalises == 123, "123 tag names");

// Lower-case element names of today's HTML, with the SVG and MathML elements
// that pages write inline, sorted in byte order for binary search. Closing
// tags are the same names; obsolete elements (center, font, tt...) are out.
inline constexpr const char* tableBalisesHtml5[] = {
    "a", "abbr", "address", "animate", "animatemotion", "animatetransform", "annotation",
    "annotation-xml", "area", "article", "aside", "audio", "b", "base", "bdi", "bdo", "blockquote",
    "body", "br", "button", "canvas", "caption", "circle", "cite", "clippath", "code", "col",
    "colgroup", "data", "datalist", "dd", "defs", "del", "desc", "details", "dfn", "dialog",
    "discard", "div", "dl", "dt", "ellipse", "em", "embed", "feblend", "fecolormatrix",
    "fecomponenttransfer", "fecomposite", "feconvolvematrix", "fediffuselighting",
    "fedisplacementmap", "fedistantlight", "fedropshadow", "feflood", "fefunca", "fefuncb",
    "fefuncg", "fefuncr", "fegaussianblur", "feimage", "femerge", "femergenode", "femorphology",
    "feoffset", "fepointlight", "fespecularlighting", "fespotlight", "fetile", "feturbulence",
    "fieldset", "figcaption", "figure", "filter", "footer", "foreignobject", "form", "g", "h1",
    "h2", "h3", "h4", "h5", "h6", "head", "header", "hgroup", "hr", "html", "i", "iframe", "image",
    "img", "input", "ins", "kbd", "label", "legend", "li", "line", "lineargradient", "link",
    "maction", "main", "map", "mark", "marker", "mask", "math", "menu", "merror", "meta",
    "metadata", "meter", "mfrac", "mi", "mmultiscripts", "mn", "mo", "mover", "mpadded", "mpath",
    "mphantom", "mprescripts", "mroot", "mrow", "ms", "mspace", "msqrt", "mstyle", "msub",
    "msubsup", "msup", "mtable", "mtd", "mtext", "mtr", "munder", "munderover", "nav", "none",
    "noscript", "object", "ol", "optgroup", "option", "output", "p", "path", "pattern", "picture",
    "polygon", "polyline", "pre", "progress", "q", "radialgradient", "rect", "rp", "rt", "ruby",
    "s", "samp", "script", "search", "section", "select", "selectedcontent", "semantics", "set",
    "slot", "small", "source", "span", "stop", "strong", "style", "sub", "summary", "sup", "svg",
    "switch", "symbol", "table", "tbody", "td", "template", "text", "textarea", "textpath", "tfoot",
    "th", "thead", "time", "title", "tr", "track", "tspan", "u", "ul", "use", "var", "video",
    "view", "wbr",
};
constexpr int nombreBalisesHtml5 = static_cast<int>(std::size(tableBalisesHtml5));
static_assert(nombreBalisesHtml5 == 204, "204 tag names: 115 HTML, 59 SVG, 30 MathML");

namespace tables {

template <int N>
constexpr bool triees(const char* const (&noms)[N]) {
  for (int i = 1; i < N; ++i) {
    if (!avant(noms[i - 1], noms[i])) return false;
  }
  return true;
}

}  // namespace tables

static_assert(tables::triees(tableBalises), "tag names in strictly increasing byte order");
static_assert(tables::triees(tableBalisesHtml5), "HTML5 names in strictly increasing byte order");

#endif  // PAGEVET_HTML_TABLES_H_
