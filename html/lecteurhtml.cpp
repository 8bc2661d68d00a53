// The HTML tokenizer: a state machine that stops at any byte and goes on with
// the next block, with fast scans over text, comments and quoted values.
#include "html/lecteurhtml.h"

#include <algorithm>
#include <cstring>

#include "html/entitesnommees.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

enum class LecteurHtml::Etat : unsigned char {
  Donnees, Rcdata, Rawtext, Script, Plaintext,
  OuvertureBalise, OuvertureFin, NomBalise,
  // A '<' in raw text (etatTexte_), "</", and the end tag's name.
  TexteInf, TexteFinOuverte, TexteFinNom,
  ScriptEchapDebut, ScriptEchapDebutTiret, ScriptEchap, ScriptEchapTiret, ScriptEchapTiretTiret,
  ScriptDoubleDebut, ScriptDouble, ScriptDoubleTiret, ScriptDoubleTiretTiret, ScriptDoubleInf,
  ScriptDoubleFin,
  AvantNomAttribut, NomAttribut, ApresNomAttribut, AvantValeur, ValeurGuillemets,
  ValeurApostrophes, ValeurNue, ApresValeur, AutoFermante,
  CommentaireFaux, DeclarationOuverte, CommentaireDebut, CommentaireDebutTiret, Commentaire,
  CommentaireFinTiret, CommentaireFin, CommentaireFinBang,
  Doctype, AvantNomDoctype, NomDoctype, ApresNomDoctype, MotCleDoctype, ApresMotPublic,
  AvantPublic, PublicGuillemets, PublicApostrophes, ApresPublic, EntrePublicSysteme,
  ApresMotSysteme, AvantSysteme, SystemeGuillemets, SystemeApostrophes, ApresSysteme,
  DoctypeFaux,
  Reference, ReferenceNommee, ReferenceNumerique, ReferenceHexDebut, ReferenceDecDebut,
  ReferenceHex, ReferenceDec,
};

namespace {

using Etat = LecteurHtml::Etat;

// The bytes kept of a tag's source: enough for kMaxSourceHtml characters of
// UTF-8 and a byte to tell that more follow.
constexpr std::size_t kMaxSourceBrute = 4 * kMaxSourceHtml + 4;

inline bool blanc(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\f' || c == '\r'; }
inline bool lettre(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
inline bool chiffre(char c) { return c >= '0' && c <= '9'; }
inline bool alphanum(char c) { return lettre(c) || chiffre(c); }
inline char minuscule(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
inline int hexa(char c) {
  if (chiffre(c)) return c - '0';
  const char m = static_cast<char>(c | 0x20);
  return m >= 'a' && m <= 'f' ? m - 'a' + 10 : -1;
}

// The first of a or b in [p, fin), or fin.
const char* chercherDeux(const char* p, const char* fin, char a, char b) {
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(a);
  const __m128i vb = _mm_set1_epi8(b);
  while (fin - p >= 16) {
    const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int masque =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bloc, va), _mm_cmpeq_epi8(bloc, vb)));
    if (masque != 0) return p + __builtin_ctz(static_cast<unsigned>(masque));
    p += 16;
  }
#endif
  while (p < fin && *p != a && *p != b) ++p;
  return p;
}

const char* chercher(const char* p, const char* fin, char a) {
#if defined(__SSE2__)
  // Most runs between tags are short: a call to memchr would cost more.
  const __m128i va = _mm_set1_epi8(a);
  while (fin - p >= 16) {
    const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int masque = _mm_movemask_epi8(_mm_cmpeq_epi8(bloc, va));
    if (masque != 0) return p + __builtin_ctz(static_cast<unsigned>(masque));
    p += 16;
  }
#endif
  while (p < fin && *p != a) ++p;
  return p;
}

bool etatValeur(Etat etat) {
  return etat == Etat::ValeurGuillemets || etat == Etat::ValeurApostrophes ||
         etat == Etat::ValeurNue;
}

}  // namespace

LecteurHtml::LecteurHtml(JeuCaracteres jeu, std::size_t marque, VisiteurHtml& visiteur)
    : jeu_(jeu),
      marque_(marque),
      positions_(jeu),
      constructeur_(jeu, visiteur, positions_),
      etat_(Etat::Donnees),
      etatRetour_(Etat::Donnees),
      etatTexte_(Etat::Donnees),
      differer_(visiteur.DetailsALaDemande()),
      valeur_(jeu, kMaxValeurHtml) {}

const PositionHtml& BaliseHtml::Position() const {
  if (differe != nullptr) differe->Completer(*this);
  return position;
}

const std::string& BaliseHtml::Source() const {
  if (differe != nullptr) differe->Completer(*this);
  return source;
}

void LecteurHtml::Completer(const BaliseHtml& balise) {
  balise.differe = nullptr;
  balise.position = PositionBalise();
  FormerSource(finBalise_, balise.source);
}

void LecteurHtml::Lire(const char* octets, std::size_t n) {
  const char* p = octets;
  const char* const fin = octets + n;
  // The byte order mark is no text, but its bytes count in offsets.
  std::size_t saut = 0;
  if (octet_ < marque_) saut = std::min<std::uint64_t>(marque_ - octet_, n);
  p += saut;
  debutBloc_ = p;
  octetBloc_ = octet_ + saut;
  positions_.NouveauBloc(p, fin, octetBloc_);
  if (capture_) debutCapture_ = p;
  if (captureTexte_) debutTexte_ = p;
  Decouper(p, fin);
  CapturerSource(fin);
  if (captureTexte_) {
    const std::size_t place = kMaxSourceBrute - std::min(kMaxSourceBrute, texteFinTete_.size());
    texteFinTete_.append(debutTexte_, std::min(place, static_cast<std::size_t>(fin - debutTexte_)));
    debutTexte_ = fin;
  }
  finBloc_ = fin;
  // A tag open at the block's end: its position is taken while its bytes are here.
  if (!positionConnue_) PositionBalise();
  positions_.Avancer(fin);
  octet_ += n;
}

