// Configuration: the options a pagevet.toml file sets, found upward from the
// current directory, read and checked; merged with the command line; shown.
#ifndef PAGEVET_RUN_CONFIGURATION_H_
#define PAGEVET_RUN_CONFIGURATION_H_

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Each key is the long option of the same name; a key not set is nullopt.
struct Configuration {
  std::string chemin;  // the file the values came from, as found or named; "" for none

  std::optional<std::vector<std::string>> masques;     // masks
  std::optional<bool> moderne;                         // modern
  std::optional<bool> html5;                           // html5
  std::optional<std::vector<std::string>> ignores;     // ignore
  std::optional<std::vector<std::string>> exclusions;  // exclude
  std::optional<std::string> format;                   // format: text, gnu, json, jsonl, sarif
  std::optional<int64_t> taches;                       // jobs: 1 to kMaxTaches
  std::optional<int64_t> titreMax;                     // title-max: 1 to kMaxLongueur
  std::optional<int64_t> descriptionMax;               // description-max: 1 to kMaxLongueur
  std::optional<std::string> urlSite;                  // site-url
  std::optional<bool> developpe;                       // develop ("/d")
  std::optional<bool> syntaxeSeule;                    // syntax-only ("/s")
  std::optional<bool> sansSousRepertoires;             // no-subdirectories ("/1")
  std::optional<bool> continuer;                       // keep-going
  std::optional<std::string> niveauEchec;              // fail-level: error, warning, note
  std::optional<bool> suivreLiensExterieurs;           // follow-outside-links

  static constexpr int64_t kMaxTaches = 1024;    // as --jobs takes
  static constexpr int64_t kMaxLongueur = 10000;  // title-max, description-max
  static constexpr int kNombreCles = 16;
};

// Calls f(key, member...) for every key, in the order above, with the
// members of that key in each of configs (one or more, const or not).
template <class F, class... C>
void pourChaqueCle(F&& f, C&... configs) {
  f("masks", configs.masques...);
  f("modern", configs.moderne...);
  f("html5", configs.html5...);
  f("ignore", configs.ignores...);
  f("exclude", configs.exclusions...);
  f("format", configs.format...);
  f("jobs", configs.taches...);
  f("title-max", configs.titreMax...);
  f("description-max", configs.descriptionMax...);
  f("site-url", configs.urlSite...);
  f("develop", configs.developpe...);
  f("syntax-only", configs.syntaxeSeule...);
  f("no-subdirectories", configs.sansSousRepertoires...);
  f("keep-going", configs.continuer...);
  f("fail-level", configs.niveauEchec...);
  f("follow-outside-links", configs.suivreLiensExterieurs...);
}

// Tells whether a finding's id exists (for the ignore key); an empty one
// takes every id as known.
using IdConnu = std::function<bool(std::string_view)>;

// The configuration file that applies: "pagevet.toml", then ".pagevet.toml",
// in the current directory, then in each directory above it ("../pagevet.toml",
// "../../.pagevet.toml"...), up to the first that holds a ".git" entry (a
// directory, or the file of a worktree) or the root. A directory of that
// name is passed over. "" when there is none.
std::string chercherConfiguration();

// Reads and checks the file chemin (a host path). On failure gives false
// with one message in erreur: "cannot open configuration file 'F': ..." or
// "F:LINE:COLUMN: ..." for a TOML syntax error, an unknown key, a wrong
// type or a value out of its range; the caller prints it after "pagevet: ".
bool lireConfiguration(const std::string& chemin, const IdConnu& idConnu, Configuration& config,
                       std::string& erreur);
// The same on a text already read, chemin naming it in messages.
bool analyserConfiguration(std::string_view texte, const std::string& chemin, const IdConnu& idConnu,
                           Configuration& config, std::string& erreur);

// The options in effect: what the command line gave (ligne) over what the
// file set (fichier). A scalar of ligne replaces the file's; its masks
// replace the file's; its ignore and exclude lists come after the file's.
// The result keeps the file's chemin.
Configuration fusionner(const Configuration& fichier, const Configuration& ligne);

// --show-config: where the options came from ("# configuration file: F", or
// "# no configuration file"), then each key set, "key = value" in TOML, one
// a line, in the order of pourChaqueCle. Strings are TOML basic strings,
// their bytes from 0x80 on as they are.
std::string texteConfiguration(const Configuration& config);

#endif  // PAGEVET_RUN_CONFIGURATION_H_
