// Benchmark site generator: writes a reproducible tree of Windows-1252 HTML pages,
// mostly clean, some with the head and keyword faults that pagevet reports. Two more
// modes write the shapes whose cost can grow with the square of their size: many
// sibling directories of one page each, and one page of many distinct words.

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

// splitmix64: the same stream on every platform (std:: distributions are not).
uint64_t mix(uint64_t z) {
  z += 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

class Rng {
 public:
  // One independent stream per (seed, kind, index): a page's bytes depend on nothing else.
  Rng(uint64_t seed, uint64_t kind, uint64_t index) : state_(mix(seed ^ mix(kind ^ mix(index)))) {}
  uint64_t next() { return mix(state_++); }
  size_t below(size_t n) { return static_cast<size_t>(next() % n); }
  int range(int lo, int hi) {  // lo..hi inclusive
    return lo + static_cast<int>(below(static_cast<size_t>(hi - lo + 1)));
  }
  bool chance(int percent) { return below(100) < static_cast<size_t>(percent); }
  template <class T, size_t N>
  const T& pick(const T (&a)[N]) { return a[below(N)]; }

 private:
  uint64_t state_;
};

// Words are written with named entities for their accented letters; each is expanded to the
// raw Windows-1252 bytes and to numeric references. No two fold to the same unaccented form.
const char kVocab[] =
    "garden club roses compost seeds lake autumn spring summer winter members news tomato river "
    "mountain village market school library concert festival meeting committee newsletter weather "
    "forecast holiday travel journey station harbour bridge castle church cathedral meadow "
    "orchard vineyard cheese bread wine recipe kitchen dinner breakfast picnic bicycle railway "
    "photography painting exhibition gallery dance choir orchestra heritage archive census family "
    "genealogy software computer network internet e-mail download update version manual support "
    "forum question answer contact address price order catalogue product service delivery "
    "shipping account calendar agenda walking climbing sailing fishing swimming football tennis "
    "rugby birds butterflies flowers vegetables apples pears honey bees trees week-end tourism "
    "hotel camping map guide history museum caf&eacute; &eacute;t&eacute; ch&acirc;teau "
    "for&ecirc;t rivi&egrave;re biblioth&egrave;que &eacute;cole gar&ccedil;on fran&ccedil;ais "
    "le&ccedil;on fa&ccedil;ade r&eacute;union soci&eacute;t&eacute; associ&eacute; "
    "b&eacute;n&eacute;vole activit&eacute; qualit&eacute; vari&eacute;t&eacute; sant&eacute; "
    "libert&eacute; f&ecirc;te ann&eacute;e journ&eacute;e soir&eacute;e id&eacute;e lyc&eacute;e "
    "arriv&eacute;e entr&eacute;e pr&eacute;sident tr&eacute;sorier secr&eacute;taire "
    "d&eacute;p&ocirc;t g&acirc;teau fen&ecirc;tre t&ecirc;te m&egrave;re p&egrave;re "
    "fr&egrave;re pi&egrave;ce si&egrave;ge probl&egrave;me syst&egrave;me mod&egrave;le "
    "&eacute;l&egrave;ve c&ocirc;te h&ocirc;pital r&ocirc;ti dipl&ocirc;me ao&ucirc;t go&ucirc;t "
    "co&ucirc;t s&ucirc;ret&eacute; na&iuml;f ma&iuml;s no&euml;l fa&iuml;ence cr&egrave;me "
    "cr&ecirc;pe &eacute;glise &eacute;tude &eacute;quipe &eacute;tage &eacute;nergie "
    "&eacute;conomie &eacute;dition &eacute;v&eacute;nement march&eacute; quartier jardin maison "
    "ville montagne plage mer pont rue place gare voiture v&eacute;lo bateau avion chemin route "
    "pays r&eacute;gion d&eacute;partement commune mairie conseil comit&eacute; bureau membre "
    "adh&eacute;rent cotisation calendrier programme musique chanson danse cin&eacute;ma livre "
    "roman po&egrave;me histoire g&eacute;ographie math&eacute;matiques physique chimie biologie "
    "m&eacute;decine cuisine recette fromage pain vin bi&egrave;re pomme poire fraise tomate "
    "l&eacute;gume fruit poisson viande d&icirc;ner d&eacute;jeuner go&ucirc;ter boisson "
    "ma&icirc;tre &icirc;le cha&icirc;ne bo&icirc;te fl&ucirc;te gr&acirc;ce p&acirc;te &acirc;ge "
    "b&acirc;timent randonn&eacute;e p&ecirc;che v&eacute;g&eacute;tal pr&eacute;f&eacute;rences "
    "num&eacute;ro t&eacute;l&eacute;phone &eacute;t&eacute;s m&uuml;sli k&uuml;che gr&uuml;n "
    "sch&ouml;n d&uuml;sseldorf z&uuml;rich mus&eacute;e th&eacute;&acirc;tre for&ecirc;ts "
    "d&eacute;couverte &eacute;cologie r&eacute;colte c&eacute;r&eacute;ales pr&eacute;vision "
    "m&eacute;t&eacute;o s&eacute;jour h&eacute;bergement g&icirc;te auberge r&eacute;servation "
    "tarif r&eacute;duction entr&eacute;es exposition peinture sculpture atelier stage cours "
    "d&eacute;butant confirm&eacute; &eacute;quipement mat&eacute;riel logiciel r&eacute;seau "
    "ordinateur t&eacute;l&eacute;chargement mise-&agrave;-jour nouveaut&eacute;s";

// Short words that fill sentences; never keywords.
const char kFiller[] =
    "the and of to in for with on at by from is are was our this that all new le la les des du de "
    "et en au aux pour avec sur dans par une un est sont nous vous &agrave; o&ugrave; tr&egrave;s "
    "d&egrave;s apr&egrave;s d&eacute;j&agrave; voil&agrave; plus bien tout";

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

struct Accent {
  const char* name;
  unsigned char code;
};
const Accent kAccents[] = {
    {"agrave", 0xE0}, {"acirc", 0xE2}, {"ccedil", 0xE7}, {"egrave", 0xE8}, {"eacute", 0xE9},
    {"ecirc", 0xEA},  {"euml", 0xEB},  {"icirc", 0xEE},  {"iuml", 0xEF},   {"ocirc", 0xF4},
    {"ouml", 0xF6},   {"ugrave", 0xF9}, {"ucirc", 0xFB}, {"uuml", 0xFC}};

struct Word {
  std::string raw, named, numeric;  // e-acute as the byte 0xE9, as "&eacute;", as "&#233;"
  bool accented = false;
};

Word makeWord(const std::string& source) {
  Word w;
  w.named = source;
  for (const char* p = source.c_str(); *p != '\0';) {
    if (*p != '&') {
      w.raw += *p;
      w.numeric += *p++;
      continue;
    }
    const char* semi = std::strchr(p, ';');
    const std::string_view name(p + 1, semi == nullptr ? 0 : static_cast<size_t>(semi - p - 1));
    const Accent* found = nullptr;
    for (const Accent& a : kAccents) found = (name == a.name) ? &a : found;
    if (found == nullptr) throw std::logic_error("unknown entity in word list: " + w.named);
    w.raw += static_cast<char>(found->code);
    w.numeric += "&#" + std::to_string(found->code) + ";";
    w.accented = true;
    p = semi + 1;
  }
  return w;
}

std::vector<Word> makeWords(const char* list) {
  std::vector<Word> words;
  for (const char* p = list; *p != '\0'; p += std::strspn(p, " ")) {
    const size_t n = std::strcspn(p, " ");
    words.push_back(makeWord(std::string(p, n)));
    p += n;
  }
  return words;
}

const char* const kMetaKeys[] = {"Content-Type", "Content-Language", "description",
                                 "keywords",     "reply-to",         "robots"};
const char* const kUnknownTags[] = {"blink", "marquee", "nobr", "span"};
const char* const kEnds[] = {".", ".", ".", ".", "!", "?", ":"};

// Builds one page in a string. Most choices are plain percentages of the page's own stream.
class PageBuilder {
 public:
  PageBuilder(Rng& rng, const std::vector<Word>& vocab, const std::vector<Word>& filler,
              size_t pages, bool small)
      : r_(rng), vocab_(vocab), filler_(filler), pages_(pages), small_(small) {}

  std::string build() {
    minified_ = r_.chance(5);
    minHead_ = minified_ && r_.chance(35);
    upper_ = r_.chance(5);
    width_ = r_.range(60, 100);
    chooseSize();
    chooseWords();
    head();
    body();
    if (upper_) upperTagNames();
    if (r_.chance(10)) toCrlf();
    return std::move(out_);
  }

 private:
  void chooseSize() {
    if (small_) {
      target_ = r_.range(1150, 3000);
      return;
    }
    // 45% 1-4 KB, 30% 4-10, 15% 10-20, 7% 20-40, 3% 40-60: about 10 KB on average once the
    // minified pages (14 KB at least) and the last block's overshoot are counted.
    static const int kLimits[][3] = {
        {45, 1, 4}, {75, 4, 10}, {90, 10, 20}, {97, 20, 40}, {100, 40, 58}};
    const int roll = r_.range(0, 99);
    const int* b = kLimits[0];
    while (roll >= b[0]) b += 3;
    target_ = std::max(1150, r_.range(b[1] * 1024, b[2] * 1024));  // 1 KB once the footer is in
    if (minified_ && target_ < 14 * 1024) target_ = r_.range(14 * 1024, 48 * 1024);
  }

  // The page's topic: distinct vocabulary words; the first few are its keywords.
  void chooseWords() {
    std::vector<bool> used(vocab_.size());
    const int n = r_.range(24, 48);
    while (static_cast<int>(topic_.size()) < n) {
      const size_t i = r_.below(vocab_.size());
      if (!used[i]) topic_.push_back(i), used[i] = true;
    }
    const size_t count = static_cast<size_t>(r_.range(4, 12));
    lead_.assign(topic_.begin(), topic_.begin() + static_cast<long>(count));
    std::vector<std::string> items;
    for (size_t i : lead_) items.push_back(vocab_[i].raw);
    if (r_.chance(4)) {  // a keyword spelt with an entity never meets the decoded text
      for (size_t i = 0; i < count; ++i)
        if (vocab_[lead_[i]].accented) {
          items[i] = vocab_[lead_[i]].named;
          break;
        }
    }
    if (r_.chance(3)) items.back() = items[r_.below(count - 1)];  // written twice
    if (r_.chance(3)) {  // a keyword that the text never uses
      size_t i = r_.below(vocab_.size());
      while (used[i]) i = (i + 1) % vocab_.size();
      items[r_.below(count)] = vocab_[i].raw;
    }
    for (const std::string& item : items) keywords_ += (keywords_.empty() ? "" : ", ") + item;
  }

  std::string meta(size_t kind, const std::string& value, int form) {
    const std::string attr = kind < 2 ? "http-equiv" : "name";
    std::string key = kMetaKeys[kind];
    if (kind >= 2 && r_.chance(15)) key[0] = upper(key[0]);
    switch (form) {
      case 1: return "<meta " + attr + " = \"" + key + "\" content = \"" + value + "\" >";
      case 2: return "<META " + (kind < 2 ? std::string("HTTP-EQUIV") : "NAME") + "=" + key +
                     " CONTENT=\"" + value + "\">";
      case 3: return "<meta " + attr + "='" + key + "' content='" + value + "'>";
      case 4: return "<meta content=\"" + value + "\" " + attr + "=\"" + key + "\">";
      default: return "<meta " + attr + "=\"" + key + "\" content=\"" + value + "\">";
    }
  }

  std::string metaValue(size_t kind) {
    static const char* const kTypes[] = {"text/html; charset=windows-1252",
                                         "text/html; charset=iso-8859-1"};
    static const char* const kLangs[] = {"fr", "en", "fr-FR", "en-GB", "fr, en"};
    static const char* const kUsers[] = {"webmaster", "info", "contact", "redaction"};
    static const char* const kDomains[] = {"example.org", "example.com", "exemple.fr"};
    static const char* const kRobots[] = {"index, follow", "noindex, nofollow", "all",
                                          "index, nofollow"};
    switch (kind) {
      case 0: return r_.pick(kTypes);
      case 1: return r_.pick(kLangs);
      case 2: {
        std::string s;
        for (int i = r_.range(6, 20); i > 0; --i) s += (s.empty() ? "" : " ") + anyWord().raw;
        s[0] = upper(s[0]);
        return s + ".";
      }
      case 3: return keywords_;
      case 4: {
        const std::string user = r_.pick(kUsers);
        return user + "@" + r_.pick(kDomains);
      }
      default: return r_.pick(kRobots);
    }
  }

  void line(const std::string& text) { out_ += text, out_ += minHead_ ? "" : "\n"; }

  void head() {
    if (r_.chance(50)) out_ += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n";
    line(r_.chance(20) ? "<html lang=\"fr\">" : "<html>");
    line("<head>");
    std::vector<size_t> kinds = {0, 1, 2, 3, 4, 5};
    for (size_t i = kinds.size() - 1; i > 0; --i) std::swap(kinds[i], kinds[r_.below(i + 1)]);
    if (r_.chance(4)) {  // a tag written twice
      const size_t kind = kinds[r_.below(6)];
      kinds.insert(kinds.begin() + r_.range(1, 6), kind);
    }
    if (r_.chance(5)) kinds.erase(kinds.begin() + r_.range(0, 5));  // a missing tag
    std::vector<std::string> lines;
    for (size_t kind : kinds) {
      const std::string value = metaValue(kind);
      lines.push_back(meta(kind, value, r_.chance(5) ? 1 : 0));
    }
    if (r_.chance(6)) {  // a broken form, or two tags on one line
      const size_t i = r_.below(lines.size() - 1);
      const int form = r_.range(2, 5);
      if (form < 5) {
        lines[i] = meta(kinds[i], metaValue(kinds[i]), form);
      } else {
        lines[i] += lines[i + 1];
        lines.erase(lines.begin() + static_cast<long>(i) + 1);
      }
    }
    std::string title = "<title>" + words(r_.range(2, 6));
    title += r_.chance(4) ? " \n" : " - ";  // sometimes split over two lines
    title += words(r_.range(1, 3)) + "</title>";
    if (!r_.chance(3)) {  // now and then no title at all
      const size_t at = r_.chance(70) ? 0 : r_.below(lines.size());
      lines.insert(lines.begin() + static_cast<long>(at), title);
    }
    const std::string indent = r_.chance(25) ? (r_.chance(50) ? "  " : "\t") : "";
    if (r_.chance(15)) lines.push_back("<!-- " + words(r_.range(2, 8)) + " -->");
    if (r_.chance(25)) lines.push_back("<link rel=\"stylesheet\" href=\"../style.css\">");
    if (r_.chance(10)) lines.push_back("<base href=\"http://www.example.org/\">");
    if (r_.chance(10)) lines.push_back("<script type=\"text/javascript\">\n  var menu = 1;\n"
                                       "  function ouvrir(page) { window.open(page); }\n</script>");
    if (r_.chance(4)) lines.push_back("<script src=\"/js/menu.js\"></script>");  // two tags
    if (r_.chance(5)) lines.push_back(multiLineComment());
    for (std::string& l : lines) {
      if (minHead_) for (char& c : l) c = (c == '\n') ? ' ' : c;
      line(indent + l);
    }
    headLate_ = !minified_ && r_.chance(3);
    if (!headLate_) line("</head>");
  }

  void body() {
    lineStart_ = out_.rfind('\n') + 1;  // npos + 1 == 0: the whole page is one line so far
    lineLimit_ = static_cast<size_t>(r_.range(9000, 50000));
    if (!r_.chance(3)) open(r_.chance(30) ? "<body bgcolor=\"#ffffff\">" : "<body>");
    endBlock();
    if (r_.chance(30)) heading("<h1>", "</h1>");
    leadParagraph();
    if (headLate_) out_ += "</head>\n", lineStart_ = out_.size();
    const bool unknown = r_.chance(4);
    const bool comments = !minified_ && r_.chance(20);
    const size_t end = static_cast<size_t>(target_) - 120;  // room for the footer
    while (out_.size() < end) {
      const int roll = r_.range(0, 99);
      const size_t room = end - out_.size();
      if (room < 1200) {  // a last paragraph sized to the room keeps the page near its size
        open("<p>");
        sentence(static_cast<int>(room / 10) + 1);
        closeText("</p>");
      } else if (unknown && r_.chance(8)) {
        const std::string tag = r_.pick(kUnknownTags);
        open("<" + tag + ">");
        sentence(r_.range(3, 8));
        closeText("</" + tag + ">");
      } else if (roll < 50) {
        paragraph();
      } else if (roll < 64) {
        heading("<h2>", "</h2>");
      } else if (roll < 76) {
        list();
      } else if (roll < 86) {
        table();
      } else if (roll < 90) {
        open("<hr>");
        endBlock();
      } else if (roll < 95 && comments) {
        comment();
      } else {
        open("<p>");
        const std::string image = "<img src=\"images/photo" + std::to_string(r_.range(1, 40));
        put(image + ".gif\" alt=\"" + anyWord().raw + "\" width=\"120\" height=\"90\">", false);
        sentence(r_.range(4, 12));
        closeText("</p>");
      }
    }
    open("<p>");
    put("<i>&copy;", false);
    const std::string year = std::to_string(r_.range(1998, 2006));
    put(year + " " + words(2) + "</i>", true);
    closeText("</p>");
    open("</body>");
    open("</html>");
    out_ += '\n';
  }

  // Text output: wraps at the page's width, or (minified) runs on until a block boundary
  // past the line limit. Tags are never cut; a word never touches a word across tags.
  void put(const std::string& token, bool space) {
    size_t len = out_.size() - lineStart_;
    if (!minified_ && len > 0 && len + 1 + token.size() > static_cast<size_t>(width_)) {
      newline();
      len = 0;
    }
    if (space && !glue_ && len > 0) out_ += ' ';
    out_ += token;
    glue_ = false;
  }
  void newline() { out_ += '\n', lineStart_ = out_.size(); }
  void endBlock() {
    if (!minified_) {
      if (out_.size() > lineStart_) newline();
    } else if (out_.size() - lineStart_ >= lineLimit_) {
      newline();
      lineLimit_ = static_cast<size_t>(r_.range(9000, 50000));
    }
  }
  void open(const std::string& tag) { endBlock(), put(tag, false), glue_ = true; }
  void closeText(const std::string& tag) { put(tag, minified_), endBlock(); }
  void closeBlock(const std::string& tag) { endBlock(), put(tag, false), endBlock(); }

  const Word& anyWord() {
    if (r_.chance(35)) return filler_[r_.below(filler_.size())];
    return vocab_[topic_[r_.below(topic_.size())]];
  }
  const std::string& spelling(const Word& w) {
    if (!w.accented) return w.raw;
    const int roll = r_.range(0, 99);
    return roll < 80 ? w.raw : roll < 95 ? w.named : w.numeric;
  }
  std::string words(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? " " : "") + spelling(anyWord());
    return s;
  }

  // One word token: capitals, punctuation, inline tags and the odd entity-only token.
  void emit(const Word& w, bool capital, const char* punct) {
    static const char* const kEntityTokens[] = {"R&amp;D", "&nbsp;", "&lt;",
                                                "&gt;",    "&amp;",  "&quot;"};
    if (r_.chance(2)) put(r_.pick(kEntityTokens), true);
    token_ = spelling(w);
    if (capital) token_[0] = upper(token_[0]);
    if (r_.chance(2)) token_ = "&quot;" + token_ + "&quot;";
    token_ += punct;
    const int roll = r_.range(0, 99);
    if (roll < 3) token_ = "<b>" + token_ + "</b>";
    else if (roll < 5) token_ = "<i>" + token_ + "</i>";
    else if (roll < 7) token_ = "<a href=\"" + link() + "\">" + token_ + "</a>";
    else if (roll < 8) token_ += " <br>";
    put(token_, true);
  }
  std::string link() {
    char name[32];
    std::snprintf(name, sizeof name, "page%04zu.htm", r_.below(pages_));
    switch (r_.range(0, 4)) {
      case 0: return "../index.htm";
      case 1: return "http://www.example.org/";
      case 2: return std::string(name) + "?id=" + std::to_string(r_.range(1, 99)) + "&amp;lang=fr";
      default: return name;
    }
  }
  void sentence(int n) {
    for (int i = 0; i < n; ++i) {
      const Word& w = anyWord();
      emit(w, i == 0, i + 1 == n ? r_.pick(kEnds) : r_.chance(8) ? "," : "");
    }
  }

  void leadParagraph() {  // every keyword at least once, right at the start of the text
    open("<p>");
    int inSentence = 0;
    for (size_t i = 0; i < lead_.size(); ++i) {
      for (int k = r_.range(0, 2); k > 0; --k) emit(anyWord(), inSentence++ == 0, "");
      const bool last = i + 1 == lead_.size() || r_.chance(20);
      emit(vocab_[lead_[i]], inSentence == 0, last ? "." : r_.chance(15) ? "," : "");
      inSentence = last ? 0 : inSentence + 1;
    }
    closeText("</p>");
  }
  void paragraph() {
    open("<p>");
    for (int s = r_.range(1, 5); s > 0; --s) sentence(r_.range(5, 15));
    closeText("</p>");
  }
  void heading(const char* tag, const char* close) {
    open(tag);
    for (int i = r_.range(2, 6), first = 1; i > 0; --i, first = 0) emit(anyWord(), first, "");
    closeText(close);
  }
  void list() {
    const bool ordered = r_.chance(30);
    open(ordered ? "<ol>" : "<ul>");
    for (int i = r_.range(2, 7); i > 0; --i) {
      open("<li>");
      for (int k = r_.range(1, 6), first = 1; k > 0; --k, first = 0) emit(anyWord(), first, "");
      closeText("</li>");
    }
    closeBlock(ordered ? "</ol>" : "</ul>");
  }
  void table() {
    open("<table border=\"1\" cellpadding=\"2\">");
    const int cols = r_.range(2, 5);
    for (int row = r_.range(2, 6); row > 0; --row) {
      open("<tr>");
      for (int c = 0; c < cols; ++c) {
        open("<td>");
        for (int k = r_.range(1, 4); k > 0; --k) emit(anyWord(), false, "");
        closeText("</td>");
      }
      closeBlock("</tr>");
    }
    closeBlock("</table>");
  }
  std::string multiLineComment() {
    std::string text = "<!--\n" + words(r_.range(4, 10));
    text += "\n" + words(r_.range(2, 6));
    return text + "\n-->";
  }
  void comment() {
    endBlock();
    out_ += r_.chance(70) ? "<!-- " + words(r_.range(2, 8)) + " -->" : multiLineComment();
    out_ += '\n';
    lineStart_ = out_.size();
  }

  // Upper-cases every tag name; the page holds no '<' outside tags and comments.
  void upperTagNames() {
    for (size_t i = 0; i < out_.size(); ++i) {
      if (out_[i] != '<') continue;
      size_t j = i + 1 + (i + 1 < out_.size() && out_[i + 1] == '/');
      for (; j < out_.size() && out_[j] >= 'a' && out_[j] <= 'z'; ++j) out_[j] = upper(out_[j]);
    }
  }
  void toCrlf() {
    std::string crlf;
    crlf.reserve(out_.size() + out_.size() / 40);
    for (char c : out_) (c == '\n' ? crlf += "\r\n" : crlf += c);
    out_.swap(crlf);
  }

  Rng& r_;
  const std::vector<Word>& vocab_;
  const std::vector<Word>& filler_;
  const size_t pages_;
  const bool small_;
  bool minified_ = false, minHead_ = false, upper_ = false, headLate_ = false, glue_ = false;
  int width_ = 80, target_ = 0;
  size_t lineStart_ = 0, lineLimit_ = 0;
  std::vector<size_t> topic_, lead_;
  std::string keywords_, out_, token_;
};

