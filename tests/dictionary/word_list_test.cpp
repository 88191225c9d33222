#include "dictionary/word_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "dictionary/vowel.h"
#include "support/sjis.h"

namespace kz {
namespace {

using test::Sjis;

Row R(const char* reading, const std::string& phrase = "p", int kind = 0) {
  return Row{Sjis(reading), phrase, kind};
}

std::vector<std::string> Readings(const WordList& list) {
  std::vector<std::string> out;
  for (const Row& row : list.rows()) out.push_back(test::Utf8(row.reading));
  return out;
}

std::vector<std::string> Phrases(const WordList& list) {
  std::vector<std::string> out;
  for (const Row& row : list.rows()) out.push_back(row.phrase);
  return out;
}

std::vector<std::string> SelectedPhrases(const WordList& list) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list.IsSelected(i)) out.push_back(list[i].phrase);
  }
  return out;
}

WordList Bulk(const std::vector<Row>& rows) {
  WordList list;
  list.BeginBulk();
  for (const Row& row : rows) list.Append(row);
  list.EndBulk();
  return list;
}

// Records what a long operation reports.
struct RecordingProgress : Progress {
  std::size_t maximum = 0, starts = 0, finishes = 0, steps = 0, last = 0;
  bool stepBeyondMaximum = false;
  void Start(std::size_t m) override { maximum = m, ++starts; }
  void Step(std::size_t p) override {
    ++steps, last = p;
    if (p >= maximum) stepBeyondMaximum = true;
  }
  void Finish() override { ++finishes; }
};

TEST(ListViewCompareTest, Order) {
  const struct {
    std::string a, b;
    int sign;
  } cases[] = {
      {Sjis("ｶｷ"), Sjis("ｶﾞ"), -1},  // 0xB7 before 0xDE
      {Sjis("ｶ"), Sjis("ｶｷ"), -1},   // a prefix first
      {Sjis("ｦ"), Sjis("ｧ"), -1},
      {Sjis("ｰ"), Sjis("ｱ"), -1},
      {Sjis("ﾝ"), Sjis("ﾟ"), -1},
      {Sjis("ｱｲ"), Sjis("ｱｲ"), 0},
      {"", "", 0},
      {"", Sjis("ｱ"), -1},
      {Sjis("ﾟ"), "A", -1},  // bytes below 0x80 after all others
      {"\x80", "\xFF", -1},
  };
  for (const auto& c : cases) {
    const int ab = ListViewCompare(c.a, c.b);
    const int ba = ListViewCompare(c.b, c.a);
    EXPECT_EQ((ab > 0) - (ab < 0), c.sign) << test::Utf8(c.a) << " " << test::Utf8(c.b);
    EXPECT_EQ((ba > 0) - (ba < 0), -c.sign);
  }
}

TEST(WordListTest, AddUnderBothSortsIn) {
  WordList list;
  EXPECT_EQ(list.Add(R("ｶﾞ")), 0u);
  EXPECT_EQ(list.Add(R("ｶｷ")), 0u);
  EXPECT_EQ(list.Add(R("ｶ")), 0u);
  EXPECT_EQ(list.Add(R("ｶｷ", "second")), 2u);  // after the equal reading
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｶ", "ｶｷ", "ｶｷ", "ｶﾞ"}));
  EXPECT_EQ(list[2].phrase, "second");
  EXPECT_FALSE(list.IsSelected(2));
  EXPECT_EQ(list.sortMode(), SortMode::kBoth);
}

TEST(WordListTest, AddAndChangeAfterBulkStayPut) {
  WordList list = Bulk({R("ｳ"), R("ｱ")});
  EXPECT_EQ(list.sortMode(), SortMode::kData);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｱ", "ｳ"}));
  EXPECT_EQ(list.Add(R("ｲ")), 2u);
  EXPECT_EQ(list.Change(0, R("ﾜ")), 0u);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ﾜ", "ｳ", "ｲ"}));
}

