#include "app/scripted_prompts.h"

namespace kz::app {
namespace {

std::optional<QString> TakeFront(std::deque<std::optional<QString>>& queue, int& unexpected) {
  if (queue.empty()) {
    ++unexpected;
    return std::nullopt;
  }
  const bool given = queue.front().has_value();
  const QString value = given ? *queue.front() : QString();
  queue.pop_front();
  if (!given) return std::nullopt;
  return value;
}

}  // namespace

Answer ScriptedPrompts::Message(const QString& text, const QString& caption, MessageStyle style) {
  messages.push_back({text, caption, style});
  if (style == MessageStyle::kErrorOk || style == MessageStyle::kInformationOk) {
    return Answer::kOk;
  }
  if (answers.empty()) {
    ++unexpected;
    return style == MessageStyle::kQuestionYesNoCancel ? Answer::kCancel : Answer::kNo;
  }
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<QString> ScriptedPrompts::OpenFile(const FileDialogRequest& request) {
  fileDialogs.push_back({request, false});
  return TakeFront(files, unexpected);
}

std::optional<QString> ScriptedPrompts::SaveFile(const FileDialogRequest& request) {
  fileDialogs.push_back({request, true});
  return TakeFront(files, unexpected);
}

std::optional<QString> ScriptedPrompts::Text(const TextQuery& query) {
  textQueries.push_back(query);
  return TakeFront(texts, unexpected);
}

void ScriptedPrompts::ClearRecord() {
  messages.clear();
  fileDialogs.clear();
  textQueries.clear();
  unexpected = 0;
}

}  // namespace kz::app
