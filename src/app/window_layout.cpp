#include "app/window_layout.h"

#include <QMenuBar>
#include <QTabBar>

#include "aad/aad_file.h"
#include "app/anchor_layout.h"
#include "app/hidden_tab_style.h"
#include "app/sjis_validator.h"
#include "dictionary/kinds.h"

namespace kz::app {
namespace {

constexpr QSize kClient{510, 350};
// A page of the page control at that client size (the control's frame takes the rest).
constexpr QSize kPage{506, 329};
constexpr int kLabelHeight = 14;

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
  auto* label = Named(new QLabel(text, parent), name);
  if (buddy != nullptr) label->setBuddy(buddy);
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, std::size_t limit) {
  auto* edit = Named(new QLineEdit(parent), name);
  edit->setValidator(new SjisValidator(limit, edit));
  return edit;
}

// The system's input method for Japanese stays off while the field has the focus.
void SwitchOffInputMethod(QWidget* w) {
  w->setAttribute(Qt::WA_InputMethodEnabled, false);
  w->setInputMethodHints(Qt::ImhLatinOnly);
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {}) {
  auto* action = Named(menu->addAction(caption), name);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

void Separator(QMenu* menu, const char* name) { Named(menu->addSeparator(), name); }

void BuildVocabulary(WindowUi& ui) {
  QWidget* page = ui.tabVocabulary;
  auto* pageAnchors = new AnchorSet(page, kPage);
  ui.panelTop = Named(new QWidget(page), "PanelTop");
  auto* top = new AnchorSet(ui.panelTop, {kPage.width(), 25});

  ui.editYomi = MakeEdit(ui.panelTop, "EditYomi", 16);
  ui.editGoku = MakeEdit(ui.panelTop, "EditGoku", 50);
  ui.comboKind = Named(new QComboBox(ui.panelTop), "ComboKind");
  for (int i = 0; i < kKindCount; ++i) {
    ui.comboKind->addItem(
        QString::fromUtf8(KindName(i).data(), static_cast<qsizetype>(KindName(i).size())));
  }
  ui.comboKind->setCurrentIndex(-1);
  ui.comboKind->setMaxVisibleItems(kKindCount);
  ui.buttonAdd = Named(new QPushButton(QStringLiteral("追加"), ui.panelTop), "ButtonAdd");
  ui.buttonChange = Named(new QPushButton(QStringLiteral("変更"), ui.panelTop), "ButtonChange");
  // A focused button takes Enter, as the window's buttons do on their platform.
  ui.buttonAdd->setAutoDefault(true);
  ui.buttonChange->setAutoDefault(true);
  ui.editYomi->setFont(FixedFont());
  ui.editGoku->setFont(FixedFont());

  top->Add(MakeLabel(ui.panelTop, "LabelYomi", QStringLiteral("読"), ui.editYomi),
           {5, 5, 13, kLabelHeight}, kTopLeft);
  top->Add(ui.editYomi, {20, 0, 105, 20}, kTopLeft);
  top->Add(MakeLabel(ui.panelTop, "LabelGoku", QStringLiteral("語"), ui.editGoku),
           {130, 5, 13, kLabelHeight}, kTopLeft);
  top->Add(ui.editGoku, {145, 0, 175, 20}, kTopStretch);
  top->Add(MakeLabel(ui.panelTop, "LabelKind", QStringLiteral("種"), ui.comboKind),
           {325, 5, 13, kLabelHeight}, kTopRight);
  top->Add(ui.comboKind, {340, 0, 70, 20}, kTopRight);
  top->Add(ui.buttonAdd, {415, 0, 40, 20}, kTopRight);
  top->Add(ui.buttonChange, {460, 0, 40, 20}, kTopRight);

  ui.listView = Named(new WordListView(page), "ListView");
  ui.listView->setFont(FixedFont());
  pageAnchors->Add(ui.panelTop, {0, 0, kPage.width(), 25}, kTopStretch);
  pageAnchors->Add(ui.listView, {0, 25, kPage.width(), kPage.height() - 25}, kFill);
}

void BuildInfo(WindowUi& ui) {
  QWidget* page = ui.tabInfo;
  auto* anchors = new AnchorSet(page, kPage);
  ui.editName = MakeEdit(page, "EditName", aad::kNameField);
  ui.editAuthor = MakeEdit(page, "EditAuthor", aad::kAuthorField);
  ui.editDate = MakeEdit(page, "EditDate", aad::kDateField);
  ui.buttonNow = Named(new QPushButton(QStringLiteral("今"), page), "ButtonNow");
  ui.editCount = Named(new QLineEdit(page), "EditCount");
  ui.buttonSetCount = Named(new QPushButton(QStringLiteral("切詰"), page), "ButtonSetCount");
  auto* bevel = Named(new QFrame(page), "Bevel1");
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  ui.comboHeader = Named(new QComboBox(page), "ComboHeader");
  ui.comboHeader->setEditable(true);
  ui.comboHeader->setInsertPolicy(QComboBox::NoInsert);
  ui.comboHeader->addItem(QStringLiteral("付加しない"));
  for (const char* code : aad::kMakerCodes) ui.comboHeader->addItem(QLatin1String(code));
  ui.comboHeader->lineEdit()->setValidator(new SjisValidator(5, ui.comboHeader));
  ui.comboHeader->setFont(FixedFont());
  ui.editDate->setFont(FixedFont());
  SwitchOffInputMethod(ui.editDate);
  SwitchOffInputMethod(ui.editCount);
  SwitchOffInputMethod(ui.comboHeader);
  SwitchOffInputMethod(ui.comboHeader->lineEdit());

  struct Field {
    const char* label;
    QString caption;
    QWidget* field;
    int top;
  };
  const Field fields[] = {
      {"LabelName", QStringLiteral("辞書名(&N)"), ui.editName, 5},
      {"LabelAuthor", QStringLiteral("作者名(&A)"), ui.editAuthor, 35},
      {"LabelDate", QStringLiteral("作成日時(&D)"), ui.editDate, 65},
      {"LabelCount", QStringLiteral("単語数(&C)"), ui.editCount, 95},
  };
  for (const Field& f : fields) {
    auto* label = MakeLabel(page, f.label, f.caption, f.field);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    anchors->Add(label, {5, f.top + 5, 65, kLabelHeight}, kTopLeft);
  }
  // Linked to no control: its access key is drawn but does nothing.
  auto* header = MakeLabel(page, "LabelHeader", QStringLiteral("DLヘッダ(<u>H</u>)"), nullptr);
  header->setTextFormat(Qt::RichText);
  header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  anchors->Add(header, {5, 140, 65, kLabelHeight}, kTopLeft);

  anchors->Add(ui.editName, {75, 5, 410, 20}, kTopStretch);
  anchors->Add(ui.editAuthor, {75, 35, 410, 20}, kTopStretch);
  anchors->Add(ui.editDate, {75, 65, 385, 20}, kTopStretch);
  anchors->Add(ui.buttonNow, {460, 65, 25, 20}, kTopRight);
  anchors->Add(ui.editCount, {75, 95, 370, 20}, kTopStretch);
  anchors->Add(ui.buttonSetCount, {445, 95, 40, 20}, kTopRight);
  anchors->Add(bevel, {5, 125, 480, 2}, kTopLeft);
  anchors->Add(ui.comboHeader, {75, 135, 100, 20}, kTopLeft);

  QWidget::setTabOrder(ui.editName, ui.editAuthor);
  QWidget::setTabOrder(ui.editAuthor, ui.editDate);
  QWidget::setTabOrder(ui.editDate, ui.buttonNow);
  QWidget::setTabOrder(ui.buttonNow, ui.editCount);
  QWidget::setTabOrder(ui.editCount, ui.buttonSetCount);
  QWidget::setTabOrder(ui.buttonSetCount, ui.comboHeader);
}

void BuildError(WindowUi& ui) {
  QWidget* page = ui.tabError;
  auto* anchors = new AnchorSet(page, kPage);
  ui.panelError = Named(new QLabel(QStringLiteral("追加できなかったリスト"), page), "PanelError");
  ui.panelError->setAlignment(Qt::AlignCenter);
  ui.memoError = Named(new QPlainTextEdit(page), "MemoError");
  ui.memoError->setFont(FixedFont());
  ui.memoError->setLineWrapMode(QPlainTextEdit::NoWrap);
  ui.memoError->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ui.memoError->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ui.memoError->setTabChangesFocus(false);
  anchors->Add(ui.panelError, {0, 0, kPage.width(), 25}, kTopStretch);
  anchors->Add(ui.memoError, {0, 25, kPage.width(), kPage.height() - 25}, kFill);
}

void BuildMenus(QMainWindow& window, WindowUi& ui) {
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));
  ui.keyFile = Named(bar->addMenu(QStringLiteral("ファイル(&F)")), "KeyFile");
  ui.keyNew = MakeAction(ui.keyFile, "KeyNew", QStringLiteral("新規(&N)"),
                         QKeySequence(Qt::CTRL | Qt::Key_N));
  ui.keyOpen = MakeAction(ui.keyFile, "KeyOpen", QStringLiteral("開く(&O)"),
                          QKeySequence(Qt::CTRL | Qt::Key_O));
  ui.keySave = MakeAction(ui.keyFile, "KeySave", QStringLiteral("保存(&S)"),
                          QKeySequence(Qt::CTRL | Qt::Key_S));
  Separator(ui.keyFile, "KeyBar01");
  QMenu* import = Named(ui.keyFile->addMenu(QStringLiteral("インポート(&I)")), "KeyImport");
  ui.keyImportCsv = MakeAction(import, "KeyImportCSV", QStringLiteral("CSV形式(&C)"));
  ui.keyImportPbx = MakeAction(import, "KeyImportPBX", QStringLiteral("PBX形式(&P)"));
  QMenu* exportMenu = Named(ui.keyFile->addMenu(QStringLiteral("エクスポート(&E)")), "KeyExport");
  ui.keyExportCsv = MakeAction(exportMenu, "KeyExportCSV", QStringLiteral("CSV形式(&C)"));
  ui.keyExportPbx = MakeAction(exportMenu, "KeyExportPBX", QStringLiteral("PBX形式(&P)"));
  Separator(ui.keyFile, "KeyBar02");
  ui.keyExit = MakeAction(ui.keyFile, "KeyExit", QStringLiteral("終了(&X)"),
                          QKeySequence(Qt::ALT | Qt::Key_F4));

