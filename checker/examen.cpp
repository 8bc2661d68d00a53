#include "checker/examen.h"

#include <cstring>
#include <memory>

#include "checker/balisesligne.h"
#include "checker/diagnostic.h"
#include "checker/etatfichier.h"
#include "checker/metatags.h"
#include "checker/motscles.h"
#include "files/ficbase.h"
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

// HEAD, BODY, meta and TITLE rules on a line that holds a '<'.
void verifierBalises(EtatFichier& etat) {
  const BalisesLigne balises(etat.minuscules, etat.balises);
  const int nbBalises = balises.NombreBalises();
  const bool derniereOuverte = balises.DerniereOuverte();

  if (balises.Position(BalisesLigne::kHead) != nullptr) {
    if (etat.nbBody > 0) signalerAnomalie(etat, kHeadApresBody);
    ++etat.nbHead;
    etat.dansHead = true;
    verifierTagsLigne(etat, derniereOuverte, nbBalises, 1);
  }
  if (balises.Position(BalisesLigne::kFinHead) != nullptr) {
    if (!etat.dansHead) signalerAnomalie(etat, kFinHeadMalPlacee);
    etat.dansHead = false;
    if (!etat.ligneSignalee) verifierTagsLigne(etat, derniereOuverte, nbBalises, 1);
  }
  if (!etat.simple) {
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
  if (meta != nullptr) verifierMeta(etat, meta, derniereOuverte, nbBalises);

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

// Prints the "No" or "Several" line of a tag or a section counted `compte`
// times; a count of 1 says nothing.
void resumer(EtatFichier& etat, int compte, const char* nom, bool section) {
  if (compte == 1) return;
  const char* const combien = compte == 0 ? "No" : "Several";
  const char* const pluriel = compte == 0 ? "" : "s";
  if (section) {
    etat.sortie.Imprime("+ %s <%s> section%s found\n", combien, nom, pluriel);
  } else {
    etat.sortie.Imprime("+ %s %s tag%s found\n", combien, nom, pluriel);
  }
  ++etat.nbProblemes;
}

void imprimerResume(EtatFichier& etat) {
  if (!etat.simple) {
    for (int i = 0; i < NomsMeta::kNombre; ++i) {
      resumer(etat, etat.nomsMeta.Compteur(i), etat.nomsMeta.Affichage(i), false);
    }
    resumer(etat, etat.nbTitle, "<TITLE>", false);
  }
  resumer(etat, etat.nbHead, "HEAD", true);
  if (!etat.simple) resumer(etat, etat.nbBody, "BODY", true);
  if (etat.nbHorsHead > 0 && etat.nbHead > 0) {
    etat.sortie.Imprime("+ %d meta-tag%s or title outside the <HEAD> section\n", etat.nbHorsHead,
                        etat.nbHorsHead > 1 ? "s" : "");
    ++etat.nbProblemes;
  }
  if (etat.developpe) etat.nbProblemes += rapporterMotsCles(etat.motsCles, etat.sortie, etat.jeu);
  if (etat.nbProblemes > 0) etat.sortie.Imprime("\n");
}

}  // namespace

bool examinerPage(LecteurLignes& lecteur, bool developpe, bool simple, NomsMeta& nomsMeta,
                  const Affichage& sortie, JeuBalises balises) {
  // Two 8 KiB line buffers: kept off the stack.
  auto etat = std::make_unique<EtatFichier>(nomsMeta, developpe, simple, sortie, lecteur.Jeu(),
                                            balises);
  nomsMeta.RemetAZero();
  while (lecteur.LireLigne(etat->ligne, EtatFichier::kTailleLigne) >= 0) {
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
                     etat->ordreMotsCles, etat->motsVus, etat->jeu);
    }
    if (etat->ligneSignalee) ++etat->nbProblemes;
  }
  imprimerResume(*etat);
  return etat->nbProblemes > 0;
}

bool examinerFichier(const char* chemin, bool developpe, bool simple, NomsMeta& nomsMeta,
                     const Affichage& sortie, JeuBalises balises) {
  FicBase fichier(chemin, "r");
  // Linux file names are usually UTF-8; any other is read as Windows-1252.
  sortie.Affiche(chemin, true,
                 estTexteUtf8(chemin) ? JeuCaracteres::Utf8 : JeuCaracteres::Windows1252);
  LecteurLignes lecteur(fichier.Fichier());
  return examinerPage(lecteur, developpe, simple, nomsMeta, sortie, balises);
}
