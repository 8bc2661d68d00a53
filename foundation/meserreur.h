// MesErreur: the value thrown when a run cannot go on. It carries a French
// message, the name of the module that raised it and a fixed line number.
#ifndef PAGEVET_FOUNDATION_MESERREUR_H_
#define PAGEVET_FOUNDATION_MESERREUR_H_

#include <cstdint>

#include "foundation/mystring.h"

class Affichage;

class MesErreur : public String {
 public:
  MesErreur(const char* message, const char* module, int32_t ligne);
  virtual ~MesErreur() = default;

  // Prints " -- message --" and "Ligne N de module" through sortie.
  virtual void Affiche(const Affichage& sortie) const;
  // The same through the program's console printer.
  void Affiche() const;

  const char* Message() const { return Texte(); }
  const char* Module() const { return module.Texte(); }
  int32_t Ligne() const { return ligne; }

 private:
  String module;
  int32_t ligne;
};

// A MesErreur that also names a version; printed with one more line.
class MesErreurVer : public MesErreur {
 public:
  MesErreurVer(const char* message, const char* module, int32_t ligne,
               const char* version);

  using MesErreur::Affiche;
  void Affiche(const Affichage& sortie) const override;

 private:
  String version;
};

#endif  // PAGEVET_FOUNDATION_MESERREUR_H_
