// Suppressions: the findings that a page's own comments leave out
// ("pagevet-ignore ID,..." for the page, "pagevet-ignore-next-line ID,...").
#ifndef PAGEVET_CHECKER_SUPPRESSIONS_H_
#define PAGEVET_CHECKER_SUPPRESSIONS_H_

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// One such comment read. Its text (what lies between "<!--" and "-->") is
// white space (space, tab, CR, LF, FF), the word "pagevet-ignore" or
// "pagevet-ignore-next-line" (ASCII letters in any case), then, after white
// space, the ids, separated by commas or white space or both, then white
// space; an id is any other run of bytes, compared as written. Any other
// text is an ordinary comment.
struct DirectiveIgnore {
  bool ligneSuivante = false;  // "-next-line": the next line only
  // In the comment's order, as written. Empty when the word stands alone.
  std::vector<std::string> ids;
};

// Reads a comment's text; false when it is no directive.
bool lireDirectiveIgnore(std::string_view commentaire, DirectiveIgnore& directive);

// The message of the finding unknown-ignore: Unknown finding "ID" in pagevet-ignore.
std::string messageIgnoreInconnu(std::string_view id);

class Suppressions {
 public:
  // Tells whether a finding's id exists; the caller's table decides. An
  // empty one takes every id as known.
  using IdConnu = std::function<bool(std::string_view)>;

  struct IdInconnu {
    std::string id;  // "" for a directive without ids
    int ligne;       // the line the comment starts on
  };

  explicit Suppressions(IdConnu idConnu) : idConnu_(std::move(idConnu)) {}

  // Takes one comment of the page, from its "<!--" on line ligneDebut to
  // its "-->" on line ligneFin. A page-wide directive leaves its ids out of
  // every line of the page, before it too; a next-line one leaves them out
  // of line ligneFin + 1, whatever that line holds (another comment too).
  // An unknown id leaves nothing out and is kept for Inconnus(). Gives
  // whether the comment was a directive.
  bool Ajoute(std::string_view commentaire, int ligneDebut, int ligneFin);

  // Whether the finding id reported at ligne is left out. ligne <= 0 for a
  // finding of the whole page (a summary line), which only page-wide
  // directives reach.
  bool Supprime(std::string_view id, int ligne) const;

  // The unknown ids in the order they came, each one an unknown-ignore
  // finding at its line; a directive without ids gives one, "".
  const std::vector<IdInconnu>& Inconnus() const { return inconnus_; }

 private:
  IdConnu idConnu_;
  std::set<std::string, std::less<>> page_;
  std::map<int, std::set<std::string, std::less<>>> lignes_;
  std::vector<IdInconnu> inconnus_;
};

#endif  // PAGEVET_CHECKER_SUPPRESSIONS_H_
