#include "foundation/affichage.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/plateforme.h"
#include "foundation/erreursortie.h"
#include "foundation/jeucaracteres.h"

Affichage affichage(Affichage::SortieConsole());

Affichage::Affichage() : Affichage(Sortie::Oem850) {}

Affichage::Affichage(Sortie sortie, std::FILE* flux)
    : conversion(sortie == Sortie::Oem850 ? new AsciiAnsi(true) : nullptr),
      utf8(sortie == Sortie::Utf8),
      flux_(flux) {}

Affichage::Affichage(const Affichage& autre)
    : conversion(autre.conversion ? new AsciiAnsi(*autre.conversion) : nullptr),
      utf8(autre.utf8),
      flux_(autre.flux_) {}

Affichage& Affichage::operator=(const Affichage& autre) {
  if (this != &autre) {
    conversion.reset(autre.conversion ? new AsciiAnsi(*autre.conversion) : nullptr);
    utf8 = autre.utf8;
    flux_ = autre.flux_;
  }
  return *this;
}

std::string Affichage::Convertit(const char* texte, JeuCaracteres jeu) const {
  std::string sortie;
  if (utf8) {
    // The rule of the UTF-8 output serves both sets: a UTF-8 text is valid
    // UTF-8 but for its stray bytes, which are Windows-1252.
    VersUtf8(texte, sortie);
  } else if (!conversion) {
    sortie = texte;
  } else if (jeu == JeuCaracteres::Windows1252) {
    sortie.assign(texte);
    conversion->Convertit(sortie.data());
  } else {
    // Each character of the UTF-8 text that code page 850 has becomes its
    // code, any other one '?'.
    for (const char* p = texte; *p != '\0';) {
      const CaractereUtf8 caractere = lireCaractere(p);
      const int code = codeCp850(caractere.point);
      sortie += code >= 0 ? static_cast<char>(code) : '?';
      p += caractere.longueur;
    }
  }
  return sortie;
}

std::string Affichage::ConvertitDansFormat(const char* texte, JeuCaracteres jeu) const {
  if (conversion && jeu == JeuCaracteres::Windows1252) return std::string(texte);
  return Convertit(texte, jeu);
}

void Affichage::Affiche(const char* texte, bool finLigne, JeuCaracteres jeu) const {
  std::string sortie = Convertit(texte, jeu);
  if (finLigne) sortie += '\n';
  Ecrit(sortie);
}

void Affichage::AfficheDansFormat(const char* texte, JeuCaracteres jeu) const {
  Ecrit(ConvertitDansFormat(texte, jeu));
}

void Affichage::Imprime(const char* format, ...) const {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(flux_, format, arguments);
  va_end(arguments);
  Verifie();
}

void Affichage::Ecrit(const std::string& texte) const {
  // Written as bytes: a '%' in a page line or a file name is never a format.
  std::fwrite(texte.data(), 1, texte.size(), flux_);
  Verifie();
}

void Affichage::Verifie() const {
  if (std::ferror(flux_)) throw ErreurSortie(errno != 0 ? errno : EIO);
}

Affichage::Sortie Affichage::SortieConsole() {
  return plateforme::localeEnUtf8() ? Sortie::Utf8 : Sortie::Oem850;
}

void Affichage::VersUtf8(const char* texte, std::string& sortie) {
  for (const char* p = texte; *p != '\0';) {
    // Runs of ASCII and of valid UTF-8 are appended whole.
    const char* debut = p;
    for (std::size_t longueur; *p != '\0'; p += longueur) {
      longueur = static_cast<unsigned char>(*p) < 0x80 ? 1 : longueurUtf8(p);
      if (longueur == 0) break;
    }
    sortie.append(debut, static_cast<std::size_t>(p - debut));
    if (*p != '\0') ajouterUtf8(unicodeDe1252(static_cast<unsigned char>(*p++)), sortie);
  }
}
