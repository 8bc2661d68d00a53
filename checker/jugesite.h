// JugeSite: the checks across the site, fed each page's FicheSite in report
// order: duplicate titles and descriptions, canonical and hreflang links.
#ifndef PAGEVET_CHECKER_JUGESITE_H_
#define PAGEVET_CHECKER_JUGESITE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "checker/adressesite.h"
#include "checker/constat.h"
#include "checker/empreinte.h"
#include "checker/fichesite.h"
#include "checker/rapportpage.h"

// Memory holds no page's text: per page its path, per indexable page a
// digest of its title and of its description, per page with hreflang links
// the digests of the pages they name, per file of the tree its path's
// digest, and the findings themselves.
class JugeSite {
 public:
  // site: where the walked folder is published; when it is not Valide(),
  // the checks that need it are skipped.
  explicit JugeSite(const AdresseSite& site);

  // A regular file under the walk's start, relative to it, with '\' or '/'
  // between folders; every one before the first page.
  void AjouteFichier(std::string_view chemin);
  // The next page in report order.
  void AjoutePage(const FicheSite& fiche);
  // Hands the findings on: for each page that has some, in report order,
  // Debut (its texts are UTF-8), its findings in the table's order, Fin;
  // the findings' texts stay valid until Fin.
  void Rapporte(RapportPage& sortie);

  // How many pages were read.
  std::size_t NombrePages() const { return debuts_.size(); }

 private:
  // Where a tag of a page stands.
  struct Place {
    uint32_t page = 0;
    int ligne = 0;
    int colonne = 0;
  };
  struct Trouve {
    uint32_t page;
    Constat constat;
    int ligne;
    int colonne;
    int64_t autre;      // the other page, or -1
    int lignePage;      // where its tag stands
    int colonnePage;
    std::string valeur;  // the value the message quotes, or empty
  };
  struct Cible {
    Empreinte page;  // the digest of the named file's path
    int ligne;
    int colonne;
  };
  struct Hreflangs {
    uint32_t page;
    Empreinte chemin;  // the page's own path's digest
    std::vector<Cible> cibles;
  };

  // Whether the file at this path ('/' between folders) is in the tree.
  bool Existe(const std::string& chemin) const;
  // The file of the tree an absolute URL names, or false; place: where it
  // falls in the site.
  bool Fichier(const AdresseSite::Place& place, std::string& chemin) const;
  // A duplicate title or description against the first indexable page.
  void Compare(std::unordered_map<Empreinte, Place, HacheEmpreinte>& premiers,
               const ElementSite& element, Constat constat, uint32_t page);
  const char* Chemin(uint32_t page) const { return chemins_.c_str() + debuts_[page]; }
  void AjouteRetours(uint32_t page, std::vector<Trouve>& retours) const;

  const AdresseSite site_;
  std::vector<Empreinte> fichiers_;  // sorted at the first page
  bool fichiersTries_ = false;
  std::string chemins_;           // every page's path, each ended by a NUL
  std::vector<uint32_t> debuts_;  // where each page's path starts in chemins_
  std::unordered_map<Empreinte, Place, HacheEmpreinte> titres_;
  std::unordered_map<Empreinte, Place, HacheEmpreinte> descriptions_;
  // Each page by its path's digest, with a site URL; sorted by Rapporte.
  std::vector<std::pair<Empreinte, uint32_t>> pages_;
  std::vector<Hreflangs> hreflangs_;  // in page order
  std::vector<Trouve> trouves_;       // in page order, each page's in the table's order
};

#endif  // PAGEVET_CHECKER_JUGESITE_H_
