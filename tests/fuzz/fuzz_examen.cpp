// Fuzz harness: the scan of one page on arbitrary bytes, with each flag
// combination (none, /s, /d). Diagnostics go to /dev/null.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "checker/examen.h"
#include "checker/nomsmeta.h"
#include "foundation/meserreur.h"

namespace {

// A private directory holding the one page, removed at exit.
class Repertoire {
 public:
  Repertoire() {
    char modele[] = "/tmp/pagevet-fuzz-XXXXXX";
    if (mkdtemp(modele) == nullptr) std::abort();
    chemin_ = modele;
    page_ = chemin_ + "/page.htm";
  }
  ~Repertoire() {
    unlink(page_.c_str());
    rmdir(chemin_.c_str());
  }
  const char* Page() const { return page_.c_str(); }

 private:
  std::string chemin_;
  std::string page_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Repertoire repertoire;
  static NomsMeta nomsMeta;

  FILE* page = std::fopen(repertoire.Page(), "wb");
  if (page == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, page) != size) std::abort();
  std::fclose(page);

  const bool combinaisons[3][2] = {{false, false}, {false, true}, {true, false}};
  for (const auto& flags : combinaisons) {
    try {
      examinerFichier(repertoire.Page(), flags[0], flags[1], nomsMeta);
    } catch (const MesErreur&) {
      // The fatal errors (word or keyword too long) are expected outcomes.
    }
  }
  std::fflush(stdout);
  return 0;
}
