// What the HTML reader (lecteurhtml.h) tells about a page: positions, tags
// with their attributes, the DOCTYPE, and the visitor that receives them.
#ifndef PAGEVET_HTML_JETONHTML_H_
#define PAGEVET_HTML_JETONHTML_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LecteurHtml;

// Where a token starts in the page.
struct PositionHtml {
  std::uint64_t ligne = 0;    // 1 plus the line feeds before it (a lone CR starts no line)
  std::uint64_t colonne = 0;  // 1 plus the characters before it on its line: UTF-8
                              // sequences (a stray byte is one) on a UTF-8 page,
                              // bytes on a Windows-1252 page; a byte order mark is none
  std::uint64_t octet = 0;    // bytes before it from the file's first byte, a byte
                              // order mark included
};

// The most bytes kept of a name, of an attribute's value, of a DOCTYPE's
// identifiers and of a title's text; the rest is counted, not kept.
constexpr std::size_t kMaxNomHtml = 256;
constexpr std::size_t kMaxValeurHtml = 16 * 1024;
// The most attributes kept of one tag (the tag reads on past them).
constexpr std::size_t kMaxAttributsHtml = 256;
// A tag's source text is cut after this many characters, and "..." added.
constexpr std::size_t kMaxSourceHtml = 200;

// One attribute of a start tag, as the page's parser keeps it.
struct AttributHtml {
  std::string nom;     // ASCII letters lower-cased, UTF-8
  std::string valeur;  // UTF-8, character references decoded; its first
                       // kMaxValeurHtml bytes or so when it is longer
  std::uint64_t longueur = 0;  // bytes of the whole decoded value, in UTF-8
  bool tronquee = false;       // valeur holds only the start of it
};

// A start tag, with its attributes in the order of the page; a later
// attribute of a name already seen is dropped, as the parser drops it.
struct BaliseHtml {
  std::string nom;  // ASCII letters lower-cased, UTF-8; NUL read as U+FFFD
  std::vector<AttributHtml> attributs;  // valid entries: [0, nombreAttributs)
  std::size_t nombreAttributs = 0;
  bool attributsLus = false;  // false when the reader did not keep them (below)
  bool autoFermante = false;  // ends in "/>"
  mutable PositionHtml position;  // at its '<'
  std::uint64_t fin = 0;      // the byte after its '>' (or the page's end), from the file's first byte
  mutable std::string source;  // the tag as written, in the page's own character set: at
                               // most kMaxSourceHtml characters, then "..." when longer

  // position and source, made at the first call when the reader left them
  // out (VisiteurHtml::DetailsALaDemande); valid during the visitor's call.
  const PositionHtml& Position() const;
  const std::string& Source() const;
  mutable LecteurHtml* differe = nullptr;  // the reader that still owes them

  // The value of the attribute nom (lower-case), or nullptr.
  const AttributHtml* Attribut(std::string_view nomAttribut) const {
    for (std::size_t i = 0; i < nombreAttributs; ++i) {
      if (attributs[i].nom == nomAttribut) return &attributs[i];
    }
    return nullptr;
  }
};

// How a page's DOCTYPE sets the browser's rendering mode.
enum class ModeRendu { Standard, QuirksLimite, Quirks };

// The page's first DOCTYPE, the one the parser acts upon.
struct DoctypeHtml {
  bool present = false;
  bool avantPremiereBalise = false;  // met in the parser's "initial" mode: before any tag
                                     // or text but white space; only then does it set the mode
  std::string nom;                   // lower-cased; empty when missing
  bool publicPresent = false;
  std::string identifiantPublic;
  bool systemePresent = false;
  std::string identifiantSysteme;
  bool forceQuirks = false;  // the tokenizer's flag: a malformed DOCTYPE
  PositionHtml position;
  std::string source;
};

// What ended the head before any <body> start tag.
enum class FinTete {
  Aucune,        // the head was not ended early
  BaliseOuvrante,  // a start tag not allowed in the head (e.g. <img>)
  BaliseFermante,  // an end tag that opens the body (</br>, </body>, </html>)
  Texte,           // a character that is not ASCII white space
};

// The page as far as the head goes: what the reader found, complete after
// LecteurHtml::Finir.
struct EnteteHtml {
  DoctypeHtml doctype;
  ModeRendu mode = ModeRendu::Quirks;  // decided by the parser's "initial" mode

  bool htmlPresent = false;  // an <html> start tag opened the page (not implied)
  BaliseHtml html;           // that tag (its position and source); its attributes are
                             // merged with those of later <html> tags whose names it
                             // lacks, as the parser does, even when it was implied
  bool tetePresente = false;  // a <head> start tag opened the head (not implied)
  PositionHtml positionTete;
  bool corpsPresent = false;  // a <body> start tag opened the body
  PositionHtml positionCorps;

  FinTete finTete = FinTete::Aucune;
  PositionHtml positionFinTete;  // the tag or the first character that ended the head
  std::string sourceFinTete;     // its source text (at most kMaxSourceHtml characters, then
                                 // "..."); for text, from that character to the next tag
  std::string nomFinTete;        // the tag's name (empty for text)
  // After the head ended early, the start tags before <body> or the page's end
  // that are an HTML meta, title or base, or a link whose rel holds
  // "canonical", or "alternate" along with an hreflang attribute.
  std::uint64_t balisesTardives = 0;
};

// Receives the page's tags and text as the reader meets them. Each
// reference given is valid during the call only.
class VisiteurHtml {
 public:
  virtual ~VisiteurHtml() = default;

  // An element the parser places in the head (not one within a <template>),
  // in the order of the page. For title, texte is its text (decoded, UTF-8,
  // its first kMaxValeurHtml bytes or so), given when its end tag is read.
  virtual void ElementTete(const BaliseHtml& balise, const std::string& texte) {
    (void)balise;
    (void)texte;
  }

  // Every start tag of the page, the head's included, in order (end tags
  // are not handed out). Its
  // attributes are kept (attributsLus) for the head's tags and for <html>,
  // <body>, <link>, <meta> and <base> anywhere, unless ToutesLesBalises says
  // to keep every tag's.
  virtual void BaliseOuvrante(const BaliseHtml& balise) { (void)balise; }
  virtual bool ToutesLesBalises() const { return false; }
  // When true, the body's start tags other than <body> and <head> reach
  // BaliseOuvrante with position and source left empty, made only when the
  // visitor calls Position() or Source(): most tags need neither.
  virtual bool DetailsALaDemande() const { return false; }

  // A <head> start tag that the parser ignores because the head is closed.
  virtual void TeteIgnoree(const BaliseHtml& balise) { (void)balise; }

  // The page's text, when VeutTexte: text outside tags and comments, and
  // outside script, style, template, noscript, iframe, noembed and noframes
  // (whose text is not read as the page's), character references decoded,
  // UTF-8, line ends as LF; the text of title, textarea, xmp and plaintext
  // is included. separe: a tag or comment stands between this run and the
  // previous one (words do not join across it); a long text comes in
  // several runs that join (separe false).
  virtual bool VeutTexte() const { return false; }
  virtual void Texte(const char* texte, std::size_t n, bool separe) {
    (void)texte;
    (void)n;
    (void)separe;
  }
};

#endif  // PAGEVET_HTML_JETONHTML_H_
