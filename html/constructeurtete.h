// The tree builder's first modes, from "initial" to "after head", run on the
// tokens of the HTML reader: it tells which elements the parser places in
// the head and what ended it, then only follows what the body needs.
#ifndef PAGEVET_HTML_CONSTRUCTEURTETE_H_
#define PAGEVET_HTML_CONSTRUCTEURTETE_H_

#include <cstddef>
#include <string>

#include "foundation/jeucaracteres.h"
#include "html/compteurpositions.h"
#include "html/jetonhtml.h"
#include "html/nomconnu.h"
#include "html/textedecode.h"

// How the tokenizer reads on after a start tag.
enum class ContenuHtml { Donnees, Rcdata, Rawtext, Script, Plaintext };

class ConstructeurTete {
 public:
  ConstructeurTete(JeuCaracteres jeu, VisiteurHtml& visiteur, CompteurPositions& positions);
  ConstructeurTete(const ConstructeurTete&) = delete;
  ConstructeurTete& operator=(const ConstructeurTete&) = delete;

  // Whether the tokenizer must keep the attributes of a start tag of this name.
  bool GarderAttributs(NomConnu g) const {
    return mode_ != Mode::Corps || toutes_ || g == NomConnu::Html || g == NomConnu::Link ||
           g == NomConnu::Meta || g == NomConnu::Base || g == NomConnu::Body;
  }
  // Whether the tokenizer must hand the characters over at all.
  bool VeutCaracteres() const { return veutCaracteres_; }
  // Whether the body is being read (tags no longer shape the head).
  bool LitLeCorps() const { return mode_ == Mode::Corps && !cadres_; }
  // Whether the head is still open to text: a non-white character ends it.
  bool AvantCorps() const { return mode_ != Mode::Corps && mode_ != Mode::Texte && modele_ == 0; }

  // A start tag, and its name's kind: gives how its content is read.
  ContenuHtml BaliseOuvrante(const BaliseHtml& balise, NomConnu g);
  void BaliseFermante(const BaliseHtml& balise, NomConnu g);
  void Commentaire();
  void Doctype(const DoctypeHtml& doctype);
  // Characters of the page, as bytes in its set; gives the first one that
  // ended the head, or nullptr.
  const char* Caracteres(const char* debut, const char* fin);
  // A character that stands for bytes no longer at hand (a reference's, or
  // a '<' that opened no tag), found at position; true when it ended the head.
  bool Point(char32_t point, const PositionHtml& position);
  // The source of the text that ended the head, up to the next tag.
  void SourceFinTete(std::string source) { entete_.sourceFinTete = std::move(source); }
  // The end of the page.
  void FinPage();

  const EnteteHtml& Entete() const { return entete_; }

 private:
  enum class Mode { Initial, AvantHtml, AvantTete, DansTete, ApresTete, Texte, Corps };

  ContenuHtml ElementDeTete(const BaliseHtml& balise, NomConnu g, bool& traite);
  ContenuHtml DansCorps(const BaliseHtml& balise, NomConnu g);
  void FusionnerHtml(const BaliseHtml& balise);
  void EntrerCorps() {
    mode_ = Mode::Corps;
    MettreAJour();
  }
  void FinirTitre();
  void FinirTeteParTexte(const PositionHtml& position);
  void FinirTexte(bool separe);
  void Separer() { separe_ = true; }
  void MettreAJour();
  // Ends initial mode without a DOCTYPE.
  void SansDoctype();

  VisiteurHtml& visiteur_;
  CompteurPositions& positions_;
  const bool toutes_;
  const bool mots_;
  EnteteHtml entete_;
  Mode mode_ = Mode::Initial;
  Mode modeOriginal_ = Mode::Initial;  // the mode text mode returns to
  bool veutCaracteres_ = true;

  // The raw-text element being read in text mode, and whether it is the title.
  bool titre_ = false;
  BaliseHtml baliseTitre_;
  std::string texteTitre_;
  TexteDecode decodeTitre_;

  // Depth of <template> elements: inside one in the head, nothing is the head's.
  int modele_ = 0;
  // In the body: depth of <template>, and whether the raw text being read
  // is no page text (script, style...).
  int modeleCorps_ = 0;
  bool texteExclu_ = false;
  bool cadres_ = false;  // a <frameset> took the body's place

  // The page's words, handed to the visitor a run at a time.
  std::string texteMots_;
  TexteDecode decodeMots_;
  bool separe_ = false;
  bool motsEnCours_ = false;
};

#endif  // PAGEVET_HTML_CONSTRUCTEURTETE_H_
