// kazamori-cli against hostile input and failing writes, run as a process: every case ends
// with a clear message and its exit status, nothing half-written, and bounded memory.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/sjis.h"
#include "support/write_faults.h"

namespace {

using kz::test::FaultFolder;
using kz::test::Sjis;
namespace fs = std::filesystem;

constexpr std::size_t kMiB = std::size_t{1} << 20;

// The address space a run may take. Qt Core and ICU need some 100 MiB; a 100 MiB input is
// held twice while it is read (Qt's buffer and the core's copy). The sanitizer runtime
// reserves terabytes of shadow, so its builds run without the cap.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kAddressSpace = 0;
#else
constexpr std::size_t kAddressSpace = 1024 * kMiB;
#endif

constexpr std::size_t kHuge = 100 * kMiB;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
  std::size_t peakResident = 0;  // the run's largest resident size in bytes
};

// A run's peak, where it means something: the sanitizer runtime keeps shadow memory and
// freed blocks resident.
void ExpectResidentBelow(const Outcome& run, std::size_t limit) {
#if defined(__SANITIZE_ADDRESS__)
  (void)run;
  (void)limit;
#else
  EXPECT_LT(run.peakResident, limit);
#endif
}

using kz::test::Quote;
using kz::test::Slurp;
using kz::test::Spit;

std::string Fixture(const std::string& name) { return Slurp(fs::path(KZ_FIXTURES) / name); }

void SetLe32(std::string& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(v >> (8 * i));
}

std::string Be32(std::uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
          static_cast<char>(v)};
}

std::string Noise(std::size_t size) {
  std::mt19937_64 rng(20240229);  // any noise will do; a fixed one repeats exactly
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; i += 8) {
    const std::uint64_t v = rng();
    std::memcpy(bytes.data() + i, &v, std::min<std::size_t>(8, size - i));
  }
  return bytes;
}

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

class CliRobustness : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kz-cli-robust-XXXXXX";
    dir_ = mkdtemp(pattern);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  Outcome Cli(const std::vector<std::string>& args, std::size_t addressSpace = 0) const {
    std::string command;
    if (addressSpace != 0) command = "ulimit -v " + std::to_string(addressSpace / 1024) + "; ";
    command += "exec " + Quote(KZ_CLI);
    for (const std::string& arg : args) command += " " + Quote(arg);
    command += " >" + Quote(Path(".out")) + " 2>" + Quote(Path(".err"));
    // fork and wait4 rather than system(): the run's peak then counts this process only
    // as large as it is now, not as large as it ever was.
    const pid_t pid = fork();
    if (pid == 0) {
      execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int raw = 0;
    rusage usage{};
    wait4(pid, &raw, 0, &usage);
    Outcome run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.peakResident = static_cast<std::size_t>(usage.ru_maxrss) * 1024;
    run.out = Slurp(Path(".out"));
    run.err = Slurp(Path(".err"));
    return run;
  }

  fs::path dir_;
};

