#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_io.h"
#include "platform/sjis_codec.h"
#include "support/sjis.h"
#include "support/write_faults.h"

namespace kz {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(SjisCodec, EncodesWithTheCodePage932Forms) {
  struct Case {
    const char16_t* text;
    const char* utf8;  // what the bytes must be, as code page 932 of this text
  } cases[] = {
      {u"ｱｲｳ", "ｱｲｳ"},   {u"漢字", "漢字"},
      {u"\u301C", "～"},  // WAVE DASH typed by Linux input methods
      {u"\uFF5E", "～"}, {u"\u2212", "－"},
      {u"①", "①"},  // NEC extension
  };
  for (const auto& c : cases) {
    const auto bytes = EncodeSjis(QString::fromUtf16(c.text));
    ASSERT_TRUE(bytes.has_value()) << c.utf8;
    EXPECT_EQ(*bytes, test::Sjis(c.utf8)) << c.utf8;
  }
}

TEST(SjisCodec, RefusesWhatCodePage932CannotHold) {
  for (const char16_t* text : {u"é", u"한", u"\U0001F600", u"ｱ\u00E9"}) {
    EXPECT_FALSE(EncodeSjis(QString::fromUtf16(text)).has_value());
    EXPECT_FALSE(SjisLength(QString::fromUtf16(text)).has_value());
  }
  EXPECT_EQ(SjisLength(u"漢a"), 3u);
}

TEST(SjisCodec, DecodesInvalidBytesAsReplacementWithoutLosingTheRest) {
  const QString text = DecodeSjis(std::string("\xB1\x81", 2));  // ｱ and a lone lead byte
  EXPECT_EQ(text.at(0), QChar(u'ｱ'));
  EXPECT_TRUE(text.contains(QChar(0xFFFD)));
  EXPECT_EQ(DecodeSjis(test::Sjis("～")), QString(QChar(0xFF5E)));
  // A lead byte before a byte that cannot be its trail stands alone; the space stays.
  EXPECT_EQ(DecodeSjis(std::string("\x81\x20"
                                   "a",
                                   3)),
            QString(QChar(0xFFFD)) + QStringLiteral(" a"));
}

TEST(FileIo, ReadsWholeFileAndReportsMissingOnesWithTheirName) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.bin");
  const std::string bytes(
      "\0\x01\xFF"
      "abc",
      6);
  WriteFileAtomically(path, bytes);
  EXPECT_EQ(ReadWholeFile(path), bytes);
  try {
    ReadWholeFile(dir.filePath("missing.aad"));
    FAIL() << "no exception";
  } catch (const FileError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), CannotOpenMessage(dir.filePath("missing.aad")));
    EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(u"ファイル "));
  }
}

TEST(FileIo, ReplacesAnExistingFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("w.csv");
  WriteFileAtomically(path, std::string(10000, 'a'));
  WriteFileAtomically(path, "short");
  EXPECT_EQ(Slurp(path.toStdString()), "short");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left
}

TEST(FileIo, FailedWritesLeaveTheOldFileWhole) {
  const std::string old = "old contents";
  for (auto kind : {test::FaultFolder::Kind::kReadOnly, test::FaultFolder::Kind::kFull}) {
    test::FaultFolder folder(kind, "words.aad", old);
    if (!folder.usable()) GTEST_SKIP() << "cannot make a faulty folder here";
    const std::string path = folder.path() + "/words.aad";
    // Small writes too: they fit in a buffer and would fail only when it is flushed.
    for (std::size_t size : {std::size_t{64 * 1024}, std::size_t{700}, std::size_t{1}}) {
      EXPECT_THROW(WriteFileAtomically(QString::fromStdString(path), std::string(size, 'n')),
                   FileError)
          << size;
      EXPECT_EQ(Slurp(path), old) << size;
    }
  }
}

TEST(FileIo, RefusesDevicesAndFolders) {
  QTemporaryDir dir;
  for (const QString& path : {QStringLiteral("/dev/zero"), dir.path()}) {
    EXPECT_THROW(ReadWholeFile(path), FileError) << path.toStdString();
  }
}

TEST(FileIo, LeavesAWriteProtectedFileAloneEvenForRoot) {
  QTemporaryDir dir;
  const QString path = dir.filePath("kept.aad");
  WriteFileAtomically(path, "old");
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  try {
    WriteFileAtomically(path, "new");
    FAIL() << "no exception";
  } catch (const FileError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), CannotCreateMessage(path));
  }
  EXPECT_EQ(Slurp(path.toStdString()), "old");
  EXPECT_FALSE(QFileInfo(path).permissions() & QFileDevice::WriteOwner);
}

TEST(FileIo, CannotCreateInAMissingFolder) {
  QTemporaryDir dir;
  const QString path = dir.filePath("no/such/folder/x.aad");
  try {
    WriteFileAtomically(path, "x");
    FAIL() << "no exception";
  } catch (const FileError& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), CannotCreateMessage(path));
  }
}

}  // namespace
}  // namespace kz
