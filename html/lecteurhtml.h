// LecteurHtml: reads a page as today's HTML parser does, fed its bytes block by
// block: the tokenizer over the whole page and the tree builder up to the
// body (scripting on), in bounded memory whatever the page's size.
#ifndef PAGEVET_HTML_LECTEURHTML_H_
#define PAGEVET_HTML_LECTEURHTML_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/jeucaracteres.h"
#include "html/compteurpositions.h"
#include "html/constructeurtete.h"
#include "html/jetonhtml.h"
#include "html/textedecode.h"

// Usage: decide the page's set from its first bytes (deciderJeu), then
//   LecteurHtml lecteur(decision.jeu, decision.marque, visiteur);
//   lecteur.Lire(bloc, n);  // each block in turn, from the file's first byte
//   lecteur.Finir();
//   lecteur.Entete();       // the DOCTYPE, <html>, what ended the head...
// The visitor (jetonhtml.h) receives the head's elements, every start tag and,
// when it asks, the page's text, as they are read.
class LecteurHtml {
 public:
  // marque: the byte order mark's length at the page's start (0 or 3): no
  // text, but counted in byte offsets. visiteur must outlive the reader.
  LecteurHtml(JeuCaracteres jeu, std::size_t marque, VisiteurHtml& visiteur);
  LecteurHtml(const LecteurHtml&) = delete;
  LecteurHtml& operator=(const LecteurHtml&) = delete;

  // The next n bytes of the page (any n, any cut, even within a character).
  void Lire(const char* octets, std::size_t n);
  // The page's end: finishes what is open (an unclosed comment is a
  // comment, an unfinished tag is dropped, as the parser does).
  void Finir();

  const EnteteHtml& Entete() const { return constructeur_.Entete(); }

  enum class Etat : unsigned char;

 private:
  friend struct BaliseHtml;
  // Makes the position and source of the start tag being handed out.
  void Completer(const BaliseHtml& balise);
  // The source of the tag from debutCapture_ to fin, into source.
  void FormerSource(const char* fin, std::string& source);

  void Decouper(const char* p, const char* fin);
  const char* Donnees(const char* p, const char* fin);

  // Characters of text for the tree builder.
  void Emettre(const char* debut, const char* fin);
  // A character no longer at hand at ici: a reference's (whose source is
  // prefixe), or a '<' that opened no tag.
  void EmettrePoint(char32_t point, const PositionHtml& position, const std::string& prefixe,
                    const char* ici);
  void EmettreAscii(const std::string& texte, const PositionHtml& position, const char* ici);
  void ScriptEchappe(const char*& p);

  // A '<' at p: where a tag may start.
  void OuvrirBalise(const char* p);
  void NouvelleBalise(bool fermante);
  void FinirNomBalise();
  void NouvelAttribut();
  void FinirNomAttribut();
  void FinirValeur();
  const char* SauterAttributs(const char* p, const char* fin);
  // Emits the tag ending at the '>' at p (or at the page's end); gives the
  // state to read on in.
  void EmettreBalise(const char* p);
  void EmettreCommentaire();
  void NouveauDoctype();
  void EmettreDoctype(const char* p);
  void CapturerSource(const char* fin);
  // The source as given out: at most kMaxSourceHtml characters, then "...".
  void SourceFormee(const std::string& brut, std::uint64_t total, std::string& source) const;
  void FinirTexteFinTete(const char* p);
  bool FinBaliseAppropriee() const;

  // Character references: '&' seen, in etatRetour_'s state.
  bool RefDansAttribut() const;
  void CommencerReference(const char* p);
  void FinirReferenceNommee(int suivant, const char* ici);
  void FinirReferenceNumerique(const char* ici);
  void AjouterCaractereRef(char32_t point, const char* ici);
  void RendreBrutRef(const std::string& brut, const char* ici);
  void FinirReference(int suivant, const char* ici);
  void ConvertirNom(const std::string& brut, std::string& nom) const;

  JeuCaracteres jeu_;
  std::size_t marque_;
  std::uint64_t octet_ = 0;  // bytes of the page read before the current block
  CompteurPositions positions_;
  ConstructeurTete constructeur_;

  Etat etat_;
  Etat etatRetour_;  // the state a character reference returns to
  Etat etatTexte_;   // the raw-text state a '<' in it returns to
  const char* debutBloc_ = nullptr;  // the current block's first byte of text
  std::uint64_t octetBloc_ = 0;      // its offset from the file's first byte
  const char* finBloc_ = nullptr;    // the end of the last block read
  std::string nomFinAttendu_;  // the raw-text element whose end tag ends its text

  const bool differer_;  // the visitor has body tags' details made on demand
  const char* finBalise_ = nullptr;  // the byte after the '>' of the tag handed out

  // The tag being read.
  BaliseHtml balise_;
  bool fermante_ = false;
  NomConnu genre_ = NomConnu::Autre;
  bool garder_ = false;        // its attributes are kept
  std::string nomBrut_;        // its raw name, when not all ASCII without NUL
  bool nomSimple_ = true;      // balise_.nom so far (lower-cased) is all ASCII without NUL
  std::string nomAttribut_;    // the current attribute's name so far
  AttributHtml* attribut_ = nullptr;  // where its value goes, or nullptr
  TexteDecode valeur_;
  // The '<' of the tag being read, and its position once asked.
  const char* debutBalise_ = nullptr;
  bool positionConnue_ = true;
  PositionHtml positionBalise_;
  const PositionHtml& PositionBalise() {
    if (!positionConnue_) {
      positionBalise_ = positions_.En(debutBalise_);
      positionConnue_ = true;
    }
    return positionBalise_;
  }

  // The source of the tag being read: bytes from capture_ in the current block.
  bool capture_ = false;
  const char* debutCapture_ = nullptr;
  std::string sourceBrute_;
  std::uint64_t octetsSource_ = 0;

  // The text that ended the head, captured up to the next tag.
  bool captureTexte_ = false;
  const char* debutTexte_ = nullptr;
  std::string texteFinTete_;

  // Temporary buffer of the raw-text end tag states and "script" matching.
  std::string tampon_;
  // Progress through a keyword ("--", "doctype", "public", "system").
  int correspondance_ = 0;
  const char* motCle_ = nullptr;

  // The DOCTYPE being read.
  DoctypeHtml doctype_;
  std::string* identifiant_ = nullptr;

  // The character reference being read: its characters after the '&'.
  std::string ref_;
  std::uint32_t valeurRef_ = 0;
  bool refChiffres_ = false;
  PositionHtml positionRef_;
};

#endif  // PAGEVET_HTML_LECTEURHTML_H_
