// The unit tables as data: counts, names, categories, and sweeps over every unit that check each
// unit's two directions against each other and against the unit's documented size.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <string_view>

#include "convert/QNTKITConversion.h"
#include "kit/QNTKITStrings.h"
#include "tests/convert/ConvertTestSupport.h"

namespace qnt {
namespace {

std::string Utf8(std::u16string_view s) { return ToUtf8(s); }

TQNTQuantity Q(int q) { return static_cast<TQNTQuantity>(q); }

TEST(UnitTables, HoldTheUnitCountOfEveryQuantity) {
  const int expected[kQuantityCount] = {8,  69, 53, 85, 34, 41, 30, 6,  24, 49, 49, 8, 51, 15, 8,
                                        15, 16, 38, 12, 9,  9,  5,  14, 19, 42, 31, 4, 11, 5};
  int total = 0;
  for (int q = 0; q < kQuantityCount; ++q) {
    EXPECT_EQ(QuantityInfo(Q(q)).UnitCount(), expected[q]) << QuantityInfo(Q(q)).ShortName;
    total += QuantityInfo(Q(q)).UnitCount();
  }
  EXPECT_EQ(total, 760);
}

TEST(UnitTables, EveryUnitHasItsOrdinalANameAndAUniqueEnumerator) {
  std::set<std::string_view> enumerators;
  for (int q = 0; q < kQuantityCount; ++q) {
    const TQNTQuantityInfo& info = QuantityInfo(Q(q));
    std::set<std::u16string_view> names;
    for (int u = 0; u < info.UnitCount(); ++u) {
      const TQNTUnitRow& row = UnitRow(Q(q), u);
      SCOPED_TRACE(std::string(info.ShortName) + " " + std::string(row.Enumerator));
      EXPECT_EQ(row.Ordinal, u);
      EXPECT_FALSE(UnitName(Q(q), u).empty());
      EXPECT_TRUE(names.insert(UnitName(Q(q), u)).second) << "two units of a list read the same";
      EXPECT_TRUE(enumerators.insert(row.Enumerator).second);
    }
  }
  EXPECT_EQ(enumerators.size(), 760u);
}

TEST(UnitTables, KeepTheStoredTextsAndMendTheMisleadingOnes) {
  struct {
    TQNTQuantity quantity;
    int unit;
    const char16_t* text;
  } const cases[] = {
      {eqTemp, ettReaumur, u"по Rйaumur"},
      {eqTemp, ettRomer, u"по Rшmer"},
      {eqPower, eptWatts, u"ВаттыWatts"},
      {eqPower, eptPferdestarke, u"Pferdestдrke"},
      {eqForce, eftSthenes, u"Sthиnes"},
      {eqTorque, ettDyneCentimetres, u"Дина на сантимет"},
      {eqFlow, eftGallonsUKPerMinute, u"Галонов (Великобритании)в минуту"},
      {eqFlow, eftFluidOuncesUSPerHour, u"Жидких унций (США) (US) в час"},
      {eqEnergy, eetBritishThermalUnits39F, u"British Thermal Units (39 F)"},
      // A tenth of a litre was labelled as decalitres; the long ton read like the tonne.
      {eqVol, evtDeciLitres, u"Децилитры"},
      {eqVol, evtDecalitres, u"Decalitres"},
      {eqMass, emtTonnes, u"Тонны"},
      {eqMass, emtTons, u"Тонны (длинные)"},
      // The slope units had no text at all.
      {eqAngle, eatGrade, u"Grade (%)"},
      {eqAngle, eatGradePerMil, u"Grade (Per Mil)"},
      {eqAngle, eatRiseRatio, u"Rise Ratio (1 in N)"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8(UnitName(c.quantity, c.unit)), Utf8(c.text));
}

TEST(UnitTables, ListTheCategoriesInTheWindowsOrder) {
  EXPECT_EQ(CategoryQuantity(0), eqTemp);
  EXPECT_EQ(CategoryQuantity(3), eqArea);
  EXPECT_EQ(CategoryQuantity(4), eqVol);
  EXPECT_EQ(Utf8(QuantityInfo(eqVol).Caption.Original), "Звук");
  EXPECT_EQ(CategoryQuantity(13), eqFlowMass);
  EXPECT_EQ(CategoryQuantity(14), eqTorque);
  EXPECT_EQ(CategoryQuantity(15), eqRActive);
  EXPECT_EQ(CategoryQuantity(28), eqVisKin);
  std::set<int> seen;
  for (int c = 0; c < kQuantityCount; ++c) {
    EXPECT_EQ(QuantityInfo(CategoryQuantity(c)).Category, c);
    seen.insert(CategoryQuantity(c));
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kQuantityCount));
  EXPECT_THROW(CategoryQuantity(29), std::out_of_range);
  EXPECT_THROW(CategoryQuantity(-1), std::out_of_range);
}

TEST(UnitTables, NameEachQuantitysClassPropertiesAndKeys) {
  const TQNTQuantityInfo& flowMass = QuantityInfo(eqFlowMass);
  EXPECT_EQ(flowMass.ClassName, "TQNTFlowMassConvertor");
  EXPECT_EQ(flowMass.UnitsInProperty, "FlowUnitsIn");
  EXPECT_EQ(Utf8(flowMass.KeyPrefix), "Hide FlowMass ");
  EXPECT_EQ(QuantityInfo(eqAccel).EnumName, "TQNTAccelerationType");
  for (int q = 0; q < kQuantityCount; ++q) {
    const TQNTQuantityInfo& info = QuantityInfo(Q(q));
    EXPECT_EQ(info.ClassName, "TQNT" + std::string(info.ShortName) + "Convertor");
    EXPECT_EQ(Utf8(info.KeyPrefix), "Hide " + std::string(info.ShortName) + " ");
  }
}

TEST(UnitTables, PassValuesOfTheBaseUnitUnchanged) {
  const struct {
    TQNTQuantity quantity;
    int base;
  } bases[] = {{eqTemp, ettCelsius}, {eqVol, evtLitres}, {eqFlow, eftLitresPerSecond}, {eqTime, ettDays}};
  for (const auto& b : bases) EXPECT_EQ(QuantityInfo(b.quantity).BaseUnit, b.base);
  for (int q = 0; q < kQuantityCount; ++q) {
    const int base = QuantityInfo(Q(q)).BaseUnit;
    const Extended odd = 0.1234567890123456789L;
    EXPECT_EQ(ToBase(Q(q), base, odd), odd);
    EXPECT_EQ(FromBase(Q(q), base, odd), odd);
  }
}

TEST(UnitTables, RefuseOrdinalsOutsideTheTable) {
  EXPECT_THROW(Convert(eqTemp, 8, 0, 1.0L), std::out_of_range);
  EXPECT_THROW(Convert(eqTemp, 0, -1, 1.0L), std::out_of_range);
  EXPECT_THROW(UnitName(eqVisKin, 5), std::out_of_range);
  EXPECT_THROW(QuantityInfo(static_cast<TQNTQuantity>(29)), std::out_of_range);
}

// ---------------------------------------------------------------------------------------------
// One unit in the base unit agrees with the documented size of the unit: a cross-check of every
// to-base chain. Exact sizes agree within 2 units in the last place of the 64-bit mantissa (the chain
// rounds once per step; the worst is 1); sizes given to 15 digits agree within half a unit of the 15th
// digit.

struct UnitInBaseCase {
  TQNTQuantity quantity;
  int unit;
  const char* value;
  bool exact;
};

const UnitInBaseCase kUnitInBase[] = {
#include "tests/convert/UnitInBase.inc"
};

TEST(UnitTables, OneUnitInTheBaseUnitIsItsDocumentedSize) {
  ASSERT_EQ(std::size(kUnitInBase), 748u);  // every unit but the eleven formula units
  for (const UnitInBaseCase& c : kUnitInBase) {
    SCOPED_TRACE(std::string(UnitRow(c.quantity, c.unit).Enumerator) + " = " + c.value);
    const Extended expected = test::ParseDecimal(c.value);
    const Extended got = ToBase(c.quantity, c.unit, 1.0L);
    if (c.exact) {
      const Extended ulp = std::nextafter(expected, __builtin_infl()) - expected;
      EXPECT_LE(std::fabs(got - expected), 2 * ulp) << static_cast<double>(got);
    } else {
      EXPECT_LE(std::fabs(got / expected - 1), 5.001e-15L) << static_cast<double>(got);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Round trips: 1 to the base unit and back. Every linear unit's two directions are inverse to each
// other up to rounding: the worst unit (Reynolds, six steps each way) comes back 2 units in the last
// place of 1 away; the test allows 4.

TEST(UnitTables, EveryLinearUnitComesBackToOneWithinFourUlps) {
  int linear = 0;
  for (int q = 0; q < kQuantityCount; ++q) {
    const TQNTQuantityInfo& info = QuantityInfo(Q(q));
    for (const TQNTUnitRow& row : info.Units) {
      if (!row.ToBase.IsLinear()) continue;
      ++linear;
      const Extended back = FromBase(Q(q), row.Ordinal, ToBase(Q(q), row.Ordinal, 1.0L));
      const Extended ulp = std::nextafter(1.0L, 2.0L) - 1.0L;
      EXPECT_LE(std::fabs(back - 1.0L), 4 * ulp) << info.ShortName << " " << row.Enumerator;
    }
  }
  EXPECT_EQ(linear, 749);  // 760 less 7 temperature scales, litres per 100 km and 3 slopes
}

TEST(UnitTables, FormulaUnitsComeBackFromTheBaseUnit) {
  struct {
    TQNTQuantity quantity;
    int unit;
    Extended value;
  } const cases[] = {
      {eqTemp, ettKelvin, 300.0L},    {eqTemp, ettFahrenheit, 98.6L},
      {eqTemp, ettReaumur, 25.0L},    {eqTemp, ettRankine, 500.0L},
      {eqTemp, ettRomer, 30.0L},      {eqTemp, ettDelisle, 100.0L},
      {eqTemp, ettNewton, 10.0L},     {eqFuel, eftLitresPer100Kilometres, 6.5L},
      {eqAngle, eatGrade, 7.0L},      {eqAngle, eatGradePerMil, -35.0L},
      {eqAngle, eatRiseRatio, 12.0L},
  };
  for (const auto& c : cases) {
    const Extended back = FromBase(c.quantity, c.unit, ToBase(c.quantity, c.unit, c.value));
    EXPECT_NEAR(static_cast<double>(back), static_cast<double>(c.value), 1e-15 * std::fabs(c.value))
        << UnitRow(c.quantity, c.unit).Enumerator;
  }
}

TEST(UnitTables, MessagesAndNamesFollowTheTextLanguage) {
  const TQNTTextLanguage saved = TextLanguage;
  TextLanguage = tlEnglish;
  EXPECT_EQ(Utf8(ConvText(ctDivisionByZero)), "Division by zero");
  LoadUnitNameTables();
  // No English unit names yet: the original text stands in.
  EXPECT_EQ(Utf8(UnitName(eqDist, edtMetres)), "Метры");
  TextLanguage = saved;
  LoadUnitNameTables();
  EXPECT_EQ(Utf8(ConvText(ctDivisionByZero)), "Деление на ноль");
}

}  // namespace
}  // namespace qnt