void LecteurHtml::CapturerSource(const char* fin) {
  if (!capture_) return;
  const std::size_t n = static_cast<std::size_t>(fin - debutCapture_);
  octetsSource_ += n;
  const std::size_t place = kMaxSourceBrute - std::min(kMaxSourceBrute, sourceBrute_.size());
  sourceBrute_.append(debutCapture_, std::min(place, n));
  debutCapture_ = fin;
}

void LecteurHtml::FormerSource(const char* fin, std::string& source) {
  const std::size_t n = static_cast<std::size_t>(fin - debutCapture_);
  if (sourceBrute_.empty() && octetsSource_ == 0 && n <= kMaxSourceHtml) {
    source.assign(debutCapture_, fin);  // the common tag, whole in its block
    return;
  }
  octetsSource_ += n;
  const std::size_t place = kMaxSourceBrute - std::min(kMaxSourceBrute, sourceBrute_.size());
  sourceBrute_.append(debutCapture_, std::min(place, n));
  debutCapture_ = fin;
  SourceFormee(sourceBrute_, octetsSource_, source);
}

void LecteurHtml::SourceFormee(const std::string& brut, std::uint64_t total,
                               std::string& source) const {
  if (total == brut.size() && brut.size() <= kMaxSourceHtml) {
    source.assign(brut);
    return;
  }
  const char* p = brut.data();
  const char* const fin = p + brut.size();
  std::size_t caracteres = 0;
  while (p < fin && caracteres < kMaxSourceHtml) {
    std::size_t n = 1;
    if (jeu_ == JeuCaracteres::Utf8 && static_cast<unsigned char>(*p) >= 0x80) {
      n = std::max<std::size_t>(1, longueurUtf8(p, static_cast<std::size_t>(fin - p)));
    }
    p += n;
    ++caracteres;
  }
  if (p == fin && total <= brut.size()) {
    source.assign(brut);
    return;
  }
  source.assign(brut.data(), static_cast<std::size_t>(p - brut.data()));
  source += "...";
}

void LecteurHtml::ConvertirNom(const std::string& brut, std::string& nom) const {
  nom.clear();
  bool simple = true;
  for (char c : brut) simple = simple && c != '\0' && static_cast<unsigned char>(c) < 0x80;
  if (simple) {
    nom.assign(brut, 0, std::min(brut.size(), kMaxNomHtml));
    return;
  }
  for (std::size_t i = 0; i < brut.size() && nom.size() < kMaxNomHtml;) {
    const char* p = brut.data() + i;
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == 0) {
      ajouterUtf8(0xFFFD, nom);
      ++i;
    } else if (c < 0x80) {
      nom += *p;
      ++i;
    } else {
      std::size_t n = jeu_ == JeuCaracteres::Utf8 ? longueurUtf8(p, brut.size() - i) : 0;
      if (n > 0) {
        nom.append(p, n);
      } else {
        ajouterUtf8(unicodeDe1252(c), nom);
        n = 1;
      }
      i += n;
    }
  }
}

void LecteurHtml::Emettre(const char* debut, const char* fin) {
  if (debut == fin || !constructeur_.VeutCaracteres()) return;
  const char* fini = constructeur_.Caracteres(debut, fin);
  if (fini != nullptr) {
    captureTexte_ = true;
    texteFinTete_.clear();
    debutTexte_ = fini;
  }
}

void LecteurHtml::EmettrePoint(char32_t point, const PositionHtml& position,
                               const std::string& prefixe, const char* ici) {
  if (!constructeur_.VeutCaracteres()) return;
  if (constructeur_.Point(point, position)) {
    captureTexte_ = true;
    texteFinTete_ = prefixe;
    debutTexte_ = ici;
  }
}

void LecteurHtml::EmettreAscii(const std::string& texte, const PositionHtml& position,
                               const char* ici) {
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (!constructeur_.VeutCaracteres()) return;
    if (constructeur_.Point(static_cast<unsigned char>(texte[i]), position)) {
      captureTexte_ = true;
      texteFinTete_ = texte.substr(i);
      debutTexte_ = ici;
    }
  }
}

void LecteurHtml::FinirTexteFinTete(const char* p) {
  if (!captureTexte_) return;
  const std::size_t place = kMaxSourceBrute - std::min(kMaxSourceBrute, texteFinTete_.size());
  const std::size_t n = static_cast<std::size_t>(p - debutTexte_);
  texteFinTete_.append(debutTexte_, std::min(place, n));
  std::string source;
  SourceFormee(texteFinTete_, texteFinTete_.size() + (n > place), source);
  constructeur_.SourceFinTete(std::move(source));
  captureTexte_ = false;
}

void LecteurHtml::OuvrirBalise(const char* p) {
  FinirTexteFinTete(p);
  debutBalise_ = p;
  positionConnue_ = false;
  capture_ = true;
  debutCapture_ = p;
  sourceBrute_.clear();
  octetsSource_ = 0;
}

void LecteurHtml::NouvelleBalise(bool fermante) {
  fermante_ = fermante;
  balise_.nom.clear();
  nomSimple_ = true;
  balise_.nombreAttributs = 0;
  balise_.autoFermante = false;
  balise_.attributsLus = false;
  attribut_ = nullptr;
  garder_ = false;
}

void LecteurHtml::FinirNomBalise() {
  std::string& nom = balise_.nom;
  if (fermante_ && constructeur_.LitLeCorps()) {
    // In the body, an end tag matters only for <template>'s depth.
    genre_ = nom.size() == 8 && std::memcmp(nom.data(), "template", 8) == 0 ? NomConnu::Template
                                                                          : NomConnu::Autre;
    garder_ = false;
    return;
  }
  if (nomSimple_) {
    if (nom.size() > kMaxNomHtml) nom.resize(kMaxNomHtml);
  } else {
    nomBrut_.swap(nom);
    ConvertirNom(nomBrut_, nom);
  }
  genre_ = nomConnu(balise_.nom);
  garder_ = !fermante_ && constructeur_.GarderAttributs(genre_);
  balise_.attributsLus = garder_;
}

void LecteurHtml::NouvelAttribut() {
  nomAttribut_.clear();
  attribut_ = nullptr;
}

