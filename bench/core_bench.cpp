// Google Benchmark programs for the core operations: what the editor and kazamori-cli do to
// a list of a million words, and loading and saving a dictionary of 5,000 words.
#include <benchmark/benchmark.h>

#include "aad/aad_file.h"
#include "dictionary/document.h"
#include "textio/lines.h"
#include "textio/word_line.h"
#include "word_data.h"

namespace {

constexpr std::uint32_t kSeed = 20261211;
constexpr std::int64_t kBig = 1'000'000;
constexpr std::int64_t kDictionary = 5'000;

std::vector<kz::SjisString> MakeLines(std::size_t n) {
  std::vector<kz::SjisString> lines;
  lines.reserve(n);
  for (const kz::Row& row : kz::bench::MakeRows(n, kSeed)) {
    lines.push_back(kz::textio::RenderWordLine(row));
  }
  return lines;
}

kz::Document Imported(std::size_t n) {
  kz::Document doc;
  doc.ImportLines(MakeLines(n), kz::NoProgress());
  return doc;
}

std::size_t Count(const benchmark::State& state) {
  return static_cast<std::size_t>(state.range(0));
}

void PerRow(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_SplitLines(benchmark::State& state) {
  const kz::SjisString text = kz::textio::JoinLines(MakeLines(Count(state)));
  for (auto _ : state) benchmark::DoNotOptimize(kz::textio::SplitLines(text).size());
  PerRow(state);
}
BENCHMARK(BM_SplitLines)->Arg(kBig)->Unit(benchmark::kMillisecond);

// Parsing, the entry rules, appending and the one sort at the end.
void BM_ImportLines(benchmark::State& state) {
  const auto lines = MakeLines(Count(state));
  for (auto _ : state) {
    kz::Document doc;
    doc.ImportLines(lines, kz::NoProgress());
    benchmark::DoNotOptimize(doc.words().size());
  }
  PerRow(state);
}
BENCHMARK(BM_ImportLines)->Arg(kBig)->Unit(benchmark::kMillisecond);

// The sort that ends every bulk operation, on rows in the order of the file.
void BM_SortRows(benchmark::State& state) {
  const auto rows = kz::bench::MakeRows(Count(state), kSeed);
  for (auto _ : state) {
    state.PauseTiming();
    kz::WordList list;
    list.BeginBulk();
    list.Reserve(rows.size());
    for (const kz::Row& row : rows) list.Append(row);
    state.ResumeTiming();
    list.EndBulk();
    benchmark::DoNotOptimize(list[0]);
  }
  PerRow(state);
}
BENCHMARK(BM_SortRows)->Arg(kBig)->Unit(benchmark::kMillisecond);

void BM_ExportLines(benchmark::State& state) {
  const kz::Document doc = Imported(Count(state));
  for (auto _ : state) benchmark::DoNotOptimize(doc.ExportLines(false).size());
  PerRow(state);
}
BENCHMARK(BM_ExportLines)->Arg(kBig)->Unit(benchmark::kMillisecond);

void BM_JoinLines(benchmark::State& state) {
  const auto lines = MakeLines(Count(state));
  for (auto _ : state) benchmark::DoNotOptimize(kz::textio::JoinLines(lines).size());
  PerRow(state);
}
BENCHMARK(BM_JoinLines)->Arg(kBig)->Unit(benchmark::kMillisecond);

// Operations that change the list run on a fresh copy with every row selected; the copy
// is not timed.
template <typename Op>
void OnCopy(benchmark::State& state, Op op) {
  const kz::Document base = Imported(Count(state));
  for (auto _ : state) {
    state.PauseTiming();
    kz::Document doc = base;
    doc.words().SelectAll();
    state.ResumeTiming();
    op(doc);
  }
  PerRow(state);
}

void BM_RemoveDuplicates(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.RemoveDuplicates(kz::NoProgress()); });
}
BENCHMARK(BM_RemoveDuplicates)->Arg(kBig)->Unit(benchmark::kMillisecond);

void BM_AddVowelRows(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.AddVowelRows(kz::NoProgress()); });
}
BENCHMARK(BM_AddVowelRows)->Arg(kBig)->Unit(benchmark::kMillisecond);

void BM_ChangeToVowels(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.ChangeToVowels(kz::NoProgress()); });
}
BENCHMARK(BM_ChangeToVowels)->Arg(kBig)->Unit(benchmark::kMillisecond);

void BM_DeleteSelected(benchmark::State& state) {
  OnCopy(state, [&state](kz::Document& d) {
    state.PauseTiming();
    d.words().ClearSelection();
    for (std::size_t i = 0; i < d.words().size(); i += 2) d.words().Select(i, true);
    state.ResumeTiming();
    d.DeleteSelected(kz::NoProgress());
  });
}
BENCHMARK(BM_DeleteSelected)->Arg(kBig)->Unit(benchmark::kMillisecond);

void BM_Truncate(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.Truncate(1000, kz::NoProgress()); });
}
BENCHMARK(BM_Truncate)->Arg(kBig)->Unit(benchmark::kMillisecond);

// A dictionary as a phone takes it: sorted rows of short words, with a download header.
struct Dictionary {
  std::vector<kz::Row> rows;
  kz::aad::WriteRequest request;
  std::string file;
};

Dictionary MakeDictionary(std::size_t n) {
  Dictionary d;
  kz::Document doc;
  doc.LoadRows(kz::bench::MakeRows(n, kSeed, kz::bench::kPhoneWords), kz::NoProgress());
  d.rows = doc.words().rows();
  d.request.makerCode = "CASIO";
  d.request.info = {"name", "author", "2005/01/01 00:00:00"};
  d.request.rows = &d.rows;
  const kz::aad::WriteResult written = kz::aad::Write(d.request);
  if (written.error != kz::aad::WriteError::kNone) {
    std::fprintf(stderr, "%zu words do not fit the format (error %d at row %zu)\n", n,
                 static_cast<int>(written.error), written.row);
    std::abort();
  }
  d.file = written.bytes;
  return d;
}

// Save builds the whole file in memory.
void BM_SaveAad(benchmark::State& state) {
  const Dictionary d = MakeDictionary(Count(state));
  for (auto _ : state) benchmark::DoNotOptimize(kz::aad::Write(d.request).bytes.size());
  state.counters["bytes"] = static_cast<double>(d.file.size());
  PerRow(state);
}
BENCHMARK(BM_SaveAad)->Arg(kDictionary)->Unit(benchmark::kMicrosecond);

// Load decodes every record and fills the document, with its one sort.
void BM_LoadAad(benchmark::State& state) {
  const Dictionary d = MakeDictionary(Count(state));
  for (auto _ : state) {
    kz::aad::ReadResult read = kz::aad::Read(d.file);
    if (read.rows.size() != d.rows.size()) {
      state.SkipWithError("the dictionary did not read back");
      break;
    }
    kz::Document doc;
    doc.LoadRows(std::move(read.rows), kz::NoProgress());
    benchmark::DoNotOptimize(doc.words().size());
  }
  PerRow(state);
}
BENCHMARK(BM_LoadAad)->Arg(kDictionary)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
