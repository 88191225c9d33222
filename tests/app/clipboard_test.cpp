// Cut, Copy and Paste through the system clipboard: the exact text Copy puts there, Paste
// replacing the selected rows, text code page 932 cannot hold, and no text at all.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include "window_fixture.h"

using kz::app::Answer;
using kz::app::testing::WindowFixture;

class ClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    f_ = std::make_unique<WindowFixture>();
    QGuiApplication::clipboard()->clear();
  }
  void cleanup() { f_.reset(); }

  void copyTwoRows() {
    f_->AddWord(QStringLiteral("ｱｲｳ"), QStringLiteral("漢字"), 1);
    f_->AddWord(QStringLiteral("ｴｲｺﾞ"), QStringLiteral("英語"), 0);
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"), 0);
    f_->ClickRow(0);
    f_->ClickRow(1, Qt::ControlModifier);
    f_->Action("KeyCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ｱｲｳ,漢字,1\r\nｴｲｺﾞ,英語,0\r\n"));
    QCOMPARE(f_->Doc().words().size(), 3u);
  }

  void copyShortcutInTheListOnly() {
    f_->AddWord(QStringLiteral("ｱｲｳ"), QStringLiteral("漢 字"), 2);
    f_->List()->setFocus();
    WindowFixture::Key(f_->List(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ｱｲｳ,\"漢 字\",2\r\n"));
    QLineEdit* goku = f_->Edit("EditGoku");
    goku->setFocus();
    WindowFixture::Key(goku, Qt::Key_V, Qt::ControlModifier);  // pastes text into the field
    QCOMPARE(goku->text(), QStringLiteral("ｱｲｳ,\"漢 字\",2"));
    QCOMPARE(f_->Doc().words().size(), 1u);
  }

  void pasteReplacesTheSelectedRows() {
    for (const char* r : {"ｱ", "ｲ", "ｳ", "ｴ"})
      f_->AddWord(QString::fromUtf8(r), QStringLiteral("x"));
    f_->ClickRow(0);
    f_->ClickRow(2, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("ｶ,蚊\r\nｷ,木\r\n"));
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->Readings(),
             (QStringList{QStringLiteral("ｴ"), QStringLiteral("ｶ"), QStringLiteral("ｷ")}));
    QVERIFY(f_->prompts.messages.empty());
    QVERIFY(f_->Doc().modified());
  }

  void cutThenPasteGivesTheWordsBack() {
    f_->AddWord(QStringLiteral("ｲ"), QStringLiteral("胃"));
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"), 4);
    f_->Action("KeySelectAll")->trigger();
    f_->Action("KeyCut")->trigger();
    QCOMPARE(f_->Doc().words().size(), 0u);
    QVERIFY(!f_->Doc().modified());
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｱ"), QStringLiteral("ｲ")}));
    QCOMPARE(f_->Doc().words()[0].kind, 4);
  }

  void unencodableLineIsRejectedAsPasted() {
    const QString bad = QStringLiteral("ｶｷ,\uD55C\uAD6D");  // Hangul: not in code page 932
    QGuiApplication::clipboard()->setText(QStringLiteral("ｱｲｳ,漢字\n") + bad + QLatin1Char('\n'));
    f_->prompts.answers = {Answer::kYes};
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｱｲｳ")});
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QVERIFY(f_->prompts.messages[0].text.startsWith(QStringLiteral("2行中、1個の単語")));
    QCOMPARE(f_->Find<QPlainTextEdit>("MemoError")->toPlainText(), bad);
    QCOMPARE(f_->Pages()->currentIndex(), 2);
  }

  void noTextChangesNothing() {
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"));
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    QGuiApplication::clipboard()->setMimeData(mime);
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->Doc().words().size(), 1u);
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
    QVERIFY(f_->prompts.messages.empty());
  }

 private:
  std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
