// Canal: where a report's bytes go. The printer writes through it, so that
// a report can go to a stream, to memory, or wait in a buffer for its turn.
#ifndef PAGEVET_FOUNDATION_CANAL_H_
#define PAGEVET_FOUNDATION_CANAL_H_

#include <cstddef>
#include <cstdio>
#include <string>

class Canal {
 public:
  virtual ~Canal() = default;
  // Writes the n bytes at octets; throws ErreurSortie when they cannot be.
  virtual void Ecrit(const char* octets, std::size_t n) = 0;
};

// Writes to a C stream and checks it after every write: once the stream has
// failed, ErreurSortie carries the host's error.
class CanalFichier : public Canal {
 public:
  // flux stays the caller's; it must outlive the channel.
  explicit CanalFichier(std::FILE* flux) : flux_(flux) {}
  void Ecrit(const char* octets, std::size_t n) override;
  std::FILE* Flux() const { return flux_; }

 private:
  std::FILE* flux_;
};

#endif  // PAGEVET_FOUNDATION_CANAL_H_
