// `qnt calc [EXPR...]`: evaluates calculator expressions as the calculator edit does (a fresh engine
// for each, precedence, unary percent, function words keyed before their argument) and writes each
// full-precision result on its own line. Without EXPR it reads one expression per line from standard
// input. A failing expression writes "error: MESSAGE" on its line, and the exit status is then 1.
#include <unistd.h>

#include <iostream>
#include <istream>
#include <ostream>
#include <string>

#include "calc/QNTKITExpressions.h"
#include "cli/QntCommands.h"

namespace qnt::cli {

int RunCalc(std::vector<std::string>& args, TCliIo& io) {
  // Angle options first; the shared options (--hex, --places, --locale, "--") are taken after.
  TQNTAngleMode mode = amRadians;
  std::vector<std::string> rest;
  bool optionsEnded = false;
  for (const std::string& a : args) {
    if (optionsEnded) {
      rest.push_back(a);
    } else if (a == "--degrees") {
      mode = amDegrees;
    } else if (a == "--radians") {
      mode = amRadians;
    } else if (a == "--grads") {
      mode = amGradiants;
    } else {
      if (a == "--")
        optionsEnded = true;
      else if (a.rfind("--", 0) == 0 && a != "--hex" && a != "--locale" && a != "--places" &&
               a.rfind("--places=", 0) != 0)
        throw EUsageError("unknown option '" + a + "'");
      rest.push_back(a);
    }
  }
  const TCommonOptions options = TakeCommonOptions(rest);

  bool failed = false;
  std::string line;
  auto evaluate = [&](std::string_view expr) {
    std::u16string error;
    const Extended value = EvaluateExpression(FromUtf8(expr), mode, error);
    if (error.empty()) {
      line = options.output.Format(value);
    } else {
      line = "error: " + ToUtf8(error);
      failed = true;
    }
    line += '\n';
    io.out << line;
  };

  if (!rest.empty()) {
    for (const std::string& expr : rest) evaluate(expr);
  } else {
    // Typed at a terminal, each result appears as soon as its line is read.
    const bool interactive = &io.in == &std::cin && isatty(STDIN_FILENO);
    // Reading from a stream tied to the output flushes it first: one write per line. Untied while
    // reading, results go out in large blocks (a terminal still gets each line at once, above).
    std::ostream* const tied = io.in.tie(nullptr);
    struct TRetie {
      std::istream& in;
      std::ostream* tied;
      ~TRetie() { in.tie(tied); }
    } retie{io.in, tied};
    std::string input;
    while (std::getline(io.in, input)) {
      ChompCarriageReturn(input);
      evaluate(input);
      if (interactive) io.out.flush();
    }
  }
  io.out.flush();
  return failed ? kExitValueFailed : kExitOk;
}

}  // namespace qnt::cli
