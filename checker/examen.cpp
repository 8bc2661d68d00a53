#include "checker/examen.h"

#include <cstring>
#include <memory>

#include "checker/balisesligne.h"
#include "checker/commentaireslignes.h"
#include "checker/diagnostic.h"
#include "checker/etatfichier.h"
#include "checker/metatags.h"
#include "checker/motscles.h"
#include "files/fichierpage.h"
#include "html/trthtml.h"

namespace {

// Copies the n characters of source, and a terminator, in lower case. The
// length is known and the buffers are distinct, so the loop runs without
// looking for the end and without branches, which lets it be vectorised.
void copierEnMinuscules(char* __restrict destination, const char* __restrict source, int n) {
  for (int i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(source[i]);
    destination[i] = static_cast<char>(c + ((static_cast<unsigned char>(c - 'A') < 26) << 5));
  }
  destination[n] = '\0';
}

// HEAD, BODY, meta and TITLE rules on a line that holds a '<', whose tags
// are balises.
void verifierBalises(EtatFichier& etat, const BalisesLigne& balises, int longueur) {
  const int nbBalises = balises.NombreBalises();
  const bool derniereOuverte = balises.DerniereOuverte();

  if (balises.Position(BalisesLigne::kHead) != nullptr) {
    if (etat.nbBody > 0) signalerAnomalie(etat, kHeadApresBody);
    ++etat.nbHead;
    if (etat.ligneHead == 0) etat.ligneHead = etat.numeroLigne;
    etat.dansHead = true;
    verifierTagsLigne(etat, derniereOuverte, nbBalises, 1);
  }
  if (balises.Position(BalisesLigne::kFinHead) != nullptr) {
    if (!etat.dansHead) signalerAnomalie(etat, kFinHeadMalPlacee);
    etat.dansHead = false;
    if (!etat.ligneSignalee) verifierTagsLigne(etat, derniereOuverte, nbBalises, 1);
  }
  if (!etat.options.simple) {
    if (balises.Position(BalisesLigne::kBody) != nullptr) {
      if (etat.dansHead) signalerAnomalie(etat, kPasDeFinHead);
      ++etat.nbBody;
      etat.dansBody = true;
    }
    if (balises.Position(BalisesLigne::kFinBody) != nullptr) {
      if (!etat.dansBody) signalerAnomalie(etat, kFinBodyMalPlacee);
      etat.dansBody = false;
    }
  }

  const char* const meta = balises.Position(BalisesLigne::kMeta);
  if (meta != nullptr) {
    // The meta-tag rules read the lower-case copy, which only such a line
    // needs.
    copierEnMinuscules(etat.minuscules, etat.ligne, longueur);
    verifierMeta(etat, etat.minuscules + (meta - etat.ligne), derniereOuverte, nbBalises);
  }

  const bool titre = balises.Position(BalisesLigne::kTitle) != nullptr;
  if (titre) {
    if (!etat.dansHead) ++etat.nbHorsHead;
    ++etat.nbTitle;
    // A title and its closing tag must stand on one line.
    const bool suite = etat.ligneSignalee || verifierTagsLigne(etat, derniereOuverte, nbBalises, 2);
    if (suite && balises.Position(BalisesLigne::kFinTitle) == nullptr) {
      signalerAnomalie(etat, kTitreIncomplet);
    }
  } else if (etat.dansHead && !etat.ligneSignalee && meta == nullptr) {
    verifierTagsLigne(etat, derniereOuverte, nbBalises, 1);
  }

  if (!etat.ligneSignalee && meta == nullptr && !titre && balises.BaliseInconnue()) {
    signalerAnomalie(etat, kBaliseInconnue);
  }
}

// Places the findings of the whole page, and of its keywords, on a line a
// tool can point at: the line of the first <head> tag, or line 1.
class PlacementPage : public RapportPage {
 public:
  PlacementPage(RapportPage& suite, int ligne) : suite_(suite), ligne_(ligne > 0 ? ligne : 1) {}
  void Debut(const char* chemin, JeuCaracteres jeu) override { suite_.Debut(chemin, jeu); }
  void Constate(const Signalement& signalement) override {
    Signalement place = signalement;
    place.ligne = ligne_;
    suite_.Constate(place);
  }
  void Fin() override { suite_.Fin(); }
  void Interrompue() override { suite_.Interrompue(); }

