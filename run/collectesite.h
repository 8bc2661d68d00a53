// CollecteSite: carries each page's FicheSite from the worker that read it
// to the site judge, which gets them in report order on the writer's thread.
#ifndef PAGEVET_RUN_COLLECTESITE_H_
#define PAGEVET_RUN_COLLECTESITE_H_

#include <cstddef>
#include <mutex>
#include <unordered_map>

#include "checker/fichesite.h"
#include "checker/jugesite.h"

// The records wait here between their page's end and its turn: no more
// than the pages a worker may be ahead of the writer.
class CollecteSite {
 public:
  // juge stays the caller's and must outlive the collection.
  explicit CollecteSite(JugeSite& juge) : juge_(juge) {}
  CollecteSite(const CollecteSite&) = delete;
  CollecteSite& operator=(const CollecteSite&) = delete;

  // On any thread, before page numero's job returns: its record.
  void Depose(std::size_t numero, FicheSite fiche);
  // On the writer's thread, in page order, once page numero is written:
  // hands its record, if it left one, to the judge.
  void Remet(std::size_t numero);

 private:
  JugeSite& juge_;
  std::mutex mutex_;  // guards enAttente_
  std::unordered_map<std::size_t, FicheSite> enAttente_;
};

#endif  // PAGEVET_RUN_COLLECTESITE_H_
