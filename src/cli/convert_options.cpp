#include "convert_options.h"

#include <QString>
#include <algorithm>
#include <cctype>

#include "aad/aad_file.h"
#include "platform/sjis_codec.h"
#include "textio/routing.h"

namespace kz::cli {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::optional<OutputFormat> FormatNamed(const std::string& name) {
  const std::string lower = Lower(name);
  if (lower == "aad") return OutputFormat::kAad;
  if (lower == "csv") return OutputFormat::kCsv;
  if (lower == "pbx") return OutputFormat::kPbx;
  return std::nullopt;
}

}  // namespace

std::variant<ConvertOptions, std::string> ParseConvertOptions(const Args& args) {
  ConvertOptions options;
  std::vector<std::string> files;
  std::optional<std::string> to;
  bool optionsEnded = false;

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || !arg.starts_with("--")) {
      files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    // --option VALUE or --option=VALUE
    std::string key = arg, value;
    if (const auto eq = arg.find('='); eq != std::string::npos) {
      key = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return arg + " needs a value";
    }

    if (key == "--name" || key == "--author" || key == "--date") {
      auto sjis = EncodeSjis(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
      if (!sjis) return key + ": the text cannot be written in Shift_JIS";
      (key == "--name"     ? options.name
       : key == "--author" ? options.author
                           : options.date) = std::move(*sjis);
    } else if (key == "--header") {
      if (Lower(value) == "none") {
        options.header = std::optional<std::string>();
        continue;
      }
      const std::string code = Upper(value);
      if (std::find(std::begin(aad::kMakerCodes), std::end(aad::kMakerCodes), code) ==
          std::end(aad::kMakerCodes)) {
        return "--header: " + value + " is none of CASIO, HI000, TSBAU, SANYO, SEMCJ or none";
      }
      options.header = std::optional<std::string>(code);
    } else if (key == "--to") {
      if (!FormatNamed(value)) return "--to: " + value + " is none of aad, csv, pbx";
      to = value;
    } else {
      return "unknown option " + key;
    }
  }

  if (files.size() != 2) return "convert expects INPUT and OUTPUT";
  options.input = files[0];
  options.output = files[1];
  std::string_view extension = textio::Extension(options.output);
  if (!extension.empty()) extension.remove_prefix(1);  // the dot
  const auto format = FormatNamed(to.value_or(std::string(extension)));
  if (!format) {
    return "cannot tell the format of " + options.output + ": name it with --to aad|csv|pbx";
  }
  options.format = *format;
  return options;
}

}  // namespace kz::cli
