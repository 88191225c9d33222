#include "vowel.h"

namespace kz {

namespace {

constexpr unsigned char kLongVowelMark = 0xB0;  // ｰ
constexpr unsigned char kVowelA = 0xB1;         // ｱ (ｲ ｳ ｴ ｵ follow)
constexpr unsigned char kVowelU = 0xB3;
constexpr unsigned char kVowelO = 0xB5;

bool LooksBack(unsigned char b) { return b == kLongVowelMark || b == 0xDE || b == 0xDF; }

// The vowel of a byte that is not a mark.
unsigned char VowelOfLetter(unsigned char b) {
  if (b == 0xA6) return kVowelO;                                // ｦ
  if (b >= 0xA7 && b <= 0xAB) return b + 10;                    // ｧ to ｫ
  if (b == 0xAC) return kVowelA;                                // ｬ
  if (b == 0xAD || b == 0xAF) return kVowelU;                   // ｭ ｯ
  if (b == 0xAE) return kVowelO;                                // ｮ
  if (b >= 0xB1 && b <= 0xD4) return kVowelA + (b - 0xB1) % 5;  // ｱ to ﾔ
  if (b == 0xD5) return kVowelU;                                // ﾕ
  if (b == 0xD6) return kVowelO;                                // ﾖ
  if (b >= 0xD7 && b <= 0xDC) return kVowelA + (b - 0xD7) % 5;  // ﾗ to ﾜ
  return 0;                                                     // ﾝ and everything else
}

}  // namespace

unsigned char VowelOf(SjisView reading, std::size_t pos) {
  if (pos >= reading.size()) return 0;
  // Marks take the vowel of the letter they follow: walk back past them.
  for (std::size_t i = pos;; --i) {
    const auto b = static_cast<unsigned char>(reading[i]);
    if (!LooksBack(b)) return VowelOfLetter(b);
    if (i == 0) return 0;
  }
}

bool RewriteLongVowels(SjisString& reading) {
  bool changed = false;
  for (std::size_t p = 1; p < reading.size(); ++p) {
    if (static_cast<unsigned char>(reading[p]) != kLongVowelMark) continue;
    const unsigned char vowel = VowelOf(reading, p - 1);
    if (vowel == 0) continue;  // nothing to lengthen (ｺﾝｰ): the mark stays
    reading[p] = static_cast<char>(vowel);
    changed = true;
  }
  return changed;
}

}  // namespace kz
