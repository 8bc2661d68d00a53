// EtatFichier: what the scan of one page knows while it reads it: the
// current line, the section states, the counters and the keyword state.
#ifndef PAGEVET_CHECKER_ETATFICHIER_H_
#define PAGEVET_CHECKER_ETATFICHIER_H_

#include "checker/motcle.h"
#include "checker/nomsmeta.h"
#include "checker/optionsexamen.h"
#include "report/rapport.h"
#include "foundation/ensemblemots.h"
#include "foundation/mystring.h"
#include "foundation/vecteur.h"
#include "html/jeubalises.h"

struct EtatFichier {
  // The line reader hands out at most 8191 characters at a time: longer
  // lines arrive in pieces, and each piece counts as a line.
  static constexpr int kTailleLigne = 8192;

  EtatFichier(NomsMeta& noms, const OptionsExamen& options, RapportPage& rapport,
              JeuCaracteres jeu = JeuCaracteres::Windows1252)
      : nomsMeta(noms),
        options(options),
        developpe(options.developpe),
        simple(options.simple && !options.developpe),
        rapport(rapport),
        jeu(jeu),
        balises(options.balises) {}

  NomsMeta& nomsMeta;
  const OptionsExamen& options;
  const bool developpe;  // "/d": keyword analysis
  const bool simple;     // "/s": syntax only (never with "/d")
  RapportPage& rapport;  // where the page's findings go
  const JeuCaracteres jeu;  // the page's character set
  const JeuBalises balises;  // "--html5": the tags and meta tags of today's HTML

  char* ligne = nullptr;          // as read, comments removed: in the reader's block
  char minuscules[kTailleLigne];  // lower-case copy that the meta-tag rules read
  int numeroLigne = 0;
  bool ligneSignalee = false;   // the line broke a rule
  bool ligneRapportee = false;  // ... and a finding of it was reported
  int nbProblemes = 0;          // lines and summary lines reported

  int nbTitle = 0;
  int nbHorsHead = 0;
  int nbHead = 0;
  int nbBody = 0;
  bool dansCommentaire = false;
  bool dansHead = false;
  bool dansBody = false;

  bool horsBalise = true;
  bool motsClesLus = false;
  Vecteur<MotCle> motsCles;
  Vecteur<int32_t> ordreMotsCles;  // motsCles by reduced form
  EnsembleMots motsVus;  // the page's distinct words, as written
};

#endif  // PAGEVET_CHECKER_ETATFICHIER_H_
