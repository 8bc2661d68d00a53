#include "report/journalerreurs.h"

#include "checker/erreurpage.h"

void JournalErreurs::Ecrit(const std::string& texte) {
  std::fprintf(flux_, "pagevet: %s\n", console_.ConvertitDansFormat(texte.c_str()).c_str());
  std::fflush(flux_);
  std::string utf8;
  // Paths are UTF-8 on most systems; any other byte is Windows-1252.
  ajouterEnUtf8(texte.c_str(), JeuCaracteres::Utf8, utf8);
  lignes_.push_back(std::move(utf8));
}

std::string texteErreurFatale(const MesErreur& erreur) {
  const auto* const page = dynamic_cast<const ErreurPage*>(&erreur);
  return (page != nullptr ? page->Chemin() + ": " : std::string()) + erreur.Message() + " (ligne " + std::to_string(erreur.Ligne()) + " de " +
         erreur.Module() + ")";
}
