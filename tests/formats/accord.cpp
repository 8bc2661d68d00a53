// Test tool: checks that the five report formats of one run say the same.
// From the json document it writes the text report, the gnu lines, the
// sarif results and the jsonl records that must follow, and compares them
// with the real ones.
//   pagevet_accord REPORT.json REPORT.txt REPORT.gnu REPORT.sarif REPORT.jsonl
// The text and gnu reports must come from a UTF-8 locale.
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

using nlohmann::json;

std::string lire(const char* chemin) {
  std::ifstream flux(chemin, std::ios::binary);
  std::ostringstream texte;
  texte << flux.rdbuf();
  return texte.str();
}

// The first byte where two texts part, with some context, or "" if equal.
std::string difference(const std::string& attendu, const std::string& obtenu) {
  if (attendu == obtenu) return "";
  std::size_t i = 0;
  while (i < attendu.size() && i < obtenu.size() && attendu[i] == obtenu[i]) ++i;
  const std::size_t debut = i > 80 ? i - 80 : 0;
  return "at byte " + std::to_string(i) + "\nexpected: " + attendu.substr(debut, 160) +
         "\nactual:   " + obtenu.substr(debut, 160) + "\n";
}

std::string enTexte(const json& document) {
  std::string texte;
  for (const json& page : document["files"]) {
    std::string chemin = page["path"];
    for (char& c : chemin) c = c == '/' ? '\\' : c;
    texte += chemin + "\n";
    const json& constats = page["findings"];
    for (std::size_t i = 0; i < constats.size(); ++i) {
      const json& c = constats[i];
      const std::string id = c["id"];
      if (c.contains("text")) {
        char entete[64];
        std::snprintf(entete, sizeof entete, "%4d, ", c["line"].get<int>());
        // The echoed line ends with the line end it was read with; json
        // drops it, so it is marked and resolved against the real report.
        texte += entete + c["message"].get<std::string>() + " : \n  " +
                 c["text"].get<std::string>() + "\x01";
      } else if (id == "keyword-unused") {
        std::size_t fin = i;
        while (fin < constats.size() && constats[fin]["id"] == "keyword-unused") ++fin;
        texte += std::string("Keyword") + (fin - i > 1 ? "s" : "") + " unused in the text : ";
        for (std::size_t k = i; k < fin; ++k) {
          texte += constats[k]["keyword"].get<std::string>() + (k + 1 < fin ? ", " : "\n");
        }
        i = fin - 1;
      } else {
        texte += "+ " + c["message"].get<std::string>() + "\n";
      }
    }
    if (!constats.empty()) texte += "\n";
  }
  return texte;
}

// Resolves each mark: a line end when the real report has one there that is
// not the page's closing empty line.
std::string resoudre(const std::string& modele, const std::string& reel) {
  std::string resultat;
  std::size_t r = 0;
  for (std::size_t m = 0; m < modele.size(); ++m) {
    if (modele[m] != '\x01') {
      resultat += modele[m];
      ++r;
      continue;
    }
    const bool finLigne = r < reel.size() && reel[r] == '\n' &&
                          !(m + 1 < modele.size() && modele[m + 1] == '\n' &&
                            (r + 1 >= reel.size() || reel[r + 1] != '\n'));
    if (finLigne) {
      resultat += '\n';
      ++r;
    }
  }
  return resultat;
}

std::string enGnu(const json& document) {
  std::string gnu;
  for (const json& page : document["files"]) {
    for (const json& c : page["findings"]) {
      gnu += page["path"].get<std::string>() +
             (c.contains("line") ? ":" + std::to_string(c["line"].get<int>()) : "") + ": " +
             c["level"].get<std::string>() + ": " + c["message"].get<std::string>() + " [" + c["id"].get<std::string>() + "]\n";
    }
  }
  return gnu;
}

json enResultats(const json& document) {
  json resultats = json::array();
  for (const json& page : document["files"]) {
    for (const json& c : page["findings"]) {
      json r{{"ruleId", c["id"]}, {"level", c["level"]}, {"message", c["message"]}};
      if (c.contains("line")) r["startLine"] = c["line"];
      resultats.push_back(r);
    }
  }
  return resultats;
}

json resultatsSarif(const json& log) {
  json resultats = json::array();
  for (const json& resultat : log["runs"][0]["results"]) {
    json r{{"ruleId", resultat["ruleId"]},
           {"level", resultat["level"]},
           {"message", resultat["message"]["text"]}};
    const json& lieu = resultat["locations"][0]["physicalLocation"];
    if (lieu.contains("region")) r["startLine"] = lieu["region"]["startLine"];
    resultats.push_back(r);
  }
  return resultats;
}

// The jsonl records the json document stands for: a file record per page,
// a finding record per finding, and the end with the counts.
std::string enJsonl(const json& document) {
  std::string jsonl;
  std::size_t constats = 0;
  for (const json& page : document["files"]) {
    jsonl += json{{"type", "file"}, {"path", page["path"]}, {"charset", page["charset"]}}.dump() + "\n";
    for (const json& c : page["findings"]) {
      json r{{"type", "finding"}, {"path", page["path"]}};
      r.update(c);
      jsonl += r.dump() + "\n";
      ++constats;
    }
  }
  for (const json& erreur : document["errors"]) {
    jsonl += json{{"type", "error"}, {"message", erreur}}.dump() + "\n";
  }
  return jsonl + json{{"type", "end"},
                      {"status", document["status"]},
                      {"files", document["files"].size()},
                      {"findings", constats}}.dump() + "\n";
}

// Each record of a jsonl report, parsed and written again with its keys
// sorted: the records and their order count, not the order of their keys.
std::string relire(const std::string& jsonl) {
  std::istringstream lignes(jsonl);
  std::string ligne, resultat;
  while (std::getline(lignes, ligne)) resultat += json::parse(ligne).dump() + "\n";
  return resultat;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr,
                 "usage: pagevet_accord REPORT.json REPORT.txt REPORT.gnu REPORT.sarif REPORT.jsonl\n");
    return 2;
  }
  const json document = json::parse(lire(argv[1]));
  const std::string texte = lire(argv[2]);
  int echecs = 0;
  const auto verifier = [&](const char* nom, const std::string& ecart) {
    if (ecart.empty()) return;
    std::printf("the %s report differs from the json one %s", nom, ecart.c_str());
    ++echecs;
  };
  verifier("text", difference(resoudre(enTexte(document), texte), texte));
  verifier("gnu", difference(enGnu(document), lire(argv[3])));
  const json sarif = resultatsSarif(json::parse(lire(argv[4])));
  if (sarif != enResultats(document)) verifier("sarif", "in its results\n");
  verifier("jsonl", difference(relire(enJsonl(document)), relire(lire(argv[5]))));
  std::size_t nombre = 0;
  for (const json& page : document["files"]) nombre += page["findings"].size();
  std::printf("%zu pages, %zu findings: %s\n", document["files"].size(), nombre,
              echecs == 0 ? "the five formats agree" : "DIFFERENT");
  return echecs == 0 ? 0 : 1;
}
