// ParcoursRep: collects the paths of the files that match a list of masks in
// a directory and its subdirectories; ParcoursRepWin runs it on the finder.
#ifndef PAGEVET_FILES_PARREP_H_
#define PAGEVET_FILES_PARREP_H_

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "datetime/datehr.h"
#include "files/exclusions.h"
#include "foundation/mystring.h"
#include "foundation/vecteur.h"

namespace plateforme {
class RechercheFichier;
}  // namespace plateforme

// The attribute set a walker starts its first search with.
extern const int attrDefaut;

// A directory that the walk could not read, or an entry of one that it
// could not look at, and why.
struct RepertoireIllisible {
  String chemin;   // as the walk writes it: "" or ending in '\' for a directory
  int erreur = 0;  // the host's error number
  bool entree = false;  // an entry (its path, no '\' at its end)
};

// The walk itself; every contact with the file finder goes through the
// virtual operations, which a platform walker supplies.
class ParcoursRep {
 public:
  ParcoursRep(const String& motif, int attributs, bool sansPoints);
  ParcoursRep(const ParcoursRep& autre);
  ParcoursRep& operator=(const ParcoursRep& autre);
  virtual ~ParcoursRep() = default;

  // Whether the finder's current entry is taken.
  virtual bool accepter() = 0;
  // Copies the finder's current entry into the current-entry fields.
  virtual void prendre() = 0;
  // A fresh walker of the same kind, on "*.*" with attrDefaut.
  virtual std::unique_ptr<ParcoursRep> nouveau() const = 0;
  // Starts the search on motif and moves to the first accepted entry.
  virtual bool premier() = 0;
  // Moves to the next accepted entry.
  virtual bool suivant() = 0;
  // Attribute sets: none, the subdirectory pass, the file pass, files and
  // directories, everything.
  virtual int attrNormal() const = 0;
  virtual int attrRepertoires() const = 0;
  virtual int attrFichiers() const = 0;
  virtual int attrFichiersRep() const = 0;
  virtual int attrTous() const = 0;

  // Replaces the current search by one on motif; returns trouve().
  bool chercher(const String& motif, int attributs, bool sansPoints);
  // Directory part of the pattern followed by the current entry's name.
  String chemin();

  // Fills resultat with the paths under base (a directory, "" for the
  // current one) that match a mask: the base directory's own files with
  // avecBase, every subdirectory at any depth with avecSousReps. Returns the
  // number of paths. Throws MesErreur "parrep" 112 (no pass) or 114 (no mask).
  // A directory that cannot be read is an empty search, and is noted in
  // repertoiresIllisibles().
  int rechercher(String base, const Vecteur<String>& masques, Vecteur<String>& resultat,
                 bool avecBase, bool avecSousReps);

  // The directories the last rechercher could not read (or read only in
  // part), and the entries it could not look at, in walk order, each once. A mask's own directory that does not exist (docs\ of docs\*.htm in
  // a directory without one) is not among them: it is simply not there.
  const std::vector<RepertoireIllisible>& repertoiresIllisibles() const { return illisibles_; }

  // The host's error when the last search could not read its directory, or
  // read it only in part, or 0 (also when it read a directory that has no
  // matching entry).
  int erreur() const { return erreur_; }

  // Links to files whose target lies outside racine (a host directory as
  // getcwd names it) are passed over as no entry; empty, the default: every
  // link is followed. Kept by the walkers of the subdirectories.
  void limiterLiens(const std::string& racine) { racineLiens_ = racine; }
  // The paths --exclude leaves out: such a file is not taken, such a
  // directory not entered; paths relative to the walk's base. nullptr, the
  // default: none. exclusions stays the caller's; kept by the subdirectories.
  void exclure(const Exclusions* exclusions) { exclusions_ = exclusions; }

  // The current entry. A walker's first search may still be put off (see
  // ParcoursRepWin): these run it before they answer.
  bool trouve() {
    resoudre();
    return trouve_;
  }
  const String& nom() {
    resoudre();
    return nom_;
  }
  int32_t taille() {
    resoudre();
    return taille_;
  }
  int attrEntree() {
    resoudre();
    return attrEntree_;
  }
  const DateHeure& dateHeure() {
    resoudre();
    return dateHeure_;
  }

 protected:
  // Walks one directory rep ("" or ending in '\'); nombre, capacite and
  // illisibles are shared by the whole walk.
  void parcourir(const String& rep, const Vecteur<String>& masques, Vecteur<String>& resultat,
                 bool avecFichiers, bool avecSousReps, int32_t& nombre, int32_t& capacite,
                 std::vector<RepertoireIllisible>& illisibles);
  // Stores an entry as the current one; its packed words are checked, and
  // two zero words stand for 1 January 1900, 00:00:00.00.
  void prendreEntree(const char* nom, int32_t taille, int attributs, uint16_t motDate,
                     uint16_t motHeure);
  // Runs the search that construction put off, if it still is.
  void resoudre() {
    if (!rechercheDifferee_) return;
    rechercheDifferee_ = false;
    trouve_ = premier();
  }

  String motif_;
  int attrRecherche_;
  // Set while the search for motif_ is put off; premier() clears it.
  bool rechercheDifferee_ = false;
  bool trouve_ = false;
  int erreur_ = 0;
  bool sansPoints_;
  String nom_;
  int32_t taille_ = 0;
  int attrEntree_ = 0;
  DateHeure dateHeure_;
  std::string racineLiens_;
  const Exclusions* exclusions_ = nullptr;
  // The matching entries the last search could not look at: their names
  // and the host's error.
  std::vector<std::pair<std::string, int>> entreesIllisibles_;

 private:
  std::vector<RepertoireIllisible> illisibles_;
};

// The walker over findfirst/findnext. A walker is born with a search for its
// pattern in the current directory under way; that search runs when its
// result is first looked at, so a walker whose first act is a new search
// (as every walker of the walk does) never lists the current directory.
class ParcoursRepWin : public ParcoursRep {
 public:
  ParcoursRepWin(const String& motif, int attributs, bool sansPoints);
  ParcoursRepWin(const ParcoursRepWin& autre);
  ParcoursRepWin& operator=(const ParcoursRepWin& autre);
  ~ParcoursRepWin() override;

  bool accepter() override;
  void prendre() override;
  std::unique_ptr<ParcoursRep> nouveau() const override;
  bool premier() override;
  bool suivant() override;
  int attrNormal() const override;
  int attrRepertoires() const override;
  int attrFichiers() const override;
  int attrFichiersRep() const override;
  int attrTous() const override;

 private:
  std::unique_ptr<plateforme::RechercheFichier> bloc_;
};

#endif  // PAGEVET_FILES_PARREP_H_
