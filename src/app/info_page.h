// The dictionary information page: its fields as Shift_JIS values, the defaults of New,
// the date button, the header box's check when it loses the focus, and the header decision
// of Save. Editing these fields never touches Modified.
#pragma once

#include <QDateTime>
#include <optional>

#include "aad/aad_file.h"
#include "app/field_bytes.h"
#include "app/window_layout.h"

namespace kz::app {

class InfoPage {
 public:
  InfoPage(WindowUi& ui, FieldBytes& fields) : ui_(ui), fields_(fields) {}

  // New's part: name, author, date now, count "0", header "付加しない".
  void ResetToDefaults();

  // ButtonNowClick: the date field gets `now` as "yyyy/MM/dd hh:mm:ss".
  void ButtonNowClick(const QDateTime& now = QDateTime::currentDateTime());

  // ComboHeaderExit: a chosen entry stays; free text of exactly 5 bytes stays; anything
  // else brings back "付加しない".
  void ComboHeaderExit();

  // The header box's chosen entry, 0 to 5, or -1 for free text.
  int HeaderIndex() const;
  void SelectHeader(int index);
  // After loading: the entry that matches `code` ignoring case, else `code` as free text.
  void SetMakerCode(SjisView code);
  // Save's decision: the maker code when an entry 1 to 5 is chosen and shows 5 bytes;
  // otherwise no header, and the box shows "付加しない" again.
  std::optional<SjisString> DecideHeader();

  // Name, author and date as the fields hold them.
  aad::DictionaryInfo Info() const;
  void SetInfo(const aad::DictionaryInfo& info);

  void SetCount(std::size_t rows);

 private:
  WindowUi& ui_;
  FieldBytes& fields_;
};

}  // namespace kz::app
