// Affichage: the console printer. Every text taken from pages and paths goes
// through it and is converted from its character set to the console's.
#ifndef PAGEVET_FOUNDATION_AFFICHAGE_H_
#define PAGEVET_FOUNDATION_AFFICHAGE_H_

#include <cstdio>
#include <memory>
#include <string>

#include "foundation/asciiansi.h"
#include "foundation/canal.h"
#include "foundation/jeucaracteres.h"

class Affichage {
 public:
  enum class Sortie {
    Brute,    // bytes as they are
    Oem850,   // code page 850: Windows-1252 translated, UTF-8 decoded
    Utf8,     // Windows-1252 written as UTF-8; valid UTF-8 passes unchanged
  };

  // Converts to code page 850, on standard output.
  Affichage();
  // flux stays the caller's; it must outlive the display.
  explicit Affichage(Sortie sortie, std::FILE* flux = stdout);
  // Writes through canal, which stays the caller's and must outlive it.
  Affichage(Sortie sortie, Canal& canal);
  Affichage(const Affichage& autre);
  Affichage& operator=(const Affichage& autre);
  ~Affichage() = default;

  // Writes texte, in the character set jeu, converted, plus "\n" when
  // finLigne. In code page 850 output, a UTF-8 character that code page 850
  // lacks becomes '?'.
  void Affiche(const char* texte, bool finLigne,
               JeuCaracteres jeu = JeuCaracteres::Windows1252) const;

  // Writes a text taken from a page or a path that one of the fixed formats
  // carries (a keyword in its line, a path in a message). Code page 850
  // output leaves a Windows-1252 text as it is, as those formats always
  // wrote it; anything else is converted as Affiche converts it, so that
  // UTF-8 output stays UTF-8 and a UTF-8 text stays readable.
  void AfficheDansFormat(const char* texte, JeuCaracteres jeu = JeuCaracteres::Windows1252) const;

  // Writes one of the program's own fixed formats, which hold only ASCII,
  // unconverted. Every write checks the stream: once it has failed,
  // ErreurSortie is thrown with the host's error.
  void Imprime(const char* format, ...) const __attribute__((format(printf, 2, 3)));

  // Writes n bytes as they are.
  void Ecrit(const char* octets, std::size_t n) const { canal_->Ecrit(octets, n); }
  void Ecrit(const std::string& texte) const { canal_->Ecrit(texte.data(), texte.size()); }

  // What Affiche (without line end) and AfficheDansFormat would write.
  std::string Convertit(const char* texte,
                        JeuCaracteres jeu = JeuCaracteres::Windows1252) const;
  std::string ConvertitDansFormat(const char* texte,
                                  JeuCaracteres jeu = JeuCaracteres::Windows1252) const;

  // The output that suits the user's locale, from the console query: UTF-8
  // when its codeset is UTF-8, on a terminal, a pipe or a file alike; code
  // page 850 otherwise (the C and POSIX locales included).
  static Sortie SortieConsole();

  // Appends texte to sortie as UTF-8: valid UTF-8 sequences are kept, every
  // other byte 0x80-0xFF is read as Windows-1252.
  static void VersUtf8(const char* texte, std::string& sortie);

 private:
  std::unique_ptr<AsciiAnsi> conversion;  // null: no code page translation
  bool utf8 = false;
  CanalFichier fichier_;  // the channel when the display writes to a stream
  Canal* canal_;          // &fichier_, or the caller's
};

// The program's single console printer, created before main runs.
extern Affichage affichage;

#endif  // PAGEVET_FOUNDATION_AFFICHAGE_H_
