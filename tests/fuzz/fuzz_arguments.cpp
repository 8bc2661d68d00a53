// Fuzz harness: the command-line analysis and mask completion on an
// argument vector cut from the input at its NUL bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "files/arguments.h"
#include "foundation/mystring.h"
#include "foundation/vecteur.h"
#include "tests/fuzz/commun.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> morceaux{"pagevet"};
  morceaux.emplace_back();
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\0') {
      morceaux.emplace_back();
    } else {
      morceaux.back().push_back(static_cast<char>(data[i]));
    }
  }
  std::vector<const char*> args;
  for (const std::string& m : morceaux) args.push_back(m.c_str());
  const int nbArgs = static_cast<int>(args.size());

  // analyser completes every mask from its left neighbours (quadratic in the
  // argument count), so the other calls are made on a few positions only.
  for (const bool retirer : {false, true}) {
    Arguments arguments(nbArgs, args.data(), '/', true);
    arguments.nbOptions();
    Vecteur<String> masques;
    String options;
    const int nbMasques = arguments.analyser(masques, options, retirer);
    for (const int i : {1, 2, nbArgs - 1, nbArgs}) {
      arguments.developper(static_cast<unsigned int>(i), 0);
      arguments.developper(static_cast<unsigned int>(i), 1);
    }
    for (const int n : {0, 1, nbMasques, nbMasques + 1}) arguments.masqueNumero(n);
    if (nbMasques >= 2) arguments.differents(1, 2, "same", true);
    arguments.differents(1, nbArgs - 1, nullptr, false);
  }
  std::fflush(stdout);
  return 0;
}