// Under kBoth a changed row lands exactly where a full stable sort would put it, with its
// selection flag.
TEST(WordListTest, ChangeUnderBothMatchesStableSort) {
  const std::vector<Row> start = {R("ｱ", "a"),  R("ｲ", "i1"), R("ｲ", "i2"),
                                  R("ｲ", "i3"), R("ｳ", "u"),  R("ｵ", "o")};
  const char* newReadings[] = {"ｦ", "ｱ", "ｲ", "ｲｲ", "ｳ", "ｴ", "ｵ", "ﾝ"};
  for (std::size_t i = 0; i < start.size(); ++i) {
    for (const char* reading : newReadings) {
      WordList list;
      for (const Row& row : start) list.Add(row);
      list.Select(i, true);
      const std::size_t at = list.Change(i, R(reading, "new"));

      std::vector<Row> expected = start;
      expected[i] = R(reading, "new");
      std::stable_sort(expected.begin(), expected.end(), [](const Row& a, const Row& b) {
        return ListViewCompare(a.reading, b.reading) < 0;
      });
      EXPECT_EQ(list.rows(), expected) << "row " << i << " to " << reading;
      EXPECT_EQ(list[at].phrase, "new");
      EXPECT_EQ(list.SelectedCount(), 1u);
      EXPECT_EQ(list.FirstSelected(), at);
    }
  }
}

TEST(WordListTest, SelectionCounts) {
  WordList list = Bulk({R("ｱ"), R("ｲ"), R("ｳ"), R("ｴ")});
  EXPECT_EQ(list.FirstSelected(), std::nullopt);
  list.SelectRange(1, 9, true);
  EXPECT_EQ(list.SelectedCount(), 3u);
  EXPECT_EQ(list.FirstSelected(), 1u);
  list.Select(1, true);
  list.Select(2, false);
  EXPECT_EQ(list.SelectedCount(), 2u);
  list.SelectAll();
  EXPECT_EQ(list.SelectedCount(), 4u);
  EXPECT_EQ(list.FirstSelected(), 0u);
  list.ClearSelection();
  EXPECT_EQ(list.SelectedCount(), 0u);
}

TEST(WordListTest, BulkSortIsStableAndKeepsSelection) {
  WordList list;
  list.BeginBulk();
  EXPECT_EQ(list.sortMode(), SortMode::kNone);
  for (const char* p : {"ｳ1", "ｱ1", "ｳ2", "ｱ2", "ｲ1"}) {
    list.Append(Row{Sjis(std::string(p, p + 3)), p, 0});
  }
  list.Select(2, true);  // ｳ2
  list.Select(3, true);  // ｱ2
  list.EndBulk();
  EXPECT_EQ(Phrases(list), (std::vector<std::string>{"ｱ1", "ｱ2", "ｲ1", "ｳ1", "ｳ2"}));
  EXPECT_EQ(SelectedPhrases(list), (std::vector<std::string>{"ｱ2", "ｳ2"}));
  EXPECT_EQ(list.SelectedCount(), 2u);
}

TEST(WordListTest, BulkSortOfLongReadingsWithHighAndLowBytes) {
  // Readings that agree in their first eight bytes and differ later, or only in length.
  std::vector<Row> rows = {
      Row{std::string(9, '\xB1') + "\xB2", "a", 0}, Row{std::string(9, '\xB1'), "b", 0},
      Row{std::string(9, '\xB1') + "A", "c", 0},    Row{std::string(8, '\xB1') + "\x80", "d", 0},
      Row{std::string(8, '\xB1'), "e", 0},          Row{std::string(9, '\xB1'), "f", 0},
  };
  std::vector<Row> expected = rows;
  std::stable_sort(expected.begin(), expected.end(), [](const Row& a, const Row& b) {
    return ListViewCompare(a.reading, b.reading) < 0;
  });
  EXPECT_EQ(Bulk(rows).rows(), expected);
}

