// `qnt version`: the same as `qnt --version`.
#include <ostream>

#include "cli/QntCommands.h"

namespace qnt::cli {

int RunVersion(std::vector<std::string>& args, TCliIo& io) {
  if (!args.empty()) throw EUsageError("takes no arguments");
  io.out << "qnt " QNT_VERSION " (kit 6.3.1)\n";
  return kExitOk;
}

}  // namespace qnt::cli
