// ErreurSortie: thrown when the report cannot be written (a full disk, a
// closed descriptor): nothing after it could reach the reader either.
#ifndef PAGEVET_FOUNDATION_ERREURSORTIE_H_
#define PAGEVET_FOUNDATION_ERREURSORTIE_H_

#include <cstring>
#include <exception>

class ErreurSortie : public std::exception {
 public:
  // code: the host's error number, as errno gave it.
  explicit ErreurSortie(int code) : code_(code) {}

  // The host's reason, in English.
  const char* what() const noexcept override { return std::strerror(code_); }

 private:
  int code_;
};

#endif  // PAGEVET_FOUNDATION_ERREURSORTIE_H_
