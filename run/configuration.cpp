// Configuration: the search, the reading with toml++, the merge and the
// rendering of the options a pagevet.toml file sets.
#include "run/configuration.h"

#include <cstdio>
#include <cstring>
#include <type_traits>

#include <toml++/toml.h>

#include "platform/plateforme.h"

namespace {

// The values a string key may take; other string keys take any.
struct Choix {
  const char* cle;
  std::vector<std::string_view> valeurs;
  const char* texte;
};
const Choix kChoix[] = {
    {"format", {"text", "gnu", "json", "jsonl", "sarif"}, "text, gnu, json, jsonl or sarif"},
    {"fail-level", {"error", "warning", "note"}, "error, warning or note"},
};

struct Bornes {
  const char* cle;
  int64_t min;
  int64_t max;
};
const Bornes kBornes[] = {
    {"jobs", 1, Configuration::kMaxTaches},
    {"title-max", 1, Configuration::kMaxLongueur},
    {"description-max", 1, Configuration::kMaxLongueur},
};

// Reads one key's node into its member, or says what is wrong and where.
class Lecteur {
 public:
  Lecteur(const std::string& chemin, const IdConnu& idConnu) : chemin_(chemin), idConnu_(idConnu) {}

  bool Lire(const char* cle, const toml::node& noeud, std::optional<bool>& membre) {
    if (!noeud.is_boolean()) return Erreur(noeud, std::string("'") + cle + "' must be true or false");
    membre = noeud.as_boolean()->get();
    return true;
  }

  bool Lire(const char* cle, const toml::node& noeud, std::optional<int64_t>& membre) {
    if (!noeud.is_integer()) return Erreur(noeud, std::string("'") + cle + "' must be an integer");
    const int64_t valeur = noeud.as_integer()->get();
    for (const Bornes& b : kBornes) {
      if (std::strcmp(b.cle, cle) == 0 && (valeur < b.min || valeur > b.max)) {
        return Erreur(noeud, std::string("'") + cle + "' must be from " + std::to_string(b.min) + " to " +
                                 std::to_string(b.max));
      }
    }
    membre = valeur;
    return true;
  }

  bool Lire(const char* cle, const toml::node& noeud, std::optional<std::string>& membre) {
    if (!noeud.is_string()) return Erreur(noeud, std::string("'") + cle + "' must be a string");
    const std::string& valeur = noeud.as_string()->get();
    for (const Choix& c : kChoix) {
      if (std::strcmp(c.cle, cle) != 0) continue;
      bool permis = false;
      for (const std::string_view v : c.valeurs) permis = permis || v == valeur;
      if (!permis) return Erreur(noeud, std::string("'") + cle + "' must be " + c.texte);
    }
    membre = valeur;
    return true;
  }

  bool Lire(const char* cle, const toml::node& noeud, std::optional<std::vector<std::string>>& membre) {
    const std::string attendu = std::string("'") + cle + "' must be a list of strings";
    const toml::array* liste = noeud.as_array();
    if (liste == nullptr) return Erreur(noeud, attendu);
    std::vector<std::string> valeurs;
    for (const toml::node& element : *liste) {
      if (!element.is_string()) return Erreur(element, attendu);
      const std::string& valeur = element.as_string()->get();
      if (std::strcmp(cle, "ignore") == 0 && idConnu_ && !idConnu_(valeur)) {
        return Erreur(element, "unknown finding '" + valeur + "' in 'ignore'");
      }
      valeurs.push_back(valeur);
    }
    membre = std::move(valeurs);
    return true;
  }

  bool Erreur(const toml::node& noeud, const std::string& message) { return Erreur(noeud.source(), message); }
  bool Erreur(const toml::source_region& source, std::string_view message) {
    erreur_ = chemin_ + ":" + std::to_string(source.begin.line) + ":" + std::to_string(source.begin.column) +
              ": " + std::string(message);
    return false;
  }

  const std::string& Message() const { return erreur_; }

 private:
  const std::string& chemin_;
  const IdConnu& idConnu_;
  std::string erreur_;
};

// A TOML basic string: quotes, backslash and control characters escaped.
std::string chaineToml(const std::string& texte) {
  std::string sortie = "\"";
  for (const char c : texte) {
    switch (c) {
      case '"': sortie += "\\\""; break;
      case '\\': sortie += "\\\\"; break;
      case '\b': sortie += "\\b"; break;
      case '\t': sortie += "\\t"; break;
      case '\n': sortie += "\\n"; break;
      case '\f': sortie += "\\f"; break;
      case '\r': sortie += "\\r"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char code[8];
          std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(static_cast<unsigned char>(c)));
          sortie += code;
        } else {
          sortie += c;
        }
    }
  }
  return sortie + "\"";
}

