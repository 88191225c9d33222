// Reading whole files and writing them atomically, for the window and the command line.
//
// Every file the program writes goes through WriteFileAtomically: the bytes go to a
// temporary file beside the target, which replaces the target only when everything was
// written, so a failure leaves the old file whole. Failures are FileError exceptions
// whose text is the message the user sees.
#pragma once

#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kz {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;  // message in UTF-8
};

// "ファイル %s は開けません", "ファイル %s を作成できません", "ストリームへの書き込みエラー".
QString CannotOpenMessage(const QString& path);
QString CannotCreateMessage(const QString& path);
QString WriteErrorMessage();

// The whole file; throws FileError(CannotOpenMessage) when it cannot be opened or read.
std::string ReadWholeFile(const QString& path);

// Replaces `path` by `bytes` or leaves it untouched; throws FileError on failure.
void WriteFileAtomically(const QString& path, std::string_view bytes);

}  // namespace kz
