// FicBase and the free functions of the file access module.
#include "files/ficbase.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/plateforme.h"
#include "foundation/meserreur.h"
#include "foundation/mystring.h"

namespace {

const char kModule[] = "ficbase";
constexpr int32_t kLigneOuverture = 69;
constexpr int32_t kLigneRembobiner = 89;
constexpr int32_t kLigneLire = 98;
constexpr int32_t kLigneEcriture = 108;
constexpr int32_t kLigneEcrireNonOuvert = 112;
constexpr int32_t kLigneLireAttributs = 126;
constexpr int32_t kLigneEcrireAttributs = 140;

// Room for any host directory: getcwd gives at most a page on Linux.
constexpr std::size_t kTailleRepertoireHote = 8192;

[[noreturn]] void lancer(int code, const char* chemin, int32_t ligne) {
  // Room for the whole path, even one longer than the path buffers (a walk
  // can find such): a message never loses the end of its path.
  std::vector<char> message(
      std::max(kTailleMessageErreur, std::strlen(chemin) + kLongueurTexteErreur + 1));
  texteErreur(code, chemin, message.data(), message.size());
  throw MesErreur(message.data(), kModule, ligne);
}

// The current directory of a drive as repertoireCourant writes it, without
// length limit; false when the platform could not give it whole.
bool lireRepertoire(int disque, std::string* texte) {
  if (disque == -1) {
    *texte = "\\";
  } else {
    char debut[4];
    std::snprintf(debut, sizeof debut, "%c:\\", 'A' + disque);
    *texte = debut;
  }
  std::vector<char> repertoire(kTailleRepertoireHote);
  const bool entier =
      plateforme::getcurdir(disque + 1, repertoire.data(), repertoire.size()) == 0;
  *texte += repertoire.data();
  if (texte->back() != '\\') *texte += '\\';
  return entier;
}

char* copier(const std::string& texte, char* tampon, std::size_t taille) {
  if (taille > 0) std::snprintf(tampon, taille, "%s", texte.c_str());
  return tampon;
}

}  // namespace

FicBase::FicBase(const char* cheminFic, const char* mode) { ouvrir(cheminFic, mode); }

FicBase::~FicBase() { fermer(); }

DateHeure FicBase::copierDate(const FicBase& source) {
  plateforme::HorodatageFichier horodatage;
  if (fichier_ == nullptr || source.fichier_ == nullptr ||
      plateforme::getftime(plateforme::descripteur(source.fichier_), &horodatage) != 0) {
    return DateHeure();
  }
  // Data still buffered would reach the file after the new time and undo it.
  std::fflush(fichier_);
  plateforme::setftime(plateforme::descripteur(fichier_), horodatage);
  return DateHeure(horodatage);
}

const char* FicBase::nomFichier() const { return "?"; }

void FicBase::ouvrir(const char* cheminFic, const char* mode) {
  if (fichier_ != nullptr) fermer();
  fichier_ = plateforme::ouvrirFlux(cheminFic, mode);
  if (fichier_ == nullptr) lancer(ERR_OUVERTURE, cheminFic, kLigneOuverture);
}

bool FicBase::fermer() {
  if (fichier_ == nullptr) return true;
  // fclose releases the stream even when it reports an error, so the
  // handle must not be kept for a second attempt.
  std::FILE* flux = fichier_;
  fichier_ = nullptr;
  return std::fclose(flux) == 0;
}

void FicBase::rembobiner() {
  if (fichier_ == nullptr) lancer(ERR_NON_OUVERT, nomFichier(), kLigneRembobiner);
  std::rewind(fichier_);
}

int32_t FicBase::lire(void* tampon, int32_t nbOctets) {
  if (fichier_ == nullptr) lancer(ERR_NON_OUVERT, nomFichier(), kLigneLire);
  if (nbOctets < 0) return -1;
  return static_cast<int32_t>(plateforme::lire(plateforme::descripteur(fichier_), tampon,
                                               static_cast<std::size_t>(nbOctets)));
}

