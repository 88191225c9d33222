// The main window: builds the layout, owns the editor and its command groups, and wires
// every menu item, button and event to its handler. Each handler runs inside one guard
// that shows an escaping exception's text in an error box; the program goes on.
#pragma once

#include <QMainWindow>
#include <functional>

#include "app/clipboard_commands.h"
#include "app/editor.h"
#include "app/entry_commands.h"
#include "app/file_commands.h"
#include "app/list_commands.h"
#include "app/prompts.h"
#include "app/window_layout.h"

namespace kz::app {

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Prompts& prompts, QWidget* parent = nullptr);

  const Document& document() const { return editor_.doc(); }

  // The first command-line argument (FormCreate's part that follows New).
  void OpenFromCommandLine(const QString& path);

  // The handlers that are not a single menu item or button.
  void KeyNewClick();
  void KeyEditClick();
  void PageControlChange();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Guard(const std::function<void()>& handler);
  void Wire(QAction* action, std::function<void()> handler);
  void Wire(QPushButton* button, std::function<void()> handler);
  void WireAll();
  void SetUpListView();

  Prompts& prompts_;
  WindowUi ui_;
  Editor editor_;
  EntryCommands entry_;
  ListCommands list_;
  FileCommands files_;
  ClipboardCommands clipboard_;
};

}  // namespace kz::app
