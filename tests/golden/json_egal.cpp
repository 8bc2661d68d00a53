// Test tool for the golden cases of the json and sarif reports: compares two
// JSON documents as parsed values (key order and layout aside).
//   pagevet_json_egal EXPECTED ACTUAL    exit 0 when equal, 1 with the patch
//   pagevet_json_egal --pretty FILE      prints FILE indented, for review
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

namespace {

template <typename Json>
bool lire(const char* chemin, Json& document) {
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux) {
    std::fprintf(stderr, "cannot read %s\n", chemin);
    return false;
  }
  try {
    document = Json::parse(flux);
  } catch (const nlohmann::json::parse_error& erreur) {
    std::fprintf(stderr, "%s is not JSON: %s\n", chemin, erreur.what());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--pretty") {
    // Keys in the order the report wrote them, for the reader.
    nlohmann::ordered_json document;
    if (!lire(argv[2], document)) return 2;
    std::printf("%s\n", document.dump(1).c_str());
    return 0;
  }
  nlohmann::json attendu;
  nlohmann::json obtenu;
  if (argc != 3) {
    std::fprintf(stderr, "usage: pagevet_json_egal EXPECTED ACTUAL | --pretty FILE\n");
    return 2;
  }
  if (!lire(argv[1], attendu) || !lire(argv[2], obtenu)) return 1;
  if (attendu == obtenu) return 0;
  std::printf("the documents differ; from expected to actual:\n%s\n",
              nlohmann::json::diff(attendu, obtenu).dump(1).c_str());
  return 1;
}
