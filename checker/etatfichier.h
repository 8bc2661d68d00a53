// EtatFichier: what the scan of one page knows while it reads it: the
// current line, the section states, the counters and the keyword state.
#ifndef PAGEVET_CHECKER_ETATFICHIER_H_
#define PAGEVET_CHECKER_ETATFICHIER_H_

#include "checker/motsclespage.h"
#include "checker/nomsmeta.h"
#include "checker/optionsexamen.h"
#include "checker/rapportpage.h"
#include "foundation/jeucaracteres.h"

struct EtatFichier {
  // The line reader hands out at most 8191 characters at a time: longer
  // lines arrive in pieces, and each piece counts as a line.
  static constexpr int kTailleLigne = 8192;

  // options ("/s" already yielding to "/d") and rapport stay the caller's.
  EtatFichier(const OptionsExamen& options, RapportPage& rapport,
              JeuCaracteres jeu = JeuCaracteres::Windows1252)
      : options(options), rapport(rapport), jeu(jeu) {}

  const OptionsExamen& options;
  RapportPage& rapport;     // where the page's findings go
  const JeuCaracteres jeu;  // the page's character set

  char* ligne = nullptr;          // as read, comments removed: in the reader's block
  char minuscules[kTailleLigne];  // lower-case copy that the meta-tag rules read
  int numeroLigne = 0;
  bool ligneSignalee = false;  // the line broke a rule

  int compteursMeta[NomsMeta::kNombre] = {};  // each known meta name declared
  int nbTitle = 0;
  int nbHorsHead = 0;
  int nbHead = 0;
  int ligneHead = 0;  // the line the first <head> tag was read on; 0: none
  int nbBody = 0;
  bool dansCommentaire = false;
  bool dansHead = false;
  bool dansBody = false;

  MotsClesPage motsCles;  // "/d"
};

#endif  // PAGEVET_CHECKER_ETATFICHIER_H_
