// The 29 unit tables: for every unit its ordinal, enumerator, display text (the original text; the
// English column is filled in later) and the operations that take a value to the quantity's base unit
// and back. A chain of steps runs left to right, each step rounded to the 80-bit extended value; a
// parenthesised operand is a group computed by itself first. Never fold the constants of a chain
// together: (x*a)*b and x*(a*b) round differently. Formula units (temperature scales, litres per 100
// kilometres, slopes) carry the routines that also check their ranges.
#include <iterator>

#include "convert/QNTKITConversion.h"

namespace qnt {
namespace {

constexpr TQNTStep Mul(Extended operand) { return {TQNTStepOp::Mul, operand}; }
constexpr TQNTStep Div(Extended operand) { return {TQNTStepOp::Div, operand}; }
constexpr TQNTUnitChain Formula(TQNTFormula routine) { return {{}, routine}; }

#define QNT_UNIT(enumerator) enumerator, #enumerator

/// True when every row's ordinal is its index in the table.
template <std::size_t N>
constexpr bool InOrdinalOrder(const TQNTUnitRow (&rows)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (rows[i].Ordinal != i) return false;
  return true;
}

// TQNTTempConvertor: base unit ettCelsius.
// clang-format off
constexpr TQNTUnitRow kTempRows[] = {
    {QNT_UNIT(ettKelvin), {u"по Кельвину", {}}, Formula(KelvinToCelsius), Formula(CelsiusToKelvin)},
    {QNT_UNIT(ettFahrenheit), {u"по Фаренгейту", {}}, Formula(FahrenheitToCelsius), Formula(CelsiusToFahrenheit)},
    {QNT_UNIT(ettCelsius), {u"по Цельсию", {}}, {}, {}},
    {QNT_UNIT(ettReaumur), {u"по Rйaumur", {}}, Formula(ReaumurToCelsius), Formula(CelsiusToReaumur)},
    {QNT_UNIT(ettRankine), {u"по Rankine", {}}, Formula(RankineToCelsius), Formula(CelsiusToRankine)},
    {QNT_UNIT(ettRomer), {u"по Rшmer", {}}, Formula(RomerToCelsius), Formula(CelsiusToRomer)},
    {QNT_UNIT(ettDelisle), {u"по Делилю", {}}, Formula(DelisleToCelsius), Formula(CelsiusToDelisle)},
    {QNT_UNIT(ettNewton), {u"по Ньютону", {}}, Formula(NewtonToCelsius), Formula(CelsiusToNewton)},
};
// clang-format on
static_assert(std::size(kTempRows) == TQNTUnitTraits<TQNTTempType>::kCount && InOrdinalOrder(kTempRows));

// TQNTDistConvertor: base unit edtMetres.
// clang-format off
constexpr TQNTUnitRow kDistRows[] = {
    {QNT_UNIT(edtMetres), {u"Метры", {}}, {}, {}},
    {QNT_UNIT(edtCentimetres), {u"Сантиметры", {}}, {{Mul(0.01L)}}, {{Mul(100.0L)}}},
    {QNT_UNIT(edtMillimetres), {u"Миллиметры", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(edtMicrons), {u"Microns", {}}, {{Div(1000000.0L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(edtMicrometres), {u"Micrometres", {}}, {{Div(1000000.0L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(edtNanometres), {u"Nanometres", {}}, {{Div(1000000000.0L)}}, {{Mul(1000000000.0L)}}},
    {QNT_UNIT(edtAngstroms), {u"Angstroms", {}}, {{Div(10000000000.0L)}}, {{Mul(10000000000.0L)}}},
    {QNT_UNIT(edtKilometres), {u"Километры", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(edtFeet), {u"Футы", {}}, {{Mul(12.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(12.0L)}}},
    {QNT_UNIT(edtMils), {u"Миллы", {}}, {{Mul(0.0254L), Mul(0.1L), Mul(0.01L)}}, {{Mul(100.0L), Mul(10.0L), Div(0.0254L)}}},
    {QNT_UNIT(edtInches), {u"Дюймы", {}}, {{Mul(0.0254L)}}, {{Div(0.0254L)}}},
    {QNT_UNIT(edtYards), {u"Ярды", {}}, {{Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L)}}},
    {QNT_UNIT(edtMiles), {u"Мили", {}}, {{Mul(1760.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(1760.0L)}}},
    {QNT_UNIT(edtFathoms), {u"Морская сажень", {}}, {{Mul(2.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(2.0L)}}},
    {QNT_UNIT(edtShackles12), {u"Shackles (12.5 Fathoms)", {}}, {{Mul(12.5L), Mul(2.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(2.0L), Div(12.5L)}}},
    {QNT_UNIT(edtShackles15), {u"Shackles (15 Fathoms)", {}}, {{Mul(15.0L), Mul(2.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(2.0L), Div(15.0L)}}},
    {QNT_UNIT(edtNauticalMilesUK), {u"Морские мили (Великобритании)", {}}, {{Mul(0.3048L), Mul(6082.0L)}}, {{Div(1853.7936L)}}},
    {QNT_UNIT(edtNauticalMilesUS), {u"Морские мили (США)", {}}, {{Mul(1852.0L)}}, {{Div(1852.0L)}}},
    {QNT_UNIT(edtNauticalMilesInt), {u"Nautical Miles (International)", {}}, {{Mul(1852.0L)}}, {{Div(1852.0L)}}},
    {QNT_UNIT(edtNauticalMilesTelegraph), {u"Nautical Miles (Telegraphic)", {}}, {{Mul(1855.3248L)}}, {{Div(1855.3248L)}}},
    {QNT_UNIT(edtGeographicalMiles), {u"Geographical Miles", {}}, {{Mul(1855.3248L)}}, {{Div(1855.3248L)}}},
    {QNT_UNIT(edtAdmiraltyMiles), {u"Британская адмиралтейская морская миля", {}}, {{Mul(6080.0L), Div(3.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Mul(3.0L), Div(6080.0L)}}},
    {QNT_UNIT(edtRomanMiles), {u"Романские мили", {}}, {{Mul(1618.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(1618.0L)}}},
    {QNT_UNIT(edtRomanFeet), {u"Roman Feet", {}}, {{Div(5000.0L), Mul(1618.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(1618.0L), Mul(5000.0L)}}},
    {QNT_UNIT(edtUnciae), {u"Unciae (Roman Inches)", {}}, {{Div(60000.0L), Mul(1618.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(1618.0L), Mul(60000.0L)}}},
    {QNT_UNIT(edtScottishMiles), {u"Scottish Miles", {}}, {{Mul(5940.0L), Mul(12.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(12.0L), Div(5940.0L)}}},
    {QNT_UNIT(edtIrishMiles), {u"Irish Miles", {}}, {{Mul(6720.0L), Mul(12.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(12.0L), Div(6720.0L)}}},
    {QNT_UNIT(edtChains), {u"Чайны", {}}, {{Mul(22.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(22.0L)}}},
    {QNT_UNIT(edtEngChains), {u"Chains (Engineer)", {}}, {{Mul(100.0L), Div(3.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Mul(3.0L), Div(100.0L)}}},
    {QNT_UNIT(edtRods), {u"Роды", {}}, {{Mul(5.5L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(5.5L)}}},
    {QNT_UNIT(edtLinks), {u"Links", {}}, {{Mul(22.0L), Div(100.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Mul(100.0L), Div(22.0L)}}},
    {QNT_UNIT(edtEngLinks), {u"Links (Engineer)", {}}, {{Div(3.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Mul(3.0L)}}},
    {QNT_UNIT(edtHands), {u"Hands", {}}, {{Mul(0.1016L)}}, {{Div(0.1016L)}}},
    {QNT_UNIT(edtFeetUSSurvey), {u"Feet (US Survey)", {}}, {{Mul(12.0L), Div(39.37L)}}, {{Mul(39.37L), Div(12.0L)}}},
    {QNT_UNIT(edtInchesUSSurvey), {u"Inches (US Survey)", {}}, {{Div(39.37L)}}, {{Mul(39.37L)}}},
    {QNT_UNIT(edtThous), {u"Thous", {}}, {{Mul(0.0254L), Mul(0.1L), Mul(0.01L)}}, {{Mul(100.0L), Mul(10.0L), Div(0.0254L)}}},
    {QNT_UNIT(edtPoles), {u"Poles", {}}, {{Mul(5.5L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(5.5L)}}},
    {QNT_UNIT(edtPerches), {u"Perches", {}}, {{Mul(5.5L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(5.5L)}}},
    {QNT_UNIT(edtFurlongs), {u"Фарлонги", {}}, {{Mul(220.0L), Mul(36.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(36.0L), Div(220.0L)}}},
    {QNT_UNIT(edtLeaguesUKLand), {u"Лиги (суша Великобритании)", {}}, {{Mul(3.0L), Mul(1760.0L), Mul(36.0L), Mul(0.0254L), Div(1000.0L), Mul(1000.0L)}}, {{Mul(0.001L), Mul(1000.0L), Div(0.0254L), Div(36.0L), Div(1760.0L), Div(3.0L)}}},
    {QNT_UNIT(edtLeaguesUKSea), {u"Лиги (морские Великобритании)", {}}, {{Mul(5.5613808L), Mul(1000.0L)}}, {{Mul(0.001L), Div(5.5613808L)}}},
    {QNT_UNIT(edtLeaguesUS), {u"Лиги (США)", {}}, {{Mul(5.556L), Mul(1000.0L)}}, {{Mul(0.001L), Div(5.556L)}}},
    {QNT_UNIT(edtAstronomicalUnits), {u"Астрономические едницы", {}}, {{Mul(149597870700.0L), Div(1000.0L), Mul(1000.0L)}}, {{Mul(0.001L), Mul(1000.0L), Div(149597870700.0L)}}},
    {QNT_UNIT(edtLightYears), {u"Световые годы", {}}, {{Mul(9460536207068016.0L), Div(1000.0L), Mul(1000.0L)}}, {{Mul(0.001L), Mul(1000.0L), Div(9460536207068016.0L)}}},
    {QNT_UNIT(edtLightYears365), {u"Световые годы (365 Days)", {}}, {{Mul(9454254955488000.0L), Div(1000.0L), Mul(1000.0L)}}, {{Mul(0.001L), Mul(1000.0L), Div(9454254955488000.0L)}}},
    {QNT_UNIT(edtParsecs), {u"Парсеки", {}}, {{Mul(30856775814671900.0L), Div(1000.0L), Mul(1000.0L)}}, {{Mul(0.001L), Mul(1000.0L), Div(30856775814671900.0L)}}},
    {QNT_UNIT(edtPoints), {u"Точки", {}}, {{Div(72.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(72.0L)}}},
    {QNT_UNIT(edtPicas), {u"Пики", {}}, {{Div(6.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(6.0L)}}},
    {QNT_UNIT(edtLightSeconds), {u"Световые секунды", {}}, {{Mul(299792458.0L)}}, {{Div(299792458.0L)}}},
    {QNT_UNIT(edtLightMinutes), {u"Световые минуты", {}}, {{Mul(17987547480.0L)}}, {{Div(17987547480.0L)}}},
    {QNT_UNIT(edtLightHours), {u"Световые часы", {}}, {{Mul(1079252848800.0L)}}, {{Div(1079252848800.0L)}}},
    {QNT_UNIT(edtLightDays), {u"Световые дни", {}}, {{Mul(25902068371200.0L)}}, {{Div(25902068371200.0L)}}},
    {QNT_UNIT(edtPouces), {u"Pouces", {}}, {{Mul(1.0657L), Mul(0.0254L), Mul(100.0L), Mul(0.01L)}}, {{Mul(100.0L), Div(0.0254L * 100.0L), Div(1.0657L)}}},
    {QNT_UNIT(edtPieds), {u"Pieds de roi", {}}, {{Mul(12.0L), Mul(1.0657L), Mul(0.0254L), Mul(100.0L), Mul(0.01L)}}, {{Mul(100.0L), Div(0.0254L * 100.0L), Div(1.0657L), Div(12.0L)}}},
    {QNT_UNIT(edtBarleycorn), {u"Barleycorns", {}}, {{Div(3.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(3.0L)}}},
    {QNT_UNIT(edtParisPoint), {u"Paris Points", {}}, {{Mul(2.0L), Div(300.0L)}}, {{Mul(300.0L), Div(2.0L)}}},
    {QNT_UNIT(edtCubitsCommon), {u"Cubits (Common)", {}}, {{Mul(0.4572L)}}, {{Div(0.4572L)}}},
    {QNT_UNIT(edtCubitsRoman), {u"Cubits (Roman)", {}}, {{Mul(0.444L)}}, {{Div(0.444L)}}},
    {QNT_UNIT(edtCubitsGreek), {u"Cubits (Greek)", {}}, {{Mul(0.462L)}}, {{Div(0.462L)}}},
    {QNT_UNIT(edtCubitsShort), {u"Cubits (Short)", {}}, {{Mul(0.3302L)}}, {{Div(0.3302L)}}},
    {QNT_UNIT(edtSpans), {u"Spans", {}}, {{Mul(0.2286L)}}, {{Div(0.2286L)}}},
    {QNT_UNIT(edtSmoots), {u"Smoots", {}}, {{Mul(67.0L), Mul(0.0254L)}}, {{Div(0.0254L), Div(67.0L)}}},
    {QNT_UNIT(edtInchTenth), {u"Inch (Tenths of)", {}}, {{Div(10.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(10.0L)}}},
    {QNT_UNIT(edtInchSixteenth), {u"Inch (Sixteenths of)", {}}, {{Div(16.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(16.0L)}}},
    {QNT_UNIT(edtInchThirtySecond), {u"Inch (Thirty-Seconds of)", {}}, {{Div(32.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(32.0L)}}},
    {QNT_UNIT(edtInchSixtyFourth), {u"Inch (Sixty-Fourths of)", {}}, {{Div(64.0L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(64.0L)}}},
    {QNT_UNIT(edtDecimetres), {u"Decimetres", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
    {QNT_UNIT(edtDecametres), {u"Decametres", {}}, {{Mul(10.0L)}}, {{Mul(0.1L)}}},
    {QNT_UNIT(edtMicroinches), {u"Microinches", {}}, {{Mul(0.000001L), Mul(0.0254L)}}, {{Div(0.0254L), Mul(1000000.0L)}}},
};
// clang-format on
static_assert(std::size(kDistRows) == TQNTUnitTraits<TQNTDistType>::kCount && InOrdinalOrder(kDistRows));

// TQNTMassConvertor: base unit emtKilograms.
// clang-format off
constexpr TQNTUnitRow kMassRows[] = {
    {QNT_UNIT(emtKilograms), {u"Килограммы", {}}, {}, {}},
    {QNT_UNIT(emtGrams), {u"Граммы", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(emtMilligrams), {u"Миллиграммы", {}}, {{Div(1000000.0L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(emtTonnes), {u"Тонны", {}}, {{Mul(1000.0L)}}, {{Div(1000.0L)}}},
    {QNT_UNIT(emtPounds), {u"Фунты", {}}, {{Mul(0.45359237L)}}, {{Div(0.45359237L)}}},
    {QNT_UNIT(emtOunces), {u"Унции", {}}, {{Div(16.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(16.0L)}}},
    {QNT_UNIT(emtStones), {u"Стоны", {}}, {{Mul(14.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(14.0L)}}},
    {QNT_UNIT(emtQuarters), {u"Квартеры", {}}, {{Mul(28.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(28.0L)}}},
    {QNT_UNIT(emtShortQuarters), {u"Quarters (Short)", {}}, {{Mul(25.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(25.0L)}}},
  // The long ton (1016 kg): labelled "Тонны" in the original, like the tonne.
    {QNT_UNIT(emtTons), {u"Тонны (длинные)", {}}, {{Mul(2240.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(2240.0L)}}},
    {QNT_UNIT(emtShortTons), {u"Тонны (короткие)", {}}, {{Mul(2000.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(2000.0L)}}},
    {QNT_UNIT(emtHundredWeights), {u"Хандредвейты", {}}, {{Mul(112.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(112.0L)}}},
    {QNT_UNIT(emtShortHundredWeights), {u"Хандредвейты (короткие)", {}}, {{Mul(100.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(100.0L)}}},
    {QNT_UNIT(emtDrams), {u"Драхмы", {}}, {{Div(16.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Mul(0.001L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Mul(16.0L)}}},
    {QNT_UNIT(emtGrains), {u"Граны", {}}, {{Div(480.0L), Div(12.0L), Mul(144.0L), Div(175.0L), Mul(16.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Mul(0.001L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Div(16.0L), Mul(175.0L), Div(144.0L), Mul(12.0L), Mul(480.0L)}}},
    {QNT_UNIT(emtScruples), {u"Scruples", {}}, {{Mul(20.0L), Div(480.0L), Div(12.0L), Mul(144.0L), Div(175.0L), Mul(16.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Mul(0.001L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Div(16.0L), Mul(175.0L), Div(144.0L), Mul(12.0L), Mul(480.0L), Div(20.0L)}}},
    {QNT_UNIT(emtMetricGrains), {u"Grains (Metric)", {}}, {{Div(20.0L), Mul(0.001L)}}, {{Mul(1000.0L), Mul(20.0L)}}},
    {QNT_UNIT(emtCarats), {u"Караты", {}}, {{Div(5.0L), Mul(0.001L)}}, {{Mul(1000.0L), Mul(5.0L)}}},
    {QNT_UNIT(emtPoints), {u"Points", {}}, {{Div(500.0L), Mul(0.001L)}}, {{Mul(1000.0L), Mul(500.0L)}}},
    {QNT_UNIT(emtTroyPounds), {u"Фунты (Тройские)", {}}, {{Mul(144.0L), Div(175.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(175.0L), Div(144.0L)}}},
    {QNT_UNIT(emtTroyOunces), {u"Унции (Тройские)", {}}, {{Div(12.0L), Mul(144.0L), Div(175.0L), Mul(16.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Mul(0.001L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Div(16.0L), Mul(175.0L), Div(144.0L), Mul(12.0L)}}},
    {QNT_UNIT(emtRomanOunces), {u"Roman Ounces", {}}, {{Div(16.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(16.0L)}}},
    {QNT_UNIT(emtRomanPounds), {u"Roman Pounds", {}}, {{Mul(12.0L), Div(16.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(16.0L), Div(12.0L)}}},
    {QNT_UNIT(emtPennyweights), {u"Pennyweights", {}}, {{Mul(24.0L), Div(480.0L), Div(12.0L), Mul(144.0L), Div(175.0L), Mul(16.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Div(16.0L), Mul(175.0L), Div(144.0L), Mul(12.0L), Mul(480.0L), Div(24.0L)}}},
    {QNT_UNIT(emtSlugs), {u"Слаги", {}}, {{Mul(9.80665L), Div(0.3048L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(0.3048L), Div(9.80665L)}}},
    {QNT_UNIT(emtZentners), {u"Zentners", {}}, {{Mul(50.0L)}}, {{Div(50.0L)}}},
    {QNT_UNIT(emtPfund), {u"Pfund", {}}, {{Mul(0.5L)}}, {{Mul(2.0L)}}},
    {QNT_UNIT(emtLivre), {u"Livre", {}}, {{Mul(0.4895L)}}, {{Div(0.4895L)}}},
    {QNT_UNIT(emtMicrograms), {u"Micrograms", {}}, {{Div(1000000000.0L)}}, {{Mul(1000000000.0L)}}},
    {QNT_UNIT(emtNanograms), {u"Nanograms", {}}, {{Div(1000000000000.0L)}}, {{Mul(1000000000000.0L)}}},
    {QNT_UNIT(emtPicograms), {u"Picograms", {}}, {{Div(1000000000000000.0L)}}, {{Mul(1000000000000000.0L)}}},
    {QNT_UNIT(emtKilopounds), {u"Kilopounds", {}}, {{Mul(1000.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(0.001L)}}},
    {QNT_UNIT(emtKips), {u"Kips", {}}, {{Mul(1000.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(0.001L)}}},
    {QNT_UNIT(emtTolas), {u"Tolas", {}}, {{Mul(180.0L), Div(480.0L), Div(12.0L), Mul(144.0L), Div(175.0L), Mul(16.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Mul(0.001L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Div(16.0L), Mul(175.0L), Div(144.0L), Mul(12.0L), Mul(480.0L), Div(180.0L)}}},
    {QNT_UNIT(emtTaelsChina), {u"Taels (Chinese)", {}}, {{Mul(4.0L), Div(3.0L), Div(16.0L), Mul(0.45359237L), Mul(1000.0L), Mul(0.001L)}}, {{Mul(1000.0L), Div(0.45359237L * 1000.0L), Mul(16.0L), Mul(3.0L), Div(4.0L)}}},
    {QNT_UNIT(emtTaelsJap), {u"Taels (Japanese)", {}}, {{Mul(37.5L), Mul(0.001L)}}, {{Mul(1000.0L), Div(37.5L)}}},
    {QNT_UNIT(emtMomme), {u"Momme", {}}, {{Mul(3.75L), Mul(0.001L)}}, {{Mul(1000.0L), Div(3.75L)}}},
    {QNT_UNIT(emtBerkovets), {u"Berkovets", {}}, {{Mul(96.0L), Mul(400.0L), Mul(0.00426575L)}}, {{Div(0.00426575L), Div(38400.0L)}}},
    {QNT_UNIT(emtPood), {u"Pood", {}}, {{Mul(96.0L), Mul(40.0L), Mul(0.00426575L)}}, {{Div(0.00426575L), Div(3840.0L)}}},
    {QNT_UNIT(emtFunt), {u"Funt", {}}, {{Mul(96.0L), Mul(0.00426575L)}}, {{Div(0.00426575L), Div(96.0L)}}},
    {QNT_UNIT(emtLot), {u"Lot (Russian)", {}}, {{Div(3.0L), Mul(0.00426575L)}}, {{Div(0.00426575L), Mul(3.0L)}}},
    {QNT_UNIT(emtZolotnik), {u"Zolotnik", {}}, {{Mul(0.00426575L)}}, {{Div(0.00426575L)}}},
    {QNT_UNIT(emtDolya), {u"Dolya", {}}, {{Div(96.0L), Mul(0.00426575L)}}, {{Div(0.00426575L), Mul(96.0L)}}},
    {QNT_UNIT(emtQuintals), {u"Quintals", {}}, {{Mul(100.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(100.0L)}}},
    {QNT_UNIT(emtQuintalsMetric), {u"Quintals (Metric)", {}}, {{Mul(100.0L)}}, {{Mul(0.01L)}}},
    {QNT_UNIT(emtCentners), {u"Centners", {}}, {{Mul(100.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Div(100.0L)}}},
    {QNT_UNIT(emtCentnersMetric), {u"Centners (Metric)", {}}, {{Mul(100.0L)}}, {{Mul(0.01L)}}},
    {QNT_UNIT(emtCentnersShortMetric), {u"Centners (Short Metric)", {}}, {{Mul(50.0L)}}, {{Mul(0.02L)}}},
    {QNT_UNIT(emtLibras), {u"Libras (Roman)", {}}, {{Mul(12.0L), Div(16.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(16.0L), Div(12.0L)}}},
    {QNT_UNIT(emtLibrasMetric), {u"Libras (Metric)", {}}, {}, {}},
    {QNT_UNIT(emtKilotonnes), {u"Kilotonnes", {}}, {{Mul(1000.0L), Mul(1000.0L)}}, {{Div(1000.0L), Mul(0.001L)}}},
    {QNT_UNIT(emtMegatonnes), {u"Megatonnes", {}}, {{Mul(1000000.0L), Mul(1000.0L)}}, {{Div(1000.0L), Mul(0.000001L)}}},
    {QNT_UNIT(emtGigatonnes), {u"Gigatonnes", {}}, {{Mul(1000000000.0L), Mul(1000.0L)}}, {{Div(1000.0L), Mul(0.000000001L)}}},
};
// clang-format on
static_assert(std::size(kMassRows) == TQNTUnitTraits<TQNTMassType>::kCount && InOrdinalOrder(kMassRows));

// TQNTVolConvertor: base unit evtLitres.
// clang-format off
constexpr TQNTUnitRow kVolRows[] = {
    {QNT_UNIT(evtCubicMetres), {u"Кубические метры", {}}, {{Mul(1000000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(0.000001L)}}},
    {QNT_UNIT(evtLitres), {u"Литры", {}}, {}, {}},
    {QNT_UNIT(evtMillilitres), {u"Миллилитры", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(evtKilolitres), {u"Килолитры", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
  // A tenth of a litre: labelled "Декалитры" (decalitres) in the original, which misled users by 100.
    {QNT_UNIT(evtDeciLitres), {u"Децилитры", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
    {QNT_UNIT(evtCentilitres), {u"Centilitres", {}}, {{Mul(0.01L)}}, {{Mul(100.0L)}}},
    {QNT_UNIT(evtHectolitres), {u"Hectolitres", {}}, {{Mul(100.0L)}}, {{Mul(0.01L)}}},
    {QNT_UNIT(evtMicrolitres), {u"Microlitres", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(evtPintsUK), {u"Пинты (Великобритании)", {}}, {{Mul(0.56826125L)}}, {{Div(0.56826125L)}}},
    {QNT_UNIT(evtPintsUS), {u"Пинты (США)", {}}, {{Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L)}}},
    {QNT_UNIT(evtQuartsUK), {u"Кварты (Великобритании)", {}}, {{Mul(2.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(2.0L)}}},
    {QNT_UNIT(evtQuartsUS), {u"Кварты (США)", {}}, {{Mul(2.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(2.0L)}}},
    {QNT_UNIT(evtGallonsUK), {u"Галоны (Великобритании)", {}}, {{Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L)}}},
    {QNT_UNIT(evtGallonsUS), {u"Галоны (США)", {}}, {{Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L)}}},
    {QNT_UNIT(evtGillsUK), {u"Gills (UK)", {}}, {{Mul(0.56826125L), Div(4.0L)}}, {{Div(0.56826125L), Mul(4.0L)}}},
    {QNT_UNIT(evtGillsUS), {u"Gills (US)", {}}, {{Div(4.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(4.0L)}}},
    {QNT_UNIT(evtFluidOuncesUK), {u"Жидкие унции (Великобритании)", {}}, {{Div(20.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(20.0L)}}},
    {QNT_UNIT(evtFluidOuncesUS), {u"Жидкие унции (США)", {}}, {{Div(16.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(16.0L)}}},
    {QNT_UNIT(evtFluidDramsUK), {u"Жидкие драхмы (Великобритании)", {}}, {{Div(160.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(160.0L)}}},
    {QNT_UNIT(evtFluidDramsUS), {u"Жидкие драхмы (США)", {}}, {{Div(128.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(128.0L)}}},
    {QNT_UNIT(evtTeaspoonUS), {u"Чайная ложка (США)", {}}, {{Mul(4.0L), Div(3.0L), Div(128.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(128.0L), Mul(0.75L)}}},
    {QNT_UNIT(evtTeaspoonUK), {u"Чайная ложка (Великобритании)", {}}, {{Div(160.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(160.0L)}}},
    {QNT_UNIT(evtTeaspoonMetric), {u"Чайная ложка (Метрическая)", {}}, {{Div(200.0L)}}, {{Mul(200.0L)}}},
    {QNT_UNIT(evtDessertspoonUS), {u"Дессертная ложка (США)", {}}, {{Mul(2.0L), Mul(4.0L), Div(3.0L), Div(128.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(128.0L), Mul(0.75L), Div(2.0L)}}},
    {QNT_UNIT(evtDessertspoonUK), {u"Дессертная ложка (Великобритании)", {}}, {{Mul(2.0L), Div(160.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(160.0L), Div(2.0L)}}},
    {QNT_UNIT(evtDessertspoonMetric), {u"Дессертная ложка (Метрические)", {}}, {{Mul(2.0L), Div(200.0L)}}, {{Mul(200.0L), Div(2.0L)}}},
    {QNT_UNIT(evtTablespoonUS), {u"Столовая ложка (США)", {}}, {{Mul(3.0L), Mul(4.0L), Div(3.0L), Div(128.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(128.0L), Mul(0.75L), Div(3.0L)}}},
    {QNT_UNIT(evtTablespoonUK), {u"Столовая ложка (Великобритании)", {}}, {{Mul(4.0L), Div(160.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(160.0L), Div(4.0L)}}},
    {QNT_UNIT(evtTablespoonMetricAus), {u"Tablespoons (Metric Australia)", {}}, {{Mul(0.02L)}}, {{Mul(50.0L)}}},
    {QNT_UNIT(evtTablespoonMetricOther), {u"Tablespoons (Metric Other)", {}}, {{Mul(0.015L)}}, {{Div(0.015L)}}},
    {QNT_UNIT(evtCubicCentimetres), {u"Кубические сантиметры", {}}, {{Div(1000.0L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(evtCubicMillimetres), {u"Cubic Millimetres", {}}, {{Mul(0.001L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(1000.0L)}}},
    {QNT_UNIT(evtCubicDecimetres), {u"Cubic Decimetres", {}}, {{Mul(1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(0.001L)}}},
    {QNT_UNIT(evtPintsUKDry), {u"Пинты (Великобритании сухие)", {}}, {{Mul(0.56826125L * 1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.56826125L * 1000.0L)}}},
    {QNT_UNIT(evtPintsUSDry), {u"Пинты (US сухие)", {}}, {{Mul(551.1L), Div(1000.0L)}}, {{Mul(1000.0L), Div(551.1L)}}},
    {QNT_UNIT(evtQuartsUKDry), {u"Кварты (Великобритании сухие)", {}}, {{Mul(2.0L), Mul(0.56826125L * 1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.56826125L * 1000.0L), Div(2.0L)}}},
    {QNT_UNIT(evtQuartsUSDry), {u"Кварты (США сухие)", {}}, {{Mul(2.0L), Mul(551.1L), Div(1000.0L)}}, {{Mul(1000.0L), Div(551.1L), Div(2.0L)}}},
    {QNT_UNIT(evtGallonsUKdry), {u"Галлоны (Великобритании сухие)", {}}, {{Mul(8.0L), Mul(0.56826125L * 1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.56826125L * 1000.0L), Div(8.0L)}}},
    {QNT_UNIT(evtGallonsUSDry), {u"Галлоны (США сухие)", {}}, {{Mul(8.0L), Mul(551.1L), Div(1000.0L)}}, {{Mul(1000.0L), Div(551.1L), Div(8.0L)}}},
    {QNT_UNIT(evtPecksUK), {u"Пеки (Великобритании)", {}}, {{Mul(2.0L), Mul(8.0L), Mul(0.56826125L * 1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.56826125L * 1000.0L), Div(8.0L), Div(2.0L)}}},
    {QNT_UNIT(evtPecksUS), {u"Пеки (US)", {}}, {{Mul(2.0L), Mul(8.0L), Mul(551.1L), Div(1000.0L)}}, {{Mul(1000.0L), Div(551.1L), Div(8.0L), Div(2.0L)}}},
    {QNT_UNIT(evtBushellsUK), {u"Бушели (Великобритании)", {}}, {{Mul(8.0L), Mul(8.0L), Mul(0.56826125L * 1000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.56826125L * 1000.0L), Div(8.0L), Div(8.0L)}}},
    {QNT_UNIT(evtBushellsUS), {u"Бушели (США)", {}}, {{Mul(8.0L), Mul(8.0L), Mul(551.1L), Div(1000.0L)}}, {{Mul(1000.0L), Div(551.1L), Div(8.0L), Div(8.0L)}}},
    {QNT_UNIT(evtBarrelsOil), {u"Баррели (нефти)", {}}, {{Mul(42.0L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Div(42.0L)}}},
    {QNT_UNIT(evtBarrelsDry), {u"Barrels (Dry)", {}}, {{Mul(7056.0L), Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(7056.0L)}}},
    {QNT_UNIT(evtBarrelsLiquid), {u"Barrels (Liquid)", {}}, {{Mul(31.5L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Div(31.5L)}}},
    {QNT_UNIT(evtCubicInches), {u"Кубические дюймы", {}}, {{Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L)}}},
    {QNT_UNIT(evtCubicFathoms), {u"Cubic Fathoms", {}}, {{Mul(6116.438863872L)}}, {{Div(6116.438863872L)}}},
    {QNT_UNIT(evtCubicFeet), {u"Кубические футы", {}}, {{Mul(1728.0L), Mul(16.387064L), Div(1000000.0L), Mul(1000000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(0.000001L), Mul(1000000.0L), Div(16.387064L), Div(1728.0L)}}},
    {QNT_UNIT(evtCubicYards), {u"Кубические ярды", {}}, {{Mul(46656.0L), Mul(16.387064L), Div(1000000.0L), Mul(1000000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(0.000001L), Mul(1000000.0L), Div(16.387064L), Div(46656.0L)}}},
    {QNT_UNIT(evtCupsMetric), {u"Чашки (Метрические)", {}}, {{Mul(0.25L)}}, {{Mul(4.0L)}}},
    {QNT_UNIT(evtCupsUS), {u"Чашки (США)", {}}, {{Mul(8.0L), Div(16.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(16.0L), Mul(0.125L)}}},
    {QNT_UNIT(evtMegaGallonsUK), {u"MegaGallons (UK)", {}}, {{Mul(1000000.0L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Mul(0.000001L)}}},
    {QNT_UNIT(evtMegaGallonsUS), {u"Megagallons (US)", {}}, {{Mul(1000000.0L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Mul(0.000001L)}}},
    {QNT_UNIT(evtAcreFeet), {u"Acre-Feet", {}}, {{Mul(43560.0L), Mul(1728.0L), Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Div(43560.0L)}}},
    {QNT_UNIT(evtAcreInches), {u"Acre-Inches", {}}, {{Mul(3630.0L), Mul(1728.0L), Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Div(3630.0L)}}},
    {QNT_UNIT(evtCubicMicrons), {u"Cubic Microns", {}}, {{Mul(0.000000000001L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(1000000000000.0L)}}},
    {QNT_UNIT(evtCongiiUK), {u"Congii (UK)", {}}, {{Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L)}}},
    {QNT_UNIT(evtAcetabula), {u"Acetabula", {}}, {{Mul(6.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(6.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtHeminae), {u"Heminae", {}}, {{Mul(24.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(24.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtSextarii), {u"Sextarii", {}}, {{Mul(48.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(48.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtCongii), {u"Congii (Roman)", {}}, {{Mul(288.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(288.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtLigulae), {u"Ligulae", {}}, {{Mul(25.5L), Div(2304.0L)}}, {{Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtUrnae), {u"Urnae", {}}, {{Mul(1152.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(1152.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtRomanAmphorae), {u"Amphorae (Roman)", {}}, {{Mul(2304.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(2304.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtModii), {u"Modii", {}}, {{Mul(768.0L), Mul(25.5L), Div(2304.0L)}}, {{Div(768.0L), Mul(2304.0L), Div(25.5L)}}},
    {QNT_UNIT(evtSuperFeet), {u"Super Feet", {}}, {{Mul(0.083333333333333333336L * 1728.0L * 16.387064L / 1000.0L)}}, {{Div(0.083333333333333333336L * 1728.0L * 16.387064L / 1000.0L)}}},
    {QNT_UNIT(evtBoardFeet), {u"Board Feet", {}}, {{Mul(0.083333333333333333336L * 1728.0L * 16.387064L / 1000.0L)}}, {{Div(0.083333333333333333336L * 1728.0L * 16.387064L / 1000.0L)}}},
    {QNT_UNIT(evtCupsUS12), {u"Cups (US 12 Oz)", {}}, {{Mul(12.0L), Div(16.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(16.0L), Div(12.0L)}}},
    {QNT_UNIT(evtCupsCanada), {u"Cups (Canada)", {}}, {{Mul(8.0L), Div(20.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(20.0L), Mul(0.125L)}}},
    {QNT_UNIT(evtCupsUK), {u"Cups (UK)", {}}, {{Mul(10.0L), Div(20.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(20.0L), Mul(0.1L)}}},
    {QNT_UNIT(evtBarrelsBeerUS), {u"Barrels (US Beer)", {}}, {{Mul(31.0L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Div(31.0L)}}},
    {QNT_UNIT(evtBarrelsBeerUK), {u"Barrels (UK Beer)", {}}, {{Mul(36.0L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Div(36.0L)}}},
    {QNT_UNIT(evtBarrelsWineUK), {u"Barrels (UK Wine)", {}}, {{Mul(26.25L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Div(26.25L)}}},
    {QNT_UNIT(evtKegsBeerUS), {u"Kegs (US Beer)", {}}, {{Mul(15.5L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Div(15.5L)}}},
    {QNT_UNIT(evtKegsWineUS), {u"Kegs (US Wine)", {}}, {{Mul(12.0L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Div(12.0L)}}},
    {QNT_UNIT(evtKegsBeerUK), {u"Kegs (UK Beer)", {}}, {{Mul(11.0L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Div(11.0L)}}},
    {QNT_UNIT(evtKegs25), {u"Kegs (25 Litre)", {}}, {{Mul(25.0L)}}, {{Div(25.0L)}}},
    {QNT_UNIT(evtKegs50), {u"Kegs (50 Litre)", {}}, {{Mul(50.0L)}}, {{Div(50.0L)}}},
    {QNT_UNIT(evtFirkinsBeer), {u"Firkins (Beer)", {}}, {{Mul(0.25L), Mul(36.0L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Div(36.0L), Mul(4.0L)}}},
    {QNT_UNIT(evtKilderkinsBeer), {u"Kilderkins (Beer)", {}}, {{Mul(0.5L), Mul(36.0L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Div(36.0L), Mul(2.0L)}}},
    {QNT_UNIT(evtHogsheadsBeer), {u"Hogsheads (Beer)", {}}, {{Mul(1.5L), Mul(36.0L), Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L), Div(36.0L), Div(1.5L)}}},
    {QNT_UNIT(evtDropsWater), {u"Drops (Water)", {}}, {{Mul(0.005L), Div(120.0L)}}, {{Mul(200.0L), Mul(120.0L)}}},
    {QNT_UNIT(evtDropsThick), {u"Drops (Thick Fluid)", {}}, {{Mul(0.005L), Div(60.0L)}}, {{Mul(200.0L), Mul(60.0L)}}},
    {QNT_UNIT(evtDecalitres), {u"Decalitres", {}}, {{Mul(10.0L)}}, {{Mul(0.1L)}}},
};
// clang-format on
static_assert(std::size(kVolRows) == TQNTUnitTraits<TQNTVolType>::kCount && InOrdinalOrder(kVolRows));

// TQNTAreaConvertor: base unit eatSqMetres.
// clang-format off
constexpr TQNTUnitRow kAreaRows[] = {
    {QNT_UNIT(eatSqMetres), {u"Квадратные метры", {}}, {}, {}},
    {QNT_UNIT(eatSqCentimetres), {u"Квадратные сантиметры", {}}, {{Mul(0.0001L)}}, {{Mul(10000.0L)}}},
    {QNT_UNIT(eatSqMillimetres), {u"Квадратные миллиметры", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(eatSqKilometres), {u"Квадратные киллометры", {}}, {{Mul(1000000.0L)}}, {{Mul(0.000001L)}}},
    {QNT_UNIT(eatSqInches), {u"Квадратные дюймы", {}}, {{Mul(6.4516L), Mul(0.0001L)}}, {{Mul(10000.0L), Div(6.4516L)}}},
    {QNT_UNIT(eatSqFeet), {u"Квадратные футы", {}}, {{Mul(144.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(144.0L)}}},
    {QNT_UNIT(eatSqYards), {u"Квадратные ярды", {}}, {{Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L)}}},
    {QNT_UNIT(eatSqMiles), {u"Квадратные милли", {}}, {{Mul(640.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Div(640.0L)}}},
    {QNT_UNIT(eatHectares), {u"Гектары", {}}, {{Mul(10000.0L)}}, {{Div(10000.0L)}}},
    {QNT_UNIT(eatAres), {u"Ares", {}}, {{Mul(0.01L), Mul(10000.0L)}}, {{Div(10000.0L), Mul(100.0L)}}},
    {QNT_UNIT(eatAcres), {u"Акры", {}}, {{Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L)}}},
    {QNT_UNIT(eatRoods), {u"Roods", {}}, {{Mul(0.25L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Mul(4.0L)}}},
    {QNT_UNIT(eatDunams), {u"Dunams", {}}, {{Mul(1000.0L)}}, {{Div(1000.0L)}}},
    {QNT_UNIT(eatTsubo), {u"Tsubo", {}}, {{Mul(3.33L)}}, {{Div(3.33L)}}},
    {QNT_UNIT(eatTatami), {u"Tatami", {}}, {{Mul(1.665L)}}, {{Div(1.665L)}}},
    {QNT_UNIT(eatPerches), {u"Перчы", {}}, {{Div(160.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Mul(160.0L)}}},
    {QNT_UNIT(eatSqMicrons), {u"Square Microns", {}}, {{Mul(0.000000000001L)}}, {{Mul(1000000000000.0L)}}},
    {QNT_UNIT(eatSqChains), {u"Square Chains", {}}, {{Mul(484.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(484.0L)}}},
    {QNT_UNIT(eatSqLinks), {u"Square Links", {}}, {{Div(10000.0L), Mul(484.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(484.0L), Mul(10000.0L)}}},
    {QNT_UNIT(eatSqRods), {u"Square Rods", {}}, {{Div(160.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Mul(160.0L)}}},
    {QNT_UNIT(eatSqPoles), {u"Square Poles", {}}, {{Div(160.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Mul(160.0L)}}},
    {QNT_UNIT(eatSqPerches), {u"Square Perches", {}}, {{Div(160.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Mul(160.0L)}}},
    {QNT_UNIT(eatSqFurlongs), {u"Square Furlongs", {}}, {{Mul(48400.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(48400.0L)}}},
    {QNT_UNIT(eatSqFathoms), {u"Square Fathoms", {}}, {{Mul(4.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Mul(0.25L)}}},
    {QNT_UNIT(eatSections), {u"Sections", {}}, {{Mul(640.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Div(640.0L)}}},
    {QNT_UNIT(eatTownships), {u"Townships", {}}, {{Mul(36.0L), Mul(640.0L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Div(640.0L), Div(36.0L)}}},
    {QNT_UNIT(eatPyong), {u"Pyong (Korea)", {}}, {{Mul(3.3058L)}}, {{Div(3.3058L)}}},
    {QNT_UNIT(eatPing), {u"Ping (Taiwan)", {}}, {{Mul(3.305L)}}, {{Div(3.305L)}}},
    {QNT_UNIT(eatWah), {u"Wah (Thai)", {}}, {{Mul(4.0L)}}, {{Mul(0.25L)}}},
    {QNT_UNIT(eatNgan), {u"Ngan (Thai)", {}}, {{Mul(400.0L)}}, {{Mul(0.0025L)}}},
    {QNT_UNIT(eatRai), {u"Rai (Thai)", {}}, {{Mul(1600.0L)}}, {{Mul(0.000625L)}}},
    {QNT_UNIT(eatCents), {u"Cents (India)", {}}, {{Mul(0.01L), Mul(4840.0L), Mul(1296.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(1296.0L), Div(4840.0L), Mul(100.0L)}}},
    {QNT_UNIT(eatSqMils), {u"Square Mils", {}}, {{Mul(6.4516L), Mul(0.0000000001L)}}, {{Mul(10000.0L), Div(6.4516L), Mul(1000000.0L)}}},
    {QNT_UNIT(eatCircularMils), {u"Circular Mils", {}}, {{Mul(5.067074790974977514E-10L)}}, {{Div(5.067074790974977514E-10L)}}},
};
// clang-format on
static_assert(std::size(kAreaRows) == TQNTUnitTraits<TQNTAreaType>::kCount && InOrdinalOrder(kAreaRows));

// TQNTPressureConvertor: base unit eptPascals.
// clang-format off
constexpr TQNTUnitRow kPressureRows[] = {
    {QNT_UNIT(eptPascals), {u"Паскали", {}}, {}, {}},
    {QNT_UNIT(eptHectopascals), {u"Hectopascals", {}}, {{Mul(100.0L)}}, {{Mul(0.01L)}}},
    {QNT_UNIT(eptKilopascals), {u"Киллопаскали", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eptMegapascals), {u"Megapascals", {}}, {{Mul(1000000.0L)}}, {{Mul(0.000001L)}}},
    {QNT_UNIT(eptBars), {u"Бары", {}}, {{Mul(100000.0L)}}, {{Mul(0.00001L)}}},
    {QNT_UNIT(eptMillibars), {u"Миллибары", {}}, {{Mul(0.001L), Mul(100000.0L)}}, {{Mul(0.00001L), Mul(1000.0L)}}},
    {QNT_UNIT(eptHectobars), {u"Гектобары", {}}, {{Mul(100.0L), Mul(100000.0L)}}, {{Mul(0.00001L), Mul(0.01L)}}},
    {QNT_UNIT(eptAtmospheres), {u"Атмосферы", {}}, {{Mul(101325.0L)}}, {{Div(101325.0L)}}},
    {QNT_UNIT(eptMillimetresOfMercury0C), {u"Миллиметров ртутного столба при 0°C", {}}, {{Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L)}}},
    {QNT_UNIT(eptCentimetresOfMercury0C), {u"Сантиметров ртутного столба при 0°C", {}}, {{Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L)}}},
    {QNT_UNIT(eptInchesOfMercury0C), {u"Дюймов ртутного столба при 0°C", {}}, {{Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L)}}},
    {QNT_UNIT(eptTorrs), {u"Торы", {}}, {{Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L)}}},
    {QNT_UNIT(eptPoundsPerSqInch), {u"Фунтов на квадратный дюйм", {}}, {{Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L)}}},
    {QNT_UNIT(eptPSI), {u"PSI", {}}, {{Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L)}}},
    {QNT_UNIT(eptPoundsPerSqFoot), {u"Фунтов на квадратный фут", {}}, {{Mul(1.0L / 144.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(144.0L)}}},
    {QNT_UNIT(eptPoundsPerSqYard), {u"Pounds per Sq Yard", {}}, {{Mul(1.0L / 1296.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(1296.0L)}}},
    {QNT_UNIT(eptShortTonsPerSqFoot), {u"Тонн (США) на квадратный фут", {}}, {{Mul(2000.0L), Mul(1.0L / 144.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(144.0L), Mul(1.0L / 2000.0L)}}},
    {QNT_UNIT(eptShortTonsPerSqInch), {u"Тонн (США) на квадратный дюйм", {}}, {{Mul(2000.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(1.0L / 2000.0L)}}},
    {QNT_UNIT(eptTonsPerSqFoot), {u"Тонн (Великобритании) на квадратный фут", {}}, {{Mul(2240.0L), Mul(1.0L / 144.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(144.0L), Mul(1.0L / 2240.0L)}}},
    {QNT_UNIT(eptTonsPerSqInch), {u"Тонн (Великобритании) на квадратный дюйм", {}}, {{Mul(2240.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(1.0L / 2240.0L)}}},
    {QNT_UNIT(eptDynesPerSqCentimetre), {u"Дин на квадратный сантиметр", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
    {QNT_UNIT(eptDynesPerSqMetre), {u"Дин на квадратный метр", {}}, {{Mul(0.00001L)}}, {{Mul(100000.0L)}}},
    {QNT_UNIT(eptGramsPerSqCentimetre), {u"Грамм на квадратный сантиметр", {}}, {{Mul(10000.0L), Mul(0.001L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1000.0L), Mul(0.0001L)}}},
    {QNT_UNIT(eptGramsPerSqMetre), {u"Грамм на квадратный метр", {}}, {{Mul(0.001L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1000.0L)}}},
    {QNT_UNIT(eptKilogramsPerSqCentimetre), {u"Киллограмм на квадратный сантиметр", {}}, {{Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(0.0001L)}}},
    {QNT_UNIT(eptKilogramsPerSqMetre), {u"Киллограмм на квадратный метр", {}}, {{Mul(9.80665L)}}, {{Div(9.80665L)}}},
    {QNT_UNIT(eptTonnesPerSqCentimetre), {u"Тонн на квадратный сантиметр", {}}, {{Mul(1000.0L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(0.0001L), Div(1000.0L)}}},
    {QNT_UNIT(eptTonnesPerSqMetre), {u"Тонн на квадратный метр", {}}, {{Mul(1000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Div(1000.0L)}}},
    {QNT_UNIT(eptNewtonsPerSqMetre), {u"Ньютон на квадратный метр", {}}, {}, {}},
    {QNT_UNIT(eptMillimetresOfWater4C), {u"Миллиметров столба воды при 4°C", {}}, {{Mul(0.1L), Div(0.0254L * 100.0L), Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L)}}},
    {QNT_UNIT(eptCentimetresOfWater4C), {u"Сантиметров столба воды при 4°C", {}}, {{Div(0.0254L * 100.0L), Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L), Mul(0.0254L), Mul(100.0L)}}},
    {QNT_UNIT(eptMetresOfWater4C), {u"Метров столба воды при 4°C", {}}, {{Mul(100.0L), Div(0.0254L * 100.0L), Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L), Mul(0.0254L), Mul(100.0L), Div(100.0L)}}},
    {QNT_UNIT(eptFeetOfWater4C), {u"Feet of Water at 4°C", {}}, {{Mul(12.0L), Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L), Div(12.0L)}}},
    {QNT_UNIT(eptFeetOfSeaWater), {u"Feet of Sea Water", {}}, {{Mul(1.025L), Mul(12.0L), Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L), Div(12.0L), Div(1.025L)}}},
    {QNT_UNIT(eptMetresOfSeaWater), {u"Metres of Sea Water", {}}, {{Mul(1.025L), Mul(100.0L), Div(0.0254L * 100.0L), Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L), Mul(0.0254L), Mul(100.0L), Div(100.0L), Div(1.025L)}}},
    {QNT_UNIT(eptInchesOfWater4C), {u"Дюймов столба воды при 4°C", {}}, {{Mul(0.073554L), Mul(0.0254L), Mul(100.0L), Mul(10.0L), Div(760.0L), Mul(101325.0L)}}, {{Div(101325.0L), Mul(760.0L), Mul(0.1L), Div(0.0254L * 100.0L), Div(0.073554L)}}},
    {QNT_UNIT(eptGigapascals), {u"Gigapascals", {}}, {{Mul(1000000000.0L)}}, {{Mul(0.000000001L)}}},
    {QNT_UNIT(eptNanonewtonsPerSqMicron), {u"Nanonewtons per Sq Micron", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eptOuncesPerSqFoot), {u"Ounces per Sq Foot", {}}, {{Div(16.0L), Mul(1.0L / 144.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(144.0L), Mul(16.0L)}}},
    {QNT_UNIT(eptOuncesPerSqYard), {u"Ounces per Sq Yard", {}}, {{Div(16.0L), Mul(1.0L / 1296.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(1296.0L), Mul(16.0L)}}},
    {QNT_UNIT(eptBaryes), {u"Baryes", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
};
// clang-format on
static_assert(std::size(kPressureRows) == TQNTUnitTraits<TQNTPressureType>::kCount &&
              InOrdinalOrder(kPressureRows));

// TQNTVelocityConvertor: base unit evtMetresPerSec.
// clang-format off
constexpr TQNTUnitRow kVelocityRows[] = {
    {QNT_UNIT(evtMetresPerSec), {u"Метров в секунду", {}}, {}, {}},
    {QNT_UNIT(evtMetresPerMin), {u"Метров в минуту", {}}, {{Mul(0.016666666666666666667L)}}, {{Mul(60.0L)}}},
    {QNT_UNIT(evtMetresPerHr), {u"Метров в час", {}}, {{Mul(2.7777777777777777778E-4L)}}, {{Mul(3600.0L)}}},
    {QNT_UNIT(evtCentimetresPerSec), {u"Сантиметров в секунду", {}}, {{Mul(0.01L)}}, {{Mul(100.0L)}}},
    {QNT_UNIT(evtCentimetresPerMin), {u"Сантиметров в минуту", {}}, {{Mul(0.016666666666666666667L), Mul(0.01L)}}, {{Mul(60.0L), Mul(100.0L)}}},
    {QNT_UNIT(evtCentimetresPerHr), {u"Сантиметров в час", {}}, {{Mul(2.7777777777777777778E-4L), Mul(0.01L)}}, {{Mul(3600.0L), Mul(100.0L)}}},
    {QNT_UNIT(evtMillimetresPerSec), {u"Millimetres per Second", {}}, {{Mul(0.1L), Mul(0.01L)}}, {{Mul(100.0L), Mul(10.0L)}}},
    {QNT_UNIT(evtMillimetresPerMin), {u"Millimetres per Minute", {}}, {{Mul(0.1L), Mul(0.016666666666666666667L), Mul(0.01L)}}, {{Mul(60.0L), Mul(100.0L), Mul(10.0L)}}},
    {QNT_UNIT(evtMillimetresPerHr), {u"Millimetres per Hour", {}}, {{Mul(0.1L), Mul(2.7777777777777777778E-4L), Mul(0.01L)}}, {{Mul(3600.0L), Mul(100.0L), Mul(10.0L)}}},
    {QNT_UNIT(evtKilometresPerSec), {u"Киллометров в секунду", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(evtKilometresPerMin), {u"Киллометров в минуту", {}}, {{Mul(0.016666666666666666667L), Mul(1000.0L)}}, {{Mul(60.0L), Mul(0.001L)}}},
    {QNT_UNIT(evtKilometresPerHr), {u"Киллометров в час", {}}, {{Mul(2.7777777777777777778E-4L), Mul(1000.0L)}}, {{Mul(3600.0L), Mul(0.001L)}}},
    {QNT_UNIT(evtKPH), {u"KPH", {}}, {{Mul(2.7777777777777777778E-4L), Mul(1000.0L)}}, {{Mul(3600.0L), Mul(0.001L)}}},
    {QNT_UNIT(evtMilesPerSec), {u"Милль в секунду", {}}, {{Mul(5280.0L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(1.0L / 5280.0L)}}},
    {QNT_UNIT(evtMilesPerMin), {u"Милль в минуту", {}}, {{Mul(5280.0L), Mul(0.016666666666666666667L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(1.0L / 5280.0L), Mul(60.0L)}}},
    {QNT_UNIT(evtMilesPerHr), {u"Милль в час", {}}, {{Mul(5280.0L), Mul(2.7777777777777777778E-4L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(1.0L / 5280.0L), Mul(3600.0L)}}},
    {QNT_UNIT(evtMPH), {u"MPH", {}}, {{Mul(5280.0L), Mul(2.7777777777777777778E-4L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(1.0L / 5280.0L), Mul(3600.0L)}}},
    {QNT_UNIT(evtFeetPerSec), {u"Футов в секунду", {}}, {{Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L)}}},
    {QNT_UNIT(evtFeetPerMin), {u"Футов в минуту", {}}, {{Mul(0.016666666666666666667L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(60.0L)}}},
    {QNT_UNIT(evtFeetPerHr), {u"Футов в час", {}}, {{Mul(2.7777777777777777778E-4L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(3600.0L)}}},
    {QNT_UNIT(evtKnotsUK), {u"Узлы (Великобритании)", {}}, {{Mul(0.3048L), Mul(6082.0L), Mul(2.7777777777777777778E-4L)}}, {{Div(1853.7936L), Mul(3600.0L)}}},
    {QNT_UNIT(evtKnotsUS), {u"Узлы (США)", {}}, {{Mul(1852.0L), Mul(2.7777777777777777778E-4L)}}, {{Div(1852.0L), Mul(3600.0L)}}},
    {QNT_UNIT(evtInchesPerSec), {u"Дюймов в секунду", {}}, {{Mul(1.0L / 12.0L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(12.0L)}}},
    {QNT_UNIT(evtInchesPerMin), {u"Дюймов в минуту", {}}, {{Mul(1.0L / 12.0L), Mul(0.016666666666666666667L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(12.0L), Mul(60.0L)}}},
    {QNT_UNIT(evtInchesPerHr), {u"Дюймов в час", {}}, {{Mul(2.7777777777777777778E-4L), Div(12.0L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(12.0L), Mul(3600.0L)}}},
    {QNT_UNIT(evtSpeedOfLight), {u"Скорость света", {}}, {{Mul(299792458.0L)}}, {{Div(299792458.0L)}}},
    {QNT_UNIT(evtSpeedOfSound), {u"Speed of Sound (Dry Air at Sea Level)", {}}, {{Mul(341.3888888888888889L)}}, {{Div(341.3888888888888889L)}}},
    {QNT_UNIT(evtMach), {u"число Маха", {}}, {{Mul(341.3888888888888889L)}}, {{Div(341.3888888888888889L)}}},
    {QNT_UNIT(evtMicronsPerSec), {u"Microns per Second", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(evtMicronsPerMicrosecond), {u"Microns per Microsecond", {}}, {}, {}},
};
// clang-format on
static_assert(std::size(kVelocityRows) == TQNTUnitTraits<TQNTVelocityType>::kCount &&
              InOrdinalOrder(kVelocityRows));

// TQNTAccelConvertor: base unit eatMetresPerSec2.
// clang-format off
constexpr TQNTUnitRow kAccelRows[] = {
    {QNT_UNIT(eatMetresPerSec2), {u"Метров на секунду в квадрате", {}}, {}, {}},
    {QNT_UNIT(eatCentimetresPerSec2), {u"Сантиметров на секунду в квадрате", {}}, {{Mul(0.01L)}}, {{Mul(100.0L)}}},
    {QNT_UNIT(eatFeetPerSec2), {u"Футов на секунду в квадрате", {}}, {{Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L)}}},
    {QNT_UNIT(eatInchesPerSec2), {u"Дюймов на секунду в квадрате", {}}, {{Mul(1.0L / 12.0L), Mul(12.0L * 0.0254L)}}, {{Mul(1.0L / 0.0254L / 12.0L), Mul(12.0L)}}},
    {QNT_UNIT(eatGravity), {u"Сила тяжести", {}}, {{Mul(9.80665L)}}, {{Div(9.80665L)}}},
    {QNT_UNIT(eatMillimetresPerSec2), {u"Millimetres per Second Squared", {}}, {{Mul(0.1L), Mul(0.01L)}}, {{Mul(100.0L), Mul(10.0L)}}},
};
// clang-format on
static_assert(std::size(kAccelRows) == TQNTUnitTraits<TQNTAccelerationType>::kCount &&
              InOrdinalOrder(kAccelRows));

// TQNTForceConvertor: base unit eftNewtons.
// clang-format off
constexpr TQNTUnitRow kForceRows[] = {
    {QNT_UNIT(eftNewtons), {u"Ньютоны", {}}, {}, {}},
    {QNT_UNIT(eftMillinewtons), {u"Миллиньютоны", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eftKilonewtons), {u"Килоньютоны", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eftMeganewtons), {u"Меганьютоны", {}}, {{Mul(1000000.0L)}}, {{Mul(0.000001L)}}},
    {QNT_UNIT(eftGiganewtons), {u"Гиганьютоны", {}}, {{Mul(1000000000.0L)}}, {{Mul(0.000000001L)}}},
    {QNT_UNIT(eftDynes), {u"Дины", {}}, {{Mul(0.00001L)}}, {{Mul(100000.0L)}}},
    {QNT_UNIT(eftKilogramsForce), {u"Килограмм силы", {}}, {{Mul(9.80665L)}}, {{Div(9.80665L)}}},
    {QNT_UNIT(eftGramsForce), {u"Грамм силы", {}}, {{Mul(0.001L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1000.0L)}}},
    {QNT_UNIT(eftPoundsForce), {u"Фунт силы", {}}, {{Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L)}}},
    {QNT_UNIT(eftOuncesForce), {u"Унция силы", {}}, {{Div(16.0L), Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(16.0L)}}},
    {QNT_UNIT(eftPoundals), {u"Паундаль", {}}, {{Div(1.0L / 0.0254L / 12.0L * 9.80665L), Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(1.0L / 0.0254L / 12.0L * 9.80665L)}}},
    {QNT_UNIT(eftTonnesForce), {u"Тонна силы", {}}, {{Mul(1000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Div(1000.0L)}}},
    {QNT_UNIT(eftTonsForce), {u"Тонна силы (Великобритания)", {}}, {{Mul(2240.0L), Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L), Div(2240.0L)}}},
    {QNT_UNIT(eftShortTonsForce), {u"Тонна силы (США)", {}}, {{Mul(2000.0L), Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L), Div(2000.0L)}}},
    {QNT_UNIT(eftJoulesPerMetre), {u"Джоулей на метр", {}}, {}, {}},
    {QNT_UNIT(eftNanonewtons), {u"Nanonewtons", {}}, {{Mul(0.000000001L)}}, {{Mul(1000000000.0L)}}},
    {QNT_UNIT(eftKiloponds), {u"Kiloponds", {}}, {{Mul(9.80665L)}}, {{Div(9.80665L)}}},
    {QNT_UNIT(eftCrinals), {u"Crinals", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
    {QNT_UNIT(eftKipsForce), {u"Kips Force", {}}, {{Mul(1000.0L), Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(0.001L)}}},
    {QNT_UNIT(eftKilopoundsForce), {u"Kilopounds Force", {}}, {{Mul(1000.0L), Mul(0.45359237L), Mul(9.80665L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(0.001L)}}},
    {QNT_UNIT(eftAUForce), {u"Atomic Units of Force", {}}, {{Mul(0.000000082387225L)}}, {{Div(0.000000082387225L)}}},
    {QNT_UNIT(eftFunals), {u"Funals", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eftSthenes), {u"Sthиnes", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eftMicronewtons), {u"Micronewtons", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
};
// clang-format on
static_assert(std::size(kForceRows) == TQNTUnitTraits<TQNTForceType>::kCount && InOrdinalOrder(kForceRows));

// TQNTEnergyConvertor: base unit eetJoules.
// clang-format off
constexpr TQNTUnitRow kEnergyRows[] = {
    {QNT_UNIT(eetJoules), {u"Джоуль", {}}, {}, {}},
    {QNT_UNIT(eetMillijoules), {u"Миллиджоуль", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eetMicrojoules), {u"Microjoules", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(eetNanojoules), {u"Nanojoules", {}}, {{Mul(0.000000001L)}}, {{Mul(1000000000.0L)}}},
    {QNT_UNIT(eetKilojoules), {u"Килоджоуль", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eetMegajoules), {u"Мегаджоуль", {}}, {{Mul(1000000.0L)}}, {{Mul(0.000001L)}}},
    {QNT_UNIT(eetGigajoules), {u"Гигаджоуль", {}}, {{Mul(1000000000.0L)}}, {{Mul(0.000000001L)}}},
    {QNT_UNIT(eetErgs), {u"Эрги", {}}, {{Mul(0.0000001L)}}, {{Mul(10000000.0L)}}},
    {QNT_UNIT(eetCaloriesIT), {u"Калории (IT)", {}}, {{Mul(4.1868L)}}, {{Div(4.1868L)}}},
    {QNT_UNIT(eetCaloriesTh), {u"Калории (термохимические)", {}}, {{Mul(4.184L)}}, {{Div(4.184L)}}},
    {QNT_UNIT(eetCaloriesMean), {u"Калории (средние)", {}}, {{Mul(4.19002L)}}, {{Div(4.19002L)}}},
    {QNT_UNIT(eetCalories15C), {u"Калории (15°C)", {}}, {{Mul(4.1855L)}}, {{Div(4.1855L)}}},
    {QNT_UNIT(eetCalories20C), {u"Калории (20°C)", {}}, {{Mul(4.1819L)}}, {{Div(4.1819L)}}},
    {QNT_UNIT(eetKilocaloriesIT), {u"Килокалории (IT)", {}}, {{Mul(1000.0L), Mul(4.1868L)}}, {{Div(4.1868L), Mul(0.001L)}}},
    {QNT_UNIT(eetKilocaloriesTh), {u"Килокалории (термохимические)", {}}, {{Mul(1000.0L), Mul(4.184L)}}, {{Div(4.184L), Mul(0.001L)}}},
    {QNT_UNIT(eetKilocaloriesMean), {u"Килокалории (средние)", {}}, {{Mul(1000.0L), Mul(4.19002L)}}, {{Div(4.19002L), Mul(0.001L)}}},
    {QNT_UNIT(eetKilocalories15C), {u"Килокалории (15°C)", {}}, {{Mul(1000.0L), Mul(4.1855L)}}, {{Div(4.1855L), Mul(0.001L)}}},
    {QNT_UNIT(eetKilocalories20C), {u"Килокалории (20°C)", {}}, {{Mul(1000.0L), Mul(4.1819L)}}, {{Div(4.1819L), Mul(0.001L)}}},
    {QNT_UNIT(eetBritishThermalUnitsIT), {u"Британские тепловые единицы (IT)", {}}, {{Mul(1055.05585262L)}}, {{Div(1055.05585262L)}}},
    {QNT_UNIT(eetBritishThermalUnitsTh), {u"Британские тепловые единицы (термохимические)", {}}, {{Mul(1054.35026444L)}}, {{Div(1054.35026444L)}}},
    {QNT_UNIT(eetBritishThermalUnitsMean), {u"Британские тепловые единицы (средние)", {}}, {{Mul(1055.87L)}}, {{Div(1055.87L)}}},
    {QNT_UNIT(eetBritishThermalUnits39F), {u"British Thermal Units (39 F)", {}}, {{Mul(1059.67L)}}, {{Div(1059.67L)}}},
    {QNT_UNIT(eetBritishThermalUnits59F), {u"British Thermal Units (59°F)", {}}, {{Mul(1054.804L)}}, {{Div(1054.804L)}}},
    {QNT_UNIT(eetBritishThermalUnits60F), {u"British Thermal Units (60°F)", {}}, {{Mul(1054.68L)}}, {{Div(1054.68L)}}},
    {QNT_UNIT(eetThermsIT), {u"Термы (IT)", {}}, {{Mul(100000.0L), Mul(1055.05585262L)}}, {{Div(1055.05585262L), Mul(0.00001L)}}},
    {QNT_UNIT(eetThermsTh), {u"Термы (термохимические)", {}}, {{Mul(100000.0L), Mul(1054.35026444L)}}, {{Div(1054.35026444L), Mul(0.00001L)}}},
    {QNT_UNIT(eetThermsMean), {u"Термы (средние)", {}}, {{Mul(100000.0L), Mul(1055.87L)}}, {{Div(1055.87L), Mul(0.00001L)}}},
    {QNT_UNIT(eetTherms39F), {u"Therms (39°F)", {}}, {{Mul(100000.0L), Mul(1059.67L)}}, {{Div(1059.67L), Mul(0.00001L)}}},
    {QNT_UNIT(eetTherms59F), {u"Therms (59°F)", {}}, {{Mul(100000.0L), Mul(1054.804L)}}, {{Div(1054.804L), Mul(0.00001L)}}},
    {QNT_UNIT(eetTherms60F), {u"Therms (60°F)", {}}, {{Mul(100000.0L), Mul(1054.68L)}}, {{Div(1054.68L), Mul(0.00001L)}}},
    {QNT_UNIT(eetThermies), {u"Термии", {}}, {{Mul(1000000.0L * 4.1855L)}}, {{Div(1000000.0L * 4.1855L)}}},
    {QNT_UNIT(eetNewtonMetres), {u"Newton Metres", {}}, {}, {}},
    {QNT_UNIT(eetFootPounds), {u"Foot-Pounds", {}}, {{Mul(1.35582L)}}, {{Div(1.35582L)}}},
    {QNT_UNIT(eetFootPoundals), {u"Foot-Poundals", {}}, {{Mul(0.04214L)}}, {{Div(0.04214L)}}},
    {QNT_UNIT(eetKilogramMetres), {u"Kilogram Metres", {}}, {{Mul(9.80665L)}}, {{Mul(1.0L / 9.80665L)}}},
    {QNT_UNIT(eetWattSeconds), {u"Ватт секунды", {}}, {}, {}},
    {QNT_UNIT(eetWattMinutes), {u"Ватт минуты", {}}, {{Mul(60.0L)}}, {{Mul(0.016666666666666666667L)}}},
    {QNT_UNIT(eetWattHours), {u"Ватт часы", {}}, {{Mul(3600.0L)}}, {{Mul(2.7777777777777777778E-4L)}}},
    {QNT_UNIT(eetWattYears), {u"Watt Years", {}}, {{Mul(86400.0L), Mul(365.2425L)}}, {{Div(31556952.0L)}}},
    {QNT_UNIT(eetKilowattSeconds), {u"Киловатт секунды", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eetKilowattMinutes), {u"Киловатт минуты", {}}, {{Mul(1000.0L), Mul(60.0L)}}, {{Mul(0.016666666666666666667L), Mul(0.001L)}}},
    {QNT_UNIT(eetKilowattHours), {u"Киловатт часы", {}}, {{Mul(1000.0L), Mul(3600.0L)}}, {{Mul(2.7777777777777777778E-4L), Mul(0.001L)}}},
    {QNT_UNIT(eetElectronVolts), {u"Электрон-вольты", {}}, {{Mul(1.6021765650000000001E-19L)}}, {{Div(1.6021765650000000001E-19L)}}},
    {QNT_UNIT(eetKiloElectronVolts), {u"Кило электрон-вольты", {}}, {{Mul(1000.0L), Mul(1.6021765650000000001E-19L)}}, {{Div(1.6021765650000000001E-19L), Mul(0.001L)}}},
    {QNT_UNIT(eetMegaElectronVolts), {u"Мега электрон-вольты", {}}, {{Mul(1000000.0L), Mul(1.6021765650000000001E-19L)}}, {{Div(1.6021765650000000001E-19L), Mul(0.000001L)}}},
    {QNT_UNIT(eetGigaElectronVolts), {u"Гига электрон-вольты", {}}, {{Mul(1000000000.0L), Mul(1.6021765650000000001E-19L)}}, {{Div(1.6021765650000000001E-19L), Mul(0.000000001L)}}},
    {QNT_UNIT(eetHorsepowerSeconds), {u"Лошадинных сил в секунду", {}}, {{Mul(745.701L)}}, {{Div(745.701L)}}},
    {QNT_UNIT(eetHorsepowerMinutes), {u"Лошадинных сил в минуту", {}}, {{Mul(745.701L), Mul(60.0L)}}, {{Div(745.701L), Mul(0.016666666666666666667L)}}},
    {QNT_UNIT(eetHorsepowerHours), {u"Лошадинных сил в час", {}}, {{Mul(745.701L), Mul(3600.0L)}}, {{Div(745.701L), Mul(2.7777777777777777778E-4L)}}},
};
// clang-format on
static_assert(std::size(kEnergyRows) == TQNTUnitTraits<TQNTEnergyType>::kCount &&
              InOrdinalOrder(kEnergyRows));

// TQNTPowerConvertor: base unit eptWatts.
// clang-format off
constexpr TQNTUnitRow kPowerRows[] = {
    {QNT_UNIT(eptWatts), {u"ВаттыWatts", {}}, {}, {}},
    {QNT_UNIT(eptKilowatts), {u"Киловатты", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eptMegawatts), {u"Мегаватты", {}}, {{Mul(1000000.0L)}}, {{Mul(0.000001L)}}},
    {QNT_UNIT(eptGigawatts), {u"Гигаватты", {}}, {{Mul(1000000000.0L)}}, {{Mul(0.000000001L)}}},
    {QNT_UNIT(eptMilliwatts), {u"Milliwatts", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eptMicrowatts), {u"Microwatts", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(eptAbwatts), {u"Abwatts", {}}, {{Mul(0.0000001L)}}, {{Mul(10000000.0L)}}},
    {QNT_UNIT(eptHorsepower), {u"Лошадинные силы", {}}, {{Mul(745.701L)}}, {{Div(745.701L)}}},
    {QNT_UNIT(eptHorsepowerMetric), {u"Лошадинные силы, метрические", {}}, {{Mul(75.0L), Mul(9.80665L)}}, {{Div(9.80665L * 75.0L)}}},
    {QNT_UNIT(eptFootPoundsPerSecond), {u"Foot-Pounds per Second", {}}, {{Mul(1.35582L)}}, {{Div(1.35582L)}}},
    {QNT_UNIT(eptKilogramMetresPerSecond), {u"Kilogram Metres per Second", {}}, {{Mul(9.80665L)}}, {{Mul(1.0L / 9.80665L)}}},
    {QNT_UNIT(eptJoulesPerSecond), {u"Джоуль в секунду", {}}, {}, {}},
    {QNT_UNIT(eptJoulesPerMinute), {u"Джоуль в минуту", {}}, {{Mul(0.016666666666666666667L)}}, {{Mul(60.0L)}}},
    {QNT_UNIT(eptJoulesPerHour), {u"Джоуль в час", {}}, {{Mul(2.7777777777777777778E-4L)}}, {{Mul(3600.0L)}}},
    {QNT_UNIT(eptCaloriesITPerSecond), {u"Калорий (IT) в секунду", {}}, {{Mul(4.1868L)}}, {{Div(4.1868L)}}},
    {QNT_UNIT(eptCaloriesITPerMinute), {u"Калорий (IT) в минуту", {}}, {{Mul(4.1868L), Mul(0.016666666666666666667L)}}, {{Div(4.1868L), Mul(60.0L)}}},
    {QNT_UNIT(eptCaloriesITPerHour), {u"Калорий (IT) в час", {}}, {{Mul(4.1868L), Mul(2.7777777777777777778E-4L)}}, {{Div(4.1868L), Mul(3600.0L)}}},
    {QNT_UNIT(eptCaloriesThPerSecond), {u"Калорий (Th) в секунду", {}}, {{Mul(4.184L)}}, {{Div(4.184L)}}},
    {QNT_UNIT(eptCaloriesThPerMinute), {u"Калорий (Th) в минуту", {}}, {{Mul(4.184L), Mul(0.016666666666666666667L)}}, {{Div(4.184L), Mul(60.0L)}}},
    {QNT_UNIT(eptCaloriesThPerHour), {u"Калорий (Th) в час", {}}, {{Mul(4.184L), Mul(2.7777777777777777778E-4L)}}, {{Div(4.184L), Mul(3600.0L)}}},
    {QNT_UNIT(eptKilocaloriesITPerSecond), {u"Килокалорий (IT) в секунду", {}}, {{Mul(1000.0L), Mul(4.1868L)}}, {{Div(4.1868L), Mul(0.001L)}}},
    {QNT_UNIT(eptKilocaloriesITPerMinute), {u"Килокалорий (IT) в минуту", {}}, {{Mul(1000.0L), Mul(4.1868L), Mul(0.016666666666666666667L)}}, {{Div(4.1868L), Mul(60.0L), Mul(0.001L)}}},
    {QNT_UNIT(eptKilocaloriesITPerHour), {u"Килокалорий (IT) в час", {}}, {{Mul(1000.0L), Mul(4.1868L), Mul(2.7777777777777777778E-4L)}}, {{Div(4.1868L), Mul(3600.0L), Mul(0.001L)}}},
    {QNT_UNIT(eptKilocaloriesThPerSecond), {u"Килокалорий (Th) в секунду", {}}, {{Mul(1000.0L), Mul(4.184L)}}, {{Div(4.184L), Mul(0.001L)}}},
    {QNT_UNIT(eptKilocaloriesThPerMinute), {u"Килокалорий (Th) в минуту", {}}, {{Mul(1000.0L), Mul(4.184L), Mul(0.016666666666666666667L)}}, {{Div(4.184L), Mul(60.0L), Mul(0.001L)}}},
    {QNT_UNIT(eptKilocaloriesThPerHour), {u"Килокалорий (Th) в час", {}}, {{Mul(1000.0L), Mul(4.184L), Mul(2.7777777777777777778E-4L)}}, {{Div(4.184L), Mul(3600.0L), Mul(0.001L)}}},
    {QNT_UNIT(eptPferdestarke), {u"Pferdestдrke", {}}, {{Mul(75.0L), Mul(9.80665L)}}, {{Div(9.80665L * 75.0L)}}},
    {QNT_UNIT(eptChevalVapeur), {u"Cheval Vapeur", {}}, {{Mul(75.0L), Mul(9.80665L)}}, {{Div(9.80665L * 75.0L)}}},
    {QNT_UNIT(eptRefTons), {u"Tons of Refrigeration", {}}, {{Mul(3516.852842067L)}}, {{Div(3516.852842067L)}}},
    {QNT_UNIT(eptBTUsITPerSecond), {u"BTUs (IT) Per Second", {}}, {{Mul(1055.05585262L)}}, {{Div(1055.05585262L)}}},
    {QNT_UNIT(eptBTUsITPerMinute), {u"BTUs (IT) Per Minute", {}}, {{Mul(1055.05585262L), Mul(0.016666666666666666667L)}}, {{Div(1055.05585262L), Mul(60.0L)}}},
    {QNT_UNIT(eptBTUsITPerHour), {u"BTUs (IT) Per Hour", {}}, {{Mul(1055.05585262L), Mul(2.7777777777777777778E-4L)}}, {{Div(1055.05585262L), Mul(3600.0L)}}},
    {QNT_UNIT(eptBTUsThPerSecond), {u"BTUs (Thermo-Chemical) Per Second", {}}, {{Mul(1054.35026444L)}}, {{Div(1054.35026444L)}}},
    {QNT_UNIT(eptBTUsThPerMinute), {u"BTUs (Thermo-Chemical) Per Minute", {}}, {{Mul(1054.35026444L), Mul(0.016666666666666666667L)}}, {{Div(1054.35026444L), Mul(60.0L)}}},
    {QNT_UNIT(eptBTUsThPerHour), {u"BTUs (Thermo-Chemical) Per Hour", {}}, {{Mul(1054.35026444L), Mul(2.7777777777777777778E-4L)}}, {{Div(1054.35026444L), Mul(3600.0L)}}},
    {QNT_UNIT(eptBTUsMeanPerSecond), {u"BTUs (Mean) Per Second", {}}, {{Mul(1055.87L)}}, {{Div(1055.87L)}}},
    {QNT_UNIT(eptBTUsMeanPerMinute), {u"BTUs (Mean) Per Minute", {}}, {{Mul(1055.87L), Mul(0.016666666666666666667L)}}, {{Div(1055.87L), Mul(60.0L)}}},
    {QNT_UNIT(eptBTUsMeanPerHour), {u"BTUs (Mean) Per Hour", {}}, {{Mul(1055.87L), Mul(2.7777777777777777778E-4L)}}, {{Div(1055.87L), Mul(3600.0L)}}},
    {QNT_UNIT(eptBTUs39FPerSecond), {u"BTUs (39°F) Per Second", {}}, {{Mul(1059.67L)}}, {{Div(1059.67L)}}},
    {QNT_UNIT(eptBTUs39FPerMinute), {u"BTUs (39°F) Per Minute", {}}, {{Mul(1059.67L), Mul(0.016666666666666666667L)}}, {{Div(1059.67L), Mul(60.0L)}}},
    {QNT_UNIT(eptBTUs39FPerHour), {u"BTUs (39°F) Per Hour", {}}, {{Mul(1059.67L), Mul(2.7777777777777777778E-4L)}}, {{Div(1059.67L), Mul(3600.0L)}}},
    {QNT_UNIT(eptBTUs59FPerSecond), {u"BTUs (59°F) Per Second", {}}, {{Mul(1054.804L)}}, {{Div(1054.804L)}}},
    {QNT_UNIT(eptBTUs59FPerMinute), {u"BTUs (59°F) Per Minute", {}}, {{Mul(1054.804L), Mul(0.016666666666666666667L)}}, {{Div(1054.804L), Mul(60.0L)}}},
    {QNT_UNIT(eptBTUs59FPerHour), {u"BTUs (59°F) Per Hour", {}}, {{Mul(1054.804L), Mul(2.7777777777777777778E-4L)}}, {{Div(1054.804L), Mul(3600.0L)}}},
    {QNT_UNIT(eptBTUs60FPerSecond), {u"BTUs (60°F) Per Second", {}}, {{Mul(1054.68L)}}, {{Div(1054.68L)}}},
    {QNT_UNIT(eptBTUs60FPerMinute), {u"BTUs (60°F) Per Minute", {}}, {{Mul(1054.68L), Mul(0.016666666666666666667L)}}, {{Div(1054.68L), Mul(60.0L)}}},
    {QNT_UNIT(eptBTUs60FPerHour), {u"BTUs (60°F) Per Hour", {}}, {{Mul(1054.68L), Mul(2.7777777777777777778E-4L)}}, {{Div(1054.68L), Mul(3600.0L)}}},
    {QNT_UNIT(eptHorsepowerElectrical), {u"Horsepower (Electrical)", {}}, {{Mul(746.0L)}}, {{Div(746.0L)}}},
    {QNT_UNIT(eptErgsPerSecond), {u"Ergs per Second", {}}, {{Mul(0.0000001L)}}, {{Mul(10000000.0L)}}},
};
// clang-format on
static_assert(std::size(kPowerRows) == TQNTUnitTraits<TQNTPowerType>::kCount && InOrdinalOrder(kPowerRows));

// TQNTFuelConvertor: base unit eftKilometresPerLitre.
// clang-format off
constexpr TQNTUnitRow kFuelRows[] = {
    {QNT_UNIT(eftKilometresPerLitre), {u"Километров на литр", {}}, {}, {}},
    {QNT_UNIT(eftKPL), {u"KPL", {}}, {}, {}},
    {QNT_UNIT(eftLitresPer100Kilometres), {u"Литров на 100 километров", {}}, Formula(LitresPer100KmToKmPerLitre), Formula(KmPerLitreToLitresPer100Km)},
    {QNT_UNIT(eftMilesPerLitre), {u"Miles per Litre", {}}, {{Mul(1760.0L), Mul(36.0L), Mul(0.0254L), Div(1000.0L)}}, {{Mul(1000.0L), Div(0.0254L), Div(36.0L), Div(1760.0L)}}},
    {QNT_UNIT(eftMilesPerGallonUK), {u"Милль на галон (Великобритания)", {}}, {{Mul(1760.0L * 36.0L * 0.0254L / 1000.0L), Mul(1.0L / 0.56826125L / 8.0L)}}, {{Mul(1000.0L / 0.0254L / 36.0L / 1760.0L), Mul(8.0L * 0.56826125L)}}},
    {QNT_UNIT(eftMilesPerGallonUS), {u"Милль на галон (США)", {}}, {{Mul(1760.0L * 36.0L * 0.0254L / 1000.0L), Mul(1.0L / 0.56826125L / 0.83267418463L / 8.0L)}}, {{Mul(1000.0L / 0.0254L / 36.0L / 1760.0L), Mul(8.0L * 0.83267418463L * 0.56826125L)}}},
    {QNT_UNIT(eftMPGUK), {u"MPG (UK)", {}}, {{Mul(1760.0L * 36.0L * 0.0254L / 1000.0L), Mul(1.0L / 0.56826125L / 8.0L)}}, {{Mul(1000.0L / 0.0254L / 36.0L / 1760.0L), Mul(8.0L * 0.56826125L)}}},
    {QNT_UNIT(eftMPGUS), {u"MPG (US)", {}}, {{Mul(1760.0L * 36.0L * 0.0254L / 1000.0L), Mul(1.0L / 0.56826125L / 0.83267418463L / 8.0L)}}, {{Mul(1000.0L / 0.0254L / 36.0L / 1760.0L), Mul(8.0L * 0.83267418463L * 0.56826125L)}}},
};
// clang-format on
static_assert(std::size(kFuelRows) == TQNTUnitTraits<TQNTFuelType>::kCount && InOrdinalOrder(kFuelRows));

// TQNTFlowConvertor: base unit eftLitresPerSecond.
// clang-format off
constexpr TQNTUnitRow kFlowRows[] = {
    {QNT_UNIT(eftCubicMetresPerSecond), {u"Кубических метров в секунду", {}}, {{Mul(1000000.0L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(0.000001L)}}},
    {QNT_UNIT(eftLitresPerSecond), {u"Литров в секунду", {}}, {}, {}},
    {QNT_UNIT(eftLitresPerMinute), {u"Литров в минуту", {}}, {{Mul(0.016666666666666666667L)}}, {{Mul(60.0L)}}},
    {QNT_UNIT(eftLitresPerHour), {u"Литров в час", {}}, {{Mul(2.7777777777777777778E-4L)}}, {{Mul(3600.0L)}}},
    {QNT_UNIT(eftLitresPerDay), {u"Litres per Day", {}}, {{Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L)}}},
    {QNT_UNIT(eftMillilitresPerSecond), {u"Миллилитров в секунду", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eftMillilitresPerMinute), {u"Миллилитров в минуту", {}}, {{Mul(0.001L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftMillilitresPerHour), {u"Миллилитров в час", {}}, {{Mul(0.001L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftKilolitresPerSecond), {u"Килолитров в секунду", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eftKilolitresPerMinute), {u"Килолитров в минуту", {}}, {{Mul(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(0.001L), Mul(60.0L)}}},
    {QNT_UNIT(eftKilolitresPerHour), {u"Килолитров в час", {}}, {{Mul(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(0.001L), Mul(3600.0L)}}},
    {QNT_UNIT(eftKilolitresPerDay), {u"Kilolitres per Day", {}}, {{Mul(1000.0L), Mul(1.1574074074074074074E-5L)}}, {{Mul(0.001L), Mul(86400.0L)}}},
    {QNT_UNIT(eftGallonsUKPerSecond), {u"Галонов (Великобритании) в секунду", {}}, {{Mul(8.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(8.0L)}}},
    {QNT_UNIT(eftGallonsUKPerMinute), {u"Галонов (Великобритании)в минуту", {}}, {{Mul(8.0L), Mul(0.56826125L), Mul(0.016666666666666666667L)}}, {{Div(0.56826125L), Div(8.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftGallonsUKPerHour), {u"Галонов (Великобритании) в час", {}}, {{Mul(8.0L), Mul(0.56826125L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.56826125L), Div(8.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftGallonsUKPerDay), {u"Gallons (UK) per Day", {}}, {{Mul(8.0L), Mul(0.56826125L), Mul(1.1574074074074074074E-5L)}}, {{Div(0.56826125L), Div(8.0L), Mul(86400.0L)}}},
    {QNT_UNIT(eftGallonsUSPerSecond), {u"Галонов (США) в секунду", {}}, {{Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L)}}},
    {QNT_UNIT(eftGallonsUSPerMinute), {u"Галонов (США) в минуту", {}}, {{Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L), Mul(0.016666666666666666667L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftGallonsUSPerHour), {u"Галонов (США) в час", {}}, {{Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftGallonsUSPerDay), {u"Gallons (US) per Day", {}}, {{Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L), Mul(1.1574074074074074074E-5L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Mul(86400.0L)}}},
    {QNT_UNIT(eftFluidOuncesUKPerSecond), {u"Жидких унций (Великобритании) в секунду", {}}, {{Div(20.0L), Mul(0.56826125L)}}, {{Div(0.56826125L), Mul(20.0L)}}},
    {QNT_UNIT(eftFluidOuncesUKPerMinute), {u"Жидких унций (Великобритании) в минуту", {}}, {{Div(20.0L), Mul(0.56826125L), Mul(0.016666666666666666667L)}}, {{Div(0.56826125L), Mul(20.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftFluidOuncesUKPerHour), {u"Жидких унций (Великобритании) в час", {}}, {{Div(20.0L), Mul(0.56826125L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.56826125L), Mul(20.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftFluidOuncesUSPerSecond), {u"Жидких унций (США) в секунду", {}}, {{Div(16.0L), Mul(0.83267418463L), Mul(0.56826125L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(16.0L)}}},
    {QNT_UNIT(eftFluidOuncesUSPerMinute), {u"Жидких унций (США) в минуту", {}}, {{Div(16.0L), Mul(0.83267418463L), Mul(0.56826125L), Mul(0.016666666666666666667L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(16.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftFluidOuncesUSPerHour), {u"Жидких унций (США) (US) в час", {}}, {{Div(16.0L), Mul(0.83267418463L), Mul(0.56826125L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.56826125L), Div(0.83267418463L), Mul(16.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftCubicCentimetresPerSecond), {u"Кубических сантиметров в секунду", {}}, {{Div(1000.0L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eftCubicCentimetresPerMinute), {u"Кубических сантиметров в минуту", {}}, {{Div(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftCubicCentimetresPerHour), {u"Кубических сантиметров в час", {}}, {{Div(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftCubicMillimetresPerSecond), {u"Cubic Millimetres per Second", {}}, {{Mul(0.001L), Div(1000.0L)}}, {{Mul(1000.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eftCubicMillimetresPerMinute), {u"Cubic Millimetres per Minute", {}}, {{Mul(0.001L), Div(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Mul(60.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eftCubicMillimetresPerHour), {u"Cubic Millimetres per Hour", {}}, {{Mul(0.001L), Div(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Mul(3600.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eftCubicMetresPerMinute), {u"Кубических метров в минуту", {}}, {{Mul(1000000.0L), Div(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Mul(60.0L), Mul(0.000001L)}}},
    {QNT_UNIT(eftCubicMetresPerHour), {u"Кубических метров в час", {}}, {{Mul(1000000.0L), Div(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Mul(3600.0L), Mul(0.000001L)}}},
    {QNT_UNIT(eftCubicMetresPerDay), {u"Cubic Metres per Day", {}}, {{Mul(1000000.0L), Div(1000.0L), Mul(2.7777777777777777778E-4L), Div(24.0L)}}, {{Mul(1000.0L), Mul(3600.0L), Mul(0.000001L), Mul(24.0L)}}},
    {QNT_UNIT(eftCubicInchesPerSecond), {u"Кубических дюймов в секунду", {}}, {{Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L)}}},
    {QNT_UNIT(eftCubicInchesPerMinute), {u"Кубических дюймов в минуту", {}}, {{Mul(16.387064L), Div(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Div(16.387064L), Mul(60.0L)}}},
    {QNT_UNIT(eftCubicInchesPerHour), {u"Кубических дюймов в час", {}}, {{Mul(16.387064L), Div(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Div(16.387064L), Mul(3600.0L)}}},
    {QNT_UNIT(eftCubicFeetPerSecond), {u"Кубических футов в секунду", {}}, {{Mul(1728.0L), Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L)}}},
    {QNT_UNIT(eftCubicFeetPerMinute), {u"Кубических футов в минуту", {}}, {{Mul(1728.0L), Mul(16.387064L), Div(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftCubicFeetPerHour), {u"Кубических футов в час", {}}, {{Mul(1728.0L), Mul(16.387064L), Div(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftCubicYardsPerSecond), {u"Кубических ярдов в секунду", {}}, {{Mul(46656.0L), Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(46656.0L)}}},
    {QNT_UNIT(eftCubicYardsPerMinute), {u"Кубических ярдов в минуту", {}}, {{Mul(46656.0L), Mul(16.387064L), Div(1000.0L), Mul(0.016666666666666666667L)}}, {{Mul(1000.0L), Div(16.387064L), Div(46656.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftCubicYardsPerHour), {u"Кубических ярдов в час", {}}, {{Mul(46656.0L), Mul(16.387064L), Div(1000.0L), Mul(2.7777777777777777778E-4L)}}, {{Mul(1000.0L), Div(16.387064L), Div(46656.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftMegaGallonsUKPerYear), {u"Megagallons (UK) per Year (365 days)", {}}, {{Mul(1000000.0L), Div(8760.0L), Mul(8.0L), Mul(0.56826125L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.56826125L), Div(8.0L), Mul(3600.0L), Mul(365.0L), Mul(24.0L), Div(1000000.0L)}}},
    {QNT_UNIT(eftMegaGallonsUSPerYear), {u"Megagallons (US) per Year (365 days)", {}}, {{Mul(1000000.0L), Div(8760.0L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Mul(3600.0L), Mul(365.0L), Mul(24.0L), Div(1000000.0L)}}},
    {QNT_UNIT(eftAcreFeetPerYear), {u"Acre-Feet per Year (365 days)", {}}, {{Mul(43560.0L), Mul(1728.0L), Mul(16.387064L), Div(1000.0L), Div(31536000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Div(43560.0L), Mul(86400.0L), Mul(365.0L)}}},
    {QNT_UNIT(eftAcreFeetPerDay), {u"Acre-Feet per Day", {}}, {{Mul(43560.0L), Mul(1728.0L), Mul(16.387064L), Div(1000.0L), Div(86400.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Div(43560.0L), Mul(86400.0L)}}},
    {QNT_UNIT(eftAcreInchesPerDay), {u"Acre-Inches per Day", {}}, {{Mul(3630.0L), Mul(1728.0L), Mul(16.387064L), Div(1000.0L), Div(86400.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L), Div(3630.0L), Mul(86400.0L)}}},
    {QNT_UNIT(eftBarrelsOilPerDay), {u"Barrels (Oil) per Day", {}}, {{Mul(42.0L), Mul(8.0L), Mul(0.83267418463L), Mul(0.56826125L), Div(86400.0L)}}, {{Div(0.56826125L), Div(0.83267418463L), Div(8.0L), Div(42.0L), Mul(86400.0L)}}},
    {QNT_UNIT(eftCusec), {u"Cusecs", {}}, {{Mul(1728.0L), Mul(16.387064L), Div(1000.0L)}}, {{Mul(1000.0L), Div(16.387064L), Div(1728.0L)}}},
};
// clang-format on
static_assert(std::size(kFlowRows) == TQNTUnitTraits<TQNTFlowType>::kCount && InOrdinalOrder(kFlowRows));

// TQNTTorqueConvertor: base unit ettNewtonMetres.
// clang-format off
constexpr TQNTUnitRow kTorqueRows[] = {
    {QNT_UNIT(ettNewtonMetres), {u"Newton Metres", {}}, {}, {}},
    {QNT_UNIT(ettDyneCentimetres), {u"Дина на сантимет", {}}, {{Mul(0.00001L), Mul(0.01L)}}, {{Mul(100000.0L), Mul(100.0L)}}},
    {QNT_UNIT(ettGramCentimetres), {u"Грамм на сантиметр", {}}, {{Mul(9.80665L), Mul(0.00001L)}}, {{Div(9.80665L), Mul(100000.0L)}}},
    {QNT_UNIT(ettKilogramMetres), {u"Kilogram Metres", {}}, {{Mul(9.80665L)}}, {{Div(9.80665L)}}},
    {QNT_UNIT(ettOunceInches), {u"Унций на дьюйм", {}}, {{Div(16.0L), Mul(0.45359237L), Mul(9.80665L), Mul(0.0254L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(16.0L), Mul(1.0L / 0.0254L)}}},
    {QNT_UNIT(ettPoundInches), {u"Фунтов на дьюйм", {}}, {{Mul(0.45359237L), Mul(9.80665L), Mul(0.0254L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(1.0L / 0.0254L)}}},
    {QNT_UNIT(ettPoundFeet), {u"Фунтов на фут", {}}, {{Mul(0.45359237L), Mul(9.80665L), Mul(12.0L * 0.0254L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(1.0L / 0.0254L / 12.0L)}}},
    {QNT_UNIT(ettPoundalFeet), {u"Паундаль на фут", {}}, {{Div(1.0L / 0.0254L / 12.0L * 9.80665L), Mul(0.45359237L), Mul(9.80665L), Mul(12.0L * 0.0254L)}}, {{Div(9.80665L), Div(0.45359237L), Mul(1.0L / 0.0254L / 12.0L * 9.80665L), Mul(1.0L / 0.0254L / 12.0L)}}},
    {QNT_UNIT(ettTonFeet), {u"Тонн на фут", {}}, {{Mul(2240.0L), Mul(0.45359237L), Mul(9.80665L), Mul(12.0L * 0.0254L)}}, {{Div(9.80665L), Div(0.45359237L), Div(2240.0L), Mul(1.0L / 0.0254L / 12.0L)}}},
    {QNT_UNIT(ettShortTonFeet), {u"Тонн (коротких) на фут", {}}, {{Mul(2000.0L), Mul(0.45359237L), Mul(9.80665L), Mul(12.0L * 0.0254L)}}, {{Div(9.80665L), Div(0.45359237L), Div(2000.0L), Mul(1.0L / 0.0254L / 12.0L)}}},
    {QNT_UNIT(ettTonneMetres), {u"Метрических тонн на метр", {}}, {{Mul(1000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Div(1000.0L)}}},
    {QNT_UNIT(ettNewtonMicrons), {u"Newton Microns", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(ettNanonewtonMetres), {u"Nanonewton Metres", {}}, {{Mul(0.000000001L)}}, {{Mul(1000000000.0L)}}},
    {QNT_UNIT(ettNanonewtonMicrons), {u"Nanonewton Microns", {}}, {{Mul(0.000000000000001L)}}, {{Mul(1000000000000000.0L)}}},
    {QNT_UNIT(ettNewtonCentimetres), {u"Newton Centimetres", {}}, {{Div(100.0L)}}, {{Mul(100.0L)}}},
};
// clang-format on
static_assert(std::size(kTorqueRows) == TQNTUnitTraits<TQNTTorqueType>::kCount &&
              InOrdinalOrder(kTorqueRows));

// TQNTRActiveConvertor: base unit ertBecquerels.
// clang-format off
constexpr TQNTUnitRow kRActiveRows[] = {
    {QNT_UNIT(ertBecquerels), {u"Becquerels", {}}, {}, {}},
    {QNT_UNIT(ertKilobecquerels), {u"Килоbecquerels", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(ertMegabecquerels), {u"Мегаbecquerels", {}}, {{Mul(1000000.0L)}}, {{Div(1000000.0L)}}},
    {QNT_UNIT(ertGigabecquerels), {u"Гигаbecquerels", {}}, {{Mul(1000000000.0L)}}, {{Div(1000000000.0L)}}},
    {QNT_UNIT(ertCuries), {u"Кюри", {}}, {{Div(2.7027027027027027027E-11L)}}, {{Mul(2.7027027027027027027E-11L)}}},
    {QNT_UNIT(ertMillicuries), {u"Милликюри", {}}, {{Mul(0.001L), Div(2.7027027027027027027E-11L)}}, {{Mul(2.7027027027027027027E-11L), Mul(1000.0L)}}},
    {QNT_UNIT(ertMicrocuries), {u"Microcuries", {}}, {{Mul(0.000001L), Div(2.7027027027027027027E-11L)}}, {{Mul(2.7027027027027027027E-11L), Mul(1000000.0L)}}},
    {QNT_UNIT(ertRutherfords), {u"Rutherfords", {}}, {{Mul(1000000.0L)}}, {{Div(1000000.0L)}}},
};
// clang-format on
static_assert(std::size(kRActiveRows) == TQNTUnitTraits<TQNTRActiveType>::kCount &&
              InOrdinalOrder(kRActiveRows));

// TQNTFlowMassConvertor: base unit eftKilogramsPerSecond.
// clang-format off
constexpr TQNTUnitRow kFlowMassRows[] = {
    {QNT_UNIT(eftKilogramsPerSecond), {u"Килограмм в секунду", {}}, {}, {}},
    {QNT_UNIT(eftKilogramsPerMinute), {u"Килограмм в минуту", {}}, {{Mul(0.016666666666666666667L)}}, {{Mul(60.0L)}}},
    {QNT_UNIT(eftKilogramsPerHour), {u"Килограмм в час", {}}, {{Mul(2.7777777777777777778E-4L)}}, {{Mul(3600.0L)}}},
    {QNT_UNIT(eftGramsPerSecond), {u"Грамм в секунду", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eftGramsPerMinute), {u"Грамм в минуту", {}}, {{Mul(0.001L), Mul(0.016666666666666666667L)}}, {{Mul(60.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eftGramsPerHour), {u"Грамм в час", {}}, {{Mul(0.001L), Mul(2.7777777777777777778E-4L)}}, {{Mul(3600.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eftPoundsPerSecond), {u"Фунтов в секунду", {}}, {{Mul(0.45359237L)}}, {{Div(0.45359237L)}}},
    {QNT_UNIT(eftPoundsPerMinute), {u"Фунтов в минуту", {}}, {{Mul(0.45359237L), Mul(0.016666666666666666667L)}}, {{Div(0.45359237L), Mul(60.0L)}}},
    {QNT_UNIT(eftPoundsPerHour), {u"Фунтов в час", {}}, {{Mul(0.45359237L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.45359237L), Mul(3600.0L)}}},
    {QNT_UNIT(eftOuncesPerSecond), {u"Унций в секунду", {}}, {{Div(16.0L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(16.0L)}}},
    {QNT_UNIT(eftOuncesPerMinute), {u"Унций в минуту", {}}, {{Div(16.0L), Mul(0.45359237L), Mul(0.016666666666666666667L)}}, {{Div(0.45359237L), Mul(16.0L), Mul(60.0L)}}},
    {QNT_UNIT(eftOuncesPerHour), {u"Унций в час", {}}, {{Div(16.0L), Mul(0.45359237L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.45359237L), Mul(16.0L), Mul(3600.0L)}}},
    {QNT_UNIT(eftSlugsPerSecond), {u"Слагов в секунду", {}}, {{Mul(9.80665L), Div(0.3048L), Mul(0.45359237L)}}, {{Div(0.45359237L), Mul(0.3048L), Div(9.80665L)}}},
    {QNT_UNIT(eftSlugsPerMinute), {u"Слагов в минуту", {}}, {{Mul(9.80665L), Div(0.3048L), Mul(0.45359237L), Mul(0.016666666666666666667L)}}, {{Div(0.45359237L), Mul(0.3048L), Div(9.80665L), Mul(60.0L)}}},
    {QNT_UNIT(eftSlugsPerHour), {u"Слагов в час", {}}, {{Mul(9.80665L), Div(0.3048L), Mul(0.45359237L), Mul(2.7777777777777777778E-4L)}}, {{Div(0.45359237L), Mul(0.3048L), Div(9.80665L), Mul(3600.0L)}}},
};
// clang-format on
static_assert(std::size(kFlowMassRows) == TQNTUnitTraits<TQNTFlowMassType>::kCount &&
              InOrdinalOrder(kFlowMassRows));

// TQNTAngleConvertor: base unit eatRadians.
// clang-format off
constexpr TQNTUnitRow kAngleRows[] = {
    {QNT_UNIT(eatRadians), {u"Радианы", {}}, {}, {}},
    {QNT_UNIT(eatMilliradians), {u"Milliradians", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eatMicroradians), {u"Microradians", {}}, {{Mul(0.000001L)}}, {{Mul(1000000.0L)}}},
    {QNT_UNIT(eatNanoradians), {u"Nanoradians", {}}, {{Mul(0.000000001L)}}, {{Mul(1000000000.0L)}}},
    {QNT_UNIT(eatDegrees), {u"Градусы", {}}, {{Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L)}}},
    {QNT_UNIT(eatGrads), {u"Грады", {}}, {{Mul(0.005L * 3.1415926535897932383L)}}, {{Mul(0.31830988618379067154L * 200.0L)}}},
    {QNT_UNIT(eatMinutes), {u"Минуты", {}}, {{Div(60.0L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(60.0L)}}},
    {QNT_UNIT(eatSeconds), {u"Секунды", {}}, {{Div(3600.0L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(3600.0L)}}},
    {QNT_UNIT(eatMillidegrees), {u"Millidegrees", {}}, {{Mul(0.001L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(1000.0L)}}},
    {QNT_UNIT(eatMicrodegrees), {u"Microdegrees", {}}, {{Mul(0.000001L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(1000000.0L)}}},
    {QNT_UNIT(eatBinaryDegrees), {u"Binary Degrees", {}}, {{Mul(3.1415926535897932383L), Div(128.0L)}}, {{Mul(0.31830988618379067154L * 128.0L)}}},
    {QNT_UNIT(eatBinaryRadians), {u"Binary Radians (Brads)", {}}, {{Mul(3.1415926535897932383L), Div(128.0L)}}, {{Mul(0.31830988618379067154L * 128.0L)}}},
    {QNT_UNIT(eatPointsAngle), {u"Points", {}}, {{Mul(3.1415926535897932383L), Div(16.0L)}}, {{Mul(0.31830988618379067154L * 16.0L)}}},
  // The three slope units had no display text in the original.
    {QNT_UNIT(eatGrade), {u"Grade (%)", {}}, Formula(GradeToRadians), Formula(RadiansToGrade)},
    {QNT_UNIT(eatGradePerMil), {u"Grade (Per Mil)", {}}, Formula(GradePerMilToRadians), Formula(RadiansToGradePerMil)},
    {QNT_UNIT(eatRiseRatio), {u"Rise Ratio (1 in N)", {}}, Formula(RiseRatioToRadians), Formula(RadiansToRiseRatio)},
};
// clang-format on
static_assert(std::size(kAngleRows) == TQNTUnitTraits<TQNTAngleType>::kCount && InOrdinalOrder(kAngleRows));

// TQNTTimeConvertor: base unit ettDays.
// clang-format off
constexpr TQNTUnitRow kTimeRows[] = {
    {QNT_UNIT(ettSeconds), {u"Секунды", {}}, {{Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L)}}},
    {QNT_UNIT(ettDays), {u"Дни", {}}, {}, {}},
    {QNT_UNIT(ettHours), {u"Часы", {}}, {{Mul(0.041666666666666666668L)}}, {{Mul(24.0L)}}},
    {QNT_UNIT(ettMinutes), {u"Минуты", {}}, {{Mul(0.0006944444444444444444L)}}, {{Mul(1440.0L)}}},
    {QNT_UNIT(ettWeeks), {u"Недели", {}}, {{Mul(7.0L)}}, {{Mul(0.14285714285714285714L)}}},
    {QNT_UNIT(ettFortnights), {u"Fortnights", {}}, {{Mul(14.0L)}}, {{Mul(0.07142857142857142857L)}}},
    {QNT_UNIT(ettMonths), {u"Месяцы (церковные)", {}}, {{Mul(29.53059L)}}, {{Div(29.53059L)}}},
    {QNT_UNIT(ettMonths28), {u"Месяцы (28 дней)", {}}, {{Mul(28.0L)}}, {{Div(28.0L)}}},
    {QNT_UNIT(ettMonths30), {u"Месяцы (30 дней)", {}}, {{Mul(30.0L)}}, {{Div(30.0L)}}},
    {QNT_UNIT(ettSiderealDays), {u"Days (Sidereal)", {}}, {{Mul(23.934469638888888888L), Div(24.0L)}}, {{Mul(24.0L), Div(23.934469638888888888L)}}},
    {QNT_UNIT(ettSiderealMonths), {u"Months (Sidereal)", {}}, {{Mul(27.321527777777777777L)}}, {{Div(27.321527777777777777L)}}},
    {QNT_UNIT(ettYears), {u"Годы (тропический)", {}}, {{Mul(365.242191L)}}, {{Div(365.242191L)}}},
    {QNT_UNIT(ettYears360), {u"Годы (360 дней)", {}}, {{Mul(360.0L)}}, {{Div(360.0L)}}},
    {QNT_UNIT(ettYears365), {u"Годы (365 дней)", {}}, {{Mul(365.0L)}}, {{Div(365.0L)}}},
    {QNT_UNIT(ettYearsGregorian), {u"Годы (Григорианский календарь)", {}}, {{Mul(365.2425L)}}, {{Div(365.2425L)}}},
    {QNT_UNIT(ettYearsJulian), {u"Годы (Юлианский календарь)", {}}, {{Mul(365.25L)}}, {{Div(365.25L)}}},
    {QNT_UNIT(ettDecades), {u"Decades (Tropical)", {}}, {{Mul(10.0L), Mul(365.242191L)}}, {{Div(365.242191L), Mul(0.1L)}}},
    {QNT_UNIT(ettDecades360), {u"Decades (3600 days)", {}}, {{Mul(3600.0L)}}, {{Div(3600.0L)}}},
    {QNT_UNIT(ettDecades365), {u"Decades (3650 days)", {}}, {{Mul(3650.0L)}}, {{Div(3650.0L)}}},
    {QNT_UNIT(ettDecadesGregorian), {u"Decades (Gregorian)", {}}, {{Mul(10.0L), Mul(365.2425L)}}, {{Div(365.2425L), Mul(0.1L)}}},
    {QNT_UNIT(ettDecadesJulian), {u"Decades (Julian)", {}}, {{Mul(10.0L), Mul(365.25L)}}, {{Div(365.25L), Mul(0.1L)}}},
    {QNT_UNIT(ettCenturies), {u"Centuries (Tropical)", {}}, {{Mul(100.0L), Mul(365.242191L)}}, {{Div(365.242191L), Mul(0.01L)}}},
    {QNT_UNIT(ettCenturies360), {u"Centuries (36000 days)", {}}, {{Mul(36000.0L)}}, {{Div(36000.0L)}}},
    {QNT_UNIT(ettCenturies365), {u"Centuries (36500 days)", {}}, {{Mul(36500.0L)}}, {{Div(36500.0L)}}},
    {QNT_UNIT(ettCenturiesGregorian), {u"Centuries (Gregorian)", {}}, {{Mul(100.0L), Mul(365.2425L)}}, {{Div(365.2425L), Mul(0.01L)}}},
    {QNT_UNIT(ettCenturiesJulian), {u"Centuries (Julian)", {}}, {{Mul(100.0L), Mul(365.25L)}}, {{Div(365.25L), Mul(0.01L)}}},
    {QNT_UNIT(ettMicroseconds), {u"Microseconds", {}}, {{Mul(0.000001L), Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L), Mul(1000000.0L)}}},
    {QNT_UNIT(ettMilliseconds), {u"Milliseconds", {}}, {{Mul(0.001L), Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L), Mul(1000.0L)}}},
    {QNT_UNIT(ettKiloseconds), {u"Kiloseconds", {}}, {{Mul(1000.0L), Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L), Mul(0.001L)}}},
    {QNT_UNIT(ettMegaseconds), {u"Megaseconds", {}}, {{Mul(1000000.0L), Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L), Mul(0.000001L)}}},
    {QNT_UNIT(ettGigaseconds), {u"Gigaseconds", {}}, {{Mul(1000000000.0L), Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L), Mul(0.000000001L)}}},
    {QNT_UNIT(ettMarsYears), {u"Years (Sidereal - Mars)", {}}, {{Mul(686.98L)}}, {{Div(686.98L)}}},
    {QNT_UNIT(ettMarsSolarDays), {u"Days (Solar - Mars)(Sols)", {}}, {{Mul(24.65979L), Div(24.0L)}}, {{Mul(24.0L), Div(24.65979L)}}},
    {QNT_UNIT(ettMarsSiderealDays), {u"Days (Sidereal - Mars)", {}}, {{Mul(24.622961944444444445L), Div(24.0L)}}, {{Mul(24.0L), Div(24.622961944444444445L)}}},
    {QNT_UNIT(ettVenusYears), {u"Years (Sidereal - Venus)", {}}, {{Mul(224.70069L)}}, {{Div(224.70069L)}}},
    {QNT_UNIT(ettVenusSolarDays), {u"Days (Solar - Venus)", {}}, {{Mul(2802.0L), Div(24.0L)}}, {{Mul(24.0L), Div(2802.0L)}}},
    {QNT_UNIT(ettVenusSiderealDays), {u"Days (Sidereal - Venus)", {}}, {{Mul(5832.48L), Div(24.0L)}}, {{Mul(24.0L), Div(5832.48L)}}},
    {QNT_UNIT(ettNanoseconds), {u"Nanoseconds", {}}, {{Mul(0.000000001L), Mul(1.1574074074074074074E-5L)}}, {{Mul(86400.0L), Mul(1000000000.0L)}}},
};
// clang-format on
static_assert(std::size(kTimeRows) == TQNTUnitTraits<TQNTTimeType>::kCount && InOrdinalOrder(kTimeRows));

// TQNTIlluminationConvertor: base unit eitLux.
// clang-format off
constexpr TQNTUnitRow kIlluminationRows[] = {
    {QNT_UNIT(eitLux), {u"Lux", {}}, {}, {}},
    {QNT_UNIT(eitLumensPerSqM), {u"Lumens per Sq Metre", {}}, {}, {}},
    {QNT_UNIT(eitMetreCandles), {u"Metre-Candles", {}}, {}, {}},
    {QNT_UNIT(eitFootCandles), {u"Foot-Candles", {}}, {{Mul(10000.0L / 6.4516L / 144.0L)}}, {{Div(10000.0L / 6.4516L / 144.0L)}}},
    {QNT_UNIT(eitPhots), {u"Phots", {}}, {{Mul(10000.0L)}}, {{Div(10000.0L)}}},
    {QNT_UNIT(eitMilliPhots), {u"MilliPhots", {}}, {{Mul(0.001L), Mul(10000.0L)}}, {{Div(10000.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eitNoonSun), {u"Noon-Day Sun Brightness", {}}, {{Mul(10000.0L / 6.4516L / 144.0L), Mul(10000.0L)}}, {{Div(10000.0L / 6.4516L / 144.0L * 10000.0L)}}},
    {QNT_UNIT(eitLumensPerSqFt), {u"Lumens per Sq Foot", {}}, {{Mul(10000.0L / 6.4516L / 144.0L)}}, {{Div(10000.0L / 6.4516L / 144.0L)}}},
    {QNT_UNIT(eitNox), {u"Nox", {}}, {{Div(1000.0L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eitLumensPerSqCm), {u"Lumens per Sq Centimetre", {}}, {{Mul(10000.0L)}}, {{Div(10000.0L)}}},
    {QNT_UNIT(eitMillilux), {u"Millilux", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eitKilolux), {u"Kilolux", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
};
// clang-format on
static_assert(std::size(kIlluminationRows) == TQNTUnitTraits<TQNTIlluminationType>::kCount &&
              InOrdinalOrder(kIlluminationRows));

// TQNTLuminousConvertor: base unit eltCandelas.
// clang-format off
constexpr TQNTUnitRow kLuminousRows[] = {
    {QNT_UNIT(eltCandelas), {u"Candelas", {}}, {}, {}},
    {QNT_UNIT(eltCandles), {u"Candles (International)", {}}, {{Mul(1.01937L)}}, {{Div(1.01937L)}}},
    {QNT_UNIT(eltHefnerUnits), {u"Hefner Units", {}}, {{Mul(0.903L)}}, {{Div(0.903L)}}},
    {QNT_UNIT(eltViolle), {u"Violle", {}}, {{Mul(20.17L)}}, {{Div(20.17L)}}},
    {QNT_UNIT(eltLumensPerSteradian), {u"Lumens per Steradian", {}}, {}, {}},
    {QNT_UNIT(eltBougies), {u"Bougies (Decimal)", {}}, {{Mul(1.0085L)}}, {{Div(1.0085L)}}},
    {QNT_UNIT(eltCarcels), {u"Carcels", {}}, {{Mul(9.74L)}}, {{Div(9.74L)}}},
    {QNT_UNIT(eltKilocandelas), {u"Kilocandelas", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eltMillicandelas), {u"Millicandelas", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
};
// clang-format on
static_assert(std::size(kLuminousRows) == TQNTUnitTraits<TQNTLuminousType>::kCount &&
              InOrdinalOrder(kLuminousRows));

// TQNTLuminanceConvertor: base unit eltCandelasPerSqM.
// clang-format off
constexpr TQNTUnitRow kLuminanceRows[] = {
    {QNT_UNIT(eltCandelasPerSqM), {u"Candelas per Sq Metre", {}}, {}, {}},
    {QNT_UNIT(eltCandelasPerSqCm), {u"Candelas per Sq Centimetre", {}}, {{Mul(10000.0L)}}, {{Div(10000.0L)}}},
    {QNT_UNIT(eltCandelasPerSqFt), {u"Candelas per Sq Foot", {}}, {{Div(144.0L * 6.4516L / 10000.0L)}}, {{Mul(144.0L * 6.4516L / 10000.0L)}}},
    {QNT_UNIT(eltLamberts), {u"Lamberts", {}}, {{Mul(10000.0L), Div(3.1415926535897932385L)}}, {{Mul(3.1415926535897932385L), Div(10000.0L)}}},
    {QNT_UNIT(eltMillilamberts), {u"Millilamberts", {}}, {{Mul(0.001L), Mul(10000.0L), Div(3.1415926535897932385L)}}, {{Mul(3.1415926535897932385L), Div(10000.0L), Mul(1000.0L)}}},
    {QNT_UNIT(eltFootLamberts), {u"Foot-Lamberts", {}}, {{Mul(0.0001L * 10000.0L / 6.4516L / 144.0L), Mul(10000.0L), Div(3.1415926535897932385L)}}, {{Mul(3.1415926535897932385L), Div(10000.0L), Div(0.0001L * 10000.0L / 6.4516L / 144.0L)}}},
    {QNT_UNIT(eltNits), {u"Nits", {}}, {}, {}},
    {QNT_UNIT(eltStilbs), {u"Stilbs", {}}, {{Mul(10000.0L)}}, {{Div(10000.0L)}}},
    {QNT_UNIT(eltApostilbs), {u"Apostilbs", {}}, {{Div(3.1415926535897932383L)}}, {{Mul(3.1415926535897932383L)}}},
};
// clang-format on
static_assert(std::size(kLuminanceRows) == TQNTUnitTraits<TQNTLuminanceType>::kCount &&
              InOrdinalOrder(kLuminanceRows));

// TQNTLumFluxConvertor: base unit eltLumens.
// clang-format off
constexpr TQNTUnitRow kLumFluxRows[] = {
    {QNT_UNIT(eltLumens), {u"Lumens", {}}, {}, {}},
    {QNT_UNIT(eltMillilumens), {u"Millilumens", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(eltKilolumens), {u"Kilolumens", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eltCandelaSteradians), {u"Candela Steradians", {}}, {}, {}},
    {QNT_UNIT(eltCandlepowerSpherical), {u"Candle Power (Spherical)", {}}, {{Mul(4.0L), Mul(3.1415926535897932385L)}}, {{Div(12.566370614359172954L)}}},
};
// clang-format on
static_assert(std::size(kLumFluxRows) == TQNTUnitTraits<TQNTLumFluxType>::kCount &&
              InOrdinalOrder(kLumFluxRows));

// TQNTAngVelConvertor: base unit eatRadiansPerSec.
// clang-format off
constexpr TQNTUnitRow kAngVelRows[] = {
    {QNT_UNIT(eatRadiansPerSec), {u"Radians per Second", {}}, {}, {}},
    {QNT_UNIT(eatRadiansPerMin), {u"Radians per Minute", {}}, {{Div(60.0L)}}, {{Mul(60.0L)}}},
    {QNT_UNIT(eatRadiansPerHr), {u"Radians per Hour", {}}, {{Div(3600.0L)}}, {{Mul(3600.0L)}}},
    {QNT_UNIT(eatDegreesPerSec), {u"Degrees per Second", {}}, {{Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L)}}},
    {QNT_UNIT(eatDegreesPerMin), {u"Degrees per Minute", {}}, {{Div(60.0L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(60.0L)}}},
    {QNT_UNIT(eatDegreesPerHr), {u"Degrees per Hour", {}}, {{Div(3600.0L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(3600.0L)}}},
    {QNT_UNIT(eatRevPerSec), {u"Revolutions per Second", {}}, {{Mul(6.2831853071795864766L)}}, {{Div(6.2831853071795864766L)}}},
    {QNT_UNIT(eatRevPerMin), {u"Revolutions per Minute", {}}, {{Div(60.0L), Mul(6.2831853071795864766L)}}, {{Div(6.2831853071795864766L), Mul(60.0L)}}},
    {QNT_UNIT(eatRevPerHr), {u"Revolutions per Hour", {}}, {{Div(3600.0L), Mul(6.2831853071795864766L)}}, {{Div(6.2831853071795864766L), Mul(3600.0L)}}},
    {QNT_UNIT(eatRPM), {u"RPMs", {}}, {{Div(60.0L), Mul(6.2831853071795864766L)}}, {{Div(6.2831853071795864766L), Mul(60.0L)}}},
    {QNT_UNIT(eatRadiansPerMillisecond), {u"Radians per Millisecond", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(eatRadiansPerMicrosecond), {u"Radians per Microsecond", {}}, {{Mul(1000000.0L)}}, {{Div(1000000.0L)}}},
    {QNT_UNIT(eatDegreesPerMillisecond), {u"Degrees per Millisecond", {}}, {{Mul(1000.0L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Mul(0.001L)}}},
    {QNT_UNIT(eatDegreesPerMicrosecond), {u"Degrees per Microsecond", {}}, {{Mul(1000000.0L), Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L), Div(1000000.0L)}}},
};
// clang-format on
static_assert(std::size(kAngVelRows) == TQNTUnitTraits<TQNTAngVelType>::kCount &&
              InOrdinalOrder(kAngVelRows));

// TQNTDensityConvertor: base unit edtKgPerCuM.
// clang-format off
constexpr TQNTUnitRow kDensityRows[] = {
    {QNT_UNIT(edtKgPerCuM), {u"Kilograms per Cubic Metre", {}}, {}, {}},
    {QNT_UNIT(edtKgPerCuCm), {u"Kilograms per Cubic Centimetre", {}}, {{Mul(1000000.0L)}}, {{Mul(0.000001L)}}},
    {QNT_UNIT(edtGPerCuM), {u"Grams per Cubic Metre", {}}, {{Mul(0.000001L), Mul(1000.0L)}}, {{Div(1000.0L), Mul(1000000.0L)}}},
    {QNT_UNIT(edtGPerCuCm), {u"Grams per Cubic Centimetre", {}}, {{Mul(1000.0L)}}, {{Div(1000.0L)}}},
    {QNT_UNIT(edtLbsPerCuFt), {u"Pounds per Cubic Foot", {}}, {{Mul(0.45359237L), Div(1728.0L * 16.387064L / 1000000.0L)}}, {{Mul(1.0L / 0.45359237L), Div(1000000.0L / 16.387064L / 1728.0L)}}},
    {QNT_UNIT(edtLbsPerCuIn), {u"Pounds per Cubic Inch", {}}, {{Mul(1728.0L), Mul(0.45359237L), Div(1728.0L * 16.387064L / 1000000.0L)}}, {{Mul(1.0L / 0.45359237L), Div(1000000.0L / 16.387064L / 1728.0L), Div(1728.0L)}}},
    {QNT_UNIT(edtOzsPerCuFt), {u"Ounces per Cubic Foot", {}}, {{Div(16.0L), Mul(0.45359237L), Div(1728.0L * 16.387064L / 1000000.0L)}}, {{Mul(1.0L / 0.45359237L), Div(1000000.0L / 16.387064L / 1728.0L), Mul(16.0L)}}},
    {QNT_UNIT(edtOzsPerCuIn), {u"Ounces per Cubic Inch", {}}, {{Mul(108.0L), Mul(0.45359237L), Div(1728.0L * 16.387064L / 1000000.0L)}}, {{Mul(1.0L / 0.45359237L), Div(1000000.0L / 16.387064L / 1728.0L), Div(108.0L)}}},
    {QNT_UNIT(edtPgPerCuMicron), {u"Picograms per Cubic Micron", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(edtppm), {u"ppm", {}}, {{Mul(0.000001L), Mul(1000.0L)}}, {{Div(1000.0L), Mul(1000000.0L)}}},
    {QNT_UNIT(edtKilogramsPerLitre), {u"Kilograms per Litre", {}}, {{Mul(1000.0L)}}, {{Mul(0.001L)}}},
    {QNT_UNIT(edtGramsPerLitre), {u"Grams per Litre", {}}, {}, {}},
    {QNT_UNIT(edtMilligramsPerLitre), {u"Milligrams per Litre", {}}, {{Mul(0.001L)}}, {{Mul(1000.0L)}}},
    {QNT_UNIT(edtMilligramsPerDecilitre), {u"Milligrams per Decilitre", {}}, {{Mul(0.01L)}}, {{Mul(100.0L)}}},
    {QNT_UNIT(edtPlasmaticGlucose), {u"Plasmatic Glucose (mmol/l)", {}}, {{Mul(0.18L)}}, {{Mul(100.0L), Div(18.0L)}}},
    {QNT_UNIT(edtPoundsPerUSGallon), {u"Pounds per Gallon (US)", {}}, {{Mul(1.0L / 0.56826125L / 0.83267418463L / 8.0L * 1000.0L), Div(1.0L / 0.45359237L)}}, {{Mul(1.0L / 0.45359237L), Div(1.0L / 0.56826125L / 0.83267418463L / 8.0L * 1000.0L)}}},
    {QNT_UNIT(edtPoundsPerUKGallon), {u"Pounds per Gallon (UK)", {}}, {{Mul(1.0L / 0.56826125L / 8.0L * 1000.0L), Div(1.0L / 0.45359237L)}}, {{Mul(1.0L / 0.45359237L), Div(1.0L / 0.56826125L / 8.0L * 1000.0L)}}},
    {QNT_UNIT(edtOuncesPerUSGallon), {u"Ounces per Gallon (US)", {}}, {{Mul(1.0L / 0.56826125L / 0.83267418463L / 8.0L * 1000.0L), Div(1.0L / 0.45359237L * 16.0L)}}, {{Mul(1.0L / 0.45359237L * 16.0L), Div(1.0L / 0.56826125L / 0.83267418463L / 8.0L * 1000.0L)}}},
    {QNT_UNIT(edtOuncesPerUKGallon), {u"Ounces per Gallon (UK)", {}}, {{Mul(1.0L / 0.56826125L / 8.0L * 1000.0L), Div(1.0L / 0.45359237L * 16.0L)}}, {{Mul(1.0L / 0.45359237L * 16.0L), Div(1.0L / 0.56826125L / 8.0L * 1000.0L)}}},
};
// clang-format on
static_assert(std::size(kDensityRows) == TQNTUnitTraits<TQNTDensityType>::kCount &&
              InOrdinalOrder(kDensityRows));

// TQNTComputerConvertor: base unit ectBytes.
// clang-format off
constexpr TQNTUnitRow kComputerRows[] = {
    {QNT_UNIT(ectBytes), {u"Байты", {}}, {}, {}},
    {QNT_UNIT(ectOctets), {u"Октет", {}}, {}, {}},
    {QNT_UNIT(ectBits), {u"Биты", {}}, {{Div(8.0L)}}, {{Mul(8.0L)}}},
    {QNT_UNIT(ectNibbles), {u"Полубайты", {}}, {{Div(2.0L)}}, {{Mul(2.0L)}}},
    {QNT_UNIT(ectBlocks), {u"Блоки", {}}, {{Mul(512.0L)}}, {{Div(512.0L)}}},
    {QNT_UNIT(ectKiloBytes), {u"Килобайты (2)", {}}, {{Mul(1024.0L)}}, {{Div(1024.0L)}}},
    {QNT_UNIT(ectMegaBytes), {u"Мегабайты (2)", {}}, {{Mul(1048576.0L)}}, {{Div(1048576.0L)}}},
    {QNT_UNIT(ectGigaBytes), {u"Гигабайты (2)", {}}, {{Mul(1073741824.0L)}}, {{Div(1073741824.0L)}}},
    {QNT_UNIT(ectTeraBytes), {u"Терабайты (2)", {}}, {{Mul(1099511627776.0L)}}, {{Div(1099511627776.0L)}}},
    {QNT_UNIT(ectPetaBytes), {u"Петабайты (2)", {}}, {{Mul(1125899906842624.0L)}}, {{Div(1125899906842624.0L)}}},
    {QNT_UNIT(ectExaBytes), {u"Эксабайты (2)", {}}, {{Mul(1152921504606846976.0L)}}, {{Div(1152921504606846976.0L)}}},
    {QNT_UNIT(ectKibiBytes), {u"Кибибайты", {}}, {{Mul(1024.0L)}}, {{Div(1024.0L)}}},
    {QNT_UNIT(ectMebiBytes), {u"Мебибайты", {}}, {{Mul(1048576.0L)}}, {{Div(1048576.0L)}}},
    {QNT_UNIT(ectGibiBytes), {u"Гибибайты", {}}, {{Mul(1073741824.0L)}}, {{Div(1073741824.0L)}}},
    {QNT_UNIT(ectTebiBytes), {u"Тебибайты", {}}, {{Mul(1099511627776.0L)}}, {{Div(1099511627776.0L)}}},
    {QNT_UNIT(ectPebiBytes), {u"Пебибайты", {}}, {{Mul(1125899906842624.0L)}}, {{Div(1125899906842624.0L)}}},
    {QNT_UNIT(ectExbiBytes), {u"Эксбибайты", {}}, {{Mul(1152921504606846976.0L)}}, {{Div(1152921504606846976.0L)}}},
    {QNT_UNIT(ectKiloBytes10), {u"Килобайты (10)", {}}, {{Mul(1000.0L)}}, {{Div(1000.0L)}}},
    {QNT_UNIT(ectMegaBytes10), {u"Мегабайты (10)", {}}, {{Mul(1000000.0L)}}, {{Div(1000000.0L)}}},
    {QNT_UNIT(ectGigaBytes10), {u"Гигабайты (10)", {}}, {{Mul(1000000000.0L)}}, {{Div(1000000000.0L)}}},
    {QNT_UNIT(ectTeraBytes10), {u"Терабайты (10)", {}}, {{Mul(1000000000000.0L)}}, {{Div(1000000000000.0L)}}},
    {QNT_UNIT(ectPetaBytes10), {u"Петабайты (10)", {}}, {{Mul(1000000000000000.0L)}}, {{Mul(0.000000000000001L)}}},
    {QNT_UNIT(ectExaBytes10), {u"Экабайты (10)", {}}, {{Mul(1000000000000000000.0L)}}, {{Mul(0.000000000000000001L)}}},
    {QNT_UNIT(ectKilobits), {u"Килобиты (2)", {}}, {{Mul(1024.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1024.0L)}}},
    {QNT_UNIT(ectMegabits), {u"Мегабиты (2)", {}}, {{Mul(1048576.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1048576.0L)}}},
    {QNT_UNIT(ectGigabits), {u"Гигабиты (2)", {}}, {{Mul(1073741824.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1073741824.0L)}}},
    {QNT_UNIT(ectTerabits), {u"Терабиты (2)", {}}, {{Mul(1099511627776.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1099511627776.0L)}}},
    {QNT_UNIT(ectPetabits), {u"Петабиты (2)", {}}, {{Mul(1125899906842624.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1125899906842624.0L)}}},
    {QNT_UNIT(ectExabits), {u"Эксабиты (2)", {}}, {{Mul(1152921504606846976.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1152921504606846976.0L)}}},
    {QNT_UNIT(ectKibibits), {u"Кибибиты", {}}, {{Mul(1024.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1024.0L)}}},
    {QNT_UNIT(ectMebibits), {u"Мебибиты", {}}, {{Mul(1048576.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1048576.0L)}}},
    {QNT_UNIT(ectGibibits), {u"Гибибиты", {}}, {{Mul(1073741824.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1073741824.0L)}}},
    {QNT_UNIT(ectTebibits), {u"Тебибиты", {}}, {{Mul(1099511627776.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1099511627776.0L)}}},
    {QNT_UNIT(ectPebibits), {u"Пебибиты", {}}, {{Mul(1125899906842624.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1125899906842624.0L)}}},
    {QNT_UNIT(ectExbibits), {u"Эксбибиты", {}}, {{Mul(1152921504606846976.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1152921504606846976.0L)}}},
    {QNT_UNIT(ectKilobits10), {u"Килобиты (10)", {}}, {{Mul(1000.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1000.0L)}}},
    {QNT_UNIT(ectMegabits10), {u"Мегабиты (10)", {}}, {{Mul(1000000.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1000000.0L)}}},
    {QNT_UNIT(ectGigabits10), {u"Гигабиты (10)", {}}, {{Mul(1000000000.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1000000000.0L)}}},
    {QNT_UNIT(ectTerabits10), {u"Терабиты (10)", {}}, {{Mul(1000000000000.0L), Div(8.0L)}}, {{Mul(8.0L), Div(1000000000000.0L)}}},
    {QNT_UNIT(ectPetabits10), {u"Петабиты (10)", {}}, {{Mul(1000000000000000.0L), Div(8.0L)}}, {{Mul(0.000000000000008L)}}},
    {QNT_UNIT(ectExabits10), {u"Эксабиты (10)", {}}, {{Mul(1000000000000000000.0L), Div(8.0L)}}, {{Mul(0.000000000000000008L)}}},
    {QNT_UNIT(ectAudioMinutes), {u"Минуты (Audio CD)", {}}, {{Mul(10584240.0L)}}, {{Div(10584240.0L)}}},
};
// clang-format on
static_assert(std::size(kComputerRows) == TQNTUnitTraits<TQNTComputerType>::kCount &&
              InOrdinalOrder(kComputerRows));

// TQNTDataRateConvertor: base unit edrBitsPS.
// clang-format off
constexpr TQNTUnitRow kDataRateRows[] = {
    {QNT_UNIT(edrBitsPS), {u"Бит в Секунду", {}}, {}, {}},
    {QNT_UNIT(edrKilobitsPS), {u"Килобит в Секунду", {}}, {{Mul(1024.0L)}}, {{Div(1024.0L)}}},
    {QNT_UNIT(edrMegabitsPS), {u"Мегабит в Секунду", {}}, {{Mul(1048576.0L)}}, {{Div(1048576.0L)}}},
    {QNT_UNIT(edrGigabitsPS), {u"Гигабит в Секунду", {}}, {{Mul(1073741824.0L)}}, {{Div(1073741824.0L)}}},
    {QNT_UNIT(edrTerabitsPS), {u"Терабит в Секунду", {}}, {{Mul(1099511627776.0L)}}, {{Div(1099511627776.0L)}}},
    {QNT_UNIT(edrBytesPS), {u"Байт в Секунду", {}}, {{Mul(8.0L)}}, {{Div(8.0L)}}},
    {QNT_UNIT(edrKilobytesPS), {u"Килобайт в Секунду", {}}, {{Mul(1024.0L), Mul(8.0L)}}, {{Div(8192.0L)}}},
    {QNT_UNIT(edrMegabytesPS), {u"Мегабайт Секунду", {}}, {{Mul(1048576.0L), Mul(8.0L)}}, {{Div(8388608.0L)}}},
    {QNT_UNIT(edrGigabytesPS), {u"Гигабайт в Секунду", {}}, {{Mul(1073741824.0L), Mul(8.0L)}}, {{Div(8589934592.0L)}}},
    {QNT_UNIT(edrTerabytesPS), {u"Терабайт в Секунду", {}}, {{Mul(1099511627776.0L), Mul(8.0L)}}, {{Div(8796093022208.0L)}}},
    {QNT_UNIT(edrBaud), {u"Бод", {}}, {}, {}},
    {QNT_UNIT(edrBitsPM), {u"Бит в Минуту", {}}, {{Div(60.0L)}}, {{Mul(60.0L)}}},
    {QNT_UNIT(edrKilobitsPM), {u"Килобит в Минуту", {}}, {{Mul(1024.0L), Div(60.0L)}}, {{Mul(60.0L), Div(1024.0L)}}},
    {QNT_UNIT(edrMegabitsPM), {u"Мегабит в Минуту", {}}, {{Mul(1048576.0L), Div(60.0L)}}, {{Mul(60.0L), Div(1048576.0L)}}},
    {QNT_UNIT(edrGigabitsPM), {u"Гигабит в Минуту", {}}, {{Mul(1073741824.0L), Div(60.0L)}}, {{Mul(60.0L), Div(1073741824.0L)}}},
    {QNT_UNIT(edrTerabitsPM), {u"Терабит в Минуту", {}}, {{Mul(1099511627776.0L), Div(60.0L)}}, {{Mul(60.0L), Div(1099511627776.0L)}}},
    {QNT_UNIT(edrBytesPM), {u"Байт в Минуту", {}}, {{Mul(8.0L), Div(60.0L)}}, {{Mul(60.0L), Div(8.0L)}}},
    {QNT_UNIT(edrKilobytesPM), {u"Килобайт в Минуту", {}}, {{Mul(1024.0L), Mul(8.0L), Div(60.0L)}}, {{Mul(60.0L), Div(8192.0L)}}},
    {QNT_UNIT(edrMegabytesPM), {u"Мегабайт в Минуту", {}}, {{Mul(1048576.0L), Mul(8.0L), Div(60.0L)}}, {{Mul(60.0L), Div(8388608.0L)}}},
    {QNT_UNIT(edrGigabytesPM), {u"Гигабайт в Минуту", {}}, {{Mul(1073741824.0L), Mul(8.0L), Div(60.0L)}}, {{Mul(60.0L), Div(8589934592.0L)}}},
    {QNT_UNIT(edrTerabytesPM), {u"Терабайт в Минуту", {}}, {{Mul(1099511627776.0L), Mul(8.0L), Div(60.0L)}}, {{Mul(60.0L), Div(8796093022208.0L)}}},
    {QNT_UNIT(edrBitsPH), {u"Бит в Час", {}}, {{Div(3600.0L)}}, {{Mul(3600.0L)}}},
    {QNT_UNIT(edrKilobitsPH), {u"Килобит в Час", {}}, {{Mul(1024.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(1024.0L)}}},
    {QNT_UNIT(edrMegabitsPH), {u"Мегабит в Час", {}}, {{Mul(1048576.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(1048576.0L)}}},
    {QNT_UNIT(edrGigabitsPH), {u"Гигабит в Час", {}}, {{Mul(1073741824.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(1073741824.0L)}}},
    {QNT_UNIT(edrTerabitsPH), {u"Терабит в Час", {}}, {{Mul(1099511627776.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(1099511627776.0L)}}},
    {QNT_UNIT(edrBytesPH), {u"Байт в Час", {}}, {{Mul(8.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(8.0L)}}},
    {QNT_UNIT(edrKilobytesPH), {u"Килобайт в Час", {}}, {{Mul(1024.0L), Mul(8.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(8192.0L)}}},
    {QNT_UNIT(edrMegabytesPH), {u"Мегабайт в Час", {}}, {{Mul(1048576.0L), Mul(8.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(8388608.0L)}}},
    {QNT_UNIT(edrGigabytesPH), {u"Гигабайт в Час", {}}, {{Mul(1073741824.0L), Mul(8.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(8589934592.0L)}}},
    {QNT_UNIT(edrTerabytesPH), {u"Терабайт в Час", {}}, {{Mul(1099511627776.0L), Mul(8.0L), Div(3600.0L)}}, {{Mul(3600.0L), Div(8796093022208.0L)}}},
};
// clang-format on
static_assert(std::size(kDataRateRows) == TQNTUnitTraits<TQNTDataRateType>::kCount &&
              InOrdinalOrder(kDataRateRows));

// TQNTAngAccelConvertor: base unit eatRadiansPerSec2.
// clang-format off
constexpr TQNTUnitRow kAngAccelRows[] = {
    {QNT_UNIT(eatRadiansPerSec2), {u"Radians per Second Squared", {}}, {}, {}},
    {QNT_UNIT(eatDegreesPerSec2), {u"Degrees per Second Squared", {}}, {{Mul(0.017453292519943295769L)}}, {{Mul(57.29577951308232088L)}}},
    {QNT_UNIT(eatRevPerSec2), {u"Revolutions per Second Squared", {}}, {{Mul(6.2831853071795864766L)}}, {{Div(6.2831853071795864766L)}}},
    {QNT_UNIT(eatRPMPerSec), {u"RPM per Second", {}}, {{Mul(6.2831853071795864766L), Div(60.0L)}}, {{Div(6.2831853071795864766L), Mul(60.0L)}}},
};
// clang-format on
static_assert(std::size(kAngAccelRows) == TQNTUnitTraits<TQNTAngAccelType>::kCount &&
              InOrdinalOrder(kAngAccelRows));

// TQNTVisDynConvertor: base unit evdtPascalSecs.
// clang-format off
constexpr TQNTUnitRow kVisDynRows[] = {
    {QNT_UNIT(evdtPascalSecs), {u"Pascal Seconds", {}}, {}, {}},
    {QNT_UNIT(evdtPoise), {u"Poises", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
    {QNT_UNIT(evdtCentipoise), {u"Centipoises", {}}, {{Div(100.0L), Mul(0.1L)}}, {{Mul(10.0L), Mul(100.0L)}}},
    {QNT_UNIT(evdtPoiseuille), {u"Poiseuilles", {}}, {}, {}},
    {QNT_UNIT(evdtReynolds), {u"Reynolds", {}}, {{Mul(144.0L), Mul(1.0L / 144.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(144.0L), Div(144.0L)}}},
    {QNT_UNIT(evdtLbSecsPerSqFt), {u"Pound Seconds per Square Foot", {}}, {{Mul(1.0L / 144.0L), Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L), Mul(144.0L)}}},
    {QNT_UNIT(evdtLbSecsPerSqInch), {u"Pound Seconds per Square Inch", {}}, {{Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L)}}},
    {QNT_UNIT(evdtPSISecs), {u"PSI Seconds", {}}, {{Mul(0.45359237L), Mul(1.0L / 6.4516L), Mul(10000.0L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1.0L / 0.45359237L), Mul(6.4516L), Mul(0.0001L)}}},
    {QNT_UNIT(evdtDyneSecsPerSqCm), {u"Dyne Seconds per Square Centimetre", {}}, {{Mul(0.1L)}}, {{Mul(10.0L)}}},
    {QNT_UNIT(evdtGSecsPerSqCM), {u"Gram Seconds per Square Centimetre", {}}, {{Mul(10000.0L), Mul(0.001L), Mul(9.80665L)}}, {{Div(9.80665L), Mul(1000.0L), Mul(0.0001L)}}},
    {QNT_UNIT(evdtKGSecsPerSqM), {u"Kilogram Seconds per Square Metre", {}}, {{Mul(9.80665L)}}, {{Div(9.80665L)}}},
};
// clang-format on
static_assert(std::size(kVisDynRows) == TQNTUnitTraits<TQNTVisDynType>::kCount &&
              InOrdinalOrder(kVisDynRows));

// TQNTVisKinConvertor: base unit evktSqMPerSec.
// clang-format off
constexpr TQNTUnitRow kVisKinRows[] = {
    {QNT_UNIT(evktSqMPerSec), {u"Square Metres per Second", {}}, {}, {}},
    {QNT_UNIT(evktStokes), {u"Stokes", {}}, {{Mul(0.0001L)}}, {{Mul(10000.0L)}}},
    {QNT_UNIT(evktCentiStokes), {u"Centistokes", {}}, {{Div(100.0L), Mul(0.0001L)}}, {{Mul(10000.0L), Mul(100.0L)}}},
    {QNT_UNIT(evktSqFtPerSec), {u"Square Feet per Second", {}}, {{Mul(144.0L), Mul(6.4516L), Div(10000.0L)}}, {{Mul(10000.0L), Div(6.4516L), Div(144.0L)}}},
    {QNT_UNIT(evktSqCmPerSec), {u"Square Centimetres per Second", {}}, {{Mul(0.0001L)}}, {{Mul(10000.0L)}}},
};
// clang-format on
static_assert(std::size(kVisKinRows) == TQNTUnitTraits<TQNTVisKinType>::kCount &&
              InOrdinalOrder(kVisKinRows));

#undef QNT_UNIT

}  // namespace

// Declared in the header, so converting code looks quantities up without a call.
// clang-format off
constexpr TQNTQuantityInfo kQuantityTable[kQuantityCount] = {
    {eqTemp, 0, "TQNTTempConvertor", "Temp", "TQNTTempType", "TempUnitsIn", "TempUnitsOut", u"Hide Temp ", {u"Температура", {}}, ettCelsius, kTempRows},
    {eqDist, 1, "TQNTDistConvertor", "Dist", "TQNTDistType", "DistUnitsIn", "DistUnitsOut", u"Hide Dist ", {u"Дистанция", {}}, edtMetres, kDistRows},
    {eqMass, 2, "TQNTMassConvertor", "Mass", "TQNTMassType", "MassUnitsIn", "MassUnitsOut", u"Hide Mass ", {u"Масса", {}}, emtKilograms, kMassRows},
    {eqVol, 4, "TQNTVolConvertor", "Vol", "TQNTVolType", "VolUnitsIn", "VolUnitsOut", u"Hide Vol ", {u"Звук", {}}, evtLitres, kVolRows},
    {eqArea, 3, "TQNTAreaConvertor", "Area", "TQNTAreaType", "AreaUnitsIn", "AreaUnitsOut", u"Hide Area ", {u"Площадь", {}}, eatSqMetres, kAreaRows},
    {eqPressure, 5, "TQNTPressureConvertor", "Pressure", "TQNTPressureType", "PressureUnitsIn", "PressureUnitsOut", u"Hide Pressure ", {u"Давление", {}}, eptPascals, kPressureRows},
    {eqVelocity, 6, "TQNTVelocityConvertor", "Velocity", "TQNTVelocityType", "VelocityUnitsIn", "VelocityUnitsOut", u"Hide Velocity ", {u"Скорость", {}}, evtMetresPerSec, kVelocityRows},
    {eqAccel, 7, "TQNTAccelConvertor", "Accel", "TQNTAccelerationType", "AccelUnitsIn", "AccelUnitsOut", u"Hide Accel ", {u"Ускорение", {}}, eatMetresPerSec2, kAccelRows},
    {eqForce, 8, "TQNTForceConvertor", "Force", "TQNTForceType", "ForceUnitsIn", "ForceUnitsOut", u"Hide Force ", {u"Сила", {}}, eftNewtons, kForceRows},
    {eqEnergy, 9, "TQNTEnergyConvertor", "Energy", "TQNTEnergyType", "EnergyUnitsIn", "EnergyUnitsOut", u"Hide Energy ", {u"Энергия", {}}, eetJoules, kEnergyRows},
    {eqPower, 10, "TQNTPowerConvertor", "Power", "TQNTPowerType", "PowerUnitsIn", "PowerUnitsOut", u"Hide Power ", {u"Мощность", {}}, eptWatts, kPowerRows},
    {eqFuel, 11, "TQNTFuelConvertor", "Fuel", "TQNTFuelType", "FuelUnitsIn", "FuelUnitsOut", u"Hide Fuel ", {u"Потребление топлива", {}}, eftKilometresPerLitre, kFuelRows},
    {eqFlow, 12, "TQNTFlowConvertor", "Flow", "TQNTFlowType", "FlowUnitsIn", "FlowUnitsOut", u"Hide Flow ", {u"Поток", {}}, eftLitresPerSecond, kFlowRows},
    {eqTorque, 14, "TQNTTorqueConvertor", "Torque", "TQNTTorqueType", "TorqueUnitsIn", "TorqueUnitsOut", u"Hide Torque ", {u"Крутящий момент", {}}, ettNewtonMetres, kTorqueRows},
    {eqRActive, 15, "TQNTRActiveConvertor", "RActive", "TQNTRActiveType", "RActiveUnitsIn", "RActiveUnitsOut", u"Hide RActive ", {u"Радиоактивность", {}}, ertBecquerels, kRActiveRows},
    {eqFlowMass, 13, "TQNTFlowMassConvertor", "FlowMass", "TQNTFlowMassType", "FlowUnitsIn", "FlowUnitsOut", u"Hide FlowMass ", {u"Поток (масс)", {}}, eftKilogramsPerSecond, kFlowMassRows},
    {eqAngle, 16, "TQNTAngleConvertor", "Angle", "TQNTAngleType", "AngleUnitsIn", "AngleUnitsOut", u"Hide Angle ", {u"Углы", {}}, eatRadians, kAngleRows},
    {eqTime, 17, "TQNTTimeConvertor", "Time", "TQNTTimeType", "TimeUnitsIn", "TimeUnitsOut", u"Hide Time ", {u"Время", {}}, ettDays, kTimeRows},
    {eqIllumination, 18, "TQNTIlluminationConvertor", "Illumination", "TQNTIlluminationType", "IlluminationUnitsIn", "IlluminationUnitsOut", u"Hide Illumination ", {u"Освещение", {}}, eitLux, kIlluminationRows},
    {eqLuminous, 19, "TQNTLuminousConvertor", "Luminous", "TQNTLuminousType", "LuminousUnitsIn", "LuminousUnitsOut", u"Hide Luminous ", {u"Сила света", {}}, eltCandelas, kLuminousRows},
    {eqLuminance, 20, "TQNTLuminanceConvertor", "Luminance", "TQNTLuminanceType", "LuminanceUnitsIn", "LuminanceUnitsOut", u"Hide Luminance ", {u"Яркость", {}}, eltCandelasPerSqM, kLuminanceRows},
    {eqLumFlux, 21, "TQNTLumFluxConvertor", "LumFlux", "TQNTLumFluxType", "LumFluxUnitsIn", "LumFluxUnitsOut", u"Hide LumFlux ", {u"Световой поток", {}}, eltLumens, kLumFluxRows},
    {eqAngVel, 22, "TQNTAngVelConvertor", "AngVel", "TQNTAngVelType", "AngVelUnitsIn", "AngVelUnitsOut", u"Hide AngVel ", {u"Угловая скорость", {}}, eatRadiansPerSec, kAngVelRows},
    {eqDensity, 23, "TQNTDensityConvertor", "Density", "TQNTDensityType", "DensityUnitsIn", "DensityUnitsOut", u"Hide Density ", {u"Плотность", {}}, edtKgPerCuM, kDensityRows},
    {eqComputer, 24, "TQNTComputerConvertor", "Computer", "TQNTComputerType", "ComputerUnitsIn", "ComputerUnitsOut", u"Hide Computer ", {u"Хранение данных", {}}, ectBytes, kComputerRows},
    {eqDataRate, 25, "TQNTDataRateConvertor", "DataRate", "TQNTDataRateType", "DataRateUnitsIn", "DataRateUnitsOut", u"Hide DataRate ", {u"Скорость передачи данных", {}}, edrBitsPS, kDataRateRows},
    {eqAngAccel, 26, "TQNTAngAccelConvertor", "AngAccel", "TQNTAngAccelType", "AngAccelUnitsIn", "AngAccelUnitsOut", u"Hide AngAccel ", {u"Угловое ускорение", {}}, eatRadiansPerSec2, kAngAccelRows},
    {eqVisDyn, 27, "TQNTVisDynConvertor", "VisDyn", "TQNTVisDynType", "VisDynUnitsIn", "VisDynUnitsOut", u"Hide VisDyn ", {u"Вязкость (динам.)", {}}, evdtPascalSecs, kVisDynRows},
    {eqVisKin, 28, "TQNTVisKinConvertor", "VisKin", "TQNTVisKinType", "VisKinUnitsIn", "VisKinUnitsOut", u"Hide VisKin ", {u"Вязкость (кинемат.)", {}}, evktSqMPerSec, kVisKinRows},
};
// clang-format on

namespace {

/// Quantity of each category of the window, by category index.
constexpr TQNTQuantity kCategories[] = {
    eqTemp,     eqDist,     eqMass,         eqArea,     eqVol,       eqPressure, eqVelocity, eqAccel,
    eqForce,    eqEnergy,   eqPower,        eqFuel,     eqFlow,      eqFlowMass, eqTorque,   eqRActive,
    eqAngle,    eqTime,     eqIllumination, eqLuminous, eqLuminance, eqLumFlux,  eqAngVel,   eqDensity,
    eqComputer, eqDataRate, eqAngAccel,     eqVisDyn,   eqVisKin,
};
static_assert(std::size(kCategories) == kQuantityCount);

constexpr bool QuantitiesInOrder() {
  for (int i = 0; i < kQuantityCount; ++i)
    if (kQuantityTable[i].Quantity != i || kQuantityTable[kCategories[i]].Category != i) return false;
  return true;
}
static_assert(QuantitiesInOrder());

}  // namespace

TQNTQuantity CategoryQuantity(int category) {
  if (category < 0 || category >= kQuantityCount) ThrowBadQuantity(category);
  return kCategories[category];
}

}  // namespace qnt
