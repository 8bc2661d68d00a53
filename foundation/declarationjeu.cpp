#include "foundation/declarationjeu.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "foundation/mystring.h"

namespace {

bool estBlancHtml(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

// Whether the text at p, before fin, starts with mot (lower case), in any
// letter case.
bool commencePar(const char* p, const char* fin, const char* mot) {
  const std::size_t n = std::strlen(mot);
  if (static_cast<std::size_t>(fin - p) < n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    if (enMinuscule(p[i]) != mot[i]) return false;
  }
  return true;
}

// The bytes looked at, with a reading position, as the prescan walks them.
class Lecture {
 public:
  Lecture(const char* debut, const char* fin) : p_(debut), fin_(fin) {}

  bool Fin() const { return p_ >= fin_; }
  char Octet() const { return *p_; }
  const char* Position() const { return p_; }
  const char* Limite() const { return fin_; }
  void Avance(std::size_t n = 1) { p_ = std::min(p_ + n, fin_); }
  void VaA(const char* p) { p_ = std::min(p, fin_); }
  void SauteBlancs() {
    while (!Fin() && estBlancHtml(*p_)) ++p_;
  }
  // Moves just past the next occurrence of motif, or to the end.
  void VaApres(const char* motif) {
    const std::size_t n = std::strlen(motif);
    const char* trouve = std::search(p_, fin_, motif, motif + n);
    p_ = trouve == fin_ ? fin_ : trouve + n;
  }

  // One attribute of a tag, as the prescan reads it; false when the tag ends
  // (a '>') or the bytes do. The name is kept lowered, its first
  // kLongueurNom characters only (enough to tell the names that matter),
  // and the value lowered for those names only.
  bool Attribut(std::string& nom, std::string& valeur) {
    nom.clear();
    valeur.clear();
    garder_ = false;
    while (!Fin() && (estBlancHtml(*p_) || *p_ == '/')) ++p_;
    if (Fin() || *p_ == '>') return false;
    for (;;) {
      if (Fin()) return false;
      const char c = *p_;
      if (c == '=' && !nom.empty()) {
        ++p_;
        return Valeur(nom, valeur);
      }
      if (estBlancHtml(c)) break;
      if (c == '/' || c == '>') return true;
      if (nom.size() < kLongueurNom) nom += enMinuscule(c);
      ++p_;
    }
    SauteBlancs();
    if (Fin()) return false;
    if (*p_ != '=') return true;
    ++p_;
    return Valeur(nom, valeur);
  }

 private:
  static constexpr std::size_t kLongueurNom = 16;

  bool Valeur(const std::string& nom, std::string& valeur) {
    garder_ = nom == "http-equiv" || nom == "content" || nom == "charset";
    SauteBlancs();
    if (Fin()) return false;
    const char c = *p_;
    if (c == '"' || c == '\'') {
      for (++p_; !Fin(); ++p_) {
        if (*p_ == c) {
          ++p_;
          return true;
        }
        if (garder_) valeur += enMinuscule(*p_);
      }
      return false;
    }
    if (c == '>') return true;
    for (; !Fin() && !estBlancHtml(*p_) && *p_ != '>'; ++p_) {
      if (garder_) valeur += enMinuscule(*p_);
    }
    return !Fin();
  }

  const char* p_;
  const char* fin_;
  bool garder_ = false;  // the value of the current attribute is kept
};

// The label after "charset=" in a content value (lower case), as the HTML
// standard extracts it; empty when there is none.
std::string etiquetteDeContenu(const std::string& contenu) {
  std::size_t i = 0;
  for (;;) {
    i = contenu.find("charset", i);
    if (i == std::string::npos) return std::string();
    i += 7;
    while (i < contenu.size() && estBlancHtml(contenu[i])) ++i;
    if (i < contenu.size() && contenu[i] == '=') break;
  }
  ++i;
  while (i < contenu.size() && estBlancHtml(contenu[i])) ++i;
  if (i >= contenu.size()) return std::string();
  const char c = contenu[i];
  if (c == '"' || c == '\'') {
    const std::size_t fin = contenu.find(c, i + 1);
    return fin == std::string::npos ? std::string() : contenu.substr(i + 1, fin - i - 1);
  }
  std::size_t fin = i;
  while (fin < contenu.size() && !estBlancHtml(contenu[fin]) && contenu[fin] != ';') ++fin;
  return contenu.substr(i, fin - i);
}

// A label without its leading and trailing blanks.
std::string sansBlancs(const std::string& etiquette) {
  std::size_t debut = 0;
  std::size_t fin = etiquette.size();
  while (debut < fin && estBlancHtml(etiquette[debut])) ++debut;
  while (fin > debut && estBlancHtml(etiquette[fin - 1])) --fin;
  return etiquette.substr(debut, fin - debut);
}

// A label, trimmed, names UTF-8 or anything else.
JeuCaracteres jeuDeLEtiquette(const std::string& etiquette) {
  return etiquette == "utf-8" || etiquette == "utf8" ? JeuCaracteres::Utf8
                                                     : JeuCaracteres::Windows1252;
}

// The attributes of a meta tag, read up to its end: the label it declares,
// trimmed, if it declares one. An empty or blank label names no character
// set: in a content value it is no label, and in a charset attribute it
// makes the whole tag declare nothing, as getting an encoding fails there.
bool declarationMeta(Lecture& lecture, std::string& etiquette) {
  std::string nom;
  std::string valeur;
  // Only the first attribute of a name counts.
  bool vuHttpEquiv = false;
  bool vuContent = false;
  bool vuCharset = false;
  bool pragma = false;
  bool contenu = false;  // the label came from a content value
  bool trouvee = false;
  bool echec = false;  // a charset attribute with no label
  while (lecture.Attribut(nom, valeur)) {
    if (nom == "http-equiv" && !vuHttpEquiv) {
      vuHttpEquiv = true;
      if (valeur == "content-type") pragma = true;
    } else if (nom == "content" && !vuContent) {
      vuContent = true;
      if (!trouvee && !echec) {
        const std::string deContenu = sansBlancs(etiquetteDeContenu(valeur));
        if (!deContenu.empty()) {
          etiquette = deContenu;
          trouvee = contenu = true;
        }
      }
    } else if (nom == "charset" && !vuCharset) {
      vuCharset = true;
      etiquette = sansBlancs(valeur);
      echec = etiquette.empty();
      trouvee = !echec;
      contenu = false;
    }
  }
  // A charset taken from content counts only with http-equiv="Content-Type".
  return trouvee && (!contenu || pragma);
}

}  // namespace

bool jeuDeclare(const char* debut, std::size_t n, JeuCaracteres& jeu) {
  Lecture lecture(debut, debut + std::min(n, kOctetsDeclaration));
  while (!lecture.Fin()) {
    const char* const p = lecture.Position();
    const char* const fin = lecture.Limite();
    if (*p != '<') {
      // Only a '<' can start what the prescan looks for.
      const void* const chevron = std::memchr(p, '<', static_cast<std::size_t>(fin - p));
      lecture.VaA(chevron != nullptr ? static_cast<const char*>(chevron) : fin);
      continue;
    }
    if (commencePar(p, fin, "<!--")) {
      // The comment ends at the first "-->", which may share its dashes
      // with the opening ("<!-->").
      lecture.Avance(2);
      lecture.VaApres("-->");
      continue;
    }
    if (commencePar(p, fin, "<meta") && fin - p > 5 && (estBlancHtml(p[5]) || p[5] == '/')) {
      lecture.Avance(6);
      std::string etiquette;
      if (declarationMeta(lecture, etiquette)) {
        jeu = jeuDeLEtiquette(etiquette);
        return true;
      }
      continue;
    }
    if (fin - p > 1 && p[0] == '<' &&
        (estLettre(p[1]) || (p[1] == '/' && fin - p > 2 && estLettre(p[2])))) {
      // Another tag: its name, then its attributes, are passed over.
      lecture.Avance(1);
      while (!lecture.Fin() && !estBlancHtml(lecture.Octet()) && lecture.Octet() != '>') {
        lecture.Avance();
      }
      std::string nom;
      std::string valeur;
      while (lecture.Attribut(nom, valeur)) {
      }
      continue;
    }
    if (fin - p > 1 && p[0] == '<' && (p[1] == '!' || p[1] == '/' || p[1] == '?')) {
      lecture.Avance(1);
      lecture.VaApres(">");
      continue;
    }
    lecture.Avance();
  }
  return false;
}
