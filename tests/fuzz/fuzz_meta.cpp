// Fuzz harness: the meta-tag checks on one arbitrary line, prepared as the
// page scan prepares it, and the one-pass tag reading checked against the
// searches it stands for. The first byte chooses the flags, the state, the
// character set and the tag set.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "checker/etatfichier.h"
#include "checker/metatags.h"
#include "foundation/meserreur.h"
#include "foundation/mystring.h"
#include "html/trthtml.h"
#include "tests/checker/balises_reference.h"
#include "tests/fuzz/commun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t choix = data[0];
  ++data;
  --size;

  OptionsExamen options;
  options.developpe = (choix & 1) != 0;
  options.simple = (choix & 2) != 0 && !options.developpe;
  options.balises = (choix & 32) != 0 ? JeuBalises::Html5 : JeuBalises::Html32;
  auto etat = std::make_unique<EtatFichier>(
      options, pageMuette(),
      (choix & 16) != 0 ? JeuCaracteres::Utf8 : JeuCaracteres::Windows1252);
  etat->dansHead = (choix & 4) != 0;

  // One line as fgets gives it: at most 8191 bytes, ending after a '\n'.
  size_t n = 0;
  while (n < size && n < EtatFichier::kTailleLigne - 1) {
    if (data[n++] == '\n') break;
  }
  static char ligne[EtatFichier::kTailleLigne];
  std::memcpy(ligne, data, n);
  ligne[n] = '\0';
  etat->ligne = ligne;
  etat->numeroLigne = 1;
  if (supprimerCommentaires(etat->ligne, etat->dansCommentaire) < 2) return 0;
  std::strcpy(etat->minuscules, etat->ligne);
  Minuscules(etat->minuscules);

  int nbBalises = 0;
  const bool derniereOuverte = compterBalises(etat->minuscules, nbBalises);
  const char* const meta = chercherBalise(etat->minuscules, "meta");
  // The scan's one-pass reading of the tags must agree with the searches.
  if (!ecartBalisesLigne(etat->ligne).empty()) std::abort();
  if (meta == nullptr) return 0;
  try {
    verifierMeta(*etat, meta, derniereOuverte, nbBalises);
  } catch (const MesErreur&) {
    // A keyword too long is a fatal error: expected.
  }
  syntaxeStricte(meta, etat->options.balises);
  std::fflush(stdout);
  return 0;
}
