#include "report/formatrapport.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/plateforme.h"
#include "report/rapportgnu.h"
#include "report/rapportjson.h"
#include "report/rapportjsonl.h"
#include "report/rapportsarif.h"
#include "report/rapporttexte.h"

namespace {

constexpr const char* kFormats[] = {"text", "gnu", "json", "sarif", "jsonl"};
static_assert(std::size(kFormats) == static_cast<int>(FormatRapport::Jsonl) + 1,
              "one name per format");

}  // namespace

bool formatDeNom(const char* nom, FormatRapport& format) {
  for (std::size_t f = 0; f < std::size(kFormats); ++f) {
    if (std::strcmp(nom, kFormats[f]) == 0) {
      format = static_cast<FormatRapport>(f);
      return true;
    }
  }
  return false;
}

const char* nomDeFormat(FormatRapport format) {
  return kFormats[static_cast<std::size_t>(format)];
}

std::unique_ptr<Rapport> creerRapport(FormatRapport format, JeuBalises balises, Canal& sortie,
                                      bool moderne, bool site) {
  const Affichage::Sortie console = Affichage::SortieConsole();
  switch (format) {
    case FormatRapport::Gnu:
      return std::make_unique<RapportGnu>(console, sortie, stderr, balises);
    case FormatRapport::Json:
      return std::make_unique<RapportJson>(console, sortie, stderr, balises, site);
    case FormatRapport::Jsonl:
      return std::make_unique<RapportJsonl>(console, sortie, stderr, balises);
    case FormatRapport::Sarif:
      return std::make_unique<RapportSarif>(console, sortie, stderr,
                                            plateforme::repertoireCourant(), balises, moderne);
    case FormatRapport::Texte:
      break;
  }
  return std::make_unique<RapportTexte>(console, sortie, stderr,
                                        !plateforme::memeFichierOuvert(stdout, stderr), balises);
}
