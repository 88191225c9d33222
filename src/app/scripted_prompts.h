// Prompts that answer from queues and record what was asked, for tests of the window.
//
// Questions (Yes/No boxes) take the next answer of `answers`; boxes with only OK need none.
// File dialogs take the next entry of `files`, text queries of `texts` (nullopt: cancelled).
// A question asked with its queue empty counts in `unexpected` and is answered as closed.
#pragma once

#include <deque>
#include <vector>

#include "app/prompts.h"

namespace kz::app {

struct AskedMessage {
  QString text;
  QString caption;
  MessageStyle style;
};

struct AskedFile {
  FileDialogRequest request;
  bool save = false;
};

class ScriptedPrompts final : public Prompts {
 public:
  Answer Message(const QString& text, const QString& caption, MessageStyle style) override;
  std::optional<QString> OpenFile(const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(const FileDialogRequest& request) override;
  std::optional<QString> Text(const TextQuery& query) override;

  std::deque<Answer> answers;
  std::deque<std::optional<QString>> files;
  std::deque<std::optional<QString>> texts;

  std::vector<AskedMessage> messages;
  std::vector<AskedFile> fileDialogs;
  std::vector<TextQuery> textQueries;
  int unexpected = 0;

  // Forgets what was asked (the queues stay).
  void ClearRecord();
};

}  // namespace kz::app
