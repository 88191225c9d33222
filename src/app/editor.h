// What the window's command groups share: the document and its view, the prompts, the
// progress bar, the information page, and the window-level operations several commands
// run (the unsaved-changes question, New, the count refresh, showing a page, importing
// word lines, showing a row in the entry fields). Widgets are built elsewhere; handlers
// are wired by MainWindow.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "app/field_bytes.h"
#include "app/info_page.h"
#include "app/progress_bar_progress.h"
#include "app/prompts.h"
#include "app/selection_adapter.h"
#include "app/window_layout.h"
#include "app/word_list_model.h"
#include "dictionary/document.h"

namespace kz::app {

class Editor {
 public:
  Editor(WindowUi& ui, Prompts& prompts);

  Document& doc() { return doc_; }
  const Document& doc() const { return doc_; }
  WindowUi& ui() { return ui_; }
  Prompts& prompts() { return prompts_; }
  WordListModel& model() { return model_; }
  SelectionAdapter& selection() { return selection_; }
  Progress& progress() { return progress_; }
  FieldBytes& fields() { return fields_; }
  InfoPage& info() { return info_; }

  // The Save command, run by the unsaved-changes question's Yes.
  void SetSaveCommand(std::function<void()> save) { save_ = std::move(save); }

  // The unsaved-changes question itself ("終了", Yes/No/Cancel, Yes default).
  Answer AskUnsaved();
  // Asks the unsaved-changes question when Modified is set. True when the asking operation
  // may go on: nothing was modified, the answer was No, or Yes and the save succeeded.
  bool ResolveUnsavedChanges();
  // New without its question.
  void ResetDocument();
  // New (KeyNewClick): false when the question stopped it.
  bool New();

  // PageControlChange: the count field shows the number of rows.
  void RefreshCount();
  // Makes page `index` the shown one without counting as the user's page change.
  void ShowPage(int index);
  bool changingPage() const { return changingPage_; }

  // Runs a bulk change of the list inside one model reset, keeping the scroll position.
  void Bulk(const std::function<void()>& change);

  // ListViewSelectItem for the events a selection change made.
  void ApplySelection(const SelectionEffect& effect);
  void ShowEntry(std::size_t row);
  void ClearEntry();
  // A command made `row` the only selected row: repaint, show it, scroll to it.
  void SelectedByCommand(std::size_t row, bool hadSelection);

  // ImportLines: appends the lines that give words, shows the rejected ones on the errors
  // page and asks whether to show it. `asGiven` holds, by index, lines that came as text
  // code page 932 cannot hold; their entry in `lines` is empty (a line that is rejected)
  // and the errors page shows them as they came.
  void ImportLines(const std::vector<SjisString>& lines,
                   const std::map<std::size_t, QString>& asGiven = {});

  // An error box, caption "エラー".
  void ShowError(const QString& text);

 private:
  WindowUi& ui_;
  Prompts& prompts_;
  Document doc_;
  WordListModel model_;
  SelectionAdapter selection_;
  ProgressBarProgress progress_;
  FieldBytes fields_;
  InfoPage info_;
  std::function<void()> save_;
  bool changingPage_ = false;
};

}  // namespace kz::app