  ui.keyEdit = Named(bar->addMenu(QStringLiteral("編集(&E)")), "KeyEdit");
  ui.keyFind = MakeAction(ui.keyEdit, "KeyFind", QStringLiteral("読みで検索(&F)"),
                          QKeySequence(Qt::CTRL | Qt::Key_F));
  ui.keyFindNext = MakeAction(ui.keyEdit, "KeyFindNext", QStringLiteral("次を検索(&N)"),
                              QKeySequence(Qt::Key_F3));
  QMenu* vowels = Named(ui.keyEdit->addMenu(QStringLiteral("伸ばし棒(&B)")), "KeyBar");
  ui.keyBarAdd = MakeAction(vowels, "KeyBarAdd", QStringLiteral("母音にして追加(&A)"));
  ui.keyBarChange = MakeAction(vowels, "KeyBarChange", QStringLiteral("母音に変更(&C)"));
  ui.keyDelMulti = MakeAction(ui.keyEdit, "KeyDelMulti", QStringLiteral("重複を削除(&M)"));
  Separator(ui.keyEdit, "KeyBar11");
  ui.keyCut = MakeAction(ui.keyEdit, "KeyCut", QStringLiteral("切り取り(&T)"));
  ui.keyCopy = MakeAction(ui.keyEdit, "KeyCopy", QStringLiteral("コピー(&C)"));
  ui.keyPaste = MakeAction(ui.keyEdit, "KeyPaste", QStringLiteral("貼り付け(&P)"));
  ui.keyDelete = MakeAction(ui.keyEdit, "KeyDelete", QStringLiteral("削除(&D)"));
  Separator(ui.keyEdit, "KeyBar12");
  ui.keySelectAll = MakeAction(ui.keyEdit, "KeySelectAll", QStringLiteral("すべて選択(&A)"));

