// Absolute http(s) URLs, and where a URL falls in a site published at a
// given URL: the path of the page it names, relative to the walked folder.
#ifndef PAGEVET_CHECKER_ADRESSESITE_H_
#define PAGEVET_CHECKER_ADRESSESITE_H_

#include <string>
#include <string_view>

// An absolute URL (ASCII white space around it ignored) of scheme http or
// https (any case) followed by "//", a non-empty host and, if any, a port of
// digits.
bool estUrlAbsolueHttp(std::string_view url);

class AdresseSite {
 public:
  // Where a URL falls under the site.
  struct Place {
    bool dansSite = false;
    // Percent-decoded, relative to the site's folder, without a leading
    // '/', runs of '/' made one: "dir/page.html", "dir/", "" for the root.
    std::string chemin;
    bool repertoire = false;  // chemin is empty or ends in '/'
    bool racine = false;      // chemin is empty
  };

  // Reads the site URL: an absolute http(s) URL whose scheme and host are
  // of any case, a default port dropped, its query and fragment dropped, a
  // '/' added to its path when missing.
  explicit AdresseSite(std::string_view url);

  bool Valide() const { return valide; }
  // The site URL as read: "https://docs.python.org/3/".
  std::string Texte() const { return origine + chemin; }

  // Places a URL: it is in the site when it is absolute http(s) with the
  // same scheme, host and port, and its path (dot segments resolved, then
  // percent-decoded) starts with the site's path, or is that path without
  // its last '/'. A path whose decoded segments hold ".", "..", a '\' or a
  // NUL byte names no file of the site: it is not in the site.
  Place Situe(std::string_view url) const;

 private:
  bool valide = false;
  std::string origine;  // "https://host[:port]"
  std::string chemin;   // decoded, starts and ends with '/'
};

#endif  // PAGEVET_CHECKER_ADRESSESITE_H_
