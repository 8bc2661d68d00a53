// ParcoursRep: the recursive walk; ParcoursRepWin: its finder operations.
#include "files/parrep.h"

#include <cerrno>
#include <string>
#include <unordered_set>

#include "platform/plateforme.h"
#include "foundation/meserreur.h"

const int attrDefaut = 0;

namespace {

const char kModule[] = "parrep";
constexpr int32_t kLigneAucunePasse = 112;
constexpr int32_t kLigneAucunMasque = 114;
// The result list starts with this many slots and doubles when full, so each
// path is moved a few times at most however many there are; the list is cut
// to its exact size at the end.
constexpr int32_t kPasResultat = 100;

}  // namespace

ParcoursRep::ParcoursRep(const String& motif, int attributs, bool sansPoints)
    : motif_(motif), attrRecherche_(attributs), sansPoints_(sansPoints) {}

ParcoursRep::ParcoursRep(const ParcoursRep& autre)
    : motif_(autre.motif_),
      attrRecherche_(autre.attrRecherche_),
      rechercheDifferee_(autre.rechercheDifferee_),
      trouve_(autre.trouve_),
      erreur_(autre.erreur_),
      sansPoints_(autre.sansPoints_),
      nom_(autre.nom_),
      taille_(autre.taille_),
      attrEntree_(autre.attrEntree_),
      dateHeure_(autre.dateHeure_, true),
      racineLiens_(autre.racineLiens_),
      exclusions_(autre.exclusions_),
      entreesIllisibles_(autre.entreesIllisibles_) {}

ParcoursRep& ParcoursRep::operator=(const ParcoursRep& autre) {
  if (this != &autre) {
    const DateHeure dateHeure(autre.dateHeure_, true);
    motif_ = autre.motif_;
    attrRecherche_ = autre.attrRecherche_;
    rechercheDifferee_ = autre.rechercheDifferee_;
    trouve_ = autre.trouve_;
    erreur_ = autre.erreur_;
    sansPoints_ = autre.sansPoints_;
    nom_ = autre.nom_;
    taille_ = autre.taille_;
    attrEntree_ = autre.attrEntree_;
    dateHeure_ = dateHeure;
    racineLiens_ = autre.racineLiens_;
    exclusions_ = autre.exclusions_;
    entreesIllisibles_ = autre.entreesIllisibles_;
  }
  return *this;
}

bool ParcoursRep::chercher(const String& motif, int attributs, bool sansPoints) {
  motif_ = motif;
  attrRecherche_ = attributs;
  sansPoints_ = sansPoints;
  rechercheDifferee_ = false;
  trouve_ = premier();
  return trouve_;
}

String ParcoursRep::chemin() {
  resoudre();
  const char* texte = motif_.Texte();
  int32_t barre = -1;
  for (int32_t k = 0; texte[k] != '\0'; ++k) {
    if (texte[k] == '\\') barre = k;
  }
  if (barre < 0) return nom_;
  return String(motif_, 0, barre + 1) + nom_;
}

int ParcoursRep::rechercher(String base, const Vecteur<String>& masques,
                            Vecteur<String>& resultat, bool avecBase, bool avecSousReps) {
  if (!avecBase && !avecSousReps) {
    throw MesErreur("Ni repertoire de base ni sous-repertoire", kModule, kLigneAucunePasse);
  }
  if (masques.Nombre() == 0) throw MesErreur("Aucun masque defini", kModule, kLigneAucunMasque);
  int32_t nombre = 0;
  int32_t capacite = kPasResultat;
  const int32_t longueur = base.Longueur();
  if (longueur > 0 && base.Texte()[longueur - 1] != '\\') base += String("\\");
  resultat.Redimensionne(capacite);
  illisibles_.clear();
  parcourir(base, masques, resultat, avecBase, avecSousReps, nombre, capacite, illisibles_);
  resultat.Redimensionne(nombre);
  return resultat.Nombre();
}

namespace {

// The directory part of a mask: up to and including its last '\'.
String repertoireDe(const String& masque) {
  const char* texte = masque.Texte();
  int32_t fin = 0;
  for (int32_t k = 0; texte[k] != '\0'; ++k) {
    if (texte[k] == '\\') fin = k + 1;
  }
  return String(masque, 0, fin);
}

// Notes that the directory could not be read, unless it is the one noted
// last (each pass over a directory fails the same way).
void noterIllisible(std::vector<RepertoireIllisible>& illisibles, const String& repertoire,
                    int erreur) {
  if (!illisibles.empty() && illisibles.back().chemin == repertoire) return;
  illisibles.push_back(RepertoireIllisible{repertoire, erreur, false});
}

// Notes the entries a search of directory repertoire could not look at,
// each once for the directory's passes (vues holds those already noted).
void noterEntrees(std::vector<RepertoireIllisible>& illisibles, const String& repertoire,
                  const std::vector<std::pair<std::string, int>>& entrees,
                  std::unordered_set<std::string>& vues) {
  for (const auto& entree : entrees) {
    const String chemin = repertoire + String(entree.first.c_str());
    if (vues.insert(chemin.Texte()).second) {
      illisibles.push_back(RepertoireIllisible{chemin, entree.second, true});
    }
  }
}

}  // namespace