// I/O failures carry the path; main prints them with strerror and exits 1.
struct IoError {
  std::string path;
  int error;
};

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// One fwrite per file; a failed close counts as a failed write.
void writeFile(const std::string& path, const std::string& data) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (file == nullptr) throw IoError{path, errno};
  const bool written = std::fwrite(data.data(), 1, data.size(), file.get()) == data.size();
  if (std::fclose(file.release()) != 0 || !written) throw IoError{path, errno};
}

int refuse(const std::string& root, const char* why) {
  std::fprintf(stderr, "pagevet_gensite: %s %s\n", root.c_str(), why);
  return 2;
}

int usage(const char* message) {
  if (message != nullptr) std::fprintf(stderr, "pagevet_gensite: %s\n", message);
  std::fprintf(stderr,
               "usage: pagevet_gensite [-n PAGES] [-s SEED] [--small] DIR\n"
               "       pagevet_gensite --siblings N DIR\n"
               "       pagevet_gensite --words N [--sorted | --shuffled] [-s SEED] DIR\n"
               "  --siblings N  N sibling directories of one small clean index.htm each\n"
               "  --words N     one index.htm whose text holds N distinct words, in sorted\n"
               "                byte order (the default) or shuffled by SEED\n");
  return 2;
}

bool parseNumber(const char* text, uint64_t& value) {
  if (text == nullptr || *text < '0' || *text > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text, &end, 10);
  return errno == 0 && *end == '\0';
}

