#include "phrase_coding.h"

#include <algorithm>
#include <cstddef>

#include "dictionary/map_string.h"

namespace kz::aad {

namespace {

constexpr std::uint8_t kFormText = 0x00;
constexpr std::uint8_t kFormKatakana = 0x80;
constexpr std::uint8_t kFormReadingKatakana = 0xA0;
constexpr std::uint8_t kFormHiragana = 0xC0;
constexpr std::uint8_t kFormReadingHiragana = 0xE0;

constexpr std::uint8_t kMarkerBase = 0x10;
constexpr std::uint8_t kMarkerKatakana = 0x08;
constexpr std::size_t kMaxMarkerCount = 7;  // c: the marker covers c + 1 reading bytes

constexpr SjisView kLongVowelMark = "\x81\x5B";  // ー

bool IsMarker(unsigned char b) { return b >= 0x10 && b <= 0x1F; }

bool IsHalfWidthKana(SjisView text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0xA5 && b <= 0xDF;
  });
}

// The two-byte unit `i` of `text` counted from its end (i = 0 is the last two bytes), or
// an empty view when `length` (the length the positions are counted from) leaves no whole
// unit there. Positions beyond the end of `text` itself give no unit either.
SjisView UnitFromEnd(SjisView text, std::size_t length, std::size_t i) {
  if (length < 2 * (i + 1)) return {};
  const std::size_t at = length - 2 * (i + 1);
  if (at + 2 > text.size()) return {};
  return text.substr(at, 2);
}

SjisView UnitFromStart(SjisView text, std::size_t i) {
  if (text.size() < 2 * (i + 1)) return {};
  return text.substr(2 * i, 2);
}

// Number of matching two-byte units at the end of `kana` (positions counted from
// `kanaLength`) and of `stored`.
std::size_t MatchFromEnd(SjisView kana, std::size_t kanaLength, SjisView stored) {
  std::size_t m = 0;
  for (;;) {
    const SjisView a = UnitFromEnd(kana, kanaLength, m);
    const SjisView b = UnitFromEnd(stored, stored.size(), m);
    if (a.empty() || b.empty() || a != b) return m;
    ++m;
  }
}

std::size_t MatchFromStart(SjisView kana, SjisView stored) {
  std::size_t m = 0;
  for (;;) {
    const SjisView a = UnitFromStart(kana, m);
    const SjisView b = UnitFromStart(stored, m);
    if (a.empty() || b.empty() || a != b) return m;
    ++m;
  }
}

// Shortens a match of m units so that its half-width form covers at most eight reading
// bytes; returns the marker's count c (half-width length minus 1). `unitsOf(m)` gives the
// full-width katakana of the matched units.
template <typename UnitsOf>
std::size_t ShortenMatch(std::size_t& m, UnitsOf unitsOf) {
  for (;;) {
    const std::size_t half = MapString(unitsOf(m), kMapHalfwidth).size();
    const std::size_t c = half == 0 ? 0 : half - 1;
    if (c <= kMaxMarkerCount || m <= 1) return c;
    --m;
  }
}

char Marker(std::size_t c, bool katakana) {
  return static_cast<char>(kMarkerBase + c + (katakana ? kMarkerKatakana : 0));
}

// The kana that marker `b` stands for, from `part` of the reading.
SjisString Expand(unsigned char b, SjisView part) {
  return MapString(part, (b & kMarkerKatakana) != 0 ? kMapFullKatakana : kMapFullHiragana);
}

std::size_t MarkerLength(unsigned char b) { return (b & 7u) + 1; }

}  // namespace

CodedPhrase EncodePhrase(SjisView reading, SjisView phrase) {
  CodedPhrase coded{kFormText, SjisString(phrase)};

  // Whole phrase as kana.
  const SjisString half = MapString(phrase, kMapHalfKatakana);
  if (IsHalfWidthKana(half)) {
    if (MapString(half, kMapFullHiragana) == phrase) {
      coded.form = half == reading ? kFormReadingHiragana : kFormHiragana;
      coded.stored = half == reading ? SjisString() : half;
    } else if (MapString(half, kMapFullKatakana) == phrase) {
      coded.form = half == reading ? kFormReadingKatakana : kFormKatakana;
      coded.stored = half == reading ? SjisString() : half;
    }
  }

  const SjisString katakana = MapString(reading, kMapFullKatakana);
  const SjisString hiragana = MapString(reading, kMapFullHiragana);
  const std::size_t n = katakana.size();
  SjisString& s = coded.stored;

  // Kana suffix: katakana first, then hiragana, whose match may not begin with ー.
  {
    std::size_t m = MatchFromEnd(katakana, n, s);
    bool isKatakana = m > 0;
    if (!isKatakana) {
      m = MatchFromEnd(hiragana, n, s);
      if (m > 0 && SjisView(katakana).substr(n - 2 * m, 2) == kLongVowelMark) --m;
    }
    if (m > 0) {
      const std::size_t c = ShortenMatch(
          m, [&](std::size_t units) { return SjisView(katakana).substr(n - 2 * units); });
      s.resize(s.size() - 2 * m);
      s += Marker(c, isKatakana);
    }
  }

  // Kana prefix, on what the suffix left.
  {
    std::size_t m = MatchFromStart(katakana, s);
    const bool isKatakana = m > 0;
    if (!isKatakana) m = MatchFromStart(hiragana, s);
    if (m > 0) {
      const std::size_t c = ShortenMatch(
          m, [&](std::size_t units) { return SjisView(katakana).substr(0, 2 * units); });
      s = Marker(c, isKatakana) + s.substr(2 * m);
    }
  }
  return coded;
}

SjisString DecodePhrase(SjisView reading, std::uint8_t form, SjisView stored) {
  SjisString s(stored);

  // Suffix first. A marker for more bytes than the reading has takes all of it.
  if (!s.empty() && IsMarker(static_cast<unsigned char>(s.back()))) {
    const auto b = static_cast<unsigned char>(s.back());
    const std::size_t count = std::min(MarkerLength(b), reading.size());
    s.pop_back();
    s += Expand(b, reading.substr(reading.size() - count));
  }
  // Then the prefix, on the text as the suffix left it: a lone marker byte has become kana
  // above and is not expanded twice.
  if (!s.empty() && IsMarker(static_cast<unsigned char>(s.front()))) {
    const auto b = static_cast<unsigned char>(s.front());
    s = Expand(b, reading.substr(0, MarkerLength(b))) + s.substr(1);
  }

  switch (form) {
    case kFormReadingKatakana:
      return MapString(reading, kMapFullwidth);
    case kFormReadingHiragana:
      return MapString(reading, kMapFullHiragana);
    case kFormKatakana:
      return MapString(s, kMapFullKatakana);
    case kFormHiragana:
      return MapString(s, kMapFullHiragana);
    default:
      return s;
  }
}

}  // namespace kz::aad
