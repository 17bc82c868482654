// Test support: pins the kit's process-wide settings for one test and restores them afterwards, and
// writes expected texts with "." and "," standing for the decimal and thousand separators in force.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "kit/QNTKITDefaults.h"
#include "kit/QNTKITTypes.h"

namespace qnt::test {

/// A decimal/thousand separator pair, named for test output.
struct SeparatorPair {
  const char* name;
  char16_t decimal;
  char16_t thousand;
};

// Short parameter text in test names and messages.
inline void PrintTo(const SeparatorPair& pair, std::ostream* os) { *os << pair.name; }

inline const SeparatorPair kSeparatorPairs[] = {
    {"dot_comma", u'.', u','},
    {"comma_dot", u',', u'.'},
    {"comma_space", u',', u' '},
    {"dot_apostrophe", u'.', u'\''},
    {"comma_nbsp", u',', u'\u00A0'},
};

/// Saves and restores every global the number routines read.
class KitGlobalsGuard {
 public:
  KitGlobalsGuard()
      : fFormat(FormatSettings), fShowPosSign(DefaultShowPosSign), fBlankWhenZero(DefaultBlankWhenZero) {
    FormatSettings.DecimalSeparator = u'.';
    FormatSettings.ThousandSeparator = u',';
    DefaultShowPosSign = false;
    DefaultBlankWhenZero = false;
  }
  ~KitGlobalsGuard() {
    FormatSettings = fFormat;
    DefaultShowPosSign = fShowPosSign;
    DefaultBlankWhenZero = fBlankWhenZero;
  }

 private:
  TFormatSettings fFormat;
  bool fShowPosSign;
  bool fBlankWhenZero;
};

class KitTest : public ::testing::Test {
 protected:
  KitGlobalsGuard fGuard;
};

/// A test run once per separator pair; Localise() rewrites "." and "," in an expected text.
class SeparatorTest : public ::testing::TestWithParam<SeparatorPair> {
 protected:
  void SetUp() override {
    FormatSettings.DecimalSeparator = GetParam().decimal;
    FormatSettings.ThousandSeparator = GetParam().thousand;
  }
  static std::u16string Localise(const char* text) {
    std::u16string out;
    for (const char* p = text; *p; ++p) {
      if (*p == '.')
        out += FormatSettings.DecimalSeparator;
      else if (*p == ',')
        out += FormatSettings.ThousandSeparator;
      else
        out += static_cast<char16_t>(static_cast<unsigned char>(*p));
    }
    return out;
  }
  KitGlobalsGuard fGuard;
};

inline std::string PairName(const ::testing::TestParamInfo<SeparatorPair>& info) { return info.param.name; }

}  // namespace qnt::test
