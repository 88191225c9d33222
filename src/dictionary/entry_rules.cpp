#include "entry_rules.h"

#include "map_string.h"

namespace kz {

namespace {

bool InReading(unsigned char b) { return b >= 0xA6 && b <= 0xDF; }
bool InFirst(unsigned char b) { return b >= 0xB1 && b <= 0xDC; }  // ｱ to ﾜ

}  // namespace

EntryFault CheckReading(SjisView reading) {
  // An empty mapped reading is refused before its missing first byte is looked at.
  if (reading.empty()) return EntryFault::kInvalidChar;
  for (const char c : reading) {
    if (!InReading(static_cast<unsigned char>(c))) return EntryFault::kInvalidChar;
  }
  if (!InFirst(static_cast<unsigned char>(reading.front()))) return EntryFault::kInvalidFirst;
  if (reading.size() > kMaxReadingBytes) return EntryFault::kReadingTooLong;
  return EntryFault::kNone;
}

bool PhraseLengthOk(SjisView phrase) { return !phrase.empty() && phrase.size() <= kMaxPhraseBytes; }

EntryCheck CheckEntry(SjisView typedReading, SjisView phrase) {
  // The emptiness checks come before the reading is mapped and leave it as typed.
  if (typedReading.empty()) return {EntryFault::kEmptyReading, SjisString()};
  if (phrase.empty()) return {EntryFault::kEmptyPhrase, SjisString(typedReading)};
  EntryCheck check{EntryFault::kNone, MapString(typedReading, kMapHalfKatakana)};
  check.fault = CheckReading(check.reading);
  if (check.fault == EntryFault::kNone && !PhraseLengthOk(phrase)) {
    check.fault = EntryFault::kPhraseTooLong;
  }
  return check;
}

}  // namespace kz
