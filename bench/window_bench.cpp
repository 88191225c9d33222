// The editor window with a million words, offscreen: each command as the user gives it, from
// its menu item or button, with questions answered by scripted prompts. Prints the time of
// each command and of the paint that follows it, the time of one repaint of the word list
// with a scattered selection, scroll frames, the progress bar's repaints, the load and save
// of a 5,000-word dictionary, and the peak memory. Not a test: it reports, it does not fail.
//
// Usage: window_bench WORD_LINE_FILE   (run with QT_QPA_PLATFORM=offscreen)
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "aad/aad_file.h"
#include "app/main_window.h"
#include "app/scripted_prompts.h"
#include "app/word_list_view.h"
#include "dictionary/document.h"
#include "platform/file_io.h"
#include "word_data.h"

namespace {

using kz::app::Answer;
using kz::app::MainWindow;
using kz::app::ScriptedPrompts;

constexpr std::uint32_t kSeed = 20261211;
constexpr std::size_t kDictionaryWords = 5000;

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

long PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;  // KiB on Linux
}

// Counts the paints of one widget.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int Take() { return std::exchange(count_, 0); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
  }

 private:
  int count_ = 0;
};

class Bench {
 public:
  Bench() : window_(prompts_) {
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_)) std::fprintf(stderr, "window not exposed\n");
    list_ = Find<kz::app::WordListView>("ListView");
    bar_ = Find<QProgressBar>("ProgressBar");
    barPaints_ = new PaintCounter(bar_);
    QApplication::processEvents();
    barPaints_->Take();
  }

  template <typename T>
  T* Find(const char* name) {
    T* child = window_.findChild<T*>(QLatin1String(name));
    if (child == nullptr) qFatal("no child named %s", name);
    return child;
  }

  const kz::WordList& words() const { return window_.document().words(); }
  ScriptedPrompts& prompts() { return prompts_; }
  QProgressBar* bar() const { return bar_; }

  // Runs a command, then lets the window paint what it changed. Prints both times.
  double Step(const char* name, double limitMs, const std::function<void()>& command) {
    prompts_.ClearRecord();
    QElapsedTimer t;
    t.start();
    command();
    const double commandMs = Ms(t);
    t.restart();
    QApplication::processEvents();
    const double paintMs = Ms(t);
    const int barPaints = barPaints_->Take();
    std::printf(
        "%-28s %9.1f ms  (+ paint %6.1f ms)  rows %8zu  selected %8zu  bar paints %4d  %s\n", name,
        commandMs, paintMs, words().size(), words().SelectedCount(), barPaints,
        Verdict(commandMs + paintMs, limitMs));
    for (const auto& m : prompts_.messages) {
      std::printf("%-28s   asked: %s\n", "", qPrintable(QString(m.text).replace('\n', ' ')));
    }
    return commandMs + paintMs;
  }

  void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
  void Click(const char* button) { Find<QPushButton>(button)->click(); }

  // Times `runs` synchronous repaints of the word list; returns the slowest.
  double Repaints(const char* what, int runs, const std::function<void()>& before = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
      if (before) before();
      QElapsedTimer t;
      t.start();
      list_->viewport()->repaint();
      times.push_back(Ms(t));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %6.2f ms, slowest %6.2f ms of %d  %s\n", what,
                times[times.size() / 2], times.back(), runs, Verdict(times.back(), 50));
    return times.back();
  }

  // One repaint of the progress bar, half full, as a long operation makes it.
  void BarRepaint() {
    bar_->setMaximum(1000);
    bar_->setValue(500);
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
      QElapsedTimer t;
      t.start();
      bar_->repaint();
      times.push_back(Ms(t));
    }
    bar_->setValue(0);
    barPaints_->Take();
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %6.3f ms\n", "one progress bar repaint", times[times.size() / 2]);
  }

  void ScrollPage() {
    QScrollBar* bar = list_->verticalScrollBar();
    bar->setValue(bar->value() + bar->pageStep());
  }
  void ScrollTo(double fraction) {
    QScrollBar* bar = list_->verticalScrollBar();
    bar->setValue(static_cast<int>(bar->maximum() * fraction));
  }

  static const char* Verdict(double ms, double limitMs) {
    if (limitMs <= 0) return "";
    return ms < limitMs ? "ok" : "MISSED";
  }

 private:
  ScriptedPrompts prompts_;
  MainWindow window_;
  kz::app::WordListView* list_ = nullptr;
  QProgressBar* bar_ = nullptr;
  PaintCounter* barPaints_ = nullptr;
};

