// Start-up: the application named "Kazamori", the main window centred on the screen, the
// first command-line argument opened, the event loop; the exit code is 0.
#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <exception>

#include "app/main_window.h"
#include "app/qt_prompts.h"
#include "app/window_layout.h"

int main(int argc, char** argv) {
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
