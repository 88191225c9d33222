// kazamori-cli run as a process on files in a fresh temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/sjis.h"

namespace {

using kz::test::Sjis;
namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

using kz::test::Quote;
using kz::test::Slurp;
using kz::test::Spit;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kz-cli-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  Outcome Cli(const std::vector<std::string>& args) const {
    std::string command = Quote(KZ_CLI);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(Path(".out")) + " 2>" + Quote(Path(".err"));
    const int raw = std::system(command.c_str());
    Outcome run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(Path(".out"));
    run.err = Slurp(Path(".err"));
    return run;
  }

  fs::path dir_;
};

std::string Fixture(const std::string& name) { return Slurp(fs::path(KZ_FIXTURES) / name); }

// Word lines out of order, with kinds, a phrase that needs quotes and hiragana readings.
const std::string kWords = Sjis(
    "ｶﾞｯｺｳ,学校,1\r\n"
    "あい,愛,1\r\n"
    "ｶｸ,書く,17\r\n"
    "ｶｸ,描く,17\r\n"
    "ｶﾀｶﾅ,かたかな\r\n"
    "ﾃﾞｰﾀ,\"A, B\",40\r\n");

TEST_F(CliTest, CsvToAadAndBackKeepsTheWordsSorted) {
  Spit(Path("in.csv"), kWords);
  ASSERT_EQ(Cli({"convert", Path("in.csv"), Path("dict.aad")}).status, 0);
  ASSERT_EQ(Cli({"verify", Path("dict.aad")}).status, 0);
  const Outcome back = Cli({"convert", Path("dict.aad"), Path("out.csv")});
  ASSERT_EQ(back.status, 0) << back.err;
  EXPECT_EQ(Slurp(Path("out.csv")), Sjis("ｱｲ,愛,1\r\n"
                                         "ｶｸ,書く,17\r\n"
                                         "ｶｸ,描く,17\r\n"
                                         "ｶﾀｶﾅ,かたかな,0\r\n"
                                         "ｶﾞｯｺｳ,学校,1\r\n"
                                         "ﾃﾞｰﾀ,\"A, B\",40\r\n"));
  // Text straight to text gives the same list.
  ASSERT_EQ(Cli({"convert", Path("in.csv"), Path("direct.txt"), "--to", "csv"}).status, 0);
  EXPECT_EQ(Slurp(Path("direct.txt")), Slurp(Path("out.csv")));
}

TEST_F(CliTest, RejectedLinesAreReportedWithTheirLineNumbersInTheFile) {
  Spit(Path("in.csv"), Sjis("ｱｲ,愛\r\n"
                            "abc,英字\r\n"
                            "// comment\r\n"
                            "ｶｸ\r\n"
                            "ｶｸ,書く\r\n"));
  const Outcome csv = Cli({"convert", Path("in.csv"), Path("out.aad")});
  EXPECT_EQ(csv.status, 3);
  EXPECT_EQ(csv.err, "2: abc,英字\n4: ｶｸ\n");
  EXPECT_TRUE(fs::exists(Path("out.aad")));

  // In a .pbx file the header lines count too.
  Spit(Path("in.pbx"), Sjis("DicVer:SEMC_01001001\r\nDicChr:Shift_JIS\r\nDicBegin:\r\n"
                            "あい\t愛\r\n"
                            "x\ty\r\n"));
  const Outcome pbx = Cli({"convert", Path("in.pbx"), Path("out.csv")});
  EXPECT_EQ(pbx.status, 3);
  EXPECT_EQ(pbx.err, "5: x\ty\n");
  EXPECT_EQ(Slurp(Path("out.csv")), Sjis("ｱｲ,愛,0\r\n"));
}

TEST_F(CliTest, NothingIsWrittenWhenTheInputDoesNotLoad) {
  const std::string worked = Fixture("worked-example.aad");
  Spit(Path("damaged.aad"), worked.substr(0, 680));  // cut inside the records
  Spit(Path("text.aad"), kWords);
  Spit(Path("out.csv"), "old content");
  const struct {
    std::string input;
    std::string message;
  } cases[] = {
      {Path("damaged.aad"), Path("damaged.aad") + " ファイルが壊れています\n"},
      {Path("text.aad"), Path("text.aad") + " ファイルは辞書ファイルではありません\n"},
      {Path("missing.csv"), "ファイル " + Path("missing.csv") + " は開けません\n"},
  };
  for (const auto& c : cases) {
    const Outcome run = Cli({"convert", c.input, Path("out.csv")});
    EXPECT_EQ(run.status, 1) << c.input;
    EXPECT_EQ(run.err, c.message);
    EXPECT_EQ(Slurp(Path("out.csv")), "old content");
  }
}

TEST_F(CliTest, NothingIsWrittenWhenTheFormatCannotHoldTheWords) {
  // Over 65,535 bytes of records under ｱ, so the group of ｲ cannot be indexed.
  std::string lines;
  for (int i = 0; i < 5000; ++i) lines += Sjis("ｱｲｳｴｵ,漢字漢字漢字,1\r\n");
  lines += Sjis("ｲ,胃,1\r\n");
  Spit(Path("big.csv"), lines);
  Spit(Path("out.aad"), "old content");
  const Outcome run = Cli({"convert", Path("big.csv"), Path("out.aad")});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("「胃（ｲ）」"), std::string::npos) << run.err;
  EXPECT_EQ(Slurp(Path("out.aad")), "old content");

  Spit(Path("in.csv"), kWords);
  const Outcome unwritable = Cli({"convert", Path("in.csv"), Path("no/such/folder/out.aad")});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err, "ファイル " + Path("no/such/folder/out.aad") + " を作成できません\n");
}

