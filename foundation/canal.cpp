#include "foundation/canal.h"

#include <cerrno>

#include "foundation/erreursortie.h"

void CanalFichier::Ecrit(const char* octets, std::size_t n) {
  // Written as bytes: a '%' in a page line or a file name is never a format.
  if (n > 0) std::fwrite(octets, 1, n, flux_);
  if (std::ferror(flux_)) throw ErreurSortie(errno != 0 ? errno : EIO);
}
