// Tests of the host-path services: what a path names, opening for reading
// (a pipe yes, a directory no) and reading to the end.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/plateforme.h"
#include "tests/files/arbre.h"

namespace {

using plateforme::GenreEntree;

TEST(LectureHote, KindsOfEntries) {
  RepertoireTemporaire temporaire;
  creerFichier("f.txt");
  ASSERT_EQ(mkdir("d", 0755), 0);
  ASSERT_EQ(symlink("d", "lien-d"), 0);
  ASSERT_EQ(symlink("nulle-part", "lien-mort"), 0);
  ASSERT_EQ(mkfifo("tube", 0644), 0);
  const struct {
    const char* chemin;
    GenreEntree attendu;
  } cas[] = {
      {"f.txt", GenreEntree::Autre},        {"d", GenreEntree::Repertoire},
      {"lien-d", GenreEntree::Repertoire},  {"lien-mort", GenreEntree::Autre},
      {"tube", GenreEntree::Autre},         {"absent", GenreEntree::Absente},
      {"f.txt/x", GenreEntree::Absente},    {".", GenreEntree::Repertoire},
      {"", GenreEntree::Absente},
  };
  for (const auto& c : cas) EXPECT_EQ(plateforme::genreEntree(c.chemin), c.attendu) << c.chemin;
}

TEST(LectureHote, OpensFilesAndPipesButNotDirectories) {
  RepertoireTemporaire temporaire;
  creerFichier("f.txt", "a\nb\n");
  ASSERT_EQ(mkdir("d", 0755), 0);
  const struct {
    const char* chemin;
    int erreur;  // 0: opens
  } cas[] = {{"f.txt", 0}, {"d", EISDIR}, {"absent", ENOENT}, {"f.txt/x", ENOTDIR}};
  for (const auto& c : cas) {
    int erreur = 0;
    std::FILE* flux = plateforme::ouvrirLecture(c.chemin, &erreur);
    EXPECT_EQ(flux != nullptr, c.erreur == 0) << c.chemin;
    if (flux != nullptr) {
      std::string contenu;
      EXPECT_EQ(plateforme::lireTout(flux, &contenu), 0);
      EXPECT_EQ(contenu, "a\nb\n");
      std::fclose(flux);
    } else {
      EXPECT_EQ(erreur, c.erreur) << c.chemin;
    }
  }
}

TEST(LectureHote, PipeIsReadToItsWritersEnd) {
  RepertoireTemporaire temporaire;
  ASSERT_EQ(mkfifo("tube", 0644), 0);
  // More than one read's worth, written while the reader waits.
  const std::string envoye(100000, 'x');
  std::thread ecrivain([&envoye] {
    std::FILE* f = std::fopen("tube", "w");
    std::fwrite(envoye.data(), 1, envoye.size(), f);
    std::fclose(f);
  });
  int erreur = 0;
  std::FILE* flux = plateforme::ouvrirLecture("tube", &erreur);
  ASSERT_NE(flux, nullptr) << erreur;
  std::string contenu;
  EXPECT_EQ(plateforme::lireTout(flux, &contenu), 0);
  std::fclose(flux);
  ecrivain.join();
  EXPECT_EQ(contenu, envoye);
}

}  // namespace