void LecteurHtml::FinirNomAttribut() {
  attribut_ = nullptr;
  if (!garder_ || balise_.nombreAttributs >= kMaxAttributsHtml) return;
  std::string nom;
  ConvertirNom(nomAttribut_, nom);
  // A name already seen: the parser keeps the first.
  if (balise_.Attribut(nom) != nullptr) return;
  if (balise_.attributs.size() == balise_.nombreAttributs) balise_.attributs.emplace_back();
  attribut_ = &balise_.attributs[balise_.nombreAttributs++];
  attribut_->nom.swap(nom);
  valeur_.Commencer(attribut_->valeur);
  attribut_->longueur = 0;
  attribut_->tronquee = false;
}

void LecteurHtml::FinirValeur() {
  if (attribut_ == nullptr) return;
  valeur_.Finir();
  attribut_->longueur = valeur_.Longueur();
  attribut_->tronquee = valeur_.Tronque();
  attribut_ = nullptr;
}

void LecteurHtml::EmettreBalise(const char* p) {
  FinirValeur();
  etat_ = Etat::Donnees;
  balise_.fin = octetBloc_ + static_cast<std::uint64_t>(p + 1 - debutBloc_);
  // An end tag's position and source matter only where it may end the head.
  if (!fermante_ || constructeur_.AvantCorps()) {
    if (!fermante_ && differer_ && constructeur_.LitLeCorps() && genre_ != NomConnu::Body &&
        genre_ != NomConnu::Head) {
      // Made on demand while the visitor has the tag (Completer).
      finBalise_ = p + 1;
      balise_.differe = this;
      balise_.position = PositionHtml();
      balise_.source.clear();
    } else {
      balise_.position = PositionBalise();
      FormerSource(p + 1, balise_.source);
    }
  }
  capture_ = false;
  if (fermante_) {
    constructeur_.BaliseFermante(balise_, genre_);
    return;
  }
  const ContenuHtml contenu = constructeur_.BaliseOuvrante(balise_, genre_);
  if (balise_.differe != nullptr) {
    // Not asked for: the position is never to be counted.
    balise_.differe = nullptr;
    positionConnue_ = true;
  }
  switch (contenu) {
    case ContenuHtml::Donnees:
      return;
    case ContenuHtml::Rcdata:
      etat_ = Etat::Rcdata;
      break;
    case ContenuHtml::Rawtext:
      etat_ = Etat::Rawtext;
      break;
    case ContenuHtml::Script:
      etat_ = Etat::Script;
      break;
    case ContenuHtml::Plaintext:
      etat_ = Etat::Plaintext;
      return;
  }
  nomFinAttendu_ = balise_.nom;
}

void LecteurHtml::EmettreCommentaire() {
  capture_ = false;
  etat_ = Etat::Donnees;
  constructeur_.Commentaire();
}

void LecteurHtml::NouveauDoctype() {
  doctype_ = DoctypeHtml();
  doctype_.present = true;
  doctype_.position = PositionBalise();
  etat_ = Etat::Doctype;
}

void LecteurHtml::EmettreDoctype(const char* p) {
  CapturerSource(p);
  capture_ = false;
  SourceFormee(sourceBrute_, octetsSource_, doctype_.source);
  std::string brut;
  brut.swap(doctype_.nom);
  ConvertirNom(brut, doctype_.nom);
  for (std::string* identifiant : {&doctype_.identifiantPublic, &doctype_.identifiantSysteme}) {
    std::string texte;
    TexteDecode decode(jeu_, kMaxValeurHtml);
    decode.Commencer(texte);
    for (char c : *identifiant) {
      if (c == '\0') {
        decode.AjouterPoint(0xFFFD);
      } else {
        decode.AjouterBrut(&c, 1);
      }
    }
    decode.Finir();
    identifiant->swap(texte);
  }
  etat_ = Etat::Donnees;
  constructeur_.Doctype(doctype_);
}

bool LecteurHtml::FinBaliseAppropriee() const { return balise_.nom == nomFinAttendu_; }

bool LecteurHtml::RefDansAttribut() const { return etatValeur(etatRetour_); }

void LecteurHtml::CommencerReference(const char* p) {
  ref_.clear();
  if (!RefDansAttribut() && constructeur_.AvantCorps()) positionRef_ = positions_.En(p);
  etat_ = Etat::Reference;
}

void LecteurHtml::RendreBrutRef(const std::string& brut, const char* ici) {
  if (brut.empty()) return;
  if (RefDansAttribut()) {
    if (attribut_ != nullptr) valeur_.AjouterBrut(brut.data(), brut.size());
  } else {
    EmettreAscii(brut, positionRef_, ici);
  }
}

void LecteurHtml::AjouterCaractereRef(char32_t point, const char* ici) {
  if (RefDansAttribut()) {
    if (attribut_ != nullptr) valeur_.AjouterPoint(point);
  } else {
    EmettrePoint(point, positionRef_, "&" + ref_, ici);
  }
}

void LecteurHtml::FinirReferenceNommee(int suivant, const char* ici) {
  etat_ = etatRetour_;
  std::size_t longueur = 0;
  const EntiteNommee* entite = entiteLaPlusLongue(ref_.data(), ref_.size(), longueur);
  if (entite != nullptr && ref_[longueur - 1] != ';' && RefDansAttribut()) {
    // In an attribute, a name without ';' followed by '=' or a letter or
    // digit is no reference (the legacy rule).
    const int apres = longueur < ref_.size() ? static_cast<unsigned char>(ref_[longueur]) : suivant;
    if (apres == '=' || (apres >= 0 && alphanum(static_cast<char>(apres)))) entite = nullptr;
  }
  if (entite == nullptr) {
    RendreBrutRef("&" + ref_, ici);
    return;
  }
  AjouterCaractereRef(entite->points[0], ici);
  if (entite->points[1] != 0) AjouterCaractereRef(entite->points[1], ici);
  RendreBrutRef(ref_.substr(longueur), ici);
}

