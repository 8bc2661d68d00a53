// SourcePages: the pages of a run, handed one at a time to whichever
// worker asks and numbered in the order they are asked for.
#ifndef PAGEVET_RUN_SOURCEPAGES_H_
#define PAGEVET_RUN_SOURCEPAGES_H_

#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <vector>

class SourcePages {
 public:
  SourcePages() = default;
  SourcePages(const SourcePages&) = delete;
  SourcePages& operator=(const SourcePages&) = delete;
  virtual ~SourcePages() = default;

  // On any thread: the next page's path and number (0, 1, ... in the order
  // of the calls); false once there is none left. An error of the source
  // ends it, and is kept for Relance.
  bool Suivante(std::string& chemin, std::size_t& numero);
  // The pages handed out so far; once Suivante gave false, all of them.
  std::size_t Donnees() const;
  // The most pages this source can give; SIZE_MAX when it cannot tell.
  virtual std::size_t Plafond() const { return SIZE_MAX; }
  // Throws again the error that ended the source, if one did.
  void Relance() const;

 protected:
  // Under the source's lock: the next path, or false at the end.
  virtual bool Prochaine(std::string& chemin) = 0;

 private:
  mutable std::mutex mutex_;  // guards what follows and Prochaine
  std::size_t donnees_ = 0;
  bool finie_ = false;
  std::exception_ptr erreur_;
};

// The pages of a list made in advance (--files, --files-from, or a walk
// that had to end before the first page).
class SourceListe : public SourcePages {
 public:
  // chemins stays the caller's.
  explicit SourceListe(const std::vector<const char*>& chemins) : chemins_(chemins) {}
  std::size_t Plafond() const override { return chemins_.size(); }

 protected:
  bool Prochaine(std::string& chemin) override;

 private:
  const std::vector<const char*>& chemins_;
  std::size_t prochain_ = 0;
};

#endif  // PAGEVET_RUN_SOURCEPAGES_H_
