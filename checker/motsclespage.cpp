// MotsClesPage: the keyword analysis ("/d") of one page.
#include "checker/motsclespage.h"

#include <algorithm>
#include <cstring>

#include "html/lecteurmots.h"
#include "html/trthtml.h"

bool horsBaliseApres(const char* ligne, std::size_t n, const BalisesLigne& balises,
                     bool horsBalise) {
  // Without a '<', only a '>' that closes an open tag changes the state.
  if (balises.NombreBalises() == 0) return horsBalise || std::memchr(ligne, '>', n) != nullptr;
  if (!balises.DerniereOuverte()) return true;
  // The last '<' opens a tag, unless the line started outside any and its
  // first '<' opens a "<!".
  return horsBalise && static_cast<const char*>(std::memchr(ligne, '<', n))[1] == '!';
}

void MotsClesPage::Lit(const char* ouvre, const char* ferme, JeuCaracteres jeu) {
  lus_ = true;
  lireMotsCles(ouvre, ferme, motsCles_, jeu);
  ordonnerMotsCles(motsCles_, ordre_);
  pli_ = tablePli();
  std::fill(filtre_, filtre_ + 256, 0);
  // Only the first keyword of each reduced form is ever marked.
  restants_ = 0;
  for (int32_t i = 0; i < ordre_.Nombre(); ++i) {
    const std::string& reduit = motsCles_[ordre_[i]].motReduit;
    if (i > 0 && reduit == motsCles_[ordre_[i - 1]].motReduit) continue;
    ++restants_;
    const std::size_t n = reduit.size();
    if (n == 0) continue;  // no word that PeutMarquer is asked about reduces to nothing
    const auto* octets = reinterpret_cast<const unsigned char*>(reduit.data());
    filtre_[Case(octets[0], octets[n - 1])] |= std::uint64_t{1} << std::min<std::size_t>(n, 63);
  }
}

void MotsClesPage::LireLigne(char* ligne, std::size_t longueur, JeuCaracteres jeu) {
  const int reste = retirerBalisesLigne(ligne, longueur, horsBalise_);
  if (reste <= 1) return;
  if (restants_ == 0) {
    const auto n = static_cast<std::size_t>(reste);
    if (Courte(n) || LecteurMots::SousLaLimite(ligne, n)) return;
  }
  LecteurMots mots(ligne, jeu);
  const char* debut = nullptr;
  std::size_t n = 0;
  while (mots.Suivant(debut, n)) {
    if (restants_ == 0) continue;
    // A simple word reduces byte by byte: its bytes tell whether it can
    // match. Any other is matched once, the first time it is seen.
    if (mots.Simple() && !PeutMarquer(debut, n)) continue;
    if (!motsVus_.Ajoute(debut, n)) continue;
    Marque(debut, n, jeu);
  }
}

void MotsClesPage::Marque(const char* debut, std::size_t n, JeuCaracteres jeu) {
  // Copied to be reduced; a UTF-8 word is folded apart, as that may
  // lengthen it.
  char mot[kTailleMot];
  char pli[kOctetsPliParOctet * kTailleMot];
  std::memcpy(mot, debut, n);
  mot[n] = '\0';
  // Without a '&' there is nothing to decode.
  if (std::memchr(mot, '&', n) != nullptr) decoderEntites(mot, jeu);
  const char* const reduit = reduire(mot, jeu, pli);
  const int32_t k = premierMotCle(motsCles_, ordre_, reduit);
  if (k >= 0 && !motsCles_[k].utilise) {
    motsCles_[k].utilise = true;
    --restants_;
  }
}
