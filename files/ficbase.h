// FicBase: one open C stream whose every failure is reported as a MesErreur,
// plus the module's free functions on attributes, existence and directories.
#ifndef PAGEVET_FILES_FICBASE_H_
#define PAGEVET_FILES_FICBASE_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "datetime/datehr.h"
#include "platform/typesplateforme.h"

// Codes of the module's error messages.
enum CodeErreurFichier {
  ERR_ACCES = 1,
  ERR_OUVERTURE = 2,
  ERR_NON_OUVERT = 3,
  ERR_ECRITURE = 4,
  ERR_LECTURE = 5,
};

// Owns the stream it opens and closes it on destruction. Paths are program
// paths ('\' separators); messages show them as given.
class FicBase {
 public:
  // Opens cheminFic with an fopen mode; throws MesErreur "ficbase" 69.
  FicBase(const char* cheminFic, const char* mode);
  FicBase(const FicBase&) = delete;
  FicBase& operator=(const FicBase&) = delete;
  virtual ~FicBase();

  // Gives this file the modification time of source's file and returns that
  // time, decoded without checks. If either file is not open nothing changes
  // and 1 January 1900, 00:00:00.00 is returned.
  virtual DateHeure copierDate(const FicBase& source);
  // The name shown by the messages of rembobiner, lire and ecrire.
  virtual const char* nomFichier() const;

  // Closes any open stream first; throws MesErreur "ficbase" 69 on failure.
  void ouvrir(const char* cheminFic, const char* mode);
  // True when no stream is open afterwards. A stream whose close reports an
  // error is gone all the same; false then tells that data may be lost.
  bool fermer();
  void rembobiner();
  // Unbuffered read and write on the stream's descriptor.
  int32_t lire(void* tampon, int32_t nbOctets);
  int32_t ecrire(const void* tampon, int32_t nbOctets);

  // The open stream, or nullptr.
  std::FILE* Fichier() const { return fichier_; }

 private:
  std::FILE* fichier_ = nullptr;
};

// The longest text of the messages around their path, and a buffer that
// holds any message about a path of the program's path buffers.
constexpr std::size_t kLongueurTexteErreur = 35;  // "Probleme en ecriture sur fichier []"
constexpr std::size_t kTailleMessageErreur = plateforme::kTailleChemin + kLongueurTexteErreur;

// Writes the message of code into tampon, cheminFic in place of its "%s";
// an unknown code gives "Erreur non repertoriee". Truncated to taille.
char* texteErreur(int code, const char* cheminFic, char* tampon,
                  std::size_t taille = kTailleMessageErreur);

// Attribute bits of a file; throws MesErreur "ficbase" 126 on failure.
int32_t lireAttributs(const char* cheminFic);
// Sets the attribute bits of a file; throws MesErreur "ficbase" 140.
bool ecrireAttributs(const char* cheminFic, int32_t attributs);
// Whether the file can be opened for reading.
bool existe(const char* cheminFic);

// "X:" for drive disque (0 is A), the current drive when disque < 0.
// tampon holds at least 3 bytes.
char* nomDisque(char* tampon, int disque);
// The current directory of a drive, ending in '\': "\..." for disque -1
// (current drive), "X:\..." otherwise.
char* repertoireCourant(char* tampon, int disque,
                        std::size_t taille = plateforme::kTailleChemin);
// The absolute, upper-case path ending in '\' of directory cheminFic, found
// by entering it; a path that cannot be entered gives the current directory
// of its drive. The current directory is restored.
char* cheminComplet(char* tampon, const char* cheminFic,
                    std::size_t taille = plateforme::kTailleChemin);
// Whether two paths name the same directory.
bool memeRepertoire(const char* a, const char* b);
// Whether cheminFic is the root directory of a drive.
bool estRacine(const char* cheminFic);

#endif  // PAGEVET_FILES_FICBASE_H_
