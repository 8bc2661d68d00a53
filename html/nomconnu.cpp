// Telling the known tag names: a name of up to 8 bytes packed into one
// integer, compared with the known names of its length.
#include "html/nomconnu.h"

#include <cstdint>
#include <iterator>

namespace {

// A name's first n bytes (n <= 8) as one integer, packed by shifts whatever
// the host's byte order.
constexpr std::uint64_t cle(const char* nom, std::size_t n) {
  std::uint64_t valeur = 0;
  for (std::size_t i = 0; i < n; ++i) {
    valeur |= static_cast<std::uint64_t>(static_cast<unsigned char>(nom[i])) << (8 * i);
  }
  return valeur;
}

constexpr std::size_t longueur(const char* nom) { return *nom == '\0' ? 0 : 1 + longueur(nom + 1); }

struct Connu {
  constexpr Connu(const char* nom, NomConnu g)
      : genre(g), n(longueur(nom)), valeur(cle(nom, n > 8 ? 8 : n)) {}
  NomConnu genre;
  std::size_t n;
  std::uint64_t valeur;  // of its first 8 bytes
};

constexpr Connu connus[] = {
    {"html", NomConnu::Html},         {"head", NomConnu::Head},
    {"body", NomConnu::Body},         {"base", NomConnu::Base},
    {"basefont", NomConnu::Basefont}, {"bgsound", NomConnu::Bgsound},
    {"link", NomConnu::Link},         {"meta", NomConnu::Meta},
    {"title", NomConnu::Title},       {"noscript", NomConnu::Noscript},
    {"noframes", NomConnu::Noframes}, {"style", NomConnu::Style},
    {"script", NomConnu::Script},     {"template", NomConnu::Template},
    {"textarea", NomConnu::Textarea}, {"xmp", NomConnu::Xmp},
    {"iframe", NomConnu::Iframe},     {"noembed", NomConnu::Noembed},
    {"plaintext", NomConnu::Plaintext}, {"frameset", NomConnu::Frameset},
    {"br", NomConnu::Br},
};
static_assert(std::size(connus) == static_cast<std::size_t>(NomConnu::Br),
              "one entry for each known name");

}  // namespace

NomConnu nomConnu(const std::string& nom) {
  const std::size_t n = nom.size();
  if (n < 2 || n > 9) return NomConnu::Autre;
  // The most common short names (td, tr, li...): only br is known.
  if (n == 2) return nom[0] == 'b' && nom[1] == 'r' ? NomConnu::Br : NomConnu::Autre;
  if (n == 9) return nom == "plaintext" ? NomConnu::Plaintext : NomConnu::Autre;
  const std::uint64_t valeur = cle(nom.data(), n);
  for (const Connu& connu : connus) {
    if (connu.n == n && connu.valeur == valeur) return connu.genre;
  }
  return NomConnu::Autre;
}