void LecteurHtml::FinirReferenceNumerique(const char* ici) {
  etat_ = etatRetour_;
  char32_t point = valeurRef_;
  if (point == 0 || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    point = 0xFFFD;
  } else if (point >= 0x80 && point <= 0x9F) {
    // The C1 controls are read as Windows-1252's characters where it has one.
    const char32_t remplace = unicodeDe1252(static_cast<unsigned char>(point));
    if (remplace != 0xFFFD) point = remplace;
  }
  AjouterCaractereRef(point, ici);
}

void LecteurHtml::FinirReference(int suivant, const char* ici) {
  switch (etat_) {
    case Etat::Reference:
      etat_ = etatRetour_;
      RendreBrutRef("&", ici);
      break;
    case Etat::ReferenceNommee:
      FinirReferenceNommee(suivant, ici);
      break;
    case Etat::ReferenceNumerique:
    case Etat::ReferenceHexDebut:
    case Etat::ReferenceDecDebut:
      etat_ = etatRetour_;
      RendreBrutRef("&" + ref_, ici);
      break;
    case Etat::ReferenceHex:
    case Etat::ReferenceDec:
      FinirReferenceNumerique(ici);
      break;
    default:
      break;
  }
}

const char* LecteurHtml::Donnees(const char* p, const char* fin) {
  const bool texte = constructeur_.VeutCaracteres();
  switch (etat_) {
    case Etat::Donnees:
    case Etat::Rcdata: {
      const char* q = texte ? chercherDeux(p, fin, '<', '&') : chercher(p, fin, '<');
      Emettre(p, q);
      if (q == fin) return fin;
      if (*q == '&') {
        etatRetour_ = etat_;
        CommencerReference(q);
        return q + 1;
      }
      if (etat_ == Etat::Donnees) {
        OuvrirBalise(q);
        etat_ = Etat::OuvertureBalise;
        if (fin - q > 1 && lettre(q[1])) {
          // The common start tag: straight to its name.
          NouvelleBalise(false);
          etat_ = Etat::NomBalise;
        }
      } else {
        etatTexte_ = etat_;
        etat_ = Etat::TexteInf;
        debutBalise_ = q;
  positionConnue_ = false;
        capture_ = true;
        debutCapture_ = q;
        sourceBrute_.clear();
        octetsSource_ = 0;
      }
      return q + 1;
    }
    case Etat::Rawtext:
    case Etat::Script: {
      const char* q = chercher(p, fin, '<');
      Emettre(p, q);
      if (q == fin) return fin;
      etatTexte_ = etat_;
      etat_ = Etat::TexteInf;
      debutBalise_ = q;
  positionConnue_ = false;
      capture_ = true;
      debutCapture_ = q;
      sourceBrute_.clear();
      octetsSource_ = 0;
      return q + 1;
    }
    default:  // Plaintext
      Emettre(p, fin);
      return fin;
  }
}

// The attribute states of a tag whose attributes are not kept: the same
// moves as Decouper's, the state held in a register, to the tag's end or the
// block's.
const char* LecteurHtml::SauterAttributs(const char* p, const char* const fin) {
  Etat e = etat_;
  while (p < fin) {
    const char c = *p;
    switch (e) {
      case Etat::AvantNomAttribut:
        if (blanc(c)) {
          ++p;
        } else if (c == '/' || c == '>') {
          e = Etat::ApresNomAttribut;
        } else {
          if (c == '=') ++p;
          e = Etat::NomAttribut;
        }
        break;
      case Etat::NomAttribut:
        while (p < fin && !blanc(*p) && *p != '/' && *p != '>' && *p != '=') ++p;
        if (p == fin) break;
        if (*p == '=') {
          e = Etat::AvantValeur;
          ++p;
        } else {
          e = Etat::ApresNomAttribut;
        }
        break;
      case Etat::ApresNomAttribut:
      case Etat::ApresValeur:
        if (blanc(c)) {
          e = e == Etat::ApresValeur ? Etat::AvantNomAttribut : e;
          ++p;
        } else if (c == '/') {
          e = Etat::AutoFermante;
          ++p;
        } else if (c == '=' && e == Etat::ApresNomAttribut) {
          e = Etat::AvantValeur;
          ++p;
        } else if (c == '>') {
          EmettreBalise(p);
          return p + 1;
        } else {
          e = e == Etat::ApresValeur ? Etat::AvantNomAttribut : Etat::NomAttribut;
        }
        break;
      case Etat::AvantValeur:
        if (blanc(c)) {
          ++p;
        } else if (c == '"' || c == '\'') {
          e = c == '"' ? Etat::ValeurGuillemets : Etat::ValeurApostrophes;
          ++p;
        } else if (c == '>') {
          EmettreBalise(p);
          return p + 1;
        } else {
          e = Etat::ValeurNue;
        }
        break;
      case Etat::ValeurGuillemets:
      case Etat::ValeurApostrophes: {
        const char* q = chercher(p, fin, e == Etat::ValeurGuillemets ? '"' : '\'');
        if (q == fin) {
          p = fin;
          break;
        }
        p = q + 1;
        e = Etat::ApresValeur;
        break;
      }
      case Etat::ValeurNue:
        // A '&' or a NUL in it changes nothing when the value is not kept.
        while (p < fin && !blanc(*p) && *p != '>') ++p;
        if (p == fin) break;
        if (*p == '>') {
          EmettreBalise(p);
          return p + 1;
        }
        e = Etat::AvantNomAttribut;
        ++p;
        break;
      case Etat::AutoFermante:
        if (c == '>') {
          balise_.autoFermante = true;
          EmettreBalise(p);
          return p + 1;
        }
        e = Etat::AvantNomAttribut;
        break;
      default:
        etat_ = e;
        return p;
    }
  }
  etat_ = e;
  return p;
}

