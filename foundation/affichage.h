// Affichage: the console printer. Every text taken from pages and paths goes
// through it and is converted from Windows-1252 to what the console shows.
#ifndef PAGEVET_FOUNDATION_AFFICHAGE_H_
#define PAGEVET_FOUNDATION_AFFICHAGE_H_

#include <cstdio>
#include <memory>
#include <string>

#include "foundation/asciiansi.h"

class Affichage {
 public:
  enum class Sortie {
    Brute,    // bytes as they are
    Oem850,   // Windows-1252 translated to code page 850
    Utf8,     // Windows-1252 written as UTF-8; valid UTF-8 passes unchanged
  };

  // Converts to code page 850, on standard output.
  Affichage();
  // flux stays the caller's; it must outlive the display.
  explicit Affichage(Sortie sortie, std::FILE* flux = stdout);
  Affichage(const Affichage& autre);
  Affichage& operator=(const Affichage& autre);
  ~Affichage() = default;

  // Writes texte, converted, plus "\n" when finLigne.
  void Affiche(const char* texte, bool finLigne) const;

  // Writes one of the program's own fixed formats, which hold only ASCII,
  // unconverted.
  void Imprime(const char* format, ...) const __attribute__((format(printf, 2, 3)));

  std::FILE* Flux() const { return flux_; }

  // The output that suits standard output, from the console query: UTF-8
  // for a terminal whose locale codeset is UTF-8, code page 850 otherwise
  // (pipes and files included).
  static Sortie SortieConsole();

  // Appends texte to sortie as UTF-8: valid UTF-8 sequences are kept, every
  // other byte 0x80-0xFF is read as Windows-1252.
  static void VersUtf8(const char* texte, std::string& sortie);

 private:
  std::unique_ptr<AsciiAnsi> conversion;  // null: no code page translation
  bool utf8 = false;
  std::FILE* flux_;
};

// The program's single console printer, created before main runs.
extern Affichage affichage;

#endif  // PAGEVET_FOUNDATION_AFFICHAGE_H_
