// The information page: truncation to the count field, the header box's check when it
// loses the focus, the date button, the labels' access keys.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

#include "window_fixture.h"

using kz::app::testing::WindowFixture;

class InfoTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    f_ = std::make_unique<WindowFixture>();
    f_->Pages()->setCurrentIndex(1);
  }
  void cleanup() { f_.reset(); }

  void truncation_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<bool>("modified");
    QTest::newRow("3 of 10") << QStringLiteral("3") << 3 << QStringLiteral("3") << true;
    QTest::newRow("0") << QStringLiteral("0") << 0 << QStringLiteral("0") << false;
    QTest::newRow("-5") << QStringLiteral("-5") << 0 << QStringLiteral("0") << false;
    QTest::newRow("abc") << QStringLiteral("abc") << 10 << QStringLiteral("abc") << true;
    QTest::newRow("20") << QStringLiteral("20") << 10 << QStringLiteral("20") << true;
    QTest::newRow("+2") << QStringLiteral("+2") << 2 << QStringLiteral("+2") << true;
    QTest::newRow("huge") << QStringLiteral("99999999999999999999") << 10
                          << QStringLiteral("99999999999999999999") << true;
  }

  void truncation() {
    QFETCH(QString, count);
    QFETCH(int, rowsAfter);
    QFETCH(QString, fieldAfter);
    QFETCH(bool, modified);
    QGuiApplication::clipboard()->setText(
        QStringLiteral("ｱ,a\nｲ,b\nｳ,c\nｴ,d\nｵ,e\nｶ,f\nｷ,g\nｸ,h\nｹ,i\nｺ,j\n"));
    f_->Action("KeyPaste")->trigger();
    QCOMPARE(f_->Doc().words().size(), 10u);
    f_->Pages()->setCurrentIndex(1);
    f_->Edit("EditCount")->setText(count);
    QTest::mouseClick(f_->Button("ButtonSetCount"), Qt::LeftButton);
    QCOMPARE(static_cast<int>(f_->Doc().words().size()), rowsAfter);
    QCOMPARE(f_->Edit("EditCount")->text(), fieldAfter);
    QCOMPARE(f_->Doc().modified(), modified);
    if (rowsAfter == 3) {
      QCOMPARE(f_->Phrases(),
               (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    }
  }

  void headerBoxOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("five letters stay") << QStringLiteral("ABCDE") << QStringLiteral("ABCDE");
    QTest::newRow("two letters revert") << QStringLiteral("AB") << QStringLiteral("付加しない");
    QTest::newRow("empty reverts") << QString() << QStringLiteral("付加しない");
  }

  void headerBoxOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QComboBox* header = f_->Combo("ComboHeader");
    header->setFocus();
    header->lineEdit()->selectAll();
    WindowFixture::Key(header->lineEdit(), Qt::Key_Backspace);
    WindowFixture::Type(header->lineEdit(), typed);
    QCOMPARE(header->currentText(), typed);
    f_->Edit("EditName")->setFocus();
    QCOMPARE(header->currentText(), after);
  }

  void headerEntryChosenStays() {
    QComboBox* header = f_->Combo("ComboHeader");
    header->setFocus();
    header->setCurrentIndex(1);  // picked from the list
    f_->Edit("EditName")->setFocus();
    QCOMPARE(header->currentText(), QStringLiteral("CASIO"));
    QCOMPARE(header->currentIndex(), 1);
  }

  void headerTypingIsLimitedToFiveBytes() {
    QComboBox* header = f_->Combo("ComboHeader");
    header->setFocus();
    header->lineEdit()->selectAll();
    WindowFixture::Key(header->lineEdit(), Qt::Key_Backspace);
    WindowFixture::Type(header->lineEdit(), QStringLiteral("ABCDEF"));
    QCOMPARE(header->currentText(), QStringLiteral("ABCDE"));
  }

  void nowButton() {
    QLineEdit* date = f_->Edit("EditDate");
    date->setText(QStringLiteral("2005/01/01 00:00:00"));
    QTest::mouseClick(f_->Button("ButtonNow"), Qt::LeftButton);
    QVERIFY(QDateTime::fromString(date->text(), QStringLiteral("yyyy/MM/dd hh:mm:ss")).isValid());
    QVERIFY(date->text() != QStringLiteral("2005/01/01 00:00:00"));
    QCOMPARE(date->text().size(), 19);
    QVERIFY(!f_->Doc().modified());
  }

  void labelAccessKeys() {
    QCOMPARE(f_->Find<QLabel>("LabelName")->buddy(), f_->Edit("EditName"));
    QCOMPARE(f_->Find<QLabel>("LabelAuthor")->buddy(), f_->Edit("EditAuthor"));
    QCOMPARE(f_->Find<QLabel>("LabelDate")->buddy(), f_->Edit("EditDate"));
    QCOMPARE(f_->Find<QLabel>("LabelCount")->buddy(), f_->Edit("EditCount"));
    QCOMPARE(f_->Find<QLabel>("LabelHeader")->buddy(), nullptr);
    f_->Edit("EditName")->setFocus();
    WindowFixture::Key(f_->window.get(), Qt::Key_D, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), f_->Edit("EditDate"));
  }

 private:
  std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(InfoTest)
#include "info_test.moc"