// The states of script data within "<!--", one character at a time.
void LecteurHtml::ScriptEchappe(const char*& p) {
  const char c = *p;
  switch (etat_) {
    case Etat::ScriptEchapDebut:
      if (c == '-') {
        etat_ = Etat::ScriptEchapDebutTiret;
        ++p;
      } else {
        etat_ = Etat::Script;
      }
      return;
    case Etat::ScriptEchapDebutTiret:
      if (c == '-') {
        etat_ = Etat::ScriptEchapTiretTiret;
        ++p;
      } else {
        etat_ = Etat::Script;
      }
      return;
    case Etat::ScriptEchap:
    case Etat::ScriptEchapTiret:
    case Etat::ScriptEchapTiretTiret:
      ++p;
      if (c == '<') {
        etatTexte_ = Etat::ScriptEchap;
        etat_ = Etat::TexteInf;
        debutBalise_ = p - 1;
  positionConnue_ = false;
        capture_ = true;
        debutCapture_ = p - 1;
        sourceBrute_.clear();
        octetsSource_ = 0;
      } else if (c == '-') {
        etat_ = etat_ == Etat::ScriptEchap ? Etat::ScriptEchapTiret : Etat::ScriptEchapTiretTiret;
      } else if (c == '>' && etat_ == Etat::ScriptEchapTiretTiret) {
        etat_ = Etat::Script;
      } else {
        etat_ = Etat::ScriptEchap;
      }
      return;
    case Etat::ScriptDoubleDebut:
    case Etat::ScriptDoubleFin:
      if (blanc(c) || c == '/' || c == '>') {
        const bool script = tampon_ == "script";
        if (etat_ == Etat::ScriptDoubleDebut) {
          etat_ = script ? Etat::ScriptDouble : Etat::ScriptEchap;
        } else {
          etat_ = script ? Etat::ScriptEchap : Etat::ScriptDouble;
        }
        ++p;
      } else if (lettre(c)) {
        if (tampon_.size() < 8) tampon_ += minuscule(c);
        ++p;
      } else {
        etat_ = etat_ == Etat::ScriptDoubleDebut ? Etat::ScriptEchap : Etat::ScriptDouble;
      }
      return;
    case Etat::ScriptDouble:
    case Etat::ScriptDoubleTiret:
    case Etat::ScriptDoubleTiretTiret:
      ++p;
      if (c == '<') {
        etat_ = Etat::ScriptDoubleInf;
      } else if (c == '-') {
        etat_ = etat_ == Etat::ScriptDouble ? Etat::ScriptDoubleTiret : Etat::ScriptDoubleTiretTiret;
      } else if (c == '>' && etat_ == Etat::ScriptDoubleTiretTiret) {
        etat_ = Etat::Script;
      } else {
        etat_ = Etat::ScriptDouble;
      }
      return;
    case Etat::ScriptDoubleInf:
      if (c == '/') {
        tampon_.clear();
        etat_ = Etat::ScriptDoubleFin;
        ++p;
      } else {
        etat_ = Etat::ScriptDouble;
      }
      return;
    default:
      return;
  }
}

