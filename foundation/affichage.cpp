#include "foundation/affichage.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "files/plateforme.h"
#include "foundation/erreursortie.h"

namespace {

// Windows-1252 codes 0x80-0x9F as Unicode; 0 marks the five undefined ones.
constexpr char16_t kCp1252Haut[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AjouteUtf8(char32_t point, std::string& sortie) {
  if (point < 0x80) {
    sortie += static_cast<char>(point);
  } else if (point < 0x800) {
    sortie += static_cast<char>(0xC0 | (point >> 6));
    sortie += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    sortie += static_cast<char>(0xE0 | (point >> 12));
    sortie += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    sortie += static_cast<char>(0x80 | (point & 0x3F));
  }
}

// Length of the well-formed UTF-8 sequence at p (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0 when there is none.
size_t LongueurUtf8(const unsigned char* p) {
  const unsigned char c = p[0];
  auto suite = [](unsigned char b) { return (b & 0xC0) == 0x80; };
  if (c >= 0xC2 && c <= 0xDF) return suite(p[1]) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    const unsigned char min = (c == 0xE0) ? 0xA0 : 0x80;
    const unsigned char max = (c == 0xED) ? 0x9F : 0xBF;
    return (p[1] >= min && p[1] <= max && suite(p[2])) ? 3 : 0;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    const unsigned char min = (c == 0xF0) ? 0x90 : 0x80;
    const unsigned char max = (c == 0xF4) ? 0x8F : 0xBF;
    return (p[1] >= min && p[1] <= max && suite(p[2]) && suite(p[3])) ? 4 : 0;
  }
  return 0;
}

}  // namespace

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

std::string Affichage::Convertit(const char* texte) const {
  if (utf8) {
    std::string sortie;
    VersUtf8(texte, sortie);
    return sortie;
  }
  std::string sortie(texte);
  if (conversion) conversion->Convertit(sortie.data());
  return sortie;
}

std::string Affichage::ConvertitDansFormat(const char* texte) const {
  return utf8 ? Convertit(texte) : std::string(texte);
}

void Affichage::Affiche(const char* texte, bool finLigne) const {
  std::string sortie = Convertit(texte);
  if (finLigne) sortie += '\n';
  Ecrit(sortie);
}

void Affichage::AfficheDansFormat(const char* texte) const { Ecrit(ConvertitDansFormat(texte)); }

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
  const auto* p = reinterpret_cast<const unsigned char*>(texte);
  while (*p) {
    if (*p < 0x80) {
      sortie += static_cast<char>(*p++);
      continue;
    }
    if (const size_t n = LongueurUtf8(p)) {
      sortie.append(reinterpret_cast<const char*>(p), n);
      p += n;
      continue;
    }
    char32_t point = *p;
    if (point < 0xA0) {
      point = kCp1252Haut[point - 0x80];
      if (point == 0) point = 0xFFFD;
    }
    AjouteUtf8(point, sortie);
    ++p;
  }
}
