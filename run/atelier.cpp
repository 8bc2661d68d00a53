#include "run/atelier.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
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

bool traiterEnSuite(std::size_t nombre, const FabriqueTravail& fabrique, Canal& sortie,
                    const char* separateur) {
  EcrivainPages ecrivain(sortie, separateur);
  const std::unique_ptr<TravailPage> travail = fabrique.Nouveau(ecrivain.Page());
  bool signalee = false;
  for (std::size_t i = 0; i < nombre; ++i) {
    ecrivain.Page();
    signalee = travail->Examine(i) || signalee;
    fabrique.Ecrite(i);
  }
  return signalee;
}

// The pages, the workers that run the job on them and the writer that sends
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
class Atelier {
 public:
  Atelier(std::size_t nombre, const FabriqueTravail& fabrique, Canal& sortie,
          const char* separateur, int travailleurs)
      : nombre_(nombre),
        fabrique_(fabrique),
        ecrivain_(sortie, separateur),
        avance_(static_cast<std::size_t>(kAvanceParTravailleur * travailleurs)),
        budget_(static_cast<std::size_t>(travailleurs) * kBudgetParTravailleur),
        pages_(avance_),
        limite_(nombre) {
    for (int i = 0; i < travailleurs; ++i) threads_.emplace_back([this] { Travaille(); });
  }

  // Stops the workers, whatever state the run is in, and waits for them.
  ~Atelier() {
    {
      const std::lock_guard<std::mutex> verrou(mutex_);
      arret_ = true;
    }
    pourTravailleurs_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  Atelier(const Atelier&) = delete;
  Atelier& operator=(const Atelier&) = delete;

  // The writer, on the calling thread: each page's report in turn.
  bool Ecrit() {
    bool signalee = false;
    for (std::size_t i = 0; i < nombre_; ++i) {
      Page page;
      {
        std::unique_lock<std::mutex> verrou(mutex_);
        Page& place = pages_[i % avance_];
        while (!(place.finie && place.numero == i)) {
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
      if (page.erreur) std::rethrow_exception(page.erreur);
      fabrique_.Ecrite(i);
      bool reveiller = false;
      {
        const std::lock_guard<std::mutex> verrou(mutex_);
        prochaineEcrite_ = i + 1;
        reveiller = travailleursEnAttente_ > 0;
      }
      if (reveiller) pourTravailleurs_.notify_all();
    }
    return signalee;
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
      if (direct_ != nullptr) {
        direct_->Ecrit(octets, n);
        return;
      }
      tampon_.append(octets, n);
      if (tampon_.size() > kTailleTampon) {
        direct_ = &atelier_.AttendTour(page_);
        const std::string tampon = std::move(tampon_);
        tampon_.clear();
        direct_->Ecrit(tampon.data(), tampon.size());
      }
    }

    bool Direct() const { return direct_ != nullptr; }
    std::string Prend() { return std::move(tampon_); }

   private:
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
    while (!arret_ && prochaineEcrite_ != page) {
      LibereEcrivain();
      ++travailleursEnAttente_;
      pourTravailleurs_.wait(verrou);
      --travailleursEnAttente_;
    }
    if (arret_) throw Arret();
    return ecrivain_.Page();
  }

  // The next page to examine, or false when there is none left, a fatal
  // error before it makes it useless, or the run stops. A worker keeps at
  // most avance_ pages ahead of the writer, and takes no new page while the
  // finished reports waiting for their turn pass the budget: that bounds
  // the memory they take.
  bool Prend(std::size_t& page) {
    std::unique_lock<std::mutex> verrou(mutex_);
    for (;;) {
      if (arret_ || prochainePrise_ >= limite_) {
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
    page = prochainePrise_++;
    return true;
  }

  void Travaille() {
    CanalTravailleur canal(*this);
    const std::unique_ptr<TravailPage> travail = fabrique_.Nouveau(canal);
    for (std::size_t i; Prend(i);) {
      canal.Commence(i);
      bool signalee = false;
      std::exception_ptr erreur;
      try {
        signalee = travail->Examine(i);
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

  const std::size_t nombre_;
  const FabriqueTravail& fabrique_;
  EcrivainPages ecrivain_;  // owned by one thread at a time: see above

  const std::size_t avance_;
  const std::size_t budget_;
  std::mutex mutex_;  // guards what follows, up to threads_
  std::condition_variable pourEcrivain_;
  std::condition_variable pourTravailleurs_;
  std::vector<Page> pages_;
  std::size_t prochainePrise_ = 0;   // the next page for a worker
  std::size_t prochaineEcrite_ = 0;  // the next page for the writer
  std::size_t limite_;  // no page from here on: the end, or after a fatal error
  std::size_t enAttente_ = 0;  // bytes of the finished reports not yet written
  bool ecrivainAttend_ = false;
  int travailleursEnAttente_ = 0;
  bool arret_ = false;
  std::vector<std::thread> threads_;  // last: started once the rest is ready
};

}  // namespace

bool traiterPages(std::size_t nombre, const FabriqueTravail& fabrique, Canal& sortie,
                  const char* separateur, int travailleurs) {
  const int utiles = static_cast<int>(
      std::min<std::size_t>(static_cast<std::size_t>(std::max(travailleurs, 1)), nombre));
  if (utiles <= 1) return traiterEnSuite(nombre, fabrique, sortie, separateur);
  Atelier atelier(nombre, fabrique, sortie, separateur, utiles);
  return atelier.Ecrit();
}
