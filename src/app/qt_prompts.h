// Prompts shown with QMessageBox, QFileDialog and QInputDialog, modal to the main window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/prompts.h"

namespace kz::app {

class QtPrompts final : public Prompts {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer Message(const QString& text, const QString& caption, MessageStyle style) override;
  std::optional<QString> OpenFile(const FileDialogRequest& request) override;
  std::optional<QString> SaveFile(const FileDialogRequest& request) override;
  std::optional<QString> Text(const TextQuery& query) override;

 private:
  std::optional<QString> FileDialog(const FileDialogRequest& request, bool save);

  QPointer<QWidget> parent_;
};

}  // namespace kz::app
