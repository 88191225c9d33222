#include "app/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <exception>
#include <new>

namespace kz::app {
namespace {

std::optional<QString> FirstLocalFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return std::nullopt;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return std::nullopt;
}

bool IsEnter(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

MainWindow::MainWindow(Prompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      prompts_(prompts),
      ui_(BuildWindowUi(*this)),
      editor_(ui_, prompts),
      entry_(editor_),
      list_(editor_),
      files_(editor_),
      clipboard_(editor_, entry_) {
  SetUpListView();
  WireAll();
  editor_.SetSaveCommand([this] { files_.KeySaveClick(); });
  // FormCreate: a drop target, not modified, a new document. A file dropped anywhere on the
  // window reaches the window, not the text field under the mouse.
  for (QWidget* child : findChildren<QWidget*>()) child->setAcceptDrops(false);
  setAcceptDrops(true);
  Guard([this] {
    editor_.doc().setModified(false);
    editor_.New();
  });
}

void MainWindow::SetUpListView() {
  WordListView* view = ui_.listView;
  view->setModel(&editor_.model());
  view->SetAdapter(&editor_.selection(),
                   [this](const SelectionEffect& effect) { editor_.ApplySelection(effect); });
  QHeaderView* header = view->horizontalHeader();
  header->resizeSection(0, 105);
  header->resizeSection(1, 315);
  header->resizeSection(2, 60);
  QHeaderView* rows = view->verticalHeader();
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(QFontMetrics(view->font()).height() + 4);
}

void MainWindow::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::bad_alloc&) {
    ui_.progressBar->setValue(0);
    prompts_.Message(QStringLiteral("メモリが足りません"), QStringLiteral("Kazamori"),
                     MessageStyle::kErrorOk);
  } catch (const std::exception& error) {
    ui_.progressBar->setValue(0);
    prompts_.Message(QString::fromUtf8(error.what()), QStringLiteral("Kazamori"),
                     MessageStyle::kErrorOk);
  }
}

void MainWindow::Wire(QAction* action, std::function<void()> handler) {
  connect(action, &QAction::triggered, this, [this, handler] { Guard(handler); });
}

void MainWindow::Wire(QPushButton* button, std::function<void()> handler) {
  connect(button, &QPushButton::clicked, this, [this, handler] { Guard(handler); });
}

void MainWindow::WireAll() {
  Wire(ui_.keyNew, [this] { KeyNewClick(); });
  Wire(ui_.keyOpen, [this] { files_.KeyOpenClick(); });
  Wire(ui_.keySave, [this] { files_.KeySaveClick(); });
  Wire(ui_.keyImportCsv, [this] { files_.KeyImportCsvClick(); });
  Wire(ui_.keyImportPbx, [this] { files_.KeyImportPbxClick(); });
  Wire(ui_.keyExportCsv, [this] { files_.KeyExportCsvClick(); });
  Wire(ui_.keyExportPbx, [this] { files_.KeyExportPbxClick(); });
  Wire(ui_.keyExit, [this] { close(); });

  // The Edit menu's shortcuts (Ctrl+F, F3) act after the enabling has been evaluated.
  Wire(ui_.keyFind, [this] {
    KeyEditClick();
    list_.KeyFindClick();
  });
  Wire(ui_.keyFindNext, [this] {
    KeyEditClick();
    list_.KeyFindNextClick();
  });
  Wire(ui_.keyBarAdd, [this] { list_.KeyBarAddClick(); });
  Wire(ui_.keyBarChange, [this] { list_.KeyBarChangeClick(); });
  Wire(ui_.keyDelMulti, [this] { list_.KeyDelMultiClick(); });
  for (QAction* a : {ui_.keyCut, ui_.keyCut2}) Wire(a, [this] { clipboard_.KeyCutClick(); });
  for (QAction* a : {ui_.keyCopy, ui_.keyCopy2}) Wire(a, [this] { clipboard_.KeyCopyClick(); });
  for (QAction* a : {ui_.keyPaste, ui_.keyPaste2}) {
    Wire(a, [this] { clipboard_.KeyPasteClick(); });
  }
  for (QAction* a : {ui_.keyDelete, ui_.keyDelete2}) {
    Wire(a, [this] { entry_.KeyDeleteClick(); });
  }
  for (QAction* a : {ui_.keySelectAll, ui_.keySelectAll2}) {
    Wire(a, [this] { entry_.KeySelectAllClick(); });
  }
  connect(ui_.keyEdit, &QMenu::aboutToShow, this, [this] { Guard([this] { KeyEditClick(); }); });
  connect(ui_.listView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    Guard([this] { KeyEditClick(); });
    ui_.popupMenu->popup(ui_.listView->viewport()->mapToGlobal(pos));
  });

  Wire(ui_.buttonAdd, [this] { entry_.ButtonAddClick(); });
  Wire(ui_.buttonChange, [this] { entry_.ButtonChangeClick(); });
  Wire(ui_.buttonNow, [this] { editor_.info().ButtonNowClick(); });
  Wire(ui_.buttonSetCount, [this] { list_.ButtonSetCountClick(); });
  connect(ui_.pageControl, &QTabWidget::currentChanged, this, [this] {
    if (!editor_.changingPage()) Guard([this] { PageControlChange(); });
  });

  // Enter that no control on the word list page takes presses Add.
  ui_.tabVocabulary->installEventFilter(this);
  ui_.comboHeader->installEventFilter(this);
  ui_.comboHeader->lineEdit()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_.tabVocabulary && IsEnter(event)) {
    Guard([this] { entry_.ButtonAddClick(); });
    return true;
  }
  if ((watched == ui_.comboHeader || watched == ui_.comboHeader->lineEdit()) &&
      event->type() == QEvent::FocusOut) {
    // Leaving the box, not opening its list or switching to another window.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      Guard([this] { editor_.info().ComboHeaderExit(); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::KeyNewClick() { editor_.New(); }

void MainWindow::KeyEditClick() {
  const bool selected = editor_.doc().words().SelectedCount() > 0;
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  const bool text = mime != nullptr && mime->hasText();
  ui_.keyCut->setEnabled(selected);
  ui_.keyCopy->setEnabled(selected);
  ui_.keyDelete->setEnabled(selected);
  ui_.keyPaste->setEnabled(text);
  ui_.keyCut2->setEnabled(ui_.keyCut->isEnabled());
  ui_.keyCopy2->setEnabled(ui_.keyCopy->isEnabled());
  ui_.keyPaste2->setEnabled(ui_.keyPaste->isEnabled());
  ui_.keyDelete2->setEnabled(ui_.keyDelete->isEnabled());
}

void MainWindow::PageControlChange() { editor_.RefreshCount(); }

void MainWindow::OpenFromCommandLine(const QString& path) {
  Guard([&] { files_.OpenFromCommandLine(path); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // FormCloseQuery: New with its question; the window closes when nothing is left unsaved.
  bool allow = false;
  Guard([&] {
    editor_.New();
    allow = !editor_.doc().modified();
  });
  if (allow) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (FirstLocalFile(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const auto path = FirstLocalFile(event->mimeData());
  // The drop is finished whatever its handling does.
  event->acceptProposedAction();
  if (path) Guard([&] { files_.OpenDropped(*path); });
}

}  // namespace kz::app
