// Fuzz harness: the scan of one page on arbitrary bytes, read from memory,
// with each flag combination (none, /s, /d) and, with /d, by today's HTML.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checker/examen.h"
#include "checker/nomsmeta.h"
#include "files/lecteurlignes.h"
#include "foundation/meserreur.h"
#include "tests/fuzz/commun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static NomsMeta nomsMeta;
  // The empty input needs a buffer all the same.
  static char vide = '\0';
  void* const octets = size > 0 ? const_cast<uint8_t*>(data) : static_cast<void*>(&vide);

  // /d, /s, --html5
  const bool combinaisons[4][3] = {
      {false, false, false}, {false, true, false}, {true, false, false}, {true, false, true}};
  for (const auto& flags : combinaisons) {
    std::FILE* page = fmemopen(octets, size, "r");
    if (page == nullptr) std::abort();
    try {
      LecteurLignes lecteur(page);
      examinerPage(lecteur, flags[0], flags[1], nomsMeta, sortieMuette(),
                   flags[2] ? JeuBalises::Html5 : JeuBalises::Html32);
    } catch (const MesErreur&) {
      // The fatal errors (word or keyword too long) are expected outcomes.
    }
    std::fclose(page);
  }
  std::fflush(stdout);
  return 0;
}
