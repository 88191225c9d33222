// convert: builds the word list the way the editor would from INPUT and writes OUTPUT the
// way the editor's Save, CSV export or PBX export writes it, atomically.
#include <QDateTime>
#include <QFile>
#include <iostream>

#include "aad/aad_file.h"
#include "aad/write_error_text.h"
#include "cli_text.h"
#include "commands.h"
#include "convert_options.h"
#include "dictionary/document.h"
#include "platform/file_io.h"
#include "platform/sjis_codec.h"
#include "textio/lines.h"
#include "textio/pbx.h"
#include "textio/routing.h"

namespace kz::cli {

namespace {

// What the input gave: the document's words, the dictionary information and header, and
// the rejected lines with their 1-based line numbers in the input file.
struct Input {
  Document document;
  aad::DictionaryInfo info;
  std::optional<std::string> makerCode;
  std::vector<std::pair<std::size_t, SjisString>> rejected;
};

// The defaults of New.
aad::DictionaryInfo NewInfo() {
  const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
  return {EncodeSjis(u"辞書").value(), EncodeSjis(u"名無しさん").value(),
          EncodeSjis(now).value_or("")};
}

// The maker code in capitals when it is one of the five, as the header box selects it.
std::optional<std::string> KnownMaker(const std::optional<std::string>& code) {
  if (!code) return std::nullopt;
  for (const char* known : aad::kMakerCodes) {
    const std::string_view k(known);
    if (code->size() == k.size() &&
        std::equal(k.begin(), k.end(), code->begin(), [](char a, char b) {
          return std::toupper(static_cast<unsigned char>(a)) ==
                 std::toupper(static_cast<unsigned char>(b));
        })) {
      return std::string(k);
    }
  }
  return std::nullopt;
}

// Loads INPUT; false after reporting why nothing can be written.
bool LoadInput(const std::string& path, Input& input) {
  const std::string bytes = ReadWholeFile(QFile::decodeName(path.c_str()));
  input.info = NewInfo();
  const textio::FileRoute route = textio::RouteFor(path);
  if (route == textio::FileRoute::kDictionary) {
    aad::ReadResult read = aad::Read(bytes);
    if (read.status != aad::ReadStatus::kOk) {
      std::cerr << ReadFailureText(path, read.status) << '\n';
      return false;
    }
    input.info = std::move(read.info);
    input.makerCode = KnownMaker(read.makerCode);
    input.document.LoadRows(std::move(read.rows), NoProgress());
    return true;
  }

  std::vector<SjisString> lines = textio::SplitLines(bytes);
  std::size_t headerLines = 0;
  if (route == textio::FileRoute::kPbxText) {
    const std::size_t all = lines.size();
    textio::CutPbxHeader(lines);
    headerLines = all - lines.size();
  }
  ImportResult result = input.document.ImportLines(lines, NoProgress());
  for (std::size_t i = 0; i < result.rejected.size(); ++i) {
    input.rejected.emplace_back(headerLines + result.rejectedIndex[i] + 1,
                                std::move(result.rejected[i]));
  }
  return true;
}

// The bytes of OUTPUT; nullopt after reporting a dictionary the format cannot hold.
std::optional<std::string> Render(const ConvertOptions& options, const Input& input,
                                  const aad::DictionaryInfo& info) {
  const std::vector<Row>& rows = input.document.words().rows();
  switch (options.format) {
    case OutputFormat::kCsv:
      return textio::JoinLines(input.document.ExportLines(false));
    case OutputFormat::kPbx:
      return textio::RenderPbx({info.name, info.author, info.date}, rows);
    case OutputFormat::kAad:
      break;
  }
  aad::WriteRequest request;
  request.makerCode = options.header ? *options.header : input.makerCode;
  request.info = info;
  request.rows = &rows;
  aad::WriteResult written = aad::Write(request);
  if (written.error != aad::WriteError::kNone) {
    const Row& row = rows[written.row];
    std::cerr << aad::WriteErrorText(written.error, ToUtf8(row.reading), ToUtf8(row.phrase))
              << '\n';
    return std::nullopt;
  }
  return std::move(written.bytes);
}

}  // namespace

int RunConvert(const Args& args) {
  auto parsed = ParseConvertOptions(args);
  if (const auto* message = std::get_if<std::string>(&parsed)) return UsageError(*message);
  const ConvertOptions& options = std::get<ConvertOptions>(parsed);

  try {
    Input input;
    if (!LoadInput(options.input, input)) return kExitFailed;

    aad::DictionaryInfo info = input.info;
    if (options.name) info.name = *options.name;
    if (options.author) info.author = *options.author;
    if (options.date) info.date = *options.date;

    const std::optional<std::string> bytes = Render(options, input, info);
    if (!bytes) return kExitFailed;
    const QString output = QFile::decodeName(options.output.c_str());
    WriteFileAtomically(output, *bytes);

    for (const auto& [line, text] : input.rejected) {
      std::cerr << line << ": " << ToUtf8(text) << '\n';
    }
    return input.rejected.empty() ? kExitOk : kExitRejected;
  } catch (const FileError& e) {
    std::cerr << e.what() << '\n';
    return kExitFailed;
  }
}

}  // namespace kz::cli
