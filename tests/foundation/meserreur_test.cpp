#include "foundation/meserreur.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/memoire.h"

namespace {

std::string Affiche(const MesErreur& erreur) {
  return EcritPar(Affichage::Sortie::Oem850, [&](const Affichage& a) { erreur.Affiche(a); });
}

TEST(MesErreurTest, KeepsItsOwnCopyOfTheTexts) {
  char message[] = "Mot cle trop long";
  char module[] = "pagevet";
  const MesErreur erreur(message, module, 514);
  message[0] = 'X';
  module[0] = 'X';
  const MesErreur copie(erreur);
  EXPECT_STREQ(copie.Message(), "Mot cle trop long");
  EXPECT_STREQ(copie.Module(), "pagevet");
  EXPECT_EQ(copie.Ligne(), 514);
}

TEST(MesErreurTest, AfficheFormats) {
  struct Cas { const char* message; const char* module; int32_t ligne; const char* attendu; };
  const Cas cas[] = {
      {"L'ouverture de [a.htm] a echoue", "ficbase", 69,
       " -- L'ouverture de [a.htm] a echoue --\nLigne 69 de ficbase\n"},
      {"Debut en dehors des limites de la chaine", "mystring", 120,
       " -- Debut en dehors des limites de la chaine --\nLigne 120 de mystring\n"},
      // A '%' in a file name is data, never a format directive.
      {"L'ouverture de [100%s.htm] a echoue", "ficbase", 69,
       " -- L'ouverture de [100%s.htm] a echoue --\nLigne 69 de ficbase\n"},
      {"", "", -1, " --  --\nLigne -1 de \n"},
  };
  for (const Cas& c : cas) {
    const MesErreur erreur(c.message, c.module, c.ligne);
    EXPECT_EQ(Affiche(erreur), c.attendu);
  }
}

TEST(MesErreurTest, VersionAddsOneLine) {
  const MesErreurVer erreur("Aucun masque defini", "parrep", 114, "2.1");
  EXPECT_EQ(Affiche(erreur), " -- Aucun masque defini --\nLigne 114 de parrep\nVersion : 2.1\n");

  // Called through the base, the override still prints the version.
  const MesErreur& base = erreur;
  EXPECT_EQ(Affiche(base), " -- Aucun masque defini --\nLigne 114 de parrep\nVersion : 2.1\n");
  // The base form, asked for by name, leaves the version out.
  EXPECT_EQ(EcritPar(Affichage::Sortie::Oem850,
                     [&](const Affichage& a) { base.MesErreur::Affiche(a); }),
            " -- Aucun masque defini --\nLigne 114 de parrep\n");
}

TEST(MesErreurTest, CopiedIntoMesErreurPrintsWithoutVersion) {
  std::string sortie;
  try {
    throw MesErreurVer("Aucun masque defini", "parrep", 114, "2.1");
  } catch (const MesErreur& e) {
    const MesErreur copie(e);  // the driver's handler keeps a copy like this
    sortie = Affiche(copie);
  }
  EXPECT_EQ(sortie, " -- Aucun masque defini --\nLigne 114 de parrep\n");
}

}  // namespace