// A dictionary of phone-sized words, written as Save writes it.
bool WriteDictionary(const QString& path) {
  kz::Document doc;
  doc.LoadRows(kz::bench::MakeRows(kDictionaryWords, kSeed, kz::bench::kPhoneWords),
               kz::NoProgress());
  kz::aad::WriteRequest request;
  request.info = {"bench", "bench", "2005/01/01 00:00:00"};
  request.rows = &doc.words().rows();
  const kz::aad::WriteResult written = kz::aad::Write(request);
  QFile file(path);
  if (written.error != kz::aad::WriteError::kNone || !file.open(QIODevice::WriteOnly)) return false;
  return file.write(written.bytes.data(), static_cast<qint64>(written.bytes.size())) ==
         static_cast<qint64>(written.bytes.size());
}

// The write path of Save alone (QSaveFile: temporary file, fdatasync, rename), for a file of
// the dictionary's size.
void AtomicWrite(const QString& path, const QString& like) {
  QFile file(like);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QByteArray data = file.readAll();
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    QElapsedTimer t;
    t.start();
    kz::WriteFileAtomically(
        path, std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    times.push_back(Ms(t));
  }
  std::sort(times.begin(), times.end());
  std::printf("%-28s median %6.2f ms, fastest %6.2f ms (%lld bytes)\n",
              "  ... of which atomic write", times[times.size() / 2], times.front(),
              static_cast<long long>(data.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_bench WORD_LINE_FILE\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString input = QFile::decodeName(argv[1]);
  QTemporaryDir dir;
  const QString dictionary = dir.filePath(QStringLiteral("words.aad"));
  if (!dir.isValid() || !WriteDictionary(dictionary)) {
    std::fprintf(stderr, "cannot write the 5,000-word dictionary\n");
    return 1;
  }

  Bench bench;
  std::printf("window benchmark: %s, progress bar %d px wide\n", argv[1], bench.bar()->width());
  double slowestCommand = 0;
  const auto command = [&](const char* name, double limitMs, const std::function<void()>& run) {
    slowestCommand = std::max(slowestCommand, bench.Step(name, limitMs, run));
  };

  bench.prompts().files.push_back(input);
  bench.Step("import (CSV import command)", 2000, [&] { bench.Trigger("KeyImportCSV"); });
  bench.Repaints("repaint, nothing selected", 9);
  bench.BarRepaint();

  command("select all", 500, [&] { bench.Trigger("KeySelectAll"); });
  bench.Repaints("repaint, all selected", 9);
  command("remove duplicates", 500, [&] { bench.Trigger("KeyDelMulti"); });
  command("long vowels: add", 500, [&] { bench.Trigger("KeyBarAdd"); });
  command("long vowels: change", 500, [&] { bench.Trigger("KeyBarChange"); });

  double slowestRepaint = bench.Repaints("repaint, scattered selection", 9);
  bench.ScrollTo(0.5);
  slowestRepaint = std::max(slowestRepaint, bench.Repaints("  ... in the middle", 9));
  slowestRepaint = std::max(
      slowestRepaint, bench.Repaints("scroll a page + repaint", 20, [&] { bench.ScrollPage(); }));
  bench.ScrollTo(0);

  command("delete selected rows", 500, [&] { bench.Trigger("KeyDelete"); });
  command("truncate to 1,000", 500, [&] {
    bench.Find<QLineEdit>("EditCount")->setText(QStringLiteral("1000"));
    bench.Click("ButtonSetCount");
  });

  // The document is modified: Open asks about it first.
  bench.prompts().answers.push_back(Answer::kNo);
  bench.prompts().files.push_back(dictionary);
  const double load = bench.Step("open 5,000 words (.aad)", 10, [&] { bench.Trigger("KeyOpen"); });
  bench.prompts().files.push_back(dir.filePath(QStringLiteral("saved.aad")));
  const double save = bench.Step("save 5,000 words (.aad)", 10, [&] { bench.Trigger("KeySave"); });

  // Where the time of those two goes: the progress bar's repaints, and the atomic write.
  bench.bar()->hide();
  bench.prompts().files.push_back(dictionary);
  bench.Step("  ... open, bar hidden", 0, [&] { bench.Trigger("KeyOpen"); });
  bench.bar()->show();
  QApplication::processEvents();
  AtomicWrite(dir.filePath(QStringLiteral("again.aad")), dictionary);

  const long peak = PeakMiB();
  std::printf("slowest bulk command %.1f ms (target 500), slowest repaint %.2f ms (target 50)\n",
              slowestCommand, slowestRepaint);
  std::printf("load %.2f ms, save %.2f ms of 5,000 words (target 10 each)\n", load, save);
  std::printf("peak memory %ld MiB (target 400) %s\n", peak, peak < 400 ? "ok" : "MISSED");
  if (bench.prompts().unexpected != 0) {
    std::printf("unexpected questions: %d\n", bench.prompts().unexpected);
    return 1;
  }
  return 0;
}
