#include "checker/tetemoderne.h"

#include <algorithm>
#include <string_view>

#include "checker/adressesite.h"
#include "checker/contenuviewport.h"
#include "checker/directivesrobots.h"
#include "checker/etiquettelangue.h"
#include "checker/fautesnommeta.h"
#include "checker/texteascii.h"
#include "checker/textenormalise.h"
#include "checker/valeursmeta.h"
#include "html/trthtml.h"

namespace {

constexpr std::size_t kOctetsDeclarationJeu = 1024;

bool vide(const AttributHtml* attribut) {
  return attribut == nullptr || rogneBlancs(attribut->valeur).empty();
}

std::string_view valeurRognee(const AttributHtml* attribut) {
  return attribut != nullptr ? rogneBlancs(attribut->valeur) : std::string_view();
}

// The label of a Content-Type's "charset=", read as the HTML standard
// extracts it from a meta element's content; empty when there is none.
std::string_view etiquetteContentType(std::string_view contenu) {
  for (std::size_t i = 0; i + 7 <= contenu.size(); ++i) {
    if (!egalSansCasse(contenu.substr(i, 7), "charset")) continue;
    std::size_t p = i + 7;
    while (p < contenu.size() && estBlancAscii(contenu[p])) ++p;
    if (p >= contenu.size() || contenu[p] != '=') {
      i = p - 1;
      continue;
    }
    ++p;
    while (p < contenu.size() && estBlancAscii(contenu[p])) ++p;
    if (p >= contenu.size()) return {};
    const char c = contenu[p];
    if (c == '"' || c == '\'') {
      const std::size_t fin = contenu.find(c, p + 1);
      if (fin == std::string_view::npos) return {};
      return contenu.substr(p + 1, fin - p - 1);
    }
    std::size_t fin = p;
    while (fin < contenu.size() && !estBlancAscii(contenu[fin]) && contenu[fin] != ';') ++fin;
    return contenu.substr(p, fin - p);
  }
  return {};
}

// Whether the space-separated list liste holds mot, in any case.
bool contientJeton(std::string_view liste, std::string_view mot) {
  std::size_t i = 0;
  while (i < liste.size()) {
    while (i < liste.size() && estBlancAscii(liste[i])) ++i;
    std::size_t fin = i;
    while (fin < liste.size() && !estBlancAscii(liste[fin])) ++fin;
    if (fin > i && egalSansCasse(liste.substr(i, fin - i), mot)) return true;
    i = fin;
  }
  return false;
}

void placer(const PositionHtml& position, int& ligne, int& colonne) {
  ligne = position.ligne > 0 ? static_cast<int>(position.ligne) : 1;
  colonne = position.colonne > 0 ? static_cast<int>(position.colonne) : 1;
}

// The checks of a page's content, which a redirect stub or a noindex page
// does not need.
bool estContenu(Constat c) {
  return c == kSansDescription || c == kTitreVide || c == kTitreTropLong ||
         c == kDescriptionTropLongue || c == kSansViewport || c == kViewportPasMobile ||
         c == kOgIncomplet;
}

}  // namespace

ConstatModerne& TeteModerne::Signale(Constat constat, const BaliseHtml& balise) {
  ConstatModerne c(constat);
  // Body tags come without their place and source until asked.
  placer(balise.Position(), c.ligne, c.colonne);
  c.source = balise.Source() + '\n';
  lignes_.push_back(std::move(c));
  return lignes_.back();
}

ConstatModerne& TeteModerne::SignaleValeur(Constat constat, const BaliseHtml& balise,
                                           std::string_view valeur) {
  ConstatModerne& c = Signale(constat, balise);
  c.aValeur = true;
  c.valeur.assign(valeur);
  return c;
}

void TeteModerne::BaliseOuvrante(const BaliseHtml& balise) {
  if (!baliseHtml5Connue(balise.nom.c_str(), balise.nom.size())) Signale(kBaliseInconnue, balise);
}

void TeteModerne::TeteIgnoree(const BaliseHtml& balise) { Signale(kHeadApresBody, balise); }

void TeteModerne::ElementTete(const BaliseHtml& balise, const std::string& texte) {
  if (balise.nom == "meta") {
    Meta(balise);
  } else if (balise.nom == "title") {
    Titre(balise, texte);
  } else if (balise.nom == "link") {
    Lien(balise);
  }
}

void TeteModerne::Titre(const BaliseHtml& balise, const std::string& texte) {
  if (++titres_ > 1) return;
  const std::string titre = texteNormalise(texte);
  fiche_.aTitre = true;
  fiche_.titre.texte = titre;
  placer(balise.position, fiche_.titre.ligne, fiche_.titre.colonne);
  const auto n = static_cast<long>(nombreCaracteres(titre));
  if (titre.empty()) {
    Signale(kTitreVide, balise);
  } else if (n > options_.titreMax) {
    ConstatModerne& c = Signale(kTitreTropLong, balise);
    c.nombre = n;
    c.limite = options_.titreMax;
  }
}

