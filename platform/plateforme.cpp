// Platform layer on a POSIX host: paths, finder, file times, attributes,
// the single drive, descriptors, the clock and the console.
#include "platform/plateforme.h"

#include <dirent.h>
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <thread>

namespace plateforme {

namespace {

struct FermeRepertoire {
  void operator()(DIR* repertoire) const { closedir(repertoire); }
};
using Repertoire = std::unique_ptr<DIR, FermeRepertoire>;

bool estLettreAscii(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

char minusculeAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The last component of a host path, trailing '/' ignored.
std::string nomDe(const std::string& chemin) {
  std::string::size_type fin = chemin.find_last_not_of('/');
  if (fin == std::string::npos) return std::string();
  const std::string::size_type barre = chemin.rfind('/', fin);
  const std::string::size_type debut = barre == std::string::npos ? 0 : barre + 1;
  return chemin.substr(debut, fin + 1 - debut);
}

// Attribute bits of an entry, from its name and what stat and lstat tell.
int attributsDe(const std::string& nom, const struct stat& cible, bool estLien) {
  int attributs = 0;
  if (S_ISDIR(cible.st_mode)) {
    attributs |= kRepertoire;
    // A link to a directory is marked system so that no walk follows it.
    if (estLien) attributs |= kSysteme;
  } else if (S_ISREG(cible.st_mode)) {
    attributs |= kArchive;
  }
  if (!nom.empty() && nom[0] == '.' && nom != "." && nom != "..") attributs |= kCache;
  // Only a file is read-only: a directory that the owner cannot write to
  // (a deployed tree, say) is walked like any other.
  if (!S_ISDIR(cible.st_mode) && (cible.st_mode & S_IWUSR) == 0) attributs |= kLectureSeule;
  return attributs;
}

// Packs a host time as the file finder presents it. Times outside what the
// words can hold are clamped, and a leap second counts as 58, so that the
// words of a real file always decode to a valid date and time.
HorodatageFichier emballer(time_t instant) {
  struct tm local {};
  int annee = 1980, mois = 1, jour = 1, heure = 0, minute = 0, seconde = 0;
  if (localtime_r(&instant, &local) != nullptr) {
    annee = local.tm_year + 1900;
    if (annee > 2107) {
      annee = 2107, mois = 12, jour = 31, heure = 23, minute = 59, seconde = 58;
    } else if (annee >= 1980) {
      mois = local.tm_mon + 1;
      jour = local.tm_mday;
      heure = local.tm_hour;
      minute = local.tm_min;
      seconde = std::min(local.tm_sec, 59);
    } else {
      annee = 1980;
    }
  }
  HorodatageFichier mots;
  mots.date = static_cast<uint16_t>(((annee - 1980) << 9) | (mois << 5) | jour);
  mots.heure = static_cast<uint16_t>((heure << 11) | (minute << 5) | (seconde / 2));
  return mots;
}

// The current directory of the host, or false.
bool repertoireHote(std::string* repertoire) {
  std::vector<char> tampon(256);
  while (getcwd(tampon.data(), tampon.size()) == nullptr) {
    if (errno != ERANGE || tampon.size() >= (1u << 20)) return false;
    tampon.resize(tampon.size() * 2);
  }
  *repertoire = tampon.data();
  return true;
}

// A directory is no file, and a FIFO has no end to read to: the program only
// ever opens files. Sets errno for what it refuses.
bool refuse(const struct stat& infos) {
  if (S_ISDIR(infos.st_mode)) {
    errno = EISDIR;
    return true;
  }
  if (S_ISFIFO(infos.st_mode)) {
    errno = ENXIO;
    return true;
  }
  return false;
}


// Opens a host path. One longer than the host takes in one piece is entered
// a piece at a time, each piece below the limit, relative to the last.
int ouvrirChemin(const std::string& chemin, int drapeaux) {
  if (chemin.size() < PATH_MAX) return open(chemin.c_str(), drapeaux);
#ifdef O_PATH
  constexpr int kTraversee = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
  constexpr int kTraversee = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif
  int rep = AT_FDCWD;
  std::size_t debut = 0;
  while (chemin.size() - debut >= PATH_MAX) {
    const std::string::size_type coupe = chemin.rfind('/', debut + PATH_MAX - 2);
    int suivant = -1;
    int erreur = ENAMETOOLONG;  // a single name longer than the limit
    if (coupe != std::string::npos && coupe >= debut) {
      suivant = openat(rep, chemin.substr(debut, coupe - debut + 1).c_str(), kTraversee);
      erreur = errno;
    }
    if (rep != AT_FDCWD) ::close(rep);
    if (suivant < 0) {
      errno = erreur;
      return -1;
    }
    rep = suivant;
    debut = coupe + 1;
    while (debut < chemin.size() && chemin[debut] == '/') ++debut;
  }
  const int descripteur = openat(rep, chemin.c_str() + debut, drapeaux);
  const int erreur = errno;
  if (rep != AT_FDCWD) ::close(rep);
  errno = erreur;
  return descripteur;
}

// The path a descriptor stands for, as the host resolves it.
bool cheminDe(int descripteur, std::string* chemin) {
  const std::string lien = "/proc/self/fd/" + std::to_string(descripteur);
  std::vector<char> tampon(256);
  for (;;) {
    const ssize_t n = readlink(lien.c_str(), tampon.data(), tampon.size());
    if (n < 0) return false;
    if (static_cast<std::size_t>(n) < tampon.size()) {
      chemin->assign(tampon.data(), static_cast<std::size_t>(n));
      return true;
    }
    if (tampon.size() >= (1u << 20)) return false;
    tampon.resize(tampon.size() * 2);
  }
}

// Whether what the link nom of directory rep leads to lies inside racine.
// A target that cannot be resolved counts as outside.
bool cibleDans(int rep, const std::string& nom, const std::string& racine,
               const std::string& prefixe) {
  std::string cible;
  const int descripteur = openat(rep, nom.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  bool resolue = false;
  if (descripteur >= 0) {
    resolue = cheminDe(descripteur, &cible);
    ::close(descripteur);
  }
  if (!resolue) {
    // Without /proc, the host's resolution of the path itself.
    std::unique_ptr<char, decltype(&std::free)> reel(realpath((prefixe + nom).c_str(), nullptr),
                                                      &std::free);
    if (!reel) return false;
    cible = reel.get();
  }
  if (racine == "/") return true;
  return cible.size() > racine.size() && cible.compare(0, racine.size(), racine) == 0 &&
         cible[racine.size()] == '/';
}

// Looks at the entry nom of directory rep (host path prefixe) and fills
// entree. Gives 0 for an entry, -1 for a name that is no entry (a FIFO,
// socket or device, a link that leads nowhere or in a loop, a link to a
// file outside racineLiens), or the host's error for an entry that could
// not be looked at.
int regarder(int rep, const std::string& nom, const std::string& racineLiens,
             const std::string& prefixe, RechercheFichier::Entree* entree) {
  // What the entry is, and what it leads to: the same thing unless it is
  // a link, so only a link costs a second lookup.
  struct stat lien {};
  if (fstatat(rep, nom.c_str(), &lien, AT_SYMLINK_NOFOLLOW) != 0) {
    // "." and ".." are never pages: a directory that can be listed but not
    // entered has them like any other name.
    return nom == "." || nom == ".." ? -1 : errno;
  }
  const bool estLien = S_ISLNK(lien.st_mode);
  struct stat cible = lien;
  if (estLien && fstatat(rep, nom.c_str(), &cible, 0) != 0) {
    return errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? -1 : errno;
  }
  // Only files and directories: FIFOs, sockets, devices and broken links
  // are never handed out, so nothing can block on opening them.
  if (!S_ISREG(cible.st_mode) && !S_ISDIR(cible.st_mode)) return -1;
  if (estLien && S_ISREG(cible.st_mode) && !racineLiens.empty() &&
      !cibleDans(rep, nom, racineLiens, prefixe)) {
    return -1;
  }
  const HorodatageFichier mots = emballer(cible.st_mtime);
  entree->nom = nom;
  entree->taille =
      static_cast<int32_t>(std::min<off_t>(cible.st_size, static_cast<off_t>(INT32_MAX)));
  entree->attributs = attributsDe(nom, cible, estLien);
  entree->heure = mots.heure;
  entree->date = mots.date;
  return 0;
}

// What the entry nom of directory rep (host path prefixe) is to the walk,
// looked at as regarder does; *erreur receives the host's error of an
// Illisible entry.
GenreListe genreRegarde(int rep, const std::string& nom, const std::string& racineLiens,
                        const std::string& prefixe, int* erreur) {
  struct stat lien {};
  if (fstatat(rep, nom.c_str(), &lien, AT_SYMLINK_NOFOLLOW) != 0) {
    *erreur = errno;
    return GenreListe::Illisible;
  }
  const bool estLien = S_ISLNK(lien.st_mode);
  struct stat cible = lien;
  if (estLien && fstatat(rep, nom.c_str(), &cible, 0) != 0) {
    if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) return GenreListe::Rien;
    *erreur = errno;
    return GenreListe::Illisible;
  }
  // A link to a directory is never entered, as the system bit says above.
  if (S_ISDIR(cible.st_mode)) return estLien ? GenreListe::Rien : GenreListe::Repertoire;
  if (!S_ISREG(cible.st_mode)) return GenreListe::Rien;
  if (estLien && !racineLiens.empty() && !cibleDans(rep, nom, racineLiens, prefixe)) {
    return GenreListe::Rien;
  }
  return GenreListe::Fichier;
}

// What the listing's type tells of an entry, when it tells enough.
bool genreListe(unsigned char type, GenreListe* genre) {
  switch (type) {
    case DT_REG:
      *genre = GenreListe::Fichier;
      return true;
    case DT_DIR:
      *genre = GenreListe::Repertoire;
      return true;
    case DT_FIFO:
    case DT_CHR:
    case DT_BLK:
    case DT_SOCK:
      *genre = GenreListe::Rien;
      return true;
    default:  // a link, or a type the file system does not give
      return false;
  }
}

}  // namespace

std::size_t longueurDisque(const char* chemin) {
  return estLettreAscii(chemin[0]) && chemin[1] == ':' && (chemin[2] == '\\' || chemin[2] == '\0')
             ? 2
             : 0;
}

std::string cheminHote(const char* chemin) {
  chemin += longueurDisque(chemin);
  std::string hote(chemin);
  std::replace(hote.begin(), hote.end(), '\\', '/');
  return hote;
}

bool correspond(const char* masque, const char* nom) {
  if (std::strcmp(masque, "*.*") == 0) return true;
  // Greedy match with one backtracking point: the last '*' seen.
  const char* etoile = nullptr;
  const char* reprise = nullptr;
  while (*nom != '\0') {
    if (*masque == '*') {
      etoile = masque++;
      reprise = nom;
    } else if (*masque != '\0' &&
               (*masque == '?' || minusculeAscii(*masque) == minusculeAscii(*nom))) {
      ++masque;
      ++nom;
    } else if (etoile != nullptr) {
      masque = etoile + 1;
      nom = ++reprise;
    } else {
      return false;
    }
  }
  while (*masque == '*') ++masque;
  return *masque == '\0';
}

int findfirst(const char* motif, RechercheFichier* bloc, int attributs) {
  std::vector<RechercheFichier::Entree>().swap(bloc->entrees);
  bloc->illisibles.clear();
  bloc->prochain = 0;
  bloc->attrRecherche = attributs;

  const std::string hote = cheminHote(motif);
  const std::string::size_type barre = hote.rfind('/');
  const std::string masque = barre == std::string::npos ? hote : hote.substr(barre + 1);
  const std::string prefixe = barre == std::string::npos ? std::string() : hote.substr(0, barre + 1);

  const int descripteurRep =
      ouvrirChemin(prefixe.empty() ? std::string(".") : prefixe, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  Repertoire repertoire(descripteurRep >= 0 ? fdopendir(descripteurRep) : nullptr);
  bloc->erreur = repertoire ? 0 : errno;
  if (!repertoire) {
    if (descripteurRep >= 0) ::close(descripteurRep);
    return -1;
  }
  std::vector<std::string> noms;
  for (;;) {
    // readdir gives a null pointer both at the end and on an error: only
    // errno tells them apart.
    errno = 0;
    const struct dirent* entree = readdir(repertoire.get());
    if (entree == nullptr) {
      bloc->erreur = errno;
      break;
    }
    // Names that could not be written back as a program path.
    if (std::strchr(entree->d_name, '\\') != nullptr) continue;
    if (prefixe.empty() && longueurDisque(entree->d_name) != 0) continue;
    if (correspond(masque.c_str(), entree->d_name)) noms.emplace_back(entree->d_name);
  }
  std::sort(noms.begin(), noms.end());
  const int rep = dirfd(repertoire.get());
  for (const std::string& nom : noms) {
    RechercheFichier::Entree entree;
    const int erreur = regarder(rep, nom, bloc->racineLiens, prefixe, &entree);
    if (erreur == 0) {
      bloc->entrees.push_back(std::move(entree));
    } else if (erreur > 0) {
      bloc->illisibles.emplace_back(nom, erreur);
    }
  }
  return findnext(bloc);
}

int listerRepertoire(const std::string& repertoire, const std::string& racineLiens,
                     bool (*regarde)(const void* contexte, const char* nom),
                     const void* contexte, std::vector<EntreeListee>* entrees) {
  entrees->clear();
  const std::string prefixe = cheminHote(repertoire.c_str());
  const int rep = ouvrirChemin(prefixe.empty() ? std::string(".") : prefixe,
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (rep < 0) return errno;
  std::vector<unsigned char> types;
  int erreur = 0;
  // The raw listing, read straight into a buffer: no stream over the
  // directory, so no lookup of the descriptor beyond the reads.
  alignas(struct dirent64) char tampon[32768];
  for (;;) {
    const ssize_t lus = getdents64(rep, tampon, sizeof tampon);
    if (lus < 0) {
      erreur = errno;
      break;
    }
    if (lus == 0) break;
    for (ssize_t position = 0; position < lus;) {
      const auto* brute = reinterpret_cast<const struct dirent64*>(tampon + position);
      position += brute->d_reclen;
      const char* nom = brute->d_name;
      if (nom[0] == '.' && (nom[1] == '\0' || (nom[1] == '.' && nom[2] == '\0'))) continue;
      // Names that could not be written back as a program path.
      if (std::strchr(nom, '\\') != nullptr) continue;
      if (prefixe.empty() && longueurDisque(nom) != 0) continue;
      if (!regarde(contexte, nom)) continue;
      EntreeListee entree;
      entree.nom = nom;
      // The type rides in genre's place until the names are sorted.
      entree.genre = static_cast<GenreListe>(brute->d_type);
      entrees->push_back(std::move(entree));
    }
  }
  std::sort(entrees->begin(), entrees->end(),
            [](const EntreeListee& a, const EntreeListee& b) { return a.nom < b.nom; });
  // The first entry is looked at whatever its type: if it cannot be, the
  // directory cannot be searched, and every entry is looked at as findfirst
  // would, each failing with its own error.
  bool toutRegarder = false;
  for (std::size_t i = 0; i < entrees->size(); ++i) {
    EntreeListee& entree = (*entrees)[i];
    const auto type = static_cast<unsigned char>(entree.genre);
    if (i == 0 || toutRegarder || !genreListe(type, &entree.genre)) {
      entree.genre = genreRegarde(rep, entree.nom, racineLiens, prefixe, &entree.erreur);
      if (i == 0 && entree.genre == GenreListe::Illisible) toutRegarder = true;
    }
  }
  ::close(rep);
  return erreur;
}

int findnext(RechercheFichier* bloc) {
  constexpr int kVisibles = kCache | kSysteme | kRepertoire;
  while (bloc->prochain < bloc->entrees.size()) {
    RechercheFichier::Entree& entree = bloc->entrees[bloc->prochain++];
    if ((entree.attributs & kVisibles & ~bloc->attrRecherche) != 0) continue;
    bloc->nom = std::move(entree.nom);
    bloc->taille = entree.taille;
    bloc->attributs = entree.attributs;
    bloc->heure = entree.heure;
    bloc->date = entree.date;
    return 0;
  }
  std::vector<RechercheFichier::Entree>().swap(bloc->entrees);
  bloc->prochain = 0;
  return -1;
}

int getftime(int descripteur, HorodatageFichier* horodatage) {
  struct stat infos {};
  if (fstat(descripteur, &infos) != 0) return -1;
  *horodatage = emballer(infos.st_mtime);
  return 0;
}

int setftime(int descripteur, const HorodatageFichier& horodatage) {
  struct tm local {};
  local.tm_year = (horodatage.date >> 9) + 80;
  local.tm_mon = ((horodatage.date >> 5) & 15) - 1;
  local.tm_mday = horodatage.date & 31;
  local.tm_hour = horodatage.heure >> 11;
  local.tm_min = (horodatage.heure >> 5) & 63;
  local.tm_sec = (horodatage.heure & 31) * 2;
  local.tm_isdst = -1;
  const time_t instant = mktime(&local);
  if (instant == static_cast<time_t>(-1)) return -1;
  struct timespec temps[2];
  temps[0].tv_sec = 0;
  temps[0].tv_nsec = UTIME_OMIT;
  temps[1].tv_sec = instant;
  temps[1].tv_nsec = 0;
  return futimens(descripteur, temps) == 0 ? 0 : -1;
}

int _rtl_chmod(const char* chemin, int fonction, int attributs) {
  const std::string hote = cheminHote(chemin);
  struct stat lien {};
  struct stat cible {};
  if (lstat(hote.c_str(), &lien) != 0 || stat(hote.c_str(), &cible) != 0) return -1;
  if (fonction == 1) {
    mode_t mode = cible.st_mode & 07777;
    if ((attributs & kLectureSeule) != 0) {
      mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
    } else {
      const mode_t masque = umask(0);
      umask(masque);
      mode |= S_IWUSR | ((S_IWGRP | S_IWOTH) & ~masque);
    }
    if (chmod(hote.c_str(), mode) != 0 || stat(hote.c_str(), &cible) != 0) return -1;
  } else if (fonction != 0) {
    return -1;
  }
  return attributsDe(nomDe(hote), cible, S_ISLNK(lien.st_mode));
}

int getdisk() { return kDisqueUnique; }

void setdisk(int /*disque*/) {}

int getcurdir(int disque, char* tampon, std::size_t taille) {
  if (taille == 0) return -1;
  tampon[0] = '\0';
  std::string repertoire;
  if ((disque != 0 && disque != kDisqueUnique + 1) || !repertoireHote(&repertoire)) return -1;
  repertoire.erase(0, repertoire.find_first_not_of('/'));
  std::replace(repertoire.begin(), repertoire.end(), '/', '\\');
  std::snprintf(tampon, taille, "%s", repertoire.c_str());
  return repertoire.size() < taille ? 0 : -1;
}

std::string repertoireCourant() {
  std::string repertoire;
  return repertoireHote(&repertoire) ? repertoire : std::string();
}

int chdir(const char* chemin) { return ::chdir(cheminHote(chemin).c_str()) == 0 ? 0 : -1; }

std::FILE* ouvrirFlux(const char* chemin, const char* mode) {
  const std::string hote = cheminHote(chemin);
  if (std::strcmp(mode, "r") != 0 && std::strcmp(mode, "rb") != 0) {
    struct stat infos {};
    if (stat(hote.c_str(), &infos) == 0 && refuse(infos)) return nullptr;
    return std::fopen(hote.c_str(), mode);
  }
  // For reading, what is opened is what is checked: without O_NONBLOCK,
  // opening a FIFO would wait for a writer, and only a regular file has an
  // end to read to (a device such as /dev/zero has none).
  const int descripteur = ouvrirChemin(hote, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descripteur < 0) return nullptr;
  struct stat infos {};
  std::FILE* flux = nullptr;
  if (fstat(descripteur, &infos) == 0 && !refuse(infos)) {
    if (S_ISREG(infos.st_mode)) {
      flux = fdopen(descripteur, mode);
    } else {
      errno = ENXIO;
    }
  }
  if (flux == nullptr) {
    // The descriptor goes, the reason it was refused stays.
    const int erreur = errno;
    ::close(descripteur);
    errno = erreur;
  }
  return flux;
}

int ouvrirPage(const char* chemin) {
  return ouvrirChemin(cheminHote(chemin), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

int verifierOrdinaire(int descripteur) {
  struct stat infos {};
  if (fstat(descripteur, &infos) != 0) return errno;
  return S_ISREG(infos.st_mode) ? 0 : ENXIO;
}

int fermer(int descripteur) { return ::close(descripteur) == 0 ? 0 : -1; }

namespace {

struct tm maintenant(long* nanosecondes) {
  struct timespec instant {};
  clock_gettime(CLOCK_REALTIME, &instant);
  struct tm local {};
  localtime_r(&instant.tv_sec, &local);
  *nanosecondes = instant.tv_nsec;
  return local;
}

}  // namespace

void getdate(DateJour* date) {
  long nanosecondes = 0;
  const struct tm local = maintenant(&nanosecondes);
  date->annee = local.tm_year + 1900;
  date->mois = local.tm_mon + 1;
  date->jour = local.tm_mday;
}

void gettime(HeureJour* heure) {
  long nanosecondes = 0;
  const struct tm local = maintenant(&nanosecondes);
  heure->heure = local.tm_hour;
  heure->minute = local.tm_min;
  heure->seconde = std::min(local.tm_sec, 59);
  heure->centiemes = static_cast<int>(nanosecondes / 10000000);
}

int descripteur(std::FILE* flux) { return fileno(flux); }

long lire(int descripteur, void* tampon, std::size_t nombre) {
  return static_cast<long>(::read(descripteur, tampon, nombre));
}

long ecrire(int descripteur, const void* tampon, std::size_t nombre) {
  return static_cast<long>(::write(descripteur, tampon, nombre));
}

bool localeEnUtf8() {
  // Asked of a private locale object, so the program's own stays "C".
  locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return false;
  const char* codeset = nl_langinfo_l(CODESET, locale);
  const bool utf8 = codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 ||
                                           std::strcmp(codeset, "utf8") == 0);
  freelocale(locale);
  return utf8;
}

bool memeFichierOuvert(std::FILE* a, std::FILE* b) {
  struct stat infosA {};
  struct stat infosB {};
  return fstat(fileno(a), &infosA) == 0 && fstat(fileno(b), &infosB) == 0 &&
         infosA.st_dev == infosB.st_dev && infosA.st_ino == infosB.st_ino;
}

bool estTerminal(std::FILE* flux) {
  const int descripteur = fileno(flux);
  return descripteur >= 0 && isatty(descripteur) == 1;
}

int erreurFlux(std::FILE* flux) {
  const int descripteur = fileno(flux);
  if (descripteur < 0) return EBADF;
  return fcntl(descripteur, F_GETFD) == -1 ? errno : 0;
}

int nombreProcesseurs() {
  cpu_set_t processeurs;
  CPU_ZERO(&processeurs);
  if (sched_getaffinity(0, sizeof processeurs, &processeurs) == 0) {
    const int nombre = CPU_COUNT(&processeurs);
    if (nombre > 0) return nombre;
  }
  const unsigned materiel = std::thread::hardware_concurrency();
  return materiel > 0 ? static_cast<int>(materiel) : 1;
}


GenreEntree genreEntree(const std::string& chemin) {
  struct stat infos {};
  if (stat(chemin.c_str(), &infos) == 0) {
    return S_ISDIR(infos.st_mode) ? GenreEntree::Repertoire : GenreEntree::Autre;
  }
  return lstat(chemin.c_str(), &infos) == 0 ? GenreEntree::Autre : GenreEntree::Absente;
}

std::FILE* ouvrirLecture(const std::string& chemin, int* erreur) {
  const int descripteur = open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
  if (descripteur < 0) {
    *erreur = errno;
    return nullptr;
  }
  struct stat infos {};
  if (fstat(descripteur, &infos) != 0 || S_ISDIR(infos.st_mode)) {
    *erreur = S_ISDIR(infos.st_mode) ? EISDIR : errno;
    ::close(descripteur);
    return nullptr;
  }
  std::FILE* const flux = fdopen(descripteur, "r");
  if (flux == nullptr) {
    *erreur = errno;
    ::close(descripteur);
  }
  return flux;
}

int lireTout(std::FILE* flux, std::string* contenu) {
  char tampon[16 * 1024];
  for (;;) {
    errno = 0;
    const std::size_t lu = std::fread(tampon, 1, sizeof tampon, flux);
    contenu->append(tampon, lu);
    if (lu < sizeof tampon) {
      if (std::ferror(flux) == 0) return 0;
      // A failed read that left no error number is still a failure.
      return errno != 0 ? errno : EIO;
    }
  }
}

int descripteursLibres(int plafond) {
  struct rlimit limite {};
  if (getrlimit(RLIMIT_NOFILE, &limite) != 0 || limite.rlim_cur == RLIM_INFINITY) return plafond;
  // Counted only where the limit may bind: past it the answer is plafond.
  if (limite.rlim_cur > static_cast<rlim_t>(plafond) + 1024) return plafond;
  int libres = 0;
  for (rlim_t numero = 0; numero < limite.rlim_cur; ++numero) {
    if (fcntl(static_cast<int>(numero), F_GETFD) == -1 && errno == EBADF) ++libres;
  }
  return std::min(plafond, libres);
}

}  // namespace plateforme
