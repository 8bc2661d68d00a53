// Word extraction, entity decoding and folding on UTF-8 text. A character
// Windows-1252 has must behave as its byte does there, but where Unicode's
// rules say otherwise, so the tables end by comparing the two sets over
// every such character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/meserreur.h"
#include "html/tables.h"
#include "html/traiterhtml.h"
#include "html/trthtml.h"
#include "tampon.h"

namespace {

constexpr JeuCaracteres U = JeuCaracteres::Utf8;
constexpr JeuCaracteres W = JeuCaracteres::Windows1252;
using Mots = std::vector<std::string>;

Mots mots(const std::string& texte, JeuCaracteres jeu = U) {
  TraiterHtml ligne(texte.c_str(), jeu);
  Mots resultat;
  for (const char* mot = ligne.motSuivant(); *mot != '\0' && resultat.size() <= texte.size();
       mot = ligne.motSuivant()) {
    resultat.push_back(mot);
  }
  return resultat;
}

std::string decode(const std::string& texte, JeuCaracteres jeu = U) {
  Tampon tampon(texte);
  return decoderEntites(tampon.Texte(), jeu);
}

std::string sansAccents(const std::string& texte) {
  Tampon tampon(texte);
  return supprimerAccents(tampon.Texte());
}

// Folded into a buffer of exactly the room plierUtf8 asks for, so that the
// sanitizers catch a fold that takes more.
std::string plie(const std::string& texte) {
  Tampon tampon(std::string(kOctetsPliParOctet * texte.size(), 'x'));
  return plierUtf8(texte.c_str(), tampon.Texte());
}

// Windows-1252 text written in UTF-8.
std::string versUtf8(const std::string& texte) {
  std::string sortie;
  for (const char c : texte) ajouterUtf8(unicodeDe1252(static_cast<unsigned char>(c)), sortie);
  return sortie;
}

// Every byte Windows-1252 defines, 0 aside.
std::string definis() {
  std::string texte;
  for (int b = 1; b < 256; ++b) {
    if (unicodeDe1252(static_cast<unsigned char>(b)) != 0xFFFD) texte += static_cast<char>(b);
  }
  return texte;
}

TEST(Utf8, MotSuivant) {
  const struct {
    std::string texte;
    Mots attendus;
  } cas[] = {
      {"café x©y «z» 2×3", {"café", "x", "y", "z", "2", "3"}},
      {"l’été “café” café—thé lait…", {"l", "été", "café", "café", "thé", "lait"}},
      {"a\u00A0b ‘c’ d–e •f·g ‹h› i‰", {"a", "b", "c", "d", "e", "f", "g", "h", "i"}},
      {"a\u00ADb´c¹d¦e", {"a", "b", "c", "d", "e"}},  // the separating entities' characters
      {"e\u0301te\u0301 Œuvre ™x€ ƒ\u0085", {"e\u0301te\u0301", "Œuvre", "™x€", "ƒ\u0085"}},
      {"日本。東京、大阪", {"日本", "東京", "大阪"}},
      {"a\u2010b 一\u3000二 Αθήνα, Москва a😀b", {"a", "b", "一", "二", "Αθήνα", "Москва", "a😀b"}},
      {"caf\xE9 x\xA9y \xE2(\xA1z", {"caf\xE9", "x", "y", "\xE2", "z"}},  // stray bytes
      {"l\x92\xE9t\xE9 \x93\x9Cuvre\x94\x81", {"l", "\xE9t\xE9", "\x9Cuvre", "\x81"}},
      {"mot\xE2\x80", {"mot\xE2\x80"}},  // cut by the end of the line: 'â', '€'
      {"a\xF0\xAB", {"a\xF0"}},          // ... 'ð', then '«' separates
      {"caf&eacute; x&copy;y&nbsp;é&amp;é", {"caf&eacute;", "x", "y", "é&amp;é"}},
  };
  for (const auto& c : cas) EXPECT_EQ(mots(c.texte), c.attendus) << c.texte;
  // Each character as on a Windows-1252 page, but that punctuation and
  // spaces separate; a stray byte as its character.
  for (const char c : definis()) {
    const std::string texte = std::string("a") + c + "b";
    Mots attendus;
    if (estSeparateurUnicode(unicodeDe1252(static_cast<unsigned char>(c)))) {
      attendus = {"a", "b"};
    } else {
      attendus = mots(texte, W);
    }
    EXPECT_EQ(mots(texte), attendus) << +static_cast<unsigned char>(c);
    for (std::string& mot : attendus) mot = versUtf8(mot);
    EXPECT_EQ(mots(versUtf8(texte)), attendus) << +static_cast<unsigned char>(c);
  }
}

TEST(Utf8, WordLimitCountsCharacters) {
  const auto fois = [](int n, const std::string& s) {
    std::string r;
    while (n-- > 0) r += s;
    return r;
  };
  const std::string e = "\xC3\xA9";
  for (const std::string& mot :
       {fois(511, e), fois(511, "日"), fois(511, "😀"), fois(503, e) + "&eacute;"}) {
    EXPECT_EQ(mots(" " + mot + " fin"), (Mots{mot, "fin"})) << mot.size();
  }
  for (const std::string& texte : {fois(512, e), fois(512, "日"), "x " + fois(600, e),
                                   "&" + fois(511, e), fois(504, e) + "&eacute;"}) {
    try {
      mots(texte);
      ADD_FAILURE() << texte.size() << " bytes: no error";
    } catch (const MesErreur& erreur) {
      EXPECT_STREQ(erreur.Message(), "Depassement de capacite pour extraire un mot");
      EXPECT_STREQ(erreur.Module(), "trthtml");
      EXPECT_EQ(erreur.Ligne(), 260);
    }
  }
}

TEST(Utf8, DecoderEntites) {
  const struct {
    const char* texte;
    const char* attendu;
  } cas[] = {
      {"caf&eacute; &#233; &#489;", "café é é"},  // 489 modulo 256
      {"&#146;&#128;x&lt;y", "’€x<y"},
      {"&#0233; &amp;eacute;", "&#0233; &eacute;"},
      {"a&#0;b", "a"},
      {"a&#256;b", "a"},
      {"é&#65;\xE9", "éA\xE9"},  // the text's own bytes stay
  };
  for (const auto& c : cas) EXPECT_EQ(decode(c.texte), c.attendu) << c.texte;
  // Every reference gives the character it gives in Windows-1252, in no more bytes.
  std::vector<std::string> references;
  for (const Entite& entite : tableEntites) references.push_back(entite.nom);
  for (const char c : definis()) {
    references.push_back("&#" + std::to_string(+static_cast<unsigned char>(c)) + ";");
  }
  for (const std::string& reference : references) {
    const std::string texte = "x" + reference + "y";
    EXPECT_EQ(decode(texte), versUtf8(decode(texte, W))) << reference;
    EXPECT_LE(decode(texte).size(), texte.size()) << reference;
  }
}

TEST(Utf8, Plier) {
  const struct {
    const char* texte;
    const char* attendu;
  } cas[] = {
      {"Élève être ABC", "eleve etre abc"},
      {"ΑΒΓ МОСКВА ŠŒŸ ßÆæ ð", "αβγ москва sœy ßææ ð"},
      {"ΟΔΟΣ οδός Ǿ ø Ø", "οδοσ οδοσ o o o"},
      {"cafe\u0301 E\u0301le\u0300ve", "cafe eleve"},  // decomposed
      {"한국 \u1112\u1161\u11AB", "\u1112\u1161\u11AB\u1100\u116E\u11A8 \u1112\u1161\u11AB"},
      {"\u023A\U0001D160", "\u2C65\U0001D158\U0001D165\U0001D16E"},  // longer than written
      // Stray bytes fold as their Windows-1252 characters, to UTF-8; the
      // five undefined ones stay.
      {"caf\xE9 \xC9t\xE9 ΩÐ\u00A0", "cafe ete ωð\u00A0"},
      {"\x9Cuvre \x8Akoda \x80", "œuvre skoda €"},
      {"mot\xE2\x80", "mota€"},  // a cut sequence: 'â', '€'
      {"x\x81y\x8D\x8F\x90\x9D", "x\x81y\x8D\x8F\x90\x9D"},
  };
  for (const auto& c : cas) {
    EXPECT_EQ(plie(c.texte), c.attendu) << c.texte;
    EXPECT_EQ(plie(plie(c.texte)), c.attendu) << c.texte;
  }
  // Each character Windows-1252 has, valid or stray, folds as on a
  // Windows-1252 page but for these nine, which Unicode lowers or strips
  // where that fold keeps them, or lowers (Ð) where it takes the plain
  // letter.
  const struct {
    unsigned char octet;
    const char* pli;
  } autres[] = {
      {0x8A, "s"}, {0x8C, "œ"}, {0x8E, "z"}, {0x9A, "s"}, {0x9E, "z"},
      {0x9F, "y"}, {0xC6, "æ"}, {0xD0, "ð"}, {0xDE, "þ"},
  };
  for (const char c : definis()) {
    std::string attendu = versUtf8(sansAccents(std::string(1, c)));
    for (const auto& a : autres) {
      if (a.octet == static_cast<unsigned char>(c)) attendu = a.pli;
    }
    EXPECT_EQ(plie(versUtf8(std::string(1, c))), attendu) << +static_cast<unsigned char>(c);
    EXPECT_EQ(plie(std::string(1, c)), attendu) << +static_cast<unsigned char>(c);
  }
}

}  // namespace