 private:
  RapportPage& suite_;
  const int ligne_;
};

// Reports the "No" or "Several" finding of a tag or a section counted
// `compte` times; a count of 1 says nothing.
void resumer(RapportPage& rapport, int compte, Constat sans, Constat plusieurs) {
  if (compte == 1) return;
  rapport.Constate(signalementPage(compte == 0 ? sans : plusieurs, compte));
}

void resumerPage(EtatFichier& etat) {
  PlacementPage rapport(etat.rapport, etat.ligneHead);
  if (!etat.options.simple) {
    for (int i = 0; i < NomsMeta::kNombre; ++i) {
      resumer(rapport, etat.compteursMeta[i], constatSans(i), constatPlusieurs(i));
    }
    resumer(rapport, etat.nbTitle, kSansTitre, kPlusieursTitres);
  }
  resumer(rapport, etat.nbHead, kSansHead, kPlusieursHeads);
  if (!etat.options.simple) resumer(rapport, etat.nbBody, kSansBody, kPlusieursBodies);
  if (etat.nbHorsHead > 0 && etat.nbHead > 0) {
    rapport.Constate(signalementPage(kHorsHead, etat.nbHorsHead));
  }
  if (etat.options.developpe) etat.motsCles.Rapporte(rapport);
}

}  // namespace

void examinerPage(const char* chemin, LecteurLignes& lecteur, const OptionsExamen& options,
                  RapportPage& rapport) {
  // An 8 KiB line buffer: kept off the stack. Made before the page opens,
  // so that memory running out leaves no page open in the report.
  auto etat = std::make_unique<EtatFichier>(options, rapport, lecteur.Jeu());
  rapport.Debut(chemin, lecteur.Jeu());
  // The page's comments for its pagevet-ignore directives, read from each
  // line before the classic removal, on the lines that hold a "<!" or
  // continue a comment.
  CommentairesLignes commentaires;
  examinerJusquAuBout(rapport, [&] {
    for (int longueur; (longueur = lecteur.LireLigne(etat->ligne, EtatFichier::kTailleLigne)) >= 0;) {
      ++etat->numeroLigne;
      const bool commentaireLu = commentaires.Ouvert() || etat->dansCommentaire;
      if (commentaireLu) commentaires.Ligne(etat->ligne, etat->numeroLigne, rapport);
      // A line that starts inside a comment has its comments removed first;
      // any other is read in one walk over its '<', which stops at a "<!":
      // its comments are then removed and what is left read again. Comments
      // are removed once a line, so what that leaves is read as it is, a
      // "<!" it joins included. A line left shorter than two characters is
      // passed over.
      const bool enCommentaire = etat->dansCommentaire;
      if (enCommentaire) longueur = supprimerCommentaires(etat->ligne, etat->dansCommentaire);
      if (longueur < 2) continue;
      BalisesLigne balises(etat->ligne, static_cast<size_t>(longueur), etat->options.balises, !enCommentaire);
      if (balises.Commentaire()) {
        if (!commentaireLu) commentaires.Ligne(etat->ligne, etat->numeroLigne, rapport);
        longueur = supprimerCommentaires(etat->ligne, etat->dansCommentaire);
        if (longueur < 2) continue;
        balises = BalisesLigne(etat->ligne, static_cast<size_t>(longueur), etat->options.balises);
      }
      etat->ligneSignalee = false;
      // A line with no '<' has no tag to check.
      if (balises.NombreBalises() > 0) verifierBalises(*etat, balises, longueur);
      if (etat->options.developpe) {
        etat->motsCles.NoteLigne(etat->ligne, static_cast<size_t>(longueur), balises, etat->jeu);
      }
    }
    resumerPage(*etat);
  });
}

void examinerFichier(const char* chemin, const OptionsExamen& options, RapportPage& rapport) {
  const FichierPage fichier(chemin);
  LecteurLignes lecteur(fichier, chemin);
  examinerPage(chemin, lecteur, options, rapport);
}
