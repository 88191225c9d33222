#include "author.h"

namespace kz {

SjisString StoredAuthor(SjisView author) {
  constexpr SjisView kPrefix = "rilo/";
  constexpr SjisView kBare = "rilo";
  if (author.empty() || author == kBare) return SjisString(kBare);
  if (author.starts_with(kPrefix)) return SjisString(author);
  SjisString stored(kPrefix);
  stored += author;
  return stored;
}

}  // namespace kz
