// pagevet_fuzzpages: writes a reproducible batch of pages for the differential fuzz of the
// scan: random and mutated pages, and pages built around what a faster reader can get wrong
// (8191-byte pieces, 64 KiB blocks, comments across lines, CR and NUL bytes, character sets).
//
//   pagevet_fuzzpages [-s SEED] [-b BATCH] [-n PAGES] [--fatal] [--corpus LIST] DIR
//
// The same arguments and corpus give the same bytes on any machine: every page has its own
// splitmix64 stream, drawn from the seed, the batch and the page's number.

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// What pagevet reads in: lines of at most kPiece bytes, from blocks of kBloc bytes; the
// character set is declared in the first kDeclaration bytes. A word holds at most kMot
// characters and a keyword kMotCle: one more is a fatal error.
constexpr size_t kPiece = 8191;
constexpr size_t kBloc = 65536;
constexpr size_t kDeclaration = 1024;
constexpr int kMot = 511;
constexpr int kMotCle = 254;

uint64_t melanger(uint64_t z) {
  z += 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// splitmix64, as in the benchmark's site generator: the standard distributions differ
// from one library to the next.
class Flux {
 public:
  Flux(uint64_t graine, uint64_t lot, uint64_t page)
      : etat_(melanger(graine ^ melanger(lot ^ melanger(page)))) {}
  uint64_t suivant() { return melanger(etat_++); }
  size_t sous(size_t n) { return n == 0 ? 0 : static_cast<size_t>(suivant() % n); }
  long entre(long bas, long haut) {  // bas..haut inclusive
    return bas + static_cast<long>(sous(static_cast<size_t>(haut - bas + 1)));
  }
  bool chance(int pourcent) { return sous(100) < static_cast<size_t>(pourcent); }
  template <class T, size_t N>
  const T& choisir(const T (&tableau)[N]) { return tableau[sous(N)]; }

 private:
  uint64_t etat_;
};

// Words of every kind the word extractor meets: ASCII, Windows-1252 accents, entities,
// UTF-8 letters in and out of Windows-1252, Unicode punctuation, tag names as words.
const char* const kMots[] = {
    "garden", "club", "roses", "news", "autumn", "river", "meta", "head", "body", "title",
    "keywords", "Keywords", "KEYWORDS", "week-end", "e-mail", "tbody", "header", "x", "a", "I",
    "caf\xe9", "CAF\xc9", "\xe9t\xe9", "ch\xe2teau", "na\xefve", "\xc9" "cole", "\x80uro",
    "x\x9fy", "caf&eacute;", "caf&#233;", "CAF&Eacute;", "l&agrave;", "d&eacute;j&agrave;",
    "a&nbsp;b", "x&amp;y", "&copy;2024", "&#65;&#66;", "&unknown;", "f&ecirc;te",
    "caf\xc3\xa9", "CAF\xc3\x89", "\xc3\xa9t\xc3\xa9", "na\xc3\xafve", "\xce\xb1\xce\xb2\xce\xb3",
    "\xce\x91\xce\x92\xce\x93", "\xd0\xbc\xd0\xb8\xd1\x80", "\xe6\x97\xa5\xe6\x9c\xac",
    "\xe3\x80\x82", "\xe3\x80\x81", "\xe3\x80\x80", "\xf0\x9f\x98\x80", "\xe2\x82\xac",
    "\xc2\xa0", "\xe2\x80\x94", "stra\xc3\x9f" "e", "\xc5\x93uvre",
};

// Tags and pieces of tags, known and unknown, whole and broken.
const char* const kBalises[] = {
    "<html>", "</html>", "<head>", "</head>", "<HEAD>", "< head >", "<body>", "</body>",
    "<BODY bgcolor=\"#fff\">", "<title>News</title>", "<title>", "</title>", "<TITLE>x</TITLE>",
    "<meta name=\"keywords\" content=\"garden, roses\">",
    "<meta name=\"description\" content=\"A page\">",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
    "<meta charset=\"utf-8\">", "<meta http-equiv=\"Content-Language\" content=\"fr\">",
    "<meta name=\"reply-to\" content=\"a@example.org\">", "<meta name=robots content=all>",
    "<meta name='robots' content='index'>", "<meta content=\"x\" name=\"robots\">",
    "<meta name=\"ROBOTS\" content=\"\">", "<meta name=\"\" content=\"x\">", "<meta>",
    "<meta name=\"keywords\" content=\"", "\">", "<p>", "</p>", "<b>", "</b>", "<br>",
    "<a href=\"x.htm?a=1&amp;b=2\">", "</a>", "<marquee>", "<blink>", "<tbody>", "<header>",
    "<span>", "<table border=1>", "<td>", "</td>", "<script>", "</script>", "if (a < b)",
    "x < 10", "a <b c", "<", ">", "</", "< /p>", "<h1>", "</h1>", "<img src=\"a.gif\">",
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">", "<a\tb>", "<abcdefghijklmnopqrst>",
};

// Short runs that the scan treats specially, for the token soup and for the mutations.
const char* const kJetons[] = {
    "<", ">", "</", "<!", "<!-", "<!--", "-->", "--", "->", "!", "-", "&", ";", "&amp;",
    "&eacute;", "&#233;", "&#", "&#x41;", "&nbsp;", "&quot;", "&lt;", "&gt;", "\"", "'", "=",
    " ", " ", " ", "  ", "\t", "\n", "\n", "\r\n", "\r", "\n\r", "\f", "\v", ",", ".", ":",
    "\xc3", "\xc3\xa9", "\xe2\x82", "\xe2\x82\xac", "\xf0\x9f\x98", "\xef\xbb\xbf", "\xc0\xaf",
    "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf8\x88\x80\x80\x80", "\x80", "\x9f", "\xe9",
    "\xff", "\xfe",
};

// What a piece end or a block end can cut: laid across the boundary at every offset.
const char* const kCoupes[] = {
    "\r", "\r\n", "\n", "<!", "<!-", "<!--", "-->", ">", "<", "<meta name=\"keywords\"",
    "<head>", "</head>", "<title>x</title>", "</title>", "<body>", "&eacute;", "&nbsp;",
    "&#233;", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xef\xbb\xbf", "\xc3", " ",
    "caf\xe9", "<marquee>", "\r\r\n",
};

// The names of the six known meta tags, in forms the checks accept and refuse.
const char* const kContentType[] = {
    "text/html; charset=windows-1252", "text/html; charset=iso-8859-1",
    "text/html; charset=utf-8", "text/html; charset=UTF8", "text/html", "", "text/html;charset=x",
};

template <class T, size_t N>
std::string unParmi(Flux& f, const T (&tableau)[N]) {
  return std::string(f.choisir(tableau));
}

// A word of random letters, a vocabulary word, or a run of base-26 letters (many distinct
// words, as index pages have).
std::string mot(Flux& f) {
  const int forme = static_cast<int>(f.sous(10));
  if (forme < 5) return unParmi(f, kMots);
  std::string m;
  const size_t n = static_cast<size_t>(f.entre(1, forme < 9 ? 10 : 40));
  const char base = f.chance(20) ? 'A' : 'a';
  for (size_t i = 0; i < n; ++i) m += static_cast<char>(base + f.sous(26));
  return m;
}

// What bytes a text may hold: any, ASCII only (so that the character set depends on what
// is put in afterwards alone), or valid UTF-8 only.
enum class Jeu { kTous, kAscii, kUtf8 };

// The length of the valid UTF-8 sequence at p (of n bytes), or 0.
size_t sequenceUtf8(const unsigned char* p, size_t n) {
  const unsigned char c = p[0];
  const size_t longueur =
      c < 0x80 ? 1 : c < 0xC2 ? 0 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF5 ? 4 : 0;
  if (longueur == 0 || longueur > n) return 0;
  // The second byte's range excludes overlong forms, surrogates and points past U+10FFFF.
  const unsigned char bas = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
  const unsigned char haut = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
  if (longueur > 1 && (p[1] < bas || p[1] > haut)) return 0;
  for (size_t i = 2; i < longueur; ++i)
    if (p[i] < 0x80 || p[i] > 0xBF) return 0;
  return longueur;
}

bool estUtf8(const std::string& t) {
  const auto* p = reinterpret_cast<const unsigned char*>(t.data());
  for (size_t i = 0, n; i < t.size(); i += n)
    if ((n = sequenceUtf8(p + i, t.size() - i)) == 0) return false;
  return true;
}

// t in the given set: non-ASCII bytes become 'e', or, when t is not valid UTF-8, each is
// written in UTF-8 as the Latin-1 character it is.
std::string dansLeJeu(const std::string& t, Jeu jeu) {
  if (jeu == Jeu::kTous || (jeu == Jeu::kUtf8 && estUtf8(t))) return t;
  std::string r;
  for (char c : t) {
    const auto o = static_cast<unsigned char>(c);
    if (o < 0x80) r += c;
    else if (jeu == Jeu::kAscii) r += 'e';
    else r += static_cast<char>(0xC0 | o >> 6), r += static_cast<char>(0x80 | (o & 0x3F));
  }
  return r;
}

Jeu unJeu(Flux& f) {
  static const Jeu kJeux[] = {Jeu::kTous, Jeu::kAscii, Jeu::kUtf8};
  return f.choisir(kJeux);
}

// Text without a line end: words, separators, tags and entities, cut to exactly n bytes
// (the cut may fall inside an entity or a UTF-8 sequence).
std::string texte(Flux& f, size_t n, Jeu jeu = Jeu::kTous) {
  static const char* const kSeparateurs[] = {" ", " ", " ", ", ", ". ", "\t", "  ", " - ", "; "};
  std::string t;
  while (t.size() < n) {
    const int forme = static_cast<int>(f.sous(20));
    std::string ajout = forme < 2 ? unParmi(f, kBalises) : mot(f);
    if (ajout.find('\n') != std::string::npos) ajout = "x";
    t += dansLeJeu(ajout, jeu) + unParmi(f, kSeparateurs);
  }
  t.resize(n);
  return t;
}

// Appends ordinary lines of text until the page is exactly `taille` bytes, the last of
// them ending in a line feed (when there is room for one).
void remplirJusqua(Flux& f, std::string& page, size_t taille, Jeu jeu) {
  while (page.size() < taille) {
    const size_t reste = taille - page.size();
    size_t n = static_cast<size_t>(f.chance(5) ? f.entre(0, 9000) : f.entre(0, 160));
    n = std::min(n, reste - 1);
    page += texte(f, n, jeu) + "\n";
  }
}

// One keyword list: vocabulary words, repeats, empty entries, stray separators, letter case
// and accent variants that fold together, and long keywords up to `plusLong` characters.
std::string listeMotsCles(Flux& f, size_t nombre, int plusLong) {
  static const char* const kSeparateurs[] = {", ", ", ", ",", " , ", ",,", ", ,", ",\t"};
  std::vector<std::string> vus;
  std::string liste = f.chance(5) ? "," : "";
  for (size_t i = 0; i < nombre; ++i) {
    std::string m;
    const int forme = static_cast<int>(f.sous(40));
    if (forme < 4 && !vus.empty()) {
      m = vus[f.sous(vus.size())];  // written twice
    } else if (forme < 6) {
      m = "";
    } else if (forme < 7) {
      m = std::string(static_cast<size_t>(f.entre(plusLong - 6, plusLong)), 'k');
    } else if (forme < 9) {
      m = mot(f) + " " + mot(f);  // two words in one keyword
    } else {
      m = mot(f);
    }
    if (m.find('"') != std::string::npos || m.find('>') != std::string::npos) m = "q";
    vus.push_back(m);
    liste += m + (i + 1 < nombre ? unParmi(f, kSeparateurs) : "");
  }
  return liste;
}

std::string metaTag(Flux& f, const std::string& attribut, const std::string& nom,
                    const std::string& valeur) {
  const std::string meta = "<meta " + attribut;
  switch (f.sous(12)) {
    case 0: return meta + "=" + nom + " content=" + valeur + ">";
    case 1: return "<META CONTENT=\"" + valeur + "\" " + attribut + "=\"" + nom + "\">";
    case 2: return meta + " = \"" + nom + "\" content = \"" + valeur + "\" />";
    case 3: return meta + "=\"" + nom + "\"\ncontent=\"" + valeur + "\">";
    default: return meta + "=\"" + nom + "\" content=\"" + valeur + "\">";
  }
}

// A page's head: the six known meta tags mostly, in order or not, sometimes twice, broken,
// missing; a title on one line or two; then the body's opening tag.
std::string entete(Flux& f, const std::string& motsCles, bool jeuLibre = true) {
  std::string e = f.chance(40) ? "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\n" : "";
  e += f.chance(10) ? "<html><head>\n" : "<html>\n<head>\n";
  std::vector<std::string> lignes;
  if (jeuLibre && f.chance(70))
    lignes.push_back(metaTag(f, "http-equiv", "Content-Type", unParmi(f, kContentType)));
  if (f.chance(85)) lignes.push_back(metaTag(f, "http-equiv", "Content-Language", "fr"));
  if (f.chance(85)) lignes.push_back(metaTag(f, "name", "description", texte(f, 40, Jeu::kAscii)));
  if (f.chance(92))
    lignes.push_back(metaTag(f, "name", f.chance(10) ? "KEYWORDS" : "keywords", motsCles));
  if (f.chance(85)) lignes.push_back(metaTag(f, "name", "reply-to", "webmaster@example.org"));
  if (f.chance(85)) lignes.push_back(metaTag(f, "name", "robots", "index, follow"));
  if (f.chance(8) && !lignes.empty()) lignes.push_back(lignes[f.sous(lignes.size())]);
  if (f.chance(90))
    lignes.push_back(f.chance(8) ? "<title>" + texte(f, 20, Jeu::kAscii) + "\n</title>"
                                 : "<title>" + texte(f, 30) + "</title>");
  for (size_t i = lignes.size(); i > 1; --i) std::swap(lignes[i - 1], lignes[f.sous(i)]);
  for (const std::string& l : lignes) e += (f.chance(10) ? "  " : "") + l + "\n";
  if (f.chance(95)) e += "</head>\n";
  if (f.chance(95)) e += "<body>\n";
  return e;
}

std::string fin(Flux& f) { return f.chance(90) ? "</body>\n</html>\n" : ""; }

// Ordinary body text of about n bytes, in lines of varied length.
std::string corps(Flux& f, size_t n, Jeu jeu = Jeu::kTous) {
  std::string c;
  while (c.size() < n) {
    const size_t longueur =
        static_cast<size_t>(f.chance(3) ? f.entre(200, 12000) : f.entre(0, 120));
    c += texte(f, longueur, jeu) + "\n";
  }
  return c;
}

// Random bytes: any byte, or printable text with the bytes the scan cares about.
std::string pageAleatoire(Flux& f) {
  const size_t n = static_cast<size_t>(f.entre(0, 20000));
  static const char kSpeciaux[] = "<>!-&;\"'=/\r\n\n\n \t\0x";
  std::string p(n, ' ');
  const int forme = static_cast<int>(f.sous(3));
  for (char& c : p) {
    const auto special = [&f]() { return kSpeciaux[f.sous(sizeof kSpeciaux - 1)]; };
    if (forme == 0) c = static_cast<char>(f.sous(256));
    else if (forme == 1) c = f.chance(30) ? special() : static_cast<char>(' ' + f.sous(95));
    else c = special();
  }
  return p;
}

// Tags, words and special runs in random order; the line length varies from page to page.
std::string pageSoupe(Flux& f) {
  const size_t n = static_cast<size_t>(f.entre(0, 30000));
  const int finLigne = static_cast<int>(f.entre(1, 40));  // per cent of tokens followed by one
  std::string p = f.chance(30) ? entete(f, listeMotsCles(f, f.sous(10), kMotCle)) : "";
  while (p.size() < n) {
    const int forme = static_cast<int>(f.sous(10));
    p += forme < 3 ? unParmi(f, kBalises) : forme < 6 ? unParmi(f, kJetons) : mot(f);
    if (f.chance(finLigne)) p += f.chance(90) ? "\n" : "\r\n";
    else if (f.chance(40)) p += ' ';
  }
  return p;
}

// A page whose lines fall at and around one, two or three pieces, with something laid
// across every piece boundary of the line: a CR, a CRLF, a comment or tag opening, an
// entity, a UTF-8 sequence.
std::string pageMorceaux(Flux& f) {
  std::string p = entete(f, listeMotsCles(f, f.sous(12), kMotCle));
  for (long k = f.entre(1, 6); k > 0; --k) {
    const size_t multiple = f.chance(70) ? 1 : static_cast<size_t>(f.entre(2, 3));
    size_t longueur = kPiece * multiple + static_cast<size_t>(f.entre(-3, 3));
    if (f.chance(15)) longueur = static_cast<size_t>(f.entre(1, 3 * kPiece));
    std::string ligne = texte(f, longueur);
    for (size_t m = 1; m * kPiece <= ligne.size() + 1; ++m) {
      const std::string coupe = unParmi(f, kCoupes);
      const size_t avant = f.sous(coupe.size() + 1);  // bytes of it before the boundary
      const size_t debut = m * kPiece - avant;
      if (ligne.size() < debut + coupe.size()) ligne.resize(debut + coupe.size(), ' ');
      ligne.replace(debut, coupe.size(), coupe);
    }
    static const char* const kFins[] = {"\n", "\n", "\n", "\r\n", "\r", ""};
    p += ligne + unParmi(f, kFins);
    p += corps(f, static_cast<size_t>(f.entre(0, 400)));
  }
  return p + fin(f);
}

// A page around a block boundary: its size a byte or two either side of it, a special run
// across it at an offset near it, or a line, short or longer than a piece, spanning it.
std::string pageBlocs(Flux& f) {
  const size_t frontiere = kBloc * (f.chance(80) ? 1 : 2);
  // Undeclared ASCII or UTF-8: the character set then rests on what lies at the boundary.
  const Jeu jeu = unJeu(f);
  std::string p = f.chance(8) ? "\xef\xbb\xbf" : "";
  p += dansLeJeu(entete(f, listeMotsCles(f, f.sous(12), kMotCle), jeu == Jeu::kTous), jeu);
  const int forme = static_cast<int>(f.sous(3));
  if (forme == 0) {
    remplirJusqua(f, p, frontiere + 20, jeu);
    p.resize(frontiere + static_cast<size_t>(f.entre(-3, 3)));
    if (f.chance(50)) p.back() = '\n';
    return p;
  }
  const long avant = forme == 1 ? 64 : 9000;  // how far before the boundary the line may start
  const size_t depart = frontiere - static_cast<size_t>(f.entre(0, avant));
  remplirJusqua(f, p, depart, jeu);
  p += texte(f, frontiere - depart + static_cast<size_t>(f.entre(0, avant)), jeu);
  const std::string coupe = unParmi(f, kCoupes);
  const size_t debut = frontiere - f.sous(coupe.size() + 1) + static_cast<size_t>(f.entre(-2, 2));
  if (p.size() < debut + coupe.size()) p.resize(debut + coupe.size(), ' ');
  p.replace(debut, coupe.size(), coupe);
  p += "\n" + corps(f, static_cast<size_t>(f.entre(0, 3000)), jeu);
  return p + fin(f);
}

// The character set decision and the text read in it: a byte order mark, a declaration
// near the 1024-byte limit, undeclared UTF-8, stray and cut sequences, Windows-1252 text.
std::string pageJeux(Flux& f) {
  static const char* const kEtiquettes[] = {"utf-8", "UTF-8", "utf8", "\"utf-8\"", "'utf-8'",
                                            "windows-1252", "iso-8859-1", "x-inconnu", "utf-16"};
  const int forme = static_cast<int>(f.sous(6));
  std::string p;
  const std::string motsCles = listeMotsCles(f, f.sous(15), kMotCle);
  if (forme == 0) {
    p = "\xef\xbb\xbf" + entete(f, motsCles);
  } else if (forme == 1) {  // a declaration before, across or after the limit
    p = "<html>\n<head>\n";
    const std::string declaration = f.chance(50)
        ? "<meta charset=" + unParmi(f, kEtiquettes) + ">"
        : "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
              unParmi(f, kEtiquettes) + "\">";
    if (f.chance(30)) p += "<!-- " + texte(f, f.sous(40)) + " -->\n";
    const size_t avant = f.sous(declaration.size() + 1);
    const size_t ou = f.chance(50) ? kDeclaration - avant : static_cast<size_t>(f.entre(14, 1500));
    remplirJusqua(f, p, std::max(ou, p.size()), unJeu(f));
    p += declaration + "\n" + entete(f, motsCles, false);
  }
  // The text: ASCII or valid UTF-8 but for one run, or words of every character set.
  const Jeu jeu = unJeu(f);
  if (forme >= 2) p = dansLeJeu(entete(f, motsCles, forme != 2), jeu);
  p += corps(f, static_cast<size_t>(f.entre(0, 6000)), jeu);
  if (jeu != Jeu::kTous) {  // when undeclared, that run decides
    const std::string coupe = unParmi(f, kJetons);
    const int ou = static_cast<int>(f.sous(3));  // anywhere, at the end of the first block, last
    const size_t position = ou == 0 ? f.sous(p.size() + 1) : ou == 1 ? kBloc - f.sous(5) : p.size();
    if (ou == 1) remplirJusqua(f, p, position, jeu);
    p.insert(std::min(position, p.size()), coupe);
    if (ou > 0 && f.chance(60)) {  // the page ends there, the run whole or cut
      p.resize(std::min(position, p.size()) + f.sous(coupe.size() + 1));
      return p;
    }
  }
  return p + fin(f);
}

// The keyword analysis: long keyword lists with repeats and empty entries, a second keywords
// tag, keywords spread over lines, and text of many distinct or repeated words, some near
// the word limit.
std::string pageMotsCles(Flux& f) {
  static const size_t kNombres[] = {0, 1, 2, 5, 10, 40, 200, 1000};
  const std::string motsCles = listeMotsCles(f, f.choisir(kNombres), kMotCle);
  std::string p = entete(f, motsCles);
  if (f.chance(10)) p += "<meta name=\"keywords\" content=\"" + listeMotsCles(f, 5, 20) + "\">\n";
  std::vector<std::string> cles;
  for (size_t debut = 0; debut <= motsCles.size();) {
    const size_t virgule = std::min(motsCles.find(',', debut), motsCles.size());
    cles.push_back(motsCles.substr(debut, virgule - debut));
    debut = virgule + 1;
  }
  const size_t n = static_cast<size_t>(f.chance(20) ? f.entre(2000, 40000) : f.entre(0, 800));
  const bool trie = f.chance(30);
  std::string ligne;
  for (size_t i = 0; i < n; ++i) {
    std::string m;
    const int forme = static_cast<int>(f.sous(100));
    if (forme < 25) {
      m = cles[f.sous(cles.size())];
    } else if (forme < 50) {  // base-26 counter words, sorted or not
      size_t k = trie ? i : f.sous(n);
      for (int l = 0; l < 4; ++l, k /= 26) m += static_cast<char>('a' + k % 26);
    } else if (forme < 51) {
      m = std::string(static_cast<size_t>(f.entre(kMot - 20, kMot)), f.chance(50) ? 'w' : 'W');
    } else {
      m = mot(f);
    }
    ligne += m + (f.chance(5) ? ". " : " ");
    if (ligne.size() > static_cast<size_t>(f.entre(40, 2000))) p += ligne + "\n", ligne.clear();
  }
  return p + ligne + "\n" + fin(f);
}

// Comments that open on one line and close lines later, "<!" at line ends, a comment left
// open at the end of the page, comments around tags and text on the same line.
std::string pageCommentaires(Flux& f) {
  std::string p = entete(f, listeMotsCles(f, f.sous(8), kMotCle));
  for (long k = f.entre(1, 30); k > 0; --k) {
    switch (f.sous(8)) {
      case 0: {
        p += texte(f, f.sous(60)) + "<!--" + texte(f, f.sous(60)) + "\n";
        for (long l = f.entre(0, 12); l > 0; --l) p += texte(f, f.sous(200)) + "\n";
        p += texte(f, f.sous(30)) + "-->" + texte(f, f.sous(60)) + "\n";
        break;
      }
      case 1: p += texte(f, f.sous(80)) + "<!\n" + texte(f, f.sous(80)) + ">\n"; break;
      case 2: p += "<!-- a --><!-- b -->" + texte(f, f.sous(40)) + "<!x>y\n"; break;
      case 3: p += "<!-- <meta name=\"keywords\" content=\"x\"> -->\n"; break;
      case 4:
        p += "<! " + texte(f, f.sous(50)) + "\n\n" + texte(f, f.sous(50)) + "> <title>t</title>\n";
        break;
      case 5: p += texte(f, kPiece - 1 - f.sous(4)) + "<!--" + texte(f, 30) + "\n-->\n"; break;
      case 6: p += "-->" + texte(f, f.sous(40)) + ">\n"; break;
      default: p += corps(f, f.sous(300)); break;
    }
  }
  if (f.chance(10)) p += "<!-- left open\n" + texte(f, 50);
  return p + fin(f);
}

// The corpus: real pages to mutate, read once.
struct Corpus {
  std::vector<std::string> pages;
};

// A corpus page (or a generated one) mutated a few times: bytes flipped, runs inserted,
// deleted and spliced from another page, lines duplicated, line ends changed.
std::string pageMutee(Flux& f, const Corpus& corpus) {
  const auto source = [&]() {
    return corpus.pages.empty() ? entete(f, listeMotsCles(f, 6, kMotCle)) + corps(f, 4000)
                                : corpus.pages[f.sous(corpus.pages.size())];
  };
  std::string p = source();
  for (long k = f.entre(1, 8); k > 0; --k) {
    const size_t ou = f.sous(p.size() + 1);
    switch (f.sous(8)) {
      case 0:
        if (ou < p.size())
          p[ou] = static_cast<char>(f.chance(50) ? f.sous(256) : p[ou] ^ (1 << f.sous(8)));
        break;
      case 1: p.insert(ou, f.chance(50) ? unParmi(f, kJetons) : unParmi(f, kBalises)); break;
      case 2: p.erase(ou, static_cast<size_t>(f.entre(1, f.chance(90) ? 64 : 4096))); break;
      case 3: {
        const std::string autre = source();
        const size_t debut = f.sous(autre.size() + 1);
        p.insert(ou, autre.substr(debut, static_cast<size_t>(f.entre(1, 2000))));
        break;
      }
      case 4: {  // a line written several times over
        const size_t debut = p.rfind('\n', ou == 0 ? 0 : ou - 1);
        const size_t d = debut == std::string::npos ? 0 : debut + 1;
        const size_t e = std::min(p.find('\n', d), p.size());
        const std::string ligne = p.substr(d, e - d) + "\n";
        for (long n = f.entre(1, 20); n > 0; --n) p.insert(d, ligne);
        break;
      }
      case 5: p.insert(ou, 1, '\0'); break;
      case 6: p.insert(ou, texte(f, static_cast<size_t>(f.entre(100, 9000)))); break;
      default: {  // line ends of one stretch changed
        const size_t e = std::min(p.size(), ou + static_cast<size_t>(f.entre(1, 5000)));
        const char* remplace = f.chance(50) ? "\r\n" : "\r";
        std::string morceau;
        for (size_t i = ou; i < e; ++i) p[i] == '\n' ? morceau += remplace : morceau += p[i];
        p.replace(ou, e - ou, morceau);
        break;
      }
    }
  }
  return p;
}

// A page meant to end the run: a word of more than 511 characters, an '&' that no ';'
// follows for the rest of a long line, or a keyword of 255 characters or more; or one that
// stops just short. What comes before it gets its partial report.
std::string pageFatale(Flux& f) {
  const bool utf8 = f.chance(30);
  const std::string lettre = utf8 ? "\xc3\xa9" : "f";
  const int forme = static_cast<int>(f.sous(3));
  const long longueur =
      forme == 2 ? f.entre(kMotCle - 3, kMotCle + 4) : f.entre(kMot - 4, kMot + 6);
  std::string long_;
  for (long i = 0; i < longueur; ++i) long_ += lettre;
  std::string p = utf8 ? "<meta charset=\"utf-8\">\n" : "";
  p += entete(f, forme == 2 ? "garden, " + long_ + ", roses" : listeMotsCles(f, 5, kMotCle));
  p += corps(f, static_cast<size_t>(f.entre(0, 3000)));
  if (forme == 0) p += "The word " + long_ + " ends it.\n";
  if (forme == 1)
    p += "Fish &" + std::string(static_cast<size_t>(longueur), f.chance(50) ? ' ' : 'c') + "\n";
  return p + corps(f, static_cast<size_t>(f.entre(0, 2000))) + fin(f);
}

// Line ends of the whole page: LF as built, CRLF, CR only, or a mixture; no final line end.
void changerFinsDeLigne(Flux& f, std::string& page) {
  const int forme = static_cast<int>(f.sous(100));
  if (forme >= 25) return;
  static const char* const kFins[] = {"\n", "\r\n", "\r", "\n\r"};
  std::string resultat;
  resultat.reserve(page.size() + page.size() / 20);
  for (char c : page) {
    if (c != '\n') {
      resultat += c;
    } else if (forme < 12) {
      resultat += "\r\n";
    } else if (forme < 17) {
      resultat += '\r';
    } else {
      resultat += f.choisir(kFins);
    }
  }
  if (forme >= 22 && !resultat.empty()) resultat.pop_back();
  page.swap(resultat);
}

std::string page(Flux& f, const Corpus& corpus, bool fatale) {
  if (fatale) return pageFatale(f);
  // Weights in per cent, in the order of the cases below.
  const int tirage = static_cast<int>(f.sous(100));
  std::string p;
  if (tirage < 20) p = pageSoupe(f);
  else if (tirage < 45) p = pageMutee(f, corpus);
  else if (tirage < 50) p = pageAleatoire(f);
  else if (tirage < 63) p = pageMorceaux(f);
  else if (tirage < 72) p = pageBlocs(f);
  else if (tirage < 82) p = pageJeux(f);
  else if (tirage < 92) p = pageMotsCles(f);
  else p = pageCommentaires(f);
  // Pages built to a length at a piece or block boundary keep their line ends.
  if (tirage < 45 || tirage >= 72) changerFinsDeLigne(f, p);
  return p;
}

// Where a page goes: zqD/ or zqD/sE/, and a name that its number ends; a few names in
// upper case, in UTF-8, in Windows-1252 or with a space.
std::string chemin(Flux& f, size_t numero) {
  std::string c = "zq" + std::to_string(numero % 5);
  if (f.chance(30)) c += "/s" + std::to_string(f.sous(3));
  char nom[32];
  std::snprintf(nom, sizeof nom, "p%04zu.htm", numero);
  static const char* const kPrefixes[] = {"caf\xc3\xa9-", "caf\xe9-", "a b-", "-"};
  const int forme = static_cast<int>(f.sous(100));
  if (forme < 4) {
    std::snprintf(nom, sizeof nom, "P%04zu.HTM", numero);
    return c + "/" + nom;
  }
  return c + "/" + (forme < 10 ? f.choisir(kPrefixes) : "") + nom;
}

struct IoError {
  std::string chemin;
  int erreur;
};

struct Fermeture {
  void operator()(FILE* f) const { std::fclose(f); }
};

void ecrire(const std::string& chemin, const std::string& contenu) {
  std::unique_ptr<FILE, Fermeture> f(std::fopen(chemin.c_str(), "wb"));
  if (f == nullptr) throw IoError{chemin, errno};
  const bool ecrit = std::fwrite(contenu.data(), 1, contenu.size(), f.get()) == contenu.size();
  if (std::fclose(f.release()) != 0 || !ecrit) throw IoError{chemin, errno};
}

std::string lire(const std::string& chemin) {
  std::unique_ptr<FILE, Fermeture> f(std::fopen(chemin.c_str(), "rb"));
  if (f == nullptr) throw IoError{chemin, errno};
  std::string contenu;
  char tampon[65536];
  size_t lus;
  while ((lus = std::fread(tampon, 1, sizeof tampon, f.get())) > 0) contenu.append(tampon, lus);
  return contenu;
}

// Creates every directory of the path's parent, as mkdir -p does.
void creerParents(const std::string& chemin) {
  for (size_t barre = chemin.find('/', 1); barre != std::string::npos;
       barre = chemin.find('/', barre + 1)) {
    const std::string dossier = chemin.substr(0, barre);
    if (mkdir(dossier.c_str(), 0755) != 0 && errno != EEXIST) throw IoError{dossier, errno};
  }
}

// The corpus list names one file a line; pages past 256 KiB are cut there.
constexpr size_t kCorpusMax = 256 * 1024;
Corpus lireCorpus(const std::string& liste) {
  Corpus corpus;
  const std::string noms = lire(liste);
  for (size_t debut = 0; debut < noms.size();) {
    const size_t e = std::min(noms.find('\n', debut), noms.size());
    if (e > debut) {
      corpus.pages.push_back(lire(noms.substr(debut, e - debut)).substr(0, kCorpusMax));
    }
    debut = e + 1;
  }
  return corpus;
}

int usage() {
  std::fprintf(stderr,
               "usage: pagevet_fuzzpages [-s SEED] [-b BATCH] [-n PAGES] [--fatal]\n"
               "                         [--corpus LIST] DIR\n"
               "  writes PAGES pages (default 250) under DIR, which must not exist;\n"
               "  --fatal: pages that mostly end a /d run with a fatal error;\n"
               "  --corpus LIST: a file naming, one a line, pages to mutate\n");
  return 2;
}

bool lireNombre(const char* texte, uint64_t& valeur) {
  if (texte == nullptr || *texte < '0' || *texte > '9') return false;
  char* fin = nullptr;
  errno = 0;
  valeur = std::strtoull(texte, &fin, 10);
  return errno == 0 && *fin == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t graine = 1, lot = 0, nombre = 250;
  bool fatale = false;
  std::string racine, liste;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-s" || arg == "-b" || arg == "-n") {
      uint64_t& valeur = arg == "-s" ? graine : arg == "-b" ? lot : nombre;
      if (!lireNombre(i + 1 < argc ? argv[++i] : nullptr, valeur)) return usage();
    } else if (arg == "--fatal") {
      fatale = true;
    } else if (arg == "--corpus" && i + 1 < argc) {
      liste = argv[++i];
    } else if (arg.empty() || arg[0] == '-' || !racine.empty()) {
      return usage();
    } else {
      racine = arg;
    }
  }
  if (racine.empty() || nombre == 0 || nombre > 100000) return usage();
  umask(022);
  try {
    const Corpus corpus = liste.empty() ? Corpus{} : lireCorpus(liste);
    if (mkdir(racine.c_str(), 0755) != 0) throw IoError{racine, errno};
    uint64_t octets = 0;
    for (size_t i = 0; i < nombre; ++i) {
      Flux f(graine, lot * 2 + (fatale ? 1 : 0), i);
      const std::string nom = racine + "/" + chemin(f, i);
      const std::string contenu = page(f, corpus, fatale);
      creerParents(nom);
      ecrire(nom, contenu);
      octets += contenu.size();
    }
    std::printf("%llu pages, %llu bytes in %s\n", static_cast<unsigned long long>(nombre),
                static_cast<unsigned long long>(octets), racine.c_str());
  } catch (const IoError& e) {
    std::fprintf(stderr, "pagevet_fuzzpages: %s: %s\n", e.chemin.c_str(), std::strerror(e.erreur));
    return 1;
  }
  return 0;
}
