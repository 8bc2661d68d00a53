// Tests of the decision which character set a page is in, the prescan for a
// declared charset behind it, and the UTF-8 and code page helpers.
#include "foundation/jeucaracteres.h"

#include <gtest/gtest.h>

#include <ios>
#include <string>

#include "foundation/tableunicode.h"

namespace {

constexpr JeuCaracteres U = JeuCaracteres::Utf8;
constexpr JeuCaracteres W = JeuCaracteres::Windows1252;
const std::string kE = "\xC3\xA9";  // é, a two-byte sequence

// 64 KiB: é, filler, then fin at the very end.
std::string fenetre(const std::string& fin) {
  return kE + std::string(65534 - fin.size(), 'a') + fin;
}

// Each declaration case is built so that missing it, or seeing one that is
// not there, changes the answer: ASCII sniffs as Windows-1252, é as UTF-8.
TEST(DeciderJeu, Cases) {
  const std::string meta = "<meta charset=utf-8>";  // 20 bytes
  const struct {
    std::string octets;
    bool complet;
    JeuCaracteres jeu;
    std::size_t marque;
  } cas[] = {
      {"\xEF\xBB\xBF<p>", true, U, 3},
      {"\xEF\xBB\xBF<meta charset=windows-1252>", true, U, 3},  // the mark comes first
      {"<html><meta charset=' UTF8\t'>", true, U, 0},
      {"<META CHARSET = utf-8>", true, U, 0},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf-8\">", true, U, 0},
      {"<meta content='text/html; CHARSET=UTF-8' HTTP-EQUIV=content-type>", true, U, 0},
      {"<meta charset=windows-1252>caf" + kE, true, W, 0},
      {"<meta http-equiv=content-type content=\"text/html; charset=iso-8859-1\">" + kE, true, W, 0},
      {"<meta content=\"text/html; charset=windows-1252\">" + kE, true, U, 0},  // no http-equiv
      {"<meta http-equiv=refresh content=\"0; charset=windows-1252\">" + kE, true, U, 0},
      {"<meta content=\"charset=windows-1252\" charset=utf-8 http-equiv=content-type>", true, U, 0},
      {"<meta charset=windows-1252><meta charset=utf-8>" + kE, true, W, 0},  // the first wins
      {"<meta charset=utf-8 charset=windows-1252>", true, U, 0},  // an attribute's first value
      {"<meta name=x content=y><meta/charset=utf-8>", true, U, 0},
      {"<meta x/charset=utf-8>", true, U, 0},  // '/' ends a name
      {"<metacharset=utf-8>", true, W, 0},
      // An empty or blank label is no declaration; the prescan goes on.
      {"<meta charset=\"\"><meta charset=utf-8>", true, U, 0},
      {"<meta charset=' \t'>" + kE, true, U, 0},
      {"<meta charset>" + kE, true, U, 0},
      {"<meta charset=\"\" http-equiv=content-type content='text/html; charset=utf-8'>", true, W,
       0},
      {"<meta http-equiv=content-type content=\"text/html; charset=' '\">" + kE, true, U, 0},
      {"<meta http-equiv=content-type content=\"charset=''\" charset=utf-8>", true, U, 0},
      {"<meta charset=' '><meta charset=windows-1252>" + kE, true, W, 0},
      {"<!-- a > b <meta charset=windows-1252> -->" + kE, true, U, 0},
      {"<!--><meta charset=utf-8>", true, U, 0},  // "<!-->" is a whole comment
      {"<a title=\"<meta charset=windows-1252>\">" + kE, true, U, 0},
      {"<p title='>'><meta charset=utf-8>", true, U, 0},
      {"<? <meta charset=utf-8> ?>", true, W, 0},   // "<?" runs to the first '>'
      {std::string(1004, ' ') + meta, true, U, 0},  // ends at byte 1024
      {std::string(1014, ' ') + meta, true, W, 0},  // runs past it
      {"caf" + kE, true, U, 0},
      {"<p>plain</p>", true, W, 0},
      {kE + " caf\xE9", true, W, 0},
      {kE + "\xED\xA0\x80", true, W, 0},   // a surrogate
      {kE + "\xE2\x80", true, W, 0},       // cut at the end of the whole page
      {kE + "\xE2\x80 ", false, W, 0},     // cut inside the bytes
      {fenetre("\xE2\x80"), false, U, 0},  // cut by the window of a longer page
      {fenetre("\xE2\x80"), true, W, 0},   // ... or of a whole page of 64 KiB
      {fenetre("\xF4\x90"), false, W, 0},  // no valid sequence starts so
      {fenetre("") + "\xE9", true, U, 0},  // past the window
      {std::string(65536, 'a') + kE, true, W, 0},
  };
  for (const auto& c : cas) {
    const DecisionJeu d = deciderJeu(c.octets.data(), c.octets.size(), c.complet);
    EXPECT_TRUE(d.jeu == c.jeu) << c.octets.substr(0, 80) << " / " << c.octets.size();
    EXPECT_EQ(d.marque, c.marque) << c.octets.substr(0, 80);
  }
}

