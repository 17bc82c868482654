// The convertor components: construction, when a write converts, the state after a failed
// conversion, hidden units and unit lists, and the same contract for all 29 classes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QObject>
#include <QPointer>
#include <cmath>
#include <memory>
#include <string>

#include "convert/QNTKITConvertors.h"
#include "kit/QNTKITStrings.h"
#include "tests/convert/ConvertTestSupport.h"

namespace qnt {
namespace {

using test::AgreesWithPrinted;

/// Counts the conversions a temperature convertor runs.
class CountingTempConvertor : public TQNTTempConvertor {
 public:
  int runs = 0;

 protected:
  void UpdateValueOut() override {
    ++runs;
    TQNTTempConvertor::UpdateValueOut();
  }
};

std::string Message(TQNTConvTextId id) { return ToUtf8(ConvText(id)); }

TEST(Convertor, StartsAtZeroWithOrdinalZeroUnitsAndNothingHidden) {
  TQNTTempConvertor c;
  EXPECT_EQ(c.ValueIn(), 0);
  EXPECT_EQ(c.ValueOut(), 0);
  EXPECT_EQ(c.TempUnitsIn(), ettKelvin);
  EXPECT_EQ(c.TempUnitsOut(), ettKelvin);
  EXPECT_EQ(c.NoUnits(), 8);
  EXPECT_EQ(c.NoHiddenUnits(), 0);
  EXPECT_EQ(c.Version(), QStringLiteral("6.3.1"));
}

TEST(Convertor, IgnoresWritesToItsReadOnlyProperties) {
  TQNTTempConvertor c;
  c.SetNoUnits(0);
  c.SetNoHiddenUnits(5);
  c.SetValueOut(12);
  c.SetVersion(QStringLiteral("1.0"));
  EXPECT_EQ(c.NoUnits(), 8);
  EXPECT_EQ(c.NoHiddenUnits(), 0);
  EXPECT_EQ(c.ValueOut(), 0);
  EXPECT_EQ(c.Version(), QStringLiteral("6.3.1"));
}

TEST(Convertor, ConvertsOnlyWhenAWriteChangesSomething) {
  CountingTempConvertor c;
  c.SetValueIn(0);  // the value it holds
  EXPECT_EQ(c.runs, 0);
  c.SetValueIn(10);
  EXPECT_EQ(c.runs, 1);
  c.SetValueIn(__builtin_nanl(""));  // unordered: nothing to do
  EXPECT_EQ(c.runs, 1);
  EXPECT_EQ(c.ValueIn(), 10);
  c.SetTempUnitsIn(ettKelvin);  // the unit it holds
  EXPECT_EQ(c.runs, 1);
  c.SetTempUnitsIn(ettCelsius);
  c.SetTempUnitsOut(ettFahrenheit);
  EXPECT_EQ(c.runs, 3);
  EXPECT_EQ(c.ValueOut(), 50);
  c.Hide(ettNewton);  // hiding never converts
  EXPECT_EQ(c.runs, 3);
}

TEST(Convertor, EqualUnitsStillGoThroughTheBaseUnit) {
  TQNTTempConvertor c;
  c.SetValueIn(-0.01L);
  EXPECT_TRUE(AgreesWithPrinted(c.ValueOut(), "-0.010000000000000008882"));
}

TEST(Convertor, AFailedConversionKeepsTheWrittenValueAndThePreviousResult) {
  TQNTTempConvertor c;
  c.SetTempUnitsIn(ettCelsius);
  c.SetValueIn(25);  // 25 °C in kelvins
  const Extended previous = c.ValueOut();
  EXPECT_TRUE(AgreesWithPrinted(previous, "298.15"));

  EXPECT_THAT([&] { c.SetValueIn(-300); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctBelowAbsZeroCelsius))));
  EXPECT_EQ(c.ValueIn(), -300);
  EXPECT_EQ(c.ValueOut(), previous);

  EXPECT_NO_THROW(c.SetValueIn(-300));  // the same value again: no conversion, no error
  EXPECT_EQ(c.ValueOut(), previous);

  c.SetTempUnitsOut(ettCelsius);  // Celsius to Celsius runs no routine, so no check
  EXPECT_EQ(c.ValueOut(), -300);
}

TEST(Convertor, AFailedConversionKeepsTheWrittenUnit) {
  TQNTTempConvertor c;
  c.SetTempUnitsIn(ettCelsius);
  c.SetTempUnitsOut(ettCelsius);
  c.SetValueIn(-300);
  EXPECT_THROW(c.SetTempUnitsOut(ettKelvin), EMathError);
  EXPECT_EQ(c.TempUnitsOut(), ettKelvin);
  EXPECT_EQ(c.ValueOut(), -300);
  EXPECT_NO_THROW(c.SetTempUnitsOut(ettKelvin));
}

TEST(Convertor, OverflowFailsLikeAnyOtherConversion) {
  TQNTDistConvertor c;
  c.SetDistUnitsOut(edtMillimetres);
  c.SetValueIn(2);
  EXPECT_THAT([&] { c.SetValueIn(1E4932L); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctOverflow))));
  EXPECT_EQ(c.ValueIn(), 1E4932L);
  EXPECT_EQ(c.ValueOut(), 2000);
}

