// Text as the dictionary stores it: Shift_JIS (code page 932) bytes.
//
// Every core interface takes and returns SjisString; lengths and limits are counted in
// bytes of this encoding. Conversion to and from Unicode happens only at the window and
// command-line boundaries, never in the core.
#pragma once

#include <string>
#include <string_view>

namespace kz {

using SjisString = std::string;
using SjisView = std::string_view;

}  // namespace kz
