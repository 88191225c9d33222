// Word entry and the editing of single rows: CheckInput, Add, Change, Delete, Select all.
#pragma once

#include "app/editor.h"

namespace kz::app {

class EntryCommands {
 public:
  explicit EntryCommands(Editor& editor) : e_(editor) {}

  // Checks the entry fields in their fixed order, normalising the reading in its field and
  // giving the kind box "-" when it has no choice. On a fault: the message, the focus on
  // the field at fault, false.
  bool CheckInput();

  void ButtonAddClick();
  void ButtonChangeClick();
  void KeyDeleteClick();
  void KeySelectAllClick();

 private:
  Row EntryRow() const;

  Editor& e_;
};

}  // namespace kz::app
