// The conversion commands of `qnt`, run as a real process: listings, the three ways to convert,
// output forms, per-value errors (exit status 1) and bad usage (exit status 2).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/QntProcess.h"

namespace qnt::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(QntQuantities, ListsTheCategoriesInTheWindowsOrder) {
  const QntResult r = RunQnt({"quantities"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = r.Lines();
  ASSERT_EQ(lines.size(), 29u);
  EXPECT_EQ(lines[0], "0\tTemp\tТемпература\t8");
  EXPECT_EQ(lines[3], "3\tArea\tПлощадь\t34");
  EXPECT_EQ(lines[4], "4\tVol\tЗвук\t85");
  EXPECT_EQ(lines[13], "13\tFlowMass\tПоток (масс)\t15");
  EXPECT_EQ(lines[28], "28\tVisKin\tВязкость (кинемат.)\t5");
  int total = 0;
  for (const std::string& line : lines) total += std::stoi(line.substr(line.rfind('\t') + 1));
  EXPECT_EQ(total, 760);
}

TEST(QntUnits, ListsEveryUnitOfEveryQuantityWithItsText) {
  std::string all;
  for (int q = 0; q < 29; ++q) {
    const QntResult r = RunQnt({"units", std::to_string(q)});
    ASSERT_EQ(r.status, 0) << r.err;
    all += r.out;
  }
  EXPECT_EQ(all, ReadWholeFile(QNT_UNITS_GOLDEN));
}

TEST(QntUnits, AcceptsEveryFormOfAQuantityName) {
  const std::string expected = RunQnt({"units", "1"}).out;
  for (const char* q : {"Dist", "dist", "DIST", "TQNTDistConvertor", "tqntdistconvertor"})
    EXPECT_EQ(RunQnt({"units", q}).out, expected) << q;
}

// ---------------------------------------------------------------------------------------------

struct ConvertCase {
  const char* name;
  std::vector<std::string> args;
  std::string out;
};

void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.name; }

const ConvertCase kConvertCases[] = {
    {"feet_to_metres", {"convert", "Dist", "edtFeet", "edtMetres", "45"}, "13.715999999999999999\n"},
    {"units_by_ordinal", {"convert", "1", "8", "0", "45"}, "13.715999999999999999\n"},
    {"units_by_display_text", {"convert", "Dist", "Футы", "Метры", "45"}, "13.715999999999999999\n"},
    {"enumerators_in_any_case", {"convert", "dist", "EDTFEET", "edtmetres", "45"}, "13.715999999999999999\n"},
    {"mended_text_names_its_unit", {"convert", "Vol", "Децилитры", "evtLitres", "1"}, "0.1\n"},
    {"several_values_one_line_each",
     {"convert", "Mass", "emtKilograms", "emtPounds", "1", "-2", "0"},
     "2.2046226218487758072\n-4.4092452436975516144\n0\n"},
    {"kit_number_syntax", {"convert", "Dist", "0", "0", " (1,234.5) ", "12.", "5%"}, "-1234.5\n12\n5\n"},
    {"large_result_in_scientific_form",
     {"convert", "Dist", "edtLightYears", "edtMetres", "1000000000"},
     "9.460536207068016e+24\n"},
    {"hex_form", {"convert", "--hex", "Dist", "edtMetres", "edtMetres", "1"}, "0x8p-3\n"},
    {"places_form_like_the_result_field",
     {"convert", "Dist", "edtMiles", "edtFeet", "1000", "--places", "2"},
     "5,280,000.00\n"},
    {"places_rounds_half_away_from_zero", {"convert", "--places=2", "Dist", "0", "0", "0.125"}, "0.13\n"},
    {"places_zero", {"convert", "--places", "0", "Temp", "ettCelsius", "ettFahrenheit", "36.6"}, "98\n"},
    {"negative_values_are_not_options",
     {"convert", "Temp", "ettCelsius", "ettKelvin", "-1", "--", "-2"},
     "272.15\n271.15\n"},
    {"locale_in_the_c_locale_changes_nothing", {"convert", "--locale", "Dist", "0", "1", "1.5"}, "150\n"},
};

class QntConvert : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(QntConvert, WritesOneResultPerValue) {
  const ConvertCase& c = GetParam();
  const QntResult r = RunQnt(c.args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(Arguments, QntConvert, ::testing::ValuesIn(kConvertCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QntConvert, AFailingValueWritesItsErrorAndTheOthersGoOn) {
  const QntResult r = RunQnt(
      {"convert", "Temp", "ettCelsius", "ettKelvin", "-300", "abc", "25", "1E4932", "-300", "", "1e99999"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.Lines(), ElementsAre("error: Температура не может быть ниже чем -273.15 C",
                                     "error: 'abc' is not a valid floating point value", "298.15", "1e+4932",
                                     // each value converts on its own: no "same value, no conversion" state
                                     "error: Температура не может быть ниже чем -273.15 C",
                                     "error: '' is not a valid floating point value",
                                     "error: '1e99999' is not a valid floating point value"));
}

TEST(QntConvert, NeverWritesInfinityOrNan) {
  const QntResult r = RunQnt({"convert", "Dist", "edtKilometres", "edtMillimetres", "1E4932", "-1E4932"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.Lines(), ElementsAre("error: Результат слишком велик", "error: Результат слишком велик"));
  const QntResult slope = RunQnt({"convert", "Angle", "eatRiseRatio", "eatDegrees", "0"});
  EXPECT_EQ(slope.out, "error: Деление на ноль\n");
}

TEST(QntConvert, ReadsStandardInputOneLinePerLine) {
  // CRLF line ends, an empty line, a bad line and a last line without its line end.
  const QntResult r = RunQnt({"convert", "Fuel", "eftLitresPer100Kilometres", "eftKilometresPerLitre"},
                             "5\r\n-5\n\n0\nten\n8");
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.Lines(), ElementsAre("20", "-20", "error: '' is not a valid floating point value",
                                     "error: Литров на 100 км не может быть 0!",
                                     "error: 'ten' is not a valid floating point value", "12.5"));
}

TEST(QntConvert, StreamsLargeInputsLineForLine) {
  const char* eighths[] = {"", ".125", ".25", ".375", ".5", ".625", ".75", ".875"};
  std::string input, expected;
  for (int i = 0; i < 50000; ++i) {
    input += std::to_string(i) + "\n";
    expected += std::to_string(i / 8) + eighths[i % 8] + "\n";
  }
  const QntResult r = RunQnt({"convert", "Computer", "ectBits", "ectBytes"}, input);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out == expected) << "output differs (" << r.out.size() << " bytes)";
  EXPECT_EQ(RunQnt({"convert", "Mass", "0", "1"}, "").out, "");
}

TEST(QntConvert, ConvertsATable) {
  const QntResult r = RunQnt({"convert", "--table"},
                             "Dist\tedtMiles\tedtMetres\t1\n"
                             "0\tettCelsius\tettFahrenheit\t100\n"
                             "Dist\tedtMiles\tedtMetres\t2\n"
                             "Dist\tedtParsnips\tedtMetres\t2\n"
                             "Dist\tedtMiles\n"
                             "Temp\tettKelvin\tettCelsius\t-1\n"
                             "Power\tВаттыWatts\tPferdestдrke\t0\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(
      r.Lines(),
      ElementsAre(
          "1609.344", "212", "3218.688",
          "error: unknown unit 'edtParsnips' of Dist; 'qnt units Dist' lists the valid ordinals and names",
          "error: expected Q<TAB>FROM<TAB>TO<TAB>VALUE, found 2 field(s)",
          "error: Температура не может быть ниже чем 0 градусов Кельвина", "0"));
}

TEST(QntAll, ShowsTheValueInEveryUnit) {
  const QntResult r = RunQnt({"all", "Temp", "ettCelsius", "100"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.Lines(),
              ElementsAre("0\tettKelvin\tпо Кельвину\t373.15", "1\tettFahrenheit\tпо Фаренгейту\t212",
                          "2\tettCelsius\tпо Цельсию\t100", "3\tettReaumur\tпо Rйaumur\t80",
                          "4\tettRankine\tпо Rankine\t671.67000000000000004", "5\tettRomer\tпо Rшmer\t60",
                          "6\tettDelisle\tпо Делилю\t0", "7\tettNewton\tпо Ньютону\t33"));
}

TEST(QntAll, MarksTheUnitsItCannotReach) {
  const QntResult r = RunQnt({"all", "Fuel", "0", "0", "--places", "1"});
  EXPECT_EQ(r.status, 1);
  const std::vector<std::string> lines = r.Lines();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "0\teftKilometresPerLitre\tКилометров на литр\t0.0");
  EXPECT_EQ(
      lines[2],
      "2\teftLitresPer100Kilometres\tЛитров на 100 километров\terror: Киллометров на литр не может быть 0!");
  const QntResult unreadable = RunQnt({"all", "Fuel", "0", "zero"});
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_EQ(unreadable.out, "error: 'zero' is not a valid floating point value\n");
}

// ---------------------------------------------------------------------------------------------

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

const UsageCase kUsageCases[] = {
    {"unknown_quantity", {"convert", "Distance", "0", "1", "5"}, "'qnt quantities' lists the valid"},
    {"category_index_out_of_range", {"units", "29"}, "unknown quantity '29'"},
    {"unknown_unit", {"convert", "Dist", "edtFeet", "edtFathom", "5"}, "'qnt units Dist' lists the valid"},
    {"ordinal_out_of_range", {"all", "Temp", "8", "5"}, "unknown unit '8' of Temp"},
    {"unknown_option", {"convert", "--frob", "Dist", "0", "1", "5"}, "unknown option '--frob'"},
    {"places_out_of_range", {"convert", "--places", "19", "Dist", "0", "1", "5"}, "0 to 18"},
    {"missing_units", {"convert", "Dist", "0"}, "needs a quantity, a source unit and a target unit"},
    {"table_takes_no_arguments", {"convert", "--table", "Dist"}, "takes no arguments"},
    {"all_needs_one_value", {"all", "Dist", "0"}, "needs a quantity, a source unit and one value"},
    {"units_needs_a_quantity", {"units"}, "needs one quantity"},
    {"quantities_takes_nothing", {"quantities", "Dist"}, "takes no arguments"},
};

class QntUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(QntUsage, IsExitStatusTwoWithAMessage) {
  const UsageCase& c = GetParam();
  const QntResult r = RunQnt(c.args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_THAT(r.err, HasSubstr(c.message));
}

INSTANTIATE_TEST_SUITE_P(Commands, QntUsage, ::testing::ValuesIn(kUsageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QntHelp, ListsTheCommandsAndExplainsConvert) {
  const QntResult help = RunQnt({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"qnt quantities", "qnt units Q", "qnt convert Q FROM TO", "qnt convert --table",
                              "qnt all Q FROM VALUE"})
    EXPECT_THAT(help.out, HasSubstr(command));
  const QntResult convert = RunQnt({"convert", "--help"});
  EXPECT_EQ(convert.status, 0);
  EXPECT_THAT(convert.out, HasSubstr("Usage: qnt convert"));
  for (const char* command : {"all", "units", "quantities"}) {
    const QntResult r = RunQnt({command, "--help"});
    EXPECT_EQ(r.status, 0) << command;
    EXPECT_THAT(r.out, HasSubstr(std::string("Usage: qnt ") + command)) << command;
  }
  EXPECT_THAT(RunQnt({"--version"}).out, HasSubstr("kit 6.3.1"));
}

}  // namespace
}  // namespace qnt::test
