#include "app/clipboard_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/sjis_codec.h"
#include "textio/lines.h"

namespace kz::app {
namespace {

// The copied lines' own bytes, offered beside the Unicode text, so that rows whose bytes
// code page 932 does not map come back from a paste as they were copied. Other programs
// offer only the text; a paste of it goes through the encoder.
const QString kWordLinesFormat = QStringLiteral("application/x-kazamori-word-lines");

}  // namespace

QStringList SplitTextLines(const QString& text) {
  QStringList lines;
  QString line;
  bool open = false;  // characters seen since the last line end
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QChar(0)) break;
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      lines << line;
      line.clear();
      open = false;
      continue;
    }
    line += c;
    open = true;
  }
  if (open) lines << line;
  return lines;
}

void ClipboardCommands::KeyCopyClick() {
  const SjisString text = textio::JoinLines(e_.doc().ExportLines(true));
  auto* mime = new QMimeData;
  mime->setText(DecodeSjis(text));
  mime->setData(kWordLinesFormat, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  QGuiApplication::clipboard()->setMimeData(mime);
}

void ClipboardCommands::KeyCutClick() {
  KeyCopyClick();
  entry_.KeyDeleteClick();
}

void ClipboardCommands::KeyPasteClick() {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime == nullptr || !mime->hasText()) return;
  const QString text = mime->text();
  const bool ownBytes = mime->hasFormat(kWordLinesFormat);
  const QByteArray bytes = mime->data(kWordLinesFormat);
  if (e_.doc().words().SelectedCount() > 0) entry_.KeyDeleteClick();
  if (ownBytes) {
    e_.ImportLines(
        textio::SplitLines(SjisView(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    return;
  }
  const QStringList given = SplitTextLines(text);
  std::vector<SjisString> lines;
  lines.reserve(static_cast<std::size_t>(given.size()));
  std::map<std::size_t, QString> unencodable;
  for (const QString& line : given) {
    auto bytes = EncodeSjis(line);
    if (!bytes) {
      // An empty line is always rejected; the errors page shows the line as pasted.
      unencodable.emplace(lines.size(), line);
      bytes.emplace();
    }
    lines.push_back(std::move(*bytes));
  }
  e_.ImportLines(lines, unencodable);
}

}  // namespace kz::app
