// Builds the main window's widgets, menus and fixed layout, and names every widget and
// menu item so that handlers and tests find them. No behaviour is connected here.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include "app/word_list_view.h"

namespace kz::app {

inline constexpr int kPageVocabulary = 0;
inline constexpr int kPageInfo = 1;
inline constexpr int kPageError = 2;

struct WindowUi {
  QTabWidget* pageControl;
  QWidget* tabVocabulary;
  QWidget* tabInfo;
  QWidget* tabError;

  QWidget* panelTop;
  QLineEdit* editYomi;
  QLineEdit* editGoku;
  QComboBox* comboKind;
  QPushButton* buttonAdd;
  QPushButton* buttonChange;
  WordListView* listView;

  QLineEdit* editName;
  QLineEdit* editAuthor;
  QLineEdit* editDate;
  QPushButton* buttonNow;
  QLineEdit* editCount;
  QPushButton* buttonSetCount;
  QComboBox* comboHeader;

  QLabel* panelError;
  QPlainTextEdit* memoError;

  QProgressBar* progressBar;
  QStatusBar* statusBar;

  QMenu* keyFile;
  QAction* keyNew;
  QAction* keyOpen;
  QAction* keySave;
  QAction* keyImportCsv;
  QAction* keyImportPbx;
  QAction* keyExportCsv;
  QAction* keyExportPbx;
  QAction* keyExit;

  QMenu* keyEdit;
  QAction* keyFind;
  QAction* keyFindNext;
  QAction* keyBarAdd;
  QAction* keyBarChange;
  QAction* keyDelMulti;
  QAction* keyCut;
  QAction* keyCopy;
  QAction* keyPaste;
  QAction* keyDelete;
  QAction* keySelectAll;

  QMenu* popupMenu;
  QAction* keyCut2;
  QAction* keyCopy2;
  QAction* keyPaste2;
  QAction* keyDelete2;
  QAction* keySelectAll2;
};

// "ＭＳ Ｐゴシック" and "ＭＳ ゴシック" of the layout, 12 pixels high.
QFont WindowFont();
QFont FixedFont();

// Creates everything inside `window` (central widget, menu bar, pop-up menu) and sets
// the client area to 510 × 350.
WindowUi BuildWindowUi(QMainWindow& window);

}  // namespace kz::app
