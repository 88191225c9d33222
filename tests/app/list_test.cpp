// The whole-list commands as the window shows them: the find sequence with its query and
// end message, and the duplicate-removal message. Their rules are the core's.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "window_fixture.h"

using kz::app::MessageStyle;
using kz::app::testing::WindowFixture;

class ListTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<WindowFixture>(); }
  void cleanup() { f_.reset(); }

  void findSequence() {
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    f_->AddWord(QStringLiteral("ｶﾞ"), QStringLiteral("蛾"));
    f_->AddWord(QStringLiteral("ｷｸ"), QStringLiteral("菊"));
    f_->prompts.texts = {QStringLiteral("か")};
    f_->Action("KeyFind")->trigger();
    QCOMPARE(f_->prompts.textQueries.size(), 1u);
    QCOMPARE(f_->prompts.textQueries[0].caption, QStringLiteral("読みの検索"));
    QCOMPARE(f_->prompts.textQueries[0].prompt, QStringLiteral("検索文字列"));
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
    QCOMPARE(f_->Edit("EditYomi")->text(), QStringLiteral("ｶｷ"));
    f_->Action("KeyFindNext")->trigger();
    QCOMPARE(f_->SelectedRows(), QList<int>{1});
    f_->Action("KeyFindNext")->trigger();
    QVERIFY(f_->SelectedRows().isEmpty());
    QVERIFY(f_->Edit("EditYomi")->text().isEmpty());
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text, QStringLiteral("最後まで検索しました"));
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("検索"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kInformationOk);
    f_->Action("KeyFindNext")->trigger();
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
    QCOMPARE(f_->prompts.textQueries.size(), 1u);  // the text was kept
  }

  void cancelledFindChangesNothing() {
    f_->AddWord(QStringLiteral("ｶｷ"), QStringLiteral("柿"));
    f_->prompts.texts = {std::nullopt, QString()};
    f_->Action("KeyFind")->trigger();
    f_->Action("KeyFindNext")->trigger();
    QCOMPARE(f_->prompts.textQueries.size(), 2u);
    QCOMPARE(f_->SelectedRows(), QList<int>{0});
    QVERIFY(f_->prompts.messages.empty());
  }

  void duplicateRemovalMessage() {
    QGuiApplication::clipboard()->setText(
        QStringLiteral("ｱｲ,愛,1\nｱｲ,愛,1\nｱｲ,藍,1\nｱｲ,愛,2\nｱｲ,愛,1\n"));
    f_->Action("KeyPaste")->trigger();
    f_->prompts.ClearRecord();
    f_->Action("KeyDelMulti")->trigger();
    QCOMPARE(f_->Doc().words().size(), 3u);
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("3"));
    QCOMPARE(f_->prompts.messages.size(), 1u);
    QCOMPARE(f_->prompts.messages[0].text, QStringLiteral("2件の重複を削除しました"));
    QCOMPARE(f_->prompts.messages[0].caption, QStringLiteral("重複を削除"));
    QCOMPARE(f_->prompts.messages[0].style, MessageStyle::kInformationOk);
    f_->Action("KeyDelMulti")->trigger();
    QCOMPARE(f_->prompts.messages.back().text, QStringLiteral("0件の重複を削除しました"));
  }

  void vowelCommandsRefreshTheCount() {
    f_->AddWord(QStringLiteral("ｽｰﾊﾟｰ"), QStringLiteral("スーパー"));
    f_->Action("KeyBarAdd")->trigger();
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｽｰﾊﾟｰ"), QStringLiteral("ｽｳﾊﾟｱ")}));
    QCOMPARE(f_->Edit("EditCount")->text(), QStringLiteral("2"));
    f_->Action("KeyBarChange")->trigger();
    QCOMPARE(f_->Readings(), (QStringList{QStringLiteral("ｽｳﾊﾟｱ"), QStringLiteral("ｽｳﾊﾟｱ")}));
  }

 private:
  std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(ListTest)
#include "list_test.moc"