// The site goes into a new or empty directory, so that nothing left over is timed with it.
// Returns 0, or the exit status after saying why not.
int prepareRoot(const std::string& root) {
  struct stat st;
  if (stat(root.c_str(), &st) == 0) {
    if (!S_ISDIR(st.st_mode)) return refuse(root, "exists and is not a directory");
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(root.c_str()), closedir);
    if (dir == nullptr) throw IoError{root, errno};
    while (const dirent* e = readdir(dir.get()))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
        return refuse(root, "is not empty: the site goes into a new or empty directory");
  } else if (errno != ENOENT || mkdir(root.c_str(), 0755) != 0) {
    throw IoError{root, errno};
  }
  return 0;
}

// The six known meta tags in the one form every check accepts: one per line, name first.
std::string cleanHead(const std::string& title, const std::string& description,
                      const std::string& keywords) {
  return "<html>\n<head>\n<title>" + title + "</title>\n"
         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
         "<meta http-equiv=\"Content-Language\" content=\"en\">\n"
         "<meta name=\"description\" content=\"" + description + "\">\n"
         "<meta name=\"keywords\" content=\"" + keywords + "\">\n"
         "<meta name=\"reply-to\" content=\"webmaster@example.org\">\n"
         "<meta name=\"robots\" content=\"index, follow\">\n"
         "</head>\n";
}