void TeteModerne::Meta(const BaliseHtml& balise) {
  const AttributHtml* const name = balise.Attribut("name");
  const AttributHtml* const httpEquiv = balise.Attribut("http-equiv");
  const AttributHtml* const property = balise.Attribut("property");
  const AttributHtml* const content = balise.Attribut("content");
  const AttributHtml* const charset = balise.Attribut("charset");
  if (httpEquiv != nullptr && vide(httpEquiv)) Signale(kHttpEquivVide, balise);
  if (name != nullptr && vide(name)) Signale(kNameVide, balise);
  if ((name != nullptr || httpEquiv != nullptr || property != nullptr) && vide(content)) {
    Signale(kContentVide, balise);
  }
  if (property != nullptr && vide(property)) Signale(kPropertyVide, balise);
  if (charset != nullptr && vide(charset)) Signale(kCharsetVide, balise);

  const std::string_view nom = valeurRognee(name);
  const std::string_view http = valeurRognee(httpEquiv);
  const std::string_view contenu = content != nullptr ? std::string_view(content->valeur) : "";

  // A declaration of the page's character set, and its label.
  bool declaration = false;
  std::string_view etiquette;
  if (!vide(charset)) {
    declaration = true;
    etiquette = valeurRognee(charset);
  } else if (egalSansCasse(http, "content-type")) {
    declaration = true;
    etiquette = rogneBlancs(etiquetteContentType(contenu));
  }
  if (declaration) {
    if (++jeux_ == 1 && balise.fin > kOctetsDeclarationJeu) Signale(kCharsetTardif, balise);
    if (!etiquette.empty() && !estEtiquetteUtf8(etiquette)) {
      SignaleValeur(kCharsetPasUtf8, balise, etiquette);
    }
  }

  if (!http.empty()) {
    if (!estHttpEquivConnu(http)) SignaleValeur(kHttpEquivNonStandard, balise, http);
    if (egalSansCasse(http, "content-language")) Signale(kContentLanguageObsolete, balise);
    if (egalSansCasse(http, "refresh")) {
      const Rafraichissement refresh = lisRafraichissement(contenu);
      if (refresh.Immediat()) fiche_.redirection = true;
      if (refresh.Differe()) SignaleValeur(kRafraichissementDiffere, balise, refresh.ecrit);
    }
  }
  if (egalSansCasse(http, "content-language") || egalSansCasse(nom, "content-language")) {
    ++contentLanguage_;
  }

  if (egalSansCasse(nom, "description")) {
    if (++descriptions_ == 1) {
      const std::string description = texteNormalise(contenu);
      fiche_.aDescription = true;
      fiche_.description.texte = description;
      placer(balise.position, fiche_.description.ligne, fiche_.description.colonne);
      const auto n = static_cast<long>(nombreCaracteres(description));
      if (n > options_.descriptionMax) {
        ConstatModerne& c = Signale(kDescriptionTropLongue, balise);
        c.nombre = n;
        c.limite = options_.descriptionMax;
      }
    }
  } else if (egalSansCasse(nom, "keywords")) {
    if (++motsClesTags_ == 1) {
      motsClesLus_ = true;
      motsCles_.assign(contenu);
    }
  } else if (egalSansCasse(nom, "robots") || egalSansCasse(nom, "googlebot") ||
             egalSansCasse(nom, "googlebot-news")) {
    if (egalSansCasse(nom, "robots")) ++robots_;
    const DirectivesRobots directives = lisDirectivesRobots(contenu);
    if (directives.noindex) {
      fiche_.noindex = true;
      SignaleValeur(kRobotsNoindex, balise, rogneBlancs(contenu));
    }
    for (const std::string_view inconnue : directives.inconnues) {
      SignaleValeur(kRobotsDirectiveInconnue, balise, inconnue);
    }
  } else if (egalSansCasse(nom, "reply-to")) {
    ++replyTo_;
  } else if (egalSansCasse(nom, "viewport")) {
    ++viewports_;
    const JugementViewport viewport = jugeViewport(contenu);
    if (viewport.pasMobile) Signale(kViewportPasMobile, balise);
    if (viewport.bloqueZoom) Signale(kViewportBloqueZoom, balise);
  } else if (const char* const suggestion = suggestionNomMeta(nom)) {
    SignaleValeur(kFauteNomMeta, balise, nom).suggestion = suggestion;
  }

  // Open Graph and X properties: from property, else from name.
  const std::string_view propriete = property != nullptr ? valeurRognee(property) : nom;
  if (openGraph_.Note(propriete)) SignaleValeur(kOgRepete, balise, propriete);
  if (egalSansCasse(propriete, "twitter:card") && !estCarteTwitterConnue(contenu)) {
    SignaleValeur(kCarteTwitterInconnue, balise, rogneBlancs(contenu));
  }
}

