// pagevet_lire: reads every file named on standard input (names separated
// by NUL bytes, as find -print0 writes them) into one buffer and drops it.
//
// The floor for any program that reads the pages once: one process, one
// buffer for the whole run, no output. Prints nothing; exits 1 if a file
// cannot be read.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

int main() {
  static char tampon[1 << 16];
  std::string nom;
  int statut = 0;
  for (int c = std::getchar();; c = std::getchar()) {
    if (c != EOF && c != '\0') {
      nom += static_cast<char>(c);
      continue;
    }
    if (!nom.empty()) {
      const int fd = open(nom.c_str(), O_RDONLY);
      ssize_t lus = fd < 0 ? -1 : 0;
      while (fd >= 0 && (lus = read(fd, tampon, sizeof tampon)) > 0) {
      }
      if (lus < 0) {
        std::fprintf(stderr, "pagevet_lire: %s: %s\n", nom.c_str(), std::strerror(errno));
        statut = 1;
      }
      if (fd >= 0) close(fd);
      nom.clear();
    }
    if (c == EOF) return statut;
  }
}
