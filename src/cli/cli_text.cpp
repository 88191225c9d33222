#include "cli_text.h"

#include <QString>

#include "platform/sjis_codec.h"

namespace kz::cli {

std::string ToUtf8(SjisView text) { return DecodeSjis(text).toStdString(); }

std::string ReadFailureText(const std::string& file, aad::ReadStatus status) {
  return file + (status == aad::ReadStatus::kNotDictionary ? " ファイルは辞書ファイルではありません"
                                                           : " ファイルが壊れています");
}

}  // namespace kz::cli
