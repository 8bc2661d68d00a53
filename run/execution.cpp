#include "run/execution.h"

#include <cstring>

#include "files/arguments.h"
#include "foundation/mystring.h"
#include "foundation/vecteur.h"
#include "platform/plateforme.h"
#include "run/lignecommande.h"

bool lireExecution(int nbArgs, const char* const* args, Execution& execution,
                   std::string& erreur) {
  LigneCommande ligne;
  if (!ligne.Analyse(nbArgs, args, erreur)) return false;
  execution = Execution();
  if (ligne.Version()) {
    execution.action = Execution::Action::Version;
    return true;
  }
  if (ligne.Aide()) {
    execution.action = Execution::Action::Aide;
    return true;
  }
  const std::vector<const char*>& classiques = ligne.Classiques();
  Arguments arguments(static_cast<int>(classiques.size()), classiques.data(), '/', false);
  Vecteur<String> masques;
  arguments.analyser(masques, true);
  const char* const lettres = arguments.Options().Texte();
  const auto donnee = [lettres](char lettre) { return std::strchr(lettres, lettre) != nullptr; };
  if (donnee('?')) {
    execution.action = Execution::Action::AideCourte;
    return true;
  }
  for (int32_t i = 0; i < masques.Nombre(); ++i) execution.masques.emplace_back(masques[i].Texte());
  // The masks after "--" follow the others.
  for (const char* masque : ligne.MasquesApres()) execution.masques.emplace_back(masque);
  if (execution.masques.empty()) execution.masques.emplace_back(kMasqueParDefaut);
  execution.sousRepertoires = !donnee('1');
  execution.examen.developpe = donnee('D');
  execution.examen.simple = donnee('S') && !execution.examen.developpe;
  execution.examen.balises = ligne.Html5() ? JeuBalises::Html5 : JeuBalises::Html32;
  execution.format = ligne.Format();
  execution.ignores = ligne.Ignores();
  execution.travailleurs =
      ligne.Travailleurs() > 0 ? ligne.Travailleurs() : plateforme::nombreProcesseurs();
  execution.liensSortants = ligne.LiensSortants();
  execution.siteUrl = ligne.SiteUrl();
  return true;
}
