// BalisesLigne: where the tag names that the checks look for first stand in
// a lower-case line, found in a single pass over the line's '<' characters.
#ifndef PAGEVET_CHECKER_BALISESLIGNE_H_
#define PAGEVET_CHECKER_BALISESLIGNE_H_

class BalisesLigne {
 public:
  enum Nom { kHead, kFinHead, kBody, kFinBody, kMeta, kTitle, kFinTitle, kNombre };

  // texte must outlive the object: positions point into it.
  explicit BalisesLigne(const char* texte);

  // What chercherBalise(texte, name) gives for the name ("head", "/head",
  // "body", "/body", "meta", "title" or "/title"), without a search each.
  const char* Position(Nom nom) const { return positions_[nom]; }

 private:
  const char* positions_[kNombre] = {};
};

#endif  // PAGEVET_CHECKER_BALISESLIGNE_H_
