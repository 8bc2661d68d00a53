/* A fault injector for the tests, loaded with LD_PRELOAD: makes the n-th
 * call of one host function fail with a chosen error. Set by the
 * environment:
 *   PAGEVET_FAULT        the call: read, write, open (open, openat and their
 *                        variants), stat (stat, lstat, fstatat), readdir
 *                        (readdir and the raw getdents64),
 *                        pthread_create or malloc
 *   PAGEVET_FAULT_AT     the first call that fails, counted from 1 (default 1)
 *   PAGEVET_FAULT_TIMES  how many calls fail from there on (default 1; 0:
 *                        every later one)
 *   PAGEVET_FAULT_ERRNO  the error: a name (EIO, EACCES...) or a number
 *                        (default EIO)
 *   PAGEVET_FAULT_PATH   when set, only calls on a path holding this text
 *                        are counted (for read and readdir, the path of the
 *                        descriptor or directory); not for pthread_create
 *                        and malloc
 * Calls not chosen go to the host untouched. */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdarg.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

enum appel { AUCUN, READ, WRITE, OPEN, STAT, READDIR, PTHREAD_CREATE, MALLOC };

static const struct {
  const char* nom;
  enum appel appel;
} kAppels[] = {
    {"read", READ},       {"write", WRITE},     {"open", OPEN},
    {"stat", STAT},       {"readdir", READDIR}, {"pthread_create", PTHREAD_CREATE},
    {"malloc", MALLOC},
};

static const struct {
  const char* nom;
  int valeur;
} kErreurs[] = {
    {"EIO", EIO},       {"EACCES", EACCES}, {"ENOENT", ENOENT},         {"ENOMEM", ENOMEM},
    {"EMFILE", EMFILE}, {"EAGAIN", EAGAIN}, {"ENAMETOOLONG", ENAMETOOLONG}, {"ENOSPC", ENOSPC},
    {"EPERM", EPERM},   {"ESTALE", ESTALE}, {"ENXIO", ENXIO},           {"EINTR", EINTR},
};

/* Read once, at the first call that asks: the settings never change. */
static enum appel choisi = AUCUN;
static long premier = 1;
static long combien = 1;
static int erreur = EIO;
static const char* filtre = NULL;
static atomic_long compte;
static pthread_once_t lu = PTHREAD_ONCE_INIT;

static void lireReglages(void) {
  const char* appel = getenv("PAGEVET_FAULT");
  if (appel == NULL) return;
  for (size_t i = 0; i < sizeof kAppels / sizeof kAppels[0]; ++i) {
    if (strcmp(appel, kAppels[i].nom) == 0) choisi = kAppels[i].appel;
  }
  const char* texte = getenv("PAGEVET_FAULT_AT");
  if (texte != NULL) premier = atol(texte);
  texte = getenv("PAGEVET_FAULT_TIMES");
  if (texte != NULL) combien = atol(texte);
  texte = getenv("PAGEVET_FAULT_ERRNO");
  if (texte != NULL) {
    erreur = atoi(texte);
    for (size_t i = 0; i < sizeof kErreurs / sizeof kErreurs[0]; ++i) {
      if (strcmp(texte, kErreurs[i].nom) == 0) erreur = kErreurs[i].valeur;
    }
  }
  filtre = getenv("PAGEVET_FAULT_PATH");
}

/* Whether this call of `appel`, on chemin (NULL: none to filter on), fails. */
static int echoue(enum appel appel, const char* chemin) {
  pthread_once(&lu, lireReglages);
  if (appel != choisi) return 0;
  if (filtre != NULL && (chemin == NULL || strstr(chemin, filtre) == NULL)) return 0;
  const long numero = atomic_fetch_add(&compte, 1) + 1;
  return numero >= premier && (combien == 0 || numero < premier + combien);
}

/* The path behind a descriptor, into tampon; "" when the host cannot say. */
static const char* cheminDe(int descripteur, char* tampon, size_t taille) {
  char lien[64];
  snprintf(lien, sizeof lien, "/proc/self/fd/%d", descripteur);
  const ssize_t n = readlink(lien, tampon, taille - 1);
  tampon[n > 0 ? (size_t)n : 0] = '\0';
  return tampon;
}

static int avecFiltre(void) {
  pthread_once(&lu, lireReglages);
  return filtre != NULL;
}

#define SUIVANT(type, nom) ((type)dlsym(RTLD_NEXT, nom))

ssize_t read(int descripteur, void* tampon, size_t n) {
  char chemin[4096];
  if (echoue(READ, avecFiltre() ? cheminDe(descripteur, chemin, sizeof chemin) : "")) {
    errno = erreur;
    return -1;
  }
  return SUIVANT(ssize_t (*)(int, void*, size_t), "read")(descripteur, tampon, n);
}

ssize_t write(int descripteur, const void* tampon, size_t n) {
  char chemin[4096];
  if (echoue(WRITE, avecFiltre() ? cheminDe(descripteur, chemin, sizeof chemin) : "")) {
    errno = erreur;
    return -1;
  }
  return SUIVANT(ssize_t (*)(int, const void*, size_t), "write")(descripteur, tampon, n);
}

