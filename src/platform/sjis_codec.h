// The Shift_JIS (code page 932) boundary between Qt's Unicode text and the core's bytes.
//
// Encoding first maps the few Unicode characters that Linux input methods and other
// programs produce where code page 932 has a twin (U+301C WAVE DASH to U+FF5E and the
// like). Text that still cannot be encoded is refused (nullopt), never turned into "?".
// Decoding shows bytes that are not valid code page 932 as U+FFFD; the core keeps the
// bytes themselves, so nothing is lost.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <string>

#include "dictionary/sjis_string.h"

namespace kz {

std::optional<SjisString> EncodeSjis(QStringView text);
QString DecodeSjis(SjisView bytes);

// Number of Shift_JIS bytes `text` takes, or nullopt when it cannot be encoded.
std::optional<std::size_t> SjisLength(QStringView text);

}  // namespace kz
