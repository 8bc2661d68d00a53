// Arguments: option collection, mask list and wildcard completion.
#include "files/arguments.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The four ways a mask may ask to be completed.
bool toutEtoile(const String& s) { return std::strcmp(s.Texte(), "*") == 0; }

bool debutEtoilePoint(const String& s) { return std::strncmp(s.Texte(), "*.", 2) == 0; }

// The first ".*" is the last two characters.
bool finPointEtoile(const String& s) {
  const int32_t position = Position(s.Texte(), ".*");
  return position >= 0 && position == s.Longueur() - 2;
}

// The last '*' or '\' is a '*' that directly follows a '\'.
bool nomEtoile(const String& s) {
  const char* texte = s.Texte();
  for (int32_t k = s.Longueur() - 1; k >= 0; --k) {
    if (texte[k] == '*' || texte[k] == '\\') {
      return texte[k] == '*' && k > 0 && texte[k - 1] == '\\';
    }
  }
  return false;
}

int32_t dernierePosition(const char* texte, char c) {
  const char* trouve = std::strrchr(texte, c);
  return trouve == nullptr ? -1 : static_cast<int32_t>(trouve - texte);
}

}  // namespace

Arguments::Arguments(int nbArgs, const char* const* args, char carOption, bool completer)
    : args_(args), nbArgs_(nbArgs), carOption_(carOption), completer_(completer) {}

int Arguments::nbOptions() const {
  int nombre = 0;
  for (int i = 1; i < nbArgs_; ++i) {
    if (estOption(args_[i])) ++nombre;
  }
  return nombre;
}

int Arguments::analyser(Vecteur<String>& masques, bool retirer) {
  const int nombre = nbArgs_ > 1 ? (nbArgs_ - 1) - nbOptions() : 0;
  masques.Redimensionne(nombre);
  options_ = String();
  int suivant = 0;
  for (int i = 1; i < nbArgs_; ++i) {
    if (estOption(args_[i])) {
      options_ += String(args_[i]);
    } else {
      masques[suivant++] = developper(static_cast<unsigned int>(i), 0);
    }
  }
  if (retirer) {
    std::string lettres;
    for (const char* c = options_.Texte(); *c != '\0'; ++c) {
      if (*c != carOption_) lettres += *c;
    }
    options_ = String(lettres.c_str());
  }
  Majuscules(options_.Texte());
  return nombre;
}

int Arguments::analyser(Vecteur<String>& masques, String& opts, bool retirer) {
  const int nombre = analyser(masques, retirer);
  opts = options_;
  return nombre;
}

// Each argument is completed from the completed form of the one to its left,
// down to argument 1, which stays as typed. The chain is walked from the left
// so that a long command line costs no deep recursion.
String Arguments::developper(unsigned int i, int profondeur) const {
  if (nbArgs_ < 1 || i >= static_cast<unsigned int>(nbArgs_)) return String();
  if (i <= 1 || !completer_) return String(args_[i]);
  String gauche(args_[1]);
  for (unsigned int j = 2; j < i; ++j) gauche = completer(String(args_[j]), gauche, true);
  return completer(String(args_[i]), gauche, profondeur != 0);
}

String Arguments::completer(const String& s, const String& p, bool aGauche) const {
  // Seen from an argument to the right, an option stands for the nearest
  // mask to its left, so that options are passed over.
  if (estOption(s.Texte())) return (aGauche && !estOption(p.Texte())) ? p : s;
  if (!toutEtoile(s) && !debutEtoilePoint(s) && !finPointEtoile(s) && !nomEtoile(s)) return s;
  if (estOption(p.Texte())) return s;

  const int32_t barre = dernierePosition(p.Texte(), '\\');
  const String nom = barre < 0 ? p : String(p, barre + 1);
  const int32_t point = Position(nom.Texte(), '.');
  const String racine = point < 0 ? nom : String(nom, 0, point);

  String resultat = s;
  if (toutEtoile(resultat)) {
    resultat = nom;
  } else {
    if (finPointEtoile(resultat)) {
      resultat.SupprimeFin(1);
      if (point >= 0) resultat += String(nom, point + 1);
    }
    if (debutEtoilePoint(resultat)) {
      resultat.Supprime(0, 1);
      resultat.Insere(racine, 0);
    } else if (nomEtoile(resultat)) {
      const int32_t etoile = dernierePosition(resultat.Texte(), '*');
      resultat.Supprime(etoile, 1);
      if (resultat.Texte()[etoile] == '.' && point >= 0) {
        resultat.Insere(racine, etoile);
      } else {
        resultat.Insere(nom, etoile);
      }
    }
  }
  const int32_t longueur = resultat.Longueur();
  if (longueur > 0 && resultat.Texte()[longueur - 1] == '.') resultat.SupprimeFin(1);
  return resultat;
}

String Arguments::masqueNumero(int n) const {
  if (n < 1) return String();
  int rang = 0;
  for (int i = 1; i < nbArgs_; ++i) {
    String masque = developper(static_cast<unsigned int>(i), 0);
    if (!estOption(masque.Texte()) && ++rang == n) return masque;
  }
  return String();
}

bool Arguments::differents(int i, int j, const char* message, bool parRang,
                           std::FILE* flux) const {
  const String a = parRang ? masqueNumero(j) : developper(static_cast<unsigned int>(j), 0);
  const String b = parRang ? masqueNumero(i) : developper(static_cast<unsigned int>(i), 0);
  if (!(a == b)) return true;
  if (message != nullptr && message[0] != '\0') std::fprintf(flux, "%s\n", message);
  return false;
}

void Arguments::afficherListe(const Vecteur<String>& liste, std::FILE* flux) {
  for (int32_t k = 0; k < liste.Nombre(); ++k) std::fprintf(flux, "%s\n", liste[k].Texte());
}
