// Shared pieces of the `qnt` commands: number output forms, common options, the locale switch.
#include <clocale>
#include <stdexcept>

#include "cli/QntCli.h"
#include "cli/QntFastNumbers.h"
#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITNumText.h"
#include "kit/QNTKITStrings.h"

namespace qnt::cli {

std::string TNumberOutput::Format(Extended value) const {
  switch (form) {
    case Shortest: {
      std::string text;
      AppendShortestText(text, value);
      return text;
    }
    case Hex: return FloatToHexText(value);
    case Places: return ToUtf8(FloatToGroupedText(value, places, false));
  }
  return {};
}

TCommonOptions TakeCommonOptions(std::vector<std::string>& args) {
  TCommonOptions options;
  std::vector<std::string> rest;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded) {
      rest.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "--hex") {
      options.output.form = TNumberOutput::Hex;
    } else if (a == "--locale") {
      options.locale = true;
    } else if (a == "--places" || a.rfind("--places=", 0) == 0) {
      std::string value;
      if (a == "--places") {
        if (i + 1 >= args.size()) throw EUsageError("--places needs a number from 0 to 18");
        value = args[++i];
      } else {
        value = a.substr(9);
      }
      const auto n = ParseInt64Text(FromUtf8(value));
      if (!n || *n < 0 || *n > 18) throw EUsageError("--places needs a number from 0 to 18, not '" + value + "'");
      options.output.form = TNumberOutput::Places;
      options.output.places = static_cast<int>(*n);
    } else {
      rest.push_back(a);
    }
  }
  args.swap(rest);
  if (options.locale) UseUserLocaleSeparators();
  return options;
}

void UseUserLocaleSeparators() {
  std::setlocale(LC_NUMERIC, "");
  const std::lconv* lc = std::localeconv();
  const std::u16string dec = lc && lc->decimal_point ? FromUtf8(lc->decimal_point) : u".";
  const std::u16string thou = lc && lc->thousands_sep ? FromUtf8(lc->thousands_sep) : u"";
  if (dec.size() == 1) FormatSettings.DecimalSeparator = dec[0];
  // A locale without a thousand separator keeps the kit's, as long as it differs from the decimal one.
  if (thou.size() == 1)
    FormatSettings.ThousandSeparator = thou[0];
  else if (FormatSettings.ThousandSeparator == FormatSettings.DecimalSeparator)
    FormatSettings.ThousandSeparator = FormatSettings.DecimalSeparator == u'.' ? u',' : u'.';
  std::setlocale(LC_NUMERIC, "C");
}

Extended ReadNumber(std::string_view text) {
  if (const std::optional<Extended> plain = ReadPlainNumber(text)) return *plain;  // the common case, fast
  const std::u16string u = FromUtf8(text);
  Extended value = 0;
  if (!ParseFloatText(u, value)) throw EConvertError(FormatMessage(KitText(ktInvalidFloat), u));
  return value;
}

std::string ErrorLine(const std::exception& e) {
  if (const auto* kit = dynamic_cast<const EQNTError*>(&e)) return "error: " + ToUtf8(kit->Message());
  return std::string("error: ") + e.what();
}

void ChompCarriageReturn(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace qnt::cli
