#include "map_string.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "kana_table.h"

namespace kz {

namespace {

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The tables of kana_table.h, indexed by each form a character can be read in.
class FormIndex {
 public:
  FormIndex() {
    for (auto table : {KanaForms(), AsciiForms()}) {
      for (const CharForms& forms : table) Add(forms);
    }
  }

  const CharForms* Full(std::uint16_t code) const {
    const auto it = byFull_.find(code);
    return it == byFull_.end() ? nullptr : it->second;
  }
  // A half-width letter with its voiced or semi-voiced mark as one character.
  const CharForms* Marked(unsigned char letter, unsigned char mark) const {
    if (mark == kVoicedMark) return voiced_[letter];
    if (mark == kSemiVoicedMark) return semiVoiced_[letter];
    return nullptr;
  }
  const CharForms* Half(unsigned char b) const { return byHalf_[b]; }

 private:
  // When two rows share a form, the first one keeps it.
  void Add(const CharForms& forms) {
    byFull_.try_emplace(forms.full, &forms);
    if (forms.hiragana != 0) byFull_.try_emplace(forms.hiragana, &forms);
    const std::string_view half = forms.half;
    if (half.size() == 1) {
      Keep(byHalf_[static_cast<unsigned char>(half[0])], forms);
    } else if (half.size() == 2) {
      auto& byMark = static_cast<unsigned char>(half[1]) == kVoicedMark ? voiced_ : semiVoiced_;
      Keep(byMark[static_cast<unsigned char>(half[0])], forms);
    }
  }
  static void Keep(const CharForms*& slot, const CharForms& forms) {
    if (slot == nullptr) slot = &forms;
  }

  std::unordered_map<std::uint16_t, const CharForms*> byFull_;
  std::array<const CharForms*, 256> byHalf_{};
  std::array<const CharForms*, 256> voiced_{};
  std::array<const CharForms*, 256> semiVoiced_{};
};

const FormIndex& Index() {
  static const FormIndex index;
  return index;
}

void AppendCode(SjisString& out, std::uint16_t code) {
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// Writes the form of `forms` that `flags` ask for. `wasHiragana` tells the script of the
// character as it was read, which stays when no kana flag is given.
void AppendForm(SjisString& out, const CharForms& forms, bool wasHiragana, std::uint32_t flags) {
  bool hiragana = wasHiragana;
  if (flags & kMapHiragana) hiragana = true;
  if (flags & kMapKatakana) hiragana = false;
  const bool asHiragana = hiragana && forms.hiragana != 0;
  // Hiragana have no half-width form: under half-width alone they stay full-width hiragana.
  if ((flags & kMapHalfwidth) && !forms.half.empty() && !asHiragana) {
    out += forms.half;
    return;
  }
  AppendCode(out, asHiragana ? forms.hiragana : forms.full);
}

}  // namespace

SjisString MapString(SjisView text, std::uint32_t flags) {
  // The mapped text ends at the first zero byte, as the locale mapping's buffer does.
  text = text.substr(0, text.find('\0'));
  const FormIndex& index = Index();
  const bool toFull = (flags & kMapFullwidth) != 0;

  SjisString out;
  out.reserve(text.size() * 2);
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    const CharForms* forms = nullptr;
    bool wasHiragana = false;
    std::size_t length = 1;
    if (IsLeadByte(b)) {
      if (i + 1 == text.size()) {
        out += text[i];  // a lone lead byte is kept
        break;
      }
      length = 2;
      const auto code =
          static_cast<std::uint16_t>(b << 8 | static_cast<unsigned char>(text[i + 1]));
      forms = index.Full(code);
      wasHiragana = forms != nullptr && forms->hiragana == code;
    } else if (toFull) {
      // Single-byte text changes only under full-width; a letter with its mark becomes one
      // character where the language has one (ｶﾞ), else the two are taken apart (ﾜﾞ).
      if (i + 1 < text.size()) {
        forms = index.Marked(b, static_cast<unsigned char>(text[i + 1]));
        if (forms != nullptr) length = 2;
      }
      if (forms == nullptr) forms = index.Half(b);
    }
    if (forms == nullptr) {
      out.append(text.substr(i, length));
    } else {
      AppendForm(out, *forms, wasHiragana, flags);
    }
    i += length;
  }
  return out;
}

}  // namespace kz
