// Cut, Copy and Paste of rows as word lines through the system clipboard.
//
// The clipboard holds Unicode text: Copy decodes the Shift_JIS lines, Paste encodes the
// clipboard's lines one by one. A pasted line that code page 932 cannot hold is rejected
// as it was pasted, never turned into "?". Copy also offers the lines' bytes in a format
// of this program's own, which Paste prefers, so rows keep bytes the code page does not map.
#pragma once

#include <QString>
#include <QStringList>

#include "app/editor.h"
#include "app/entry_commands.h"

namespace kz::app {

// Splits at CR LF, CR or LF; a NUL character ends the text. A final line end gives no
// empty last line, and an empty text no line.
QStringList SplitTextLines(const QString& text);

class ClipboardCommands {
 public:
  ClipboardCommands(Editor& editor, EntryCommands& entry) : e_(editor), entry_(entry) {}

  void KeyCopyClick();
  void KeyCutClick();
  void KeyPasteClick();

 private:
  Editor& e_;
  EntryCommands& entry_;
};

}  // namespace kz::app
