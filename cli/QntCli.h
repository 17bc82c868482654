// The `qnt` command-line tool: shared pieces of its commands. Plain C++ (no Qt), so it starts fast.
//
// Each command is a function taking the arguments after its name; it writes results to `out`,
// messages to `err`, and returns the exit status: 0 success, 1 some value failed (its line says
// "error: MESSAGE"), 2 bad usage.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "kit/QNTKITTypes.h"

namespace qnt::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitValueFailed = 1;
inline constexpr int kExitUsage = 2;

/// Bad usage: the message says what was wrong and how to list the valid names (exit status 2).
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Where a command reads and writes.
struct TCliIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

/// How results are written: the shortest decimal text that reads back to the same 80-bit value
/// (default), the C99 hexadecimal form (--hex), or as the window's result field shows it
/// (--places N: N decimals with thousand separators).
struct TNumberOutput {
  enum Form { Shortest, Hex, Places } form = Shortest;
  int places = 8;
  std::string Format(Extended value) const;
};

/// The options every number-writing command shares. Consumes them from `args` (anywhere among the
/// arguments, "--" ends options) and leaves the rest in order. Throws EUsageError for a bad option or
/// value. `--locale` switches the kit's separators to the user's locale.
struct TCommonOptions {
  TNumberOutput output;
  bool locale = false;
};
TCommonOptions TakeCommonOptions(std::vector<std::string>& args);

/// Switches the kit's decimal and thousand separators to those of the user's locale (LC_NUMERIC).
void UseUserLocaleSeparators();

/// Reads a number as the kit reads it (typed-number rules, current separators). Throws qnt::EQNTError
/// with the kit's message for text that is not a number, and for text with nothing to read.
Extended ReadNumber(std::string_view text);

/// "error: MESSAGE" for an exception thrown while converting or evaluating one value.
std::string ErrorLine(const std::exception& e);

/// Removes a trailing "\r" (files written on other systems) from a line read from standard input.
void ChompCarriageReturn(std::string& line);

}  // namespace qnt::cli
