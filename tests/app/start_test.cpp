// The built kazamori run as a process: --help and --version answer on standard output and
// exit 0 without touching the window system. The platform named in the environment does
// not exist, so a program that opened a window would abort instead.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run {
  QProcess::ExitStatus status = QProcess::CrashExit;
  int code = -1;
  QByteArray out;
  QByteArray err;
};

Run Kazamori(const QStringList& args) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("kz-no-such-platform"));
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(KZ_EDITOR), args);
  Run run;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.status = process.exitStatus();
  run.code = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

}  // namespace

class StartTest : public QObject {
  Q_OBJECT

 private slots:
  void version() {
    const Run run = Kazamori({QStringLiteral("--version")});
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QByteArray("kazamori " KZ_VERSION "\n"));
    QCOMPARE(run.err, QByteArray());
  }

  void help() {
    const Run run = Kazamori({QStringLiteral("--help")});
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.code, 0);
    QVERIFY2(run.out.startsWith("Usage: kazamori [FILE]\n"), run.out.constData());
    QVERIFY(run.out.contains("--version"));
    QCOMPARE(run.err, QByteArray());
  }

  // Without such an argument the program does open a window, which this environment
  // forbids: the check above would notice a window being opened.
  void anythingElseOpensTheWindow_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no argument") << QStringList{};
    QTest::newRow("help after a file")
        << QStringList{QStringLiteral("x.aad"), QStringLiteral("--help")};
  }
  void anythingElseOpensTheWindow() {
    QFETCH(QStringList, args);
    const Run run = Kazamori(args);
    QVERIFY(run.status != QProcess::NormalExit || run.code != 0);
    QVERIFY(run.out.isEmpty());
  }
};

QTEST_GUILESS_MAIN(StartTest)
#include "start_test.moc"
