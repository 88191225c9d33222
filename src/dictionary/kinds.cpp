#include "kinds.h"

#include <array>

namespace kz {

namespace {

constexpr std::array<std::string_view, kKindCount> kKindNames = {
    "-",        "一般名詞", "固有人名", "固有地名", "固有組織", "固有一般", "名詞サ変",
    "名詞ザ変", "名詞形動", "独立語",   "単漢字",   "連体詞",   "接続詞",   "感動詞",
    "接頭語",   "接尾語",   "数詞",     "カ行五段", "ガ行五段", "サ行五段", "タ行五段",
    "ナ行五段", "ハ行五段", "バ行五段", "マ行五段", "ラ行五段", "ワ行五段", "一段動詞",
    "カ変動詞", "サ変動詞", "ザ変動詞", "形容詞",   "形容動詞", "副詞",
};

}  // namespace

std::string_view KindName(int index) { return kKindNames[static_cast<std::size_t>(index)]; }

std::string KindText(std::int32_t index) {
  if (index >= 0 && index < kKindCount) return std::string(KindName(index));
  return std::to_string(index);
}

}  // namespace kz
