// Writes N seeded word lines (Shift_JIS, CR LF) to standard output: the benchmark input.
// Usage: make_words COUNT SEED
#include <cstdio>
#include <cstdlib>
#include <string>

#include "textio/word_line.h"
#include "word_data.h"

int main(int argc, char** argv) {
  const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1);
  std::string out;
  for (const kz::Row& row : kz::bench::MakeRows(count, seed)) {
    out += kz::textio::RenderWordLine(row);
    out += "\r\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