TEST_F(CliRobustness, HostileDictionariesAreRefusedWithTheirMessageInBoundedMemory) {
  const std::string worked = Fixture("worked-example.aad");
  std::string head = Fixture("empty.aad").substr(0, 650);
  SetLe32(head, 196, kHuge);
  std::string lyingHead = head;
  SetLe32(lyingHead, 80, 0xFFFFFFFF);
  std::string lyingCount = worked;
  SetLe32(lyingCount, 80, 0xFFFFFFFF);
  const std::string lead = "CASIO-DLDATA" + Be32(20) + "DLDH" + std::string(28, '\0');

  const std::string notDictionary = " ファイルは辞書ファイルではありません\n";
  const std::string damaged = " ファイルが壊れています\n";
  const struct {
    const char* name;
    std::function<std::string()> bytes;  // built when the case runs
    std::string message;                 // after the path; empty: info succeeds
  } cases[] = {
      {"noise.aad", [] { return Noise(kHuge); }, notDictionary},
      {"zeros.aad", [] { return std::string(kHuge, '\0'); }, notDictionary},
      {"lying-head.aad", [&] { return lyingHead + Noise(kHuge); }, damaged},
      {"empty-head.aad", [&] { return head + Noise(kHuge); }, ""},
      {"lying-count.aad", [&] { return lyingCount; }, damaged},
      {"huge-chunk.aad",
       [&] { return lead + Be32(0xFFFFFFF8) + "TITL" + Be32(8) + "DICD" + worked; }, damaged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Spit(Path(c.name), c.bytes());
    std::vector<Outcome> runs = {Cli({"info", Path(c.name)}, kAddressSpace)};
    if (c.message.empty()) {
      EXPECT_EQ(runs[0].status, 0) << runs[0].err;
      EXPECT_NE(runs[0].out.find("\nword count: 0\n"), std::string::npos) << runs[0].out;
    } else {
      EXPECT_EQ(runs[0].status, 1);
      EXPECT_EQ(runs[0].err, Path(c.name) + c.message);
      runs.push_back(Cli({"convert", Path(c.name), Path("out.csv")}, kAddressSpace));
      EXPECT_EQ(runs[1].status, 1);
      EXPECT_EQ(runs[1].err, Path(c.name) + c.message);
      EXPECT_FALSE(fs::exists(Path("out.csv")));
    }
    for (const Outcome& run : runs) ExpectResidentBelow(run, 2 * kHuge + 64 * kMiB);
    fs::remove(Path(c.name));
  }
}

// Framing that holds together but more words than memory: 35 million records of 3 bytes.
TEST_F(CliRobustness, ADictionaryTooBigForMemoryEndsWithAMessage) {
  if (kAddressSpace == 0) GTEST_SKIP() << "the sanitizer runtime needs an unlimited address space";
  const std::size_t count = kHuge / 3;
  std::string file = Fixture("empty.aad").substr(0, 650);
  SetLe32(file, 80, static_cast<std::uint32_t>(count));
  SetLe32(file, 196, static_cast<std::uint32_t>(3 * count));
  file.reserve(file.size() + 3 * count + 12);
  for (std::size_t i = 0; i < count; ++i) file += "\x82\xE1\xB1";  // ｱ あ
  file.append(12, '\0');
  Spit(Path("big.aad"), file);
  file.clear();
  Spit(Path("out.csv"), "old");

  const Outcome run = Cli({"convert", Path("big.aad"), Path("out.csv")}, kAddressSpace);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kazamori-cli: not enough memory\n");
  EXPECT_EQ(Slurp(Path("out.csv")), "old");
}

TEST_F(CliRobustness, HostileTextIsImportedOrRejectedLineByLine) {
  // A line of 10 MiB of commas between two words, and a file of NUL bytes.
  const std::string commas(10 * kMiB, ',');
  Spit(Path("long.csv"), Sjis("ｱｲ,愛\r\n") + commas + "\r\n" + Sjis("ｳ,字\r\n"));
  const Outcome run = Cli({"convert", Path("long.csv"), Path("long.aad")}, kAddressSpace);
  EXPECT_EQ(run.status, 3);
  EXPECT_TRUE(run.err == "2: " + commas + "\n") << run.err.size() << " bytes on stderr";
  EXPECT_NE(Cli({"info", Path("long.aad")}).out.find("\nword count: 2\n"), std::string::npos);

  Spit(Path("nul.csv"), std::string(10 * kMiB, '\0'));
  const Outcome nul = Cli({"convert", Path("nul.csv"), Path("nul.aad")}, kAddressSpace);
  EXPECT_EQ(nul.status, 0) << nul.err;
  EXPECT_EQ(nul.err, "");
  EXPECT_NE(Cli({"info", Path("nul.aad")}).out.find("\nword count: 0\n"), std::string::npos);
  for (const Outcome& each : {run, nul}) ExpectResidentBelow(each, 3 * 10 * kMiB + 64 * kMiB);
}

// A phrase whose first or last byte is 0x10..0x1F would read back as another phrase: the
// .aad output is refused naming the word, with the byte shown as its control picture. Text
// output holds such a phrase as it is.
TEST_F(CliRobustness, APhraseWithAControlByteAtAnEndIsNotSavedAsADictionary) {
  const struct {
    std::string line;
    std::string shown;  // the word as the message names it
  } cases[] = {
      {Sjis("ｱｲ,\"\x15愛\""), "␕愛（ｱｲ）"},
      {Sjis("ｱｲ,\"愛\x1F\""), "愛␟（ｱｲ）"},
      {Sjis("ｶﾅ,\"\x10\""), "␐（ｶﾅ）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Spit(Path("in.csv"), Sjis("ｱ,亜\r\n") + c.line + "\r\n");
    Spit(Path("old.aad"), "old content");
    for (const char* output : {"old.aad", "new.aad"}) {
      const Outcome run = Cli({"convert", Path("in.csv"), Path(output)});
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.err,
                "単語「" + c.shown + "」の語句は制御文字を含むため保存すると元に戻りません\n");
    }
    EXPECT_EQ(Slurp(Path("old.aad")), "old content");
    EXPECT_FALSE(fs::exists(Path("new.aad")));

    ASSERT_EQ(Cli({"convert", Path("in.csv"), Path("out.csv")}).status, 0);
    ASSERT_EQ(Cli({"convert", Path("out.csv"), Path("again.csv")}).status, 0);
    EXPECT_EQ(Slurp(Path("again.csv")), Slurp(Path("out.csv")));
  }
}

// Bytes that are not code page 932 never become "?": they are kept byte for byte through
// every conversion and shown as U+FFFD.
TEST_F(CliRobustness, BytesThatAreNotCodePage932AreKeptAndShownAsReplacementMarks) {
  std::string dictionary = Fixture("worked-example.aad");
  dictionary.replace(12, 6, "\x80\xA0\xFD\xFE\xFF\x81");  // the name テスト
  Spit(Path("odd.aad"), dictionary);
  const Outcome info = Cli({"info", Path("odd.aad")});
  EXPECT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("\nname: " + std::string() + kReplacement + kReplacement + kReplacement +
                          kReplacement + kReplacement + kReplacement + "\n"),
            std::string::npos)
      << info.out;
  EXPECT_EQ(info.out.find('?'), std::string::npos);
  ASSERT_EQ(Cli({"convert", Path("odd.aad"), Path("copy.aad")}).status, 0);
  EXPECT_EQ(Slurp(Path("copy.aad")).substr(12, 64), dictionary.substr(12, 64));

  // Phrases from text, through a dictionary and back.
  const std::string words =
      Sjis("ｱｲ,") + "\x80\xFD\xFF\x81" + ",0\r\n" + Sjis("ｳ,字") + "\x81\x7F" + ",0\r\n";
  Spit(Path("odd.csv"), words);
  ASSERT_EQ(Cli({"convert", Path("odd.csv"), Path("odd2.aad")}).status, 0);
  ASSERT_EQ(Cli({"convert", Path("odd2.aad"), Path("back.csv")}).status, 0);
  EXPECT_EQ(Slurp(Path("back.csv")), words);

  // A rejected line is reported with its marks.
  Spit(Path("bad.csv"), "\x80\xA0,\xFF\r\n");
  const Outcome rejected = Cli({"convert", Path("bad.csv"), Path("bad.csv.aad")});
  EXPECT_EQ(rejected.status, 3);
  EXPECT_EQ(rejected.err, "1: " + kReplacement + kReplacement + "," + kReplacement + "\n");
}

