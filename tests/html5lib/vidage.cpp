// Prints what the HTML reader finds in a page, in the form html5lib_dump.py
// prints html5lib's reading of it: the differential test compares the two.
//   pagevet_vidage_html [--bloc N] PAGE
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/jeucaracteres.h"
#include "html/lecteurhtml.h"

namespace {

std::string echapper(const std::string& texte) {
  std::string sortie;
  for (unsigned char c : texte) {
    if (c == '\\' || c == '"') {
      sortie += '\\';
      sortie += static_cast<char>(c);
    } else if (c == '\n') {
      sortie += "\\n";
    } else if (c == '\t') {
      sortie += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02x", c);
      sortie += code;
    } else {
      sortie += static_cast<char>(c);
    }
  }
  return sortie;
}

std::string attributs(const BaliseHtml& balise) {
  std::string sortie;
  for (std::size_t i = 0; i < balise.nombreAttributs; ++i) {
    const AttributHtml& a = balise.attributs[i];
    sortie += " " + echapper(a.nom) + "=\"" + echapper(a.valeur) + "\"";
  }
  return sortie;
}

class Vidage : public VisiteurHtml {
 public:
  void ElementTete(const BaliseHtml& balise, const std::string& texte) override {
    tete_ += "head: " + balise.nom + attributs(balise) + "\n";
    if (balise.nom == "title") tete_ += "title: \"" + echapper(texte) + "\"\n";
  }
  void BaliseOuvrante(const BaliseHtml& balise) override {
    balises_ += "start: " + echapper(balise.nom) + "\n";
  }
  std::string tete_;
  std::string balises_;
};

const char* nomMode(ModeRendu mode) {
  switch (mode) {
    case ModeRendu::Quirks:
      return "quirks";
    case ModeRendu::QuirksLimite:
      return "limited quirks";
    default:
      return "no quirks";
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t bloc = 65536;
  int i = 1;
  if (argc > 2 && std::strcmp(argv[1], "--bloc") == 0) {
    bloc = static_cast<std::size_t>(std::atol(argv[2]));
    i = 3;
  }
  if (i + 1 != argc || bloc == 0) {
    std::fprintf(stderr, "usage: pagevet_vidage_html [--bloc N] PAGE\n");
    return 2;
  }
  std::FILE* fichier = std::fopen(argv[i], "rb");
  if (fichier == nullptr) {
    std::perror(argv[i]);
    return 2;
  }
  std::string page;
  char tampon[65536];
  std::size_t n;
  while ((n = std::fread(tampon, 1, sizeof tampon, fichier)) > 0) page.append(tampon, n);
  const bool erreur = std::ferror(fichier) != 0;
  std::fclose(fichier);
  if (erreur) {
    std::fprintf(stderr, "%s: read error\n", argv[i]);
    return 2;
  }
  const DecisionJeu decision =
      deciderJeu(page.data(), std::min<std::size_t>(page.size(), 65536), page.size() <= 65536);
  Vidage vidage;
  LecteurHtml lecteur(decision.jeu, decision.marque, vidage);
  for (std::size_t debut = 0; debut < page.size(); debut += bloc) {
    lecteur.Lire(page.data() + debut, std::min(bloc, page.size() - debut));
  }
  lecteur.Finir();
  const EnteteHtml& entete = lecteur.Entete();
  std::printf("charset: %s %zu\n", decision.jeu == JeuCaracteres::Utf8 ? "utf-8" : "windows-1252",
              decision.marque);
  const DoctypeHtml& doctype = entete.doctype;
  if (doctype.present && doctype.avantPremiereBalise) {
    std::printf("doctype: \"%s\" %s %s\n", echapper(doctype.nom).c_str(),
                doctype.publicPresent ? ("\"" + echapper(doctype.identifiantPublic) + "\"").c_str() : "-",
                doctype.systemePresent ? ("\"" + echapper(doctype.identifiantSysteme) + "\"").c_str() : "-");
  } else {
    std::printf("doctype: none\n");
  }
  std::printf("mode: %s\n", nomMode(entete.mode));
  std::printf("html:%s\n", attributs(entete.html).c_str());
  std::fputs(vidage.tete_.c_str(), stdout);
  std::fputs(vidage.balises_.c_str(), stdout);
  return 0;
}
