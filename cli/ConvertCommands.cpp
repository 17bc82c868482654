// The conversion commands of `qnt`: list the quantities and their units, convert values given as
// arguments, on standard input or as a table, and show one value in every unit of its quantity.
//
// Every value converts on its own, source unit -> base unit -> target unit, through the same engine as
// the window's convertors. A value that fails writes "error: MESSAGE" on its own output line and the
// command goes on (exit status 1); unknown names are bad usage (exit status 2).
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/QntCommands.h"
#include "convert/QNTKITConversion.h"
#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITStrings.h"

namespace qnt::cli {
namespace {

// ---------------------------------------------------------------------------------------------
// Names.

bool SameAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

/// A non-negative decimal number of at most four digits, or -1.
int SmallIndex(std::string_view text) {
  if (text.empty() || text.size() > 4) return -1;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string Utf8Name(TQNTQuantity quantity, int unit) { return ToUtf8(UnitName(quantity, unit)); }

/// A quantity by category index (the window's order), class short name (any case) or class name.
TQNTQuantity FindQuantity(std::string_view text) {
  if (const int index = SmallIndex(text); index >= 0 && index < kQuantityCount)
    return CategoryQuantity(index);
  for (int q = 0; q < kQuantityCount; ++q) {
    const TQNTQuantityInfo& info = QuantityInfo(static_cast<TQNTQuantity>(q));
    if (SameAsciiNoCase(text, info.ShortName) || SameAsciiNoCase(text, info.ClassName)) return info.Quantity;
  }
  throw EUsageError("unknown quantity '" + std::string(text) +
                    "'; 'qnt quantities' lists the valid indexes and names");
}

/// A unit of the quantity by ordinal, enumerator name (exact, else any case) or exact display text.
int FindUnit(TQNTQuantity quantity, std::string_view text) {
  const TQNTQuantityInfo& info = QuantityInfo(quantity);
  if (const int ordinal = SmallIndex(text); ordinal >= 0 && ordinal < info.UnitCount()) return ordinal;
  for (const TQNTUnitRow& row : info.Units)
    if (row.Enumerator == text) return row.Ordinal;
  for (const TQNTUnitRow& row : info.Units)
    if (SameAsciiNoCase(row.Enumerator, text)) return row.Ordinal;
  for (const TQNTUnitRow& row : info.Units)
    if (Utf8Name(quantity, row.Ordinal) == text) return row.Ordinal;
  throw EUsageError("unknown unit '" + std::string(text) + "' of " + std::string(info.ShortName) +
                    "; 'qnt units " + std::string(info.ShortName) + "' lists the valid ordinals and names");
}

/// A source and target unit of one quantity.
struct TUnitPair {
  TQNTQuantity quantity;
  int from, to;
};

TUnitPair FindUnitPair(std::string_view q, std::string_view from, std::string_view to) {
  const TQNTQuantity quantity = FindQuantity(q);
  return {quantity, FindUnit(quantity, from), FindUnit(quantity, to)};
}

// ---------------------------------------------------------------------------------------------
// Options and results.

/// The options of the conversion commands, taken from the arguments (the rest stays in order).
struct TConvertOptions {
  TCommonOptions common;
  bool table = false;
  bool help = false;
};

TConvertOptions TakeConvertOptions(std::vector<std::string>& args, bool allowTable) {
  TConvertOptions options;
  std::vector<std::string> rest;
  bool ended = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!ended && a == "--table" && allowTable) {
      options.table = true;
    } else if (!ended && (a == "--help" || a == "-h")) {
      options.help = true;
    } else {
      if (a == "--") ended = true;
      // Any other "--name" before "--" must be a common option; negative numbers stay values.
      const bool looksLikeOption = a.size() > 2 && a[0] == '-' && a[1] == '-' && a[2] != '-' &&
                                   !(a[2] >= '0' && a[2] <= '9') && a[2] != '.' && a[2] != ',';
      if (!ended && looksLikeOption && a != "--hex" && a != "--locale" && a != "--places" &&
          a.rfind("--places=", 0) != 0)
        throw EUsageError("unknown option '" + a + "'; 'qnt --help' lists the options");
      rest.push_back(a);
      if (!ended && a == "--places" && i + 1 < args.size()) rest.push_back(args[++i]);
    }
  }
  args.swap(rest);
  options.common = TakeCommonOptions(args);
  return options;
}

/// A result as text: the shortest form reads back with the separator in force (--locale).
std::string FormatResult(const TNumberOutput& output, Extended value) {
  std::string text = output.Format(value);
  if (output.form == TNumberOutput::Shortest && FormatSettings.DecimalSeparator != u'.') {
    if (const auto p = text.find('.'); p != std::string::npos)
      text.replace(p, 1, ToUtf8(std::u16string(1, FormatSettings.DecimalSeparator)));
  }
  return text;
}

/// One output line's result: the converted value, or "error: MESSAGE" (then `failed` is set).
void AppendConversion(std::string& out, const TNumberOutput& output, const TUnitPair& pair,
                      std::string_view valueText, bool& failed) {
  try {
    out += FormatResult(output, Convert(pair.quantity, pair.from, pair.to, ReadNumber(valueText)));
  } catch (const std::exception& e) {
    out += ErrorLine(e);
    failed = true;
  }
  out += '\n';
}

/// Calls `line` for every line of the stream (without its "\n" or "\r\n"), reading in large blocks.
template <class F>
void ForEachLine(std::istream& in, F&& line) {
  std::vector<char> block(1 << 16);
  std::string carry;
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(block.size()));
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    std::size_t start = 0;
    for (;;) {
      const void* nl = std::memchr(block.data() + start, '\n', got - start);
      if (!nl) break;
      const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(nl) - block.data());
      std::string_view piece(block.data() + start, end - start);
      if (!carry.empty()) {
        carry.append(piece);
        piece = carry;
      }
      if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
      line(piece);
      carry.clear();
      start = end + 1;
    }
    carry.append(block.data() + start, got - start);
  }
  if (!carry.empty()) {
    std::string_view piece = carry;
    if (piece.back() == '\r') piece.remove_suffix(1);
    line(piece);
  }
}