TEST(WordListTest, BulkSortMatchesStableSortOnRandomReadings) {
  // Readings from a small alphabet, so that many agree for a long stretch: 8 to 17 bytes
  // (around the sort key lengths), with 0x80 (which packs like padding), 0x00, and lengths up to
  // the 31 bytes a loaded file may have. Selection flags must move with their rows.
  const char alphabet[] = {'\xB1', '\xB2', '\x80', '\x00', 'A', '\xFF'};
  const std::uint32_t seed = 20261211;
  std::mt19937 rng(seed);
  std::vector<std::pair<Row, bool>> input;
  for (int i = 0; i < 3000; ++i) {
    const std::size_t prefix = rng() % 3 == 0 ? 0 : 8 + rng() % 10;
    std::string reading(prefix, '\xB1');
    const std::size_t tail = rng() % (32 - prefix);
    for (std::size_t k = 0; k < tail && reading.size() < 31; ++k) {
      reading += alphabet[rng() % sizeof alphabet];
    }
    input.push_back({Row{reading, std::to_string(i), 0}, rng() % 3 == 0});
  }
  WordList list;
  list.BeginBulk();
  for (const auto& [row, selected] : input) {
    list.Append(row);
    if (selected) list.Select(list.size() - 1, true);
  }
  list.EndBulk();

  std::stable_sort(input.begin(), input.end(), [](const auto& a, const auto& b) {
    return ListViewCompare(a.first.reading, b.first.reading) < 0;
  });
  ASSERT_EQ(list.size(), input.size()) << "seed " << seed;
  for (std::size_t i = 0; i < input.size(); ++i) {
    ASSERT_EQ(list[i], input[i].first) << "place " << i << ", seed " << seed;
    ASSERT_EQ(list.IsSelected(i), input[i].second) << "place " << i << ", seed " << seed;
  }
}

TEST(WordListTest, DeleteSelectedKeepsOrderAndReports) {
  WordList list = Bulk({R("ｱ"), R("ｲ"), R("ｳ"), R("ｴ"), R("ｵ")});
  list.Select(1, true);
  list.Select(3, true);
  RecordingProgress progress;
  EXPECT_EQ(list.DeleteSelected(progress), 2u);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｱ", "ｳ", "ｵ"}));
  EXPECT_EQ(list.SelectedCount(), 0u);
  EXPECT_EQ(progress.maximum, 5u);
  EXPECT_EQ(progress.starts, 1u);
  EXPECT_EQ(progress.finishes, 1u);
  EXPECT_GT(progress.steps, 0u);
  EXPECT_FALSE(progress.stepBeyondMaximum);

  EXPECT_EQ(list.DeleteSelected(NoProgress()), 0u);  // nothing selected
  list.SelectAll();
  EXPECT_EQ(list.DeleteSelected(NoProgress()), 3u);
  EXPECT_TRUE(list.empty());
}

TEST(WordListTest, TruncateKeepsTheFirstRows) {
  WordList list = Bulk({R("ｱ"), R("ｲ"), R("ｳ"), R("ｴ"), R("ｵ")});
  list.Select(0, true);
  list.Select(4, true);
  EXPECT_EQ(list.Truncate(5, NoProgress()), 0u);
  EXPECT_EQ(list.Truncate(9, NoProgress()), 0u);
  RecordingProgress progress;
  EXPECT_EQ(list.Truncate(3, progress), 2u);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｱ", "ｲ", "ｳ"}));
  EXPECT_EQ(list.SelectedCount(), 1u);
  EXPECT_EQ(progress.maximum, 2u);
  EXPECT_EQ(progress.finishes, 1u);
  EXPECT_FALSE(progress.stepBeyondMaximum);
  EXPECT_EQ(list.Truncate(0, NoProgress()), 3u);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.SelectedCount(), 0u);
}

TEST(WordListTest, RemoveDuplicatesWithinRuns) {
  WordList list = Bulk(
      {R("ｱｲ", "愛", 1), R("ｱｲ", "愛", 1), R("ｱｲ", "藍", 1), R("ｱｲ", "愛", 2), R("ｱｲ", "愛", 1)});
  list.Select(1, true);  // a removed row
  list.Select(3, true);  // a kept row
  EXPECT_EQ(list.RemoveDuplicates(NoProgress()), 2u);
  EXPECT_EQ(list.rows(), (std::vector<Row>{R("ｱｲ", "愛", 1), R("ｱｲ", "藍", 1), R("ｱｲ", "愛", 2)}));
  EXPECT_EQ(SelectedPhrases(list), (std::vector<std::string>{"愛"}));
  EXPECT_TRUE(list.IsSelected(2));
  EXPECT_EQ(list.SelectedCount(), 1u);
  EXPECT_EQ(list.RemoveDuplicates(NoProgress()), 0u);

  // Equal rows with another reading between them both stay.
  WordList apart = Bulk({R("ｱ"), R("ｲ")});
  apart.Add(R("ｱ"));
  EXPECT_EQ(apart.RemoveDuplicates(NoProgress()), 0u);
  EXPECT_EQ(apart.size(), 3u);
}

