#include <cstdio>
#include <exception>
#include <new>

#include "run/pagevet.h"

int main(int argc, char** argv) {
  try {
    return pagevet(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fflush(stdout);
    std::fputs("pagevet: out of memory\n", stderr);
  } catch (const std::exception& erreur) {
    std::fflush(stdout);
    std::fprintf(stderr, "pagevet: %s\n", erreur.what());
  }
  return kStatutEchec;
}
