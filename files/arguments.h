// Arguments: the command line taken apart into option letters and file
// masks, with optional completion of wildcard masks from the argument before.
#ifndef PAGEVET_FILES_ARGUMENTS_H_
#define PAGEVET_FILES_ARGUMENTS_H_

#include <cstdio>

#include "foundation/mystring.h"
#include "foundation/vecteur.h"

class Arguments {
 public:
  // args is referenced, not copied: it must outlive the object. Entry 0 is
  // the program's name and is never examined.
  Arguments(int nbArgs, const char* const* args, char carOption = '/', bool completer = false);

  // Number of arguments that start with the option character.
  int nbOptions() const;
  // Puts the masks, in command-line order, into masques and collects every
  // option argument into Options(), upper-cased; with retirer the option
  // characters themselves are removed. Returns the number of masks.
  int analyser(Vecteur<String>& masques, bool retirer);
  int analyser(Vecteur<String>& masques, String& opts, bool retirer);

  // Argument i, completed from the arguments to its left when completion is
  // on (*.bak after page.htm gives page.bak). profondeur is 0 for callers.
  String developper(unsigned int i, int profondeur) const;
  // The n-th mask (from 1), completed; empty when there is none.
  String masqueNumero(int n) const;
  // Whether two arguments (positions, or mask numbers with parRang) differ;
  // when they are equal a non-empty message is printed on its own line, to
  // flux.
  bool differents(int i, int j, const char* message, bool parRang,
                  std::FILE* flux = stdout) const;
  // Prints every element of liste on its own line, to flux.
  static void afficherListe(const Vecteur<String>& liste, std::FILE* flux = stdout);

  const String& Options() const { return options_; }

 private:
  bool estOption(const char* texte) const { return texte[0] == carOption_; }
  // One completion step: s completed from p, its completed left neighbour.
  String completer(const String& s, const String& p, bool aGauche) const;

  const char* const* args_;
  int nbArgs_;
  char carOption_;
  bool completer_;
  String options_;
};

#endif  // PAGEVET_FILES_ARGUMENTS_H_
