#include "checker/nomsmeta.h"

#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// Lower case, as the rules read the line; in the order of the summary.
constexpr std::string_view kCles[] = {
    "\"content-type\"", "\"content-language\"", "\"description\"",
    "\"keywords\"",     "\"reply-to\"",         "\"robots\"",
};
static_assert(std::size(kCles) == NomsMeta::kNombre, "one key per meta name");

}  // namespace

int NomsMeta::Indice(const char* cle, std::size_t longueur) {
  for (int i = 0; i < kNombre; ++i) {
    if (kCles[i].size() == longueur && std::memcmp(kCles[i].data(), cle, longueur) == 0) return i;
  }
  return -1;
}