TEST_F(CliTest, InfoAndVerifyOnTheWorkedExample) {
  Spit(Path("worked.aad"), Fixture("worked-example-casio.aad"));
  const Outcome info = Cli({"info", Path("worked.aad")});
  EXPECT_EQ(info.status, 0);
  EXPECT_EQ(info.out,
            "maker code: CASIO\n"
            "name: テスト\n"
            "author: rilo\n"
            "date: 2005/01/01 00:00:00\n"
            "word count: 5\n"
            "block length: ok\n"
            "index: ok\n"
            "record area: ok\n"
            "name check: ok\n"
            "content check: ok\n"
            "block check: ok\n");
  EXPECT_EQ(Cli({"verify", Path("worked.aad")}).status, 0);

  std::string tampered = Fixture("worked-example.aad");
  tampered[12] ^= 1;  // a name byte
  Spit(Path("tampered.aad"), tampered);
  const Outcome verify = Cli({"verify", Path("tampered.aad")});
  EXPECT_EQ(verify.status, 1);
  EXPECT_EQ(verify.err, Path("tampered.aad") + ": name check does not match\n");
  const Outcome tamperedInfo = Cli({"info", Path("tampered.aad")});
  EXPECT_EQ(tamperedInfo.status, 0);
  EXPECT_NE(tamperedInfo.out.find("maker code: none\n"), std::string::npos);
  EXPECT_NE(tamperedInfo.out.find("name check: mismatch\n"), std::string::npos);
}

TEST_F(CliTest, DictionaryInformationAndHeader) {
  Spit(Path("in.csv"), kWords);
  // Text input: the defaults of New, the date of now.
  ASSERT_EQ(Cli({"convert", Path("in.csv"), Path("new.aad")}).status, 0);
  const std::string info = Cli({"info", Path("new.aad")}).out;
  EXPECT_NE(info.find("maker code: none\nname: 辞書\nauthor: 名無しさん\n"), std::string::npos);
  EXPECT_TRUE(
      std::regex_search(info, std::regex("\ndate: \\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\n")))
      << info;

  ASSERT_EQ(Cli({"convert", Path("in.csv"), Path("set.aad"), "--name", "マイ辞書", "--author",
                 "rilo/me", "--date=2024/02/29 12:00:00", "--header", "tsbau"})
                .status,
            0);
  const std::string setInfo = Cli({"info", Path("set.aad")}).out;
  EXPECT_TRUE(setInfo.starts_with(
      "maker code: TSBAU\nname: マイ辞書\nauthor: me\ndate: 2024/02/29 12:00:00\n"
      "word count: 6\n"))
      << setInfo;
  EXPECT_TRUE(Slurp(Path("set.aad")).starts_with("TSBAU-DLDATA"));

  // An .aad input keeps its information and header, unless told otherwise.
  ASSERT_EQ(Cli({"convert", Path("set.aad"), Path("copy.aad")}).status, 0);
  EXPECT_EQ(Slurp(Path("copy.aad")), Slurp(Path("set.aad")));
  ASSERT_EQ(Cli({"convert", Path("set.aad"), Path("bare.aad"), "--header", "none"}).status, 0);
  EXPECT_TRUE(Slurp(Path("bare.aad")).starts_with("DATA"));

  ASSERT_EQ(Cli({"convert", Path("set.aad"), Path("out.pbx")}).status, 0);
  EXPECT_TRUE(Slurp(Path("out.pbx")).starts_with("DicVer:SEMC_01001001\r\n"));
  EXPECT_NE(Slurp(Path("out.pbx")).find(Sjis("DicTitle:マイ辞書\r\nDicMaker:rilo/me\r\n")),
            std::string::npos);
}

TEST_F(CliTest, UsageErrors) {
  Spit(Path("in.csv"), kWords);
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"frobnicate"},
      {"info"},
      {"info", Path("a.aad"), Path("b.aad")},
      {"convert", Path("in.csv")},
      {"convert", Path("in.csv"), Path("out.txt")},
      {"convert", Path("in.csv"), Path("out.aad"), "--to", "xml"},
      {"convert", Path("in.csv"), Path("out.aad"), "--header", "NOKIA"},
      {"convert", Path("in.csv"), Path("out.aad"), "--name", "😀"},
      {"convert", Path("in.csv"), Path("out.aad"), "--colour", "red"},
      {"convert", Path("in.csv"), Path("out.aad"), "--name"},
  };
  for (const auto& args : cases) {
    const Outcome run = Cli(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_FALSE(fs::exists(Path("out.aad")));

  const Outcome help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("kazamori-cli convert INPUT OUTPUT"), std::string::npos);
  const Outcome version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("kazamori-cli ") + KZ_VERSION + "\n");
}

}  // namespace