/// Writes the buffer out once it is large, keeping memory flat for large inputs.
void FlushIfLarge(std::string& buffer, std::ostream& out) {
  if (buffer.size() < (1 << 16)) return;
  out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  buffer.clear();
}

int Finish(std::string& buffer, std::ostream& out, bool failed) {
  out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  out.flush();
  return failed ? kExitValueFailed : kExitOk;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

/// True when the arguments ask for the command's help.
bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

constexpr const char* kConvertHelp =
    "Usage: qnt convert [OPTIONS] Q FROM TO [VALUE...]\n"
    "       qnt convert [OPTIONS] --table\n"
    "Converts each VALUE from unit FROM to unit TO of quantity Q, one result a line. Without VALUE it\n"
    "reads standard input, one value a line, and writes one line for every line it reads. With --table\n"
    "every input line is Q<TAB>FROM<TAB>TO<TAB>VALUE.\n"
    "Q is a category index (0-28), a class short name (Dist, any case) or a class name (TQNTDistConvertor);\n"
    "FROM and TO are an ordinal, an enumerator (edtFeet) or the exact display text ('qnt units Q').\n"
    "A value that fails writes 'error: MESSAGE' on its line; the exit status is then 1.\n"
    "Options: --hex, --places N (0-18), --locale (see 'qnt --help').\n";

}  // namespace

// ---------------------------------------------------------------------------------------------
// The commands.

int RunQuantities(std::vector<std::string>& args, TCliIo& io) {
  if (AsksForHelp(args)) {
    io.out << "Usage: qnt quantities\n"
              "One line a quantity in the window's category order: index, class short name, caption and\n"
              "number of units, separated by tabs.\n";
    return kExitOk;
  }
  if (!args.empty()) throw EUsageError("takes no arguments");
  std::string out;
  for (int c = 0; c < kQuantityCount; ++c) {
    const TQNTQuantityInfo& info = QuantityInfo(CategoryQuantity(c));
    out += std::to_string(c) + '\t' + std::string(info.ShortName) + '\t' +
           ToUtf8(info.Caption.In(TextLanguage)) + '\t' + std::to_string(info.UnitCount()) + '\n';
  }
  return Finish(out, io.out, false);
}

