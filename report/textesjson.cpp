#include "report/textesjson.h"

#include "checker/aideconstats.h"
#include "report/cheminbarres.h"

namespace {

// A page's texts and other pages' paths, in UTF-8.
class ConversionUtf8 : public ConversionTextes {
 public:
  explicit ConversionUtf8(JeuCaracteres jeu) : jeu_(jeu) {}
  std::string Texte(const char* texte) const override { return texteUtf8(texte, jeu_); }
  std::string TexteUtf8(const char* texte) const override {
    return texteUtf8(texte, JeuCaracteres::Utf8);
  }
  std::string Chemin(const char* chemin) const override { return cheminUtf8(chemin); }

 private:
  const JeuCaracteres jeu_;
};

}  // namespace

std::string texteUtf8(const char* texte, JeuCaracteres jeu) {
  std::string utf8;
  ajouterEnUtf8(texte, jeu, utf8);
  return utf8;
}

std::string ligneUtf8(const char* ligne, JeuCaracteres jeu) {
  std::string utf8 = texteUtf8(ligne, jeu);
  if (!utf8.empty() && utf8.back() == '\n') utf8.pop_back();
  return utf8;
}

std::string cheminUtf8(const char* chemin) {
  return texteUtf8(cheminAvecBarres(chemin).c_str(), JeuCaracteres::Utf8);
}

const char* nomJeu(JeuCaracteres jeu) {
  return jeu == JeuCaracteres::Utf8 ? "utf-8" : "windows-1252";
}

std::string messageUtf8(const Signalement& s, JeuBalises balises, JeuCaracteres jeu) {
  std::string message;
  rendreMessage(s, balises, ConversionUtf8(jeu), message);
  return message;
}

Json constatJson(const Signalement& s, JeuBalises balises, JeuCaracteres jeu) {
  Json constat{{"id", kConstats[s.constat].id}};
  if (s.ligne > 0) constat["line"] = s.ligne;
  if (s.colonne > 0) constat["column"] = s.colonne;
  constat["level"] = nomNiveau(niveauDe(s.constat));
  constat["message"] = messageUtf8(s, balises, jeu);
  if (s.texte != nullptr) constat["text"] = ligneUtf8(s.texte, jeu);
  const JeuCaracteres jeuTextes = s.utf8 ? JeuCaracteres::Utf8 : jeu;
  if (s.motCle != nullptr) constat["keyword"] = texteUtf8(s.motCle, jeuTextes);
  if (s.valeur != nullptr) constat["value"] = texteUtf8(s.valeur, jeuTextes);
  if (s.suggestion != nullptr) constat["suggestion"] = texteUtf8(s.suggestion, jeuTextes);
  if (messageCite(s.constat, "{limit}")) {
    constat["length"] = s.nombre;
    constat["limit"] = s.limite;
  }
  if (messageCite(s.constat, "{count}")) constat["count"] = s.compte;
  if (s.page != nullptr) constat["page"] = cheminUtf8(s.page);
  return constat;
}