void LecteurHtml::Decouper(const char* p, const char* const fin) {
  while (p < fin) {
    const char c = *p;
    switch (etat_) {
      case Etat::Donnees:
      case Etat::Rcdata:
      case Etat::Rawtext:
      case Etat::Script:
      case Etat::Plaintext:
        p = Donnees(p, fin);
        break;

      case Etat::OuvertureBalise:
        if (c == '!') {
          correspondance_ = 0;
          etat_ = Etat::DeclarationOuverte;
          ++p;
        } else if (c == '/') {
          etat_ = Etat::OuvertureFin;
          ++p;
        } else if (lettre(c)) {
          NouvelleBalise(false);
          etat_ = Etat::NomBalise;
        } else if (c == '?') {
          capture_ = false;
          etat_ = Etat::CommentaireFaux;
        } else {
          capture_ = false;
          etat_ = Etat::Donnees;
          EmettreAscii("<", PositionBalise(), p);
        }
        break;

      case Etat::OuvertureFin:
        if (lettre(c)) {
          NouvelleBalise(true);
          etat_ = Etat::NomBalise;
        } else if (c == '>') {
          capture_ = false;
          etat_ = Etat::Donnees;
          constructeur_.Commentaire();
          ++p;
        } else {
          capture_ = false;
          etat_ = Etat::CommentaireFaux;
        }
        break;

      case Etat::NomBalise: {
        // The name goes lower-cased straight into the tag; a NUL or a byte
        // beyond ASCII sends it through ConvertirNom at its end.
        std::string& nom = balise_.nom;
        const char* q = p;
        while (q < fin && !blanc(*q) && *q != '/' && *q != '>') ++q;
        if (fermante_ && q < fin && nom.empty() && constructeur_.LitLeCorps()) {
          // An end tag of the body, its name whole in the block: only
          // <template>'s depth hangs on it (as in FinirNomBalise).
          bool modele = q - p == 8;
          for (int i = 0; modele && i < 8; ++i) modele = minuscule(p[i]) == "template"[i];
          genre_ = modele ? NomConnu::Template : NomConnu::Autre;
          garder_ = false;
          p = q;
          if (*p == '>') {
            EmettreBalise(p);
            ++p;
          } else {
            etat_ = *p == '/' ? Etat::AutoFermante : Etat::AvantNomAttribut;
            p = SauterAttributs(p + 1, fin);
          }
          break;
        }
        if (nom.size() < kMaxNomHtml + 8) {
          const std::size_t debut = nom.size();
          nom.append(p, std::min(static_cast<std::size_t>(q - p), kMaxNomHtml + 8));
          char* lettres = &nom[0];
          unsigned char ou = 0;
          bool nul = false;
          for (std::size_t i = debut; i < nom.size(); ++i) {
            const char o = lettres[i];
            ou |= static_cast<unsigned char>(o);
            nul = nul || o == '\0';
            lettres[i] = minuscule(o);
          }
          nomSimple_ = nomSimple_ && ou < 0x80 && !nul;
        }
        p = q;
        if (p == fin) break;
        FinirNomBalise();
        if (*p == '>') {
          EmettreBalise(p);
          ++p;
        } else {
          etat_ = *p == '/' ? Etat::AutoFermante : Etat::AvantNomAttribut;
          ++p;
          if (!garder_) p = SauterAttributs(p, fin);
        }
        break;
      }

      case Etat::TexteInf:
        if (c == '/') {
          etat_ = Etat::TexteFinOuverte;
          ++p;
        } else if (c == '!' && etatTexte_ == Etat::Script) {
          capture_ = false;
          etat_ = Etat::ScriptEchapDebut;
          ++p;
        } else if (lettre(c) && etatTexte_ == Etat::ScriptEchap) {
          capture_ = false;
          tampon_.clear();
          etat_ = Etat::ScriptDoubleDebut;
        } else {
          capture_ = false;
          etat_ = etatTexte_;
          EmettreAscii("<", PositionBalise(), p);
        }
        break;

      case Etat::TexteFinOuverte:
        if (lettre(c)) {
          NouvelleBalise(true);
          tampon_.clear();
          etat_ = Etat::TexteFinNom;
        } else {
          capture_ = false;
          etat_ = etatTexte_;
          EmettreAscii("</", PositionBalise(), p);
        }
        break;

      case Etat::TexteFinNom:
        if (lettre(c)) {
          if (balise_.nom.size() < 16) {
            balise_.nom += minuscule(c);
            tampon_ += c;
          } else {
            balise_.nom += '?';  // no raw-text element has so long a name
          }
          ++p;
        } else if ((blanc(c) || c == '/' || c == '>') && FinBaliseAppropriee()) {
          FinirNomBalise();
          if (c == '>') {
            EmettreBalise(p);
          } else {
            etat_ = c == '/' ? Etat::AutoFermante : Etat::AvantNomAttribut;
          }
          ++p;
        } else {
          capture_ = false;
          etat_ = etatTexte_;
          EmettreAscii("</" + tampon_, PositionBalise(), p);
        }
        break;

      case Etat::ScriptEchapDebut:
      case Etat::ScriptEchapDebutTiret:
      case Etat::ScriptEchap:
      case Etat::ScriptEchapTiret:
      case Etat::ScriptEchapTiretTiret:
      case Etat::ScriptDoubleDebut:
      case Etat::ScriptDouble:
      case Etat::ScriptDoubleTiret:
      case Etat::ScriptDoubleTiretTiret:
      case Etat::ScriptDoubleInf:
      case Etat::ScriptDoubleFin:
        ScriptEchappe(p);
        break;

      case Etat::AvantNomAttribut:
        if (blanc(c)) {
          ++p;
        } else if (c == '/' || c == '>') {
          etat_ = Etat::ApresNomAttribut;
        } else {
          NouvelAttribut();
          if (c == '=') {
            nomAttribut_ += c;
            ++p;
          }
          etat_ = Etat::NomAttribut;
        }
        break;

      case Etat::NomAttribut: {
        const char* q = p;
        while (q < fin && !blanc(*q) && *q != '/' && *q != '>' && *q != '=') ++q;
        if (garder_ && nomAttribut_.size() < kMaxNomHtml + 8) {
          const std::size_t n = std::min(static_cast<std::size_t>(q - p), kMaxNomHtml + 8);
          const std::size_t debut = nomAttribut_.size();
          nomAttribut_.append(p, n);
          for (std::size_t i = debut; i < nomAttribut_.size(); ++i) {
            nomAttribut_[i] = minuscule(nomAttribut_[i]);
          }
        }
        p = q;
        if (p == fin) break;
        FinirNomAttribut();
        if (*p == '=') {
          etat_ = Etat::AvantValeur;
          ++p;
        } else {
          etat_ = Etat::ApresNomAttribut;
        }
        break;
      }

      case Etat::ApresNomAttribut:
        if (blanc(c)) {
          ++p;
        } else if (c == '/') {
          etat_ = Etat::AutoFermante;
          ++p;
        } else if (c == '=') {
          etat_ = Etat::AvantValeur;
          ++p;
        } else if (c == '>') {
          EmettreBalise(p);
          ++p;
        } else {
          NouvelAttribut();
          etat_ = Etat::NomAttribut;
        }
        break;

      case Etat::AvantValeur:
        if (blanc(c)) {
          ++p;
        } else if (c == '"') {
          etat_ = Etat::ValeurGuillemets;
          ++p;
        } else if (c == '\'') {
          etat_ = Etat::ValeurApostrophes;
          ++p;
        } else if (c == '>') {
          EmettreBalise(p);
          ++p;
        } else {
          etat_ = Etat::ValeurNue;
        }
        break;

      case Etat::ValeurGuillemets:
      case Etat::ValeurApostrophes: {
        const char guillemet = etat_ == Etat::ValeurGuillemets ? '"' : '\'';
        if (attribut_ == nullptr) {
          const char* q = chercher(p, fin, guillemet);
          if (q == fin) {
            p = fin;
            break;
          }
          p = q + 1;
          etat_ = Etat::ApresValeur;
          break;
        }
        const char* q = p;
        while (q < fin && *q != guillemet && *q != '&' && *q != '\0') ++q;
        valeur_.AjouterBrut(p, static_cast<std::size_t>(q - p));
        p = q;
        if (p == fin) break;
        if (*p == guillemet) {
          FinirValeur();
          etat_ = Etat::ApresValeur;
        } else if (*p == '&') {
          etatRetour_ = etat_;
          CommencerReference(p);
        } else {
          valeur_.AjouterPoint(0xFFFD);
        }
        ++p;
        break;
      }

      case Etat::ValeurNue: {
        const char* q = p;
        while (q < fin && !blanc(*q) && *q != '>' && *q != '&' && *q != '\0') ++q;
        if (attribut_ != nullptr) valeur_.AjouterBrut(p, static_cast<std::size_t>(q - p));
        p = q;
        if (p == fin) break;
        if (blanc(*p)) {
          FinirValeur();
          etat_ = Etat::AvantNomAttribut;
        } else if (*p == '>') {
          EmettreBalise(p);
        } else if (*p == '&') {
          if (attribut_ != nullptr) {
            etatRetour_ = etat_;
            CommencerReference(p);
          }
        } else if (attribut_ != nullptr) {
          valeur_.AjouterPoint(0xFFFD);
        }
        ++p;
        break;
      }

      case Etat::ApresValeur:
        if (blanc(c)) {
          etat_ = Etat::AvantNomAttribut;
          ++p;
        } else if (c == '/') {
          etat_ = Etat::AutoFermante;
          ++p;
        } else if (c == '>') {
          EmettreBalise(p);
          ++p;
        } else {
          etat_ = Etat::AvantNomAttribut;
        }
        break;

      case Etat::AutoFermante:
        if (c == '>') {
          balise_.autoFermante = true;
          EmettreBalise(p);
          ++p;
        } else {
          etat_ = Etat::AvantNomAttribut;
        }
        break;

      case Etat::CommentaireFaux: {
        capture_ = false;
        const char* q = chercher(p, fin, '>');
        if (q == fin) {
          p = fin;
          break;
        }
        EmettreCommentaire();
        p = q + 1;
        break;
      }

      case Etat::DeclarationOuverte:
        if (correspondance_ == 0) {
          if (c == '-') {
            motCle_ = "--";
          } else if (minuscule(c) == 'd') {
            motCle_ = "doctype";
          } else {
            etat_ = Etat::CommentaireFaux;
            break;
          }
          correspondance_ = 1;
          ++p;
        } else if (minuscule(c) == motCle_[correspondance_]) {
          ++correspondance_;
          ++p;
          if (motCle_[correspondance_] == '\0') {
            if (motCle_[0] == '-') {
              capture_ = false;
              etat_ = Etat::CommentaireDebut;
            } else {
              NouveauDoctype();
            }
          }
        } else {
          etat_ = Etat::CommentaireFaux;
        }
        break;

      case Etat::CommentaireDebut:
      case Etat::CommentaireDebutTiret:
        if (c == '-') {
          etat_ = etat_ == Etat::CommentaireDebut ? Etat::CommentaireDebutTiret : Etat::CommentaireFin;
          ++p;
        } else if (c == '>') {
          EmettreCommentaire();
          ++p;
        } else {
          etat_ = Etat::Commentaire;
        }
        break;

      case Etat::Commentaire: {
        const char* q = chercher(p, fin, '-');
        if (q == fin) {
          p = fin;
          break;
        }
        etat_ = Etat::CommentaireFinTiret;
        p = q + 1;
        break;
      }

      case Etat::CommentaireFinTiret:
        if (c == '-') {
          etat_ = Etat::CommentaireFin;
          ++p;
        } else {
          etat_ = Etat::Commentaire;
        }
        break;

      case Etat::CommentaireFin:
        if (c == '>') {
          EmettreCommentaire();
          ++p;
        } else if (c == '!') {
          etat_ = Etat::CommentaireFinBang;
          ++p;
        } else if (c == '-') {
          ++p;
        } else {
          etat_ = Etat::Commentaire;
        }
        break;

      case Etat::CommentaireFinBang:
        if (c == '-') {
          etat_ = Etat::CommentaireFinTiret;
          ++p;
        } else if (c == '>') {
          EmettreCommentaire();
          ++p;
        } else {
          etat_ = Etat::Commentaire;
        }
        break;

      case Etat::Doctype:
        if (blanc(c)) ++p;
        etat_ = Etat::AvantNomDoctype;
        break;

      case Etat::AvantNomDoctype:
        if (blanc(c)) {
          ++p;
        } else if (c == '>') {
          doctype_.forceQuirks = true;
          EmettreDoctype(p + 1);
          ++p;
        } else {
          doctype_.nom += minuscule(c);
          etat_ = Etat::NomDoctype;
          ++p;
        }
        break;

      case Etat::NomDoctype:
        if (blanc(c)) {
          etat_ = Etat::ApresNomDoctype;
        } else if (c == '>') {
          EmettreDoctype(p + 1);
        } else if (doctype_.nom.size() < kMaxNomHtml) {
          doctype_.nom += minuscule(c);
        }
        ++p;
        break;

      case Etat::ApresNomDoctype:
        if (blanc(c)) {
          ++p;
        } else if (c == '>') {
          EmettreDoctype(p + 1);
          ++p;
        } else if (minuscule(c) == 'p' || minuscule(c) == 's') {
          motCle_ = minuscule(c) == 'p' ? "public" : "system";
          correspondance_ = 1;
          etat_ = Etat::MotCleDoctype;
          ++p;
        } else {
          doctype_.forceQuirks = true;
          etat_ = Etat::DoctypeFaux;
        }
        break;

      case Etat::MotCleDoctype:
        if (minuscule(c) == motCle_[correspondance_]) {
          ++correspondance_;
          ++p;
          if (motCle_[correspondance_] == '\0') {
            etat_ = motCle_[0] == 'p' ? Etat::ApresMotPublic : Etat::ApresMotSysteme;
          }
        } else {
          doctype_.forceQuirks = true;
          etat_ = Etat::DoctypeFaux;
        }
        break;

      case Etat::ApresMotPublic:
      case Etat::AvantPublic:
      case Etat::ApresMotSysteme:
      case Etat::AvantSysteme: {
        const bool publique = etat_ == Etat::ApresMotPublic || etat_ == Etat::AvantPublic;
        if (blanc(c)) {
          if (etat_ == Etat::ApresMotPublic) etat_ = Etat::AvantPublic;
          if (etat_ == Etat::ApresMotSysteme) etat_ = Etat::AvantSysteme;
          ++p;
        } else if (c == '"' || c == '\'') {
          if (publique) {
            doctype_.publicPresent = true;
            etat_ = c == '"' ? Etat::PublicGuillemets : Etat::PublicApostrophes;
          } else {
            doctype_.systemePresent = true;
            etat_ = c == '"' ? Etat::SystemeGuillemets : Etat::SystemeApostrophes;
          }
          ++p;
        } else if (c == '>') {
          doctype_.forceQuirks = true;
          EmettreDoctype(p + 1);
          ++p;
        } else {
          doctype_.forceQuirks = true;
          etat_ = Etat::DoctypeFaux;
        }
        break;
      }

      case Etat::PublicGuillemets:
      case Etat::PublicApostrophes:
      case Etat::SystemeGuillemets:
      case Etat::SystemeApostrophes: {
        const bool publique = etat_ == Etat::PublicGuillemets || etat_ == Etat::PublicApostrophes;
        const char guillemet =
            etat_ == Etat::PublicGuillemets || etat_ == Etat::SystemeGuillemets ? '"' : '\'';
        std::string& identifiant =
            publique ? doctype_.identifiantPublic : doctype_.identifiantSysteme;
        if (c == guillemet) {
          etat_ = publique ? Etat::ApresPublic : Etat::ApresSysteme;
        } else if (c == '>') {
          doctype_.forceQuirks = true;
          EmettreDoctype(p + 1);
        } else if (identifiant.size() < kMaxValeurHtml) {
          identifiant += c;
        }
        ++p;
        break;
      }

      case Etat::ApresPublic:
      case Etat::EntrePublicSysteme:
        if (blanc(c)) {
          etat_ = Etat::EntrePublicSysteme;
          ++p;
        } else if (c == '>') {
          EmettreDoctype(p + 1);
          ++p;
        } else if (c == '"' || c == '\'') {
          doctype_.systemePresent = true;
          etat_ = c == '"' ? Etat::SystemeGuillemets : Etat::SystemeApostrophes;
          ++p;
        } else {
          doctype_.forceQuirks = true;
          etat_ = Etat::DoctypeFaux;
        }
        break;

      case Etat::ApresSysteme:
        if (blanc(c)) {
          ++p;
        } else if (c == '>') {
          EmettreDoctype(p + 1);
          ++p;
        } else {
          etat_ = Etat::DoctypeFaux;
        }
        break;

      case Etat::DoctypeFaux: {
        const char* q = chercher(p, fin, '>');
        if (q == fin) {
          p = fin;
          break;
        }
        EmettreDoctype(q + 1);
        p = q + 1;
        break;
      }

      case Etat::Reference:
        if (alphanum(c)) {
          etat_ = Etat::ReferenceNommee;
        } else if (c == '#') {
          ref_ += '#';
          etat_ = Etat::ReferenceNumerique;
          ++p;
        } else {
          etat_ = etatRetour_;
          RendreBrutRef("&", p);
        }
        break;

      case Etat::ReferenceNommee:
        if (alphanum(c) && ref_.size() < kLongueurEntiteMax) {
          ref_ += c;
          ++p;
        } else if (c == ';' && ref_.size() < kLongueurEntiteMax) {
          ref_ += c;
          ++p;
          FinirReferenceNommee(-1, p);
        } else {
          FinirReferenceNommee(static_cast<unsigned char>(c), p);
        }
        break;

      case Etat::ReferenceNumerique:
        valeurRef_ = 0;
        if (c == 'x' || c == 'X') {
          ref_ += c;
          etat_ = Etat::ReferenceHexDebut;
          ++p;
        } else {
          etat_ = Etat::ReferenceDecDebut;
        }
        break;

      case Etat::ReferenceHexDebut:
      case Etat::ReferenceDecDebut:
        if (etat_ == Etat::ReferenceHexDebut ? hexa(c) >= 0 : chiffre(c)) {
          etat_ = etat_ == Etat::ReferenceHexDebut ? Etat::ReferenceHex : Etat::ReferenceDec;
        } else {
          etat_ = etatRetour_;
          RendreBrutRef("&" + ref_, p);
        }
        break;

      case Etat::ReferenceHex:
      case Etat::ReferenceDec: {
        const int base = etat_ == Etat::ReferenceHex ? 16 : 10;
        const int chiffreLu = base == 16 ? hexa(c) : (chiffre(c) ? c - '0' : -1);
        if (chiffreLu >= 0) {
          valeurRef_ = std::min<std::uint32_t>(valeurRef_ * base + chiffreLu, 0x110000);
          if (ref_.size() < 40) ref_ += c;
          ++p;
        } else {
          if (c == ';') {
            ref_ += c;
            ++p;
          }
          FinirReferenceNumerique(p);
        }
        break;
      }
    }
  }
}

