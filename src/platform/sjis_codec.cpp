#include "platform/sjis_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <utility>

namespace kz {
namespace {

constexpr const char* kCodec = "windows-31j";

// Unicode characters whose code-page-932 form is a different code point.
constexpr std::array<std::pair<char16_t, char16_t>, 8> kTwins{{
    {u'\u301C', u'\uFF5E'},  // WAVE DASH -> FULLWIDTH TILDE
    {u'\u2016', u'\u2225'},  // DOUBLE VERTICAL LINE -> PARALLEL TO
    {u'\u2212', u'\uFF0D'},  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {u'\u00A2', u'\uFFE0'},  // CENT SIGN
    {u'\u00A3', u'\uFFE1'},  // POUND SIGN
    {u'\u00AC', u'\uFFE2'},  // NOT SIGN
    {u'\u2014', u'\u2015'},  // EM DASH -> HORIZONTAL BAR
    {u'\u00A6', u'\uFFE4'},  // BROKEN BAR
}};

QString MapTwins(QStringView text) {
  QString out = text.toString();
  for (QChar& c : out) {
    for (auto [from, to] : kTwins) {
      if (c.unicode() == from) {
        c = QChar(to);
        break;
      }
    }
  }
  return out;
}

bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Decodes character by character, showing each byte sequence the code page does not map
// (and a lead byte without its trail byte) as U+FFFD.
QString DecodeWithReplacement(SjisView bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    // A lead byte takes the next byte only when that is a trail byte; otherwise it stands
    // alone as a replacement mark and the next byte is shown for itself.
    std::size_t n = 1;
    if (IsLeadByte(b) && i + 1 < bytes.size() &&
        IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
      n = 2;
    }
    QStringDecoder one(kCodec, QStringDecoder::Flag::Stateless);
    const QString c = one.decode(QByteArrayView(bytes.data() + i, static_cast<qsizetype>(n)));
    out += one.hasError() || c.isEmpty() ? QString(QChar(QChar::ReplacementCharacter)) : c;
    i += n;
  }
  return out;
}

}  // namespace

std::optional<SjisString> EncodeSjis(QStringView text) {
  // hasError() accumulates, so each call needs its own encoder.
  QStringEncoder encoder(kCodec, QStringEncoder::Flag::Stateless);
  const QByteArray bytes = encoder.encode(MapTwins(text));
  if (encoder.hasError()) return std::nullopt;
  return SjisString(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString DecodeSjis(SjisView bytes) {
  QStringDecoder decoder(kCodec, QStringDecoder::Flag::Stateless);
  QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!decoder.hasError()) return text;
  return DecodeWithReplacement(bytes);
}

std::optional<std::size_t> SjisLength(QStringView text) {
  auto bytes = EncodeSjis(text);
  if (!bytes) return std::nullopt;
  return bytes->size();
}

}  // namespace kz
