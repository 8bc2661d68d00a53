// Test helper: a heap buffer sized exactly to a text and its terminator, so
// that the sanitizers catch any read or write past the end.
#ifndef PAGEVET_TESTS_HTML_TAMPON_H_
#define PAGEVET_TESTS_HTML_TAMPON_H_

#include <cstring>
#include <memory>
#include <string>

class Tampon {
 public:
  explicit Tampon(const std::string& texte)
      : octets(new char[texte.size() + 1]) {
    std::memcpy(octets.get(), texte.c_str(), texte.size() + 1);
  }

  char* Texte() { return octets.get(); }
  std::string Chaine() const { return octets.get(); }

 private:
  std::unique_ptr<char[]> octets;
};

#endif  // PAGEVET_TESTS_HTML_TAMPON_H_
