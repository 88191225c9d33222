#include "app/file_commands.h"

#include <QFileInfo>

#include "aad/aad_file.h"
#include "aad/write_error_text.h"
#include "platform/file_io.h"
#include "platform/sjis_codec.h"
#include "textio/lines.h"
#include "textio/pbx.h"
#include "textio/routing.h"

namespace kz::app {
namespace {

const QString kAadFilter = QStringLiteral("辞書ファイル(*.aad)|*.aad|すべてのファイル(*.*)|*.*");
const QString kCsvFilter = QStringLiteral("CSVファイル(*.csv)|*.csv|すべてのファイル(*.*)|*.*");
const QString kPbxFilter =
    QStringLiteral("POBox辞書ファイル(*.pbx)|*.pbx|すべてのファイル(*.*)|*.*");

std::string PathBytes(const QString& path) { return path.toUtf8().toStdString(); }

QString RefusalText(const aad::WriteResult& result, const std::vector<Row>& rows) {
  QByteArray reading;
  QByteArray phrase;
  if (result.row < rows.size()) {
    reading = DecodeSjis(rows[result.row].reading).toUtf8();
    phrase = DecodeSjis(rows[result.row].phrase).toUtf8();
  }
  return QString::fromStdString(aad::WriteErrorText(
      result.error, std::string_view(reading.constData(), static_cast<std::size_t>(reading.size())),
      std::string_view(phrase.constData(), static_cast<std::size_t>(phrase.size()))));
}

}  // namespace

void FileCommands::KeyOpenClick() {
  if (!e_.ResolveUnsavedChanges()) return;
  const auto path =
      e_.prompts().OpenFile({QStringLiteral("*.aad"), kAadFilter, QStringLiteral("開く")});
  if (!path) return;
  LoadDictionary(*path);
}

void FileCommands::LoadDictionary(const QString& path) {
  const std::string bytes = ReadWholeFile(path);  // a failure leaves the document untouched
  e_.doc().setModified(false);
  e_.ResetDocument();
  aad::ReadResult read = aad::Read(bytes);
  if (read.makerCode) e_.info().SetMakerCode(*read.makerCode);
  if (read.status == aad::ReadStatus::kNotDictionary) {
    e_.ShowError(path + QStringLiteral(" ファイルは辞書ファイルではありません"));
    return;
  }
  if (read.status == aad::ReadStatus::kDamaged) {
    e_.ShowError(path + QStringLiteral(" ファイルが壊れています"));
    return;
  }
  e_.info().SetInfo(read.info);
  e_.Bulk([&] { e_.doc().LoadRows(std::move(read.rows), e_.progress()); });
  e_.RefreshCount();
  e_.doc().setModified(false);
}

std::optional<QString> FileCommands::AskSaveTarget(const QString& extension, const QString& filter,
                                                   const QString& title) {
  auto path = e_.prompts().SaveFile({QStringLiteral("*") + extension, filter, title});
  if (!path) return std::nullopt;
  if (!textio::HasExtension(PathBytes(*path))) *path += extension;
  if (QFileInfo::exists(*path)) {
    const Answer answer = e_.prompts().Message(
        *path + QStringLiteral(" ファイルは既に存在します。\n上書きしますか？"), title,
        MessageStyle::kWarningYesNoDefaultNo);
    if (answer != Answer::kYes) return std::nullopt;
  }
  return path;
}

void FileCommands::KeySaveClick() {
  const auto path =
      AskSaveTarget(QStringLiteral(".aad"), kAadFilter, QStringLiteral("名前を付けて保存"));
  if (!path) return;
  aad::WriteRequest request;
  request.makerCode = e_.info().DecideHeader();
  request.info = e_.info().Info();
  request.rows = &e_.doc().words().rows();
  const aad::WriteResult result = aad::Write(request);
  if (result.error != aad::WriteError::kNone) {
    e_.ShowError(RefusalText(result, e_.doc().words().rows()));
    return;
  }
  WriteFileAtomically(*path, result.bytes);
  e_.doc().setModified(false);
}

void FileCommands::ImportFile(const QString& path, bool cutPbxHeader) {
  std::vector<SjisString> lines = textio::SplitLines(ReadWholeFile(path));
  if (cutPbxHeader) textio::CutPbxHeader(lines);
  e_.ImportLines(lines);
}

void FileCommands::KeyImportCsvClick() {
  const auto path =
      e_.prompts().OpenFile({QStringLiteral("*.csv"), kCsvFilter, QStringLiteral("インポート")});
  if (path) ImportFile(*path, false);
}

void FileCommands::KeyImportPbxClick() {
  const auto path =
      e_.prompts().OpenFile({QStringLiteral("*.pbx"), kPbxFilter, QStringLiteral("インポート")});
  if (path) ImportFile(*path, true);
}

void FileCommands::KeyExportCsvClick() {
  const auto path =
      AskSaveTarget(QStringLiteral(".csv"), kCsvFilter, QStringLiteral("エクスポート"));
  if (!path) return;
  WriteFileAtomically(*path, textio::JoinLines(e_.doc().ExportLines(false)));
  e_.doc().setModified(false);
}

void FileCommands::KeyExportPbxClick() {
  const auto path =
      AskSaveTarget(QStringLiteral(".pbx"), kPbxFilter, QStringLiteral("エクスポート"));
  if (!path) return;
  const aad::DictionaryInfo info = e_.info().Info();
  WriteFileAtomically(
      *path, textio::RenderPbx({info.name, info.author, info.date}, e_.doc().words().rows()));
  e_.doc().setModified(false);
}

void FileCommands::Route(const QString& path) {
  switch (textio::RouteFor(PathBytes(path))) {
    case textio::FileRoute::kDictionary:
      LoadDictionary(path);
      return;
    case textio::FileRoute::kPbxText:
      ImportFile(path, true);
      return;
    case textio::FileRoute::kWordLines:
      ImportFile(path, false);
      return;
  }
}

void FileCommands::OpenFromCommandLine(const QString& path) {
  if (!QFileInfo::exists(path)) return;
  Route(path);
}

void FileCommands::OpenDropped(const QString& path) {
  if (textio::RouteFor(PathBytes(path)) != textio::FileRoute::kDictionary) {
    Route(path);
    return;
  }
  if (e_.doc().modified()) {
    const Answer answer = e_.AskUnsaved();
    if (answer == Answer::kYes) {
      KeySaveClick();
    } else if (answer == Answer::kNo) {
      e_.doc().setModified(false);
    }
  }
  if (!e_.doc().modified()) LoadDictionary(path);
}

}  // namespace kz::app
