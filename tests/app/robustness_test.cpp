// What the window does when a write fails or would lose data, and text that code page 932
// cannot hold or that holds bytes it does not map: a failed Save or export leaves the old
// file whole and the document modified; a phrase the file would change is refused by name;
// typed, pasted, loaded and imported text never turns into "?".
#include <sys/mount.h>
#include <unistd.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "aad/aad_file.h"
#include "platform/sjis_codec.h"
#include "support/write_faults.h"
#include "textio/lines.h"
#include "window_fixture.h"

using kz::app::Answer;
using kz::app::MessageStyle;
using kz::app::testing::WindowFixture;
using kz::test::FaultFolder;

namespace {

// A word as the refusal names it: control characters as their control pictures.
QString ShownWithControlPictures(QString text) {
  for (QChar& c : text) {
    if (c.unicode() < 0x20) c = QChar(0x2400 + c.unicode());
  }
  return text;
}

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

QByteArray Bytes(const std::string& s) {
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

std::string Std(const QByteArray& b) {
  return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

QByteArray Sjis(const QString& text) { return Bytes(*kz::EncodeSjis(text)); }

QString CreateError(const QString& path) {
  return QStringLiteral("ファイル %1 を作成できません").arg(path);
}
const QString kWriteError = QStringLiteral("ストリームへの書き込みエラー");

// A file that is its own bind mount: it can still be read and written in place, but no
// file can be renamed over it (EBUSY), so an atomic replace fails at its very last step.
class PinnedFile {
 public:
  explicit PinnedFile(const QString& path) : path_(QFile::encodeName(path).toStdString()) {
    pinned_ = geteuid() == 0 && mount(path_.c_str(), path_.c_str(), nullptr, MS_BIND, nullptr) == 0;
  }
  ~PinnedFile() {
    if (pinned_) umount2(path_.c_str(), MNT_DETACH);
  }
  PinnedFile(const PinnedFile&) = delete;
  PinnedFile& operator=(const PinnedFile&) = delete;
  bool usable() const { return pinned_; }

 private:
  std::string path_;
  bool pinned_ = false;
};

enum class Fault { kReadOnlyFolder, kFullDisk, kPinnedFile, kFolderInTheWay };

struct Command {
  const char* action;
  const char* extension;
};
constexpr Command kSave{"KeySave", ".aad"};
constexpr Command kExportCsv{"KeyExportCSV", ".csv"};
constexpr Command kExportPbx{"KeyExportPBX", ".pbx"};

const QByteArray kOld("the old file\r\n\x85\x40\0end", 20);

}  // namespace

class RobustnessTest : public QObject {
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

  void failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("fault");
    const std::pair<const char*, Fault> faults[] = {
        {"read-only folder", Fault::kReadOnlyFolder},
        {"full disk", Fault::kFullDisk},
        {"file that cannot be replaced", Fault::kPinnedFile},
        {"folder in the way", Fault::kFolderInTheWay},
    };
    for (const Command& command : {kSave, kExportCsv, kExportPbx}) {
      for (const auto& [name, fault] : faults) {
        QTest::addRow("%s, %s", command.action, name)
            << QString::fromLatin1(command.action) << QString::fromLatin1(command.extension)
            << static_cast<int>(fault);
      }
    }
  }

  // The old file stays byte for byte, no temporary file is left beside it, the system's
  // error is shown, the document stays modified; a close whose question saves stays open.
  void failedWriteKeepsTheOldFile() {
    QFETCH(QString, action);
    QFETCH(QString, extension);
    QFETCH(int, fault);
    const QString oldName = QStringLiteral("old") + extension;
    std::unique_ptr<FaultFolder> folder;
    std::unique_ptr<PinnedFile> pinned;
    QString path;
    QString expected;
    switch (static_cast<Fault>(fault)) {
      case Fault::kReadOnlyFolder:
      case Fault::kFullDisk: {
        const bool full = static_cast<Fault>(fault) == Fault::kFullDisk;
        folder = std::make_unique<FaultFolder>(
            full ? FaultFolder::Kind::kFull : FaultFolder::Kind::kReadOnly, oldName.toStdString(),
            Std(kOld));
        if (!folder->usable()) QSKIP("this machine cannot make such a folder");
        path = QString::fromStdString(folder->path()) + QLatin1Char('/') + oldName;
        expected = full ? kWriteError : CreateError(path);
        break;
      }
      case Fault::kPinnedFile:
        path = dir_->filePath(oldName);
        WriteAll(path, kOld);
        pinned = std::make_unique<PinnedFile>(path);
        if (!pinned->usable()) QSKIP("this machine cannot bind-mount a file");
        expected = kWriteError;
        break;
      case Fault::kFolderInTheWay:
        path = dir_->filePath(oldName);
        QVERIFY(QDir().mkdir(path));
        expected = CreateError(path);
        break;
    }
    QCOMPARE(static_cast<Fault>(fault) == Fault::kFolderInTheWay, QFileInfo(path).isDir());
    const QDir parent = QFileInfo(path).dir();
    const QStringList before = parent.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    f_->prompts.ClearRecord();
    f_->prompts.files = {path};
    f_->prompts.answers = {Answer::kYes};  // replace the old file
    f_->Action(action.toLatin1().constData())->trigger();
    QCOMPARE(f_->prompts.messages.size(), 2u);
    QCOMPARE(f_->prompts.messages[1].text, expected);
    QCOMPARE(f_->prompts.messages[1].style, MessageStyle::kErrorOk);
    QVERIFY(f_->Doc().modified());
    if (!QFileInfo(path).isDir()) QCOMPARE(ReadAll(path), kOld);
    QCOMPARE(parent.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(f_->Doc().words().size(), 2u);

    if (action != QLatin1String(kSave.action)) return;
    f_->prompts.ClearRecord();
    f_->prompts.answers = {Answer::kYes, Answer::kYes};  // save the changes; replace
    f_->prompts.files = {path};
    QVERIFY(!f_->window->close());
    QVERIFY(f_->window->isVisible());
    QCOMPARE(f_->prompts.messages.size(), 3u);
    QCOMPARE(f_->prompts.messages[2].text, expected);
    QVERIFY(f_->Doc().modified());
    QCOMPARE(f_->Doc().words().size(), 2u);
    if (!QFileInfo(path).isDir()) QCOMPARE(ReadAll(path), kOld);
  }

  void phraseTheFileWouldChange_data() {
    QTest::addColumn<QByteArray>("phrase");
    QTest::addColumn<bool>("refused");
    QTest::newRow("first byte 0x10") << QByteArray("\x10xy") << true;
    QTest::newRow("last byte 0x1F") << QByteArray("xy\x1f") << true;
    QTest::newRow("only byte 0x15") << QByteArray("\x15") << true;
    QTest::newRow("0x10 after a kanji") << Sjis(QStringLiteral("桜")) + '\x10' << true;
    QTest::newRow("0x1F inside") << QByteArray("x\x1fy") << false;
    QTest::newRow("0x0F and 0x7F at the ends") << QByteArray("\x0fxy\x7f") << false;
  }

  // Such a row enters through an import (quoted, as control bytes are blanks) and the save
  // refuses it by name: nothing is written, and a close that asked stays open.
  void phraseTheFileWouldChange() {
    QFETCH(QByteArray, phrase);
    QFETCH(bool, refused);
    const QString csv = dir_->filePath(QStringLiteral("in.csv"));
    WriteAll(csv, Sjis(QStringLiteral("ｱｲ,藍\r\nｻｸ,\"")) + phrase + "\",3\r\n");
    f_->prompts.files = {csv};
    f_->Action("KeyImportCSV")->trigger();
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Doc().words().size(), 2u);
    QCOMPARE(Bytes(f_->Doc().words()[1].phrase), phrase);

    const QString path = dir_->filePath(QStringLiteral("words.aad"));
    f_->prompts.files = {path};
    f_->Action("KeySave")->trigger();
    if (!refused) {
      QVERIFY(f_->prompts.messages.empty());
      QVERIFY(!f_->Doc().modified());
      f_->prompts.files = {path};
      f_->Action("KeyOpen")->trigger();
      QCOMPARE(Bytes(f_->Doc().words()[1].phrase), phrase);
      return;
    }
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text,
             QStringLiteral("単語「") + ShownWithControlPictures(kz::DecodeSjis(Std(phrase))) +
                 QStringLiteral("（ｻｸ）」の語句は制御文字を含むため保存すると元に戻りません"));
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("エラー"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kErrorOk);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(f_->Doc().modified());

    f_->prompts.ClearRecord();
    f_->prompts.answers = {Answer::kYes};
    f_->prompts.files = {path};
    QVERIFY(!f_->window->close());
    QCOMPARE(f_->prompts.messages.size(), 2u);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(f_->Doc().words().size(), 2u);
  }

