#include "textio/pbx.h"

#include <algorithm>

#include "dictionary/author.h"
#include "dictionary/map_string.h"

namespace kz::textio {

void CutPbxHeader(std::vector<SjisString>& lines) {
  const auto marker = std::find(lines.begin(), lines.end(), SjisView("DicBegin:"));
  lines.erase(lines.begin(), marker == lines.end() ? marker : marker + 1);
}

SjisString RenderPbx(const PbxInfo& info, const std::vector<Row>& rows) {
  SjisString date;
  for (char c : info.date) {
    if (c != '/') date += c;
  }
  date.resize(std::min<std::size_t>(date.size(), 8));

  SjisString text;
  const auto line = [&text](SjisView a, SjisView b = {}) {
    text += a;
    text += b;
    text += "\r\n";
  };
  line("DicVer:SEMC_01001001");
  line("DicChr:Shift_JIS");
  line("DicDate:", date);
  line("DicTitle:", info.name);
  line("DicMaker:", StoredAuthor(info.author));
  line("DicProtect:");
  line("DicOperator:au_KDDI");
  line("DicSoftware:Kazamori");
  line("DicBegin:");
  for (const Row& row : rows) {
    text += MapString(row.reading, kMapFullHiragana);
    text += '\t';
    text += row.phrase;
    text += "\r\n";
  }
  return text;
}

}  // namespace kz::textio
