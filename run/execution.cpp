#include "run/execution.h"

#include <cstring>

#include "checker/adressesite.h"
#include "files/arguments.h"
#include "foundation/mystring.h"
#include "foundation/vecteur.h"
#include "platform/plateforme.h"
#include "run/configuration.h"
#include "run/lignecommande.h"

namespace {

bool idConnu(std::string_view id) {
  Constat constat;
  return constatDeId(std::string(id).c_str(), constat);
}

// What the command line sets, as the keys of a configuration file name it.
Configuration configurationDeLigne(const LigneCommande& ligne, const std::vector<std::string>& masques,
                                   const char* lettres) {
  const auto donnee = [lettres](char lettre) { return std::strchr(lettres, lettre) != nullptr; };
  Configuration config;
  if (!masques.empty()) config.masques = masques;
  if (ligne.Html5()) config.html5 = true;
  if (!ligne.IdsIgnores().empty()) config.ignores = ligne.IdsIgnores();
  if (!ligne.Exclusions().empty()) config.exclusions = ligne.Exclusions();
  if (ligne.FormatDonne()) config.format = nomDeFormat(ligne.Format());
  if (ligne.Travailleurs() > 0) config.taches = ligne.Travailleurs();
  if (donnee('D')) config.developpe = true;
  if (donnee('S')) config.syntaxeSeule = true;
  if (donnee('1')) config.sansSousRepertoires = true;
  if (ligne.Continuer()) config.continuer = true;
  if (ligne.LiensSortants()) config.suivreLiensExterieurs = true;
  if (ligne.Moderne()) config.moderne = true;
  if (!ligne.SiteUrl().empty()) config.urlSite = ligne.SiteUrl();
  if (ligne.NiveauEchecDonne()) config.niveauEchec = nomNiveau(ligne.NiveauEchec());
  if (ligne.TitreMax() > 0) config.titreMax = ligne.TitreMax();
  if (ligne.DescriptionMax() > 0) config.descriptionMax = ligne.DescriptionMax();
  return config;
}

}  // namespace

bool estLettres(const char* argument) {
  if (argument[0] != '/' || argument[1] == '\0') return false;
  for (const char* p = argument; *p != '\0'; ++p) {
    if (std::strchr("/1dDsS?", *p) == nullptr) return false;
  }
  return true;
}

bool lireExecution(int nbArgs, const char* const* args, Execution& execution,
                   std::string& erreur) {
  bool erreurFichier = false;
  return lireExecution(nbArgs, args, execution, erreur, erreurFichier);
}

bool lireExecution(int nbArgs, const char* const* args, Execution& execution,
                   std::string& erreur, bool& erreurFichier) {
  erreurFichier = false;
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
  execution.fichiersSeuls = ligne.Fichiers() || ligne.ListeFichiers() != nullptr;
  // Under --files an argument is a path unless it is the classic letters:
  // an absolute path must not be read as letters.
  std::vector<const char*> classiques;
  std::vector<std::string> masquesTapes;
  for (const char* argument : ligne.Classiques()) {
    if (execution.fichiersSeuls && classiques.size() > 0 && !estLettres(argument)) {
      masquesTapes.emplace_back(argument);
    } else {
      classiques.push_back(argument);
    }
  }
  Arguments arguments(static_cast<int>(classiques.size()), classiques.data(), '/', false);
  Vecteur<String> masques;
  arguments.analyser(masques, true);
  const char* const lettres = arguments.Options().Texte();
  if (std::strchr(lettres, '?') != nullptr) {
    execution.action = Execution::Action::AideCourte;
    return true;
  }
  for (int32_t i = 0; i < masques.Nombre(); ++i) masquesTapes.emplace_back(masques[i].Texte());
  // The masks after "--" follow the others.
  for (const char* masque : ligne.MasquesApres()) masquesTapes.emplace_back(masque);

  // The command line over the configuration file.
  Configuration fichier;
  if (!ligne.SansConfiguration()) {
    fichier.chemin = ligne.FichierConfiguration() != nullptr ? ligne.FichierConfiguration()
                                                              : chercherConfiguration();
    if (!fichier.chemin.empty() && !lireConfiguration(fichier.chemin, idConnu, fichier, erreur)) {
      erreurFichier = true;
      return false;
    }
  }
  const Configuration config =
      fusionner(fichier, configurationDeLigne(ligne, execution.fichiersSeuls ? std::vector<std::string>()
                                                                              : masquesTapes,
                                              lettres));
  if (execution.fichiersSeuls) {
    execution.fichiers = masquesTapes;
    if (ligne.ListeFichiers() != nullptr) execution.listeFichiers = ligne.ListeFichiers();
    execution.nul = ligne.Nul();
  } else {
    execution.masques = config.masques.value_or(std::vector<std::string>());
    if (execution.masques.empty()) execution.masques.emplace_back(kMasqueParDefaut);
  }
  execution.sousRepertoires = !config.sansSousRepertoires.value_or(false);
  execution.examen.developpe = config.developpe.value_or(false);
  execution.examen.simple = config.syntaxeSeule.value_or(false) && !execution.examen.developpe;
  execution.examen.moderne = config.moderne.value_or(false);
  // --modern judges tags by today's HTML.
  execution.examen.balises = config.html5.value_or(false) || execution.examen.moderne
                                 ? JeuBalises::Html5
                                 : JeuBalises::Html32;
  if (config.titreMax) execution.examen.titreMax = static_cast<int>(*config.titreMax);
  if (config.descriptionMax) {
    execution.examen.descriptionMax = static_cast<int>(*config.descriptionMax);
  }
  if (config.format) formatDeNom(config.format->c_str(), execution.format);
  for (const std::string& id : config.ignores.value_or(std::vector<std::string>())) {
    Constat constat;
    if (constatDeId(id.c_str(), constat)) execution.ignores.set(constat);
  }
  execution.travailleurs =
      config.taches ? static_cast<int>(*config.taches) : plateforme::nombreProcesseurs();
  execution.liensSortants = config.suivreLiensExterieurs.value_or(false);
  execution.exclusions = config.exclusions.value_or(std::vector<std::string>());
  execution.continuer = config.continuer.value_or(false);
  execution.siteUrl = config.urlSite.value_or(std::string());
  if (!execution.siteUrl.empty() && !estUrlAbsolueHttp(execution.siteUrl)) {
    erreur = "invalid site URL '" + execution.siteUrl + "' (an absolute http:// or https:// URL)";
    return false;
  }
  // The checks across the site run with --modern.
  execution.site = execution.examen.moderne;
  if (config.niveauEchec) {
    for (int n = 0; n < kNombreNiveaux; ++n) {
      if (*config.niveauEchec == nomNiveau(static_cast<Niveau>(n))) {
        execution.niveauEchec = static_cast<Niveau>(n);
      }
    }
  }
  execution.bilan = ligne.Bilan();
  if (ligne.AfficherConfiguration()) {
    execution.action = Execution::Action::Configuration;
    execution.texteConfiguration = texteConfiguration(config);
  }
  return true;
}
