// kazamori-cli: inspect, verify and convert dictionaries without the window.
#include <iostream>
#include <new>
#include <string>

#include "commands.h"

namespace kz::cli {

const char* UsageText() {
  return "Usage:\n"
         "  kazamori-cli info FILE.aad\n"
         "  kazamori-cli verify FILE.aad\n"
         "  kazamori-cli convert INPUT OUTPUT [--name TEXT] [--author TEXT] [--date TEXT]\n"
         "                       [--header CODE|none] [--to aad|csv|pbx]\n"
         "  kazamori-cli --help | --version\n"
         "\n"
         "info     prints the maker code (or none), name, author, date and word count of a\n"
         "         dictionary, and whether its block length, record area, index and check\n"
         "         values match its records.\n"
         "verify   exits 0 when they all match, 1 naming the first that does not.\n"
         "convert  reads INPUT as the editor would (.aad as Open loads it, .pbx after its\n"
         "         header, anything else as word lines) and writes OUTPUT by its extension\n"
         "         (.aad, .csv or .pbx) or the format --to names, replacing it whole;\n"
         "         an OUTPUT its owner made read-only is not replaced.\n"
         "         --name, --author, --date  dictionary information (default: the input's,\n"
         "                                   or 辞書, 名無しさん and now)\n"
         "         --header CODE|none        download header: CASIO, HI000, TSBAU, SANYO,\n"
         "                                   SEMCJ in any letter case (default: the input's)\n"
         "\n"
         "Exit status: 0 done; 1 nothing written, input unreadable or a check that does not\n"
         "match; 2 usage error; 3 written, but input lines were rejected (each reported on\n"
         "standard error as its line number, a colon and the line).\n";
}

int UsageError(const std::string& message) {
  std::cerr << "kazamori-cli: " << message << "\nTry 'kazamori-cli --help'.\n";
  return kExitUsage;
}

}  // namespace kz::cli

int main(int argc, char** argv) {
  using namespace kz::cli;
  if (argc < 2) {
    std::cerr << UsageText();
    return kExitUsage;
  }
  const std::string command = argv[1];
  const Args args(argv + 2, argv + argc);
  for (const std::string& arg : args) {
    if (arg == "--help") {
      std::cout << UsageText();
      return kExitOk;
    }
  }
  if (command == "--help" || command == "-h") {
    std::cout << UsageText();
    return kExitOk;
  }
  if (command == "--version") {
    std::cout << "kazamori-cli " << KZ_VERSION << '\n';
    return kExitOk;
  }
  // A file can hold more words than this machine has memory for; that ends the command
  // like any other failure, before anything is written.
  try {
    if (command == "info") return RunInfo(args);
    if (command == "verify") return RunVerify(args);
    if (command == "convert") return RunConvert(args);
  } catch (const std::bad_alloc&) {
    std::cerr << "kazamori-cli: not enough memory\n";
    return kExitFailed;
  }
  return UsageError("unknown command " + command);
}
