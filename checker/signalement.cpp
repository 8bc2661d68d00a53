#include "checker/signalement.h"

#include <cstring>

namespace {

// Every '{' of a message is closed before the next one opens.
constexpr bool modelesFermes() {
  for (const DescriptionConstat& d : kConstats) {
    for (const char* p = d.message; *p != '\0'; ++p) {
      if (*p != '{') continue;
      do {
        ++p;
        if (*p == '\0' || *p == '{') return false;
      } while (*p != '}');
    }
  }
  return true;
}
static_assert(modelesFermes(), "every placeholder of the findings table is closed");

// The texts of the tag sets, as {tagset} gives them.
const char* nomBalises(JeuBalises balises) {
  return balises == JeuBalises::Html5 ? "HTML5" : "HTML 3.2";
}

// The quoted text, or "" when the finding carries none.
std::string convertirTexte(const ConversionTextes& conversion, const char* texte, bool utf8) {
  if (texte == nullptr) return std::string();
  return utf8 ? conversion.TexteUtf8(texte) : conversion.Texte(texte);
}

// Fills in one placeholder, whose name is the n bytes at nom.
void remplir(const Signalement& s, JeuBalises balises, const ConversionTextes& conversion,
             const char* nom, std::size_t n, std::string& message) {
  const auto est = [&](const char* marque) {
    return std::strlen(marque) == n && std::memcmp(nom, marque, n) == 0;
  };
  if (const char* barre = static_cast<const char*>(std::memchr(nom, '|', n))) {
    if (s.compte == 1) {
      message.append(nom, barre);
    } else {
      message.append(barre + 1, nom + n);
    }
  } else if (est("count")) {
    message += std::to_string(s.compte);
  } else if (est("number")) {
    message += std::to_string(s.nombre);
  } else if (est("limit")) {
    message += std::to_string(s.limite);
  } else if (est("keyword")) {
    message += convertirTexte(conversion, s.motCle, s.utf8);
  } else if (est("value")) {
    message += convertirTexte(conversion, s.valeur, s.utf8);
  } else if (est("suggestion")) {
    message += convertirTexte(conversion, s.suggestion, s.utf8);
  } else if (est("page")) {
    if (s.page != nullptr) message += conversion.Chemin(s.page);
  } else if (est("tagset")) {
    message += nomBalises(balises);
  }
}

void remplirModele(const char* modele, const Signalement& s, JeuBalises balises,
                   const ConversionTextes& conversion, std::string& message) {
  for (const char* p = modele;;) {
    const char* const ouvre = std::strchr(p, '{');
    if (ouvre == nullptr) {
      message += p;
      return;
    }
    message.append(p, ouvre);
    const char* const ferme = std::strchr(ouvre, '}');
    remplir(s, balises, conversion, ouvre + 1, static_cast<std::size_t>(ferme - ouvre - 1),
            message);
    p = ferme + 1;
  }
}

// The general text quotes nothing but the tag set.
class SansTextes : public ConversionTextes {
 public:
  std::string Texte(const char*) const override { return std::string(); }
  std::string Chemin(const char*) const override { return std::string(); }
};

}  // namespace

void rendreMessage(const Signalement& s, JeuBalises balises, const ConversionTextes& conversion,
                   std::string& message) {
  remplirModele(kConstats[s.constat].message, s, balises, conversion, message);
}

std::string resumeConstat(Constat constat, JeuBalises balises) {
  const DescriptionConstat& description = kConstats[constat];
  std::string resume;
  remplirModele(description.resume != nullptr ? description.resume : description.message,
                Signalement{constat}, balises, SansTextes(), resume);
  return resume;
}

bool messageCite(Constat constat, const char* marque) {
  return std::strstr(kConstats[constat].message, marque) != nullptr;
}
