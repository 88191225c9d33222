// Commands on the whole word list: truncation to the count field, find by reading,
// duplicate removal and the two long-vowel commands.
#pragma once

#include <QString>
#include <optional>

#include "app/editor.h"

namespace kz::app {

// The count field read as a whole number: an optional sign and decimal digits within the
// range of a long long; anything else (empty text, letters, blanks) is no number.
std::optional<long long> ParseCount(const QString& text);

class ListCommands {
 public:
  explicit ListCommands(Editor& editor) : e_(editor) {}

  void ButtonSetCountClick();
  void KeyFindClick();
  void KeyFindNextClick();
  void KeyDelMultiClick();
  void KeyBarAddClick();
  void KeyBarChangeClick();

 private:
  Editor& e_;
};

}  // namespace kz::app
