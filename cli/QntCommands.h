// The commands of `qnt`, each defined in its own file.
#pragma once

#include <string>
#include <vector>

#include "cli/QntCli.h"

namespace qnt::cli {

using TCliCommand = int (*)(std::vector<std::string>& args, TCliIo& io);

#define QNT_CLI_COMMAND(name, usage, function) int function(std::vector<std::string>& args, TCliIo& io);
#include "cli/QntCommandList.inc"
#undef QNT_CLI_COMMAND

}  // namespace qnt::cli
