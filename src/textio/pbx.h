// POBox dictionary text (.pbx): the header cut on reading, the whole text on writing.
#pragma once

#include <vector>

#include "dictionary/sjis_string.h"
#include "dictionary/word_list.h"

namespace kz::textio {

// Removes every line up to and including the first line that is exactly "DicBegin:".
// Without such a line no line remains.
void CutPbxHeader(std::vector<SjisString>& lines);

struct PbxInfo {
  SjisString name;
  SjisString author;  // as typed; the maker value follows the author prefix rule
  SjisString date;
};

// The nine header lines and one line per row (reading in full-width hiragana, a tab,
// the phrase), each line ended by CR LF.
SjisString RenderPbx(const PbxInfo& info, const std::vector<Row>& rows);

}  // namespace kz::textio
