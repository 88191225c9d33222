// The window as a whole: start-up state, layout, menus and shortcuts, closing and New with
// the unsaved-changes question, keys that depend on the focus, edit command enabling.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>

#include "window_fixture.h"

using kz::app::Answer;
using kz::app::MessageStyle;
using kz::app::testing::WindowFixture;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<WindowFixture>(); }
  void cleanup() { f_.reset(); }

  void startUpState() {
    QCOMPARE(f_->window->windowTitle(), QStringLiteral("Kazamori"));
    QCOMPARE(f_->window->centralWidget()->size(), QSize(510, 350));
    QCOMPARE(f_->Doc().words().size(), 0u);
    QVERIFY(!f_->Doc().modified());
    QCOMPARE(f_->Edit("EditName")->text(), QStringLiteral("辞書"));
    QCOMPARE(f_->Edit("EditAuthor")->text(), QStringLiteral("名無しさん"));
    const QDateTime date =
        QDateTime::fromString(f_->Edit("EditDate")->text(), QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    QVERIFY(date.isValid());
    QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTime())) < 60);
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("0"));
    QCOMPARE(f_->Combo("ComboHeader")->currentText(), QStringLiteral("付加しない"));
    QCOMPARE(f_->Combo("ComboHeader")->count(), 6);
    QCOMPARE(f_->Combo("ComboKind")->count(), 34);
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), -1);
    QCOMPARE(f_->Combo("ComboKind")->itemText(17), QStringLiteral("カ行五段"));
    QCOMPARE(f_->Pages()->currentIndex(), 0);
    QVERIFY(f_->prompts.messages.empty());
  }

  void layoutAndFonts() {
    QTabWidget* pages = f_->Pages();
    QCOMPARE(pages->tabPosition(), QTabWidget::South);
    QCOMPARE(pages->tabText(0), QStringLiteral("単語の一覧"));
    QCOMPARE(pages->tabText(1), QStringLiteral("辞書の情報"));
    QVERIFY(!pages->isTabVisible(2));
    QVERIFY(!pages->tabBar()->isTabEnabled(2));
    // Progress bar and status bar lie over the bottom strip, right of the two tabs.
    auto* progress = f_->Find<QProgressBar>("ProgressBar");
    auto* status = f_->Find<QStatusBar>("StatusBar");
    QCOMPARE(progress->geometry(), QRect(150, 333, 150, 17));
    QCOMPARE(status->geometry(), QRect(300, 331, 210, 19));
    const QRect tabs = pages->tabBar()->tabRect(0).united(pages->tabBar()->tabRect(1));
    QVERIFY2(pages->tabBar()->mapTo(f_->window->centralWidget(), tabs.topRight()).x() < 150,
             "the tabs run under the progress bar");
    QCOMPARE(f_->Edit("EditYomi")->geometry(), QRect(20, 0, 105, 20));
    QCOMPARE(f_->Edit("EditName")->geometry(), QRect(75, 5, 410, 20));

    QCOMPARE(f_->window->font().family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(f_->window->font().pixelSize(), 12);
    for (const char* name : {"EditYomi", "EditGoku", "EditDate"}) {
      QCOMPARE(f_->Edit(name)->font().family(), QStringLiteral("IPAGothic"));
    }
    QCOMPARE(f_->List()->font().family(), QStringLiteral("IPAGothic"));
    QCOMPARE(f_->Combo("ComboHeader")->font().family(), QStringLiteral("IPAGothic"));
    QCOMPARE(f_->Edit("EditName")->font().family(), QStringLiteral("IPAPGothic"));
    QVERIFY(!f_->Edit("EditDate")->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!f_->Edit("EditCount")->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(f_->Edit("EditName")->testAttribute(Qt::WA_InputMethodEnabled));
  }

  void resizeKeepsAnchors() {
    const auto x = [this](const char* name) { return f_->Find<QWidget>(name)->x(); };
    const auto width = [this](const char* name) { return f_->Find<QWidget>(name)->width(); };
    QCOMPARE(width("EditGoku"), 175);
    const int kindX = x("ComboKind");
    const int changeX = x("ButtonChange");
    const int nowX = x("ButtonNow");
    const int listWidth = width("ListView");
    const int yomiWidth = width("EditYomi");
    f_->window->resize(f_->window->width() + 100, f_->window->height() + 40);
    QTest::qWait(0);
    QCOMPARE(width("EditGoku"), 275);
    QCOMPARE(width("ListView"), listWidth + 100);
    QCOMPARE(width("EditYomi"), yomiWidth);
    QCOMPARE(x("ComboKind"), kindX + 100);
    QCOMPARE(x("ButtonChange"), changeX + 100);
    f_->Pages()->setCurrentIndex(1);  // a hidden page gets its new size when it is shown
    QCOMPARE(width("EditName"), 510);
    QCOMPARE(x("ButtonNow"), nowX + 100);
    QCOMPARE(f_->Find<QProgressBar>("ProgressBar")->geometry(), QRect(150, 373, 150, 17));
    QCOMPARE(f_->Find<QStatusBar>("StatusBar")->geometry(), QRect(300, 371, 310, 19));
  }

  void menuCommands_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto row = [](const char* n, const char* c, QKeySequence k = {}) {
      QTest::newRow(n) << QString::fromLatin1(n) << QString::fromUtf8(c) << k;
    };
    row("KeyNew", "新規(&N)", QKeySequence(Qt::CTRL | Qt::Key_N));
    row("KeyOpen", "開く(&O)", QKeySequence(Qt::CTRL | Qt::Key_O));
    row("KeySave", "保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S));
    row("KeyImportCSV", "CSV形式(&C)");
    row("KeyImportPBX", "PBX形式(&P)");
    row("KeyExportCSV", "CSV形式(&C)");
    row("KeyExportPBX", "PBX形式(&P)");
    row("KeyExit", "終了(&X)", QKeySequence(Qt::ALT | Qt::Key_F4));
    row("KeyFind", "読みで検索(&F)", QKeySequence(Qt::CTRL | Qt::Key_F));
    row("KeyFindNext", "次を検索(&N)", QKeySequence(Qt::Key_F3));
    row("KeyBarAdd", "母音にして追加(&A)");
    row("KeyBarChange", "母音に変更(&C)");
    row("KeyDelMulti", "重複を削除(&M)");
    row("KeyCut", "切り取り(&T)");
    row("KeyCopy", "コピー(&C)");
    row("KeyPaste", "貼り付け(&P)");
    row("KeyDelete", "削除(&D)");
    row("KeySelectAll", "すべて選択(&A)");
    row("KeyCut2", "切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X));
    row("KeyCopy2", "コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C));
    row("KeyPaste2", "貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V));
    row("KeyDelete2", "削除(&D)", QKeySequence(Qt::Key_Delete));
    row("KeySelectAll2", "すべて選択(&A)", QKeySequence(Qt::CTRL | Qt::Key_A));
  }

  void menuCommands() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QAction* action = f_->Action(name.toLatin1().constData());
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->shortcutContext(),
             name.endsWith(QLatin1Char('2')) ? Qt::WidgetShortcut : Qt::WindowShortcut);
  }

  void menuTitles() {
    QCOMPARE(f_->Find<QMenu>("KeyFile")->title(), QStringLiteral("ファイル(&F)"));
    QCOMPARE(f_->Find<QMenu>("KeyEdit")->title(), QStringLiteral("編集(&E)"));
    QCOMPARE(f_->Find<QMenu>("KeyImport")->title(), QStringLiteral("インポート(&I)"));
    QCOMPARE(f_->Find<QMenu>("KeyExport")->title(), QStringLiteral("エクスポート(&E)"));
    QCOMPARE(f_->Find<QMenu>("KeyBar")->title(), QStringLiteral("伸ばし棒(&B)"));
  }

  void closeWithoutChangesAsksNothing() {
    QVERIFY(f_->window->close());
    QVERIFY(f_->prompts.messages.empty());
  }

  void closeAfterAdd_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saveDialog");
    QTest::newRow("cancel") << int(Answer::kCancel) << false << false;
    QTest::newRow("no") << int(Answer::kNo) << true << false;
    QTest::newRow("yes, save cancelled") << int(Answer::kYes) << false << true;
  }

  void closeAfterAdd() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saveDialog);
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    QVERIFY(f_->Doc().modified());
    f_->prompts.answers = {static_cast<Answer>(answer)};
    f_->prompts.files = {std::nullopt};
    QCOMPARE(f_->window->close(), closes);
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text,
             QStringLiteral("辞書データは変更されています。\n保存しますか？"));
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("終了"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kQuestionYesNoCancel);
    QCOMPARE(f_->prompts.fileDialogs.size(), saveDialog ? 1u : 0u);
    if (!closes) {
      QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｱｲ")});
      QVERIFY(f_->Doc().modified());
    }
  }

  void exitGoesThroughTheQuestion() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->prompts.answers = {Answer::kCancel};
    f_->Action("KeyExit")->trigger();
    QVERIFY(f_->window->isVisible());
    QCOMPARE(f_->prompts.messages.size(), 1u);
  }

  void newAfterAddWithNo() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"), 1);
    f_->Edit("EditName")->setText(QStringLiteral("私の辞書"));
    f_->Combo("ComboHeader")->setCurrentIndex(1);
    f_->Pages()->setCurrentIndex(1);
    f_->prompts.answers = {Answer::kNo};
    f_->Action("KeyNew")->trigger();
    QCOMPARE(f_->Doc().words().size(), 0u);
    QVERIFY(!f_->Doc().modified());
    QCOMPARE(f_->Edit("EditName")->text(), QStringLiteral("辞書"));
    QCOMPARE(f_->Combo("ComboHeader")->currentText(), QStringLiteral("付加しない"));
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("0"));
    QCOMPARE(f_->Pages()->currentIndex(), 0);
    QCOMPARE(f_->Combo("ComboKind")->currentIndex(), 1);  // the kind box keeps its choice
  }

  void infoEditsDoNotCount() {
    f_->Edit("EditName")->setText(QStringLiteral("別名"));
    QVERIFY(!f_->Doc().modified());
    QVERIFY(f_->window->close());
    QVERIFY(f_->prompts.messages.empty());
  }

  void delDependsOnFocus() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    QLineEdit* yomi = f_->Edit("EditYomi");
    yomi->setText(QStringLiteral("ｱｲｳ"));
    yomi->setFocus();
    yomi->setCursorPosition(0);
    WindowFixture::Key(yomi, Qt::Key_Delete);
    QCOMPARE(yomi->text(), QStringLiteral("ｲｳ"));
    QCOMPARE(f_->Doc().words().size(), 2u);

    f_->ClickRow(0);
    f_->List()->setFocus();
    WindowFixture::Key(f_->List(), Qt::Key_Delete);
    QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｶｷ")});
  }

  void popupShortcutsOnlyInTheList() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    QLineEdit* goku = f_->Edit("EditGoku");
    goku->setText(QStringLiteral("漢字"));
    goku->setFocus();
    WindowFixture::Key(goku, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(goku->selectedText(), QStringLiteral("漢字"));
    QVERIFY(f_->SelectedRows() == QList<int>{0});  // the added row, nothing more

    f_->ClickRow(0, Qt::ControlModifier);  // deselect
    QVERIFY(f_->SelectedRows().isEmpty());
    f_->List()->setFocus();
    WindowFixture::Key(f_->List(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
  }

  void enterAddsOnTheWordPageOnly() {
    QLineEdit* yomi = f_->Edit("EditYomi");
    yomi->setText(QStringLiteral("ｱｲ"));
    f_->Edit("EditGoku")->setText(QStringLiteral("愛"));
    yomi->setFocus();
    WindowFixture::Key(yomi, Qt::Key_Return);
    QCOMPARE(f_->Readings(), QStringList{QStringLiteral("ｱｲ")});

    f_->Pages()->setCurrentIndex(1);
    f_->Edit("EditYomi")->setText(QStringLiteral("ｶｷ"));
    f_->Edit("EditGoku")->setText(QStringLiteral("柿"));
    QLineEdit* name = f_->Edit("EditName");
    name->setFocus();
    WindowFixture::Key(name, Qt::Key_Return);
    QCOMPARE(f_->Doc().words().size(), 1u);
  }

  void editMenuEnabling() {
    for (const char* name : {"KeyCut", "KeyCopy", "KeyDelete", "KeyCut2", "KeyDelete2"}) {
      QVERIFY2(f_->Action(name)->isEnabled(), name);  // all enabled before the first look
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("ｱｲ,愛"));
    emit f_->Find<QMenu>("KeyEdit")->aboutToShow();
    for (const char* name :
         {"KeyCut", "KeyCopy", "KeyDelete", "KeyCut2", "KeyCopy2", "KeyDelete2"}) {
      QVERIFY2(!f_->Action(name)->isEnabled(), name);
    }
    QVERIFY(f_->Action("KeyPaste")->isEnabled());
    QVERIFY(f_->Action("KeyPaste2")->isEnabled());
    QVERIFY(f_->Action("KeySelectAll2")->isEnabled());

    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    // The state stays until the next look: Del in the list does nothing yet.
    f_->List()->setFocus();
    WindowFixture::Key(f_->List(), Qt::Key_Delete);
    QCOMPARE(f_->Doc().words().size(), 1u);
    f_->window->KeyEditClick();
    QVERIFY(f_->Action("KeyDelete2")->isEnabled());
    WindowFixture::Key(f_->List(), Qt::Key_Delete);
    QCOMPARE(f_->Doc().words().size(), 0u);
  }

  void pageChangeRefreshesTheCount() {
    f_->AddWord(QStringLiteral("ｱｲ"), QStringLiteral("愛"));
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("0"));
    QTabBar* bar = f_->Pages()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(f_->Pages()->currentIndex(), 1);
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("2"));
  }

 private:
  std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