TEST(JeuCaracteres, Helpers) {
  const struct {
    const char* octets;
    std::size_t longueur;
  } sequences[] = {
      {"\xC3\xA9", 2},         {"\xE2\x80\x99", 3},     {"\xF4\x8F\xBF\xBF", 4},
      {"\xED\x9F\xBF", 3},     {"\xC0\xAF", 0},         {"\xE0\x80\xAF", 0},
      {"\xF0\x80\x80\xAF", 0}, {"\xED\xA0\x80", 0},     {"\xF4\x90\x80\x80", 0},
      {"\xF5\x80\x80\x80", 0}, {"\xE2\x80", 0},         {"\x80", 0},
  };
  for (const auto& s : sequences) EXPECT_EQ(longueurUtf8(s.octets), s.longueur) << s.octets;
  EXPECT_EQ(longueurUtf8("\xC3\xA9", 1), 0u);
  EXPECT_TRUE(estTexteUtf8("r\xC3\xA9sum\xC3\xA9"));
  EXPECT_FALSE(estTexteUtf8("plain") || estTexteUtf8("\xC3\xA9t\xE9"));

  const struct {
    char32_t point;
    int octet;  // octet1252
    int cp850;  // codeCp850
    bool separe;
  } points[] = {
      {0x00E9, 0xE9, 0x82, false}, {0x00A0, 0xA0, 0xFF, true},  {0x20AC, 0x80, -1, false},
      {0x2019, 0x92, -1, true},    {0x0178, 0x9F, -1, false},   {0x0081, -1, -1, false},
      {0x0391, -1, -1, false},     {0x2500, -1, 0xC4, false},   {0x3002, -1, -1, true},
      {0x3001, -1, -1, true},      {0x2010, -1, -1, true},      {0x3000, -1, -1, true},
      {0x4E00, -1, -1, false},     {0x1F600, -1, -1, false},
  };
  for (const auto& p : points) {
    EXPECT_EQ(octet1252(p.point), p.octet) << std::hex << static_cast<unsigned>(p.point);
    EXPECT_EQ(codeCp850(p.point), p.cp850) << std::hex << static_cast<unsigned>(p.point);
    EXPECT_EQ(estSeparateurUnicode(p.point), p.separe)
        << std::hex << static_cast<unsigned>(p.point);
  }
  for (int b = 0; b < 256; ++b) {
    const char32_t point = unicodeDe1252(static_cast<unsigned char>(b));
    if (point != 0xFFFD) {
      EXPECT_EQ(octet1252(point), b);
    }
  }
  // The search finds each range's ends and nothing just outside them.
  for (int i = 0; i < nombreSeparateursUnicode; ++i) {
    const PlageUnicode& p = separateursUnicode[i];
    EXPECT_TRUE(estSeparateurUnicode(p.debut) && estSeparateurUnicode(p.fin)) << i;
    EXPECT_FALSE(estSeparateurUnicode(p.debut - 1) || estSeparateurUnicode(p.fin + 1)) << i;
  }
}

// What each character folds to, for words to compare: a sample of each
// kind of mapping, of the letters Windows-1252 has, and of each script.
TEST(JeuCaracteres, PlierCaractere) {
  const struct {
    char32_t point;
    std::u32string pli;
  } cas[] = {
      {U'A', U"a"},           {U'z', U"z"},           {U'1', U"1"},
      {0x00C0, U"a"},         {0x00E9, U"e"},         {0x00C7, U"c"},  // À é Ç
      {0x00F1, U"n"},         {0x00FF, U"y"},         {0x0178, U"y"},  // ñ ÿ Ÿ
      {0x00D8, U"o"},         {0x00F8, U"o"},         {0x01FE, U"o"},  // Ø ø Ǿ
      {0x0152, U"\u0153"},    {0x0160, U"s"},         {0x017D, U"z"},  // Œ Š Ž
      {0x00C6, U"\u00E6"},    {0x00D0, U"\u00F0"},    {0x00DF, U"\u00DF"},  // Æ Ð ß
      {0x1E9E, U"\u00DF"},    {0x0130, U"i"},         {0x0131, U"\u0131"},  // ẞ İ ı
      {0x01C5, U"\u01C6"},    {0x212B, U"a"},         {0x212A, U"k"},  // ǅ Å (angstrom) K
      {0x03A3, U"\u03C3"},    {0x03C2, U"\u03C3"},    {0x0386, U"\u03B1"},  // Σ ς Ά
      {0x0390, U"\u03B9"},    {0x2126, U"\u03C9"},    {0x0416, U"\u0436"},  // ΐ Ω (ohm) Ж
      {0x0401, U"\u0435"},    {0x0419, U"\u0438"},    {0x0531, U"\u0561"},  // Ё Й Ա
      {0x10A0, U"\u2D00"},    {0x13A0, U"\uAB70"},    {0xFF21, U"\uFF41"},  // Ⴀ Ꭰ Ａ
      {0x0622, U"\u0627"},    {0xFB30, U"\u05D0"},    {0x0958, U"\u0915"},  // آ אּ क़
      {0xF900, U"\u8C48"},    {0x0301, U""},          {0x0E31, U""},   // 豈, marks
      {0xAC00, U"\u1100\u1161"}, {0xD55C, U"\u1112\u1161\u11AB"}, {0xD7A3, U"\u1112\u1175\u11C2"},
      {0x0DDD, U"\u0DD9\u0DCF"}, {0x1D160, U"\U0001D158\U0001D165\U0001D16E"},
      {0x65E5, U"\u65E5"},    {0x1F600, U"\U0001F600"}, {0xFB01, U"\uFB01"},  // 日 😀 ﬁ
      {0xFFFD, U"\uFFFD"},    {0x10FFFF, U"\U0010FFFF"},
  };
  for (const auto& c : cas) {
    char32_t pli[3];
    const int n = plierCaractere(c.point, pli);
    EXPECT_EQ(std::u32string(pli, static_cast<std::size_t>(n)), c.pli)
        << std::hex << static_cast<unsigned>(c.point);
  }
}

}  // namespace
