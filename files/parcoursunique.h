// ParcoursUnique: the walk that lists each directory once and gives the
// matching files one at a time, already in report order, each once.
#ifndef PAGEVET_FILES_PARCOURSUNIQUE_H_
#define PAGEVET_FILES_PARCOURSUNIQUE_H_

#include <atomic>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "files/exclusions.h"
#include "files/parrep.h"

// Walks from the current directory as ParcoursRep::rechercher does (base
// "", the base's files, then every subdirectory at any depth when asked)
// and finds the same files, with the same links, FIFOs and devices passed
// over and the same directories and entries noted as unreadable. Each
// directory is listed once for every mask and the subdirectories, and its
// entries are visited in the byte order of the paths they lead to (a
// directory as its name followed by '\'), so the files come out sorted and
// a file that two masks match comes once. The walk goes only as far as the
// next file asked for.
class ParcoursUnique {
 public:
  // masques: names with '*' and '?', none with a directory part or a drive
  // (see Accepte).
  ParcoursUnique(const std::vector<std::string>& masques, bool avecSousReps);
  ParcoursUnique(const ParcoursUnique&) = delete;
  ParcoursUnique& operator=(const ParcoursUnique&) = delete;

  // Whether this walk can take masques; the others need ParcoursRep.
  static bool Accepte(const std::vector<std::string>& masques);

  // As ParcoursRep::limiterLiens and ParcoursRep::exclure.
  void limiterLiens(const std::string& racine) { racineLiens_ = racine; }
  void exclure(const Exclusions* exclusions) { exclusions_ = exclusions; }
  // Once *arret is not 0, the walk ends: no further file comes.
  void arreter(const std::atomic<int>* arret) { arret_ = arret; }
  // Every regular file under the start, matching or not, goes to
  // *fichiers as the walk meets it (as "*.*" would find it): excluded
  // directories, and subdirectories the walk does not take files from,
  // are then entered too, for this alone. fichiers stays the caller's.
  void noterFichiers(std::vector<std::string>* fichiers) { fichiers_ = fichiers; }

  // The next matching file's path ('\' between directories); false when
  // there is none left or the walk was stopped.
  bool Suivante(std::string& chemin);

  // The directories the walk could not read, and the entries it could not
  // look at, so far: in the order and number ParcoursRep notes them.
  std::vector<RepertoireIllisible> Illisibles() const;

 private:
  // An entry to visit: a directory to enter, or a matching file.
  struct Element {
    std::string cle;  // the name, '\' after a directory's
    bool repertoire = false;
    bool pages = false;  // a directory whose files are taken
  };
  // A directory being visited, and the key that orders its errors as
  // ParcoursRep's walk meets them (its names from the start, each ended
  // by a '\0').
  struct Niveau {
    std::string chemin;  // "" or ending in '\'
    std::string ordre;
    std::vector<Element> elements;
    std::size_t prochain = 0;
  };

  static bool Regarde(const void* contexte, const char* nom);
  bool Correspond(const char* nom) const;
  void Entrer(const std::string& chemin, const std::string& ordre, bool pages);

  std::vector<std::string> masques_;
  bool avecSousReps_;
  std::string racineLiens_;
  const Exclusions* exclusions_ = nullptr;
  const std::atomic<int>* arret_ = nullptr;
  std::vector<std::string>* fichiers_ = nullptr;
  bool commence_ = false;
  std::vector<Niveau> pile_;
  // Each directory's errors, with its key.
  std::vector<std::pair<std::string, std::vector<RepertoireIllisible>>> illisibles_;
};

#endif  // PAGEVET_FILES_PARCOURSUNIQUE_H_