TEST(Convertor, RiseRatioOfAFlatAngleFailsLikeAnyOtherConversion) {
  TQNTAngleConvertor c;
  c.SetAngleUnitsIn(eatDegrees);
  EXPECT_THAT([&] { c.SetAngleUnitsOut(eatRiseRatio); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(Message(ctDivisionByZero))));
  EXPECT_EQ(c.AngleUnitsOut(), eatRiseRatio);
  c.SetValueIn(45);
  EXPECT_NEAR(static_cast<double>(c.ValueOut()), 1.0, 1e-15);
}

TEST(Convertor, HidesUnitsFromTheListOnly) {
  TQNTTempConvertor c;
  const TQNTUnitList all = c.UnitList(true);
  ASSERT_EQ(all.size(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(all[i].Ordinal, i);
  EXPECT_EQ(all[2].Text, QStringLiteral("по Цельсию"));

  c.SetTempUnitsIn(ettCelsius);
  c.Hide(ettCelsius);
  c.Hide(ettCelsius);
  EXPECT_EQ(c.NoHiddenUnits(), 1);
  EXPECT_EQ(c.TempUnitsIn(), ettCelsius);
  const TQNTUnitList visible = c.UnitList(false);
  ASSERT_EQ(visible.size(), 7);
  for (const TQNTUnitItem& item : visible) EXPECT_NE(item.Ordinal, 2);
  EXPECT_EQ(c.UnitList(true), all);

  c.UnHide(ettCelsius);
  EXPECT_EQ(c.NoHiddenUnits(), 0);
  c.Hide(ettKelvin);
  c.Hide(ettNewton);
  c.UnHideAll();
  EXPECT_EQ(c.NoHiddenUnits(), 0);
}

TEST(Convertor, RefusesUnitsOutsideItsEnumeration) {
  TQNTTempConvertor c;
  EXPECT_THROW(c.SetTempUnitsIn(static_cast<TQNTTempType>(8)), std::out_of_range);
  EXPECT_THROW(c.SetSourceUnit(-1), std::out_of_range);
  EXPECT_THROW(c.Hide(static_cast<TQNTTempType>(200)), std::out_of_range);
  EXPECT_EQ(c.TempUnitsIn(), ettKelvin);
  EXPECT_EQ(c.NoHiddenUnits(), 0);
}

TEST(Convertor, ConvertsAsTheWindowDrivesIt) {
  // The window writes the value, then the source unit, then the target unit, and reads the result.
  TQNTTempConvertor c;
  c.SetValueIn(45);
  c.SetTempUnitsIn(ettFahrenheit);
  c.SetTempUnitsOut(ettRankine);
  EXPECT_EQ(c.ValueOut(), Convert(ettFahrenheit, ettRankine, 45.0L));
  EXPECT_TRUE(AgreesWithPrinted(c.ValueOut(), "504.67"));
}

TEST(Convertor, WithoutAStoreLoadingAndSavingChangeNothing) {
  TQNTDistConvertor c;
  c.Hide(edtFeet);
  c.LoadFromStore();
  c.SaveToStore();
  EXPECT_TRUE(c.IsHidden(edtFeet));
  EXPECT_EQ(c.NoHiddenUnits(), 1);
  EXPECT_EQ(std::u16string(c.KeyPrefix()), u"Hide Dist ");
}

TEST(Convertor, IsOwnedByItsOwner) {
  auto owner = std::make_unique<QObject>();
  QPointer<TQNTBaseConvertor> c = CreateConvertor(eqMass, owner.get());
  ASSERT_TRUE(c);
  EXPECT_EQ(c->parent(), owner.get());
  owner.reset();
  EXPECT_TRUE(c.isNull());
}

// ---------------------------------------------------------------------------------------------
// Every class, through the quantity-independent interface.

class EveryConvertor : public ::testing::TestWithParam<int> {};

TEST_P(EveryConvertor, SharesTheContract) {
  const auto q = static_cast<TQNTQuantity>(GetParam());
  const TQNTQuantityInfo& info = QuantityInfo(q);
  std::unique_ptr<TQNTBaseConvertor> c(CreateConvertor(q));
  EXPECT_EQ(std::string(c->metaObject()->className()), "qnt::" + std::string(info.ClassName));
  EXPECT_EQ(c->NoUnits(), info.UnitCount());
  EXPECT_EQ(c->UnitList(true).size(), info.UnitCount());
  EXPECT_EQ(c->KeyPrefix(), info.KeyPrefix);
  EXPECT_EQ(c->SourceUnit(), 0);

  const int last = info.UnitCount() - 1;
  c->SetHidden(last, true);
  EXPECT_EQ(c->NoHiddenUnits(), 1);
  EXPECT_EQ(c->UnitList(false).size(), info.UnitCount() - 1);
  EXPECT_FALSE(c->IsHidden(info.UnitCount()));

  // A value that every unit of every quantity converts (no bounds, no zero).
  c->SetSourceUnit(info.BaseUnit);
  c->SetValueIn(50);
  c->SetTargetUnit(last);
  EXPECT_EQ(c->ValueOut(), Convert(q, info.BaseUnit, last, 50.0L));
  EXPECT_EQ(c->TargetUnit(), last);
  EXPECT_THROW(c->SetTargetUnit(info.UnitCount()), std::out_of_range);
  EXPECT_EQ(c->TargetUnit(), last);
}

INSTANTIATE_TEST_SUITE_P(AllQuantities, EveryConvertor, ::testing::Range(0, kQuantityCount),
                         [](const auto& info) {
                           return std::string(QuantityInfo(static_cast<TQNTQuantity>(info.param)).ShortName);
                         });

}  // namespace
}  // namespace qnt
