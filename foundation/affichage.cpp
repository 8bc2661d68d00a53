#include "foundation/affichage.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/plateforme.h"
#include "foundation/jeucaracteres.h"

Affichage affichage(Affichage::SortieConsole());

Affichage::Affichage() : Affichage(Sortie::Oem850) {}

Affichage::Affichage(Sortie sortie, std::FILE* flux)
    : conversion(sortie == Sortie::Oem850 ? new AsciiAnsi(true) : nullptr),
      utf8(sortie == Sortie::Utf8),
      fichier_(flux),
      canal_(&fichier_) {}

Affichage::Affichage(Sortie sortie, Canal& canal) : Affichage(sortie, stdout) { canal_ = &canal; }

Affichage::Affichage(const Affichage& autre)
    : conversion(autre.conversion ? new AsciiAnsi(*autre.conversion) : nullptr),
      utf8(autre.utf8),
      fichier_(autre.fichier_),
      canal_(autre.canal_ == &autre.fichier_ ? &fichier_ : autre.canal_) {}

Affichage& Affichage::operator=(const Affichage& autre) {
  if (this != &autre) {
    conversion.reset(autre.conversion ? new AsciiAnsi(*autre.conversion) : nullptr);
    utf8 = autre.utf8;
    fichier_ = autre.fichier_;
    canal_ = autre.canal_ == &autre.fichier_ ? &fichier_ : autre.canal_;
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
    // code, any other one '?'; runs of ASCII are copied whole.
    const char* const fin = texte + std::strlen(texte);
    for (const char* p = texte; p < fin;) {
      const std::size_t ascii = prefixeAscii(p, static_cast<std::size_t>(fin - p));
      sortie.append(p, ascii);
      p += ascii;
      if (p == fin) break;
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
  // The fixed formats are short: they fit the stack buffer but for a
  // message with a long argument.
  char tampon[256];
  va_list arguments;
  va_start(arguments, format);
  va_list copie;
  va_copy(copie, arguments);
  const int n = std::vsnprintf(tampon, sizeof tampon, format, arguments);
  va_end(arguments);
  if (n < 0) {
    va_end(copie);
    return;
  }
  if (static_cast<std::size_t>(n) < sizeof tampon) {
    va_end(copie);
    canal_->Ecrit(tampon, static_cast<std::size_t>(n));
    return;
  }
  std::string texte(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(texte.data(), texte.size(), format, copie);
  va_end(copie);
  canal_->Ecrit(texte.data(), static_cast<std::size_t>(n));
}

Affichage::Sortie Affichage::SortieConsole() {
  return plateforme::localeEnUtf8() ? Sortie::Utf8 : Sortie::Oem850;
}

void Affichage::VersUtf8(const char* texte, std::string& sortie) {
  ajouterEnUtf8(texte, JeuCaracteres::Utf8, sortie);
}