  // The pop-up menu's shortcuts belong to the word list: they act only while it has the
  // focus, and the entry fields keep Ctrl+X/C/V, Del and Ctrl+A for editing text.
  ui.popupMenu = Named(new QMenu(&window), "PopupMenu");
  ui.keyCut2 = MakeAction(ui.popupMenu, "KeyCut2", QStringLiteral("切り取り(&T)"),
                          QKeySequence(Qt::CTRL | Qt::Key_X));
  ui.keyCopy2 = MakeAction(ui.popupMenu, "KeyCopy2", QStringLiteral("コピー(&C)"),
                           QKeySequence(Qt::CTRL | Qt::Key_C));
  ui.keyPaste2 = MakeAction(ui.popupMenu, "KeyPaste2", QStringLiteral("貼り付け(&P)"),
                            QKeySequence(Qt::CTRL | Qt::Key_V));
  ui.keyDelete2 = MakeAction(ui.popupMenu, "KeyDelete2", QStringLiteral("削除(&D)"),
                             QKeySequence(Qt::Key_Delete));
  Separator(ui.popupMenu, "KeyBar1");
  ui.keySelectAll2 = MakeAction(ui.popupMenu, "KeySelectAll2", QStringLiteral("すべて選択(&A)"),
                                QKeySequence(Qt::CTRL | Qt::Key_A));
  for (QAction* a : {ui.keyCut2, ui.keyCopy2, ui.keyPaste2, ui.keyDelete2, ui.keySelectAll2}) {
    a->setShortcutContext(Qt::WidgetShortcut);
    ui.listView->addAction(a);
  }
}

}  // namespace

