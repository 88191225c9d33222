// The command line of `convert`, parsed and checked before any file is touched.
//
// Option texts arrive in UTF-8 and are converted to Shift_JIS here; a text code page 932
// cannot hold, an unknown option, a maker code outside the five, or an output format that
// neither --to nor the output's extension names is a usage error (the message says which).
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "commands.h"
#include "dictionary/sjis_string.h"

namespace kz::cli {

enum class OutputFormat { kAad, kCsv, kPbx };

struct ConvertOptions {
  std::string input;
  std::string output;
  OutputFormat format = OutputFormat::kAad;
  std::optional<SjisString> name;
  std::optional<SjisString> author;
  std::optional<SjisString> date;
  // Not set: keep the input's header (text input has none). Set to nullopt: --header none.
  std::optional<std::optional<std::string>> header;
};

// The options, or the message of a usage error.
std::variant<ConvertOptions, std::string> ParseConvertOptions(const Args& args);

}  // namespace kz::cli
