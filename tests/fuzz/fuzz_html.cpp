// Fuzz harness: word extraction (tags removed, then every word) line by
// line, entity decoding and accent folding on arbitrary text.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/meserreur.h"
#include "html/traiterhtml.h"
#include "html/trthtml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The text up to its first NUL, as the scan sees a line.
  const std::string texte(reinterpret_cast<const char*>(data),
                          strnlen(reinterpret_cast<const char*>(data), size));

  // Word extraction, one line at a time, the tag state carried over.
  bool horsBalise = true;
  size_t debut = 0;
  while (debut <= texte.size()) {
    size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    const std::string ligne = texte.substr(debut, fin - debut + (fin < texte.size() ? 1 : 0));
    TraiterHtml traiter(ligne.c_str());
    traiter.supprimerBalises(horsBalise);
    try {
      for (const char* mot = traiter.motSuivant(); *mot != '\0'; mot = traiter.motSuivant()) {
      }
    } catch (const MesErreur&) {
      // A word of 512 characters or more is a fatal error: expected.
    }
    debut = fin + 1;
  }

  std::vector<char> copie(texte.begin(), texte.end());
  copie.push_back('\0');
  decoderEntites(copie.data());
  if (std::strlen(copie.data()) > texte.size()) __builtin_trap();  // never lengthens

  std::vector<char> accents(texte.begin(), texte.end());
  accents.push_back('\0');
  supprimerAccents(accents.data());
  if (std::strlen(accents.data()) != texte.size()) __builtin_trap();
  return 0;
}
