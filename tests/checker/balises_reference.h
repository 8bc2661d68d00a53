// What BalisesLigne must find on a line, worked out with the tag searches it
// stands for; shared by the unit test and the fuzz harness.
#ifndef PAGEVET_TESTS_CHECKER_BALISES_REFERENCE_H_
#define PAGEVET_TESTS_CHECKER_BALISES_REFERENCE_H_

#include <cstring>
#include <string>

#include "checker/balisesligne.h"
#include "foundation/mystring.h"
#include "html/trthtml.h"

// The first thing BalisesLigne reads differently on texte, a line in any
// letter case, from the searches on its lower-case copy, or "" when it
// agrees on everything.
inline std::string ecartBalisesLigne(const char* ligne) {
  std::string copie(ligne);
  Minuscules(copie.data());
  const char* const texte = copie.c_str();
  // Positions in the copy, or null.
  const auto dansCopie = [&](const char* position) {
    return position == nullptr ? nullptr : texte + (position - ligne);
  };
  const BalisesLigne balises(ligne);
  const struct {
    BalisesLigne::Nom nom;
    const char* texte;
  } noms[] = {
      {BalisesLigne::kHead, "head"},   {BalisesLigne::kFinHead, "/head"},
      {BalisesLigne::kBody, "body"},   {BalisesLigne::kFinBody, "/body"},
      {BalisesLigne::kMeta, "meta"},   {BalisesLigne::kTitle, "title"},
      {BalisesLigne::kFinTitle, "/title"},
  };
  // The tag set changes nothing but which tags are unknown.
  const BalisesLigne html5(ligne, JeuBalises::Html5);
  for (const auto& n : noms) {
    if (dansCopie(balises.Position(n.nom)) != chercherBalise(texte, n.texte)) {
      return std::string("position of ") + n.texte;
    }
    if (html5.Position(n.nom) != balises.Position(n.nom)) {
      return std::string("HTML5 position of ") + n.texte;
    }
  }
  int nombre = 0;
  const bool ouverte = compterBalises(texte, nombre);
  if (balises.NombreBalises() != nombre || html5.NombreBalises() != nombre) return "tag count";
  if (balises.DerniereOuverte() != ouverte || html5.DerniereOuverte() != ouverte) {
    return "last tag left open";
  }
  bool inconnue = false;
  for (const char* p = std::strchr(texte, '<'); p != nullptr && !inconnue;
       p = std::strchr(p + 1, '<')) {
    inconnue = !baliseConnue(sauterBlancs(p + 1));
  }
  if (balises.BaliseInconnue() != inconnue) return "unknown tag";
  return "";
}

#endif  // PAGEVET_TESTS_CHECKER_BALISES_REFERENCE_H_