int RunUnits(std::vector<std::string>& args, TCliIo& io) {
  if (AsksForHelp(args)) {
    io.out
        << "Usage: qnt units Q\n"
           "One line a unit of quantity Q in ordinal order: ordinal, enumerator and display text, separated\n"
           "by tabs. Q is a category index (0-28), a class short name or a class name ('qnt quantities').\n";
    return kExitOk;
  }
  if (args.size() != 1) throw EUsageError("needs one quantity");
  const TQNTQuantity quantity = FindQuantity(args[0]);
  std::string out;
  for (const TQNTUnitRow& row : QuantityInfo(quantity).Units)
    out += std::to_string(row.Ordinal) + '\t' + std::string(row.Enumerator) + '\t' +
           Utf8Name(quantity, row.Ordinal) + '\n';
  return Finish(out, io.out, false);
}

int RunConvert(std::vector<std::string>& args, TCliIo& io) {
  const TConvertOptions options = TakeConvertOptions(args, true);
  if (options.help) {
    io.out << kConvertHelp;
    return kExitOk;
  }
  const TNumberOutput& output = options.common.output;
  std::string out;
  bool failed = false;

  if (options.table) {
    if (!args.empty())
      throw EUsageError("--table reads its conversions from standard input and takes no arguments");
    std::string lastKey;
    TUnitPair lastPair{};
    bool lastValid = false;
    std::string lastError;
    ForEachLine(io.in, [&](std::string_view line) {
      const std::vector<std::string_view> f = SplitTabs(line);
      if (f.size() != 4) {
        out +=
            "error: expected Q<TAB>FROM<TAB>TO<TAB>VALUE, found " + std::to_string(f.size()) + " field(s)\n";
        failed = true;
      } else {
        // Tables usually repeat a few pairs: look a pair up again only when it changes.
        const std::string_view key = line.substr(0, static_cast<std::size_t>(f[3].data() - line.data()));
        if (key != lastKey) {
          lastKey.assign(key);
          try {
            lastPair = FindUnitPair(f[0], f[1], f[2]);
            lastValid = true;
          } catch (const EUsageError& e) {
            lastValid = false;
            lastError = std::string("error: ") + e.what() + '\n';
          }
        }
        if (lastValid) {
          AppendConversion(out, output, lastPair, f[3], failed);
        } else {
          out += lastError;
          failed = true;
        }
      }
      FlushIfLarge(out, io.out);
    });
    return Finish(out, io.out, failed);
  }

  if (args.size() < 3) throw EUsageError("needs a quantity, a source unit and a target unit");
  const TUnitPair pair = FindUnitPair(args[0], args[1], args[2]);
  if (args.size() > 3) {
    for (std::size_t i = 3; i < args.size(); ++i) AppendConversion(out, output, pair, args[i], failed);
    return Finish(out, io.out, failed);
  }
  ForEachLine(io.in, [&](std::string_view line) {
    AppendConversion(out, output, pair, line, failed);
    FlushIfLarge(out, io.out);
  });
  return Finish(out, io.out, failed);
}

int RunAll(std::vector<std::string>& args, TCliIo& io) {
  const TConvertOptions options = TakeConvertOptions(args, false);
  if (options.help) {
    io.out
        << "Usage: qnt all [OPTIONS] Q FROM VALUE\n"
           "Writes VALUE, given in unit FROM of quantity Q, in every unit of Q: one line a unit in ordinal\n"
           "order with its ordinal, enumerator, display text and the result (or 'error: MESSAGE').\n";
    return kExitOk;
  }
  if (args.size() != 3) throw EUsageError("needs a quantity, a source unit and one value");
  const TQNTQuantity quantity = FindQuantity(args[0]);
  const int from = FindUnit(quantity, args[1]);
  const TNumberOutput& output = options.common.output;
  std::string out;
  Extended value = 0;
  try {
    value = ReadNumber(args[2]);
  } catch (const std::exception& e) {
    out += ErrorLine(e) + '\n';  // one line: no unit can be reached
    return Finish(out, io.out, true);
  }
  bool failed = false;
  for (const TQNTUnitRow& row : QuantityInfo(quantity).Units) {
    out += std::to_string(row.Ordinal) + '\t' + std::string(row.Enumerator) + '\t' +
           Utf8Name(quantity, row.Ordinal) + '\t';
    try {
      out += FormatResult(output, Convert(quantity, from, row.Ordinal, value));
    } catch (const std::exception& e) {
      out += ErrorLine(e);
      failed = true;
    }
    out += '\n';
  }
  return Finish(out, io.out, failed);
}

}  // namespace qnt::cli
