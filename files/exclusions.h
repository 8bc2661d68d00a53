// Exclusions: the patterns of --exclude, asked by the walk before it enters
// a directory or takes a file, and by --files for each path it is given.
#ifndef PAGEVET_FILES_EXCLUSIONS_H_
#define PAGEVET_FILES_EXCLUSIONS_H_

#include <string>
#include <string_view>
#include <vector>

#include "files/motifexclusion.h"

class Exclusions {
 public:
  void Ajoute(std::string_view motif) { motifs_.emplace_back(motif); }
  bool Vide() const { return motifs_.empty(); }
  const std::vector<MotifExclusion>& Motifs() const { return motifs_; }

  // Whether a file, or a directory (not to be entered), is left out. chemin
  // is relative to the walk's start, '/' between directories; it is
  // normalised first.
  bool FichierExclu(std::string_view chemin) const { return Exclu(chemin, false); }
  bool RepertoireExclu(std::string_view chemin) const { return Exclu(chemin, true); }

  // chemin without its "." parts and empty parts: "./a//b/./c" is "a/b/c",
  // "." is "". ".." stays, and so does a leading '/'.
  static std::string Normaliser(std::string_view chemin);
  // An absolute path within depart (the walk's start, absolute) made
  // relative to it; any other path as it stands. "/w/site/a.html" in "/w"
  // is "site/a.html"; depart itself is "".
  static std::string RelatifA(std::string_view chemin, std::string_view depart);
  // A path of the walk, '\\' between directories, as the patterns read it.
  static std::string DepuisProgramme(std::string_view chemin);

 private:
  bool Exclu(std::string_view chemin, bool estRepertoire) const;

  std::vector<MotifExclusion> motifs_;
};

#endif  // PAGEVET_FILES_EXCLUSIONS_H_
