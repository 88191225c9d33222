#include "platform/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kz {

QString CannotOpenMessage(const QString& path) {
  return QStringLiteral("ファイル %1 は開けません").arg(path);
}

QString CannotCreateMessage(const QString& path) {
  return QStringLiteral("ファイル %1 を作成できません").arg(path);
}

QString WriteErrorMessage() { return QStringLiteral("ストリームへの書き込みエラー"); }

std::string ReadWholeFile(const QString& path) {
  // Only regular files: a device such as /dev/zero would be read forever.
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
    throw FileError(CannotOpenMessage(path).toStdString());
  }
  std::string data(static_cast<std::size_t>(file.size()), '\0');
  const qint64 got = file.read(data.data(), static_cast<qint64>(data.size()));
  if (got < 0 || file.error() != QFileDevice::NoError) {
    throw FileError(CannotOpenMessage(path).toStdString());
  }
  data.resize(static_cast<std::size_t>(got));  // a file that shrank meanwhile
  return data;
}

void WriteFileAtomically(const QString& path, std::string_view bytes) {
  // A file its owner made read-only is not replaced. QSaveFile refuses it except for root,
  // whom permission bits do not stop and whose replacement would come out writable: the
  // protection would be gone unnoticed.
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isDir() &&
      !(existing.permissions() & QFileDevice::WriteOwner)) {
    throw FileError(CannotCreateMessage(path).toStdString());
  }
  QSaveFile file(path);
  // Unbuffered: a write that fails (a full disk) must fail here. Buffered, the error would
  // surface only in the flush inside commit(), which Qt 6.4 does not report, and the empty
  // temporary file would replace the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    throw FileError(CannotCreateMessage(path).toStdString());
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    throw FileError(WriteErrorMessage().toStdString());
  }
  if (!file.commit()) throw FileError(WriteErrorMessage().toStdString());
}

}  // namespace kz
