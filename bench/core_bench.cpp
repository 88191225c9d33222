// Google Benchmark programs for the core operations on large word lists.
#include <benchmark/benchmark.h>

#include "aad/aad_file.h"
#include "dictionary/document.h"
#include "textio/lines.h"
#include "textio/word_line.h"
#include "word_data.h"

namespace {

constexpr std::uint32_t kSeed = 20261211;

std::vector<kz::SjisString> MakeLines(std::size_t n) {
  std::vector<kz::SjisString> lines;
  for (const kz::Row& row : kz::bench::MakeRows(n, kSeed)) lines.push_back(kz::textio::RenderWordLine(row));
  return lines;
}

kz::Document Imported(std::size_t n) {
  kz::Document doc;
  doc.ImportLines(MakeLines(n), kz::NoProgress());
  return doc;
}

void BM_ImportLines(benchmark::State& state) {
  const auto lines = MakeLines(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    kz::Document doc;
    doc.ImportLines(lines, kz::NoProgress());
    benchmark::DoNotOptimize(doc.words().size());
  }
}
BENCHMARK(BM_ImportLines)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_SplitLines(benchmark::State& state) {
  kz::SjisString text = kz::textio::JoinLines(MakeLines(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(kz::textio::SplitLines(text).size());
}
BENCHMARK(BM_SplitLines)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Operations that change the list run on a fresh copy each iteration; the copy is not timed.
template <typename Op>
void OnCopy(benchmark::State& state, Op op) {
  const kz::Document base = Imported(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    kz::Document doc = base;
    doc.words().SelectAll();
    state.ResumeTiming();
    op(doc);
  }
}

void BM_RemoveDuplicates(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.RemoveDuplicates(kz::NoProgress()); });
}
BENCHMARK(BM_RemoveDuplicates)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_AddVowelRows(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.AddVowelRows(kz::NoProgress()); });
}
BENCHMARK(BM_AddVowelRows)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_ChangeToVowels(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.ChangeToVowels(kz::NoProgress()); });
}
BENCHMARK(BM_ChangeToVowels)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_DeleteSelected(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) {
    d.words().ClearSelection();
    for (std::size_t i = 0; i < d.words().size(); i += 2) d.words().Select(i, true);
    d.DeleteSelected(kz::NoProgress());
  });
}
BENCHMARK(BM_DeleteSelected)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_Truncate(benchmark::State& state) {
  OnCopy(state, [](kz::Document& d) { d.Truncate(1000, kz::NoProgress()); });
}
BENCHMARK(BM_Truncate)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

std::vector<kz::Row> SortedRows(std::size_t n) { return Imported(n).words().rows(); }

void BM_WriteAad(benchmark::State& state) {
  const auto rows = SortedRows(static_cast<std::size_t>(state.range(0)));
  kz::aad::WriteRequest request;
  request.makerCode = "CASIO";
  request.info = {"name", "author", "2005/01/01 00:00:00"};
  request.rows = &rows;
  for (auto _ : state) benchmark::DoNotOptimize(kz::aad::Write(request).bytes.size());
}
BENCHMARK(BM_WriteAad)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_ReadAad(benchmark::State& state) {
  const auto rows = SortedRows(static_cast<std::size_t>(state.range(0)));
  kz::aad::WriteRequest request;
  request.info = {"name", "author", "2005/01/01 00:00:00"};
  request.rows = &rows;
  const std::string file = kz::aad::Write(request).bytes;
  for (auto _ : state) benchmark::DoNotOptimize(kz::aad::Read(file).rows.size());
}
BENCHMARK(BM_ReadAad)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