// Long runs of one reading (deduplicated through a set) against the row-by-row rule.
TEST(WordListTest, RemoveDuplicatesLongRunMatchesPairwiseRule) {
  std::vector<Row> rows;
  for (int i = 0; i < 300; ++i) {
    rows.push_back(
        Row{Sjis(i < 200 ? "ｱ" : "ｲ"), std::string(1, static_cast<char>('a' + i % 7)), i % 3});
  }
  std::vector<Row> expected = rows;  // already sorted
  for (std::size_t i = 0; i < expected.size(); ++i) {
    for (std::size_t j = i + 1;
         j < expected.size() && expected[j].reading == expected[i].reading;) {
      if (expected[j] == expected[i]) {
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(j));
      } else {
        ++j;
      }
    }
  }
  WordList list = Bulk(rows);
  for (std::size_t i = 0; i < list.size(); i += 5) list.Select(i, true);
  RecordingProgress progress;
  EXPECT_EQ(list.RemoveDuplicates(progress), rows.size() - expected.size());
  EXPECT_EQ(list.rows(), expected);
  EXPECT_EQ(progress.maximum, rows.size());
  EXPECT_EQ(progress.finishes, 1u);
  // Rows 0 to 20 of each run are first occurrences and kept; their flags went along.
  std::size_t selected = 0;
  for (std::size_t i = 0; i < list.size(); ++i) selected += list.IsSelected(i) ? 1 : 0;
  EXPECT_EQ(selected, list.SelectedCount());
  EXPECT_TRUE(list.IsSelected(0));
  EXPECT_TRUE(list.IsSelected(5));
}

TEST(WordListTest, AddVowelRows) {
  WordList list;
  list.Add(R("ｽｰﾊﾟｰ", "super", 5));
  list.Add(R("ｱｲ", "love", 1));
  list.Add(R("ｺﾝｰ", "kon", 0));
  list.Select(2, true);  // ｽｰﾊﾟｰ
  EXPECT_EQ(list.AddVowelRows(NoProgress()), 1u);
  EXPECT_EQ(list.sortMode(), SortMode::kData);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｱｲ", "ｺﾝｰ", "ｽｰﾊﾟｰ", "ｽｳﾊﾟｱ"}));
  EXPECT_EQ(list[3], R("ｽｳﾊﾟｱ", "super", 5));
  EXPECT_EQ(SelectedPhrases(list), (std::vector<std::string>{"super"}));
  EXPECT_TRUE(list.IsSelected(2));
  // Again: the copies come twice.
  EXPECT_EQ(list.AddVowelRows(NoProgress()), 1u);
  EXPECT_EQ(list.size(), 5u);
}

