// The filter between the scan and the format: --ignore, the page's
// pagevet-ignore comments applied to findings held until the page ends, and
// a page cut short with or without --keep-going.
#include "checker/filtreconstats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checker/commentaireslignes.h"

namespace {

// Writes down what reaches the format, one word a call.
class Trace : public RapportPage {
 public:
  void Debut(const char* chemin, JeuCaracteres) override { lignes.push_back(std::string("debut ") + chemin); }
  void Constate(const Signalement& s) override {
    std::string ligne = std::string(kConstats[s.constat].id) + "@" + std::to_string(s.ligne);
    if (s.valeur != nullptr) ligne += std::string(" ") + s.valeur;
    if (s.texte != nullptr) ligne += std::string(" ") + s.texte;
    lignes.push_back(ligne);
  }
  void Fin() override { lignes.push_back("fin"); }
  void Interrompue() override { lignes.push_back("interrompue"); }
  void Commentaire(std::string_view texte, int debut, int fin) override {
    lignes.push_back("commentaire [" + std::string(texte) + "] " + std::to_string(debut) + "-" +
                     std::to_string(fin));
  }
  void Echec(const char* chemin, const MesErreur& erreur, bool commencee) override {
    lignes.push_back(std::string("echec ") + chemin + " " + erreur.Message() + (commencee ? " ouverte" : ""));
  }
  std::vector<std::string> lignes;
};

// One event of a page: a finding (texte is the line) or a comment.
struct Evenement {
  bool commentaire;
  Constat constat;
  int ligne;
  const char* texte;
  int ligneFin = 0;
};
Evenement constat(Constat c, int ligne) { return {false, c, ligne, "l"}; }
Evenement commentaire(const char* texte, int ligne, int fin = 0) {
  return {true, kBaliseIncomplete, ligne, texte, fin > 0 ? fin : ligne};
}

struct Cas {
  const char* nom;
  std::vector<Evenement> page;
  std::vector<Constat> ignores;
  std::vector<std::string> attendu;  // between "debut p" and "fin"
};

TEST(FiltreConstats, HoldsThePageAndAppliesItsComments) {
  const Cas cas[] = {
      {"a page-wide comment reaches findings before it and after it",
       {constat(kPlusieursBalises, 1), commentaire(" pagevet-ignore more-than-one-tag ", 5),
        constat(kPlusieursBalises, 9), constat(kSansTitre, 0)},
       {},
       {"no-title@0"}},
      {"next-line: the line after the comment's last only",
       {commentaire(" pagevet-ignore-next-line unknown-tag ", 2, 3), constat(kBaliseInconnue, 3),
        constat(kBaliseInconnue, 4), constat(kBaliseInconnue, 5)},
       {},
       {"unknown-tag@3 l", "unknown-tag@5 l"}},
      {"an unknown id comes at its comment's line, before later lines' findings",
       {constat(kBaliseInconnue, 1), commentaire(" pagevet-ignore nope ", 3), constat(kBaliseInconnue, 3),
        constat(kBaliseInconnue, 7), constat(kSansHead, 0)},
       {},
       {"unknown-tag@1 l", "unknown-tag@3 l", "unknown-ignore@3 nope <!-- pagevet-ignore nope -->\n",
        "unknown-tag@7 l", "no-head@0"}},
      {"--ignore of unknown-ignore",
       {constat(kSansHead, 0), commentaire(" pagevet-ignore a b ", 8)},
       {kIgnoreInconnu},
       {"no-head@0"}},
      {"an unknown id comes before the summary lines, even one reported before it",
       {constat(kSansHead, 0), commentaire(" pagevet-ignore zz ", 8)},
       {},
       {"unknown-ignore@8 zz <!-- pagevet-ignore zz -->\n", "no-head@0"}},
      {"--ignore drops before the comments are read",
       {constat(kPlusieursBalises, 1), commentaire("ordinary", 2), constat(kSansTitre, 0)},
       {kSansTitre},
       {"more-than-one-tag@1 l"}},
  };
  for (const Cas& c : cas) {
    Trace trace;
    std::bitset<kNombreConstats> ignores;
    for (const Constat i : c.ignores) ignores.set(i);
    FiltreConstats filtre(ignores, trace);
    filtre.Debut("p", JeuCaracteres::Windows1252);
    for (const Evenement& e : c.page) {
      if (e.commentaire) {
        filtre.Commentaire(e.texte, e.ligne, e.ligneFin);
      } else {
        filtre.Constate(signalementLigne(e.constat, e.ligne, e.ligne > 0 ? e.texte : nullptr));
      }
    }
    filtre.Fin();
    std::vector<std::string> attendu{"debut p"};
    attendu.insert(attendu.end(), c.attendu.begin(), c.attendu.end());
    attendu.push_back("fin");
    EXPECT_EQ(trace.lignes, attendu) << c.nom;
    EXPECT_EQ(filtre.Signalee(), !c.attendu.empty()) << c.nom;
  }
}

TEST(FiltreConstats, APageCutShortPassesOnWhatItHeld) {
  const MesErreur erreur("Mot cle trop long", "pagevet", 514);
  for (const bool continuer : {false, true}) {
    Trace trace;
    FiltreConstats filtre({}, trace);
    filtre.Continuer(continuer);
    // The held texts are copies: the scan's buffer is gone by then.
    std::string ligne = "<x>";
    filtre.Debut("p", JeuCaracteres::Windows1252);
    filtre.Constate(signalementLigne(kBaliseInconnue, 2, ligne.c_str()));
    ligne = "gone";
    filtre.Interrompue();
    EXPECT_TRUE(filtre.PageOuverte());
    if (continuer) filtre.Echec("p", erreur, filtre.PageOuverte());
    std::vector<std::string> attendu{"debut p", "unknown-tag@2 <x>"};
    attendu.push_back(continuer ? "echec p Mot cle trop long ouverte" : "interrompue");
    EXPECT_EQ(trace.lignes, attendu) << continuer;
  }
  // A page that could not be opened: the error alone.
  Trace trace;
  FiltreConstats filtre({}, trace);
  filtre.Continuer(true);
  filtre.Echec("q", erreur, filtre.PageOuverte());
  EXPECT_EQ(trace.lignes, std::vector<std::string>{"echec q Mot cle trop long"});
}

TEST(CommentairesLignes, HandsOnEachCommentWithItsLines) {
  struct CasLignes {
    std::vector<const char*> lignes;
    std::vector<std::string> attendu;
  };
  const CasLignes cas[] = {
      {{"a <!-- one --> b <!--two-->"}, {"commentaire [ one ] 1-1", "commentaire [two] 1-1"}},
      {{"<!-- a\n", "b\n", "c --> <!-- d\n", "-->\n"}, {"commentaire [ a\nb\nc ] 1-3", "commentaire [ d\n] 3-4"}},
      // "<!" alone and a "->" are no comment's ends.
      {{"<!x> <!-- -> still\n", "-->"}, {"commentaire [ -> still\n] 1-2"}},
      {{"no comment", "<!-- never closed"}, {}},
  };
  for (const CasLignes& c : cas) {
    Trace trace;
    CommentairesLignes commentaires;
    int numero = 0;
    for (const char* ligne : c.lignes) commentaires.Ligne(ligne, ++numero, trace);
    EXPECT_EQ(trace.lignes, c.attendu) << c.lignes[0];
  }
  // A comment past the cap is kept cut, whatever its length.
  Trace trace;
  CommentairesLignes commentaires;
  const std::string longue = "<!--" + std::string(CommentairesLignes::kTailleMax + 10, 'x');
  commentaires.Ligne(longue.c_str(), 1, trace);
  EXPECT_TRUE(commentaires.Ouvert());
  commentaires.Ligne("y-->", 2, trace);
  ASSERT_EQ(trace.lignes.size(), 1u);
  EXPECT_EQ(trace.lignes[0].size(), std::string("commentaire [] 1-2").size() + CommentairesLignes::kTailleMax);
}

}  // namespace
