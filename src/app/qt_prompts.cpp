#include "app/qt_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace kz::app {

Answer QtPrompts::Message(const QString& text, const QString& caption, MessageStyle style) {
  QMessageBox box(parent_);
  box.setWindowTitle(caption);
  box.setText(text);
  switch (style) {
    case MessageStyle::kErrorOk:
      box.setIcon(QMessageBox::Critical);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageStyle::kInformationOk:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageStyle::kQuestionYesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MessageStyle::kWarningYesNo:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MessageStyle::kWarningYesNoDefaultNo:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::kYes;
    case QMessageBox::No:
      return Answer::kNo;
    case QMessageBox::Ok:
      return Answer::kOk;
    default:
      // Closing a box that has a Cancel button is Cancel; one with only OK is OK.
      return style == MessageStyle::kErrorOk || style == MessageStyle::kInformationOk
                 ? Answer::kOk
                 : (style == MessageStyle::kQuestionYesNoCancel ? Answer::kCancel : Answer::kNo);
  }
}

std::optional<QString> QtPrompts::FileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_, request.title);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(QtNameFilters(request.filter));
  if (save) {
    // The commands add their extension and ask about overwriting themselves.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  // A wildcard name only names the filter; it is not offered as a file name.
  if (!request.fileName.contains(QLatin1Char('*'))) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

std::optional<QString> QtPrompts::OpenFile(const FileDialogRequest& request) {
  return FileDialog(request, false);
}

std::optional<QString> QtPrompts::SaveFile(const FileDialogRequest& request) {
  return FileDialog(request, true);
}

std::optional<QString> QtPrompts::Text(const TextQuery& query) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, query.caption, query.prompt,
                                             QLineEdit::Normal, query.initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

}  // namespace kz::app
