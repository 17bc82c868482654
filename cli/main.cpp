// `qnt`: unit conversion and calculator expressions from the command line.
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/QntCli.h"
#include "cli/QntCommands.h"

namespace {

using namespace qnt::cli;

struct TCommand {
  const char* name;
  const char* usage;
  TCliCommand run;
};

const TCommand kCommands[] = {
#define QNT_CLI_COMMAND(name, usage, function) {name, usage, function},
#include "cli/QntCommandList.inc"
#undef QNT_CLI_COMMAND
};

void PrintHelp(std::ostream& os) {
  os << "Usage: qnt COMMAND [OPTIONS] [ARGUMENTS]\n\n"
        "Converts values between units of 29 quantities in 80-bit extended precision, and evaluates\n"
        "calculator expressions.\n\nCommands:\n";
  for (const TCommand& c : kCommands) os << "  qnt " << c.usage << "\n";
  os << "\nOptions of the commands that write numbers:\n"
        "  --hex         write results in C99 hexadecimal form (as printf's %La)\n"
        "  --places N    write results with N decimals (0-18) and thousand separators\n"
        "  --locale      read and write numbers with the separators of the user's locale\n"
        "By default a result is the shortest decimal text that reads back to the same 80-bit value.\n\n"
        "Exit status: 0 success, 1 some value failed (its line reads \"error: MESSAGE\"), 2 bad usage.\n"
        "  --help        show this help\n"
        "  --version     show the version\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (first == "--help" || first == "-h" || first == "help") {
    PrintHelp(std::cout);
    return kExitOk;
  }
  if (first == "--version") {
    std::cout << "qnt " QNT_VERSION " (kit 6.3.1)\n";
    return kExitOk;
  }
  for (const TCommand& c : kCommands) {
    if (first != c.name) continue;
    args.erase(args.begin());
    TCliIo io{std::cin, std::cout, std::cerr};
    try {
      return c.run(args, io);
    } catch (const EUsageError& e) {
      std::cerr << "qnt " << c.name << ": " << e.what() << "\nUsage: qnt " << c.usage << "\n";
      return kExitUsage;
    } catch (const std::exception& e) {
      std::cerr << "qnt " << c.name << ": " << e.what() << "\n";
      return kExitValueFailed;
    }
  }
  std::cerr << "qnt: unknown command '" << first << "'; 'qnt --help' lists the commands\n";
  return kExitUsage;
}
