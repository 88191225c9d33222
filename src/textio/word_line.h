// The word line: one word as a line of text (reading, phrase, optional kind index).
//
// Fields are separated by commas and runs of blanks (bytes 0x01..0x20); a double quote
// starts a quoted field in which a doubled quote stands for one. The scan moves by
// Shift_JIS characters, so a trail byte is never taken for a separator. This file knows
// the format only; the entry rules are applied by the document's import.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "dictionary/sjis_string.h"
#include "dictionary/word_list.h"

namespace kz::textio {

// The fields of `line`, or only its first `maxFields`: the scan stops there, so a line of
// millions of fields costs no more than the fields asked for.
std::vector<SjisString> SplitFields(SjisView line,
                                    std::size_t maxFields = static_cast<std::size_t>(-1));

// The kind field read as a whole number: optional sign and decimal digits in 32-bit
// range, or "$", "x", "X", "0x", "0X" and up to 32 bits of hexadecimal; anything else 0.
std::int32_t ParseKindField(SjisView field);

// Renders reading, phrase and kind index, quoting fields that hold a blank, a comma or a
// double quote.
SjisString RenderWordLine(const Row& row);

// True when the line is a comment ("//" as its first two bytes).
bool IsCommentLine(SjisView line);

}  // namespace kz::textio
