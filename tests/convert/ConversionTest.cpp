// Worked conversions of every quantity, compared with their known results to all printed digits: the
// results depend on the order of every step, so the last digits show a wrong order or constant.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "convert/QNTKITConversion.h"
#include "kit/QNTKITStrings.h"
#include "tests/convert/ConvertTestSupport.h"

namespace qnt {
namespace {

using test::AgreesWithPrinted;

struct ConversionCase {
  const char* name;
  TQNTQuantity quantity;
  int from, to;
  Extended in;
  const char* out;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

const ConversionCase kConversionCases[] = {
    // Temperature (base: degrees Celsius)
    {"celsius_to_itself_skips_the_bound", eqTemp, ettCelsius, ettCelsius, -300.0L, "-300"},
    {"kelvin_just_below_zero_is_accepted", eqTemp, ettKelvin, ettCelsius, -0.01L, "-273.16"},
    {"kelvin_just_below_zero_round_trip", eqTemp, ettKelvin, ettKelvin, -0.01L, "-0.010000000000000008882"},
    {"fahrenheit_on_its_bound", eqTemp, ettFahrenheit, ettCelsius, -459.68L, "-273.155555555555556"},
    {"rankine_just_below_zero", eqTemp, ettRankine, ettCelsius, -0.01L, "-273.155555555555556"},
    {"reaumur_just_above_its_bound", eqTemp, ettReaumur, ettCelsius, -218.53L, "-273.1625"},
    {"delisle_on_the_celsius_bound", eqTemp, ettDelisle, ettCelsius, 559.74L, "-273.16"},
    {"newton_just_above_the_bound", eqTemp, ettNewton, ettCelsius, -90.14L, "-273.151515151515152"},
    {"zero_celsius_in_kelvin", eqTemp, ettCelsius, ettKelvin, 0.0L, "273.15"},
    {"zero_celsius_in_fahrenheit", eqTemp, ettCelsius, ettFahrenheit, 0.0L, "32"},
    {"zero_celsius_in_reaumur", eqTemp, ettCelsius, ettReaumur, 0.0L, "0"},
    {"zero_celsius_in_rankine", eqTemp, ettCelsius, ettRankine, 0.0L, "491.67"},
    {"zero_celsius_in_romer", eqTemp, ettCelsius, ettRomer, 0.0L, "7.5"},
    {"zero_celsius_in_delisle", eqTemp, ettCelsius, ettDelisle, 0.0L, "150"},
    {"zero_celsius_in_newton", eqTemp, ettCelsius, ettNewton, 0.0L, "0"},
    {"boiling_in_kelvin", eqTemp, ettCelsius, ettKelvin, 100.0L, "373.15"},
    {"boiling_in_fahrenheit", eqTemp, ettCelsius, ettFahrenheit, 100.0L, "212"},
    {"boiling_in_reaumur", eqTemp, ettCelsius, ettReaumur, 100.0L, "80"},
    {"boiling_in_rankine_keeps_80_bits", eqTemp, ettCelsius, ettRankine, 100.0L, "671.67000000000000004"},
    {"boiling_in_romer", eqTemp, ettCelsius, ettRomer, 100.0L, "60"},
    {"boiling_in_delisle", eqTemp, ettCelsius, ettDelisle, 100.0L, "0"},
    {"boiling_in_newton", eqTemp, ettCelsius, ettNewton, 100.0L, "33"},
    // Length (base: metres)
    {"mile_is_1609_344_metres", eqDist, edtMiles, edtMetres, 1.0L, "1609.344"},
    {"metres_back_to_one_mile", eqDist, edtMetres, edtMiles, 1609.344L, "1"},
    {"metre_in_feet_keeps_80_bits", eqDist, edtMetres, edtFeet, 1.0L, "3.2808398950131233598"},
    {"foot_is_12_inches", eqDist, edtFeet, edtInches, 1.0L, "12"},
    {"inch_is_25_4_millimetres", eqDist, edtInches, edtMillimetres, 1.0L, "25.4"},
    {"foot_to_feet_passes_metres", eqDist, edtFeet, edtFeet, 1.0L, "1"},
    {"us_survey_foot_in_feet", eqDist, edtFeetUSSurvey, edtFeet, 1.0L, "1.0000020000040000081"},
    {"uk_nautical_mile_in_metres", eqDist, edtNauticalMilesUK, edtMetres, 1.0L, "1853.7936"},
    {"light_year_in_kilometres", eqDist, edtLightYears, edtKilometres, 1.0L, "9460536207068.016"},
    {"paris_points_in_a_metre", eqDist, edtParisPoint, edtMetres, 150.0L, "1"},
    // Mass (base: kilograms)
    {"pound_in_kilograms", eqMass, emtPounds, emtKilograms, 1.0L, "0.45359237"},
    {"kilogram_in_pounds", eqMass, emtKilograms, emtPounds, 1.0L, "2.2046226218487758072"},
    {"stone_is_14_pounds", eqMass, emtStones, emtPounds, 1.0L, "14"},
    {"long_ton_in_tonnes", eqMass, emtTons, emtTonnes, 1.0L, "1.0160469088"},
    {"grain_in_milligrams", eqMass, emtGrains, emtMilligrams, 1.0L, "64.79891"},
    {"ounce_in_troy_ounces", eqMass, emtOunces, emtTroyOunces, 1.0L, "0.9114583333333333333"},
    {"kilotonne_in_kilograms", eqMass, emtKilotonnes, emtKilograms, 1.0L, "1000000"},
    {"million_kilograms_in_kilotonnes", eqMass, emtKilograms, emtKilotonnes, 1000000.0L,
     "0.99999999999999999995"},
    {"kilogram_in_gigatonnes", eqMass, emtKilograms, emtGigatonnes, 1.0L, "9.999999999999999999E-13"},
    {"pood_in_kilograms", eqMass, emtPood, emtKilograms, 1.0L, "16.38048"},
    {"slug_in_kilograms", eqMass, emtSlugs, emtKilograms, 1.0L, "14.5939029372063648286"},
    {"metric_libra_is_a_kilogram", eqMass, emtLibrasMetric, emtKilograms, 1.0L, "1"},
    // Volume (base: litres)
    {"uk_gallon_in_litres", eqVol, evtGallonsUK, evtLitres, 1.0L, "4.54609"},
    {"us_gallon_in_litres", eqVol, evtGallonsUS, evtLitres, 1.0L, "3.7854117840045967"},
    {"us_gallon_in_uk_gallons", eqVol, evtGallonsUS, evtGallonsUK, 1.0L, "0.83267418463"},
    {"cubic_metre_in_litres", eqVol, evtCubicMetres, evtLitres, 1.0L, "1000"},
    {"litre_in_cubic_metres", eqVol, evtLitres, evtCubicMetres, 1.0L, "0.0010000000000000000001"},
    {"cubic_foot_in_litres", eqVol, evtCubicFeet, evtLitres, 1.0L, "28.316846592"},
    {"oil_barrel_in_us_gallons", eqVol, evtBarrelsOil, evtGallonsUS, 1.0L, "42"},
    {"decilitre_in_litres", eqVol, evtDeciLitres, evtLitres, 1.0L, "0.1"},
    {"decalitre_in_litres", eqVol, evtDecalitres, evtLitres, 1.0L, "10"},
    {"us_teaspoon_in_millilitres", eqVol, evtTeaspoonUS, evtMillilitres, 1.0L, "4.9289215937559852864"},
    {"roman_amphora_in_litres", eqVol, evtRomanAmphorae, evtLitres, 1.0L, "25.5"},
    // Area (base: square metres)
    {"acre_in_square_metres", eqArea, eatAcres, eatSqMetres, 1.0L, "4046.8564224000000003"},
    {"hectare_in_acres", eqArea, eatHectares, eatAcres, 1.0L, "2.4710538146716534225"},
    {"square_mile_in_square_kilometres", eqArea, eatSqMiles, eatSqKilometres, 1.0L, "2.5899881103360000002"},
    {"township_in_square_miles", eqArea, eatTownships, eatSqMiles, 1.0L, "36"},
    {"square_foot_in_square_inches", eqArea, eatSqFeet, eatSqInches, 1.0L, "144"},
    {"square_metre_in_square_feet", eqArea, eatSqMetres, eatSqFeet, 1.0L, "10.763910416709722308"},
    {"circular_mil_in_square_mils", eqArea, eatCircularMils, eatSqMils, 1.0L, "0.78539816339744830963"},
    // Pressure (base: pascals)
    {"atmosphere_in_pascals", eqPressure, eptAtmospheres, eptPascals, 1.0L, "101325"},
    {"atmosphere_in_inches_of_mercury", eqPressure, eptAtmospheres, eptInchesOfMercury0C, 1.0L,
     "29.92125984251968504"},
    {"760_torr_is_an_atmosphere", eqPressure, eptTorrs, eptAtmospheres, 760.0L, "1"},
    {"mm_of_mercury_in_torr", eqPressure, eptMillimetresOfMercury0C, eptTorrs, 1.0L, "1.0000000000000000001"},
    {"bar_in_psi", eqPressure, eptBars, eptPoundsPerSqInch, 1.0L, "14.503773773020921516"},
    {"psi_in_pascals", eqPressure, eptPSI, eptPascals, 1.0L, "6894.7572931683613358"},
    {"inch_of_water_in_pascals", eqPressure, eptInchesOfWater4C, eptPascals, 1.0L, "249.08239456578947368"},
    {"pascal_in_newtons_per_square_metre", eqPressure, eptPascals, eptNewtonsPerSqMetre, 1.0L, "1"},
    // Speed and acceleration
    {"mph_in_kph", eqVelocity, evtMilesPerHr, evtKilometresPerHr, 1.0L, "1.6093439999999999999"},
    {"100_kph_in_mph", eqVelocity, evtKilometresPerHr, evtMilesPerHr, 100.0L, "62.13711922373339697"},
    {"kilometres_per_hour_in_kph", eqVelocity, evtKilometresPerHr, evtKPH, 1.0L, "0.99999999999999999995"},
    {"us_knot_in_metres_per_second", eqVelocity, evtKnotsUS, evtMetresPerSec, 1.0L, "0.51444444444444444443"},
    {"uk_knot_in_us_knots", eqVelocity, evtKnotsUK, evtKnotsUS, 1.0L, "1.0009684665226781857"},
    {"mach_in_kph", eqVelocity, evtMach, evtKilometresPerHr, 1.0L, "1229"},
    {"micron_per_microsecond", eqVelocity, evtMicronsPerMicrosecond, evtMetresPerSec, 1.0L, "1"},
    {"gravity_in_feet_per_second2", eqAccel, eatGravity, eatFeetPerSec2, 1.0L, "32.174048556430446196"},
    {"metre_per_second2_in_inches", eqAccel, eatMetresPerSec2, eatInchesPerSec2, 1.0L,
     "39.370078740157480317"},
    // Force and torque
    {"pound_force_in_newtons", eqForce, eftPoundsForce, eftNewtons, 1.0L, "4.4482216152605"},
    {"newton_in_pounds_force", eqForce, eftNewtons, eftPoundsForce, 1.0L, "0.22480894309971048291"},
    {"poundal_in_newtons", eqForce, eftPoundals, eftNewtons, 1.0L, "0.13825495437599999999"},
    {"kilogram_force_in_pounds_force", eqForce, eftKilogramsForce, eftPoundsForce, 1.0L,
     "2.2046226218487758072"},
    {"short_ton_force_in_kilonewtons", eqForce, eftShortTonsForce, eftKilonewtons, 1.0L,
     "8.896443230520999999"},
    {"pound_foot_in_newton_metres", eqTorque, ettPoundFeet, ettNewtonMetres, 1.0L, "1.3558179483314004"},
    {"newton_metre_in_pound_feet", eqTorque, ettNewtonMetres, ettPoundFeet, 1.0L, "0.73756214927726536395"},
    {"pound_inch_in_ounce_inches", eqTorque, ettPoundInches, ettOunceInches, 1.0L, "16.000000000000000002"},
    {"kilogram_metre_in_newton_metres", eqTorque, ettKilogramMetres, ettNewtonMetres, 1.0L, "9.80665"},
    // Energy and power
    {"kilowatt_hour_in_kilojoules", eqEnergy, eetKilowattHours, eetKilojoules, 1.0L, "3599.9999999999999998"},
    {"3600_kilojoules_in_kilowatt_hours", eqEnergy, eetKilojoules, eetKilowattHours, 3600.0L,
     "0.99999999999999999995"},
    {"it_calorie_in_joules", eqEnergy, eetCaloriesIT, eetJoules, 1.0L, "4.1868"},
    {"it_btu_in_joules", eqEnergy, eetBritishThermalUnitsIT, eetJoules, 1.0L, "1055.05585262"},
    {"electronvolt_in_joules", eqEnergy, eetElectronVolts, eetJoules, 1.0L, "1.6021765650000000001E-19"},
    {"joule_in_electronvolts", eqEnergy, eetJoules, eetElectronVolts, 1.0L, "6241509343260179317"},
    {"watt_year_in_kilowatt_hours", eqEnergy, eetWattYears, eetKilowattHours, 1.0L, "8.76582"},
    {"horsepower_in_watts", eqPower, eptHorsepower, eptWatts, 1.0L, "745.701"},
    {"metric_horsepower_in_watts", eqPower, eptHorsepowerMetric, eptWatts, 1.0L, "735.49874999999999997"},
    {"kilowatt_in_horsepower", eqPower, eptKilowatts, eptHorsepower, 1.0L, "1.3410200603190823132"},
    {"refrigeration_ton_in_btu_per_hour", eqPower, eptRefTons, eptBTUsITPerHour, 1.0L,
     "12000.000000001137381"},
    {"pferdestarke_is_a_cheval_vapeur", eqPower, eptPferdestarke, eptChevalVapeur, 1.0L, "1"},
    // Fuel consumption (base: kilometres per litre)
    {"5_litres_per_100km", eqFuel, eftLitresPer100Kilometres, eftKilometresPerLitre, 5.0L, "20"},
    {"negative_litres_per_100km_convert", eqFuel, eftLitresPer100Kilometres, eftKilometresPerLitre, -5.0L,
     "-20"},
    {"litres_per_100km_to_itself", eqFuel, eftLitresPer100Kilometres, eftLitresPer100Kilometres, 8.0L, "8"},
    {"10_litres_per_100km_in_uk_mpg", eqFuel, eftLitresPer100Kilometres, eftMilesPerGallonUK, 10.0L,
     "28.24809363318221586"},
    {"uk_mpg_in_km_per_litre", eqFuel, eftMilesPerGallonUK, eftKilometresPerLitre, 1.0L,
     "0.35400618993464713633"},
    {"us_mpg_in_km_per_litre", eqFuel, eftMilesPerGallonUS, eftKilometresPerLitre, 1.0L,
     "0.42514370742975574305"},
    {"uk_mpg_in_us_mpg", eqFuel, eftMilesPerGallonUK, eftMilesPerGallonUS, 1.0L, "0.83267418463"},
    {"mile_per_litre_in_km_per_litre", eqFuel, eftMilesPerLitre, eftKilometresPerLitre, 1.0L, "1.609344"},
    // Volume flow and mass flow
    {"cubic_metre_per_second_in_litres", eqFlow, eftCubicMetresPerSecond, eftLitresPerSecond, 1.0L, "1000"},
    {"litre_per_second_in_cubic_metres", eqFlow, eftLitresPerSecond, eftCubicMetresPerSecond, 1.0L,
     "0.0010000000000000000001"},
    {"uk_gallon_per_second_in_litres", eqFlow, eftGallonsUKPerSecond, eftLitresPerSecond, 1.0L, "4.54609"},
    {"litre_per_second_in_uk_gallons_per_day", eqFlow, eftLitresPerSecond, eftGallonsUKPerDay, 1.0L,
     "19005.343053041184842"},
    {"litre_per_second_in_us_gallons_per_day", eqFlow, eftLitresPerSecond, eftGallonsUSPerDay, 1.0L,
     "22824.465323716306893"},
    {"litre_per_second_per_day", eqFlow, eftLitresPerSecond, eftLitresPerDay, 1.0L, "86400"},
    {"cubic_metre_per_hour_in_litres", eqFlow, eftCubicMetresPerHour, eftLitresPerSecond, 1.0L,
     "0.27777777777777777778"},
    {"cusec_in_cubic_metres_per_minute", eqFlow, eftCubicFeetPerSecond, eftCubicMetresPerMinute, 1.0L,
     "1.6990107955200000001"},
    {"3600_kilograms_per_hour", eqFlowMass, eftKilogramsPerHour, eftKilogramsPerSecond, 3600.0L, "1"},
    {"pound_per_second_in_kilograms", eqFlowMass, eftPoundsPerSecond, eftKilogramsPerSecond, 1.0L,
     "0.45359237"},
    {"kilogram_per_second_in_pounds_per_hour", eqFlowMass, eftKilogramsPerSecond, eftPoundsPerHour, 1.0L,
     "7936.641438655592906"},
    // Radioactivity, density, viscosity
    {"curie_in_becquerels", eqRActive, ertCuries, ertBecquerels, 1.0L, "37000000000"},
    {"becquerels_in_a_curie", eqRActive, ertBecquerels, ertCuries, 37000000000.0L, "1"},
    {"millicurie_in_microcuries", eqRActive, ertMillicuries, ertMicrocuries, 1.0L, "999.99999999999999994"},
    {"rutherford_is_a_megabecquerel", eqRActive, ertRutherfords, ertMegabecquerels, 1.0L, "1"},
    {"gram_per_cm3_in_kg_per_m3", eqDensity, edtGPerCuCm, edtKgPerCuM, 1.0L, "1000"},
    {"pound_per_cubic_foot", eqDensity, edtLbsPerCuFt, edtKgPerCuM, 1.0L, "16.018463373960139579"},
    {"water_in_pounds_per_cubic_foot", eqDensity, edtKgPerCuM, edtLbsPerCuFt, 1000.0L,
     "62.427960576144611964"},
    {"plasmatic_glucose_in_mg_per_litre", eqDensity, edtPlasmaticGlucose, edtMilligramsPerLitre, 1.0L, "180"},
    {"ppm_is_a_gram_per_m3", eqDensity, edtppm, edtGPerCuM, 1.0L, "1"},
    {"poise_in_pascal_seconds", eqVisDyn, evdtPoise, evdtPascalSecs, 1.0L, "0.1"},
    {"centipoise_in_pascal_seconds", eqVisDyn, evdtCentipoise, evdtPascalSecs, 1.0L, "0.001"},
    {"reynolds_in_psi_seconds", eqVisDyn, evdtReynolds, evdtPSISecs, 1.0L, "0.99999999999999999984"},
    {"stokes_in_m2_per_second", eqVisKin, evktStokes, evktSqMPerSec, 1.0L, "0.0001"},
    {"centistokes_in_cm2_per_second", eqVisKin, evktCentiStokes, evktSqCmPerSec, 1.0L,
     "0.010000000000000000001"},
    {"square_foot_per_second", eqVisKin, evktSqFtPerSec, evktSqMPerSec, 1.0L, "0.092903040000000000005"},
    // Angle, angular velocity and acceleration
    {"degree_in_radians", eqAngle, eatDegrees, eatRadians, 1.0L, "0.017453292519943295769"},
    {"180_degrees_in_radians", eqAngle, eatDegrees, eatRadians, 180.0L, "3.1415926535897932385"},
    {"radian_in_degrees", eqAngle, eatRadians, eatDegrees, 1.0L, "57.29577951308232088"},
    {"100_grads_in_degrees", eqAngle, eatGrads, eatDegrees, 100.0L, "90"},
    {"60_minutes_in_degrees", eqAngle, eatMinutes, eatDegrees, 60.0L, "1"},
    {"binary_degree_in_degrees", eqAngle, eatBinaryDegrees, eatDegrees, 1.0L, "1.40625"},
    {"point_in_degrees", eqAngle, eatPointsAngle, eatDegrees, 1.0L, "11.25"},
    {"huge_angle_converts_without_slopes", eqAngle, eatRadians, eatDegrees, 10000000000000000000.0L,
     "5.72957795130823E20"},
    {"rpm_in_radians_per_second", eqAngVel, eatRPM, eatRadiansPerSec, 1.0L, "0.104719755119659774615"},
    {"radian_per_second_in_rpm", eqAngVel, eatRadiansPerSec, eatRPM, 1.0L, "9.549296585513720147"},
    {"revolution_per_second_in_degrees", eqAngVel, eatRevPerSec, eatDegreesPerSec, 1.0L, "360"},
    {"radian_per_microsecond", eqAngVel, eatRadiansPerMicrosecond, eatRadiansPerSec, 1.0L, "1000000"},
    {"million_radians_per_second", eqAngVel, eatRadiansPerSec, eatRadiansPerMicrosecond, 1000000.0L, "1"},
    {"degree_per_microsecond", eqAngVel, eatDegreesPerMicrosecond, eatDegreesPerSec, 1.0L,
     "1000000.00000000000006"},
    {"rpm_per_second_in_radians", eqAngAccel, eatRPMPerSec, eatRadiansPerSec2, 1.0L,
     "0.10471975511965977461"},
    {"revolution_per_second2_in_degrees", eqAngAccel, eatRevPerSec2, eatDegreesPerSec2, 1.0L, "360"},
    // Time (base: days)
    {"86400_seconds_make_a_day", eqTime, ettSeconds, ettDays, 86400.0L, "1"},
    {"day_in_seconds", eqTime, ettDays, ettSeconds, 1.0L, "86400"},
    {"hour_in_minutes", eqTime, ettHours, ettMinutes, 1.0L, "60"},
    {"7_days_make_a_week", eqTime, ettDays, ettWeeks, 7.0L, "1"},
    {"week_in_days", eqTime, ettWeeks, ettDays, 1.0L, "7"},
    {"tropical_year_in_days", eqTime, ettYears, ettDays, 1.0L, "365.242191"},
    {"gregorian_year_in_365_day_years", eqTime, ettYearsGregorian, ettYears365, 1.0L,
     "1.0006643835616438356"},
    {"sidereal_day_in_seconds", eqTime, ettSiderealDays, ettSeconds, 1.0L, "86164.0907"},
    {"mars_sol_in_hours", eqTime, ettMarsSolarDays, ettHours, 1.0L, "24.659789999999999998"},
    {"1000_microseconds_in_milliseconds", eqTime, ettMicroseconds, ettMilliseconds, 1000.0L,
     "1.0000000000000000001"},
    // Light
    {"foot_candle_in_lux", eqIllumination, eitFootCandles, eitLux, 1.0L, "10.763910416709722308"},
    {"lux_in_foot_candles", eqIllumination, eitLux, eitFootCandles, 1.0L, "0.092903040000000000005"},
    {"noon_sun_in_lux", eqIllumination, eitNoonSun, eitLux, 1.0L, "107639.104167097223076"},
    {"phot_in_kilolux", eqIllumination, eitPhots, eitKilolux, 1.0L, "10"},
    {"candle_in_candelas", eqLuminous, eltCandles, eltCandelas, 1.0L, "1.01937"},
    {"carcel_in_candles", eqLuminous, eltCarcels, eltCandles, 1.0L, "9.554921176805281694"},
    {"lambert_in_candelas_per_m2", eqLuminance, eltLamberts, eltCandelasPerSqM, 1.0L,
     "3183.0988618379067154"},
    {"foot_lambert_in_candelas_per_m2", eqLuminance, eltFootLamberts, eltCandelasPerSqM, 1.0L,
     "3.4262590996353905267"},
    {"apostilb_uses_the_other_pi", eqLuminance, eltApostilbs, eltCandelasPerSqM, 1.0L,
     "0.31830988618379067157"},
    {"candela_per_square_foot", eqLuminance, eltCandelasPerSqFt, eltCandelasPerSqM, 1.0L,
     "10.763910416709722308"},
    {"spherical_candle_power_in_lumens", eqLumFlux, eltCandlepowerSpherical, eltLumens, 1.0L,
     "12.566370614359172954"},
    {"lumens_in_a_spherical_candle_power", eqLumFlux, eltLumens, eltCandlepowerSpherical,
     12.566370614359172954L, "1"},
    // Data storage and data rate
    {"megabyte_in_kilobytes", eqComputer, ectMegaBytes, ectKiloBytes, 1.0L, "1024"},
    {"8_bits_make_a_byte", eqComputer, ectBits, ectBytes, 8.0L, "1"},
    {"decimal_gigabyte_in_gibibytes", eqComputer, ectGigaBytes10, ectGibiBytes, 1.0L,
     "0.9313225746154785156"},
    {"decimal_exabyte_in_exbibytes", eqComputer, ectExaBytes10, ectExbiBytes, 1.0L, "0.8673617379884035472"},
    {"byte_in_decimal_petabytes", eqComputer, ectBytes, ectPetaBytes10, 1.0L, "0.000000000000001"},
    {"decimal_kilobit_in_kilobytes", eqComputer, ectKilobits10, ectKiloBytes10, 1.0L, "0.125"},
    {"audio_minute_in_megabytes", eqComputer, ectAudioMinutes, ectMegaBytes, 1.0L, "10.0939178466796875"},
    {"kilobyte_per_second_in_bits", eqDataRate, edrKilobytesPS, edrBitsPS, 1.0L, "8192"},
    {"bit_per_second_in_megabytes", eqDataRate, edrBitsPS, edrMegabytesPS, 1.0L, "1.1920928955078125E-7"},
    {"60_bits_per_minute", eqDataRate, edrBitsPM, edrBitsPS, 60.0L, "1"},
    {"megabyte_per_hour_in_bytes_per_second", eqDataRate, edrMegabytesPH, edrBytesPS, 1.0L,
     "291.2711111111111111"},
    {"baud_is_a_bit_per_second", eqDataRate, edrBaud, edrBitsPS, 1.0L, "1"},
};

class WorkedConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(WorkedConversion, AgreesToAllPrintedDigits) {
  const ConversionCase& c = GetParam();
  EXPECT_TRUE(AgreesWithPrinted(Convert(c.quantity, c.from, c.to, c.in), c.out));
}

INSTANTIATE_TEST_SUITE_P(AllQuantities, WorkedConversion, ::testing::ValuesIn(kConversionCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Conversions that fail: the exception type and the program's message together.

struct FailureCase {
  const char* name;
  TQNTQuantity quantity;
  int from, to;
  Extended in;
  const char16_t* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

constexpr const char16_t* kM1 = u"Температура не может быть ниже чем -273.15 C";
constexpr const char16_t* kM2 = u"Температура не может быть ниже чем -459.67 F";
constexpr const char16_t* kM3 = u"Температура не может быть ниже чем 0 градусов Кельвина";
constexpr const char16_t* kM4 = u"Температура не может быть ниже чем 0 градусов Rankine";

const FailureCase kFailureCases[] = {
    {"celsius_below_the_bound_to_kelvin", eqTemp, ettCelsius, ettKelvin, -300.0L, kM1},
    {"kelvin_below_zero", eqTemp, ettKelvin, ettCelsius, -0.02L, kM3},
    {"fahrenheit_below_its_bound", eqTemp, ettFahrenheit, ettCelsius, -459.69L, kM2},
    {"rankine_below_zero_reports_rankine", eqTemp, ettRankine, ettCelsius, -0.02L, kM4},
    {"reaumur_below_zero_reports_rankine", eqTemp, ettReaumur, ettCelsius, -218.54L, kM4},
    {"delisle_is_bounded_from_above", eqTemp, ettDelisle, ettCelsius, 560.0L, kM4},
    {"newton_below_zero_reports_rankine", eqTemp, ettNewton, ettCelsius, -90.15L, kM4},
    {"romer_below_zero_reports_rankine", eqTemp, ettRomer, ettCelsius, -136.0L, kM4},
    {"source_scale_reports_first", eqTemp, ettKelvin, ettFahrenheit, -1.0L, kM3},
    {"zero_litres_per_100km", eqFuel, eftLitresPer100Kilometres, eftKilometresPerLitre, 0.0L,
     u"Литров на 100 км не может быть 0!"},
    {"zero_litres_per_100km_to_itself", eqFuel, eftLitresPer100Kilometres, eftLitresPer100Kilometres, 0.0L,
     u"Литров на 100 км не может быть 0!"},
    {"tiny_litres_per_100km_counts_as_zero", eqFuel, eftLitresPer100Kilometres, eftMPGUS, 1E-330L,
     u"Литров на 100 км не может быть 0!"},
    {"zero_km_per_litre_to_litres_per_100km", eqFuel, eftKilometresPerLitre, eftLitresPer100Kilometres, 0.0L,
     u"Киллометров на литр не может быть 0!"},
    {"zero_mpg_to_litres_per_100km", eqFuel, eftMPGUK, eftLitresPer100Kilometres, 0.0L,
     u"Киллометров на литр не может быть 0!"},
    {"huge_angle_has_no_grade", eqAngle, eatRadians, eatGrade, 10000000000000000000.0L,
     u"Величина угла слишком велика"},
    {"huge_angle_has_no_grade_per_mil", eqAngle, eatRadians, eatGradePerMil, -9223372036854775808.0L,
     u"Величина угла слишком велика"},
    {"huge_angle_has_no_rise_ratio", eqAngle, eatDegrees, eatRiseRatio, 1E30L,
     u"Величина угла слишком велика"},
    {"rise_ratio_of_zero_divides_by_zero", eqAngle, eatRiseRatio, eatDegrees, 0.0L, u"Деление на ноль"},
    {"negative_zero_rise_ratio_too", eqAngle, eatRiseRatio, eatRadians, -0.0L, u"Деление на ноль"},
    {"flat_angle_has_no_rise_ratio", eqAngle, eatDegrees, eatRiseRatio, 0.0L, u"Деление на ноль"},
    {"rise_ratio_whose_reciprocal_overflows", eqAngle, eatRiseRatio, eatDegrees, 1E-4940L,
     u"Результат слишком велик"},
    {"overflow_on_the_way_to_the_base", eqDist, edtKilometres, edtMillimetres, 1E4932L,
     u"Результат слишком велик"},
    {"overflow_on_the_way_from_the_base", eqDist, edtMetres, edtMillimetres, 1E4932L,
     u"Результат слишком велик"},
    {"overflow_in_a_formula", eqTemp, ettCelsius, ettFahrenheit, 1E4932L, u"Результат слишком велик"},
    {"infinite_input_is_refused", eqMass, emtKilograms, emtKilograms, __builtin_infl(),
     u"Результат слишком велик"},
    {"nan_input_is_refused", eqArea, eatSqMetres, eatAcres, __builtin_nanl(""),
     u"Результат не является числом"},
};

class FailedConversion : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailedConversion, RaisesTheProgramsMessage) {
  const FailureCase& c = GetParam();
  EXPECT_THAT([&] { Convert(c.quantity, c.from, c.to, c.in); },
              ::testing::ThrowsMessage<EMathError>(::testing::StrEq(ToUtf8(c.message))));
}

INSTANTIATE_TEST_SUITE_P(AllQuantities, FailedConversion, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Slopes go through the arctangent: they agree with the angle to about the last digits.

struct SlopeCase {
  const char* name;
  int from, to;
  Extended in, out;
};

void PrintTo(const SlopeCase& c, std::ostream* os) { *os << c.name; }

const SlopeCase kSlopeCases[] = {
    {"45_degrees_is_a_grade_of_100", eatDegrees, eatGrade, 45.0L, 100.0L},
    {"grade_of_100_is_45_degrees", eatGrade, eatDegrees, 100.0L, 45.0L},
    {"negative_grade_is_a_negative_angle", eatGrade, eatDegrees, -100.0L, -45.0L},
    {"rise_of_1_in_1_is_45_degrees", eatRiseRatio, eatDegrees, 1.0L, 45.0L},
    {"rise_of_1_in_2", eatRiseRatio, eatGrade, 2.0L, 50.0L},
    {"grade_in_per_mil", eatGrade, eatGradePerMil, 12.5L, 125.0L},
    {"per_mil_to_rise_ratio", eatGradePerMil, eatRiseRatio, 40.0L, 25.0L},
};

class SlopeConversion : public ::testing::TestWithParam<SlopeCase> {};

TEST_P(SlopeConversion, AgreesWithinTwelveUlpsOfTheMagnitude) {
  const SlopeCase& c = GetParam();
  const Extended r = Convert(eqAngle, c.from, c.to, c.in);
  const Extended ulp = std::nextafter(std::fabs(c.out), __builtin_infl()) - std::fabs(c.out);
  EXPECT_LE(std::fabs(r - c.out), 12 * ulp) << static_cast<double>(r);
}

INSTANTIATE_TEST_SUITE_P(Angle, SlopeConversion, ::testing::ValuesIn(kSlopeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qnt
