// The commands of kazamori-cli. Each takes the arguments after its name and returns the
// process exit status; messages go to standard error and results to standard output, both
// in UTF-8.
#pragma once

#include <string>
#include <vector>

namespace kz::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // nothing written, unreadable input, a mismatch
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRejected = 3;  // written, but input lines were rejected

using Args = std::vector<std::string>;

int RunInfo(const Args& args);
int RunVerify(const Args& args);
int RunConvert(const Args& args);

// The usage text of --help.
const char* UsageText();

// Reports a usage error with a hint to --help; returns kExitUsage.
int UsageError(const std::string& message);

}  // namespace kz::cli
