// AsciiAnsi: translates bytes between Windows ANSI (code page 1252) and the
// console's OEM set (code page 850) through a 256-entry table.
#ifndef PAGEVET_FOUNDATION_ASCIIANSI_H_
#define PAGEVET_FOUNDATION_ASCIIANSI_H_

#include <cstdio>
#include <memory>

class AsciiAnsi {
 public:
  explicit AsciiAnsi(bool versOem);
  AsciiAnsi(const AsciiAnsi& autre);
  AsciiAnsi& operator=(const AsciiAnsi& autre);
  ~AsciiAnsi() = default;

  void Construit(bool versOem);
  void ChangeSens(bool versOem);

  // Translates texte in place with the current table, whatever its direction.
  char* Convertit(char* texte) const;

  char* VersOem(char* texte);
  char VersOem(char c);
  char* VersAnsi(char* texte);
  char VersAnsi(char c);

  // Writes texte translated to flux, with a "\n" when finLigne is set.
  void Affiche(const char* texte, bool finLigne, std::FILE* flux = stdout) const;

  bool EstVersOem() const { return versOem; }

 private:
  std::unique_ptr<unsigned char[]> table;
  bool versOem;
};

#endif  // PAGEVET_FOUNDATION_ASCIIANSI_H_
