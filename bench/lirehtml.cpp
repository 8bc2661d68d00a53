// pagevet_lirehtml: reads every file named on standard input (names separated
// by NUL bytes, as find -print0 writes them) with the HTML reader, in 64 KiB
// blocks, as pagevet_lire reads them, and prints the bytes, the start tags
// and the seconds spent. With --texte the reader also hands out the text.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/jeucaracteres.h"
#include "html/lecteurhtml.h"

namespace {

class Compteur : public VisiteurHtml {
 public:
  explicit Compteur(bool texte) : texte_(texte) {}
  void BaliseOuvrante(const BaliseHtml&) override { ++balises; }
  void ElementTete(const BaliseHtml&, const std::string&) override { ++tete; }
  bool DetailsALaDemande() const override { return true; }
  bool VeutTexte() const override { return texte_; }
  void Texte(const char*, std::size_t n, bool) override { octetsTexte += n; }
  unsigned long long balises = 0, tete = 0, octetsTexte = 0;

 private:
  bool texte_;
};

}  // namespace

int main(int argc, char** argv) {
  const bool texte = argc > 1 && std::strcmp(argv[1], "--texte") == 0;
  static char tampon[1 << 16];
  std::string nom;
  int statut = 0;
  unsigned long long octets = 0;
  Compteur compteur(texte);
  const auto debut = std::chrono::steady_clock::now();
  for (int c = std::getchar();; c = std::getchar()) {
    if (c != EOF && c != '\0') {
      nom += static_cast<char>(c);
      continue;
    }
    if (!nom.empty()) {
      const int fd = open(nom.c_str(), O_RDONLY);
      ssize_t lus = fd < 0 ? -1 : read(fd, tampon, sizeof tampon);
      if (lus >= 0) {
        const DecisionJeu decision =
            deciderJeu(tampon, static_cast<std::size_t>(lus), lus < static_cast<ssize_t>(sizeof tampon));
        LecteurHtml lecteur(decision.jeu, decision.marque, compteur);
        while (lus > 0) {
          octets += static_cast<unsigned long long>(lus);
          lecteur.Lire(tampon, static_cast<std::size_t>(lus));
          lus = read(fd, tampon, sizeof tampon);
        }
        lecteur.Finir();
      }
      if (lus < 0) {
        std::fprintf(stderr, "pagevet_lirehtml: %s: %s\n", nom.c_str(), std::strerror(errno));
        statut = 1;
      }
      if (fd >= 0) close(fd);
      nom.clear();
    }
    if (c == EOF) break;
  }
  const double secondes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  std::printf("%llu bytes, %llu start tags, %llu head elements, %llu bytes of text: %.3f s, %.0f MB/s\n",
              octets, compteur.balises, compteur.tete, compteur.octetsTexte, secondes,
              octets / secondes / 1e6);
  return statut;
}
