// A fresh main window with scripted prompts, and the few gestures the window tests share.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <memory>

#include "app/main_window.h"
#include "app/scripted_prompts.h"
#include "app/word_list_view.h"

namespace kz::app::testing {

class WindowFixture {
 public:
  WindowFixture();
  ~WindowFixture();

  ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;

  template <typename T>
  T* Find(const char* name) const {
    T* child = window->findChild<T*>(QLatin1String(name));
    if (child == nullptr) qFatal("no child named %s", name);
    return child;
  }
  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
  QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
  QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
  QAction* Action(const char* name) const { return Find<QAction>(name); }
  WordListView* List() const { return Find<WordListView>("ListView"); }
  QTabWidget* Pages() const { return Find<QTabWidget>("PageControl"); }
  const Document& Doc() const { return window->document(); }

  // Types `text` into `widget` as key events, one character each, as an input method would
  // deliver it (QTest::keyClicks cannot send characters outside Latin-1).
  static void Type(QWidget* widget, const QString& text);
  static void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

  // Fills the entry fields (kind -1 leaves the kind box alone) and clicks 追加.
  void AddWord(const QString& reading, const QString& phrase, int kind = -1);
  // Mouse click on row `row` of the word list.
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {});

  QStringList Readings() const;
  QStringList Phrases() const;
  QList<int> SelectedRows() const;
};

}  // namespace kz::app::testing
