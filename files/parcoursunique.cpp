// ParcoursUnique: one listing per directory, visited in path order.
#include "files/parcoursunique.h"

#include <algorithm>
#include <unordered_set>

#include "platform/plateforme.h"

namespace {

// What the listing of one directory asks of each name.
struct Contexte {
  const ParcoursUnique* parcours;
  bool tous;  // every name is looked at
};

}  // namespace

ParcoursUnique::ParcoursUnique(const std::vector<std::string>& masques, bool avecSousReps)
    : masques_(masques), avecSousReps_(avecSousReps) {}

bool ParcoursUnique::Accepte(const std::vector<std::string>& masques) {
  if (masques.empty()) return false;
  for (const std::string& masque : masques) {
    if (masque.find('\\') != std::string::npos || plateforme::longueurDisque(masque.c_str()) != 0) {
      return false;
    }
  }
  return true;
}

bool ParcoursUnique::Correspond(const char* nom) const {
  for (const std::string& masque : masques_) {
    if (plateforme::correspond(masque.c_str(), nom)) return true;
  }
  return false;
}

// The entries ParcoursRep's passes would look at: those a mask matches,
// and all of them when the subdirectories are walked or every file is
// noted.
bool ParcoursUnique::Regarde(const void* contexte, const char* nom) {
  const auto& c = *static_cast<const Contexte*>(contexte);
  return c.tous || c.parcours->Correspond(nom);
}

void ParcoursUnique::Entrer(const std::string& chemin, const std::string& ordre, bool pages) {
  const Contexte contexte{this, !pages || avecSousReps_ || fichiers_ != nullptr};
  std::vector<plateforme::EntreeListee> entrees;
  const int erreur =
      plateforme::listerRepertoire(chemin, racineLiens_, &ParcoursUnique::Regarde, &contexte, &entrees);
  Niveau niveau;
  niveau.chemin = chemin;
  niveau.ordre = ordre;
  bool melange = false;  // a directory's key may sort after a file's
  for (const plateforme::EntreeListee& entree : entrees) {
    Element element;
    if (entree.genre == plateforme::GenreListe::Fichier) {
      if (fichiers_ != nullptr) fichiers_->push_back(chemin + entree.nom);
      if (!pages || !Correspond(entree.nom.c_str())) continue;
      if (exclusions_ != nullptr &&
          exclusions_->FichierExclu(Exclusions::DepuisProgramme(chemin + entree.nom))) {
        continue;
      }
      element.cle = entree.nom;
    } else if (entree.genre == plateforme::GenreListe::Repertoire) {
      element.pages =
          pages && avecSousReps_ &&
          (exclusions_ == nullptr ||
           !exclusions_->RepertoireExclu(Exclusions::DepuisProgramme(chemin + entree.nom)));
      if (!element.pages && fichiers_ == nullptr) continue;
      element.cle = entree.nom + '\\';
      element.repertoire = true;
      melange = true;
    } else {
      continue;
    }
    niveau.elements.push_back(std::move(element));
  }
  if (melange) {
    std::sort(niveau.elements.begin(), niveau.elements.end(),
              [](const Element& a, const Element& b) { return a.cle < b.cle; });
  }
  // The errors of a directory whose files are taken, in the order of
  // ParcoursRep's passes: the directory, then the entries each mask
  // matches, then the others the subdirectory pass looks at; each once.
  if (pages) {
    std::vector<RepertoireIllisible> bloc;
    if (erreur != 0) bloc.push_back(RepertoireIllisible{String(chemin.c_str()), erreur, false});
    std::unordered_set<std::string> vues;
    const auto noter = [&](const plateforme::EntreeListee& entree) {
      if (vues.insert(entree.nom).second) {
        bloc.push_back(
            RepertoireIllisible{String((chemin + entree.nom).c_str()), entree.erreur, true});
      }
    };
    for (const std::string& masque : masques_) {
      for (const plateforme::EntreeListee& entree : entrees) {
        if (entree.genre == plateforme::GenreListe::Illisible &&
            plateforme::correspond(masque.c_str(), entree.nom.c_str())) {
          noter(entree);
        }
      }
    }
    if (avecSousReps_) {
      for (const plateforme::EntreeListee& entree : entrees) {
        if (entree.genre == plateforme::GenreListe::Illisible) noter(entree);
      }
    }
    if (!bloc.empty()) illisibles_.emplace_back(ordre, std::move(bloc));
  }
  pile_.push_back(std::move(niveau));
}

bool ParcoursUnique::Suivante(std::string& chemin) {
  const auto arrete = [this] {
    return arret_ != nullptr && arret_->load(std::memory_order_relaxed) != 0;
  };
  if (!commence_) {
    commence_ = true;
    if (arrete()) return false;
    Entrer(std::string(), std::string(), true);
  }
  while (!pile_.empty()) {
    if (arrete()) {
      pile_.clear();
      return false;
    }
    Niveau& niveau = pile_.back();
    if (niveau.prochain == niveau.elements.size()) {
      pile_.pop_back();
      continue;
    }
    const Element& element = niveau.elements[niveau.prochain++];
    if (element.repertoire) {
      const std::string nom = element.cle.substr(0, element.cle.size() - 1);
      // Entrer grows the stack: what it needs is copied first.
      const std::string sous = niveau.chemin + element.cle;
      const std::string ordre = niveau.ordre + nom + '\0';
      Entrer(sous, ordre, element.pages);
      continue;
    }
    chemin = niveau.chemin + element.cle;
    return true;
  }
  return false;
}

std::vector<RepertoireIllisible> ParcoursUnique::Illisibles() const {
  std::vector<std::pair<std::string, std::vector<RepertoireIllisible>>> blocs = illisibles_;
  std::stable_sort(blocs.begin(), blocs.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<RepertoireIllisible> tous;
  for (const auto& bloc : blocs) tous.insert(tous.end(), bloc.second.begin(), bloc.second.end());
  return tous;
}
