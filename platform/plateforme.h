// Platform layer: the file finder, file times, attributes, drives, current
// directory, descriptors, clock and console, built on the POSIX host.
#ifndef PAGEVET_PLATFORM_PLATEFORME_H_
#define PAGEVET_PLATFORM_PLATEFORME_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/typesplateforme.h"

// This is the only code that talks to the host's file system, descriptors,
// clock and console. The rest of the program writes paths with '\' and may
// start them with a drive ("C:"); the layer presents the host as a single
// drive C: and maps paths.
namespace plateforme {

// The one drive the host offers: C:, numbered from 0 for A.
constexpr int kDisqueUnique = 2;

// The search record of findfirst/findnext: the current entry, readable by the
// caller, and the state of the search, which only the finder uses. The
// directory is read and its entries looked at when the search starts (and
// its handle closed at once), so a record holds no host resource and copies
// like a value.
class RechercheFichier {
 public:
  std::string nom;      // entry name, no directory part
  int32_t taille = 0;   // size in bytes, capped at 2^31 - 1
  int attributs = 0;    // attribute bits above
  uint16_t heure = 0;   // packed time word
  uint16_t date = 0;    // packed date word
  // The host's error (errno) when the search's directory could not be read,
  // or its listing failed part-way (the entries listed before are still
  // given), 0 when it was read whole: an empty search may be either.
  int erreur = 0;
  // The matching entries that could not be looked at, with the host's
  // error, in byte order of their names: none of them is handed out.
  std::vector<std::pair<std::string, int>> illisibles;
  // A host directory as getcwd names it: a link to a file whose target lies
  // outside it is passed over as no entry. Empty: every link is followed.
  // A setting of the caller's, kept from one search to the next.
  std::string racineLiens;

  // An entry as the search found it.
  struct Entree {
    std::string nom;
    int32_t taille = 0;
    int attributs = 0;
    uint16_t heure = 0;
    uint16_t date = 0;
  };

 private:
  friend int findfirst(const char* motif, RechercheFichier* bloc, int attributs);
  friend int findnext(RechercheFichier* bloc);

