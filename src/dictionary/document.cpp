#include "document.h"

#include <algorithm>
#include <utility>

#include "entry_rules.h"
#include "huge_pages.h"
#include "map_string.h"
#include "textio/word_line.h"

namespace kz {

namespace {

// Whether every byte is a half-width katakana or mark (0xA1..0xDF). The mapping to half-width
// katakana leaves such a text as it is, and most readings come written so.
bool IsHalfWidthKana(SjisView text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0xA1 && b <= 0xDF;
  });
}

// The row a word line gives, or nullopt when the line is to be rejected. Fields after the
// kind field are never looked at, so they are not split off either.
std::optional<Row> RowFromLine(SjisView line) {
  std::vector<SjisString> fields = textio::SplitFields(line, 3);
  if (fields.size() < 2) return std::nullopt;
  Row row;
  row.reading =
      IsHalfWidthKana(fields[0]) ? std::move(fields[0]) : MapString(fields[0], kMapHalfKatakana);
  if (CheckReading(row.reading) != EntryFault::kNone) return std::nullopt;
  if (!PhraseLengthOk(fields[1])) return std::nullopt;
  row.phrase = std::move(fields[1]);
  row.kind = fields.size() >= 3 ? textio::ParseKindField(fields[2]) : 0;
  return row;
}

}  // namespace

void Document::New() {
  words_.Clear();
  modified_ = false;
}

std::size_t Document::Add(Row row) {
  const std::size_t at = words_.Add(std::move(row));
  words_.ClearSelection();
  words_.Select(at, true);
  modified_ = true;
  return at;
}

std::optional<std::size_t> Document::Change(Row row) {
  const auto first = words_.FirstSelected();
  if (!first) return std::nullopt;
  const std::size_t at = words_.Change(*first, std::move(row));
  words_.ClearSelection();
  words_.Select(at, true);
  modified_ = true;
  return at;
}

std::size_t Document::DeleteSelected(Progress& progress) {
  const std::size_t gone = words_.DeleteSelected(progress);
  modified_ = !words_.empty();
  return gone;
}

std::size_t Document::Truncate(long long n, Progress& progress) {
  const auto keep = static_cast<std::size_t>(std::max<long long>(n, 0));
  const std::size_t gone = words_.Truncate(keep, progress);
  modified_ = !words_.empty();
  return gone;
}

std::size_t Document::RemoveDuplicates(Progress& progress) {
  const std::size_t gone = words_.RemoveDuplicates(progress);
  if (gone > 0) modified_ = true;
  return gone;
}

std::size_t Document::AddVowelRows(Progress& progress) {
  const std::size_t added = words_.AddVowelRows(progress);
  if (added > 0) modified_ = true;
  return added;
}

std::size_t Document::ChangeToVowels(Progress& progress) {
  const std::size_t changed = words_.ChangeToVowels(progress);
  if (changed > 0) modified_ = true;
  return changed;
}

ImportResult Document::ImportLines(const std::vector<SjisString>& lines, Progress& progress) {
  ImportResult result;
  result.linesSeen = lines.size();
  words_.BeginBulk();
  words_.Reserve(words_.size() + lines.size());
  StepReporter steps(progress, lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const SjisString& line = lines[i];
    if (textio::IsCommentLine(line)) continue;
    if (auto row = RowFromLine(line)) {
      words_.Append(std::move(*row));
      ++result.added;
      steps.At(i);
    } else {
      result.rejected.push_back(line);
      result.rejectedIndex.push_back(i);
    }
  }
  words_.EndBulk();
  steps.Finish();
  modified_ = !words_.empty();
  return result;
}

std::vector<SjisString> Document::ExportLines(bool selectedOnly) const {
  std::vector<SjisString> lines;
  lines.reserve(selectedOnly ? words_.SelectedCount() : words_.size());
  AdviseHugePages(lines.data(), lines.capacity() * sizeof(SjisString));
  for (std::size_t i = 0; i < words_.size(); ++i) {
    if (selectedOnly && !words_.IsSelected(i)) continue;
    lines.push_back(textio::RenderWordLine(words_[i]));
  }
  return lines;
}

void Document::LoadRows(std::vector<Row> rows, Progress& progress) {
  words_.Clear();
  words_.BeginBulk();
  words_.Reserve(rows.size());
  StepReporter steps(progress, rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    words_.Append(std::move(rows[i]));
    steps.At(i);
  }
  words_.EndBulk();
  steps.Finish();
  modified_ = false;
}

FindResult Document::FindWith(std::optional<SjisString> typed) {
  if (searchText_.empty()) {
    if (!typed || typed->empty()) return {FindOutcome::kCancelled, 0};
    searchStart_ = 0;
    searchText_ = MapString(*typed, kMapHalfKatakana);
    // A text that maps to nothing would match every reading; treat it as no text.
    if (searchText_.empty()) return {FindOutcome::kCancelled, 0};
  }
  const auto hit = words_.FindPrefix(searchText_, searchStart_);
  words_.ClearSelection();
  if (hit) {
    words_.Select(*hit, true);
    searchStart_ = *hit + 1;
    return {FindOutcome::kFound, *hit};
  }
  if (searchStart_ != 0) {
    searchStart_ = 0;
  } else {
    searchText_.clear();
  }
  return {FindOutcome::kEnd, 0};
}

}  // namespace kz
