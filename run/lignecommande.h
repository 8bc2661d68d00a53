// LigneCommande: the GNU long options of the command line ("--name=value" or
// "--name value", unambiguous prefixes, "--" ending them), apart from the
// design's "/x" letters and masks, which stay for Arguments to read.
#ifndef PAGEVET_RUN_LIGNECOMMANDE_H_
#define PAGEVET_RUN_LIGNECOMMANDE_H_

#include <bitset>
#include <string>
#include <vector>

#include "checker/constat.h"
#include "report/formatrapport.h"

class LigneCommande {
 public:
  // The most pages --jobs may ask to examine at once.
  static constexpr int kMaxTravailleurs = 1024;

  // Reads args, entry 0 being the program's name. Gives false on a bad long
  // option, with the reason in erreur ("unrecognized option '--foo'"); the
  // first of --help and --version stops the reading there.
  bool Analyse(int nbArgs, const char* const* args, std::string& erreur);

  bool Aide() const { return aide_; }
  bool Version() const { return version_; }
  FormatRapport Format() const { return format_; }
  // "--html5": judge the pages by today's HTML.
  bool Html5() const { return html5_; }
  const std::bitset<kNombreConstats>& Ignores() const { return ignores_; }
  // "--follow-outside-links": links to pages outside the current directory
  // are examined too.
  bool LiensSortants() const { return liensSortants_; }
  // "--site-url": the URL the current directory is published at; empty
  // when not given.
  const std::string& SiteUrl() const { return siteUrl_; }
  // The number of pages examined at once; 0 when not given.
  int Travailleurs() const { return travailleurs_; }

  // What the design reads: the program's name, then every argument before
  // "--" that is not a long option, in order.
  const std::vector<const char*>& Classiques() const { return classiques_; }
  // The arguments after "--": masks, whatever they start with.
  const std::vector<const char*>& MasquesApres() const { return masquesApres_; }

 private:
  bool Option(const std::string& nom, const char* valeur, std::string& erreur);

  bool aide_ = false;
  bool version_ = false;
  FormatRapport format_ = FormatRapport::Texte;
  bool html5_ = false;
  bool liensSortants_ = false;
  std::bitset<kNombreConstats> ignores_;
  int travailleurs_ = 0;
  std::string siteUrl_;
  std::vector<const char*> classiques_;
  std::vector<const char*> masquesApres_;
};

// The help of the long options, one line each, after the design's lines.
extern const char* const kAideOptionsLongues[];
extern const int kNombreLignesAideLongue;

#endif  // PAGEVET_RUN_LIGNECOMMANDE_H_
