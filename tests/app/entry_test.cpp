// Word entry and single-row editing through the window: the entry check's messages and
// focus, the byte limits of the fields, Add, Change, Delete, Select all, the list order,
// and what the entry fields show as the selection changes.
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include "window_fixture.h"

using kz::app::Answer;
using kz::app::MessageStyle;
using kz::app::testing::WindowFixture;

class EntryTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<WindowFixture>(); }
  void cleanup() { f_.reset(); }

  void addNormalisesTheReading() {
    QLineEdit* yomi = f_->Edit("EditYomi");
    WindowFixture::Type(yomi, QStringLiteral("あいうえお"));
    QCOMPARE(yomi->text(), QStringLiteral("あいうえお"));
    WindowFixture::Type(f_->Edit("EditGoku"), QStringLiteral("母音"));
    f_->Combo("ComboKind")->setCurrentIndex(1);
    QTest::mouseClick(f_->Button("ButtonAdd"), Qt::LeftButton);
    QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｱｲｳｴｵ")});
    QCOMPARE(f_->Doc().words()[0].reading.size(), 5u);
    QCOMPARE(f_->Doc().words()[0].kind, 1);
    QVERIFY(f_->Doc().modified());
    // Ready for the next word: fields empty, kind kept, the new row alone selected.
    QVERIFY(yomi->text().isEmpty());
    QVERIFY(f_->Edit("EditGoku")->text().isEmpty());
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), 1);
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
    QCOMPARE(QApplication::focusWidget(), yomi);
    QCOMPARE(f_->List()->model()->data(f_->List()->model()->index(0, 2)).toString(),
             QStringLiteral("一般名詞"));
  }

  void checkInputMessages_data() {
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("readingAfter");
    const QString yomi = QStringLiteral("EditYomi");
    const QString goku = QStringLiteral("EditGoku");
    QTest::newRow("both empty") << QString() << QString() << QStringLiteral("読みを入力して下さい")
                                << yomi << QString();
    QTest::newRow("phrase empty") << QStringLiteral("あい") << QString()
                                  << QStringLiteral("語句を入力して下さい") << goku
                                  << QStringLiteral("あい");
    const QString invalid = QStringLiteral("読みが不正です。使用できる文字は半角カタカナのみです");
    QTest::newRow("ascii") << QStringLiteral("ABC") << QStringLiteral("漢字") << invalid << yomi
                           << QStringLiteral("ABC");
    QTest::newRow("kanji") << QStringLiteral("漢字") << QStringLiteral("漢字") << invalid << yomi
                           << QStringLiteral("漢字");
    QTest::newRow("space") << QStringLiteral(" ") << QStringLiteral("空白") << invalid << yomi
                           << QStringLiteral(" ");
    const QString first =
        QStringLiteral("読みの最初の文字が不正です。最初の文字はア\uFF5Eワである必要があります");
    QTest::newRow("first n") << QStringLiteral("んか") << QStringLiteral("漢字") << first << yomi
                             << QStringLiteral("ﾝｶ");
    QTest::newRow("first mark") << QStringLiteral("ｰｱ") << QStringLiteral("漢字") << first << yomi
                                << QStringLiteral("ｰｱ");
    // Only the program can put 17 bytes or 26 full-width characters into the fields.
    QTest::newRow("reading 17") << QString(17, QChar(0xFF71)) << QStringLiteral("長")
                                << QStringLiteral(
                                       "読みが長すぎます。半角カタカナで10文字までです。")
                                << yomi << QString(17, QChar(0xFF71));
    QTest::newRow("phrase 52") << QStringLiteral("ｱ") << QString(26, QChar(0x6F22))
                               << QStringLiteral(
                                      "語句が長すぎます。半角で50文字、全角で25文字までです。")
                               << goku << QStringLiteral("ｱ");
  }

  void checkInputMessages() {
    QFETCH(QString, reading);
    QFETCH(QString, phrase);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, readingAfter);
    f_->Button("ButtonAdd")->setFocus();
    f_->AddWord(reading, phrase);
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text, message);
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("エラー"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kErrorOk);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(f_->Edit("EditYomi")->text(), readingAfter);
    QCOMPARE(f_->Doc().words().size(), 0u);
    QVERIFY(!f_->Doc().modified());
    // The kind gets its default only once both fields hold text.
    const bool pastEmptiness = !reading.isEmpty() && !phrase.isEmpty();
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), pastEmptiness ? 0 : -1);
  }

  void limitsAtTheBoundary() {
    f_->AddWord(QString(16, QChar(0xFF71)), QString(25, QChar(0x6F22)));
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Doc().words()[0].phrase.size(), 50u);
    QCOMPARE(f_->Combo("ComboKind")->currentText(), QStringLiteral("-"));
  }

  void typingLimitsCountBytes() {
    QLineEdit* yomi = f_->Edit("EditYomi");
    WindowFixture::Type(yomi, QString(9, QChar(0x3042)));  // あ: two bytes each
    QCOMPARE(yomi->text(), QString(8, QChar(0x3042)));
    QLineEdit* goku = f_->Edit("EditGoku");
    WindowFixture::Type(goku, QStringLiteral("a\u301Cb"));  // WAVE DASH has a twin in 932
    QCOMPARE(goku->text(), QStringLiteral("a\uFF5Eb"));
    WindowFixture::Type(goku, QStringLiteral("\u00E9\U0001F600"));  // not in code page 932
    QCOMPARE(goku->text(), QStringLiteral("a\uFF5Eb"));
    QLineEdit* name = f_->Edit("EditName");
    name->clear();
    WindowFixture::Type(name, QString(33, QChar(0x6F22)));
    QCOMPARE(name->text(), QString(32, QChar(0x6F22)));
  }

  void orderUnderBoth() {
    f_->AddWord(QStringLiteral("ｶﾞ"), QStringLiteral("蛾"));
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｶｷ"), QStringLiteral("ｶﾞ")}));
    f_->AddWord(QStringLiteral("ｶ"), QStringLiteral("蚊"));
    QCOMPARE(f_->Readings(),
             (QStringList{QStringLiteral("ｶ"), QStringLiteral("ｶｷ"), QStringLiteral("ｶﾞ")}));
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
  }

  void addAfterBulkStaysLast() {
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    f_->AddWord(QStringLiteral("ｻｸﾗ"), QStringLiteral("桜"));
    f_->Action("KeyBarChange")->trigger();  // a bulk operation: the list leaves stBoth
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    QCOMPARE(f_->Readings().last(), QStringLiteral("ｱｲ"));
    QCOMPARE(f_->SelectedRows(), QList<int>{2});
  }

  void changeFirstOfTwoSelected() {
    for (const char* r : {"ｱ", "ｲ", "ｳ", "ｴ", "ｵ", "ｶ"}) {
      f_->AddWord(QString::fromUtf8(r), QStringLiteral("語"));
    }
    f_->ClickRow(2);
    f_->ClickRow(5, Qt::ControlModifier);
    QCOMPARE(f_->SelectedRows(), (QList<int>{2, 5}));
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｶ"));  // the last one selected
    f_->Edit("EditYomi")->setText(QStringLiteral("ﾜﾜ"));
    f_->Edit("EditGoku")->setText(QStringLiteral("変"));
    f_->Combo("ComboKind")->setCurrentIndex(2);
    const QString row2 = f_->Readings()[2];
    const QString row5 = f_->Readings()[5];
    QTest::mouseClick(f_->Button("ButtonChange"), Qt::LeftButton);
    QVERIFY(f_->prompts.messages.empty());
    QVERIFY(!f_->Readings().contains(row2));
    QVERIFY(f_->Readings().contains(row5));
    const int changed = static_cast<int>(f_->Readings().indexOf(QStringLiteral("ﾜﾜ")));
    QCOMPARE(changed, f_->Readings().size() - 1);  // sorted in under stBoth
    QCOMPARE(f_->SelectedRows(), QList<int>{changed});
    QCOMPARE(f_->Phrases()[changed], QStringLiteral("変"));
    QCOMPARE(f_->Doc().words()[static_cast<std::size_t>(changed)].kind, 2);
    QVERIFY(f_->Doc().modified());
  }

  void changeWithoutSelectionDoesNothing() {
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"));
    f_->ClickRow(0, Qt::ControlModifier);
    QVERIFY(f_->SelectedRows().isEmpty());
    QTest::mouseClick(f_->Button("ButtonChange"), Qt::LeftButton);  // fields empty: no check
    QVERIFY(f_->prompts.messages.empty());
    QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｱ")});
  }

  void deleteAllLeavesModifiedFalse() {
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"));
    f_->AddWord(QStringLiteral("ｲ"), QStringLiteral("伊"));
    f_->Action("KeySelectAll")->trigger();
    QCOMPARE(f_->SelectedRows(), (QList<int>{0, 1}));
    f_->Action("KeyDelete")->trigger();
    QCOMPARE(f_->Doc().words().size(), 0u);
    QVERIFY(!f_->Doc().modified());
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("0"));
    QVERIFY(f_->window->close());
    QVERIFY(f_->prompts.messages.empty());
  }

  void deleteWithoutSelectionSetsModifiedByRows() {
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"));
    f_->ClickRow(0, Qt::ControlModifier);
    f_->Action("KeyDelete")->trigger();
    QCOMPARE(f_->Doc().words().size(), 1u);
    QVERIFY(f_->Doc().modified());
  }

  void bulkChangesKeepTheScrollPosition() {
    QString text;
    for (int i = 0; i < 300; ++i) text += QStringLiteral("ｱ%1,x\n").arg(QChar(0xFF71 + i % 40));
    QGuiApplication::clipboard()->setText(text);
    f_->Action("KeyPaste")->trigger();
    QScrollBar* bar = f_->List()->verticalScrollBar();
    QTest::qWait(0);
    bar->setValue(bar->maximum() / 2);
    const int before = bar->value();
    QVERIFY(before > 0);
    f_->ClickRow(f_->List()->rowAt(10));
    f_->Action("KeyDelete")->trigger();
    QTest::qWait(0);
    QCOMPARE(f_->Doc().words().size(), 299u);
    QCOMPARE(bar->value(), before);
  }

  void selectionShowsInTheEntry() {
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"), 1);
    f_->AddWord(QStringLiteral("ｲ"), QStringLiteral("伊"), 2);
    f_->AddWord(QStringLiteral("ｳ"), QStringLiteral("宇"), 3);
    f_->ClickRow(1);
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｲ"));
    QCOMPARE(f_->Edit("EditGoku")->text(), QStringLiteral("伊"));
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), 2);
    f_->ClickRow(1, Qt::ControlModifier);  // the only selected row, deselected
    QVERIFY(f_->Edit("EditYomi")->text().isEmpty());
    QVERIFY(f_->Edit("EditGoku")->text().isEmpty());
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), 2);
    f_->ClickRow(0);
    f_->ClickRow(2, Qt::ShiftModifier);
    QCOMPARE(f_->SelectedRows(), (QList<int>{0, 1, 2}));
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｳ"));
    f_->List()->setFocus();
    WindowFixture::Key(f_->List(), Qt::Key_Up);
    QCOMPARE(f_->SelectedRows(), QList<int>{1});
    // Row 1 stayed selected and only deselections happened: the entry is emptied.
    QVERIFY(f_->Edit("EditYomi")->text().isEmpty());
    WindowFixture::Key(f_->List(), Qt::Key_Up);
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｱ"));
  }

  void dragSelectsARange() {
    for (const char* r : {"ｱ", "ｲ", "ｳ", "ｴ"})
      f_->AddWord(QString::fromUtf8(r), QStringLiteral("x"));
    QWidget* viewport = f_->List()->viewport();
    const auto center = [this](int row) {
      return f_->List()->visualRect(f_->List()->model()->index(row, 1)).center();
    };
    QTest::mousePress(viewport, Qt::LeftButton, {}, center(0));
    QTest::mouseMove(viewport, center(1));
    QTest::mouseMove(viewport, center(2));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, center(2));
    QCOMPARE(f_->SelectedRows(), (QList<int>{0, 1, 2}));
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｳ"));
  }

  void selectAllShowsTheFirstNewlySelected() {
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"));
    f_->AddWord(QStringLiteral("ｲ"), QStringLiteral("伊"));
    f_->AddWord(QStringLiteral("ｳ"), QStringLiteral("宇"));
    f_->ClickRow(0);
    f_->Action("KeySelectAll")->trigger();
    QCOMPARE(f_->SelectedRows(), (QList<int>{0, 1, 2}));
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｲ"));
  }

  void unknownKindLeavesTheBoxEmpty() {
    // A row whose kind names no kind (40) only comes from text lines.
    f_->AddWord(QStringLiteral("ｱ"), QStringLiteral("亜"), 3);
    f_->Action("KeySelectAll")->trigger();
    f_->Action("KeyDelete")->trigger();
    QGuiApplication::clipboard()->setText(QStringLiteral("ｱｲｳ,漢字,40\r\n"));
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->List()->model()->data(f_->List()->model()->index(0, 2)).toString(),
             QStringLiteral("40"));
    f_->ClickRow(0);
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), -1);
    QTest::mouseClick(f_->Button("ButtonChange"), Qt::LeftButton);
    QCOMPARE(f_->Doc().words()[0].kind, 0);
  }

 private:
  std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(EntryTest)
#include "entry_test.moc"
