// MotsClesPage: the keyword analysis ("/d") of one page: the keywords of its
// first keywords meta-tag, the words of its text seen so far, and the tag
// state the word reader carries from line to line.
#ifndef PAGEVET_CHECKER_MOTSCLESPAGE_H_
#define PAGEVET_CHECKER_MOTSCLESPAGE_H_

#include <cstddef>
#include <cstdint>

#include "checker/balisesligne.h"
#include "checker/motscles.h"
#include "foundation/ensemblemots.h"
#include "html/lecteurmots.h"

// The tag state after the n bytes of ligne (horsBalise: outside any tag
// before them), as retirerBalisesLigne leaves it, without removing the tags:
// the last '<' or '>' tells, as balises (read from the same bytes) knows,
// but for a line outside any tag whose first '<' opens a "<!", which
// changes nothing.
bool horsBaliseApres(const char* ligne, std::size_t n, const BalisesLigne& balises,
                     bool horsBalise);

class MotsClesPage {
 public:
  // Whether the keywords meta-tag has been read.
  bool Lus() const { return lus_; }

  // Reads the keywords between the quotes ouvre and ferme (see lireMotsCles).
  void Lit(const char* ouvre, const char* ferme, JeuCaracteres jeu);

  // Reads the words of one line of longueur bytes, its tags removed in place
  // (the tag state carried from line to line), and marks the keywords they
  // match once the list is read: each word reduced and matched with the
  // first keyword of the list of the same reduced form. Throws MesErreur for
  // a word of more than kMaxCaracteresMot characters, read or not.
  // balises: the tags of the same bytes.
  void NoteLigne(char* ligne, std::size_t longueur, const BalisesLigne& balises,
                 JeuCaracteres jeu) {
    // With nothing left to mark, words are read only for the length limit,
    // which no word of a shorter line can pass, as a character takes a byte
    // or more: such a line only moves the tag state. Inline: most lines are
    // such lines.
    if (restants_ == 0 && Courte(longueur)) {
      horsBalise_ = horsBaliseApres(ligne, longueur, balises, horsBalise_);
    } else {
      LireLigne(ligne, longueur, jeu);
    }
  }

  // Reports the repeated keywords, then the unused ones.
  void Rapporte(RapportPage& rapport) const { rapporterMotsCles(motsCles_, rapport); }

  const Vecteur<MotCle>& MotsCles() const { return motsCles_; }

 private:
  static bool Courte(std::size_t n) { return n <= static_cast<std::size_t>(kMaxCaracteresMot); }
  // NoteLigne for a line whose words are read.
  void LireLigne(char* ligne, std::size_t longueur, JeuCaracteres jeu);
  // Whether a word whose reduced form is its n bytes at mot, each folded,
  // may match a keyword not yet marked: false rules it out.
  bool PeutMarquer(const char* mot, std::size_t n) const {
    const auto premier = static_cast<unsigned char>(pli_[static_cast<unsigned char>(mot[0])]);
    const auto dernier = static_cast<unsigned char>(pli_[static_cast<unsigned char>(mot[n - 1])]);
    return (filtre_[Case(premier, dernier)] >> (n < 63 ? n : 63) & 1) != 0;
  }
  static unsigned Case(unsigned premier, unsigned dernier) {
    return (premier ^ (dernier << 3) ^ (dernier >> 5)) & 255;
  }
  // Reduces a word seen for the first time and marks its keyword.
  void Marque(const char* mot, std::size_t n, JeuCaracteres jeu);

  bool horsBalise_ = true;
  bool lus_ = false;
  // The reduced forms of the list no word has matched yet; at 0, words are
  // only read for their length.
  int32_t restants_ = 0;
  Vecteur<MotCle> motsCles_;
  Vecteur<int32_t> ordre_;  // motsCles_ by reduced form
  EnsembleMots motsVus_;    // the page's distinct words that went to Marque, as written
  const char* pli_ = nullptr;  // tablePli()
  // For each Case of a reduced form's first and last bytes, bit n (63 for
  // 63 and more) set when a keyword's has n bytes.
  std::uint64_t filtre_[256];  // set by Lit
};

#endif  // PAGEVET_CHECKER_MOTSCLESPAGE_H_
