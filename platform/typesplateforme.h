// The values that cross the platform seam: attribute bits, path length, and
// the packed time words and clock records. No host API is declared here.
#ifndef PAGEVET_PLATFORM_TYPESPLATEFORME_H_
#define PAGEVET_PLATFORM_TYPESPLATEFORME_H_

#include <cstddef>
#include <cstdint>

namespace plateforme {

// Attribute bits of a directory entry (FAT attribute byte).
constexpr int kLectureSeule = 0x01;
constexpr int kCache = 0x02;
constexpr int kSysteme = 0x04;
constexpr int kVolume = 0x08;
constexpr int kRepertoire = 0x10;
constexpr int kArchive = 0x20;

// Length of the program's path buffers, terminator included.
constexpr std::size_t kTailleChemin = 512;

// A file's modification time as two packed words: the time word (seconds / 2
// in bits 0-4, minute in bits 5-10, hour in bits 11-15) then the date word
// (day in bits 0-4, month in bits 5-8, year - 1980 in bits 9-15).
struct HorodatageFichier {
  uint16_t heure = 0;
  uint16_t date = 0;
};

struct DateJour {
  int annee = 0;
  int mois = 0;
  int jour = 0;
};

struct HeureJour {
  int heure = 0;
  int minute = 0;
  int seconde = 0;
  int centiemes = 0;
};

}  // namespace plateforme

#endif  // PAGEVET_PLATFORM_TYPESPLATEFORME_H_
