// info and verify: what an .aad file holds and whether its redundant parts match.
#include <QFile>
#include <iostream>

#include "aad/aad_file.h"
#include "cli_text.h"
#include "commands.h"
#include "platform/file_io.h"

namespace kz::cli {

namespace {

// Verify's report for the file named by the single argument; nullopt after a reported
// failure (usage error, unreadable file, or a file that is no dictionary), with `status`.
std::optional<aad::VerifyReport> VerifyFile(const char* command, const Args& args, int& status) {
  if (args.size() != 1) {
    status = UsageError(std::string(command) + ": expects one FILE.aad");
    return std::nullopt;
  }
  const std::string& file = args[0];
  std::string bytes;
  try {
    bytes = ReadWholeFile(QFile::decodeName(file.c_str()));
  } catch (const FileError& e) {
    std::cerr << e.what() << '\n';
    status = kExitFailed;
    return std::nullopt;
  }
  aad::VerifyReport report = aad::Verify(bytes);
  if (report.read.status != aad::ReadStatus::kOk) {
    std::cerr << ReadFailureText(file, report.read.status) << '\n';
    status = kExitFailed;
    return std::nullopt;
  }
  return report;
}

const char* Match(bool ok) { return ok ? "ok" : "mismatch"; }

}  // namespace

int RunInfo(const Args& args) {
  int status = kExitOk;
  const auto report = VerifyFile("info", args, status);
  if (!report) return status;
  const aad::ReadResult& read = report->read;
  std::cout << "maker code: " << (read.hasHeader ? ToUtf8(read.makerCode.value_or("")) : "none")
            << '\n'
            << "name: " << ToUtf8(read.info.name) << '\n'
            << "author: " << ToUtf8(read.info.author) << '\n'
            << "date: " << ToUtf8(read.info.date) << '\n'
            << "word count: " << read.rows.size() << '\n'
            << "block length: " << Match(report->lengthOk) << '\n'
            << "index: " << Match(report->indexOk) << '\n'
            << "record area: " << Match(report->recordAreaOk) << '\n'
            << "name check: " << Match(report->nameCheckOk) << '\n'
            << "content check: " << Match(report->contentCheckOk) << '\n'
            << "block check: " << Match(report->blockCheckOk) << '\n';
  return kExitOk;
}

int RunVerify(const Args& args) {
  int status = kExitOk;
  const auto report = VerifyFile("verify", args, status);
  if (!report) return status;
  if (!report->firstMismatch.empty()) {
    std::cerr << args[0] << ": " << report->firstMismatch << " does not match\n";
    return kExitFailed;
  }
  std::cout << args[0] << ": ok\n";
  return kExitOk;
}

}  // namespace kz::cli
