// The author prefix rule, shared by the .aad writer and the PBX export.
#pragma once

#include "sjis_string.h"

namespace kz {

// "rilo" for an empty author or "rilo" itself, the text unchanged when it begins with
// "rilo/", else "rilo/" followed by the text. Byte for byte, case-sensitive.
SjisString StoredAuthor(SjisView author);

}  // namespace kz
