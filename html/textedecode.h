// A text being read from a page in the page's character set, given back in
// UTF-8: its raw bytes and the characters of references, in order, with line
// ends as the parser reads them (CR LF and a lone CR as LF), kept up to a
// cap and counted beyond it.
#ifndef PAGEVET_HTML_TEXTEDECODE_H_
#define PAGEVET_HTML_TEXTEDECODE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/jeucaracteres.h"

class TexteDecode {
 public:
  TexteDecode(JeuCaracteres jeu, std::size_t max) : utf8_(jeu == JeuCaracteres::Utf8), max_(max) {}

  // Starts a new text, written to cible (emptied), which must outlive it.
  void Commencer(std::string& cible) {
    cible_ = &cible;
    cible.clear();
    brut_.clear();
    longueur_ = 0;
    crAvant_ = false;
  }

  // n bytes of the page, in its character set.
  void AjouterBrut(const char* octets, std::size_t n) {
    brut_.append(octets, n);
    if (brut_.size() >= kTailleBrut) Convertir(false);
  }
  // One character, a reference's.
  void AjouterPoint(char32_t point);

  // Converts what is left; the text is then complete in the target.
  void Finir() { Convertir(true); }
  // Converts what can be, keeping an unfinished UTF-8 sequence for later.
  void Avancer() { Convertir(false); }

  // The bytes of the whole text in UTF-8, and whether the target holds less.
  std::uint64_t Longueur() const { return longueur_; }
  bool Tronque() const { return longueur_ > cible_->size(); }

 private:
  static constexpr std::size_t kTailleBrut = 4096;
  void Convertir(bool tout);
  void Ecrire(const char* utf8, std::size_t n);

  bool utf8_;
  std::size_t max_;
  std::string* cible_ = nullptr;
  std::string brut_;  // bytes of the page not yet converted
  std::uint64_t longueur_ = 0;
  bool crAvant_ = false;  // the last character was a CR, read as LF
};

#endif  // PAGEVET_HTML_TEXTEDECODE_H_
