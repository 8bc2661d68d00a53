// Fuzz harness: word extraction (tags removed, then every word) line by
// line, entity decoding and accent folding on arbitrary text, read as
// Windows-1252 and as UTF-8.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/jeucaracteres.h"
#include "foundation/meserreur.h"
#include "html/traiterhtml.h"
#include "html/trthtml.h"

namespace {

// The same operations on one text, read in one character set.
void examiner(const std::string& texte, JeuCaracteres jeu) {
  // Word extraction, one line at a time, the tag state carried over.
  bool horsBalise = true;
  size_t debut = 0;
  while (debut <= texte.size()) {
    size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    const std::string ligne = texte.substr(debut, fin - debut + (fin < texte.size() ? 1 : 0));
    TraiterHtml traiter(ligne.c_str(), jeu);
    traiter.supprimerBalises(horsBalise);
    try {
      for (const char* mot = traiter.motSuivant(); *mot != '\0'; mot = traiter.motSuivant()) {
        // A word holds at most 511 characters, whatever their bytes.
        if (compterCaracteres(mot, std::strlen(mot), jeu) > 511) __builtin_trap();
      }
    } catch (const MesErreur&) {
      // A word of 512 characters or more is a fatal error: expected.
    }
    debut = fin + 1;
  }

  // Neither decoding nor folding ever lengthens a text.
  std::vector<char> copie(texte.begin(), texte.end());
  copie.push_back('\0');
  decoderEntites(copie.data(), jeu);
  if (std::strlen(copie.data()) > texte.size()) __builtin_trap();

  std::vector<char> accents(texte.begin(), texte.end());
  accents.push_back('\0');
  supprimerAccents(accents.data(), jeu);
  const size_t plie = std::strlen(accents.data());
  // Windows-1252 folds byte for byte.
  if (jeu == JeuCaracteres::Windows1252 ? plie != texte.size() : plie > texte.size()) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The text up to its first NUL, as the scan sees a line.
  const std::string texte(reinterpret_cast<const char*>(data),
                          strnlen(reinterpret_cast<const char*>(data), size));
  examiner(texte, JeuCaracteres::Windows1252);
  examiner(texte, JeuCaracteres::Utf8);
  return 0;
}
