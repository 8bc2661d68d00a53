// MotifExclusion: one pattern of --exclude, matched against paths relative to
// the walk's start; a path is left out when it or one of its directories matches.
#ifndef PAGEVET_FILES_MOTIFEXCLUSION_H_
#define PAGEVET_FILES_MOTIFEXCLUSION_H_

#include <string>
#include <string_view>
#include <vector>

// The pattern's language, on paths with '/' between directories:
//   *     any run of characters but '/' (an empty one too)
//   ?     one character but '/'
//   **    as a whole part between '/', any run of whole directories (none too)
//   other bytes stand for themselves, case included; '\' is no escape.
// A pattern without '/' matches a name at any depth ("node_modules",
// "*.min.html"); one with '/' matches from the start ("site/drafts/**"), a
// leading '/' aside. A final '/' ("build/") or "/**" ("site/drafts/**")
// limits it to directories: what they hold is left out, a file of that name
// is not. "**" alone matches every path. A "**" within a part ("a**b") is a '*'.
//
// Matching runs the pattern as a set of states over the path's bytes, once:
// its cost is the path's length times the pattern's, whatever the pattern.
class MotifExclusion {
 public:
  explicit MotifExclusion(std::string_view motif);

  // Whether chemin is left out: the path itself or one of its directories
  // matches. chemin is normalised (Exclusions::Normaliser: no "." part, no
  // empty part); estRepertoire tells whether chemin itself is a directory.
  bool Exclut(std::string_view chemin, bool estRepertoire) const;

  // The pattern as it was written.
  const std::string& Texte() const { return texte_; }

 private:
  enum class Genre : unsigned char {
    Octet,        // the byte octet_
    UnCaractere,  // '?'
    Etoile,       // '*'
    Repertoires,  // "**/": whole directories, each with its '/'
  };
  struct Jeton {
    Genre genre;
    char octet;
  };

  std::string texte_;
  std::vector<Jeton> jetons_;
  bool repertoiresSeuls_ = false;  // matches directories only
  bool tout_ = false;              // "**": every path
};

#endif  // PAGEVET_FILES_MOTIFEXCLUSION_H_