TEST(WordListTest, VowelCommandsMatchAppendAndStableSort) {
  // Readings with and without marks, many equal to a rewritten one (ｶｱ and ｶｰ), selected
  // rows among them: each command gives what rewriting, appending and a stable sort give.
  const char* const readings[] = {"ｶｰ", "ｶｱ", "ｶ", "ｶｱｲ", "ｷｰ", "ｷｲ", "ｱ", "ｽｰﾊﾟｰ", "ｽｳﾊﾟｱ", "ｺﾝｰ"};
  const std::uint32_t seed = 7;
  std::mt19937 rng(seed);
  std::vector<std::pair<Row, bool>> rows;
  for (int i = 0; i < 400; ++i) {
    rows.push_back({R(readings[rng() % std::size(readings)], std::to_string(i)), rng() % 2 == 0});
  }
  const auto byReading = [](const auto& a, const auto& b) {
    return ListViewCompare(a.first.reading, b.first.reading) < 0;
  };
  for (const bool sortedFirst : {true, false}) {
    SCOPED_TRACE(sortedFirst ? "sorted list" : "unsorted list");
    std::vector<std::pair<Row, bool>> start = rows;
    if (sortedFirst) std::stable_sort(start.begin(), start.end(), byReading);
    WordList list;
    list.BeginBulk();
    for (const auto& [row, selected] : start) {
      list.Append(row);
      if (selected) list.Select(list.size() - 1, true);
    }
    if (sortedFirst) list.EndBulk();  // else the list stays in its given order

    std::vector<std::pair<Row, bool>> expected = start;
    for (const auto& [row, selected] : start) {
      Row copy = row;
      if (RewriteLongVowels(copy.reading)) expected.push_back({copy, false});
    }
    std::stable_sort(expected.begin(), expected.end(), byReading);
    WordList added = list;
    EXPECT_EQ(added.AddVowelRows(NoProgress()), expected.size() - start.size());
    ASSERT_EQ(added.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(added[i], expected[i].first) << "place " << i << ", seed " << seed;
      ASSERT_EQ(added.IsSelected(i), expected[i].second) << "place " << i << ", seed " << seed;
    }

    expected = start;
    for (auto& [row, selected] : expected) RewriteLongVowels(row.reading);
    std::stable_sort(expected.begin(), expected.end(), byReading);
    WordList changed = list;
    changed.ChangeToVowels(NoProgress());
    ASSERT_EQ(changed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      ASSERT_EQ(changed[i], expected[i].first) << "place " << i << ", seed " << seed;
      ASSERT_EQ(changed.IsSelected(i), expected[i].second) << "place " << i << ", seed " << seed;
    }
  }
}

TEST(WordListTest, VowelCommandsSortEvenWithoutMarks) {
  WordList list = Bulk({R("ｲ"), R("ｳ")});
  list.Add(R("ｱ"));  // stays last under kData
  list.Select(2, true);
  EXPECT_EQ(list.AddVowelRows(NoProgress()), 0u);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｱ", "ｲ", "ｳ"}));
  EXPECT_TRUE(list.IsSelected(0));

  list.Add(R("ｱ"));
  EXPECT_EQ(list.ChangeToVowels(NoProgress()), 0u);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｱ", "ｱ", "ｲ", "ｳ"}));
}

TEST(WordListTest, ChangeToVowels) {
  WordList list = Bulk({R("ｹｰｷ", "cake"), R("ｺﾝｰ", "kon"), R("ｶｰ", "car"), R("ｶﾟｰ", "x")});
  list.Select(0, true);  // ｶｰ
  RecordingProgress progress;
  EXPECT_EQ(list.ChangeToVowels(progress), 3u);
  EXPECT_EQ(Readings(list), (std::vector<std::string>{"ｶｱ", "ｶﾟｱ", "ｹｴｷ", "ｺﾝｰ"}));
  EXPECT_EQ(SelectedPhrases(list), (std::vector<std::string>{"car"}));
  EXPECT_EQ(progress.maximum, 4u);
  EXPECT_EQ(progress.finishes, 1u);
}

TEST(WordListTest, FindPrefix) {
  WordList list = Bulk({R("ｶｷ"), R("ｶﾞ"), R("ｷｸ"), R("ｶ")});  // ｶ ｶｷ ｶﾞ ｷｸ
  EXPECT_EQ(list.FindPrefix(Sjis("ｶ"), 0), 0u);
  EXPECT_EQ(list.FindPrefix(Sjis("ｶ"), 1), 1u);
  EXPECT_EQ(list.FindPrefix(Sjis("ｶﾞ"), 0), 2u);
  EXPECT_EQ(list.FindPrefix(Sjis("ｷｸ"), 0), 3u);
  EXPECT_EQ(list.FindPrefix(Sjis("ｶ"), 3), std::nullopt);  // no wrap
  EXPECT_EQ(list.FindPrefix(Sjis("ｶ"), 99), std::nullopt);
  EXPECT_EQ(list.FindPrefix(Sjis("ｷｸｹ"), 0), std::nullopt);
}

TEST(WordListTest, ClearKeepsSortMode) {
  WordList list = Bulk({R("ｱ")});
  list.SelectAll();
  list.Clear();
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.SelectedCount(), 0u);
  EXPECT_EQ(list.sortMode(), SortMode::kData);
}

}  // namespace
}  // namespace kz
