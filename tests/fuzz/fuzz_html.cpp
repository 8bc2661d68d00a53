// Fuzz harness: word extraction (tags removed, then every word) line by
// line, each word then decoded and folded as the keyword analysis does it,
// and entity decoding and folding on arbitrary text, read as Windows-1252
// and as UTF-8.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/jeucaracteres.h"
#include "foundation/meserreur.h"
#include "html/traiterhtml.h"
#include "html/trthtml.h"

namespace {

// The folded form of texte, through a heap buffer of exactly the room
// reduire asks for, so that the sanitizers catch a fold that takes more.
std::string plier(const std::string& texte, JeuCaracteres jeu) {
  std::vector<char> copie(texte.begin(), texte.end());
  copie.push_back('\0');
  std::vector<char> pli(kOctetsPliParOctet * texte.size() + 1);
  return reduire(copie.data(), jeu, pli.data());
}

// Folding: Windows-1252 byte for byte; UTF-8 may lengthen, within the room.
// Either way never to a capital 'A'-'Z', and folding twice gives the same.
void verifierPli(const std::string& texte, JeuCaracteres jeu) {
  const std::string pli = plier(texte, jeu);
  if (jeu == JeuCaracteres::Windows1252 ? pli.size() != texte.size()
                                        : pli.size() > kOctetsPliParOctet * texte.size()) {
    __builtin_trap();
  }
  for (const char c : pli) {
    if (c >= 'A' && c <= 'Z') __builtin_trap();
  }
  if (plier(pli, jeu) != pli) __builtin_trap();
}

// The same operations on one text, read in one character set.
void examiner(const std::string& texte, JeuCaracteres jeu) {
  // Word extraction, one line at a time, the tag state carried over.
  bool horsBalise = true;
  std::vector<char> pliMot(kOctetsPliParOctet * kTailleMot);
  size_t debut = 0;
  while (debut <= texte.size()) {
    size_t fin = texte.find('\n', debut);
    if (fin == std::string::npos) fin = texte.size();
    const std::string ligne = texte.substr(debut, fin - debut + (fin < texte.size() ? 1 : 0));
    {
      // The one-walk tag removal of the scan does what retirerBalises does,
      // its state carried the same way.
      const std::string texteLigne(ligne.c_str());
      std::string reference(texteLigne);
      std::string enPlace(texteLigne);
      bool horsReference = horsBalise;
      bool horsEnPlace = horsBalise;
      const int n = retirerBalises(horsReference, texteLigne.c_str(), reference.data());
      if (retirerBalisesLigne(enPlace.data(), enPlace.size(), horsEnPlace) != n ||
          horsEnPlace != horsReference || std::strcmp(reference.c_str(), enPlace.c_str()) != 0) {
        __builtin_trap();
      }
    }
    TraiterHtml traiter(ligne.c_str(), jeu);
    traiter.supprimerBalises(horsBalise);
    try {
      for (char* mot = traiter.motSuivant(); *mot != '\0'; mot = traiter.motSuivant()) {
        // A word holds at most 511 characters, whatever their bytes.
        const size_t octets = std::strlen(mot);
        if (octets >= static_cast<size_t>(kTailleMot) || compterCaracteres(mot, octets, jeu) > 511) {
          __builtin_trap();
        }
        // Decoded and folded as the keyword analysis does it, the room
        // ending where the heap block does; the folding's rules are checked
        // on the whole text below.
        const size_t decode = std::strlen(decoderEntites(mot, jeu));
        reduire(mot, jeu, pliMot.data() + pliMot.size() - (kOctetsPliParOctet * decode + 1));
      }
    } catch (const MesErreur&) {
      // A word of 512 characters or more is a fatal error: expected.
    }
    debut = fin + 1;
  }

  // Decoding never lengthens a text.
  std::vector<char> copie(texte.begin(), texte.end());
  copie.push_back('\0');
  decoderEntites(copie.data(), jeu);
  if (std::strlen(copie.data()) > texte.size()) __builtin_trap();

  verifierPli(texte, jeu);
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