int32_t FicBase::ecrire(const void* tampon, int32_t nbOctets) {
  if (fichier_ == nullptr) lancer(ERR_NON_OUVERT, nomFichier(), kLigneEcrireNonOuvert);
  if (nbOctets < 0) lancer(ERR_ECRITURE, nomFichier(), kLigneEcriture);
  const long ecrits = plateforme::ecrire(plateforme::descripteur(fichier_), tampon,
                                         static_cast<std::size_t>(nbOctets));
  if (ecrits != nbOctets) lancer(ERR_ECRITURE, nomFichier(), kLigneEcriture);
  return nbOctets;
}

char* texteErreur(int code, const char* cheminFic, char* tampon, std::size_t taille) {
  if (taille == 0) return tampon;
  switch (code) {
    case ERR_ACCES:
      std::snprintf(tampon, taille, "Probleme en acces du fichier [%s]", cheminFic);
      break;
    case ERR_OUVERTURE:
      std::snprintf(tampon, taille, "L'ouverture de [%s] a echoue", cheminFic);
      break;
    case ERR_NON_OUVERT:
      std::snprintf(tampon, taille, "Le fichier [%s] n'est pas ouvert", cheminFic);
      break;
    case ERR_ECRITURE:
      std::snprintf(tampon, taille, "Probleme en ecriture sur fichier [%s]", cheminFic);
      break;
    case ERR_LECTURE:
      std::snprintf(tampon, taille, "Probleme en lecture sur fichier [%s]", cheminFic);
      break;
    default:
      std::snprintf(tampon, taille, "Erreur non repertoriee");
      break;
  }
  return tampon;
}

int32_t lireAttributs(const char* cheminFic) {
  const int attributs = plateforme::_rtl_chmod(cheminFic, 0);
  if (attributs == -1) lancer(ERR_ACCES, cheminFic, kLigneLireAttributs);
  return attributs;
}

bool ecrireAttributs(const char* cheminFic, int32_t attributs) {
  if (plateforme::_rtl_chmod(cheminFic, 1, attributs) == -1) {
    lancer(ERR_ACCES, cheminFic, kLigneEcrireAttributs);
  }
  return true;
}

bool existe(const char* cheminFic) {
  std::FILE* flux = plateforme::ouvrirFlux(cheminFic, "rb");
  if (flux == nullptr) return false;
  std::fclose(flux);
  return true;
}

char* nomDisque(char* tampon, int disque) {
  if (disque < 0) disque = plateforme::getdisk();
  std::snprintf(tampon, 3, "%c:", 'A' + disque);
  return tampon;
}

char* repertoireCourant(char* tampon, int disque, std::size_t taille) {
  std::string texte;
  lireRepertoire(disque, &texte);
  return copier(texte, tampon, taille);
}

char* cheminComplet(char* tampon, const char* cheminFic, std::size_t taille) {
  const int courant = plateforme::getdisk();
  std::string sauve;
  if (!lireRepertoire(courant, &sauve)) {
    // Without a way back, the current directory is left alone.
    return copier(std::string(), tampon, taille);
  }
  int cible = courant;
  if (plateforme::longueurDisque(cheminFic) != 0) cible = enMajuscule(cheminFic[0]) - 'A';
  if (cible != courant) plateforme::setdisk(cible);
  plateforme::chdir(cheminFic);
  std::string complet;
  lireRepertoire(cible, &complet);
  if (cible != courant) plateforme::setdisk(courant);
  plateforme::chdir(sauve.c_str());
  copier(complet, tampon, taille);
  return taille > 0 ? Majuscules(tampon) : tampon;
}

bool memeRepertoire(const char* a, const char* b) {
  if (std::string(a) == b) return true;
  char completA[plateforme::kTailleChemin];
  char completB[plateforme::kTailleChemin];
  return std::string(cheminComplet(completA, a)) == cheminComplet(completB, b);
}

bool estRacine(const char* cheminFic) {
  char complet[plateforme::kTailleChemin];
  cheminComplet(complet, cheminFic);
  return complet[0] != '\0' && std::string(complet + 1) == ":\\";
}
