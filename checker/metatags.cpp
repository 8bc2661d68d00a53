#include "checker/metatags.h"

#include <cstring>

#include "checker/diagnostic.h"
#include "html/trthtml.h"

namespace {

// The attribute words of a meta tag and their lengths.
constexpr char kMeta[] = "meta";
constexpr char kHttpEquiv[] = "http-equiv";
constexpr char kName[] = "name";
constexpr char kContent[] = "content";
constexpr char kProperty[] = "property";
constexpr char kCharset[] = "charset";
constexpr size_t kLongueurMeta = sizeof kMeta - 1;
constexpr size_t kLongueurHttpEquiv = sizeof kHttpEquiv - 1;
constexpr size_t kLongueurName = sizeof kName - 1;
constexpr size_t kLongueurContent = sizeof kContent - 1;
constexpr size_t kLongueurProperty = sizeof kProperty - 1;
constexpr size_t kLongueurCharset = sizeof kCharset - 1;

constexpr char kCleKeywords[] = "\"keywords\"";
// <meta charset> is the HTML5 form of the Content-Type declaration.
constexpr char kCleContentType[] = "\"content-type\"";

bool commencePar(const char* texte, const char* prefixe, size_t longueur) {
  return std::strncmp(texte, prefixe, longueur) == 0;
}

// After `p`: blanks, '=', blanks, a double quote and its closing quote.
// Gives the closing quote, or null when the value is not there.
const char* valeurEntreGuillemets(const char* p) {
  p = sauterBlancs(p);
  if (*p != '=') return nullptr;
  p = sauterBlancs(p + 1);
  if (*p != '"') return nullptr;
  return std::strchr(p + 1, '"');
}

// The opening quote of the value that follows the attribute word at `mot`.
const char* ouvertureValeur(const char* mot) {
  return std::strchr(std::strchr(mot, '='), '"');
}

// Whether the value after the first double quote that follows `mot` holds
// nothing but blanks.
bool valeurVide(const char* mot) {
  const char* guillemet = std::strchr(mot, '"');
  return guillemet != nullptr && *sauterBlancs(guillemet + 1) == '"';
}

// The end of a tag in strict form, after its last closing quote: blanks,
// in HTML5 a '/' right before the '>', the '>', and no second '>' after
// blanks.
bool finStricte(const char* p, bool html5) {
  p = sauterBlancs(p);
  if (html5 && *p == '/') ++p;
  if (*p != '>') return false;
  return *sauterBlancs(p + 1) != '>';
}

// Counts the key text under the known meta name it is, if any.
void compterNom(EtatFichier& etat, const char* cle, size_t longueur) {
  const int i = NomsMeta::Indice(cle, longueur);
  if (i >= 0) ++etat.compteursMeta[i];
}

}  // namespace

bool formeCharset(const char* meta) {
  if (!commencePar(meta, kMeta, kLongueurMeta) || compterCaractere(meta, '"') != 2) return false;
  const char* p = sauterBlancs(meta + kLongueurMeta);
  if (!commencePar(p, kCharset, kLongueurCharset)) return false;
  const char* ferme = valeurEntreGuillemets(p + kLongueurCharset);
  return ferme != nullptr && finStricte(ferme + 1, true);
}

bool syntaxeStricte(const char* meta, JeuBalises jeu) {
  const bool html5 = jeu == JeuBalises::Html5;
  if (!commencePar(meta, kMeta, kLongueurMeta)) return false;
  const char* p = sauterBlancs(meta + kLongueurMeta);
  if (commencePar(p, kHttpEquiv, kLongueurHttpEquiv)) {
    p += kLongueurHttpEquiv;
  } else if (commencePar(p, kName, kLongueurName)) {
    p += kLongueurName;
  } else if (html5 && commencePar(p, kProperty, kLongueurProperty)) {
    p += kLongueurProperty;
  } else {
    return false;
  }
  const char* ferme = valeurEntreGuillemets(p);
  if (ferme == nullptr) return false;
  p = sauterBlancs(ferme + 1);
  if (!commencePar(p, kContent, kLongueurContent)) return false;
  ferme = valeurEntreGuillemets(p + kLongueurContent);
  return ferme != nullptr && finStricte(ferme + 1, html5);
}

void verifierMeta(EtatFichier& etat, const char* meta, bool derniereOuverte, int nbBalises) {
  const bool html5 = etat.options.balises == JeuBalises::Html5;
  const char* httpEquiv = nullptr;
  const char* name = nullptr;
  const char* property = nullptr;
  const char* content = nullptr;
  const int nbHttpEquiv = compterMot(meta, kHttpEquiv, httpEquiv);
  const int nbName = compterMot(meta, kName, name);
  const int nbProperty = html5 ? compterMot(meta, kProperty, property) : 0;
  const int nbContent = compterMot(meta, kContent, content);
  const int nbGuillemets = compterCaractere(meta, '"');
  // Exactly one key word, once: the counts are never negative.
  const bool formeReguliere =
      nbContent == 1 && nbGuillemets == 4 && nbHttpEquiv + nbName + nbProperty == 1;
  const char* cle = (name != nullptr) ? name : (httpEquiv != nullptr) ? httpEquiv : property;

  // Outside HEAD a meta tag is only counted for the summary.
  if (!etat.dansHead) {
    ++etat.nbHorsHead;
    return;
  }
  if (!etat.ligneSignalee && !verifierTagsLigne(etat, derniereOuverte, nbBalises, 1)) return;
  if (html5 && formeCharset(meta)) {
    if (valeurVide(meta)) signalerAnomalie(etat, kCharsetVide);
    compterNom(etat, kCleContentType, sizeof kCleContentType - 1);
    return;
  }
  if (nbGuillemets < 4) {
    signalerAnomalie(etat, kGuillemetsManquants);
    return;
  }
  if (!formeReguliere || cle > content || !syntaxeStricte(meta, etat.options.balises)) {
    signalerAnomalie(etat, kFormatInconnu);
    return;
  }

  // Accepted: the strict form guarantees both values and their quotes.
  const char* ouvreCle = ouvertureValeur(cle);
  const char* fermeCle = std::strchr(ouvreCle + 1, '"');
  const char* ouvreContent = ouvertureValeur(content);
  const char* fermeContent = std::strchr(ouvreContent + 1, '"');

  if (httpEquiv != nullptr && valeurVide(httpEquiv)) signalerAnomalie(etat, kHttpEquivVide);
  if (name != nullptr && valeurVide(name)) signalerAnomalie(etat, kNameVide);
  if (property != nullptr && valeurVide(property)) signalerAnomalie(etat, kPropertyVide);
  if (valeurVide(content)) signalerAnomalie(etat, kContentVide);

  const size_t longueurCle = static_cast<size_t>(fermeCle - ouvreCle) + 1;
  compterNom(etat, ouvreCle, longueurCle);

  if (etat.options.developpe && !etat.motsCles.Lus() && longueurCle == sizeof kCleKeywords - 1 &&
      std::memcmp(ouvreCle, kCleKeywords, longueurCle) == 0) {
    etat.motsCles.Lit(ouvreContent, fermeContent, etat.jeu);
  }
}