std::string valeurToml(bool valeur) { return valeur ? "true" : "false"; }
std::string valeurToml(int64_t valeur) { return std::to_string(valeur); }
std::string valeurToml(const std::string& valeur) { return chaineToml(valeur); }
std::string valeurToml(const std::vector<std::string>& valeurs) {
  std::string sortie = "[";
  for (std::size_t i = 0; i < valeurs.size(); ++i) sortie += (i > 0 ? ", " : "") + chaineToml(valeurs[i]);
  return sortie + "]";
}

}  // namespace

std::string chercherConfiguration() {
  // How many directories stand above the current one: "/home/site" has two.
  const std::string courant = plateforme::repertoireCourant();
  int niveaux = 0;
  for (std::size_t i = 0; i < courant.size(); ++i) {
    if (courant[i] != '/' && (i == 0 || courant[i - 1] == '/')) ++niveaux;
  }
  std::string prefixe;
  for (int niveau = 0;; ++niveau) {
    for (const char* nom : {"pagevet.toml", ".pagevet.toml"}) {
      const std::string chemin = prefixe + nom;
      if (plateforme::genreEntree(chemin) == plateforme::GenreEntree::Autre) return chemin;
    }
    if (plateforme::genreEntree(prefixe + ".git") != plateforme::GenreEntree::Absente) return std::string();
    if (niveau >= niveaux) return std::string();
    prefixe += "../";
  }
}

bool lireConfiguration(const std::string& chemin, const IdConnu& idConnu, Configuration& config,
                       std::string& erreur) {
  int code = 0;
  std::FILE* flux = plateforme::ouvrirLecture(chemin, &code);
  if (flux == nullptr) {
    erreur = "cannot open configuration file '" + chemin + "': " + std::strerror(code);
    return false;
  }
  std::string texte;
  code = plateforme::lireTout(flux, &texte);
  std::fclose(flux);
  if (code != 0) {
    erreur = "cannot read configuration file '" + chemin + "': " + std::strerror(code);
    return false;
  }
  return analyserConfiguration(texte, chemin, idConnu, config, erreur);
}

bool analyserConfiguration(std::string_view texte, const std::string& chemin, const IdConnu& idConnu,
                           Configuration& config, std::string& erreur) {
  Lecteur lecteur(chemin, idConnu);
  toml::table table;
#if TOML_EXCEPTIONS
  try {
    table = toml::parse(texte, chemin);
  } catch (const toml::parse_error& e) {
    lecteur.Erreur(e.source(), e.description());
    erreur = lecteur.Message();
    return false;
  }
#else
  toml::parse_result resultat = toml::parse(texte, chemin);
  if (!resultat) {
    lecteur.Erreur(resultat.error().source(), resultat.error().description());
    erreur = lecteur.Message();
    return false;
  }
  table = std::move(resultat).table();
#endif
  Configuration lue;
  lue.chemin = chemin;
  for (const auto& [cle, noeud] : table) {
    bool connue = false;
    bool bonne = true;
    pourChaqueCle(
        [&, &cle = cle, &noeud = noeud](const char* nom, auto& membre) {
          if (connue || cle.str() != nom) return;
          connue = true;
          bonne = lecteur.Lire(nom, noeud, membre);
        },
        lue);
    if (!connue) lecteur.Erreur(cle.source(), "unknown key '" + std::string(cle.str()) + "'");
    if (!connue || !bonne) {
      erreur = lecteur.Message();
      return false;
    }
  }
  config = std::move(lue);
  return true;
}

Configuration fusionner(const Configuration& fichier, const Configuration& ligne) {
  Configuration resultat;
  resultat.chemin = fichier.chemin;
  pourChaqueCle(
      [](const char* nom, auto& r, const auto& f, const auto& l) {
        r = l ? l : f;
        if constexpr (std::is_same_v<std::decay_t<decltype(r)>, std::optional<std::vector<std::string>>>) {
          // The lists of left-out findings and paths add up.
          if (f && l && std::strcmp(nom, "masks") != 0) {
            r = *f;
            r->insert(r->end(), l->begin(), l->end());
          }
        }
      },
      resultat, fichier, ligne);
  return resultat;
}

std::string texteConfiguration(const Configuration& config) {
  std::string texte =
      config.chemin.empty() ? "# no configuration file\n" : "# configuration file: " + config.chemin + "\n";
  pourChaqueCle(
      [&texte](const char* nom, const auto& membre) {
        if (membre) texte += std::string(nom) + " = " + valeurToml(*membre) + "\n";
      },
      config);
  return texte;
}