TEST_F(CliRobustness, OptionTextsThatCodePage932CannotHoldAreUsageErrors) {
  Spit(Path("in.csv"), Sjis("ｱｲ,愛\r\n"));
  const std::vector<std::vector<std::string>> refused = {
      {"--name", "caf\xC3\xA9"},   // é
      {"--author", "\xC2\xA5"},    // ¥: code page 932 has no such character, only 0x5C
      {"--date", "\xE2\x82\xAC"},  // €
      {"--name", "\xFF\xFE"},      // not UTF-8 at all
      {"--author", "a\xC3"},       // a cut UTF-8 sequence
  };
  for (const auto& option : refused) {
    SCOPED_TRACE(option[0] + " " + option[1]);
    const Outcome run = Cli({"convert", Path("in.csv"), Path("out.aad"), option[0], option[1]});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("kazamori-cli: " + option[0] + ": ")) << run.err;
    EXPECT_FALSE(fs::exists(Path("out.aad")));
  }
  // The characters other programs type for code page 932's own are taken as those.
  ASSERT_EQ(
      Cli({"convert", Path("in.csv"), Path("out.aad"), "--name", "〜−①", "--author", "ｱ"}).status,
      0);
  const std::string info = Cli({"info", Path("out.aad")}).out;
  EXPECT_NE(info.find("\nname: ～－①\nauthor: ｱ\n"), std::string::npos) << info;
}

