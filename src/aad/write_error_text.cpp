#include "write_error_text.h"

namespace kz::aad {

namespace {

struct Text {
  WriteError error;
  std::string_view beforeWord;
  std::string_view afterWord;
};

constexpr Text kTexts[] = {
    {WriteError::kReadingTooLong, "単語「", "」の読みが長すぎるため保存できません"},
    {WriteError::kRecordTooLong, "単語「", "」の語句が長すぎるため保存できません"},
    {WriteError::kGroupOffsetTooLarge, "単語が多すぎるため保存できません（単語「",
     "」から先が索引に収まりません）"},
    {WriteError::kTooManyGroups, "読みの先頭文字の並びが多すぎるため保存できません（単語「",
     "」で索引が255を超えます）"},
    {WriteError::kPhraseWouldChange, "単語「",
     "」の語句は制御文字を含むため保存すると元に戻りません"},
    {WriteError::kReadingWouldChange, "単語「",
     "」の読みは使用できない文字を含むため保存すると元に戻りません"},
};

// Appends a word for the message. The control bytes that make a word unsavable would be
// invisible, so they show as their control pictures (U+2400 + byte); in UTF-8 a byte below
// 0x20 is never part of a longer sequence.
void AppendShown(std::string& out, std::string_view utf8) {
  for (const char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20) {
      out += c;
      continue;
    }
    out += "\xE2\x90";
    out += static_cast<char>(0x80 + b);
  }
}

}  // namespace

std::string WriteErrorText(WriteError error, std::string_view readingUtf8,
                           std::string_view phraseUtf8) {
  for (const Text& text : kTexts) {
    if (text.error != error) continue;
    std::string out(text.beforeWord);
    AppendShown(out, phraseUtf8);
    out += "（";
    AppendShown(out, readingUtf8);
    out += "）";
    out += text.afterWord;
    return out;
  }
  return {};
}

}  // namespace kz::aad
