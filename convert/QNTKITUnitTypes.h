// The quantities of the conversion engine and the unit enumeration of each: the ordinal of a unit is
// its index in its quantity's unit table, name table and hidden flags. Plain C++: no Qt in this layer.
#pragma once

#include <cstdint>

namespace qnt {

/// The 29 quantities, in the order their convertor classes are declared (the window lists them in its
/// own category order; see CategoryQuantity).
enum TQNTQuantity : std::uint8_t {
  eqTemp,
  eqDist,
  eqMass,
  eqVol,
  eqArea,
  eqPressure,
  eqVelocity,
  eqAccel,
  eqForce,
  eqEnergy,
  eqPower,
  eqFuel,
  eqFlow,
  eqTorque,
  eqRActive,
  eqFlowMass,
  eqAngle,
  eqTime,
  eqIllumination,
  eqLuminous,
  eqLuminance,
  eqLumFlux,
  eqAngVel,
  eqDensity,
  eqComputer,
  eqDataRate,
  eqAngAccel,
  eqVisDyn,
  eqVisKin,
};
inline constexpr int kQuantityCount = 29;
static_assert(eqVisKin + 1 == kQuantityCount);

enum TQNTTempType : std::uint8_t {
  ettKelvin,
  ettFahrenheit,
  ettCelsius,
  ettReaumur,
  ettRankine,
  ettRomer,
  ettDelisle,
  ettNewton,
};

enum TQNTDistType : std::uint8_t {
  edtMetres,
  edtCentimetres,
  edtMillimetres,
  edtMicrons,
  edtMicrometres,
  edtNanometres,
  edtAngstroms,
  edtKilometres,
  edtFeet,
  edtMils,
  edtInches,
  edtYards,
  edtMiles,
  edtFathoms,
  edtShackles12,
  edtShackles15,
  edtNauticalMilesUK,
  edtNauticalMilesUS,
  edtNauticalMilesInt,
  edtNauticalMilesTelegraph,
  edtGeographicalMiles,
  edtAdmiraltyMiles,
  edtRomanMiles,
  edtRomanFeet,
  edtUnciae,
  edtScottishMiles,
  edtIrishMiles,
  edtChains,
  edtEngChains,
  edtRods,
  edtLinks,
  edtEngLinks,
  edtHands,
  edtFeetUSSurvey,
  edtInchesUSSurvey,
  edtThous,
  edtPoles,
  edtPerches,
  edtFurlongs,
  edtLeaguesUKLand,
  edtLeaguesUKSea,
  edtLeaguesUS,
  edtAstronomicalUnits,
  edtLightYears,
  edtLightYears365,
  edtParsecs,
  edtPoints,
  edtPicas,
  edtLightSeconds,
  edtLightMinutes,
  edtLightHours,
  edtLightDays,
  edtPouces,
  edtPieds,
  edtBarleycorn,
  edtParisPoint,
  edtCubitsCommon,
  edtCubitsRoman,
  edtCubitsGreek,
  edtCubitsShort,
  edtSpans,
  edtSmoots,
  edtInchTenth,
  edtInchSixteenth,
  edtInchThirtySecond,
  edtInchSixtyFourth,
  edtDecimetres,
  edtDecametres,
  edtMicroinches,
};

enum TQNTMassType : std::uint8_t {
  emtKilograms,
  emtGrams,
  emtMilligrams,
  emtTonnes,
  emtPounds,
  emtOunces,
  emtStones,
  emtQuarters,
  emtShortQuarters,
  emtTons,
  emtShortTons,
  emtHundredWeights,
  emtShortHundredWeights,
  emtDrams,
  emtGrains,
  emtScruples,
  emtMetricGrains,
  emtCarats,
  emtPoints,
  emtTroyPounds,
  emtTroyOunces,
  emtRomanOunces,
  emtRomanPounds,
  emtPennyweights,
  emtSlugs,
  emtZentners,
  emtPfund,
  emtLivre,
  emtMicrograms,
  emtNanograms,
  emtPicograms,
  emtKilopounds,
  emtKips,
  emtTolas,
  emtTaelsChina,
  emtTaelsJap,
  emtMomme,
  emtBerkovets,
  emtPood,
  emtFunt,
  emtLot,
  emtZolotnik,
  emtDolya,
  emtQuintals,
  emtQuintalsMetric,
  emtCentners,
  emtCentnersMetric,
  emtCentnersShortMetric,
  emtLibras,
  emtLibrasMetric,
  emtKilotonnes,
  emtMegatonnes,
  emtGigatonnes,
};

enum TQNTVolType : std::uint8_t {
  evtCubicMetres,
  evtLitres,
  evtMillilitres,
  evtKilolitres,
  evtDeciLitres,
  evtCentilitres,
  evtHectolitres,
  evtMicrolitres,
  evtPintsUK,
  evtPintsUS,
  evtQuartsUK,
  evtQuartsUS,
  evtGallonsUK,
  evtGallonsUS,
  evtGillsUK,
  evtGillsUS,
  evtFluidOuncesUK,
  evtFluidOuncesUS,
  evtFluidDramsUK,
  evtFluidDramsUS,
  evtTeaspoonUS,
  evtTeaspoonUK,
  evtTeaspoonMetric,
  evtDessertspoonUS,
  evtDessertspoonUK,
  evtDessertspoonMetric,
  evtTablespoonUS,
  evtTablespoonUK,
  evtTablespoonMetricAus,
  evtTablespoonMetricOther,
  evtCubicCentimetres,
  evtCubicMillimetres,
  evtCubicDecimetres,
  evtPintsUKDry,
  evtPintsUSDry,
  evtQuartsUKDry,
  evtQuartsUSDry,
  evtGallonsUKdry,
  evtGallonsUSDry,
  evtPecksUK,
  evtPecksUS,
  evtBushellsUK,
  evtBushellsUS,
  evtBarrelsOil,
  evtBarrelsDry,
  evtBarrelsLiquid,
  evtCubicInches,
  evtCubicFathoms,
  evtCubicFeet,
  evtCubicYards,
  evtCupsMetric,
  evtCupsUS,
  evtMegaGallonsUK,
  evtMegaGallonsUS,
  evtAcreFeet,
  evtAcreInches,
  evtCubicMicrons,
  evtCongiiUK,
  evtAcetabula,
  evtHeminae,
  evtSextarii,
  evtCongii,
  evtLigulae,
  evtUrnae,
  evtRomanAmphorae,
  evtModii,
  evtSuperFeet,
  evtBoardFeet,
  evtCupsUS12,
  evtCupsCanada,
  evtCupsUK,
  evtBarrelsBeerUS,
  evtBarrelsBeerUK,
  evtBarrelsWineUK,
  evtKegsBeerUS,
  evtKegsWineUS,
  evtKegsBeerUK,
  evtKegs25,
  evtKegs50,
  evtFirkinsBeer,
  evtKilderkinsBeer,
  evtHogsheadsBeer,
  evtDropsWater,
  evtDropsThick,
  evtDecalitres,
};

enum TQNTAreaType : std::uint8_t {
  eatSqMetres,
  eatSqCentimetres,
  eatSqMillimetres,
  eatSqKilometres,
  eatSqInches,
  eatSqFeet,
  eatSqYards,
  eatSqMiles,
  eatHectares,
  eatAres,
  eatAcres,
  eatRoods,
  eatDunams,
  eatTsubo,
  eatTatami,
  eatPerches,
  eatSqMicrons,
  eatSqChains,
  eatSqLinks,
  eatSqRods,
  eatSqPoles,
  eatSqPerches,
  eatSqFurlongs,
  eatSqFathoms,
  eatSections,
  eatTownships,
  eatPyong,
  eatPing,
  eatWah,
  eatNgan,
  eatRai,
  eatCents,
  eatSqMils,
  eatCircularMils,
};

enum TQNTPressureType : std::uint8_t {
  eptPascals,
  eptHectopascals,
  eptKilopascals,
  eptMegapascals,
  eptBars,
  eptMillibars,
  eptHectobars,
  eptAtmospheres,
  eptMillimetresOfMercury0C,
  eptCentimetresOfMercury0C,
  eptInchesOfMercury0C,
  eptTorrs,
  eptPoundsPerSqInch,
  eptPSI,
  eptPoundsPerSqFoot,
  eptPoundsPerSqYard,
  eptShortTonsPerSqFoot,
  eptShortTonsPerSqInch,
  eptTonsPerSqFoot,
  eptTonsPerSqInch,
  eptDynesPerSqCentimetre,
  eptDynesPerSqMetre,
  eptGramsPerSqCentimetre,
  eptGramsPerSqMetre,
  eptKilogramsPerSqCentimetre,
  eptKilogramsPerSqMetre,
  eptTonnesPerSqCentimetre,
  eptTonnesPerSqMetre,
  eptNewtonsPerSqMetre,
  eptMillimetresOfWater4C,
  eptCentimetresOfWater4C,
  eptMetresOfWater4C,
  eptFeetOfWater4C,
  eptFeetOfSeaWater,
  eptMetresOfSeaWater,
  eptInchesOfWater4C,
  eptGigapascals,
  eptNanonewtonsPerSqMicron,
  eptOuncesPerSqFoot,
  eptOuncesPerSqYard,
  eptBaryes,
};

enum TQNTVelocityType : std::uint8_t {
  evtMetresPerSec,
  evtMetresPerMin,
  evtMetresPerHr,
  evtCentimetresPerSec,
  evtCentimetresPerMin,
  evtCentimetresPerHr,
  evtMillimetresPerSec,
  evtMillimetresPerMin,
  evtMillimetresPerHr,
  evtKilometresPerSec,
  evtKilometresPerMin,
  evtKilometresPerHr,
  evtKPH,
  evtMilesPerSec,
  evtMilesPerMin,
  evtMilesPerHr,
  evtMPH,
  evtFeetPerSec,
  evtFeetPerMin,
  evtFeetPerHr,
  evtKnotsUK,
  evtKnotsUS,
  evtInchesPerSec,
  evtInchesPerMin,
  evtInchesPerHr,
  evtSpeedOfLight,
  evtSpeedOfSound,
  evtMach,
  evtMicronsPerSec,
  evtMicronsPerMicrosecond,
};

enum TQNTAccelerationType : std::uint8_t {
  eatMetresPerSec2,
  eatCentimetresPerSec2,
  eatFeetPerSec2,
  eatInchesPerSec2,
  eatGravity,
  eatMillimetresPerSec2,
};

enum TQNTForceType : std::uint8_t {
  eftNewtons,
  eftMillinewtons,
  eftKilonewtons,
  eftMeganewtons,
  eftGiganewtons,
  eftDynes,
  eftKilogramsForce,
  eftGramsForce,
  eftPoundsForce,
  eftOuncesForce,
  eftPoundals,
  eftTonnesForce,
  eftTonsForce,
  eftShortTonsForce,
  eftJoulesPerMetre,
  eftNanonewtons,
  eftKiloponds,
  eftCrinals,
  eftKipsForce,
  eftKilopoundsForce,
  eftAUForce,
  eftFunals,
  eftSthenes,
  eftMicronewtons,
};

enum TQNTEnergyType : std::uint8_t {
  eetJoules,
  eetMillijoules,
  eetMicrojoules,
  eetNanojoules,
  eetKilojoules,
  eetMegajoules,
  eetGigajoules,
  eetErgs,
  eetCaloriesIT,
  eetCaloriesTh,
  eetCaloriesMean,
  eetCalories15C,
  eetCalories20C,
  eetKilocaloriesIT,
  eetKilocaloriesTh,
  eetKilocaloriesMean,
  eetKilocalories15C,
  eetKilocalories20C,
  eetBritishThermalUnitsIT,
  eetBritishThermalUnitsTh,
  eetBritishThermalUnitsMean,
  eetBritishThermalUnits39F,
  eetBritishThermalUnits59F,
  eetBritishThermalUnits60F,
  eetThermsIT,
  eetThermsTh,
  eetThermsMean,
  eetTherms39F,
  eetTherms59F,
  eetTherms60F,
  eetThermies,
  eetNewtonMetres,
  eetFootPounds,
  eetFootPoundals,
  eetKilogramMetres,
  eetWattSeconds,
  eetWattMinutes,
  eetWattHours,
  eetWattYears,
  eetKilowattSeconds,
  eetKilowattMinutes,
  eetKilowattHours,
  eetElectronVolts,
  eetKiloElectronVolts,
  eetMegaElectronVolts,
  eetGigaElectronVolts,
  eetHorsepowerSeconds,
  eetHorsepowerMinutes,
  eetHorsepowerHours,
};

enum TQNTPowerType : std::uint8_t {
  eptWatts,
  eptKilowatts,
  eptMegawatts,
  eptGigawatts,
  eptMilliwatts,
  eptMicrowatts,
  eptAbwatts,
  eptHorsepower,
  eptHorsepowerMetric,
  eptFootPoundsPerSecond,
  eptKilogramMetresPerSecond,
  eptJoulesPerSecond,
  eptJoulesPerMinute,
  eptJoulesPerHour,
  eptCaloriesITPerSecond,
  eptCaloriesITPerMinute,
  eptCaloriesITPerHour,
  eptCaloriesThPerSecond,
  eptCaloriesThPerMinute,
  eptCaloriesThPerHour,
  eptKilocaloriesITPerSecond,
  eptKilocaloriesITPerMinute,
  eptKilocaloriesITPerHour,
  eptKilocaloriesThPerSecond,
  eptKilocaloriesThPerMinute,
  eptKilocaloriesThPerHour,
  eptPferdestarke,
  eptChevalVapeur,
  eptRefTons,
  eptBTUsITPerSecond,
  eptBTUsITPerMinute,
  eptBTUsITPerHour,
  eptBTUsThPerSecond,
  eptBTUsThPerMinute,
  eptBTUsThPerHour,
  eptBTUsMeanPerSecond,
  eptBTUsMeanPerMinute,
  eptBTUsMeanPerHour,
  eptBTUs39FPerSecond,
  eptBTUs39FPerMinute,
  eptBTUs39FPerHour,
  eptBTUs59FPerSecond,
  eptBTUs59FPerMinute,
  eptBTUs59FPerHour,
  eptBTUs60FPerSecond,
  eptBTUs60FPerMinute,
  eptBTUs60FPerHour,
  eptHorsepowerElectrical,
  eptErgsPerSecond,
};

enum TQNTFuelType : std::uint8_t {
  eftKilometresPerLitre,
  eftKPL,
  eftLitresPer100Kilometres,
  eftMilesPerLitre,
  eftMilesPerGallonUK,
  eftMilesPerGallonUS,
  eftMPGUK,
  eftMPGUS,
};

enum TQNTFlowType : std::uint8_t {
  eftCubicMetresPerSecond,
  eftLitresPerSecond,
  eftLitresPerMinute,
  eftLitresPerHour,
  eftLitresPerDay,
  eftMillilitresPerSecond,
  eftMillilitresPerMinute,
  eftMillilitresPerHour,
  eftKilolitresPerSecond,
  eftKilolitresPerMinute,
  eftKilolitresPerHour,
  eftKilolitresPerDay,
  eftGallonsUKPerSecond,
  eftGallonsUKPerMinute,
  eftGallonsUKPerHour,
  eftGallonsUKPerDay,
  eftGallonsUSPerSecond,
  eftGallonsUSPerMinute,
  eftGallonsUSPerHour,
  eftGallonsUSPerDay,
  eftFluidOuncesUKPerSecond,
  eftFluidOuncesUKPerMinute,
  eftFluidOuncesUKPerHour,
  eftFluidOuncesUSPerSecond,
  eftFluidOuncesUSPerMinute,
  eftFluidOuncesUSPerHour,
  eftCubicCentimetresPerSecond,
  eftCubicCentimetresPerMinute,
  eftCubicCentimetresPerHour,
  eftCubicMillimetresPerSecond,
  eftCubicMillimetresPerMinute,
  eftCubicMillimetresPerHour,
  eftCubicMetresPerMinute,
  eftCubicMetresPerHour,
  eftCubicMetresPerDay,
  eftCubicInchesPerSecond,
  eftCubicInchesPerMinute,
  eftCubicInchesPerHour,
  eftCubicFeetPerSecond,
  eftCubicFeetPerMinute,
  eftCubicFeetPerHour,
  eftCubicYardsPerSecond,
  eftCubicYardsPerMinute,
  eftCubicYardsPerHour,
  eftMegaGallonsUKPerYear,
  eftMegaGallonsUSPerYear,
  eftAcreFeetPerYear,
  eftAcreFeetPerDay,
  eftAcreInchesPerDay,
  eftBarrelsOilPerDay,
  eftCusec,
};

enum TQNTTorqueType : std::uint8_t {
  ettNewtonMetres,
  ettDyneCentimetres,
  ettGramCentimetres,
  ettKilogramMetres,
  ettOunceInches,
  ettPoundInches,
  ettPoundFeet,
  ettPoundalFeet,
  ettTonFeet,
  ettShortTonFeet,
  ettTonneMetres,
  ettNewtonMicrons,
  ettNanonewtonMetres,
  ettNanonewtonMicrons,
  ettNewtonCentimetres,
};

enum TQNTRActiveType : std::uint8_t {
  ertBecquerels,
  ertKilobecquerels,
  ertMegabecquerels,
  ertGigabecquerels,
  ertCuries,
  ertMillicuries,
  ertMicrocuries,
  ertRutherfords,
};

enum TQNTFlowMassType : std::uint8_t {
  eftKilogramsPerSecond,
  eftKilogramsPerMinute,
  eftKilogramsPerHour,
  eftGramsPerSecond,
  eftGramsPerMinute,
  eftGramsPerHour,
  eftPoundsPerSecond,
  eftPoundsPerMinute,
  eftPoundsPerHour,
  eftOuncesPerSecond,
  eftOuncesPerMinute,
  eftOuncesPerHour,
  eftSlugsPerSecond,
  eftSlugsPerMinute,
  eftSlugsPerHour,
};

enum TQNTAngleType : std::uint8_t {
  eatRadians,
  eatMilliradians,
  eatMicroradians,
  eatNanoradians,
  eatDegrees,
  eatGrads,
  eatMinutes,
  eatSeconds,
  eatMillidegrees,
  eatMicrodegrees,
  eatBinaryDegrees,
  eatBinaryRadians,
  eatPointsAngle,
  eatGrade,
  eatGradePerMil,
  eatRiseRatio,
};

enum TQNTTimeType : std::uint8_t {
  ettSeconds,
  ettDays,
  ettHours,
  ettMinutes,
  ettWeeks,
  ettFortnights,
  ettMonths,
  ettMonths28,
  ettMonths30,
  ettSiderealDays,
  ettSiderealMonths,
  ettYears,
  ettYears360,
  ettYears365,
  ettYearsGregorian,
  ettYearsJulian,
  ettDecades,
  ettDecades360,
  ettDecades365,
  ettDecadesGregorian,
  ettDecadesJulian,
  ettCenturies,
  ettCenturies360,
  ettCenturies365,
  ettCenturiesGregorian,
  ettCenturiesJulian,
  ettMicroseconds,
  ettMilliseconds,
  ettKiloseconds,
  ettMegaseconds,
  ettGigaseconds,
  ettMarsYears,
  ettMarsSolarDays,
  ettMarsSiderealDays,
  ettVenusYears,
  ettVenusSolarDays,
  ettVenusSiderealDays,
  ettNanoseconds,
};

enum TQNTIlluminationType : std::uint8_t {
  eitLux,
  eitLumensPerSqM,
  eitMetreCandles,
  eitFootCandles,
  eitPhots,
  eitMilliPhots,
  eitNoonSun,
  eitLumensPerSqFt,
  eitNox,
  eitLumensPerSqCm,
  eitMillilux,
  eitKilolux,
};

enum TQNTLuminousType : std::uint8_t {
  eltCandelas,
  eltCandles,
  eltHefnerUnits,
  eltViolle,
  eltLumensPerSteradian,
  eltBougies,
  eltCarcels,
  eltKilocandelas,
  eltMillicandelas,
};

enum TQNTLuminanceType : std::uint8_t {
  eltCandelasPerSqM,
  eltCandelasPerSqCm,
  eltCandelasPerSqFt,
  eltLamberts,
  eltMillilamberts,
  eltFootLamberts,
  eltNits,
  eltStilbs,
  eltApostilbs,
};

enum TQNTLumFluxType : std::uint8_t {
  eltLumens,
  eltMillilumens,
  eltKilolumens,
  eltCandelaSteradians,
  eltCandlepowerSpherical,
};

enum TQNTAngVelType : std::uint8_t {
  eatRadiansPerSec,
  eatRadiansPerMin,
  eatRadiansPerHr,
  eatDegreesPerSec,
  eatDegreesPerMin,
  eatDegreesPerHr,
  eatRevPerSec,
  eatRevPerMin,
  eatRevPerHr,
  eatRPM,
  eatRadiansPerMillisecond,
  eatRadiansPerMicrosecond,
  eatDegreesPerMillisecond,
  eatDegreesPerMicrosecond,
};

enum TQNTDensityType : std::uint8_t {
  edtKgPerCuM,
  edtKgPerCuCm,
  edtGPerCuM,
  edtGPerCuCm,
  edtLbsPerCuFt,
  edtLbsPerCuIn,
  edtOzsPerCuFt,
  edtOzsPerCuIn,
  edtPgPerCuMicron,
  edtppm,
  edtKilogramsPerLitre,
  edtGramsPerLitre,
  edtMilligramsPerLitre,
  edtMilligramsPerDecilitre,
  edtPlasmaticGlucose,
  edtPoundsPerUSGallon,
  edtPoundsPerUKGallon,
  edtOuncesPerUSGallon,
  edtOuncesPerUKGallon,
};

enum TQNTComputerType : std::uint8_t {
  ectBytes,
  ectOctets,
  ectBits,
  ectNibbles,
  ectBlocks,
  ectKiloBytes,
  ectMegaBytes,
  ectGigaBytes,
  ectTeraBytes,
  ectPetaBytes,
  ectExaBytes,
  ectKibiBytes,
  ectMebiBytes,
  ectGibiBytes,
  ectTebiBytes,
  ectPebiBytes,
  ectExbiBytes,
  ectKiloBytes10,
  ectMegaBytes10,
  ectGigaBytes10,
  ectTeraBytes10,
  ectPetaBytes10,
  ectExaBytes10,
  ectKilobits,
  ectMegabits,
  ectGigabits,
  ectTerabits,
  ectPetabits,
  ectExabits,
  ectKibibits,
  ectMebibits,
  ectGibibits,
  ectTebibits,
  ectPebibits,
  ectExbibits,
  ectKilobits10,
  ectMegabits10,
  ectGigabits10,
  ectTerabits10,
  ectPetabits10,
  ectExabits10,
  ectAudioMinutes,
};

enum TQNTDataRateType : std::uint8_t {
  edrBitsPS,
  edrKilobitsPS,
  edrMegabitsPS,
  edrGigabitsPS,
  edrTerabitsPS,
  edrBytesPS,
  edrKilobytesPS,
  edrMegabytesPS,
  edrGigabytesPS,
  edrTerabytesPS,
  edrBaud,
  edrBitsPM,
  edrKilobitsPM,
  edrMegabitsPM,
  edrGigabitsPM,
  edrTerabitsPM,
  edrBytesPM,
  edrKilobytesPM,
  edrMegabytesPM,
  edrGigabytesPM,
  edrTerabytesPM,
  edrBitsPH,
  edrKilobitsPH,
  edrMegabitsPH,
  edrGigabitsPH,
  edrTerabitsPH,
  edrBytesPH,
  edrKilobytesPH,
  edrMegabytesPH,
  edrGigabytesPH,
  edrTerabytesPH,
};

enum TQNTAngAccelType : std::uint8_t {
  eatRadiansPerSec2,
  eatDegreesPerSec2,
  eatRevPerSec2,
  eatRPMPerSec,
};

enum TQNTVisDynType : std::uint8_t {
  evdtPascalSecs,
  evdtPoise,
  evdtCentipoise,
  evdtPoiseuille,
  evdtReynolds,
  evdtLbSecsPerSqFt,
  evdtLbSecsPerSqInch,
  evdtPSISecs,
  evdtDyneSecsPerSqCm,
  evdtGSecsPerSqCM,
  evdtKGSecsPerSqM,
};

enum TQNTVisKinType : std::uint8_t {
  evktSqMPerSec,
  evktStokes,
  evktCentiStokes,
  evktSqFtPerSec,
  evktSqCmPerSec,
};

/// Maps a unit enumeration to its quantity and unit count.
template <class E>
struct TQNTUnitTraits;

template <>
struct TQNTUnitTraits<TQNTTempType> {
  static constexpr TQNTQuantity kQuantity = eqTemp;
  static constexpr int kCount = 8;
};
template <>
struct TQNTUnitTraits<TQNTDistType> {
  static constexpr TQNTQuantity kQuantity = eqDist;
  static constexpr int kCount = 69;
};
template <>
struct TQNTUnitTraits<TQNTMassType> {
  static constexpr TQNTQuantity kQuantity = eqMass;
  static constexpr int kCount = 53;
};
template <>
struct TQNTUnitTraits<TQNTVolType> {
  static constexpr TQNTQuantity kQuantity = eqVol;
  static constexpr int kCount = 85;
};
template <>
struct TQNTUnitTraits<TQNTAreaType> {
  static constexpr TQNTQuantity kQuantity = eqArea;
  static constexpr int kCount = 34;
};
template <>
struct TQNTUnitTraits<TQNTPressureType> {
  static constexpr TQNTQuantity kQuantity = eqPressure;
  static constexpr int kCount = 41;
};
template <>
struct TQNTUnitTraits<TQNTVelocityType> {
  static constexpr TQNTQuantity kQuantity = eqVelocity;
  static constexpr int kCount = 30;
};
template <>
struct TQNTUnitTraits<TQNTAccelerationType> {
  static constexpr TQNTQuantity kQuantity = eqAccel;
  static constexpr int kCount = 6;
};
template <>
struct TQNTUnitTraits<TQNTForceType> {
  static constexpr TQNTQuantity kQuantity = eqForce;
  static constexpr int kCount = 24;
};
template <>
struct TQNTUnitTraits<TQNTEnergyType> {
  static constexpr TQNTQuantity kQuantity = eqEnergy;
  static constexpr int kCount = 49;
};
template <>
struct TQNTUnitTraits<TQNTPowerType> {
  static constexpr TQNTQuantity kQuantity = eqPower;
  static constexpr int kCount = 49;
};
template <>
struct TQNTUnitTraits<TQNTFuelType> {
  static constexpr TQNTQuantity kQuantity = eqFuel;
  static constexpr int kCount = 8;
};
template <>
struct TQNTUnitTraits<TQNTFlowType> {
  static constexpr TQNTQuantity kQuantity = eqFlow;
  static constexpr int kCount = 51;
};
template <>
struct TQNTUnitTraits<TQNTTorqueType> {
  static constexpr TQNTQuantity kQuantity = eqTorque;
  static constexpr int kCount = 15;
};
template <>
struct TQNTUnitTraits<TQNTRActiveType> {
  static constexpr TQNTQuantity kQuantity = eqRActive;
  static constexpr int kCount = 8;
};
template <>
struct TQNTUnitTraits<TQNTFlowMassType> {
  static constexpr TQNTQuantity kQuantity = eqFlowMass;
  static constexpr int kCount = 15;
};
template <>
struct TQNTUnitTraits<TQNTAngleType> {
  static constexpr TQNTQuantity kQuantity = eqAngle;
  static constexpr int kCount = 16;
};
template <>
struct TQNTUnitTraits<TQNTTimeType> {
  static constexpr TQNTQuantity kQuantity = eqTime;
  static constexpr int kCount = 38;
};
template <>
struct TQNTUnitTraits<TQNTIlluminationType> {
  static constexpr TQNTQuantity kQuantity = eqIllumination;
  static constexpr int kCount = 12;
};
template <>
struct TQNTUnitTraits<TQNTLuminousType> {
  static constexpr TQNTQuantity kQuantity = eqLuminous;
  static constexpr int kCount = 9;
};
template <>
struct TQNTUnitTraits<TQNTLuminanceType> {
  static constexpr TQNTQuantity kQuantity = eqLuminance;
  static constexpr int kCount = 9;
};
template <>
struct TQNTUnitTraits<TQNTLumFluxType> {
  static constexpr TQNTQuantity kQuantity = eqLumFlux;
  static constexpr int kCount = 5;
};
template <>
struct TQNTUnitTraits<TQNTAngVelType> {
  static constexpr TQNTQuantity kQuantity = eqAngVel;
  static constexpr int kCount = 14;
};
template <>
struct TQNTUnitTraits<TQNTDensityType> {
  static constexpr TQNTQuantity kQuantity = eqDensity;
  static constexpr int kCount = 19;
};
template <>
struct TQNTUnitTraits<TQNTComputerType> {
  static constexpr TQNTQuantity kQuantity = eqComputer;
  static constexpr int kCount = 42;
};
template <>
struct TQNTUnitTraits<TQNTDataRateType> {
  static constexpr TQNTQuantity kQuantity = eqDataRate;
  static constexpr int kCount = 31;
};
template <>
struct TQNTUnitTraits<TQNTAngAccelType> {
  static constexpr TQNTQuantity kQuantity = eqAngAccel;
  static constexpr int kCount = 4;
};
template <>
struct TQNTUnitTraits<TQNTVisDynType> {
  static constexpr TQNTQuantity kQuantity = eqVisDyn;
  static constexpr int kCount = 11;
};
template <>
struct TQNTUnitTraits<TQNTVisKinType> {
  static constexpr TQNTQuantity kQuantity = eqVisKin;
  static constexpr int kCount = 5;
};

}  // namespace qnt