// Each failing write: the message, exit 1, the old file byte for byte, and no file left over.
TEST_F(CliRobustness, AWriteThatFailsLeavesTheOldFileWhole) {
  Spit(Path("in.csv"), Sjis("ｱｲ,愛\r\nｶｸ,書く,17\r\n"));
  const std::string old = Fixture("worked-example.aad");
  const std::string cannotCreate = "を作成できません\n";

  {
    FaultFolder readOnly(FaultFolder::Kind::kReadOnly, "out.aad", old);
    if (!readOnly.usable()) {
      std::cout << "no read-only folder on this machine: case skipped\n";
    } else {
      const std::string out = readOnly.path() + "/out.aad";
      const Outcome run = Cli({"convert", Path("in.csv"), out});
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.err, "ファイル " + out + " " + cannotCreate);
      EXPECT_EQ(Slurp(out), old);
    }
  }
  {
    FaultFolder full(FaultFolder::Kind::kFull, "out.aad", old);
    if (!full.usable()) {
      std::cout << "no small file system on this machine: case skipped\n";
    } else {
      for (const char* name : {"out.aad", "new.csv"}) {
        SCOPED_TRACE(name);
        const std::string out = full.path() + "/" + name;
        const Outcome run = Cli({"convert", Path("in.csv"), out});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "ストリームへの書き込みエラー\n");
      }
      EXPECT_EQ(Slurp(full.path() + "/out.aad"), old);
      std::vector<std::string> left;
      for (const auto& entry : fs::directory_iterator(full.path())) {
        left.push_back(entry.path().filename().string());
      }
      std::sort(left.begin(), left.end());
      EXPECT_EQ(left, (std::vector<std::string>{"filler", "out.aad"}));
    }
  }

  // A file bound onto itself: the rename that replaces it fails (root only).
  Spit(Path("pinned.aad"), old);
  if (geteuid() != 0 || mount(Path("pinned.aad").c_str(), Path("pinned.aad").c_str(), nullptr,
                              MS_BIND, nullptr) != 0) {
    std::cout << "no bind mount of a file on this machine: case skipped\n";
  } else {
    const Outcome pinned = Cli({"convert", Path("in.csv"), Path("pinned.aad")});
    EXPECT_EQ(pinned.status, 1);
    EXPECT_EQ(pinned.err, "ストリームへの書き込みエラー\n");
    EXPECT_EQ(Slurp(Path("pinned.aad")), old);
    umount2(Path("pinned.aad").c_str(), MNT_DETACH);
  }
  fs::remove(Path("pinned.aad"));

  // An existing folder of the output's name.
  fs::create_directory(Path("folder.aad"));
  const Outcome folder = Cli({"convert", Path("in.csv"), Path("folder.aad")});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "ファイル " + Path("folder.aad") + " " + cannotCreate);
  EXPECT_TRUE(fs::is_directory(Path("folder.aad")));

  // A file made read-only in a writable folder is not replaced, not even by root, and keeps
  // its protection; a writable one is replaced.
  Spit(Path("kept.aad"), old);
  fs::permissions(Path("kept.aad"), fs::perms::owner_read | fs::perms::group_read);
  for (const char* to : {"aad", "csv"}) {
    const Outcome protectedFile = Cli({"convert", Path("in.csv"), Path("kept.aad"), "--to", to});
    EXPECT_EQ(protectedFile.status, 1) << to;
    EXPECT_EQ(protectedFile.err, "ファイル " + Path("kept.aad") + " " + cannotCreate);
  }
  EXPECT_EQ(Slurp(Path("kept.aad")), old);
  EXPECT_EQ(fs::status(Path("kept.aad")).permissions(),
            fs::perms::owner_read | fs::perms::group_read);

  Spit(Path("open.aad"), old);
  EXPECT_EQ(Cli({"convert", Path("in.csv"), Path("open.aad")}).status, 0);
  EXPECT_NE(Slurp(Path("open.aad")), old);
  // Nothing but the files named above is left in the folder.
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(dir_)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(".")) left.push_back(name);
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"folder.aad", "in.csv", "kept.aad", "open.aad"}));
}

}  // namespace
