// The file commands through the window, with scripted dialogs and temporary folders: Save
// and Open, the extension and overwrite rules, files that cannot be read or written,
// imports with rejected lines, exports, drops and the command line.
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "platform/sjis_codec.h"
#include "window_fixture.h"

using kz::app::Answer;
using kz::app::MessageStyle;
using kz::app::testing::WindowFixture;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(bytes);
}

QByteArray Sjis(const QString& text) {
  const auto bytes = kz::EncodeSjis(text);
  return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
}

const QString kAadFilter = QStringLiteral("辞書ファイル(*.aad)|*.aad|すべてのファイル(*.*)|*.*");

}  // namespace

class FileTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    f_ = std::make_unique<WindowFixture>();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void cleanup() {
    f_.reset();
    dir_.reset();
  }

  void saveThenOpen() {
    f_->AddWord(QStringLiteral("ｶﾀｶﾅ"), QStringLiteral("かたかな"), 0);
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"), 1);
    f_->AddWord(QStringLiteral("ｶｸ"), QStringLiteral("書く"), 17);
    const QString name = QString(35, QChar(0x8F9E));  // 70 bytes
    f_->Edit("EditName")->setText(name);
    f_->Edit("EditAuthor")->setText(QStringLiteral("abc"));
    f_->Edit("EditDate")->setText(QStringLiteral("2005/01/01 00:00:00"));
    f_->Combo("ComboHeader")->setCurrentIndex(1);
    f_->prompts.files = {dir_->filePath(QStringLiteral("words"))};
    f_->Action("KeySave")->trigger();
    const QString saved = dir_->filePath(QStringLiteral("words.aad"));
    QVERIFY(QFile::exists(saved));
    const QByteArray bytes = ReadAll(saved);
    QVERIFY(bytes.startsWith("CASIO-DLDATA"));
    QVERIFY(bytes.contains("rilo/abc"));
    QVERIFY(!f_->Doc().modified());
    QCOMPARE(f_->Edit("EditAuthor")->text(), QStringLiteral("abc"));
    QCOMPARE(f_->prompts.fileDialogs.size(), 1u);
    QVERIFY(f_->prompts.fileDialogs[0].save);
    QCOMPARE(f_->prompts.fileDialogs[0].request.fileName, QStringLiteral("*.aad"));
    QCOMPARE(f_->prompts.fileDialogs[0].request.filter, kAadFilter);
    QCOMPARE(f_->prompts.fileDialogs[0].request.title, QStringLiteral("名前を付けて保存"));
    const QStringList readings = f_->Readings();

    f_->Action("KeyNew")->trigger();
    QVERIFY(f_->prompts.messages.empty());
    f_->prompts.files = {saved};
    f_->Action("KeyOpen")->trigger();
    QCOMPARE(f_->prompts.fileDialogs.back().request.title, QStringLiteral("開く"));
    QCOMPARE(f_->Readings(), readings);
    QCOMPARE(f_->Phrases(), (QStringList{QStringLiteral("愛"), QStringLiteral("書く"),
                                         QStringLiteral("かたかな")}));
    QCOMPARE(f_->Doc().words()[1].kind, 17);
    QCOMPARE(f_->Edit("EditName")->text(), name.left(32));
    QCOMPARE(f_->Edit("EditAuthor")->text(), QStringLiteral("abc"));
    QCOMPARE(f_->Edit("EditDate")->text(), QStringLiteral("2005/01/01 00:00:00"));
    QCOMPARE(f_->Combo("ComboHeader")->currentIndex(), 1);
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("3"));
    QVERIFY(!f_->Doc().modified());
    QVERIFY(f_->prompts.messages.empty());
  }

  void closeWithYesSavesAndCloses() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->prompts.answers = {Answer::kYes};
    f_->prompts.files = {dir_->filePath(QStringLiteral("last"))};
    QVERIFY(f_->window->close());
    QVERIFY(ReadAll(dir_->filePath(QStringLiteral("last.aad"))).startsWith("DATA"));
  }

  void damagedFileGivesMessageTwo() {
    const QString path = dir_->filePath(QStringLiteral("cut.aad"));
    // A maker code, the marker, a correct DLDH chunk, and then nothing.
    QByteArray bytes("ABCDE-DLDATA");
    bytes += QByteArray(
                 "\0\0\0\x14"
                 "DLDH",
                 8) +
             QByteArray(12, '\0') + QByteArray(16, '\0');
    WriteAll(path, bytes);
    f_->prompts.files = {path};
    f_->Action("KeyOpen")->trigger();
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text, path + QStringLiteral(" ファイルが壊れています"));
    QCOMPARE(f_->Combo("ComboHeader")->currentText(), QStringLiteral("ABCDE"));
    QCOMPARE(f_->Doc().words().size(), 0u);
  }

  void emptyAuthorComesBackAsRilo() {
    f_->Edit("EditAuthor")->clear();
    f_->prompts.files = {dir_->filePath(QStringLiteral("a.aad"))};
    f_->Action("KeySave")->trigger();
    f_->prompts.files = {dir_->filePath(QStringLiteral("a.aad"))};
    f_->Action("KeyOpen")->trigger();
    QCOMPARE(f_->Edit("EditAuthor")->text(), QStringLiteral("rilo"));
  }

  void extensionRule() {
    f_->prompts.files = {dir_->filePath(QStringLiteral("words.txt"))};
    f_->Action("KeySave")->trigger();
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("words.txt"))));
    QVERIFY(ReadAll(dir_->filePath(QStringLiteral("words.txt"))).startsWith("DATA"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files).size(), 1);
  }

  void freeTextHeaderWritesNone() {
    QComboBox* header = f_->Combo("ComboHeader");
    header->setCurrentIndex(-1);
    header->setEditText(QStringLiteral("ABCDE"));
    f_->prompts.files = {dir_->filePath(QStringLiteral("free"))};
    f_->Action("KeySave")->trigger();
    QVERIFY(ReadAll(dir_->filePath(QStringLiteral("free.aad"))).startsWith("DATA"));
    QCOMPARE(header->currentText(), QStringLiteral("付加しない"));
  }

  void overwriteNoLeavesTheOldFile() {
    const QString path = dir_->filePath(QStringLiteral("old.aad"));
    WriteAll(path, "old");
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->prompts.files = {path};
    f_->prompts.answers = {Answer::kNo};
    f_->Action("KeySave")->trigger();
    QCOMPARE(ReadAll(path), QByteArray("old"));
    QVERIFY(f_->Doc().modified());
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text,
             path + QStringLiteral(" ファイルは既に存在します。\n上書きしますか？"));
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("名前を付けて保存"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kWarningYesNoDefaultNo);

    f_->prompts.files = {path};
    f_->prompts.answers = {Answer::kYes};
    f_->Action("KeySave")->trigger();
    QVERIFY(ReadAll(path).startsWith("DATA"));
    QVERIFY(!f_->Doc().modified());
  }

  void unwritableTargetKeepsModifiedAndTheWindow() {
    // As root a read-only folder is still writable; a folder that is a file is not.
    QString target;
    QString old;
    if (geteuid() == 0) {
      WriteAll(dir_->filePath(QStringLiteral("plain")), "x");
      target = dir_->filePath(QStringLiteral("plain/words.aad"));
    } else {
      const QString locked = dir_->filePath(QStringLiteral("locked"));
      QVERIFY(QDir().mkdir(locked));
      old = locked + QStringLiteral("/words.aad");
      WriteAll(old, "old");
      QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
      target = old;
    }
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->prompts.files = {target};
    f_->prompts.answers = {Answer::kYes};  // the overwrite question, when there is an old file
    f_->Action("KeySave")->trigger();
    QVERIFY(f_->Doc().modified());
    QCOMPARE(f_->prompts.messages.back().text,
             QStringLiteral("ファイル %1 を作成できません").arg(target));
    QCOMPARE(f_->prompts.messages.back().style, MessageStyle::kErrorOk);
    if (!old.isEmpty()) QCOMPARE(ReadAll(old), QByteArray("old"));

    f_->prompts.ClearRecord();
    f_->prompts.answers = {Answer::kYes, Answer::kYes};
    f_->prompts.files = {target};
    QVERIFY(!f_->window->close());
    QVERIFY(f_->window->isVisible());
    QCOMPARE(f_->Doc().words().size(), 1u);
    if (!old.isEmpty()) {
      QFile::setPermissions(QFileInfo(old).path(), QFileDevice::ReadOwner |
                                                       QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
    }
  }

  void openTextFileNamedAad() {
    const QString path = dir_->filePath(QStringLiteral("note.aad"));
    WriteAll(path, "hello, world\r\n");
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->Edit("EditName")->setText(QStringLiteral("前の辞書"));
    f_->prompts.answers = {Answer::kNo};
    f_->prompts.files = {path};
    f_->Action("KeyOpen")->trigger();
    QCOMPARE(f_->prompts.messages.size(), 2u);
    QCOMPARE(f_->prompts.messages[1].text,
             path + QStringLiteral(" ファイルは辞書ファイルではありません"));
    QCOMPARE(f_->prompts.messages[1].caption, QStringLiteral("エラー"));
    QCOMPARE(f_->Doc().words().size(), 0u);
    QCOMPARE(f_->Edit("EditName")->text(), QStringLiteral("辞書"));
    QVERIFY(!f_->Doc().modified());
  }

  void unreadableFileLeavesTheDocument() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->prompts.answers = {Answer::kNo};
    f_->prompts.files = {dir_->path()};  // a folder cannot be read as a file
    f_->Action("KeyOpen")->trigger();
    QCOMPARE(f_->prompts.messages.back().text,
             QStringLiteral("ファイル %1 は開けません").arg(dir_->path()));
    QCOMPARE(f_->prompts.messages.back().style, MessageStyle::kErrorOk);
    QCOMPARE(f_->Doc().words().size(), 1u);
    QVERIFY(f_->Doc().modified());
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));  // the program goes on
    QCOMPARE(f_->Doc().words().size(), 2u);
  }

  void importWithOneRejectedLine() {
    const QString path = dir_->filePath(QStringLiteral("in.csv"));
    WriteAll(path, Sjis(QStringLiteral("ｱｲｳ,漢字\r\n漢字,漢字\r\nかき,柿,1\r\n")));
    f_->prompts.files = {path};
    f_->prompts.answers = {Answer::kYes};
    f_->Action("KeyImportCSV")->trigger();
    QCOMPARE(f_->prompts.fileDialogs[0].request.title, QStringLiteral("インポート"));
    QCOMPARE(f_->prompts.fileDialogs[0].request.filter,
             QStringLiteral("CSVファイル(*.csv)|*.csv|すべてのファイル(*.*)|*.*"));
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｱｲｳ"), QStringLiteral("ｶｷ")}));
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text,
             QStringLiteral("3行中、1個の単語が規定外により登録できませんでした\n"
                            "追加できなかったリストを表示しますか？"));
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kWarningYesNo);
    QCOMPARE(f_->Pages()->currentIndex(), 2);
    QVERIFY(!f_->Pages()->isTabVisible(2));
    QCOMPARE(f_->Find<QPlainTextEdit>("MemoError")->toPlainText(), QStringLiteral("漢字,漢字"));
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("2"));
    QVERIFY(f_->Doc().modified());
  }

  void exports() {
    f_->AddWord(QStringLiteral("ｱｲｳ"), QStringLiteral("漢字"), 1);
    f_->AddWord(QStringLiteral("ｶﾞｯｺｳ"), QStringLiteral("学校"), 0);
    f_->Edit("EditDate")->setText(QStringLiteral("2005/01/01 00:00:00"));
    f_->prompts.files = {dir_->filePath(QStringLiteral("list"))};
    f_->Action("KeyExportCSV")->trigger();
    QCOMPARE(ReadAll(dir_->filePath(QStringLiteral("list.csv"))),
             Sjis(QStringLiteral("ｱｲｳ,漢字,1\r\nｶﾞｯｺｳ,学校,0\r\n")));
    QVERIFY(!f_->Doc().modified());

    f_->AddWord(QStringLiteral("ｷ"), QStringLiteral("木"));
    f_->prompts.files = {dir_->filePath(QStringLiteral("list"))};
    f_->Action("KeyExportPBX")->trigger();
    const QByteArray pbx = ReadAll(dir_->filePath(QStringLiteral("list.pbx")));
    QVERIFY(pbx.startsWith("DicVer:SEMC_01001001\r\nDicChr:Shift_JIS\r\nDicDate:20050101\r\n"));
    QVERIFY(pbx.endsWith(Sjis(QStringLiteral("き\t木\r\n"))));
    QVERIFY(!f_->Doc().modified());
    QCOMPARE(f_->prompts.fileDialogs.back().request.title, QStringLiteral("エクスポート"));
  }

  void droppedDictionary_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loads");
    QTest::newRow("unmodified loads at once") << false << -1 << true;
    QTest::newRow("no discards and loads") << true << int(Answer::kNo) << true;
    QTest::newRow("cancel keeps everything") << true << int(Answer::kCancel) << false;
    QTest::newRow("yes, save cancelled") << true << int(Answer::kYes) << false;
  }

  void droppedDictionary() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, loads);
    f_->AddWord(QStringLiteral("ｿﾗ"), QStringLiteral("空"));
    if (!modified) {
      f_->Action("KeySelectAll")->trigger();
      f_->Action("KeyDelete")->trigger();
    }
    if (answer >= 0) f_->prompts.answers = {static_cast<Answer>(answer)};
    f_->prompts.files = {std::nullopt};
    // The extension counts whatever its letter case.
    const QString path = dir_->filePath(QStringLiteral("drop.AAD"));
    QVERIFY(QFile::copy(QStringLiteral(KZ_FIXTURES "/worked-example.aad"), path));
    Drop({QUrl::fromLocalFile(path), QUrl::fromLocalFile(dir_->filePath("other.csv"))});
    QCOMPARE(f_->prompts.messages.size(), modified ? 1u : 0u);
    if (loads) {
      QCOMPARE(f_->Doc().words().size(), 5u);
      QVERIFY(!f_->Doc().modified());
    } else {
      QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｿﾗ")});
      QVERIFY(f_->Doc().modified());
    }
  }

  void droppedTextFileAddsWithoutQuestion() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    const QString path = dir_->filePath(QStringLiteral("more.csv"));
    WriteAll(path, Sjis(QStringLiteral("ｶｷ,柿\nｷｸ,菊\n")));
    // Dropped on a text field, the file still goes to the window.
    Drop({QUrl::fromLocalFile(path)}, f_->Edit("EditGoku"));
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Edit("EditGoku")->text(), QString());
    QCOMPARE(f_->Doc().words().size(), 3u);
  }

  void commandLine() {
    f_->window->OpenFromCommandLine(dir_->filePath(QStringLiteral("missing.csv")));
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Doc().words().size(), 0u);
    const QString path = dir_->filePath(QStringLiteral("words.pbx"));
    WriteAll(path, Sjis(QStringLiteral("DicVer:SEMC_01001001\r\nDicTitle:x\r\nDicBegin:\r\n"
                                       "あいう\t漢字\r\nがっこう\t学校\r\n")));
    f_->window->OpenFromCommandLine(path);
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｱｲｳ"), QStringLiteral("ｶﾞｯｺｳ")}));
  }

 private:
  void Drop(const QList<QUrl>& urls, QWidget* target = nullptr) {
    if (target == nullptr) target = f_->window.get();
    QMimeData mime;
    mime.setUrls(urls);
    const QPointF at(50, 50);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
  }

  std::unique_ptr<WindowFixture> f_;
  std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(FileTest)
#include "file_test.moc"
