// RapportSarif: the run as one SARIF 2.1.0 log, for code-scanning services:
// the rules (every finding's id), one result per finding, the invocation.
#ifndef PAGEVET_REPORT_RAPPORTSARIF_H_
#define PAGEVET_REPORT_RAPPORTSARIF_H_

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "report/rapportoutil.h"

class RapportSarif : public RapportOutil {
 public:
  // console: the console's set, which the error lines on erreurs are
  // written in; the log on sortie is UTF-8 whatever it is. repertoire: the
  // directory the pages' paths are relative to, as the host names it.
  // balises: the tag set the run judges pages by.
  RapportSarif(Affichage::Sortie console, Canal& sortie, std::FILE* erreurs,
               const std::string& repertoire, JeuBalises balises = JeuBalises::Html32)
      : RapportOutil(console, sortie, erreurs, balises),
        repertoire_(repertoire),
        resultats_(std::make_shared<std::atomic<bool>>(false)) {}

  void Debut() override;
  std::unique_ptr<RapportPage> NouvellePage(Canal& canal) const override;
  const char* SeparateurPages() const override { return ","; }
  // A result per finding after the pages', the other page it names as a
  // related location.
  void ConstatsSite(const char* chemin, const Signalement* constats, int nombre) override;
  void Fin(int statut) override;

 private:
  const std::string repertoire_;
  // Whether a page wrote a result: set by the pages' formatters, on the
  // workers' threads.
  const std::shared_ptr<std::atomic<bool>> resultats_;
};

// A UTF-8 path as a URI reference: every byte but the unreserved characters
// of RFC 3986 and '/' percent-encoded.
std::string encoderUri(const std::string& chemin);

#endif  // PAGEVET_REPORT_RAPPORTSARIF_H_
