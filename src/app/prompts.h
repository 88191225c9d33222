// Every question, message and dialog of the editor goes through Prompts, so that the window
// tests answer them from a script instead of a nested event loop.
//
// The message styles carry the message-box flags that the program's boxes are known by; the
// real implementation (QtPrompts) maps them to QMessageBox buttons, icons and default
// buttons. File dialogs take the filter in the "description|pattern|..." form the commands
// are written with; QtNameFilters turns it into Qt's form.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kz::app {

enum class MessageStyle {
  kErrorOk = 16,                 // OK; error icon
  kQuestionYesNoCancel = 35,     // Yes, No, Cancel; question icon; Yes default
  kWarningYesNo = 52,            // Yes, No; exclamation icon; Yes default
  kInformationOk = 64,           // OK; information icon
  kWarningYesNoDefaultNo = 308,  // Yes, No; exclamation icon; No default
};

enum class Answer { kOk, kYes, kNo, kCancel };

struct FileDialogRequest {
  QString fileName;  // initial file name, such as "*.aad"
  QString filter;    // "辞書ファイル(*.aad)|*.aad|すべてのファイル(*.*)|*.*"
  QString title;
};

struct TextQuery {
  QString caption;
  QString prompt;
  QString initial;
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual Answer Message(const QString& text, const QString& caption, MessageStyle style) = 0;
  // The chosen file, or nullopt when the dialog was cancelled.
  virtual std::optional<QString> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<QString> SaveFile(const FileDialogRequest& request) = 0;
  // The edited text on OK, nullopt on Cancel.
  virtual std::optional<QString> Text(const TextQuery& query) = 0;
};

// "desc|pattern|desc|pattern" as Qt name filters "desc (pattern)". "*.*" becomes "*", which
// is what it means on Windows: every file, with or without a dot.
QStringList QtNameFilters(const QString& filter);

}  // namespace kz::app
