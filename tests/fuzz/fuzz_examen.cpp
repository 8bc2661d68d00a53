// Fuzz harness: the scan of one page on arbitrary bytes, read from memory,
// with each flag combination (none, /s, /d, /d --html5) in the text report,
// and with /d in the gnu, json and sarif reports, whose texts must always
// encode.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checker/examen.h"
#include "report/rapportgnu.h"
#include "report/rapportjson.h"
#include "report/rapportsarif.h"
#include "files/lecteurlignes.h"
#include "foundation/meserreur.h"
#include "tests/fuzz/commun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The empty input needs a buffer all the same.
  static char vide = '\0';
  void* const octets = size > 0 ? const_cast<uint8_t*>(data) : static_cast<void*>(&vide);

  static const RapportGnu gnu(Affichage::Sortie::Utf8, canalMuet(), stdout);
  static const RapportJson json(Affichage::Sortie::Utf8, canalMuet(), stdout);
  static const RapportSarif sarif(Affichage::Sortie::Utf8, canalMuet(), stdout, "/");
  static const std::unique_ptr<RapportPage> autres[] = {
      gnu.NouvellePage(canalMuet()), json.NouvellePage(canalMuet()),
      sarif.NouvellePage(canalMuet())};

  struct Examen {
    bool developpe;
    bool simple;
    bool html5;
    RapportPage& rapport;
  };
  const Examen examens[] = {
      {false, false, false, pageMuette()}, {false, true, false, pageMuette()},
      {true, false, false, pageMuette()},  {true, false, true, pageMuette()},
      {true, false, false, *autres[0]},    {true, false, false, *autres[1]},
      {true, false, false, *autres[2]}};
  for (const Examen& examen : examens) {
    std::FILE* page = fmemopen(octets, size, "r");
    if (page == nullptr) std::abort();
    OptionsExamen options;
    options.developpe = examen.developpe;
    options.simple = examen.simple && !examen.developpe;
    options.balises = examen.html5 ? JeuBalises::Html5 : JeuBalises::Html32;
    try {
      LecteurLignes lecteur(page);
      examinerPage("p\xE9.htm", lecteur, options, examen.rapport);
    } catch (const MesErreur&) {
      // The fatal errors (word or keyword too long) are expected outcomes.
    }
    std::fclose(page);
  }
  std::fflush(stdout);
  return 0;
}
