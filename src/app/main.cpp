// Start-up: --help and --version answered on standard output without a window; otherwise
// the application named "Kazamori", the main window centred on the screen, the first
// command-line argument opened, the event loop; the exit code is 0.
#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <exception>

#include "app/main_window.h"
#include "app/qt_prompts.h"
#include "app/window_layout.h"

namespace {

constexpr const char* kUsage =
    "Usage: kazamori [FILE]\n"
    "       kazamori --help | --version\n"
    "\n"
    "Opens the Kazamori editor for user dictionaries of mobile phones' predictive-text\n"
    "input. FILE, when it exists, is opened as a file dropped on the window is: an .aad\n"
    "dictionary is loaded, a .pbx file is imported after its header, any other file is\n"
    "imported as word lines (reading,phrase,kind).\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

// The answer to --help or --version as the only argument, before any window system is
// touched; nullptr for every other command line (a file that happens to be named
// "--help" is reached as "./--help").
const char* InformationRequest(int argc, char** argv) {
  if (argc != 2) return nullptr;
  if (std::strcmp(argv[1], "--help") == 0) return kUsage;
  if (std::strcmp(argv[1], "--version") == 0) return "kazamori " KZ_VERSION "\n";
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* text = InformationRequest(argc, argv)) {
    std::fputs(text, stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kazamori"));
  QApplication::setApplicationDisplayName(QStringLiteral("Kazamori"));
  QApplication::setFont(kz::app::WindowFont());
  kz::app::QtPrompts prompts;
  try {
    kz::app::MainWindow window(prompts);
    prompts.SetParent(&window);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1) window.OpenFromCommandLine(args.at(1));
    QApplication::exec();
  } catch (const std::exception& error) {
    prompts.SetParent(nullptr);
    prompts.Message(QString::fromUtf8(error.what()), QStringLiteral("Kazamori"),
                    kz::app::MessageStyle::kErrorOk);
  }
  return 0;
}
