// The single-listing walk against ParcoursRep's: the same files, sorted and
// each once, the same errors in the same order, the same files for the
// site.
#include "files/parcoursunique.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/files/arbre.h"

namespace {

namespace fs = std::filesystem;
using Liste = std::vector<std::string>;

// Names that sort differently as a file and as a directory ("a.b" before
// "a\" but "a" before "a.b"), hidden and linked entries, a FIFO, links to
// a directory and nowhere, and a directory that can be listed but not
// searched.
void construireArbre() {
  creerFichier("a.htm");
  creerFichier("a/x.htm");
  creerFichier("a.b/y.htm");
  creerFichier("a_/z.htm");
  creerFichier("B.HTM");
  creerFichier(".hid.htm");
  creerFichier("index.htm");
  creerFichier("sub/index.htm");
  creerFichier("sub/b.html");
  creerFichier("sub/deeper/c.htm");
  creerFichier("skip/s.htm");
  ASSERT_EQ(mkfifo("fifo.htm", 0644), 0);
  fs::create_symlink("a.htm", "lien.htm");
  fs::create_symlink("absent.htm", "casse.htm");
  fs::create_directory_symlink("sub", "versub");
  creerFichier("listed/index.htm");
  creerFichier("listed/in/i.htm");
  creerFichier("locked/l.htm");
}

Liste avant(const Liste& m, bool sousReps, const Exclusions* exclusions,
            std::vector<RepertoireIllisible>& illisibles) {
  ParcoursRepWin parcours("*.*", attrDefaut, false);
  parcours.exclure(exclusions);
  Vecteur<String> v(static_cast<int32_t>(m.size()));
  for (size_t i = 0; i < m.size(); ++i) v[static_cast<int32_t>(i)] = m[i].c_str();
  Vecteur<String> resultat;
  parcours.rechercher(String(), v, resultat, true, sousReps);
  illisibles = parcours.repertoiresIllisibles();
  Liste liste = enListe(resultat);
  std::sort(liste.begin(), liste.end());
  liste.erase(std::unique(liste.begin(), liste.end()), liste.end());
  return liste;
}

Liste texte(const std::vector<RepertoireIllisible>& illisibles) {
  Liste liste;
  for (const RepertoireIllisible& i : illisibles) {
    liste.push_back(std::string(i.chemin.Texte()) + (i.entree ? " entry " : " dir ") +
                    std::to_string(i.erreur));
  }
  return liste;
}

TEST(ParcoursUnique, FindsWhatTheWalkPerMaskFinds) {
  RepertoireTemporaire temporaire;
  construireArbre();
  // Root may search any directory: the listed-only one then has nothing
  // to report, which both walks agree on.
  chmod("listed", 0444);
  chmod("locked", 0);
  Exclusions exclusions;
  exclusions.Ajoute("skip/");
  exclusions.Ajoute("b.html");
  struct Cas {
    Liste masques;
    bool sousReps;
    const Exclusions* exclusions;
  };
  const Cas cas[] = {
      {{"*.htm"}, true, nullptr},
      {{"*.htm"}, false, nullptr},
      {{"*.htm", "*.HTM", "index.htm"}, true, nullptr},
      {{"index.htm"}, true, nullptr},
      {{"*.*"}, true, &exclusions},
      {{"*.htm*", "b*"}, true, &exclusions},
      {{"nothing.htm"}, true, nullptr},
  };
  for (const Cas& c : cas) {
    std::vector<RepertoireIllisible> illisiblesAvant;
    const Liste attendu = avant(c.masques, c.sousReps, c.exclusions, illisiblesAvant);
    ParcoursUnique parcours(c.masques, c.sousReps);
    parcours.exclure(c.exclusions);
    Liste trouve;
    for (std::string chemin; parcours.Suivante(chemin);) trouve.push_back(chemin);
    EXPECT_EQ(trouve, attendu) << c.masques[0];
    EXPECT_EQ(texte(parcours.Illisibles()), texte(illisiblesAvant)) << c.masques[0];
  }
  chmod("listed", 0755);
  chmod("locked", 0755);
}

TEST(ParcoursUnique, NotesEveryRegularFileForTheSite) {
  RepertoireTemporaire temporaire;
  construireArbre();
  chmod("locked", 0755);
  ParcoursRepWin tous("*.*", attrDefaut, false);
  Vecteur<String> v;
  tous.rechercher(String(), masques({"*.*"}), v, true, true);
  Liste attendu = enListe(v);
  std::sort(attendu.begin(), attendu.end());
  Exclusions exclusions;
  exclusions.Ajoute("sub/");
  for (const bool sousReps : {true, false}) {
    ParcoursUnique parcours({"index.htm"}, sousReps);
    parcours.exclure(&exclusions);
    Liste fichiers;
    parcours.noterFichiers(&fichiers);
    Liste pages;
    for (std::string chemin; parcours.Suivante(chemin);) pages.push_back(chemin);
    std::sort(fichiers.begin(), fichiers.end());
    EXPECT_EQ(fichiers, attendu);
    EXPECT_EQ(pages, sousReps ? Liste({"index.htm", "listed\\index.htm"}) : Liste({"index.htm"}));
  }
}

TEST(ParcoursUnique, TakesOnlyMasksWithoutDirectory) {
  EXPECT_TRUE(ParcoursUnique::Accepte({"*.htm", "index.htm"}));
  EXPECT_FALSE(ParcoursUnique::Accepte({}));
  EXPECT_FALSE(ParcoursUnique::Accepte({"*.htm", "docs\\*.htm"}));
  EXPECT_FALSE(ParcoursUnique::Accepte({"..\\x.htm"}));
  EXPECT_FALSE(ParcoursUnique::Accepte({"C:"}));
}

TEST(ParcoursUnique, StopsWhenAsked) {
  RepertoireTemporaire temporaire;
  construireArbre();
  std::atomic<int> arret{0};
  ParcoursUnique parcours({"*.htm"}, true);
  parcours.arreter(&arret);
  std::string chemin;
  ASSERT_TRUE(parcours.Suivante(chemin));
  arret = 2;
  EXPECT_FALSE(parcours.Suivante(chemin));
}

}  // namespace
