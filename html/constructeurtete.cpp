// The tree builder's modes up to the body, on the reader's tokens.
#include "html/constructeurtete.h"

#include <limits>

#include "html/modedoctype.h"

namespace {

bool blanc(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }

char minuscule(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Whether a space-separated list of words holds mot (lower-case), any case.
bool contientMot(const std::string& liste, const char* mot) {
  const std::size_t n = std::char_traits<char>::length(mot);
  std::size_t i = 0;
  while (i < liste.size()) {
    while (i < liste.size() && blanc(static_cast<unsigned char>(liste[i]))) ++i;
    std::size_t j = i;
    while (j < liste.size() && !blanc(static_cast<unsigned char>(liste[j]))) ++j;
    if (j - i == n) {
      bool egal = true;
      for (std::size_t k = 0; k < n && egal; ++k) egal = minuscule(liste[i + k]) == mot[k];
      if (egal) return true;
    }
    i = j;
  }
  return false;
}

// Whether a tag after the head ended early would have belonged in it.
bool baliseTardive(const BaliseHtml& balise, NomConnu g) {
  if (g == NomConnu::Meta || g == NomConnu::Title || g == NomConnu::Base) return true;
  if (g != NomConnu::Link) return false;
  const AttributHtml* rel = balise.Attribut("rel");
  if (rel == nullptr) return false;
  if (contientMot(rel->valeur, "canonical")) return true;
  return contientMot(rel->valeur, "alternate") && balise.Attribut("hreflang") != nullptr;
}

ContenuHtml contenuDe(NomConnu g) {
  if (g == NomConnu::Title || g == NomConnu::Textarea) return ContenuHtml::Rcdata;
  if (g == NomConnu::Script) return ContenuHtml::Script;
  if (g == NomConnu::Style || g == NomConnu::Xmp || g == NomConnu::Iframe || g == NomConnu::Noembed ||
      g == NomConnu::Noframes || g == NomConnu::Noscript) {
    return ContenuHtml::Rawtext;
  }
  if (g == NomConnu::Plaintext) return ContenuHtml::Plaintext;
  return ContenuHtml::Donnees;
}

// Raw text that is no text of the page to its reader.
bool texteCache(NomConnu g) {
  return g == NomConnu::Script || g == NomConnu::Style || g == NomConnu::Noscript || g == NomConnu::Iframe ||
         g == NomConnu::Noembed || g == NomConnu::Noframes;
}

}  // namespace

ConstructeurTete::ConstructeurTete(JeuCaracteres jeu, VisiteurHtml& visiteur,
                                   CompteurPositions& positions)
    : visiteur_(visiteur),
      positions_(positions),
      toutes_(visiteur.ToutesLesBalises()),
      mots_(visiteur.VeutTexte()),
      decodeTitre_(jeu, kMaxValeurHtml),
      decodeMots_(jeu, std::numeric_limits<std::size_t>::max()) {
  decodeMots_.Commencer(texteMots_);
}

void ConstructeurTete::MettreAJour() {
  switch (mode_) {
    case Mode::Texte:
      veutCaracteres_ = titre_ || (mots_ && !texteExclu_ && modele_ == 0);
      break;
    case Mode::Corps:
      veutCaracteres_ = mots_ && !texteExclu_ && modeleCorps_ == 0;
      break;
    default:
      veutCaracteres_ = modele_ == 0;
      break;
  }
}

void ConstructeurTete::SansDoctype() {
  entete_.mode = ModeRendu::Quirks;
  mode_ = Mode::AvantHtml;
}

void ConstructeurTete::Doctype(const DoctypeHtml& doctype) {
  FinirTexte(true);
  if (entete_.doctype.present) return;
  entete_.doctype = doctype;
  entete_.doctype.avantPremiereBalise = mode_ == Mode::Initial;
  if (mode_ == Mode::Initial) {
    entete_.mode = modeDuDoctype(doctype);
    mode_ = Mode::AvantHtml;
  }
}

void ConstructeurTete::Commentaire() { FinirTexte(true); }

void ConstructeurTete::FusionnerHtml(const BaliseHtml& balise) {
  if (modele_ > 0 || modeleCorps_ > 0) return;
  BaliseHtml& html = entete_.html;
  for (std::size_t i = 0; i < balise.nombreAttributs; ++i) {
    if (html.Attribut(balise.attributs[i].nom) != nullptr) continue;
    if (html.nombreAttributs == html.attributs.size()) html.attributs.emplace_back();
    html.attributs[html.nombreAttributs++] = balise.attributs[i];
  }
}

ContenuHtml ConstructeurTete::ElementDeTete(const BaliseHtml& balise, NomConnu g, bool& traite) {
  traite = true;
  if (g == NomConnu::Base || g == NomConnu::Basefont || g == NomConnu::Bgsound || g == NomConnu::Link || g == NomConnu::Meta) {
    visiteur_.ElementTete(balise, std::string());
    return ContenuHtml::Donnees;
  }
  if (g == NomConnu::Title || g == NomConnu::Noscript || g == NomConnu::Noframes || g == NomConnu::Style ||
      g == NomConnu::Script) {
    modeOriginal_ = mode_;
    mode_ = Mode::Texte;
    titre_ = g == NomConnu::Title;
    texteExclu_ = !titre_;
    if (titre_) {
      baliseTitre_ = balise;
      decodeTitre_.Commencer(texteTitre_);
    } else {
      visiteur_.ElementTete(balise, std::string());
    }
    MettreAJour();
    return contenuDe(g);
  }
  if (g == NomConnu::Template) {
    visiteur_.ElementTete(balise, std::string());
    modele_ = 1;
    MettreAJour();
    return ContenuHtml::Donnees;
  }
  traite = false;
  return ContenuHtml::Donnees;
}

ContenuHtml ConstructeurTete::BaliseOuvrante(const BaliseHtml& balise, NomConnu g) {
  FinirTexte(true);
  visiteur_.BaliseOuvrante(balise);
  if (g == NomConnu::Autre && mode_ == Mode::Corps && modele_ == 0) {
    // Most tags of the body: what DansCorps does for a name it does not know.
    texteExclu_ = false;
    MettreAJour();
    return ContenuHtml::Donnees;
  }
  if (modele_ > 0) {
    // Inside a <template> of the head: its content is none of the head's.
    if (g == NomConnu::Template) ++modele_;
    return contenuDe(g);
  }
  for (;;) {
    switch (mode_) {
      case Mode::Initial:
        SansDoctype();
        continue;
      case Mode::AvantHtml:
        mode_ = Mode::AvantTete;
        if (g == NomConnu::Html) {
          entete_.htmlPresent = true;
          entete_.html = balise;
          return ContenuHtml::Donnees;
        }
        continue;
      case Mode::AvantTete:
        if (g == NomConnu::Html) {
          FusionnerHtml(balise);
          return ContenuHtml::Donnees;
        }
        mode_ = Mode::DansTete;
        if (g == NomConnu::Head) {
          entete_.tetePresente = true;
          entete_.positionTete = balise.position;
          return ContenuHtml::Donnees;
        }
        continue;
      case Mode::DansTete: {
        if (g == NomConnu::Html) {
          FusionnerHtml(balise);
          return ContenuHtml::Donnees;
        }
        if (g == NomConnu::Head) return ContenuHtml::Donnees;
        bool traite = false;
        const ContenuHtml contenu = ElementDeTete(balise, g, traite);
        if (traite) return contenu;
        mode_ = Mode::ApresTete;
        continue;
      }
      case Mode::ApresTete: {
        if (g == NomConnu::Html) {
          FusionnerHtml(balise);
          return ContenuHtml::Donnees;
        }
        if (g == NomConnu::Body || g == NomConnu::Frameset) {
          if (g == NomConnu::Body) {
            entete_.corpsPresent = true;
            entete_.positionCorps = balise.position;
          }
          // A frameset ignores every element but the frames and noframes.
          cadres_ = g == NomConnu::Frameset;
          EntrerCorps();
          return ContenuHtml::Donnees;
        }
        if (g == NomConnu::Head) {
          visiteur_.TeteIgnoree(balise);
          return ContenuHtml::Donnees;
        }
        bool traite = false;
        // After the head, a <noscript> is the body's.
        const ContenuHtml contenu =
            g == NomConnu::Noscript ? ContenuHtml::Donnees : ElementDeTete(balise, g, traite);
        if (traite) return contenu;
        entete_.finTete = FinTete::BaliseOuvrante;
        entete_.positionFinTete = balise.position;
        entete_.sourceFinTete = balise.source;
        entete_.nomFinTete = balise.nom;
        EntrerCorps();
        return DansCorps(balise, g);
      }
      case Mode::Texte:
        return ContenuHtml::Donnees;
      case Mode::Corps:
        return DansCorps(balise, g);
    }
  }
}

ContenuHtml ConstructeurTete::DansCorps(const BaliseHtml& balise, NomConnu g) {
  if (g == NomConnu::Html) {
    FusionnerHtml(balise);
  } else if (g == NomConnu::Head) {
    visiteur_.TeteIgnoree(balise);
  } else if (g == NomConnu::Body) {
    if (!entete_.corpsPresent) {
      entete_.corpsPresent = true;
      entete_.positionCorps = balise.position;
    }
  } else if (g == NomConnu::Template) {
    ++modeleCorps_;
  }
  if (entete_.finTete != FinTete::Aucune && !entete_.corpsPresent && baliseTardive(balise, g)) {
    ++entete_.balisesTardives;
  }
  const ContenuHtml contenu =
      cadres_ && g != NomConnu::Noframes ? ContenuHtml::Donnees : contenuDe(g);
  texteExclu_ = contenu != ContenuHtml::Donnees && texteCache(g);
  MettreAJour();
  return contenu;
}

void ConstructeurTete::BaliseFermante(const BaliseHtml& balise, NomConnu g) {
  FinirTexte(true);
  if (modele_ > 0) {
    if (g == NomConnu::Template) --modele_;
    MettreAJour();
    return;
  }
  const bool ouvreCorps = g == NomConnu::Body || g == NomConnu::Html || g == NomConnu::Br;
  for (;;) {
    switch (mode_) {
      case Mode::Initial:
        SansDoctype();
        continue;
      case Mode::AvantHtml:
        if (!ouvreCorps && g != NomConnu::Head) return;
        mode_ = Mode::AvantTete;
        continue;
      case Mode::AvantTete:
        if (!ouvreCorps && g != NomConnu::Head) return;
        mode_ = Mode::DansTete;
        continue;
      case Mode::DansTete:
        if (g == NomConnu::Head) {
          mode_ = Mode::ApresTete;
          return;
        }
        if (!ouvreCorps) return;
        mode_ = Mode::ApresTete;
        continue;
      case Mode::ApresTete:
        if (!ouvreCorps) return;
        entete_.finTete = FinTete::BaliseFermante;
        entete_.positionFinTete = balise.position;
        entete_.sourceFinTete = balise.source;
        entete_.nomFinTete = balise.nom;
        EntrerCorps();
        return;
      case Mode::Texte:
        if (titre_) FinirTitre();
        titre_ = false;
        texteExclu_ = false;
        mode_ = modeOriginal_;
        MettreAJour();
        return;
      case Mode::Corps:
        if (g == NomConnu::Template && modeleCorps_ > 0) --modeleCorps_;
        texteExclu_ = false;
        MettreAJour();
        return;
    }
  }
}

void ConstructeurTete::FinirTitre() {
  decodeTitre_.Finir();
  visiteur_.ElementTete(baliseTitre_, texteTitre_);
}

const char* ConstructeurTete::Caracteres(const char* debut, const char* fin) {
  const char* fini = nullptr;
  if (AvantCorps()) {
    const char* p = debut;
    while (p < fin && blanc(static_cast<unsigned char>(*p))) ++p;
    if (p == fin) return nullptr;
    FinirTeteParTexte(positions_.En(p));
    fini = p;
    debut = p;
  } else if (mode_ == Mode::Texte && titre_) {
    decodeTitre_.AjouterBrut(debut, static_cast<std::size_t>(fin - debut));
  } else if (modele_ > 0) {
    return nullptr;
  }
  if (mots_ && veutCaracteres_ && mode_ != Mode::Initial) {
    decodeMots_.AjouterBrut(debut, static_cast<std::size_t>(fin - debut));
    motsEnCours_ = true;
    if (texteMots_.size() >= 64 * 1024) FinirTexte(false);
  }
  return fini;
}

bool ConstructeurTete::Point(char32_t point, const PositionHtml& position) {
  bool fini = false;
  if (AvantCorps()) {
    if (point < 0x80 && blanc(static_cast<unsigned char>(point))) return false;
    FinirTeteParTexte(position);
    fini = true;
  } else if (mode_ == Mode::Texte && titre_) {
    decodeTitre_.AjouterPoint(point);
  }
  if (mots_ && veutCaracteres_) {
    decodeMots_.AjouterPoint(point);
    motsEnCours_ = true;
  }
  return fini;
}

void ConstructeurTete::FinirTeteParTexte(const PositionHtml& position) {
  // Text other than white space: the parser reaches the body, opening what
  // it has not met.
  entete_.finTete = FinTete::Texte;
  entete_.positionFinTete = position;
  entete_.nomFinTete.clear();
  if (mode_ == Mode::Initial) SansDoctype();
  EntrerCorps();
}

void ConstructeurTete::FinirTexte(bool separe) {
  if (!motsEnCours_) {
    if (separe) separe_ = true;
    return;
  }
  if (separe) {
    decodeMots_.Finir();
  } else {
    decodeMots_.Avancer();
  }
  if (!texteMots_.empty()) {
    visiteur_.Texte(texteMots_.data(), texteMots_.size(), separe_);
    separe_ = false;
  }
  texteMots_.clear();
  motsEnCours_ = !separe;
  if (separe) {
    separe_ = true;
    decodeMots_.Commencer(texteMots_);
  }
}

void ConstructeurTete::FinPage() {
  if (mode_ == Mode::Texte && titre_) FinirTitre();
  if (mode_ == Mode::Initial) SansDoctype();
  FinirTexte(true);
}
