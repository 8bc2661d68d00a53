#include "run/atelier.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "run/ecrivainpages.h"

namespace {

// A page's report waits in memory up to this size; past it, its worker
// waits for the page's turn and then writes straight through, so memory
// stays bounded whatever the size of a report.
constexpr std::size_t kTailleTampon = 1024 * 1024;

// Thrown inside a worker whose run was stopped, to leave its page at once.
struct Arret {};

bool demande(const std::atomic<int>* arret) {
  return arret != nullptr && arret->load(std::memory_order_relaxed) != 0;
}

// Why a worker could not start, for a message.
std::string raisonDe(const std::exception_ptr& erreur) {
  try {
    std::rethrow_exception(erreur);
  } catch (const std::bad_alloc&) {
    return "out of memory";
  } catch (const std::exception& autre) {
    return autre.what();
  } catch (...) {
  }
  return "unknown error";
}

// Pages 0 to nombre - 1, with empty paths.
class SourceNumeros : public SourcePages {
 public:
  explicit SourceNumeros(std::size_t nombre) : nombre_(nombre) {}
  std::size_t Plafond() const override { return nombre_; }

 protected:
  bool Prochaine(std::string& chemin) override {
    chemin.clear();
    return prochain_ < nombre_ && (++prochain_, true);
  }

 private:
  const std::size_t nombre_;
  std::size_t prochain_ = 0;
};

BilanPages traiterEnSuite(SourcePages& source, const FabriqueTravail& fabrique, Canal& sortie,
                          const char* separateur, const std::atomic<int>* arret,
                          const std::function<void(std::size_t)>& apresPage) {
  EcrivainPages ecrivain(sortie, separateur);
  const std::unique_ptr<TravailPage> travail = fabrique.Nouveau(ecrivain.Page());
  BilanPages bilan;
  std::string chemin;
  for (std::size_t i = 0;;) {
    if (demande(arret)) {
      bilan.arretee = true;
      break;
    }
    if (!source.Suivante(chemin, i)) {
      // The walk stops too: pages may be left.
      bilan.arretee = demande(arret);
      break;
    }
    ecrivain.Page();
    try {
      bilan.signalee = travail->Examine(i, chemin) || bilan.signalee;
    } catch (...) {
      // The page's partial report was written, as with several workers.
      if (apresPage) apresPage(i);
      throw;
    }
    if (apresPage) apresPage(i);
  }
  return bilan;
}

// The pages, taken from their source as the workers ask, the workers that run the job on them and the writer that sends
// their reports on. The threads sleep only when they must, and wake one
// another only when that lets them go on: the writer is woken for a run of
// finished pages rather than for each one.
//
// mutex_ guards the fields below it, up to threads_: the ring of pages, the
// counters, and the flags the threads sleep on. The job's factory is only
// read. The writer, ecrivain_, is not guarded: at any time one thread owns
// it. The calling thread owns it while it writes finished pages; a worker
// whose report outgrows its buffer takes it once every page before its own
// is written (AttendTour), while the calling thread waits for that very page
// to be finished and so leaves the writer alone; the worker hands it back by
// marking its page finished. Both handovers go through mutex_, which orders
// the writes of one owner before those of the next.
//
// The stop flag, arret_, is read without the mutex: a worker takes no page
// once it is raised, and the writer stops before the next page.
class Atelier {
 public:
  Atelier(SourcePages& source, const FabriqueTravail& fabrique, Canal& sortie,
          const char* separateur, int travailleurs, const std::atomic<int>* arret)
      : source_(source),
        fabrique_(fabrique),
        ecrivain_(sortie, separateur),
        arret_(arret),
        avance_(static_cast<std::size_t>(kAvanceParTravailleur * travailleurs)),
        budget_(static_cast<std::size_t>(travailleurs) * kBudgetParTravailleur),
        pages_(avance_),
        limite_(source.Plafond()) {}

