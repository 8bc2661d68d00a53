#include "checker/motsclesmodernes.h"

#include <algorithm>

#include "checker/motscles.h"
#include "foundation/jeucaracteres.h"
#include "foundation/mystring.h"
#include "html/lecteurmots.h"
#include "html/trthtml.h"

namespace {

constexpr std::size_t kMaxMotCle = 254;
constexpr auto kMaxMot = static_cast<std::size_t>(kMaxCaracteresMot);

// Whether the character point ends a word: white space and the classic
// separators in ASCII; beyond, what the word reader of UTF-8 pages reads
// as a separator (Unicode punctuation and spaces, and the Windows-1252
// separators of U+00A0 to U+00FF).
bool separe(char32_t point) {
  if (point < 0x80) {
    const char c = static_cast<char>(point);
    return c == '\0' || estBlanc(c) || tableSeparateurs()[static_cast<unsigned char>(c)];
  }
  if (point < 0xA0) return false;
  if (point < 0x100 && tableSeparateurs()[point]) return true;
  return estSeparateurUnicode(point);
}

// The bytes of the UTF-8 sequence that starts with octet (1 for a stray byte).
std::size_t longueurSequence(unsigned char octet) {
  if (octet >= 0xF0 && octet < 0xF8) return 4;
  if (octet >= 0xE0) return octet < 0xF0 ? 3 : 1;
  if (octet >= 0xC0) return 2;
  return 1;
}

}  // namespace

void MotsClesModernes::Lit(std::string_view contenu) {
  lus_ = true;
  std::size_t debut = 0;
  int j = 0;
  motsCles_.Redimensionne(static_cast<int32_t>(std::count(contenu.begin(), contenu.end(), ',')) + 1);
  for (;;) {
    const std::size_t virgule = contenu.find(',', debut);
    const std::size_t fin = virgule == std::string_view::npos ? contenu.size() : virgule;
    std::size_t a = debut;
    std::size_t b = fin;
    while (a < b && estBlanc(contenu[a])) ++a;
    while (b > a && estBlanc(contenu[b - 1])) --b;
    MotCle& motCle = motsCles_[j++];
    std::string ecrit(contenu.substr(a, b - a));
    motCle.mot = ecrit.c_str();
    motCle.utilise = false;
    if (compterCaracteres(ecrit.data(), ecrit.size(), JeuCaracteres::Utf8) > kMaxMotCle) {
      motCle.motReduit = "";  // no word is empty: it matches none
    } else {
      std::vector<char> pli(kOctetsPliParOctet * (ecrit.size() + 1) + 1);
      motCle.motReduit = reduire(ecrit.data(), JeuCaracteres::Utf8, pli.data());
    }
    if (virgule == std::string_view::npos) break;
    debut = virgule + 1;
  }
  motsCles_.Redimensionne(j);
  ordonnerMotsCles(motsCles_, ordre_);
  for (const std::string& mot : enAttente_) marquerMot(mot.c_str(), motsCles_, ordre_);
  enAttente_.clear();
  enAttente_.shrink_to_fit();
}

void MotsClesModernes::Noter(const std::string& mot) {
  // A word seen before on the page is passed over, as written.
  if (!motsVus_.Ajoute(mot.data(), mot.size())) return;
  if (lus_) {
    marquerMot(mot.c_str(), motsCles_, ordre_);
  } else {
    enAttente_.push_back(mot);
  }
}

void MotsClesModernes::FinirMot() {
  // A word longer than the most a word holds matches nothing.
  if (!mot_.empty() && caracteres_ <= kMaxMot) Noter(mot_);
  mot_.clear();
  caracteres_ = 0;
}

void MotsClesModernes::Texte(const char* texte, std::size_t n, bool separeAvant) {
  if (separeAvant) {
    incomplet_.clear();
    FinirMot();
  }
  std::string run = std::move(incomplet_);
  incomplet_.clear();
  run.append(texte, n);
  std::size_t i = 0;
  while (i < run.size()) {
    const auto octet = static_cast<unsigned char>(run[i]);
    if (octet < 0x80) {
      if (separe(octet)) {
        FinirMot();
      } else if (++caracteres_ <= kMaxMot) {
        mot_ += run[i];
      }
      ++i;
      continue;
    }
    const std::size_t longueur = longueurSequence(octet);
    if (i + longueur > run.size()) {
      incomplet_.assign(run, i, std::string::npos);
      break;
    }
    const std::string sequence(run, i, longueur);
    const CaractereUtf8 caractere = lireCaractere(sequence.c_str());
    const std::size_t lus = caractere.longueur > 0 ? caractere.longueur : 1;
    if (separe(caractere.point)) {
      FinirMot();
    } else {
      if (++caracteres_ <= kMaxMot) mot_.append(run, i, lus);
    }
    i += lus;
  }
}

void MotsClesModernes::Finir() {
  incomplet_.clear();
  FinirMot();
}

void MotsClesModernes::Rapporte(RapportPage& rapport) const {
  rapporterMotsCles(motsCles_, rapport, true);
}
