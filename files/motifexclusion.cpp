// MotifExclusion: a pattern compiled to a list of states, run over a path
// without backtracking.
#include "files/motifexclusion.h"

#include <algorithm>
#include <cstddef>

namespace {

bool finitPar(std::string_view texte, std::string_view fin) {
  return texte.size() >= fin.size() && texte.substr(texte.size() - fin.size()) == fin;
}

}  // namespace

MotifExclusion::MotifExclusion(std::string_view motif) : texte_(motif) {
  // A '/' before the end ties the pattern to the walk's start.
  const std::size_t dernier = motif.find_last_not_of('/');
  const bool ancre = dernier != std::string_view::npos && motif.substr(0, dernier).find('/') != std::string_view::npos;
  // What only says "directories": a final '/' and a final "/**", as often
  // as they come ("a/**/" and "a/**/**" are "a/").
  for (;;) {
    if (!motif.empty() && motif.back() == '/') {
      motif.remove_suffix(1);
      repertoiresSeuls_ = true;
    } else if (finitPar(motif, "/**")) {
      motif.remove_suffix(3);
      repertoiresSeuls_ = true;
    } else {
      break;
    }
  }
  while (!motif.empty() && motif.front() == '/') motif.remove_prefix(1);
  if (motif == "**" || (motif.empty() && texte_.find("**") != std::string::npos)) {
    tout_ = true;
    return;
  }
  // A name at any depth: as if written after "**/".
  if (!ancre && !motif.empty()) jetons_.push_back({Genre::Repertoires, 0});

  bool premiere = true;
  while (!motif.empty()) {
    const std::size_t barre = motif.find('/');
    const std::string_view partie = motif.substr(0, barre);
    motif.remove_prefix(barre == std::string_view::npos ? motif.size() : barre + 1);
    if (partie.empty()) continue;  // "a//b" is "a/b"
    // A "**" part brings its own '/' with each directory it stands for.
    const bool separer = !premiere && (jetons_.empty() || jetons_.back().genre != Genre::Repertoires);
    premiere = false;
    if (partie == "**") {
      if (separer) jetons_.push_back({Genre::Octet, '/'});
      if (jetons_.empty() || jetons_.back().genre != Genre::Repertoires) {
        jetons_.push_back({Genre::Repertoires, 0});
      }
      continue;
    }
    if (separer) jetons_.push_back({Genre::Octet, '/'});
    for (const char c : partie) {
      if (c == '*') {
        if (jetons_.empty() || jetons_.back().genre != Genre::Etoile) jetons_.push_back({Genre::Etoile, 0});
      } else if (c == '?') {
        jetons_.push_back({Genre::UnCaractere, 0});
      } else {
        jetons_.push_back({Genre::Octet, c});
      }
    }
  }
}

bool MotifExclusion::Exclut(std::string_view chemin, bool estRepertoire) const {
  if (chemin.empty()) return false;  // the walk's start itself
  if (tout_) return true;
  if (jetons_.empty()) return false;

  // State i: the first i tokens match what was read. dedans[i]: token i
  // (Repertoires) is inside a directory name, waiting for its '/'.
  const std::size_t n = jetons_.size();
  std::vector<unsigned char> etats(n + 1, 0), suivants(n + 1, 0);
  std::vector<unsigned char> dedans(n, 0), dedansSuivants(n, 0);
  // The moves that read nothing: '*' and "**/" may match an empty run.
  const auto fermer = [this, n](std::vector<unsigned char>& e) {
    for (std::size_t i = 0; i < n; ++i) {
      if (e[i] && (jetons_[i].genre == Genre::Etoile || jetons_[i].genre == Genre::Repertoires)) e[i + 1] = 1;
    }
  };
  etats[0] = 1;
  fermer(etats);

  for (std::size_t j = 0; j < chemin.size(); ++j) {
    const char c = chemin[j];
    bool vivant = false;
    std::fill(suivants.begin(), suivants.end(), 0);
    std::fill(dedansSuivants.begin(), dedansSuivants.end(), 0);
    for (std::size_t i = 0; i < n; ++i) {
      if (dedans[i]) {
        if (c == '/') {
          suivants[i] = 1;
        } else {
          dedansSuivants[i] = 1;
        }
        vivant = true;
      }
      if (!etats[i]) continue;
      const Jeton& jeton = jetons_[i];
      switch (jeton.genre) {
        case Genre::Octet:
          if (c == jeton.octet) suivants[i + 1] = vivant = true;
          break;
        case Genre::UnCaractere:
          if (c != '/') suivants[i + 1] = vivant = true;
          break;
        case Genre::Etoile:
          if (c != '/') suivants[i] = vivant = true;
          break;
        case Genre::Repertoires:
          // A '/' here follows another or starts the path ("/abs/...").
          if (c != '/') {
            dedansSuivants[i] = vivant = true;
          } else {
            suivants[i] = vivant = true;
          }
          break;
      }
    }
    if (!vivant) return false;
    fermer(suivants);
    etats.swap(suivants);
    dedans.swap(dedansSuivants);
    // At the end of a part: the path so far is the path or one of its
    // directories, and a match leaves out all that it holds.
    const bool finPartie = j + 1 == chemin.size() || chemin[j + 1] == '/';
    if (finPartie && etats[n]) {
      const bool repertoire = j + 1 < chemin.size() || estRepertoire;
      if (repertoire || !repertoiresSeuls_) return true;
    }
  }
  return false;
}