  // Starts up to `travailleurs` workers and waits until each has its job or
  // has given up; gives how many are at work. A thread that cannot be
  // created and a job that cannot be made leave one worker fewer; the first
  // reason goes to raison.
  int Demarre(int travailleurs, std::string& raison) {
    threads_.reserve(static_cast<std::size_t>(travailleurs));
    std::exception_ptr premiere;
    for (int i = 0; i < travailleurs; ++i) {
      {
        const std::lock_guard<std::mutex> verrou(mutex_);
        ++enDemarrage_;
      }
      try {
        threads_.emplace_back([this] { Travaille(); });
      } catch (...) {
        if (!premiere) premiere = std::current_exception();
        const std::lock_guard<std::mutex> verrou(mutex_);
        --enDemarrage_;
      }
    }
    std::unique_lock<std::mutex> verrou(mutex_);
    while (enDemarrage_ > 0) pourEcrivain_.wait(verrou);
    if (!premiere) premiere = refusDemarrage_;
    if (premiere) raison = raisonDe(premiere);
    return prets_;
  }

  // Stops the workers, whatever state the run is in, and waits for them.
  ~Atelier() {
    {
      const std::lock_guard<std::mutex> verrou(mutex_);
      fini_ = true;
    }
    pourTravailleurs_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  Atelier(const Atelier&) = delete;
  Atelier& operator=(const Atelier&) = delete;

  // The writer, on the calling thread: each page's report in turn. When the
  // stop flag is raised it returns at once; a page a worker is writing
  // straight through is finished before the workers are joined.
  BilanPages Ecrit(const std::function<void(std::size_t)>& apresPage) {
    BilanPages bilan;
    bool& signalee = bilan.signalee;
    for (std::size_t i = 0;; ++i) {
      Page page;
      {
        std::unique_lock<std::mutex> verrou(mutex_);
        Page& place = pages_[i % avance_];
        while (!(place.finie && place.numero == i)) {
          // The source gave no page i: the run is over.
          if (i >= limite_) return bilan;
          if (demande(arret_)) {
            bilan.arretee = true;
            return bilan;
          }
          ecrivainAttend_ = true;
          pourEcrivain_.wait(verrou);
        }
        ecrivainAttend_ = false;
        page = std::move(place);
        place = Page();
        enAttente_ -= page.tampon.size();
      }
      if (!page.directe) {
        Canal& canal = ecrivain_.Page();
        canal.Ecrit(page.tampon.data(), page.tampon.size());
      }
      signalee = signalee || page.signalee;
      if (apresPage) apresPage(i);
      if (page.erreur) std::rethrow_exception(page.erreur);
      bool reveiller = false;
      bool reste = false;
      {
        const std::lock_guard<std::mutex> verrou(mutex_);
        prochaineEcrite_ = i + 1;
        reveiller = travailleursEnAttente_ > 0;
        reste = i + 1 < limite_;
      }
      if (reveiller) pourTravailleurs_.notify_all();
      if (reste && demande(arret_)) {
        bilan.arretee = true;
        break;
      }
    }
    return bilan;
  }

 private:
  // Pages a worker may be ahead of the writer; the ring of pages has this
  // many places for each worker.
  static constexpr int kAvanceParTravailleur = 64;
  // The finished reports that may wait for their turn, for each worker: a
  // worker takes no new page past it.
  static constexpr std::size_t kBudgetParTravailleur = kTailleTampon / 2;
  // The writer is woken when this many pages may be ready for it.
  static constexpr std::size_t kLot = 16;

  // A page between its worker and the writer; the pages that may be on
  // their way at once share avance_ places, page i the place i % avance_.
  struct Page {
    std::size_t numero = 0;
    std::string tampon;  // the report while it waits for its turn
    bool finie = false;
    bool directe = false;  // written straight through by its worker
    bool signalee = false;
    std::exception_ptr erreur;
  };

  // What one worker's formatter writes to: its page's buffer, or the output
  // itself once the buffer has grown too large and the page's turn came.
  class CanalTravailleur : public Canal {
   public:
    explicit CanalTravailleur(Atelier& atelier) : atelier_(atelier) {}

    void Commence(std::size_t page) {
      page_ = page;
      tampon_.clear();
      direct_ = nullptr;
    }

    void Ecrit(const char* octets, std::size_t n) override {
      if (direct_ == nullptr) {
        try {
          tampon_.append(octets, n);
          if (tampon_.size() > kTailleTampon) PasseEnDirect();
          return;
        } catch (const std::bad_alloc&) {
          // Memory cannot hold the report (the append left the buffer as
          // it was): it goes straight through, which takes none, and the
          // page loses nothing.
          PasseEnDirect();
        }
      }
      direct_->Ecrit(octets, n);
    }

    bool Direct() const { return direct_ != nullptr; }
    std::string Prend() { return std::move(tampon_); }

   private:
    // Waits for the page's turn, then writes what the buffer holds.
    void PasseEnDirect() {
      direct_ = &atelier_.AttendTour(page_);
      const std::string tampon = std::move(tampon_);
      tampon_.clear();
      direct_->Ecrit(tampon.data(), tampon.size());
    }

    Atelier& atelier_;
    std::size_t page_ = 0;
    std::string tampon_;
    Canal* direct_ = nullptr;
  };

  // Before a worker sleeps, the writer must be able to go on: it is woken.
  // Called with the mutex held.
  void LibereEcrivain() {
    if (ecrivainAttend_) pourEcrivain_.notify_one();
  }

  // Waits until every page before `page` has been written (the writer then
  // waits for this one) and gives the channel to the output. Throws Arret
  // when the run stops first.
  Canal& AttendTour(std::size_t page) {
    std::unique_lock<std::mutex> verrou(mutex_);
    while (!fini_ && prochaineEcrite_ != page) {
      LibereEcrivain();
      ++travailleursEnAttente_;
      pourTravailleurs_.wait(verrou);
      --travailleursEnAttente_;
    }
    if (fini_) throw Arret();
    return ecrivain_.Page();
  }

  // The next page to examine and its path, or false when there is none
  // left, a fatal error before it makes it useless, or the run stops or was
  // asked to. A worker keeps at most avance_ pages ahead of the writer, and
  // takes no new page while the finished reports waiting for their turn
  // pass the budget: that bounds the memory they take.
  //
  // A worker first takes a place (prochainePrise_ counts them), then asks
  // the source for a page outside the mutex, as the source may have to
  // walk on: the source numbers its pages in the order they are asked
  // for, so a page's number is below the places taken, and its place in
  // the ring is free.
  bool Prend(std::size_t& page, std::string& chemin) {
    {
      std::unique_lock<std::mutex> verrou(mutex_);
      for (;;) {
        if (fini_ || prochainePrise_ >= limite_ || demande(arret_)) {
          LibereEcrivain();
          return false;
        }
        const bool enAvance = prochainePrise_ >= prochaineEcrite_ + avance_;
        const bool tropPlein = enAttente_ > budget_ && prochainePrise_ > prochaineEcrite_;
        if (!enAvance && !tropPlein) break;
        LibereEcrivain();
        ++travailleursEnAttente_;
        pourTravailleurs_.wait(verrou);
        --travailleursEnAttente_;
      }
      ++prochainePrise_;
    }
    if (source_.Suivante(chemin, page)) return true;
    const std::size_t total = source_.Donnees();
    const std::lock_guard<std::mutex> verrou(mutex_);
    limite_ = std::min(limite_, total);
    LibereEcrivain();
    return false;
  }

  // A worker's thread: its job, then pages until there are none. Nothing
  // escapes it: a job that cannot be made is a worker that gives up.
  void Travaille() {
    CanalTravailleur canal(*this);
    std::unique_ptr<TravailPage> travail;
    std::exception_ptr refus;
    try {
      travail = fabrique_.Nouveau(canal);
    } catch (...) {
      refus = std::current_exception();
    }
    {
      const std::lock_guard<std::mutex> verrou(mutex_);
      if (travail) {
        ++prets_;
      } else if (!refusDemarrage_) {
        refusDemarrage_ = refus;
      }
      if (--enDemarrage_ == 0) pourEcrivain_.notify_one();
    }
    if (!travail) return;
    std::string chemin;
    for (std::size_t i; Prend(i, chemin);) {
      canal.Commence(i);
      bool signalee = false;
      std::exception_ptr erreur;
      try {
        signalee = travail->Examine(i, chemin);
      } catch (const Arret&) {
        const std::lock_guard<std::mutex> verrou(mutex_);
        LibereEcrivain();
        return;
      } catch (...) {
        erreur = std::current_exception();
      }
      const std::lock_guard<std::mutex> verrou(mutex_);
      Page& page = pages_[i % avance_];
      page.numero = i;
      page.directe = canal.Direct();
      page.tampon = canal.Prend();
      page.signalee = signalee;
      page.erreur = erreur;
      page.finie = true;
      enAttente_ += page.tampon.size();
      // Nothing after a page that ends the run is wanted.
      if (erreur) limite_ = std::min(limite_, i + 1);
      // The writer is woken for a run of pages, for the last one, and for a
      // page that ends the run or was written straight through.
      if (i + 1 >= prochaineEcrite_ + kLot || i + 1 >= limite_ || erreur || page.directe) {
        LibereEcrivain();
      }
    }
  }

  SourcePages& source_;  // asked outside mutex_: it has its own
  const FabriqueTravail& fabrique_;
  EcrivainPages ecrivain_;  // owned by one thread at a time: see above
  const std::atomic<int>* const arret_;  // the stop flag, or none

  const std::size_t avance_;
  const std::size_t budget_;
  std::mutex mutex_;  // guards what follows, up to threads_
  std::condition_variable pourEcrivain_;
  std::condition_variable pourTravailleurs_;
  std::vector<Page> pages_;
  std::size_t prochainePrise_ = 0;   // the places taken by the workers
  std::size_t prochaineEcrite_ = 0;  // the next page for the writer
  // No page from here on: the source's end (once known), or after a fatal
  // error.
  std::size_t limite_;
  std::size_t enAttente_ = 0;  // bytes of the finished reports not yet written
  bool ecrivainAttend_ = false;
  int travailleursEnAttente_ = 0;
  bool fini_ = false;  // the writer is done: the workers leave
  int enDemarrage_ = 0;  // workers started that have not yet their job
  int prets_ = 0;        // workers that have their job
  std::exception_ptr refusDemarrage_;  // why the first job could not be made
  std::vector<std::thread> threads_;  // last: started once the rest is ready
};

}  // namespace

BilanPages traiterPages(SourcePages& source, const FabriqueTravail& fabrique, Canal& sortie,
                        const char* separateur, int travailleurs,
                        const std::atomic<int>* arret, const std::function<void(std::size_t)>& apresPage) {
  const int utiles = static_cast<int>(
      std::min<std::size_t>(static_cast<std::size_t>(std::max(travailleurs, 1)), source.Plafond()));
  std::string raison;
  if (utiles > 1) {
    Atelier atelier(source, fabrique, sortie, separateur, utiles, arret);
    const int partis = atelier.Demarre(utiles, raison);
    if (partis > 0) {
      BilanPages bilan = atelier.Ecrit(apresPage);
      bilan.travailleurs = partis;
      bilan.raisonDemarrage = raison;
      return bilan;
    }
  }
  BilanPages bilan = traiterEnSuite(source, fabrique, sortie, separateur, arret, apresPage);
  bilan.raisonDemarrage = raison;
  return bilan;
}

BilanPages traiterPages(std::size_t nombre, const FabriqueTravail& fabrique, Canal& sortie,
                        const char* separateur, int travailleurs,
                        const std::atomic<int>* arret, const std::function<void(std::size_t)>& apresPage) {
  SourceNumeros source(nombre);
  return traiterPages(source, fabrique, sortie, separateur, travailleurs, arret, apresPage);
}
