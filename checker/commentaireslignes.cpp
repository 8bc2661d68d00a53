#include "checker/commentaireslignes.h"

#include <cstring>

void CommentairesLignes::Ligne(const char* ligne, int numero, RapportPage& rapport) {
  const char* p = ligne;
  for (;;) {
    if (!ouvert_) {
      const char* const ouverture = std::strstr(p, "<!--");
      if (ouverture == nullptr) return;
      ouvert_ = true;
      debut_ = numero;
      texte_.clear();
      p = ouverture + 4;
    }
    const char* const fermeture = std::strstr(p, "-->");
    const std::size_t n = fermeture != nullptr ? static_cast<std::size_t>(fermeture - p) : std::strlen(p);
    if (texte_.size() < kTailleMax) texte_.append(p, std::min(n, kTailleMax - texte_.size()));
    if (fermeture == nullptr) return;
    ouvert_ = false;
    rapport.Commentaire(texte_, debut_, numero);
    p = fermeture + 3;
  }
}