  // Every text field refuses a character code page 932 cannot hold and stores a twin
  // (WAVE DASH, MINUS SIGN) as its code-page-932 form.
  void typedTextEncodesOrIsRefused_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"EditYomi", "EditGoku", "EditName", "EditAuthor", "EditDate"}) {
      QTest::newRow(name) << QString::fromLatin1(name);
    }
    QTest::newRow("ComboHeader") << QStringLiteral("ComboHeader");
  }
  void typedTextEncodesOrIsRefused() {
    QFETCH(QString, field);
    QLineEdit* edit = field == QLatin1String("ComboHeader")
                          ? f_->Combo("ComboHeader")->lineEdit()
                          : f_->Edit(field.toLatin1().constData());
    const bool entry = field == QLatin1String("EditYomi") || field == QLatin1String("EditGoku");
    f_->Pages()->setCurrentIndex(entry ? 0 : 1);
    edit->setFocus();
    edit->clear();
    WindowFixture::Type(edit, QStringLiteral("a\u301C\uD55C\u00E9\u2212"));
    QCOMPARE(edit->text(), QStringLiteral("a\uFF5E\uFF0D"));
  }

  // A pasted line keeps its twins in their code-page-932 form; a line that cannot be
  // encoded goes to the errors page as it was pasted, and the rest are added.
  void pastedTextEncodesOrIsRejected() {
    const QString bad = QStringLiteral("ｶｷ,柿\U0001F351");
    QGuiApplication::clipboard()->setText(QStringLiteral("ｱｲ,a\u301Cb\u2212c\r\n") + bad +
                                          QStringLiteral("\r\nｻｸ,桜\r\n"));
    f_->prompts.answers = {Answer::kYes};
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｱｲ"), QStringLiteral("ｻｸ")}));
    QCOMPARE(Bytes(f_->Doc().words()[0].phrase), QByteArray("a\x81\x60"
                                                            "b\x81\x7c"
                                                            "c"));
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QVERIFY(f_->prompts.messages[0].text.startsWith(QStringLiteral("3行中、1個の単語")));
    QCOMPARE(f_->Find<QPlainTextEdit>("MemoError")->toPlainText(), bad);
  }

  // Bytes that code page 932 does not map, in the phrases and the name of a loaded file,
  // are shown as U+FFFD and written back as they were: the saved file is the loaded one,
  // also after the row was shown in the fields and changed.
  void loadedBytesSaveBackByteForByte() {
    const std::vector<kz::Row> rows = {
        {"\xb1\xb2", "\x88\xa4\x85\x40", 1},     // ｱｲ: 愛 and an unassigned pair
        {"\xb6\xb7", "x\xa0y\xfd", 0},           // ｶｷ: single bytes outside the code page
        {"\xbb\xb8", "\x8d\xf7\x81", 17},        // ｻｸ: 桜 and a lead byte with no trail
        {"\xbb\xb8\xd7", "\x82\x20\x8d\xf7", 2}  // ｻｸﾗ: a lead byte before a blank
    };
    kz::aad::WriteRequest request;
    request.makerCode = "CASIO";
    request.info = {"\x8e\xab\x85\x40\x8f\x91", "abc\xff", "2005/01/01 00:00:00"};
    request.rows = &rows;
    const kz::aad::WriteResult original = kz::aad::Write(request);
    QCOMPARE(original.error, kz::aad::WriteError::kNone);
    const QString in = dir_->filePath(QStringLiteral("in.aad"));
    WriteAll(in, Bytes(original.bytes));

    f_->prompts.files = {in};
    f_->Action("KeyOpen")->trigger();
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Doc().words().size(), rows.size());
    const QAbstractItemModel* model = f_->List()->model();
    QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("愛\uFFFD"));
    QCOMPARE(model->data(model->index(1, 1)).toString(), QStringLiteral("x\uFFFDy\uFFFD"));
    QCOMPARE(model->data(model->index(2, 1)).toString(), QStringLiteral("桜\uFFFD"));
    QCOMPARE(f_->Edit("EditName")->text(), QStringLiteral("辞\uFFFD書"));
    QCOMPARE(f_->Edit("EditAuthor")->text(), QStringLiteral("abc\uFFFD"));

    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
      f_->ClickRow(row);
      QVERIFY(f_->Edit("EditGoku")->text().contains(QChar(QChar::ReplacementCharacter)));
      QTest::mouseClick(f_->Button("ButtonChange"), Qt::LeftButton);
    }
    QVERIFY(f_->prompts.messages.empty());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      QCOMPARE(Bytes(f_->Doc().words()[i].phrase), Bytes(rows[i].phrase));
    }

    const QString out = dir_->filePath(QStringLiteral("out.aad"));
    f_->prompts.files = {out};
    f_->Action("KeySave")->trigger();
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(ReadAll(out), Bytes(original.bytes));
  }

  // An imported line keeps its bytes whether or not the code page maps them, and exports
  // back as it came.
  void importedBytesExportBackByteForByte() {
    const QByteArray lines = Sjis(QStringLiteral("ｱｲ,愛")) + "\x85\x40,1\r\n" +
                             Sjis(QStringLiteral("ｶｷ,x")) + "\xa0\xfd,0\r\n";
    const QString in = dir_->filePath(QStringLiteral("in.csv"));
    WriteAll(in, lines);
    f_->prompts.files = {in};
    f_->Action("KeyImportCSV")->trigger();
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Doc().words().size(), 2u);
    const QString out = dir_->filePath(QStringLiteral("out.csv"));
    f_->prompts.files = {out};
    f_->Action("KeyExportCSV")->trigger();
    QCOMPARE(ReadAll(out), lines);
  }

  // Cut and Paste within the program give rows back with the bytes they had; the clipboard's
  // text shows the marks. Text from elsewhere with such a mark cannot be encoded.
  void cutAndPasteKeepBytes() {
    const QByteArray lines = Sjis(QStringLiteral("ｱｲ,愛")) + "\x85\x40,1\r\n" +
                             Sjis(QStringLiteral("ｶｷ,x")) + "\xa0\xfd,0\r\n";
    const QString in = dir_->filePath(QStringLiteral("in.csv"));
    WriteAll(in, lines);
    f_->prompts.files = {in};
    f_->Action("KeyImportCSV")->trigger();
    f_->Action("KeySelectAll")->trigger();
    f_->Action("KeyCut")->trigger();
    QCOMPARE(f_->Doc().words().size(), 0u);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("ｱｲ,愛\uFFFD,1\r\nｶｷ,x\uFFFD\uFFFD,0\r\n"));
    f_->Action("KeyPaste")->trigger();
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Doc().words().size(), 2u);
    QCOMPARE(Bytes(kz::textio::JoinLines(f_->Doc().ExportLines(false))), lines);

    QGuiApplication::clipboard()->setText(QGuiApplication::clipboard()->text());
    f_->prompts.answers = {Answer::kNo};
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QVERIFY(f_->prompts.messages[0].text.startsWith(QStringLiteral("2行中、2個の単語")));
  }

 private:
  std::unique_ptr<WindowFixture> f_;
  std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
