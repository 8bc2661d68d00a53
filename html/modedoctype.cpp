// The quirks-mode decision on a DOCTYPE's name and identifiers.
#include "html/modedoctype.h"

#include <iterator>
#include <string>

const char* const prefixesQuirks[] = {
    "+//Silmaril//dtd html Pro v0r11 19970101//",
    "-//AS//DTD HTML 3.0 asWedit + extensions//",
    "-//AdvaSoft Ltd//DTD HTML 3.0 asWedit + extensions//",
    "-//IETF//DTD HTML 2.0 Level 1//",
    "-//IETF//DTD HTML 2.0 Level 2//",
    "-//IETF//DTD HTML 2.0 Strict Level 1//",
    "-//IETF//DTD HTML 2.0 Strict Level 2//",
    "-//IETF//DTD HTML 2.0 Strict//",
    "-//IETF//DTD HTML 2.0//",
    "-//IETF//DTD HTML 2.1E//",
    "-//IETF//DTD HTML 3.0//",
    "-//IETF//DTD HTML 3.2 Final//",
    "-//IETF//DTD HTML 3.2//",
    "-//IETF//DTD HTML 3//",
    "-//IETF//DTD HTML Level 0//",
    "-//IETF//DTD HTML Level 1//",
    "-//IETF//DTD HTML Level 2//",
    "-//IETF//DTD HTML Level 3//",
    "-//IETF//DTD HTML Strict Level 0//",
    "-//IETF//DTD HTML Strict Level 1//",
    "-//IETF//DTD HTML Strict Level 2//",
    "-//IETF//DTD HTML Strict Level 3//",
    "-//IETF//DTD HTML Strict//",
    "-//IETF//DTD HTML//",
    "-//Metrius//DTD Metrius Presentational//",
    "-//Microsoft//DTD Internet Explorer 2.0 HTML Strict//",
    "-//Microsoft//DTD Internet Explorer 2.0 HTML//",
    "-//Microsoft//DTD Internet Explorer 2.0 Tables//",
    "-//Microsoft//DTD Internet Explorer 3.0 HTML Strict//",
    "-//Microsoft//DTD Internet Explorer 3.0 HTML//",
    "-//Microsoft//DTD Internet Explorer 3.0 Tables//",
    "-//Netscape Comm. Corp.//DTD HTML//",
    "-//Netscape Comm. Corp.//DTD Strict HTML//",
    "-//O'Reilly and Associates//DTD HTML 2.0//",
    "-//O'Reilly and Associates//DTD HTML Extended 1.0//",
    "-//O'Reilly and Associates//DTD HTML Extended Relaxed 1.0//",
    "-//SQ//DTD HTML 2.0 HoTMetaL + extensions//",
    "-//SoftQuad Software//DTD HoTMetaL PRO 6.0::19990601::extensions to HTML 4.0//",
    "-//SoftQuad//DTD HoTMetaL PRO 4.0::19971010::extensions to HTML 4.0//",
    "-//Spyglass//DTD HTML 2.0 Extended//",
    "-//Sun Microsystems Corp.//DTD HotJava HTML//",
    "-//Sun Microsystems Corp.//DTD HotJava Strict HTML//",
    "-//W3C//DTD HTML 3 1995-03-24//",
    "-//W3C//DTD HTML 3.2 Draft//",
    "-//W3C//DTD HTML 3.2 Final//",
    "-//W3C//DTD HTML 3.2//",
    "-//W3C//DTD HTML 3.2S Draft//",
    "-//W3C//DTD HTML 4.0 Frameset//",
    "-//W3C//DTD HTML 4.0 Transitional//",
    "-//W3C//DTD HTML Experimental 19960712//",
    "-//W3C//DTD HTML Experimental 970421//",
    "-//W3C//DTD W3 HTML//",
    "-//W3O//DTD W3 HTML 3.0//",
    "-//WebTechs//DTD Mozilla HTML 2.0//",
    "-//WebTechs//DTD Mozilla HTML//",
};
const std::size_t nombrePrefixesQuirks = std::size(prefixesQuirks);
static_assert(std::size(prefixesQuirks) == 55, "the standard lists 55 prefixes");

namespace {

// Public identifiers that select quirks mode when they are the whole identifier.
const char* const publicsQuirks[] = {
    "-//W3O//DTD W3 HTML Strict 3.0//EN//",
    "-/W3C/DTD HTML 4.0 Transitional/EN",
    "HTML",
};
static_assert(std::size(publicsQuirks) == 3, "the standard lists 3 identifiers");

// HTML 4.01's loose DTDs: quirks without a system identifier, limited
// quirks with one.
const char* const prefixesHtml401[] = {
    "-//W3C//DTD HTML 4.01 Frameset//",
    "-//W3C//DTD HTML 4.01 Transitional//",
};
// XHTML 1.0's loose DTDs: limited quirks.
const char* const prefixesXhtml[] = {
    "-//W3C//DTD XHTML 1.0 Frameset//",
    "-//W3C//DTD XHTML 1.0 Transitional//",
};

char minuscule(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool egalSansCasse(const std::string& texte, const char* modele) {
  std::size_t i = 0;
  for (; modele[i] != '\0'; ++i) {
    if (i >= texte.size() || minuscule(texte[i]) != minuscule(modele[i])) return false;
  }
  return i == texte.size();
}

bool commencePar(const std::string& texte, const char* prefixe) {
  for (std::size_t i = 0; prefixe[i] != '\0'; ++i) {
    if (i >= texte.size() || minuscule(texte[i]) != minuscule(prefixe[i])) return false;
  }
  return true;
}

template <std::size_t N>
bool commenceParUn(const std::string& texte, const char* const (&prefixes)[N]) {
  for (const char* prefixe : prefixes) {
    if (commencePar(texte, prefixe)) return true;
  }
  return false;
}

}  // namespace

ModeRendu modeDuDoctype(const DoctypeHtml& doctype) {
  if (!doctype.present || doctype.forceQuirks || doctype.nom != "html") return ModeRendu::Quirks;
  const std::string& publique = doctype.identifiantPublic;
  if (doctype.systemePresent &&
      egalSansCasse(doctype.identifiantSysteme,
                    "http://www.ibm.com/data/dtd/v11/ibmxhtml1-transitional.dtd")) {
    return ModeRendu::Quirks;
  }
  if (!doctype.publicPresent) return ModeRendu::Standard;
  for (const char* entier : publicsQuirks) {
    if (egalSansCasse(publique, entier)) return ModeRendu::Quirks;
  }
  if (commenceParUn(publique, prefixesQuirks)) return ModeRendu::Quirks;
  if (commenceParUn(publique, prefixesHtml401)) {
    return doctype.systemePresent ? ModeRendu::QuirksLimite : ModeRendu::Quirks;
  }
  if (commenceParUn(publique, prefixesXhtml)) return ModeRendu::QuirksLimite;
  return ModeRendu::Standard;
}
