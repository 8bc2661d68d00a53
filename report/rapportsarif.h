// RapportSarif: the run as one SARIF 2.1.0 log, for code-scanning services:
// the rules (every finding's id), one result per finding, the invocation.
#ifndef PAGEVET_REPORT_RAPPORTSARIF_H_
#define PAGEVET_REPORT_RAPPORTSARIF_H_

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "report/rapportoutil.h"

class RapportSarif : public RapportOutil {
 public:
  // console: the console's set, which the error lines on erreurs are
  // written in; the log on sortie is UTF-8 whatever it is. repertoire: the
  // directory the pages' paths are relative to, as the host names it.
  // balises: the tag set the run judges pages by. moderne: a --modern run,
  // whose rules include its own findings and whose columns count characters.
  RapportSarif(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs,
               const std::string& repertoire, JeuBalises balises = JeuBalises::Html32,
               bool moderne = false)
      : RapportOutil(console, sortie, erreurs, balises),
        erreurs_(erreurs),
        repertoire_(repertoire),
        moderne_(moderne),
        ecrits_(std::make_shared<std::atomic<bool>>(false)) {}

  void Debut() override;
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  const char* SeparateurPages() const override { return ","; }
  void Totaux(long, long constats) override { resultats_ = constats; }
  // A result per finding after the pages', the other page it names as a
  // related location.
  void ConstatsSite(const char* chemin, const Signalement* constats, int nombre) override;
  void Fin(int statut) override;
  // Its notification gives the page's location.
  void ErreurPage(const std::string& chemin, const std::string& texte) override;

  // The most results of a run that code scanning accepts.
  static constexpr long kMaxResultats = 25000;

 private:
  std::FILE* const erreurs_;
  const std::string repertoire_;
  // The notifications that name a page: their index, the page's URI.
  std::vector<std::pair<std::size_t, std::string>> lieux_;
  long resultats_ = 0;  // the results written
  const bool moderne_;
  // Whether a page wrote a result: set by the pages' formatters, on the
  // workers' threads.
  const std::shared_ptr<std::atomic<bool>> ecrits_;
};

// A UTF-8 path as a URI reference: every byte but the unreserved characters
// of RFC 3986 and '/' percent-encoded.
std::string encoderUri(const std::string& chemin);

#endif  // PAGEVET_REPORT_RAPPORTSARIF_H_
