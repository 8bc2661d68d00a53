// Test helper: a temporary directory that the test works in. It is created
// with mkdtemp, made current, and removed with its whole content at the end.
#ifndef PAGEVET_TESTS_FILES_ARBRE_H_
#define PAGEVET_TESTS_FILES_ARBRE_H_

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/mystring.h"
#include "foundation/vecteur.h"

class RepertoireTemporaire {
 public:
  RepertoireTemporaire() {
    char modele[] = "/tmp/pagevet-XXXXXX";
    EXPECT_NE(mkdtemp(modele), nullptr);
    racine_ = modele;
    ancien_ = std::filesystem::current_path();
    std::filesystem::current_path(racine_);
  }
  RepertoireTemporaire(const RepertoireTemporaire&) = delete;
  RepertoireTemporaire& operator=(const RepertoireTemporaire&) = delete;
  ~RepertoireTemporaire() {
    std::filesystem::current_path(ancien_);
    std::error_code ignore;
    std::filesystem::remove_all(racine_, ignore);
  }

  const std::filesystem::path& racine() const { return racine_; }

 private:
  std::filesystem::path racine_;
  std::filesystem::path ancien_;
};

// Writes a file (relative to the current directory), parents included.
inline void creerFichier(const std::string& chemin, const std::string& contenu = "x") {
  const std::filesystem::path p(chemin);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  ASSERT_NE(f, nullptr) << chemin;
  std::fputs(contenu.c_str(), f);
  std::fclose(f);
}

inline std::vector<std::string> enListe(const Vecteur<String>& v) {
  std::vector<std::string> liste;
  for (int32_t i = 0; i < v.Nombre(); ++i) liste.emplace_back(v[i].Texte());
  return liste;
}

inline Vecteur<String> masques(const std::vector<const char*>& textes) {
  Vecteur<String> v(static_cast<int32_t>(textes.size()));
  for (size_t i = 0; i < textes.size(); ++i) v[static_cast<int32_t>(i)] = textes[i];
  return v;
}

#endif  // PAGEVET_TESTS_FILES_ARBRE_H_
