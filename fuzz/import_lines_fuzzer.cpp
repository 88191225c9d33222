// Fuzzes splitting text into lines and word lines and importing them into a document.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dictionary/document.h"
#include "textio/lines.h"
#include "textio/word_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto lines = kz::textio::SplitLines(text);
  kz::Document doc;
  const kz::ImportResult result = doc.ImportLines(lines, kz::NoProgress());
  if (result.linesSeen != lines.size()) __builtin_trap();
  if (result.added + result.rejected.size() > lines.size()) __builtin_trap();
  if (doc.words().size() != result.added) __builtin_trap();
  // What was imported renders and imports again to the same rows.
  kz::Document again;
  again.ImportLines(doc.ExportLines(false), kz::NoProgress());
  if (again.words().rows() != doc.words().rows()) __builtin_trap();
  return 0;
}
