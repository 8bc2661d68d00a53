// LigneCommande: the GNU long options of the command line ("--name=value" or
// "--name value", unambiguous prefixes, "--" ending them), apart from the
// classic "/x" letters and masks, which stay for Arguments to read.
#ifndef PAGEVET_RUN_LIGNECOMMANDE_H_
#define PAGEVET_RUN_LIGNECOMMANDE_H_

#include <bitset>
#include <string>
#include <vector>

#include "checker/aideconstats.h"
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
  bool FormatDonne() const { return formatDonne_; }
  // "--html5": judge the pages by today's HTML.
  bool Html5() const { return html5_; }
  // "--modern": read pages as today's HTML parser does, judge today's head.
  bool Moderne() const { return moderne_; }
  // "--title-max", "--description-max": the limits of --modern's lengths;
  // 0 when not given.
  int TitreMax() const { return titreMax_; }
  int DescriptionMax() const { return descriptionMax_; }
  // The range those limits take.
  static constexpr int kMaxLongueur = 10000;
  const std::bitset<kNombreConstats>& Ignores() const { return ignores_; }
  // The ids of --ignore, as given, in order.
  const std::vector<std::string>& IdsIgnores() const { return idsIgnores_; }
  // "--files": the masks are paths of files; "--files-from=FILE" (nullptr
  // when not given), "--null".
  bool Fichiers() const { return fichiers_; }
  const char* ListeFichiers() const { return listeFichiers_; }
  bool Nul() const { return nul_; }
  // The patterns of "--exclude", in order.
  const std::vector<std::string>& Exclusions() const { return exclusions_; }
  bool Continuer() const { return continuer_; }
  // "--config=FILE" (nullptr when not given), "--no-config", "--show-config".
  const char* FichierConfiguration() const { return configuration_; }
  bool SansConfiguration() const { return sansConfiguration_; }
  bool AfficherConfiguration() const { return afficherConfiguration_; }
  // "--follow-outside-links": links to pages outside the current directory
  // are examined too.
  bool LiensSortants() const { return liensSortants_; }
  // "--site-url": the URL the current directory is published at; empty
  // when not given.
  const std::string& SiteUrl() const { return siteUrl_; }
  // The number of pages examined at once; 0 when not given.
  int Travailleurs() const { return travailleurs_; }
  // "--fail-level": the least serious level that makes the status 1.
  Niveau NiveauEchec() const { return niveauEchec_; }
  bool NiveauEchecDonne() const { return niveauEchecDonne_; }
  // "--summary": the closing count even when standard error is no terminal.
  bool Bilan() const { return bilan_; }

  // What the classic command line reads: the program's name, then every argument before
  // "--" that is not a long option, in order.
  const std::vector<const char*>& Classiques() const { return classiques_; }
  // The arguments after "--": masks, whatever they start with.
  const std::vector<const char*>& MasquesApres() const { return masquesApres_; }

 private:
  bool Option(const std::string& nom, const char* valeur, std::string& erreur);

  bool aide_ = false;
  bool version_ = false;
  FormatRapport format_ = FormatRapport::Texte;
  bool formatDonne_ = false;
  std::vector<std::string> idsIgnores_;
  bool fichiers_ = false;
  const char* listeFichiers_ = nullptr;
  bool nul_ = false;
  std::vector<std::string> exclusions_;
  bool continuer_ = false;
  const char* configuration_ = nullptr;
  bool sansConfiguration_ = false;
  bool afficherConfiguration_ = false;
  bool html5_ = false;
  bool moderne_ = false;
  int titreMax_ = 0;
  int descriptionMax_ = 0;
  bool liensSortants_ = false;
  std::bitset<kNombreConstats> ignores_;
  int travailleurs_ = 0;
  Niveau niveauEchec_ = Niveau::Note;
  bool niveauEchecDonne_ = false;
  bool bilan_ = false;
  std::string siteUrl_;
  std::vector<const char*> classiques_;
  std::vector<const char*> masquesApres_;
};

// The help of the long options, one line each, after the classic lines.
extern const char* const kAideOptionsLongues[];
extern const int kNombreLignesAideLongue;

#endif  // PAGEVET_RUN_LIGNECOMMANDE_H_