// One walker per level: this one lists rep's subdirectories while a single
// walker made by nouveau() walks each of them in turn.
void ParcoursRep::parcourir(const String& rep, const Vecteur<String>& masques,
                            Vecteur<String>& resultat, bool avecFichiers, bool avecSousReps,
                            int32_t& nombre, int32_t& capacite,
                            std::vector<RepertoireIllisible>& illisibles) {
  std::unordered_set<std::string> entreesVues;
  if (avecFichiers) {
    for (int32_t m = 0; m < masques.Nombre(); ++m) {
      chercher(rep + masques[m], attrFichiers(), false);
      const String sous = repertoireDe(masques[m]);
      if (erreur_ != 0) {
        // The directory a mask names may well not be there; any other
        // failure is a directory that could not be read.
        if (trouve_ || sous.EstVide() || (erreur_ != ENOENT && erreur_ != ENOTDIR)) {
          noterIllisible(illisibles, rep + sous, erreur_);
        }
      }
      noterEntrees(illisibles, rep + sous, entreesIllisibles_, entreesVues);
      while (trouve_) {
        if (nombre >= capacite) {
          capacite = capacite <= INT32_MAX / 2 ? capacite * 2 : INT32_MAX;
          resultat.Redimensionne(capacite);
        }
        const String trouve = chemin();
        if (exclusions_ == nullptr ||
            !exclusions_->FichierExclu(Exclusions::DepuisProgramme(trouve.Texte()))) {
          resultat[nombre++] = trouve;
        }
        suivant();
      }
    }
  }
  if (avecSousReps) {
    const std::unique_ptr<ParcoursRep> sous = nouveau();
    sous->racineLiens_ = racineLiens_;
    sous->exclusions_ = exclusions_;
    chercher(rep + String("*.*"), attrRepertoires(), true);
    if (erreur_ != 0) noterIllisible(illisibles, rep, erreur_);
    noterEntrees(illisibles, rep, entreesIllisibles_, entreesVues);
    while (trouve_) {
      if (exclusions_ != nullptr &&
          exclusions_->RepertoireExclu(Exclusions::DepuisProgramme((rep + nom_).Texte()))) {
        suivant();
        continue;
      }
      sous->parcourir(rep + nom_ + String("\\"), masques, resultat, true, true, nombre, capacite,
                      illisibles);
      suivant();
    }
  }
}

void ParcoursRep::prendreEntree(const char* nom, int32_t taille, int attributs, uint16_t motDate,
                                uint16_t motHeure) {
  nom_ = nom;
  taille_ = taille;
  attrEntree_ = attributs;
  if (motDate != 0 || motHeure != 0) {
    dateHeure_.depuisMotsFichier(motDate, motHeure, true);
  } else {
    dateHeure_ = DateHeure();
  }
}

ParcoursRepWin::ParcoursRepWin(const String& motif, int attributs, bool sansPoints)
    : ParcoursRep(motif, attributs, sansPoints),
      bloc_(std::make_unique<plateforme::RechercheFichier>()) {
  rechercheDifferee_ = true;
}

ParcoursRepWin::ParcoursRepWin(const ParcoursRepWin& autre)
    : ParcoursRep(autre), bloc_(std::make_unique<plateforme::RechercheFichier>(*autre.bloc_)) {}

ParcoursRepWin::~ParcoursRepWin() = default;

ParcoursRepWin& ParcoursRepWin::operator=(const ParcoursRepWin& autre) {
  if (this != &autre) {
    auto bloc = std::make_unique<plateforme::RechercheFichier>(*autre.bloc_);
    ParcoursRep::operator=(autre);
    bloc_ = std::move(bloc);
  }
  return *this;
}

bool ParcoursRepWin::accepter() {
  if (sansPoints_ && (bloc_->nom == "." || bloc_->nom == "..")) return false;
  return (attrTous() & ~attrRecherche_ & bloc_->attributs) == 0;
}

void ParcoursRepWin::prendre() {
  prendreEntree(bloc_->nom.c_str(), bloc_->taille, bloc_->attributs, bloc_->date, bloc_->heure);
}

std::unique_ptr<ParcoursRep> ParcoursRepWin::nouveau() const {
  return std::make_unique<ParcoursRepWin>("*.*", attrDefaut, false);
}

bool ParcoursRepWin::premier() {
  rechercheDifferee_ = false;
  bloc_->racineLiens = racineLiens_;
  const bool trouve = plateforme::findfirst(motif_.Texte(), bloc_.get(), attrRecherche_) == 0;
  erreur_ = bloc_->erreur;
  entreesIllisibles_ = bloc_->illisibles;
  if (!trouve) {
    trouve_ = false;
  } else if (accepter()) {
    trouve_ = true;
    prendre();
  } else {
    suivant();
  }
  return trouve_;
}

bool ParcoursRepWin::suivant() {
  resoudre();
  bool encore = plateforme::findnext(bloc_.get()) == 0;
  while (encore && !accepter()) encore = plateforme::findnext(bloc_.get()) == 0;
  trouve_ = encore;
  if (trouve_) prendre();
  return trouve_;
}

int ParcoursRepWin::attrNormal() const { return 0; }

int ParcoursRepWin::attrRepertoires() const { return plateforme::kCache | plateforme::kRepertoire; }

int ParcoursRepWin::attrFichiers() const {
  return plateforme::kLectureSeule | plateforme::kCache | plateforme::kSysteme |
         plateforme::kArchive;
}

int ParcoursRepWin::attrFichiersRep() const { return attrFichiers() | plateforme::kRepertoire; }

int ParcoursRepWin::attrTous() const {
  return attrFichiers() | plateforme::kRepertoire | plateforme::kVolume;
}
