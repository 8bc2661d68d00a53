// Constant tables of the HTML text processing: character entities, accent
// folding, word-separating punctuation and the known HTML 3.2 tag names.
#include "html/tables.h"

// Deliberate departures from the usual set: "&nbsp;" is a plain space, the
// fractions are spelt "fraq", and "&micro;" does not separate words.
const Entite tableEntites[nombreEntites] = {
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

const char entitesSeparatrices[232] =
    "&quot;&nbsp;&lt;&gt;&copy;&reg;&laquo;&raquo;&para;&fraq14;&fraq12;"
    "&fraq34;&iexcl;&cent;&pound;&curren;&yen;&brvbar;&sect;&uml;&ordf;"
    "&not;&shy;&macr;&deg;&plusmn;&sup2;&sup3;&acute;&middot;&cedil;&sup1;"
    "&ordm;&iquest;&times;&divide;";

const char ponctuation[17] = ".,;'?!:()[]{}=|`";

// The ligatures, sharp s, thorn and lower-case eth (0xF0) have no plain
// form and are absent; capital eth (0xD0) folds to D.
const TableAccents tableAccents = {
    "\xE0\xE1\xE2\xE3\xE4\xE5\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
    "\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFF"
    "\xC0\xC1\xC2\xC3\xC4\xC5\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
    "\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD"
    "\xC7\xD0\xD1\xE7\xF1",
    "aaaaaaeeeeiiiioooooouuuuyyAAAAAAEEEEIIIIOOOOOOUUUUYCDNcn",
};

const char* const tableBalises[nombreBalises] = {
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
