#include "run/lignecommande.h"

#include <cstring>
#include <iterator>

#include "checker/adressesite.h"

namespace {

struct OptionLongue {
  const char* nom;
  bool valeur;  // takes a value
};

constexpr OptionLongue kOptions[] = {
    {"config", true},
    {"description-max", true},
    {"exclude", true},
    {"fail-level", true},
    {"files", false},
    {"files-from", true},
    {"follow-outside-links", false},
    {"format", true},
    {"help", false},
    {"html5", false},
    {"ignore", true},
    {"jobs", true},
    {"keep-going", false},
    {"modern", false},
    {"no-config", false},
    {"null", false},
    {"show-config", false},
    {"site-url", true},
    {"summary", false},
    {"title-max", true},
    {"version", false},
};

// The option that nom names, exactly or as the prefix of exactly one;
// candidates receives every option it is a prefix of.
const OptionLongue* trouver(const std::string& nom, std::vector<const OptionLongue*>& candidats) {
  candidats.clear();
  for (const OptionLongue& option : kOptions) {
    if (nom == option.nom) return &option;
    if (!nom.empty() && std::strncmp(option.nom, nom.c_str(), nom.size()) == 0) {
      candidats.push_back(&option);
    }
  }
  return candidats.size() == 1 ? candidats.front() : nullptr;
}

// A plain decimal count from 1 to maximum, or false.
bool lireNombre(const char* valeur, long maximum, long& nombre) {
  nombre = 0;
  const char* p = valeur;
  for (; *p >= '0' && *p <= '9' && nombre <= maximum; ++p) nombre = nombre * 10 + (*p - '0');
  return p != valeur && *p == '\0' && nombre >= 1 && nombre <= maximum;
}

}  // namespace

const char* const kAideOptionsLongues[] = {
    "    --format=FORMAT : Write the report as text (the default), gnu, json, jsonl or sarif\n",
    "    --fail-level=LEVEL : Exit 1 only for findings of LEVEL or above (error, warning, note)\n",
    "    --summary       : End with a count of pages and findings on standard error\n",
    "    --ignore=ID,... : Leave out the findings of these ids (man pagevet lists them)\n",
    "    --html5         : Check tags and meta tags by today's HTML, not HTML 3.2\n",
    "    --modern        : Judge pages as today's browsers and search engines read them\n",
    "    --title-max=N   : With --modern, the longest title that passes (default 60)\n",
    "    --description-max=N : With --modern, the longest description (default 160)\n",
    "    --jobs=N        : Examine N pages at once (default: one per processor)\n",
    "    --follow-outside-links : Examine links to pages outside the current directory\n",
    "    --files         : Read every mask as the path of one file, examined as written\n",
    "    --files-from=FILE : Examine the files listed in FILE, one a line ('-': standard input)\n",
    "    --null          : The list of --files-from is separated by NUL bytes\n",
    "    --exclude=GLOB  : Neither examine nor enter the paths that match GLOB\n",
    "    --keep-going    : Report a page that fails as an error and go on with the next\n",
    "    --config=FILE   : Read the options from FILE, not from pagevet.toml\n",
    "    --no-config     : Read no configuration file\n",
    "    --show-config   : Print the options in effect and where they came from\n",
    "    --site-url=URL  : Where the directory is published, for the checks across the site\n",
    "    --help          : Print this help and exit\n",
    "    --version       : Print the version and exit\n",
    "    --              : Read every later argument as a mask\n",
};
const int kNombreLignesAideLongue = static_cast<int>(std::size(kAideOptionsLongues));

bool LigneCommande::Analyse(int nbArgs, const char* const* args, std::string& erreur) {
  if (nbArgs > 0) classiques_.push_back(args[0]);
  for (int i = 1; i < nbArgs; ++i) {
    const char* const argument = args[i];
    if (std::strcmp(argument, "--") == 0) {
      masquesApres_.assign(args + i + 1, args + nbArgs);
      return true;
    }
    if (std::strncmp(argument, "--", 2) != 0) {
      classiques_.push_back(argument);
      continue;
    }
    const char* const egal = std::strchr(argument + 2, '=');
    const std::string nom = egal != nullptr ? std::string(argument + 2, egal) : argument + 2;
    std::vector<const OptionLongue*> candidats;
    const OptionLongue* const option = trouver(nom, candidats);
    if (option == nullptr) {
      if (candidats.size() > 1) {
        erreur = "option '--" + nom + "' is ambiguous; possibilities:";
        for (const OptionLongue* candidat : candidats) erreur += std::string(" '--") + candidat->nom + "'";
      } else {
        erreur = std::string("unrecognized option '") + argument + "'";
      }
      return false;
    }
    const char* valeur = nullptr;
    if (option->valeur) {
      if (egal != nullptr) {
        valeur = egal + 1;
      } else if (i + 1 < nbArgs) {
        valeur = args[++i];
      } else {
        erreur = std::string("option '--") + option->nom + "' requires an argument";
        return false;
      }
    } else if (egal != nullptr) {
      erreur = std::string("option '--") + option->nom + "' doesn't allow an argument";
      return false;
    }
    if (!Option(option->nom, valeur, erreur)) return false;
    if (aide_ || version_) return true;
  }
  return true;
}