QFont WindowFont() {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  return font;
}

QFont FixedFont() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(12);
  return font;
}

WindowUi BuildWindowUi(QMainWindow& window) {
  WindowUi ui{};
  window.setWindowTitle(QStringLiteral("Kazamori"));
  window.setFont(WindowFont());

  auto* central = Named(new QWidget(&window), "Client");
  window.setCentralWidget(central);
  auto* anchors = new AnchorSet(central, kClient);

  ui.pageControl = Named(new QTabWidget(central), "PageControl");
  ui.pageControl->setTabPosition(QTabWidget::South);
  auto* tabStyle = new HiddenTabStyle();
  tabStyle->setParent(ui.pageControl->tabBar());
  ui.pageControl->tabBar()->setStyle(tabStyle);
  ui.tabVocabulary = Named(new QWidget, "TabVocabulary");
  ui.tabInfo = Named(new QWidget, "TabInfo");
  ui.tabError = Named(new QWidget, "TabError");
  ui.pageControl->addTab(ui.tabVocabulary, QStringLiteral("単語の一覧"));
  ui.pageControl->addTab(ui.tabInfo, QStringLiteral("辞書の情報"));
  ui.pageControl->addTab(ui.tabError, QStringLiteral("エラー"));
  // The errors tab is never shown in the tab row, and neither Ctrl+Tab, the arrow keys nor
  // the wheel reach its page; only an import makes it the shown page.
  ui.pageControl->setTabVisible(kPageError, false);
  ui.pageControl->tabBar()->setTabEnabled(kPageError, false);

  BuildVocabulary(ui);
  BuildInfo(ui);
  BuildError(ui);

  ui.progressBar = Named(new QProgressBar(central), "ProgressBar");
  ui.progressBar->setRange(0, 100);
  ui.progressBar->setValue(0);
  ui.progressBar->setTextVisible(false);
  ui.statusBar = Named(new QStatusBar(central), "StatusBar");

  anchors->Add(ui.pageControl, {0, 0, kClient.width(), kClient.height()}, kFill);
  anchors->Add(ui.progressBar, {150, 333, 150, 17}, Anchors(Anchor::kLeft) | Anchor::kBottom);
  anchors->Add(ui.statusBar, {300, 331, 210, 19},
               Anchors(Anchor::kLeft) | Anchor::kRight | Anchor::kBottom);
  ui.progressBar->raise();
  ui.statusBar->raise();

  BuildMenus(window, ui);
  window.resize(kClient.width(), kClient.height() + window.menuBar()->sizeHint().height());
  return ui;
}

}  // namespace kz::app
