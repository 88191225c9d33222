// The window's small parts on their own: the filter translation of the file dialogs, the
// clipboard line split, the count field's number form, and the progress bar adapter.
#include <QProgressBar>
#include <QTest>

#include "app/clipboard_commands.h"
#include "app/list_commands.h"
#include "app/progress_bar_progress.h"
#include "app/prompts.h"

class PartsTest : public QObject {
  Q_OBJECT

 private slots:
  void nameFilters() {
    QCOMPARE(kz::app::QtNameFilters(
                 QStringLiteral("辞書ファイル(*.aad)|*.aad|すべてのファイル(*.*)|*.*")),
             (QStringList{QStringLiteral("辞書ファイル(*.aad) (*.aad)"),
                          QStringLiteral("すべてのファイル(*.*) (*)")}));
  }

  void splitTextLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("crlf, cr, lf") << QStringLiteral("a\r\nb\rc\nd")
                                  << QStringList{"a", "b", "c", "d"};
    QTest::newRow("final line end") << QStringLiteral("a\r\n") << QStringList{"a"};
    QTest::newRow("empty line kept") << QStringLiteral("a\n\nb\n") << QStringList{"a", "", "b"};
    QTest::newRow("nul ends") << QString::fromUtf16(u"a\nb\0c", 5) << QStringList{"a", "b"};
  }

  void splitTextLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(kz::app::SplitTextLines(text), lines);
  }

  void countForms() {
    using kz::app::ParseCount;
    QCOMPARE(ParseCount(QStringLiteral("3")), std::optional<long long>(3));
    QCOMPARE(ParseCount(QStringLiteral("-5")), std::optional<long long>(-5));
    QCOMPARE(ParseCount(QStringLiteral("+7")), std::optional<long long>(7));
    for (const char* bad : {"", "abc", " 3", "3 ", "0x10", "1e3", "99999999999999999999"}) {
      QVERIFY2(!ParseCount(QString::fromLatin1(bad)), bad);
    }
  }

  void progressRepaintsOnlyOnVisibleChange() {
    QProgressBar bar;
    bar.setTextVisible(false);
    bar.resize(150, 17);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    kz::app::ProgressBarProgress progress(&bar, 0);
    const std::size_t steps = 100'000;
    progress.Start(steps);
    for (std::size_t i = 0; i < steps; ++i) progress.Step(i);
    QVERIFY2(progress.repaints() > 10, "the bar moved");
    QVERIFY2(progress.repaints() <= 150, "at most one repaint per pixel");
    QCOMPARE(bar.value(), static_cast<int>(steps - 1));
    progress.Finish();
    QCOMPARE(bar.value(), 0);
  }

  // Within one frame the bar is not drawn again, however far it moves.
  void progressRepaintsAtMostOncePerFrame() {
    QProgressBar bar;
    bar.setTextVisible(false);
    bar.resize(150, 17);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    kz::app::ProgressBarProgress progress(&bar, 1000);
    progress.Start(1000);
    for (std::size_t i = 0; i < 999; ++i) progress.Step(i);
    QCOMPARE(progress.repaints(), 0);
    QCOMPARE(bar.value(), 998);
    kz::app::ProgressBarProgress framed(&bar, 5);
    framed.Start(1000);
    QTest::qWait(20);
    framed.Step(999);
    QCOMPARE(framed.repaints(), 1);
  }

  void progressBeyondIntRange() {
    QProgressBar bar;
    bar.resize(150, 17);
    kz::app::ProgressBarProgress progress(&bar);
    const std::size_t huge = std::size_t{1} << 33;
    progress.Start(huge);
    QVERIFY(bar.maximum() > 0);
    progress.Step(huge / 2);
    QVERIFY(qAbs(bar.value() - bar.maximum() / 2) <= 1);
  }
};

QTEST_MAIN(PartsTest)
#include "parts_test.moc"
