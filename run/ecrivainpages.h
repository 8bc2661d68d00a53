// EcrivainPages: the output of the pages' reports, one page after the other
// as the caller starts them, with the report's separator between two pages
// that both wrote something. One thread at a time writes through it.
#ifndef PAGEVET_RUN_ECRIVAINPAGES_H_
#define PAGEVET_RUN_ECRIVAINPAGES_H_

#include <cstddef>
#include <string>

#include "foundation/canal.h"

class EcrivainPages {
 public:
  // sortie and separateur stay the caller's.
  EcrivainPages(Canal& sortie, const char* separateur)
      : canalPage_(*this), sortie_(sortie), separateur_(separateur) {}
  EcrivainPages(const EcrivainPages&) = delete;
  EcrivainPages& operator=(const EcrivainPages&) = delete;

  // Starts the next page; gives the channel it writes through, straight to
  // the output.
  Canal& Page() {
    pageEcrite_ = false;
    return canalPage_;
  }

 private:
  class CanalPage : public Canal {
   public:
    explicit CanalPage(EcrivainPages& ecrivain) : ecrivain_(ecrivain) {}
    void Ecrit(const char* octets, std::size_t n) override { ecrivain_.Ecrit(octets, n); }

   private:
    EcrivainPages& ecrivain_;
  };

  void Ecrit(const char* octets, std::size_t n);

  CanalPage canalPage_;
  Canal& sortie_;
  const std::string separateur_;
  bool pageEcrite_ = false;    // the current page wrote something
  bool quelqueChose_ = false;  // some page did
};

#endif  // PAGEVET_RUN_ECRIVAINPAGES_H_
