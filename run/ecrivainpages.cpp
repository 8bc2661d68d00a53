#include "run/ecrivainpages.h"

void EcrivainPages::Ecrit(const char* octets, std::size_t n) {
  if (n == 0) return;
  if (!pageEcrite_) {
    if (quelqueChose_ && !separateur_.empty()) sortie_.Ecrit(separateur_.data(), separateur_.size());
    pageEcrite_ = quelqueChose_ = true;
  }
  sortie_.Ecrit(octets, n);
}
