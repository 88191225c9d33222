#include "window_fixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>

#include "platform/sjis_codec.h"

namespace kz::app::testing {

WindowFixture::WindowFixture() : window(std::make_unique<MainWindow>(prompts)) {
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("window not active");
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

void WindowFixture::Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, key, modifiers);
}

void WindowFixture::AddWord(const QString& reading, const QString& phrase, int kind) {
  Edit("EditYomi")->setText(reading);
  Edit("EditGoku")->setText(phrase);
  if (kind >= 0) Combo("ComboKind")->setCurrentIndex(kind);
  QTest::mouseClick(Button("ButtonAdd"), Qt::LeftButton);
}

void WindowFixture::ClickRow(int row, Qt::KeyboardModifiers modifiers) {
  WordListView* view = List();
  const QRect rect = view->visualRect(view->model()->index(row, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, rect.center());
}

QStringList WindowFixture::Readings() const {
  QStringList out;
  for (const Row& r : Doc().words().rows()) out << DecodeSjis(r.reading);
  return out;
}

QStringList WindowFixture::Phrases() const {
  QStringList out;
  for (const Row& r : Doc().words().rows()) out << DecodeSjis(r.phrase);
  return out;
}

QList<int> WindowFixture::SelectedRows() const {
  QList<int> out;
  const WordList& words = Doc().words();
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (words.IsSelected(i)) out << static_cast<int>(i);
  }
  return out;
}

}  // namespace kz::app::testing