void TeteModerne::Lien(const BaliseHtml& balise) {
  const std::string_view rel = valeurRognee(balise.Attribut("rel"));
  const std::string_view href = valeurRognee(balise.Attribut("href"));
  if (contientJeton(rel, "canonical")) {
    if (!estUrlAbsolueHttp(href)) SignaleValeur(kCanoniqueNonAbsolue, balise, href);
    if (std::find(canoniques_.begin(), canoniques_.end(), href) == canoniques_.end()) {
      canoniques_.emplace_back(href);
    }
    if (!fiche_.aCanonique) {
      fiche_.aCanonique = true;
      fiche_.canonique.texte.assign(href);
      placer(balise.position, fiche_.canonique.ligne, fiche_.canonique.colonne);
    }
  }
  const AttributHtml* const hreflang = balise.Attribut("hreflang");
  if (hreflang != nullptr && contientJeton(rel, "alternate")) {
    const std::string_view langue = rogneBlancs(hreflang->valeur);
    if (!hreflangValide(langue)) SignaleValeur(kHreflangInvalide, balise, langue);
    if (!estUrlAbsolueHttp(href)) SignaleValeur(kHreflangNonAbsolu, balise, href);
    LienHreflang lien;
    lien.langue.assign(langue);
    lien.adresse.texte.assign(href);
    placer(balise.position, lien.adresse.ligne, lien.adresse.colonne);
    fiche_.hreflangs.push_back(std::move(lien));
  }
}

std::vector<ConstatModerne> TeteModerne::Conclure(const EnteteHtml& entete) {
  const AttributHtml* const lang = entete.html.Attribut("lang");
  if (!vide(lang) && !langValide(lang->valeur)) {
    SignaleValeur(kLangInvalide, entete.html, rogneBlancs(lang->valeur));
  }
  const DoctypeHtml& doctype = entete.doctype;
  const bool avecDoctype = doctype.present && doctype.avantPremiereBalise;
  if (avecDoctype && entete.mode != ModeRendu::Standard) {
    ConstatModerne& c = Signale(kDoctypeQuirks, BaliseHtml());
    placer(doctype.position, c.ligne, c.colonne);
    c.source = doctype.source + '\n';
  }
  if (entete.finTete != FinTete::Aucune && entete.balisesTardives > 0) {
    ConstatModerne& c = Signale(kTeteFinieTot, BaliseHtml());
    placer(entete.positionFinTete, c.ligne, c.colonne);
    c.source = entete.sourceFinTete + '\n';
    c.compte = static_cast<int>(std::min<std::uint64_t>(entete.balisesTardives, 1u << 30));
  }
  std::stable_sort(lignes_.begin(), lignes_.end(),
                   [](const ConstatModerne& a, const ConstatModerne& b) {
                     if (a.ligne != b.ligne) return a.ligne < b.ligne;
                     if (a.colonne != b.colonne) return a.colonne < b.colonne;
                     return a.constat < b.constat;
                   });
  std::vector<ConstatModerne> constats = std::move(lignes_);
  lignes_.clear();

  if (!options_.simple) {
    int ligne = 1;
    int colonne = 1;
    if (entete.tetePresente) placer(entete.positionTete, ligne, colonne);
    const auto page = [&](Constat constat, int compte = 0) {
      ConstatModerne c(constat);
      c.ligne = ligne;
      c.colonne = colonne;
      c.compte = compte;
      constats.push_back(std::move(c));
      return &constats.back();
    };
    // The classic summary, in its order; "No" only where it still matters.
    const auto resumer = [&](int compte, Constat sans, Constat plusieurs) {
      if (compte == 0 && sans != kNombreConstats) page(sans);
      if (compte > 1) page(plusieurs, compte);
    };
    resumer(jeux_, kSansContentType, kPlusieursContentType);
    resumer(contentLanguage_, kNombreConstats, kPlusieursContentLanguage);
    resumer(descriptions_, kSansDescription, kPlusieursDescription);
    resumer(motsClesTags_, kNombreConstats, kPlusieursKeywords);
    resumer(replyTo_, kNombreConstats, kPlusieursReplyTo);
    resumer(robots_, kNombreConstats, kPlusieursRobots);
    resumer(titres_, kSansTitre, kPlusieursTitres);
    resumer(viewports_, kSansViewport, kPlusieursViewports);
    if (vide(lang)) page(kSansLang);
    if (canoniques_.size() > 1) page(kPlusieursCanoniques, static_cast<int>(canoniques_.size()));
    const std::string manquantes = openGraph_.Manquantes();
    if (!manquantes.empty()) {
      ConstatModerne* const c = page(kOgIncomplet);
      c->aValeur = true;
      c->valeur = manquantes;
    }
    if (!avecDoctype) page(kSansDoctype);
  }

  if (fiche_.redirection || fiche_.noindex) {
    constats.erase(std::remove_if(constats.begin(), constats.end(),
                                  [](const ConstatModerne& c) { return estContenu(c.constat); }),
                   constats.end());
  }
  return constats;
}