void LecteurHtml::Finir() {
  const char* const fin = finBloc_;
  switch (etat_) {
    case Etat::Reference:
    case Etat::ReferenceNommee:
    case Etat::ReferenceNumerique:
    case Etat::ReferenceHexDebut:
    case Etat::ReferenceDecDebut:
    case Etat::ReferenceHex:
    case Etat::ReferenceDec:
      FinirReference(-1, fin);
      break;
    default:
      break;
  }
  switch (etat_) {
    case Etat::OuvertureBalise:
      EmettreAscii("<", PositionBalise(), fin);
      break;
    case Etat::OuvertureFin:
      EmettreAscii("</", PositionBalise(), fin);
      break;
    case Etat::TexteInf:
      EmettreAscii("<", PositionBalise(), fin);
      break;
    case Etat::TexteFinOuverte:
      EmettreAscii("</", PositionBalise(), fin);
      break;
    case Etat::TexteFinNom:
      EmettreAscii("</" + tampon_, PositionBalise(), fin);
      break;
    case Etat::DeclarationOuverte:
    case Etat::CommentaireFaux:
    case Etat::CommentaireDebut:
    case Etat::CommentaireDebutTiret:
    case Etat::Commentaire:
    case Etat::CommentaireFinTiret:
    case Etat::CommentaireFin:
    case Etat::CommentaireFinBang:
      EmettreCommentaire();
      break;
    case Etat::Doctype:
    case Etat::AvantNomDoctype:
    case Etat::NomDoctype:
    case Etat::ApresNomDoctype:
    case Etat::MotCleDoctype:
    case Etat::ApresMotPublic:
    case Etat::AvantPublic:
    case Etat::PublicGuillemets:
    case Etat::PublicApostrophes:
    case Etat::ApresPublic:
    case Etat::EntrePublicSysteme:
    case Etat::ApresMotSysteme:
    case Etat::AvantSysteme:
    case Etat::SystemeGuillemets:
    case Etat::SystemeApostrophes:
    case Etat::ApresSysteme:
      doctype_.forceQuirks = true;
      EmettreDoctype(fin);
      break;
    case Etat::DoctypeFaux:
      EmettreDoctype(fin);
      break;
    default:
      break;
  }
  capture_ = false;
  FinirTexteFinTete(fin);
  constructeur_.FinPage();
}