// One directory per page, all siblings, as static-site generators write posts/<slug>/.
// Every page is clean, so a run reports nothing but the file names.
void writeSiblings(const std::string& root, size_t count) {
  // p00000, p00001...: zero-padded, so that the names sort like the numbers.
  const size_t width = std::max<size_t>(5, std::to_string(count - 1).size());
  uint64_t bytes = 0;
  for (size_t i = 0; i < count; ++i) {
    std::string number = std::to_string(i);
    number.insert(0, width - number.size(), '0');
    const std::string dir = root + "/p" + number;
    if (mkdir(dir.c_str(), 0755) != 0) throw IoError{dir, errno};
    const std::string title = "Post " + number;
    const std::string text =
        cleanHead(title, title + " of the garden blog", "post, blog, garden") +
        "<body>\n<h1>" + title + "</h1>\n"
        "<p>This post of the garden blog is one page in its own directory.</p>\n"
        "</body>\n</html>\n";
    writeFile(dir + "/index.htm", text);
    bytes += text.size();
  }
  std::printf("%zu pages, %llu bytes, %zu sibling directories in %s\n", count,
              static_cast<unsigned long long>(bytes), count, root.c_str());
}

// One page listing `count` distinct lower-case words: the counter 0, 1, 2... written in base 26
// with a fixed number of letters, so counter order is byte order. Sorted, the words reach the
// page's word tree in order, the shape of an index or a glossary; shuffled, in random order.
void writeWords(const std::string& root, size_t count, bool sorted, uint64_t seed) {
  size_t letters = 4;
  for (uint64_t room = 26 * 26 * 26 * 26; room < count; room *= 26) ++letters;
  std::vector<size_t> order(count);
  for (size_t i = 0; i < count; ++i) order[i] = i;
  if (!sorted) {  // Fisher-Yates on the generator's own stream
    Rng rng(seed, 3, 0);
    for (size_t i = count - 1; i > 0; --i) std::swap(order[i], order[rng.below(i + 1)]);
  }
  const auto word = [letters](size_t n) {
    std::string w(letters, 'a');
    for (size_t k = letters; k-- > 0; n /= 26) w[k] = static_cast<char>('a' + n % 26);
    return w;
  };
  // The first, middle and last words, which the text holds (each once however small the page),
  // and one it cannot hold: a letter longer than every word.
  std::string keywords;
  for (size_t i : {size_t{0}, count / 2, count - 1})
    if (keywords.find(word(i)) == std::string::npos) keywords += word(i) + ", ";
  keywords += std::string(letters + 1, 'z');
  std::string text = cleanHead("Word index", "An index of distinct words", keywords) +
                     "<body>\n<h1>Word index</h1>\n<p>\n";
  // Ten words a line: lines stay short of the 8191-byte pieces pagevet reads.
  for (size_t i = 0; i < count; ++i) text += word(order[i]) + (i % 10 == 9 ? "\n" : " ");
  if (count % 10 != 0) text.back() = '\n';
  text += "</p>\n</body>\n</html>\n";
  writeFile(root + "/index.htm", text);
  std::printf("1 page, %zu bytes, %zu distinct words of %zu letters, %s, in %s\n", text.size(),
              count, letters, sorted ? "sorted" : "shuffled", root.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t pages = 20000, seed = 1, siblings = 0, words = 0;
  bool small = false, siteOption = false, sorted = true, orderOption = false;
  std::string root;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-n" || arg == "-s") {
      uint64_t& value = arg == "-n" ? pages : seed;
      if (!parseNumber(i + 1 < argc ? argv[++i] : nullptr, value)) return usage("bad number");
      siteOption = siteOption || arg == "-n";
    } else if (arg == "--siblings" || arg == "--words") {
      uint64_t& value = arg == "--words" ? words : siblings;
      if (!parseNumber(i + 1 < argc ? argv[++i] : nullptr, value) || value == 0 ||
          value > 10000000)
        return usage("N must be between 1 and 10000000");
    } else if (arg == "--small") {
      small = siteOption = true;
    } else if (arg == "--sorted" || arg == "--shuffled") {
      sorted = arg == "--sorted";
      orderOption = true;
    } else if (arg.empty() || arg[0] == '-' || !root.empty()) {
      return usage(nullptr);
    } else {
      root = arg;
    }
  }
  if (root.empty()) return usage(nullptr);
  if (pages == 0 || pages > 10000000) return usage("PAGES must be between 1 and 10000000");
  if (siblings > 0 && (words > 0 || siteOption))
    return usage("--siblings goes with none of -n, --small, --words");
  if (words > 0 && siteOption) return usage("--words goes with neither -n nor --small");
  if (orderOption && words == 0) return usage("--sorted and --shuffled go with --words");
  while (root.size() > 1 && root.back() == '/') root.pop_back();

  umask(022);  // pages 0644, directories 0755 whatever the caller's mask
  try {
    if (const int status = prepareRoot(root)) return status;
    if (siblings > 0) {
      writeSiblings(root, static_cast<size_t>(siblings));
      return 0;
    }
    if (words > 0) {
      writeWords(root, static_cast<size_t>(words), sorted, seed);
      return 0;
    }

    // About 9 pages per directory, in a tree stored in heap order: directory i has the
    // subdirectories fan*i+1 .. fan*i+fan, and fan is the least that fits 4 levels.
    const size_t dirs = std::max<size_t>(1, (pages + 4) / 9);
    size_t fan = 2;
    while (1 + fan + fan * fan + fan * fan * fan + fan * fan * fan * fan < dirs) ++fan;
    // Level the entries (pages plus subdirectories) across directories, one page at least.
    std::vector<size_t> perDir(dirs);
    const size_t level = (pages + dirs - 1) / dirs, extra = (pages + dirs - 1) % dirs;
    size_t total = 0;
    for (size_t i = 0; i < dirs; ++i) {
      const size_t children = fan * i + 1 >= dirs ? 0 : std::min(fan, dirs - 1 - fan * i);
      const size_t entries = level + (i < extra ? 1 : 0);
      total += perDir[i] = entries > children + 1 ? entries - children : 1;
    }
    while (total > pages)  // directories with many subdirectories took one page too many
      for (size_t i = dirs; i-- > 0 && total > pages;)
        if (perDir[i] > 1) --perDir[i], --total;

    const std::vector<Word> vocab = makeWords(kVocab), filler = makeWords(kFiller);
    std::vector<std::string> paths(dirs);
    uint64_t bytes = 0;
    size_t page = 0;
    for (size_t i = 0; i < dirs; ++i) {
      if (i > 0) {
        char name[32];
        std::snprintf(name, sizeof name, "/sec%02zu", (i - 1) % fan);
        paths[i] = paths[(i - 1) / fan] + name;
        if (mkdir(paths[i].c_str(), 0755) != 0) throw IoError{paths[i], errno};
      } else {
        paths[i] = root;
      }
      Rng dirRng(seed, 1, i);
      const bool index = !dirRng.chance(10);
      for (size_t k = 0; k < perDir[i]; ++k, ++page) {
        char name[32];
        std::snprintf(name, sizeof name, "/page%04zu.htm", page);
        Rng rng(seed, 2, page);
        const std::string text = PageBuilder(rng, vocab, filler, pages, small).build();
        writeFile(paths[i] + (k == 0 && index ? "/index.htm" : name), text);
        bytes += text.size();
      }
      if (dirRng.below(50) < perDir[i]) {  // about one non-page file per 50 pages
        const bool gif = dirRng.chance(50);
        std::string data = gif ? "GIF89a" : "Notes for the webmaster\n";
        for (int n = dirRng.range(20, 200); n > 0; --n)
          data += static_cast<char>(gif ? dirRng.below(256) : 'a' + dirRng.below(26));
        writeFile(paths[i] + (gif ? "/logo.gif" : "/notes.txt"), data);
        bytes += data.size();
      }
    }
    std::printf("%zu pages, %llu bytes, %zu directories in %s\n", page,
                static_cast<unsigned long long>(bytes), dirs, root.c_str());
  } catch (const IoError& e) {
    std::fprintf(stderr, "pagevet_gensite: %s: %s\n", e.path.c_str(), std::strerror(e.error));
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "pagevet_gensite: %s\n", e.what());
    return 1;
  }
  return 0;
}
