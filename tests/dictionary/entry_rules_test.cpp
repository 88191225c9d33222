#include "dictionary/entry_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/sjis.h"

namespace kz {
namespace {

using test::Sjis;

struct EntryCase {
  std::string reading;  // as typed
  std::string phrase;
  EntryFault fault;
  std::string shown;  // the reading the field shows afterwards
};

TEST(EntryRulesTest, CheckEntryTable) {
  const std::string k16(16, '\xB1');
  const std::string k17(17, '\xB1');
  const std::string wide25 = Sjis("漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢");
  const std::string wide26 = wide25 + Sjis("字");
  const std::string mixed50 = wide25.substr(0, 48) + "ab";
  const std::vector<EntryCase> cases = {
      {Sjis("あいうえお"), "x", EntryFault::kNone, Sjis("ｱｲｳｴｵ")},
      {Sjis("ガッコウ"), Sjis("学校"), EntryFault::kNone, Sjis("ｶﾞｯｺｳ")},
      {Sjis("ぱーてぃー"), "x", EntryFault::kNone, Sjis("ﾊﾟｰﾃｨｰ")},
      {Sjis("ｱｦﾝｧｯｬｭｮｰﾞﾟ"), "x", EntryFault::kNone, Sjis("ｱｦﾝｧｯｬｭｮｰﾞﾟ")},
      {Sjis("ﾜ"), "x", EntryFault::kNone, Sjis("ﾜ")},
      // Both fields empty: the reading is reported; a phrase alone missing is next.
      {"", "", EntryFault::kEmptyReading, ""},
      {Sjis("あ"), "", EntryFault::kEmptyPhrase, Sjis("あ")},
      // The characters of the mapped reading.
      {"ABC", "x", EntryFault::kInvalidChar, "ABC"},
      {Sjis("漢字"), "x", EntryFault::kInvalidChar, Sjis("漢字")},
      {Sjis("ヵ"), "x", EntryFault::kInvalidChar, Sjis("ヵ")},
      {" ", "x", EntryFault::kInvalidChar, " "},
      {Sjis("ｱ｡"), "x", EntryFault::kInvalidChar, Sjis("ｱ｡")},
      {Sjis("ｱあ漢"), "x", EntryFault::kInvalidChar, Sjis("ｱｱ漢")},
      // The first character.
      {Sjis("んか"), "x", EntryFault::kInvalidFirst, Sjis("ﾝｶ")},
      {Sjis("をか"), "x", EntryFault::kInvalidFirst, Sjis("ｦｶ")},
      {Sjis("ゃ"), "x", EntryFault::kInvalidFirst, Sjis("ｬ")},
      {Sjis("ーア"), "x", EntryFault::kInvalidFirst, Sjis("ｰｱ")},
      {Sjis("ﾞｱ"), "x", EntryFault::kInvalidFirst, Sjis("ﾞｱ")},
      {Sjis("ﾟｱ"), "x", EntryFault::kInvalidFirst, Sjis("ﾟｱ")},
      {Sjis("ｧｱ"), "x", EntryFault::kInvalidFirst, Sjis("ｧｱ")},
      // Lengths, in bytes.
      {k16, "x", EntryFault::kNone, k16},
      {k17, "x", EntryFault::kReadingTooLong, k17},
      {Sjis("ｱ"), wide25, EntryFault::kNone, Sjis("ｱ")},
      {Sjis("ｱ"), mixed50, EntryFault::kNone, Sjis("ｱ")},
      {Sjis("ｱ"), wide26, EntryFault::kPhraseTooLong, Sjis("ｱ")},
      // A bad reading is reported before a long phrase.
      {k17, wide26, EntryFault::kReadingTooLong, k17},
  };
  ASSERT_EQ(mixed50.size(), 50u);
  for (const EntryCase& c : cases) {
    const EntryCheck check = CheckEntry(c.reading, c.phrase);
    EXPECT_EQ(check.fault, c.fault) << test::Utf8(c.reading);
    EXPECT_EQ(check.reading, c.shown) << test::Utf8(c.reading);
  }
}

TEST(EntryRulesTest, CheckReadingRefusesEmpty) {
  EXPECT_EQ(CheckReading(""), EntryFault::kInvalidChar);
  EXPECT_FALSE(PhraseLengthOk(""));
  EXPECT_TRUE(PhraseLengthOk(std::string(50, 'a')));
  EXPECT_FALSE(PhraseLengthOk(std::string(51, 'a')));
}

}  // namespace
}  // namespace kz
