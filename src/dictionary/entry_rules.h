// The rules a word entry must meet, as pure functions.
//
// CheckEntry runs the checks of the entry fields in their fixed order and returns the
// first one that fails together with the normalised reading, which the window puts back
// into its reading field whatever the outcome. Showing the message and moving the focus
// is the window's job; choosing the default kind is too.
#pragma once

#include <cstddef>

#include "sjis_string.h"

namespace kz {

inline constexpr std::size_t kMaxReadingBytes = 16;
inline constexpr std::size_t kMaxPhraseBytes = 50;

enum class EntryFault {
  kNone,
  kEmptyReading,    // reading field empty (as typed)
  kEmptyPhrase,     // phrase field empty
  kInvalidChar,     // a byte outside 0xA6..0xDF (or nothing left after mapping)
  kInvalidFirst,    // first byte outside 0xB1..0xDC
  kReadingTooLong,  // more than 16 bytes
  kPhraseTooLong,   // more than 50 bytes
};

// Checks a reading that is already normalised: byte range, first byte, length.
// An empty reading gives kInvalidChar.
EntryFault CheckReading(SjisView reading);

// True when the phrase is 1 to 50 bytes.
bool PhraseLengthOk(SjisView phrase);

struct EntryCheck {
  EntryFault fault = EntryFault::kNone;
  // The reading as normalised by MapString; as typed when an empty field stopped the check
  // before the mapping.
  SjisString reading;
};

// The full check of typed reading and phrase, in the window's order.
EntryCheck CheckEntry(SjisView typedReading, SjisView phrase);

}  // namespace kz