  std::vector<Entree> entrees;     // matching entries, byte order of names
  std::size_t prochain = 0;        // index of the next entry to examine
  int attrRecherche = 0;
};

// The length of the drive that starts a program path: 2 for the program's
// own absolute form ("C:\...") and for a drive alone ("C:"), 0 for any other
// path, which is a host name as it stands ("x:y.htm", "a:b\c.htm").
std::size_t longueurDisque(const char* chemin);

// Maps a program path to the host: drops its drive (longueurDisque) and
// turns every '\' into '/'.
std::string cheminHote(const char* chemin);

// Whether a name matches a mask: '*' is any run, '?' one character, ASCII
// letters match either case; "*.*" matches every name.
bool correspond(const char* masque, const char* nom);

// Starts a search on motif (a directory part then a mask). Entries come in
// byte order of their names. An entry is returned unless it carries a hidden,
// system or directory bit that attributs lacks. Returns 0 with the first entry
// in bloc, or -1 when there is none (bloc->erreur tells whether the directory
// could be read). What a previous search held is released. A directory is
// reached however long its path: past the host's limit it is entered a
// piece at a time. Names that no
// program path could name are never returned: one holding '\', and in the
// current directory one made of a letter and ':', which reads as a drive.
int findfirst(const char* motif, RechercheFichier* bloc, int attributs);
// Moves to the next entry: 0, or -1 when the search is over.
int findnext(RechercheFichier* bloc);

// What an entry of a directory listing is to the walk: a file (a link to
// one included), a directory to enter (never a link), nothing to take (a
// FIFO, socket or device, a link to a directory, a broken link, a link to a
// file outside racineLiens), or an entry that could not be looked at.
enum class GenreListe : uint8_t { Fichier, Repertoire, Rien, Illisible };

struct EntreeListee {
  std::string nom;
  GenreListe genre = GenreListe::Rien;
  int erreur = 0;  // Illisible: the host's error
};

// Lists the directory repertoire (a program path: "" for the current one,
// else ending in '\') in one pass, for the walk. entrees receives, in byte
// order of their names, the entries for which regarde(nom) is true, "." and
// ".." and the names findfirst never returns left out. The type the listing
// gives decides; an entry is looked at (stat) only when the listing cannot
// tell (a link, an unknown type), except the first one, whose failure makes
// every entry looked at, as findfirst does: a directory that can be listed
// but not searched gives Illisible entries. Returns 0, or the host's error
// when the directory could not be opened (entrees empty) or its listing
// failed part-way (entrees hold what came before).
int listerRepertoire(const std::string& repertoire, const std::string& racineLiens,
                     bool (*regarde)(const void* contexte, const char* nom),
                     const void* contexte, std::vector<EntreeListee>* entrees);

// Modification time of an open file, packed; 0 or -1.
int getftime(int descripteur, HorodatageFichier* horodatage);
// Sets the modification time of an open file from packed words; 0 or -1.
int setftime(int descripteur, const HorodatageFichier& horodatage);

// fonction 0: returns the attribute bits of chemin (read-only for a file
// without owner write permission; a directory is never read-only). fonction 1: sets the
// read-only state from attributs (other bits are ignored) and returns the new
// bits. -1 on failure.
int _rtl_chmod(const char* chemin, int fonction, int attributs = 0);

// The current drive: always C: (2).
int getdisk();
// Makes disque the current drive: there is only one, so nothing changes.
void setdisk(int disque);
// Writes the current directory of a drive (0 current, 1 A, 3 C) into
// tampon, without drive and leading '\', with '\' separators. Returns 0, or -1
// for an unknown drive or a host failure (tampon empty) or when the text does
// not fit (tampon holds as much of it as fits).
int getcurdir(int disque, char* tampon, std::size_t taille);
// The current directory as the host names it ("/home/site"); empty when
// the host cannot tell.
std::string repertoireCourant();
// Changes the current directory; 0 or -1.
int chdir(const char* chemin);

// Opens a stream on a program path with fopen; a directory or a FIFO is
// refused (nullptr), as the program only ever opens files. For reading
// ("r", "rb") only a regular file is taken, checked on the open descriptor
// (what is read is what was checked: a FIFO or a device put in the file's
// place is refused, without waiting for a writer); its path may be longer
// than the host's limit.
std::FILE* ouvrirFlux(const char* chemin, const char* mode);

// Opens a page for reading with one host call, no check of what it is:
// the walk and the file list took only regular files. Nonblocking, so that
// a FIFO put in the file's place since reads as empty or fails, never
// waits; a directory fails at the first read. Returns the descriptor, or
// -1 with the host's error in errno. Its path may be longer than the
// host's limit.
int ouvrirPage(const char* chemin);
// 0 when an open descriptor is a regular file, else the host's error
// (ENXIO for any other kind).
int verifierOrdinaire(int descripteur);
// Closes a descriptor; 0 or -1.
int fermer(int descripteur);

// The descriptor under an open stream, and unbuffered reads and writes on a
// descriptor: the count transferred, 0 at the end, -1 on failure.
int descripteur(std::FILE* flux);
long lire(int descripteur, void* tampon, std::size_t nombre);
long ecrire(int descripteur, const void* tampon, std::size_t nombre);

// Today's date and the current time, local time.
void getdate(DateJour* date);
void gettime(HeureJour* heure);

// The console query, asked at start-up: whether the user's locale writes UTF-8 (the program's own locale stays
// "C"), whether two streams write to the same open file, and whether a
// stream has a descriptor at all.
bool localeEnUtf8();
bool memeFichierOuvert(std::FILE* a, std::FILE* b);
// 0 when a stream's descriptor is open, else the host's error (EBADF).
int erreurFlux(std::FILE* flux);
// Whether a stream writes to a terminal (where a progress line may be
// rewritten in place).
bool estTerminal(std::FILE* flux);

// The processors this process may run on (its affinity mask, which a
// container or taskset may narrow), at least 1.
int nombreProcesseurs();

// Host paths as the user types them ('/' between directories, no drive):
// the files that name others (a list of paths, a configuration file) and
// the search for a configuration file.

// What a host path names: nothing that can be seen, a directory (links
// followed), or any other entry (a file, a pipe, a dangling link...).
enum class GenreEntree { Absente, Repertoire, Autre };
GenreEntree genreEntree(const std::string& chemin);

// Opens a host path for reading: a file, or a pipe (waiting for its writer,
// as "<(command)" needs), never a directory. nullptr on failure, with the
// host's error (errno) in *erreur.
std::FILE* ouvrirLecture(const std::string& chemin, int* erreur);

// Appends what remains of flux to contenu. 0 once the end is reached, or the
// host's error of a failed read; contenu then holds what came before it.
int lireTout(std::FILE* flux, std::string* contenu);

// How many descriptors this process may still open, at most plafond: the
// soft limit (RLIMIT_NOFILE) less those open now.
int descripteursLibres(int plafond);

}  // namespace plateforme

#endif  // PAGEVET_PLATFORM_PLATEFORME_H_
