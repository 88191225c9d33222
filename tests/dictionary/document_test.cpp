#include "dictionary/document.h"

#include <gtest/gtest.h>

#include "support/sjis.h"
#include "textio/lines.h"
#include "textio/pbx.h"

namespace kz {
namespace {

using test::Sjis;

std::vector<SjisString> SjisLines(std::initializer_list<const char*> utf8) {
  std::vector<SjisString> lines;
  for (const char* l : utf8) lines.push_back(Sjis(l));
  return lines;
}

Document WithRows(std::initializer_list<const char*> readings) {
  Document doc;
  for (const char* r : readings) doc.Add({Sjis(r), Sjis("語"), 1});
  doc.words().ClearSelection();
  return doc;
}

TEST(ImportLines, OneLineEach) {
  struct Case {
    const char* line;
    bool added;
    const char* reading = "";
    const char* phrase = "";
    std::int32_t kind = 0;
  } cases[] = {
      {"ｱｲｳ,漢字", true, "ｱｲｳ", "漢字", 0},
      {"あいう,漢字,1", true, "ｱｲｳ", "漢字", 1},
      {"ガッコウ,学校", true, "ｶﾞｯｺｳ", "学校", 0},
      {"ｱｲｳ 漢字", true, "ｱｲｳ", "漢字", 0},
      {"ｱｲｳ\t漢字", true, "ｱｲｳ", "漢字", 0},
      {"ｱｲｳ,漢 字", true, "ｱｲｳ", "漢", 0},
      {"ｱｲｳ,\"漢 字\"", true, "ｱｲｳ", "漢 字", 0},
      {"ｱｲｳ,漢字,40", true, "ｱｲｳ", "漢字", 40},
      {"ｱｲｳ,漢字,abc", true, "ｱｲｳ", "漢字", 0},
      {"ｱｲｳ,漢字,1,x", true, "ｱｲｳ", "漢字", 1},
      {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ,x", true, "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ", "x", 0},
      {"ｱ,12345678901234567890123456789012345678901234567890", true, "ｱ",
       "12345678901234567890123456789012345678901234567890", 0},
      {"ｱｲｳ", false},
      {",漢字", false},
      {"ｰｱ,漢字", false},
      {"ﾝｱ,漢字", false},
      {"ｱｲｳ,", false},
      {"漢字,漢字", false},
      {"", false},
      {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁ,x", false},
      {"ｱ,123456789012345678901234567890123456789012345678901", false},
  };
  for (const auto& c : cases) {
    Document doc;
    const ImportResult r = doc.ImportLines({Sjis(c.line)}, NoProgress());
    EXPECT_EQ(r.linesSeen, 1u);
    if (!c.added) {
      EXPECT_EQ(doc.words().size(), 0u) << c.line;
      EXPECT_EQ(r.rejected, std::vector<SjisString>{Sjis(c.line)}) << c.line;
      continue;
    }
    ASSERT_EQ(doc.words().size(), 1u) << c.line;
    EXPECT_TRUE(r.rejected.empty());
    EXPECT_EQ(doc.words()[0], (Row{Sjis(c.reading), Sjis(c.phrase), c.kind})) << c.line;
  }
}

TEST(ImportLines, CountsCommentsKeepsRejectsAsGivenAndSortsOnce) {
  Document doc;
  const auto lines = SjisLines({"//ｱｲｳ,漢字", "ｶｷ,柿", "", "ｱｲ,愛,1", "ｰｱ,漢字"});
  const ImportResult r = doc.ImportLines(lines, NoProgress());
  EXPECT_EQ(r.linesSeen, 5u);
  EXPECT_EQ(r.added, 2u);
  EXPECT_EQ(r.rejected, SjisLines({"", "ｰｱ,漢字"}));
  EXPECT_EQ(r.rejectedIndex, (std::vector<std::size_t>{2, 4}));
  ASSERT_EQ(doc.words().size(), 2u);
  EXPECT_EQ(doc.words()[0].reading, Sjis("ｱｲ"));
  EXPECT_EQ(doc.words().sortMode(), SortMode::kData);
  EXPECT_TRUE(doc.modified());
}

// Records what a long operation reports.
struct RecordingProgress : Progress {
  std::size_t maximum = 0, starts = 0, steps = 0, finishes = 0;
  bool stepBeyondMaximum = false, stepAfterFinish = false;
  void Start(std::size_t m) override { maximum = m, ++starts; }
  void Step(std::size_t p) override {
    ++steps;
    stepBeyondMaximum |= p >= maximum;
    stepAfterFinish |= finishes > 0;
  }
  void Finish() override { ++finishes; }
};

TEST(ImportLines, DrivesProgressOverEveryLineGiven) {
  std::vector<SjisString> lines(3000, Sjis("ｱｲ,愛"));
  lines[7] = "//";
  lines[8] = "";
  Document doc;
  RecordingProgress progress;
  doc.ImportLines(lines, progress);
  EXPECT_EQ(progress.starts, 1u);
  EXPECT_EQ(progress.maximum, 3000u);
  EXPECT_GT(progress.steps, 0u);
  EXPECT_FALSE(progress.stepBeyondMaximum);
  EXPECT_FALSE(progress.stepAfterFinish);
  EXPECT_EQ(progress.finishes, 1u);
  EXPECT_EQ(doc.words().size(), 2998u);
}

TEST(ImportLines, ModifiedFollowsWhetherTheListHasRows) {
  Document empty;
  empty.ImportLines(SjisLines({"ｱｲｳ", "//x"}), NoProgress());
  EXPECT_FALSE(empty.modified());

  for (const std::vector<SjisString>& lines : {std::vector<SjisString>{}, SjisLines({"ｱｲｳ"})}) {
    Document filled = WithRows({"ｱｲ"});
    filled.setModified(false);
    filled.ImportLines(lines, NoProgress());
    EXPECT_TRUE(filled.modified());
  }
}

TEST(ImportLines, RenderedRowsImportBackUnchanged) {
  Document doc;
  doc.ImportLines(
      SjisLines({"ｱｲｳ,漢字,1", "ｴｲｺﾞ,\"a,b\",0", "ｶｷ,\"x \"\"y\"\"\",40", "ｻｼ,漢　字,-3"}),
      NoProgress());
  ASSERT_EQ(doc.words().size(), 4u);
  Document again;
  again.ImportLines(doc.ExportLines(false), NoProgress());
  EXPECT_EQ(again.words().rows(), doc.words().rows());
}

TEST(ImportLines, ExportedPbxComesBackWithoutKinds) {
  const std::vector<Row> rows = {{Sjis("ｱｲｳ"), Sjis("漢字"), 1}, {Sjis("ｶﾞｯｺｳ"), Sjis("学校"), 0}};
  std::vector<SjisString> lines =
      textio::SplitLines(textio::RenderPbx({Sjis("サンプル辞書"), "rilo", "2005/01/01"}, rows));
  textio::CutPbxHeader(lines);
  Document doc;
  const ImportResult r = doc.ImportLines(lines, NoProgress());
  EXPECT_EQ(r.linesSeen, 2u);
  EXPECT_EQ(doc.words().rows(),
            (std::vector<Row>{{Sjis("ｱｲｳ"), Sjis("漢字"), 0}, {Sjis("ｶﾞｯｺｳ"), Sjis("学校"), 0}}));
}

TEST(ExportLines, AllOrSelectedInListOrder) {
  Document doc = WithRows({"ｱｲｳ", "ｴｲｺﾞ", "ｶｷ"});
  doc.words().Select(2, true);
  doc.words().Select(0, true);
  EXPECT_EQ(doc.ExportLines(true), SjisLines({"ｱｲｳ,語,1", "ｶｷ,語,1"}));
  EXPECT_EQ(doc.ExportLines(false).size(), 3u);
}

TEST(Document, AddAndChangeSelectTheRowAndSetModified) {
  Document doc = WithRows({"ｶﾞ", "ｶｷ"});
  const std::size_t at = doc.Add({Sjis("ｶ"), Sjis("蚊"), 0});
  EXPECT_EQ(at, 0u);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(doc.words().SelectedCount(), 1u);
  EXPECT_TRUE(doc.words().IsSelected(0));

  doc.words().ClearSelection();
  doc.setModified(false);
  EXPECT_FALSE(doc.Change({Sjis("ｻ"), Sjis("差"), 0}).has_value());
  EXPECT_FALSE(doc.modified());

  doc.words().Select(0, true);
  doc.words().Select(2, true);
  const auto moved = doc.Change({Sjis("ｻ"), Sjis("差"), 0});
  ASSERT_TRUE(moved.has_value());
  EXPECT_EQ(*moved, 2u);  // ｶｷ, ｶﾞ, ｻ
  EXPECT_EQ(doc.words().SelectedCount(), 1u);
  EXPECT_TRUE(doc.words().IsSelected(2));
  EXPECT_TRUE(doc.modified());
}

TEST(Document, RemovalsSetModifiedByWhatRemains) {
  struct Case {
    long long keep;
    std::size_t rows;
  } cases[] = {{3, 3}, {0, 0}, {-5, 0}, {20, 10}};
  for (const auto& c : cases) {
    Document doc = WithRows({"ｱ", "ｲ", "ｳ", "ｴ", "ｵ", "ｶ", "ｷ", "ｸ", "ｹ", "ｺ"});
    doc.setModified(false);
    doc.Truncate(c.keep, NoProgress());
    EXPECT_EQ(doc.words().size(), c.rows);
    EXPECT_EQ(doc.modified(), c.rows > 0);
  }
  Document doc = WithRows({"ｱ", "ｲ"});
  doc.setModified(false);
  doc.DeleteSelected(NoProgress());  // nothing selected: nothing goes, yet Modified is set
  EXPECT_TRUE(doc.modified());
  doc.words().SelectAll();
  doc.DeleteSelected(NoProgress());
  EXPECT_FALSE(doc.modified());
}

TEST(Document, DuplicatesAndVowelsSetModifiedOnlyWhenSomethingHappened) {
  Document doc;
  doc.ImportLines(SjisLines({"ｱｲ,愛,1", "ｱｲ,愛,1", "ｽｰﾊﾟｰ,スーパー,1"}), NoProgress());
  doc.setModified(false);
  EXPECT_EQ(doc.RemoveDuplicates(NoProgress()), 1u);
  EXPECT_TRUE(doc.modified());

  doc.setModified(false);
  EXPECT_EQ(doc.RemoveDuplicates(NoProgress()), 0u);
  EXPECT_FALSE(doc.modified());

  EXPECT_EQ(doc.AddVowelRows(NoProgress()), 1u);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(doc.AddVowelRows(NoProgress()), 1u);  // the marked row is still there
  EXPECT_EQ(doc.RemoveDuplicates(NoProgress()), 1u);
  EXPECT_EQ(doc.words().size(), 3u);

  doc.setModified(false);
  EXPECT_EQ(doc.ChangeToVowels(NoProgress()), 1u);
  EXPECT_TRUE(doc.modified());
  doc.setModified(false);
  EXPECT_EQ(doc.ChangeToVowels(NoProgress()), 0u);
  EXPECT_FALSE(doc.modified());
}

TEST(Find, StepsThroughMatchesReportsTheEndOnceAndStartsOver) {
  Document doc = WithRows({"ｶｷ", "ｶﾞ", "ｷｸ"});
  int asked = 0;
  const auto ask = [&] {
    ++asked;
    return std::optional<SjisString>(Sjis("か"));
  };
  doc.ForgetSearch();
  FindResult r = doc.FindNext(ask);
  EXPECT_EQ(r.outcome, FindOutcome::kFound);
  EXPECT_EQ(r.row, 0u);
  r = doc.FindNext(ask);
  EXPECT_EQ(r.outcome, FindOutcome::kFound);
  EXPECT_EQ(r.row, 1u);
  EXPECT_EQ(doc.words().SelectedCount(), 1u);
  r = doc.FindNext(ask);
  EXPECT_EQ(r.outcome, FindOutcome::kEnd);
  EXPECT_EQ(doc.words().SelectedCount(), 0u);
  r = doc.FindNext(ask);
  EXPECT_EQ(r.outcome, FindOutcome::kFound);
  EXPECT_EQ(r.row, 0u);
  EXPECT_EQ(asked, 1);
}

TEST(Find, NoMatchForgetsTheTextAndCancelChangesNothing) {
  Document doc = WithRows({"ｶｷ", "ｷｸ"});
  doc.words().Select(1, true);
  for (std::optional<SjisString> answer :
       {std::optional<SjisString>(), std::optional<SjisString>("")}) {
    EXPECT_EQ(doc.FindNext([&] { return answer; }).outcome, FindOutcome::kCancelled);
    EXPECT_TRUE(doc.words().IsSelected(1));
  }
  EXPECT_EQ(doc.FindNext([] { return std::optional<SjisString>(Sjis("ｻ")); }).outcome,
            FindOutcome::kEnd);
  EXPECT_TRUE(doc.searchText().empty());
  EXPECT_EQ(doc.words().SelectedCount(), 0u);
  // Readings only: a text found only in phrases finds nothing.
  EXPECT_EQ(doc.FindNext([] { return std::optional<SjisString>(Sjis("語")); }).outcome,
            FindOutcome::kEnd);
}

TEST(Find, StartBeyondTheLastRowEndsThenStartsOver) {
  Document doc = WithRows({"ｶｷ", "ｶｸ", "ｶｹ"});
  const auto ask = [] { return std::optional<SjisString>(Sjis("ｶ")); };
  doc.FindNext(ask);
  doc.FindNext(ask);
  doc.FindNext(ask);  // start is now 3
  doc.words().SelectAll();
  doc.DeleteSelected(NoProgress());
  doc.Add({Sjis("ｶｷ"), Sjis("柿"), 0});
  EXPECT_EQ(doc.FindNext(ask).outcome, FindOutcome::kEnd);
  EXPECT_EQ(doc.FindNext(ask).outcome, FindOutcome::kFound);
}

TEST(Document, LoadRowsSortsOnceAndClearsModified) {
  Document doc = WithRows({"ｱ"});
  doc.LoadRows({{Sjis("ｶ"), "b", 0}, {Sjis("ｱ"), "a", 0}, {Sjis("ｶ"), "c", 0}}, NoProgress());
  ASSERT_EQ(doc.words().size(), 3u);
  EXPECT_EQ(doc.words()[0].phrase, "a");
  EXPECT_EQ(doc.words()[1].phrase, "b");  // equal readings keep their file order
  EXPECT_EQ(doc.words()[2].phrase, "c");
  EXPECT_FALSE(doc.modified());
  EXPECT_EQ(doc.words().sortMode(), SortMode::kData);
}

}  // namespace
}  // namespace kz
