#include "platform/file_io.h"

#include <QFile>
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
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw FileError(CannotOpenMessage(path).toStdString());
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    throw FileError(CannotOpenMessage(path).toStdString());
  }
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void WriteFileAtomically(const QString& path, std::string_view bytes) {
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
