// The .aad dictionary file: reading it from bytes and writing it to bytes.
//
// Write builds the whole file (optional download header, DATA block, index, records and
// the three check values) in one buffer, or refuses with an error value when the framing
// cannot hold the rows; nothing is half-built. Read accepts both variants, skips chunks it
// does not know, ignores the index and the check values, and never reads past the end of
// its input: a record that runs out, or a word count above the records present, makes the
// file damaged. Verify recomputes what Read ignores. No file access happens here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/sjis_string.h"
#include "dictionary/word_list.h"

namespace kz::aad {

inline constexpr std::size_t kNameField = 64;
inline constexpr std::size_t kAuthorField = 64;
inline constexpr std::size_t kDateField = 28;

// The five maker codes of the download header, in the order of the header box.
inline constexpr const char* kMakerCodes[] = {"CASIO", "HI000", "TSBAU", "SANYO", "SEMCJ"};

struct DictionaryInfo {
  SjisString name;
  SjisString author;  // as typed; the prefix rule is applied on writing
  SjisString date;
};

// ---- Writing ----

struct WriteRequest {
  std::optional<SjisString> makerCode;  // exactly 5 bytes when set: write a download header
  DictionaryInfo info;
  const std::vector<Row>* rows = nullptr;  // in list order
};

enum class WriteError {
  kNone,
  kReadingTooLong,       // a reading over 31 bytes
  kRecordTooLong,        // a record over 127 bytes after its first byte
  kGroupOffsetTooLarge,  // a group would begin beyond 65,535 bytes into the record area
  kTooManyGroups,        // more than 255 groups
  kPhraseWouldChange,    // the phrase would not read back as written (a control byte 0x10..0x1F
                         // at an end would be taken for a marker, or a zero byte cuts it)
  kReadingWouldChange,   // the reading would not read back as written (a zero byte cuts it, or
                         // the single byte 0xFF is taken for a same-reading record)
};

struct WriteResult {
  WriteError error = WriteError::kNone;
  std::size_t row = 0;  // the offending row, for the row-level errors
  std::string bytes;    // the file, when error == kNone
};

WriteResult Write(const WriteRequest& request);

// ---- Reading ----

enum class ReadStatus {
  kOk,
  kNotDictionary,  // message 1: neither "DATA" nor "-DLDATA", or first chunk not DLDH
  kDamaged,        // message 2: chunk list or records broken
};

struct ReadResult {
  ReadStatus status = ReadStatus::kOk;
  bool hasHeader = false;
  // The maker code as it stands in the file (bytes 0..4 up to a zero byte); set for files
  // with a download header, also when reading failed after it was taken.
  std::optional<std::string> makerCode;
  DictionaryInfo info;    // author with "rilo/" removed; valid when status == kOk
  std::vector<Row> rows;  // in file order; valid when status == kOk
};

ReadResult Read(std::string_view file);

// ---- Verifying ----

struct VerifyReport {
  ReadResult read;
  bool lengthOk = false;      // block length field matches
  bool indexOk = false;       // first-byte table and group offsets match the records
  bool recordAreaOk = false;  // offsets 176..199 match the layout
  bool nameCheckOk = false;
  bool contentCheckOk = false;
  bool blockCheckOk = false;
  // First mismatch in the order above: "block length", "index", "record area", "name check",
  // "content check" or "block check"; "read" when the file cannot be read (see read.status,
  // every flag then false); empty when all match.
  std::string firstMismatch;
};

VerifyReport Verify(std::string_view file);

}  // namespace kz::aad
