#include "checker/aideconstats.h"

const AideConstat* aideConstat(std::string_view id) {
  for (const AideConstat& aide : kAidesConstats) {
    if (id == aide.id) return &aide;
  }
  return nullptr;
}
