// Coding of a phrase against its reading inside a word record.
//
// A phrase that is all kana is stored in half-width katakana or not at all (the phrase
// form says which); kana at its start or end that spell the start or end of the reading
// are replaced by one marker byte 0x10..0x1F. Both directions compare bytes, never
// characters, and never fail.
#pragma once

#include <cstdint>

#include "dictionary/sjis_string.h"

namespace kz::aad {

struct CodedPhrase {
  std::uint8_t form = 0;  // 0x00, 0x80, 0xA0, 0xC0 or 0xE0 (bits 5 to 7 of the record)
  SjisString stored;

  friend bool operator==(const CodedPhrase&, const CodedPhrase&) = default;
};

CodedPhrase EncodePhrase(SjisView reading, SjisView phrase);
SjisString DecodePhrase(SjisView reading, std::uint8_t form, SjisView stored);

}  // namespace kz::aad
