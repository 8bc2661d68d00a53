// FichierPage: a page opened for reading as a bare descriptor, no stream,
// so that a small page costs one open, one read and one close.
#ifndef PAGEVET_FILES_FICHIERPAGE_H_
#define PAGEVET_FILES_FICHIERPAGE_H_

// Owns the descriptor it opens and closes it on destruction. The path comes
// from the walk or the file list, which took only regular files: nothing is
// checked at the open (LecteurLignes checks a page that fills a block).
class FichierPage {
 public:
  // Opens cheminFic (a program path); throws MesErreur "ficbase" 69 as
  // FicBase does when the open fails.
  explicit FichierPage(const char* cheminFic);
  FichierPage(const FichierPage&) = delete;
  FichierPage& operator=(const FichierPage&) = delete;
  ~FichierPage();

  int Descripteur() const { return descripteur_; }

 private:
  const int descripteur_;
};

#endif  // PAGEVET_FILES_FICHIERPAGE_H_