bool LigneCommande::Option(const std::string& nom, const char* valeur, std::string& erreur) {
  if (nom == "help") {
    aide_ = true;
  } else if (nom == "follow-outside-links") {
    liensSortants_ = true;
  } else if (nom == "html5") {
    html5_ = true;
  } else if (nom == "modern") {
    moderne_ = true;
  } else if (nom == "title-max" || nom == "description-max") {
    long nombre = 0;
    if (!lireNombre(valeur, kMaxLongueur, nombre)) {
      erreur = "invalid length '" + std::string(valeur) + "' in --" + nom + " (1 to " +
               std::to_string(kMaxLongueur) + ")";
      return false;
    }
    (nom == "title-max" ? titreMax_ : descriptionMax_) = static_cast<int>(nombre);
  } else if (nom == "summary") {
    bilan_ = true;
  } else if (nom == "fail-level") {
    for (int n = 0; n < kNombreNiveaux; ++n) {
      if (std::strcmp(valeur, nomNiveau(static_cast<Niveau>(n))) == 0) {
        niveauEchec_ = static_cast<Niveau>(n);
        niveauEchecDonne_ = true;
        return true;
      }
    }
    erreur = std::string("invalid level '") + valeur + "' (error, warning, note)";
    return false;
  } else if (nom == "version") {
    version_ = true;
  } else if (nom == "files") {
    fichiers_ = true;
  } else if (nom == "files-from") {
    listeFichiers_ = valeur;
  } else if (nom == "null") {
    nul_ = true;
  } else if (nom == "exclude") {
    exclusions_.emplace_back(valeur);
  } else if (nom == "keep-going") {
    continuer_ = true;
  } else if (nom == "config") {
    configuration_ = valeur;
  } else if (nom == "no-config") {
    sansConfiguration_ = true;
  } else if (nom == "show-config") {
    afficherConfiguration_ = true;
  } else if (nom == "format") {
    formatDonne_ = true;
    if (formatDeNom(valeur, format_)) return true;
    erreur = std::string("invalid format '") + valeur + "' (text, gnu, json, jsonl, sarif)";
    return false;
  } else if (nom == "jobs") {
    // A plain decimal count from 1 to kMaxTravailleurs.
    long nombre = 0;
    const char* p = valeur;
    for (; *p >= '0' && *p <= '9' && nombre <= kMaxTravailleurs; ++p) nombre = nombre * 10 + (*p - '0');
    if (p == valeur || *p != '\0' || nombre < 1 || nombre > kMaxTravailleurs) {
      erreur = std::string("invalid number of jobs '") + valeur + "' (1 to " +
               std::to_string(kMaxTravailleurs) + ")";
      return false;
    }
    travailleurs_ = static_cast<int>(nombre);
  } else if (nom == "site-url") {
    if (!estUrlAbsolueHttp(valeur)) {
      erreur = std::string("invalid site URL '") + valeur + "' (an absolute http:// or https:// URL)";
      return false;
    }
    siteUrl_ = valeur;
  } else if (nom == "ignore") {
    // A comma-separated list; the option may be given several times.
    const char* debut = valeur;
    for (;;) {
      const char* const virgule = std::strchr(debut, ',');
      const std::string id = virgule != nullptr ? std::string(debut, virgule) : debut;
      Constat constat;
      if (!constatDeId(id.c_str(), constat)) {
        erreur = "unknown finding '" + id + "' in --ignore";
        return false;
      }
      ignores_.set(constat);
      idsIgnores_.push_back(id);
      if (virgule == nullptr) break;
      debut = virgule + 1;
    }
  }
  return true;
}
