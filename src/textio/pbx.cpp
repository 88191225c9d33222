#include "pbx.h"

#include <algorithm>

#include "dictionary/author.h"
#include "dictionary/map_string.h"

namespace kz::textio {

namespace {

constexpr SjisView kBeginMarker = "DicBegin:";
constexpr std::size_t kDateDigits = 8;

void AddLine(SjisString& text, SjisView a, SjisView b = {}) {
  text += a;
  text += b;
  text += "\r\n";
}

}  // namespace

void CutPbxHeader(std::vector<SjisString>& lines) {
  const auto marker = std::find(lines.begin(), lines.end(), kBeginMarker);
  // One erase of the whole header; without a marker nothing is left.
  lines.erase(lines.begin(), marker == lines.end() ? marker : marker + 1);
}

SjisString RenderPbx(const PbxInfo& info, const std::vector<Row>& rows) {
  SjisString date = info.date;
  std::erase(date, '/');
  if (date.size() > kDateDigits) date.resize(kDateDigits);

  SjisString text;
  AddLine(text, "DicVer:SEMC_01001001");
  AddLine(text, "DicChr:Shift_JIS");
  AddLine(text, "DicDate:", date);
  AddLine(text, "DicTitle:", info.name);
  AddLine(text, "DicMaker:", StoredAuthor(info.author));
  AddLine(text, "DicProtect:");
  AddLine(text, "DicOperator:au_KDDI");
  AddLine(text, "DicSoftware:Kazamori");
  AddLine(text, kBeginMarker);
  for (const Row& row : rows) {
    text += MapString(row.reading, kMapFullHiragana);
    text += '\t';
    AddLine(text, row.phrase);
  }
  return text;
}

}  // namespace kz::textio
