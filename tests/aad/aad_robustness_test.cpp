// Damaged files: every truncation and many single-byte changes of a valid file with header
// are read or refused, never read out of bounds (run this under the sanitizer build too).
#include <gtest/gtest.h>

#include <random>

#include "aad/aad_file.h"
#include "aad_test_data.h"

namespace kz::aad {
namespace {

class AadRobustness : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::mt19937 rng(test::TestSeed());
    rows_ = new std::vector<Row>(test::GeneratedRows(rng, 200));
    WriteRequest request{"TSBAU", {"name", "author", "2005/01/01 00:00:00"}, rows_};
    file_ = new std::string(Write(request).bytes);
  }
  static void TearDownTestSuite() {
    delete rows_;
    delete file_;
  }
  static std::vector<Row>* rows_;
  static std::string* file_;
};

std::vector<Row>* AadRobustness::rows_ = nullptr;
std::string* AadRobustness::file_ = nullptr;

// Verify runs the reader and reports its status, so each case is parsed once.
TEST_F(AadRobustness, EveryTruncationIsRefusedUnlessOnlyCheckValuesAreCut) {
  const std::string& file = *file_;
  ASSERT_EQ(Read(file).rows, *rows_);
  const std::size_t recordsEnd = file.size() - 12;
  for (std::size_t n = 0; n < file.size(); ++n) {
    const VerifyReport report = Verify(std::string_view(file).substr(0, n));
    if (n < recordsEnd) {
      ASSERT_NE(report.read.status, ReadStatus::kOk) << "cut to " << n;
    } else {
      ASSERT_EQ(report.read.rows, *rows_) << "cut to " << n;
    }
    ASSERT_NE(report.firstMismatch, "") << "cut to " << n;
  }
}

TEST_F(AadRobustness, EverySingleByteChangeIsReadOrRefusedAndVerifyNoticesIt) {
  const std::string& file = *file_;
  const std::size_t block = file.find("DICD") + 4;
  std::string changed = file;
  for (std::size_t at = 0; at < file.size(); ++at) {
    const auto original = static_cast<unsigned char>(file[at]);
    for (const int value : {0x00, 0xFF, original ^ 0x01}) {
      if (value == original) continue;
      changed[at] = static_cast<char>(value);
      const VerifyReport report = Verify(changed);
      // Read or refused without crashing (the sanitizer build checks every access).
      // Inside the DATA block every change is caught by the read or one of the checks.
      if (at >= block) {
        ASSERT_NE(report.firstMismatch, "") << at << " = " << value;
      }
    }
    changed[at] = file[at];
  }
}

}  // namespace
}  // namespace kz::aad
