#include "checker/examen.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "checker/balisesligne.h"
#include "checker/diagnostic.h"
#include "checker/etatfichier.h"
#include "checker/metatags.h"
#include "checker/motscles.h"
#include "files/ficbase.h"
#include "files/lecteurlignes.h"
#include "foundation/affichage.h"
#include "html/trthtml.h"

namespace {

// Reads the next piece of the page into etat.ligne, as fgets does, and turns
// a "\r\n" ending into "\n" so that CRLF pages read like LF pages. The
// line is a C string from here on: a NUL byte read from the page ends it.
bool lireLigne(LecteurLignes& lecteur, EtatFichier& etat) {
  const int lus = lecteur.Lire(etat.ligne, EtatFichier::kTailleLigne);
  if (lus < 0) return false;
  const void* const nul = std::memchr(etat.ligne, '\0', static_cast<size_t>(lus));
  const size_t n = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - etat.ligne)
                                  : static_cast<size_t>(lus);
  if (n >= 2 && etat.ligne[n - 1] == '\n' && etat.ligne[n - 2] == '\r') {
    etat.ligne[n - 2] = '\n';
    etat.ligne[n - 1] = '\0';
  }
  return true;
}

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

void signaler(EtatFichier& etat, Anomalie code) {
  signalerAnomalie(etat.numeroLigne, etat.ligne, code, etat.ligneSignalee);
}

bool verifierTags(EtatFichier& etat, bool derniereOuverte, int nbBalises, int nbPermises) {
  return verifierTagsLigne(etat.numeroLigne, etat.ligne, derniereOuverte, nbBalises,
                           nbPermises, etat.ligneSignalee);
}

// HEAD, BODY, meta and TITLE rules on a line that holds a '<'.
void verifierBalises(EtatFichier& etat) {
  const BalisesLigne balises(etat.minuscules);
  const int nbBalises = balises.NombreBalises();
  const bool derniereOuverte = balises.DerniereOuverte();

  if (balises.Position(BalisesLigne::kHead) != nullptr) {
    if (etat.nbBody > 0) signaler(etat, kHeadApresBody);
    ++etat.nbHead;
    etat.dansHead = true;
    verifierTags(etat, derniereOuverte, nbBalises, 1);
  }
  if (balises.Position(BalisesLigne::kFinHead) != nullptr) {
    if (!etat.dansHead) signaler(etat, kFinHeadMalPlacee);
    etat.dansHead = false;
    if (!etat.ligneSignalee) verifierTags(etat, derniereOuverte, nbBalises, 1);
  }
  if (!etat.simple) {
    if (balises.Position(BalisesLigne::kBody) != nullptr) {
      if (etat.dansHead) signaler(etat, kPasDeFinHead);
      ++etat.nbBody;
      etat.dansBody = true;
    }
    if (balises.Position(BalisesLigne::kFinBody) != nullptr) {
      if (!etat.dansBody) signaler(etat, kFinBodyMalPlacee);
      etat.dansBody = false;
    }
  }

  const char* const meta = balises.Position(BalisesLigne::kMeta);
  if (meta != nullptr) verifierMeta(etat, meta, derniereOuverte, nbBalises);

  const bool titre = balises.Position(BalisesLigne::kTitle) != nullptr;
  if (titre) {
    if (!etat.dansHead) ++etat.nbHorsHead;
    ++etat.nbTitle;
    // A title and its closing tag must stand on one line.
    const bool suite = etat.ligneSignalee || verifierTags(etat, derniereOuverte, nbBalises, 2);
    if (suite && balises.Position(BalisesLigne::kFinTitle) == nullptr) {
      signaler(etat, kTitreIncomplet);
    }
  } else if (etat.dansHead && !etat.ligneSignalee && meta == nullptr) {
    verifierTags(etat, derniereOuverte, nbBalises, 1);
  }

  if (!etat.ligneSignalee && meta == nullptr && !titre && balises.BaliseInconnue()) {
    signaler(etat, kBaliseInconnue);
  }
}

// Prints the "No" or "Several" line for a count other than 1.
void resumer(EtatFichier& etat, int compte, const char* aucun, const char* plusieurs,
             const char* nom) {
  if (compte == 1) return;
  std::printf(compte == 0 ? aucun : plusieurs, nom);
  ++etat.nbProblemes;
}

void imprimerResume(EtatFichier& etat) {
  if (!etat.simple) {
    for (int i = 0; i < NomsMeta::kNombre; ++i) {
      resumer(etat, etat.nomsMeta.Compteur(i), "+ No %s tag found\n",
              "+ Several %s tags found\n", etat.nomsMeta.Affichage(i));
    }
    resumer(etat, etat.nbTitle, "+ No %s tag found\n", "+ Several %s tags found\n", "<TITLE>");
  }
  resumer(etat, etat.nbHead, "+ No <%s> section found\n", "+ Several <%s> sections found\n",
          "HEAD");
  if (!etat.simple) {
    resumer(etat, etat.nbBody, "+ No <%s> section found\n", "+ Several <%s> sections found\n",
            "BODY");
  }
  if (etat.nbHorsHead > 0 && etat.nbHead > 0) {
    std::printf("+ %d meta-tag%s or title outside the <HEAD> section\n", etat.nbHorsHead,
                etat.nbHorsHead > 1 ? "s" : "");
    ++etat.nbProblemes;
  }
  if (etat.developpe) etat.nbProblemes += rapporterMotsCles(etat.motsCles);
  if (etat.nbProblemes > 0) std::putc('\n', stdout);
}

}  // namespace

void examinerFichier(const char* chemin, bool developpe, bool simple, NomsMeta& nomsMeta) {
  FicBase fichier(chemin, "r");
  // Two 8 KiB line buffers: kept off the stack.
  auto etat = std::make_unique<EtatFichier>(nomsMeta, developpe, simple);
  affichage.Affiche(chemin, true);
  nomsMeta.RemetAZero();

  LecteurLignes lecteur(fichier.Fichier());
  while (lireLigne(lecteur, *etat)) {
    ++etat->numeroLigne;
    // A line left empty (or wholly inside a comment) is passed over.
    const int longueur = supprimerCommentaires(etat->ligne, etat->dansCommentaire);
    if (longueur < 2) continue;
    etat->ligneSignalee = false;
    // The tag rules read the lower-case copy; a line with no '<' has no tag
    // to check, so it needs none.
    if (std::memchr(etat->ligne, '<', static_cast<size_t>(longueur)) != nullptr) {
      copierEnMinuscules(etat->minuscules, etat->ligne, longueur);
      verifierBalises(*etat);
    }
    if (etat->developpe) {
      noterMotsLigne(etat->ligne, etat->horsBalise, etat->motsClesLus, etat->motsCles,
                     etat->motsVus);
    }
    if (etat->ligneSignalee) ++etat->nbProblemes;
  }
  imprimerResume(*etat);
}