/* open and its variants: the mode is passed on only when the flags use it. */
#define OUVERTURE()                                                 \
  mode_t mode = 0;                                                   \
  if (drapeaux & (O_CREAT | O_TMPFILE)) {                            \
    va_list suite;                                                   \
    va_start(suite, drapeaux);                                       \
    mode = va_arg(suite, mode_t);                                    \
    va_end(suite);                                                   \
  }                                                                  \
  if (echoue(OPEN, chemin)) {                                        \
    errno = erreur;                                                  \
    return -1;                                                       \
  }

int open(const char* chemin, int drapeaux, ...) {
  OUVERTURE()
  return SUIVANT(int (*)(const char*, int, ...), "open")(chemin, drapeaux, mode);
}
int open64(const char* chemin, int drapeaux, ...) {
  OUVERTURE()
  return SUIVANT(int (*)(const char*, int, ...), "open64")(chemin, drapeaux, mode);
}
int openat(int rep, const char* chemin, int drapeaux, ...) {
  OUVERTURE()
  return SUIVANT(int (*)(int, const char*, int, ...), "openat")(rep, chemin, drapeaux, mode);
}
int openat64(int rep, const char* chemin, int drapeaux, ...) {
  OUVERTURE()
  return SUIVANT(int (*)(int, const char*, int, ...), "openat64")(rep, chemin, drapeaux, mode);
}
int __open_2(const char* chemin, int drapeaux) {
  if (echoue(OPEN, chemin)) {
    errno = erreur;
    return -1;
  }
  return SUIVANT(int (*)(const char*, int), "__open_2")(chemin, drapeaux);
}
int __openat_2(int rep, const char* chemin, int drapeaux) {
  if (echoue(OPEN, chemin)) {
    errno = erreur;
    return -1;
  }
  return SUIVANT(int (*)(int, const char*, int), "__openat_2")(rep, chemin, drapeaux);
}

#define INFOS()                                                                 \
  if (echoue(STAT, chemin)) {                                                   \
    errno = erreur;                                                             \
    return -1;                                                                  \
  }

int stat(const char* chemin, struct stat* infos) {
  INFOS()
  return SUIVANT(int (*)(const char*, struct stat*), "stat")(chemin, infos);
}
int lstat(const char* chemin, struct stat* infos) {
  INFOS()
  return SUIVANT(int (*)(const char*, struct stat*), "lstat")(chemin, infos);
}
int fstatat(int rep, const char* chemin, struct stat* infos, int drapeaux) {
  INFOS()
  return SUIVANT(int (*)(int, const char*, struct stat*, int), "fstatat")(rep, chemin, infos,
                                                                          drapeaux);
}
int stat64(const char* chemin, struct stat64* infos) {
  INFOS()
  return SUIVANT(int (*)(const char*, struct stat64*), "stat64")(chemin, infos);
}
int lstat64(const char* chemin, struct stat64* infos) {
  INFOS()
  return SUIVANT(int (*)(const char*, struct stat64*), "lstat64")(chemin, infos);
}
int fstatat64(int rep, const char* chemin, struct stat64* infos, int drapeaux) {
  INFOS()
  return SUIVANT(int (*)(int, const char*, struct stat64*, int), "fstatat64")(rep, chemin, infos,
                                                                              drapeaux);
}

struct dirent* readdir(DIR* repertoire) {
  char chemin[4096];
  if (echoue(READDIR, avecFiltre() ? cheminDe(dirfd(repertoire), chemin, sizeof chemin) : "")) {
    errno = erreur;
    return NULL;
  }
  return SUIVANT(struct dirent* (*)(DIR*), "readdir")(repertoire);
}
struct dirent64* readdir64(DIR* repertoire) {
  char chemin[4096];
  if (echoue(READDIR, avecFiltre() ? cheminDe(dirfd(repertoire), chemin, sizeof chemin) : "")) {
    errno = erreur;
    return NULL;
  }
  return SUIVANT(struct dirent64* (*)(DIR*), "readdir64")(repertoire);
}

ssize_t getdents64(int repertoire, void* tampon, size_t taille) {
  char chemin[4096];
  if (echoue(READDIR, avecFiltre() ? cheminDe(repertoire, chemin, sizeof chemin) : "")) {
    errno = erreur;
    return -1;
  }
  return SUIVANT(ssize_t (*)(int, void*, size_t), "getdents64")(repertoire, tampon, taille);
}

int pthread_create(pthread_t* thread, const pthread_attr_t* attributs, void* (*fonction)(void*),
                   void* argument) {
  if (echoue(PTHREAD_CREATE, NULL)) return erreur;
  return SUIVANT(int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*),
                 "pthread_create")(thread, attributs, fonction, argument);
}

/* malloc goes to glibc's own entry: dlsym may itself allocate. */
extern void* __libc_malloc(size_t taille);
void* malloc(size_t taille) {
  if (echoue(MALLOC, NULL)) {
    errno = erreur;
    return NULL;
  }
  return __libc_malloc(taille);
}
