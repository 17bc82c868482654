// The 29 convertor components, one per quantity, in declaration order. Each adds its pair of unit
// properties (<Short>UnitsIn / <Short>UnitsOut) to what TQNTConvertorOf<E> shares; the mass-flow
// convertor publishes the same property names as the volume-flow convertor, with its own enumeration.
#pragma once

#include "convert/QNTKITBaseConvertor.h"

namespace qnt {

/// 8 units, base unit ettCelsius.
class TQNTTempConvertor : public TQNTConvertorOf<TQNTTempType> {
  Q_OBJECT

 public:
  explicit TQNTTempConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTTempType TempUnitsIn() const { return FTempTypeIn; }
  void SetTempUnitsIn(TQNTTempType value) { WriteUnit(FTempTypeIn, value); }
  TQNTTempType TempUnitsOut() const { return FTempTypeOut; }
  void SetTempUnitsOut(TQNTTempType value) { WriteUnit(FTempTypeOut, value); }

 protected:
  TQNTTempType* UnitField(bool source) override { return source ? &FTempTypeIn : &FTempTypeOut; }

 private:
  TQNTTempType FTempTypeIn{};
  TQNTTempType FTempTypeOut{};
};

/// 69 units, base unit edtMetres.
class TQNTDistConvertor : public TQNTConvertorOf<TQNTDistType> {
  Q_OBJECT

 public:
  explicit TQNTDistConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTDistType DistUnitsIn() const { return FDistTypeIn; }
  void SetDistUnitsIn(TQNTDistType value) { WriteUnit(FDistTypeIn, value); }
  TQNTDistType DistUnitsOut() const { return FDistTypeOut; }
  void SetDistUnitsOut(TQNTDistType value) { WriteUnit(FDistTypeOut, value); }

 protected:
  TQNTDistType* UnitField(bool source) override { return source ? &FDistTypeIn : &FDistTypeOut; }

 private:
  TQNTDistType FDistTypeIn{};
  TQNTDistType FDistTypeOut{};
};

/// 53 units, base unit emtKilograms.
class TQNTMassConvertor : public TQNTConvertorOf<TQNTMassType> {
  Q_OBJECT

 public:
  explicit TQNTMassConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTMassType MassUnitsIn() const { return FMassTypeIn; }
  void SetMassUnitsIn(TQNTMassType value) { WriteUnit(FMassTypeIn, value); }
  TQNTMassType MassUnitsOut() const { return FMassTypeOut; }
  void SetMassUnitsOut(TQNTMassType value) { WriteUnit(FMassTypeOut, value); }

 protected:
  TQNTMassType* UnitField(bool source) override { return source ? &FMassTypeIn : &FMassTypeOut; }

 private:
  TQNTMassType FMassTypeIn{};
  TQNTMassType FMassTypeOut{};
};

/// 85 units, base unit evtLitres.
class TQNTVolConvertor : public TQNTConvertorOf<TQNTVolType> {
  Q_OBJECT

 public:
  explicit TQNTVolConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTVolType VolUnitsIn() const { return FVolTypeIn; }
  void SetVolUnitsIn(TQNTVolType value) { WriteUnit(FVolTypeIn, value); }
  TQNTVolType VolUnitsOut() const { return FVolTypeOut; }
  void SetVolUnitsOut(TQNTVolType value) { WriteUnit(FVolTypeOut, value); }

 protected:
  TQNTVolType* UnitField(bool source) override { return source ? &FVolTypeIn : &FVolTypeOut; }

 private:
  TQNTVolType FVolTypeIn{};
  TQNTVolType FVolTypeOut{};
};

/// 34 units, base unit eatSqMetres.
class TQNTAreaConvertor : public TQNTConvertorOf<TQNTAreaType> {
  Q_OBJECT

 public:
  explicit TQNTAreaConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTAreaType AreaUnitsIn() const { return FAreaTypeIn; }
  void SetAreaUnitsIn(TQNTAreaType value) { WriteUnit(FAreaTypeIn, value); }
  TQNTAreaType AreaUnitsOut() const { return FAreaTypeOut; }
  void SetAreaUnitsOut(TQNTAreaType value) { WriteUnit(FAreaTypeOut, value); }

 protected:
  TQNTAreaType* UnitField(bool source) override { return source ? &FAreaTypeIn : &FAreaTypeOut; }

 private:
  TQNTAreaType FAreaTypeIn{};
  TQNTAreaType FAreaTypeOut{};
};

/// 41 units, base unit eptPascals.
class TQNTPressureConvertor : public TQNTConvertorOf<TQNTPressureType> {
  Q_OBJECT

 public:
  explicit TQNTPressureConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTPressureType PressureUnitsIn() const { return FPressureTypeIn; }
  void SetPressureUnitsIn(TQNTPressureType value) { WriteUnit(FPressureTypeIn, value); }
  TQNTPressureType PressureUnitsOut() const { return FPressureTypeOut; }
  void SetPressureUnitsOut(TQNTPressureType value) { WriteUnit(FPressureTypeOut, value); }

 protected:
  TQNTPressureType* UnitField(bool source) override { return source ? &FPressureTypeIn : &FPressureTypeOut; }

 private:
  TQNTPressureType FPressureTypeIn{};
  TQNTPressureType FPressureTypeOut{};
};

/// 30 units, base unit evtMetresPerSec.
class TQNTVelocityConvertor : public TQNTConvertorOf<TQNTVelocityType> {
  Q_OBJECT

 public:
  explicit TQNTVelocityConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTVelocityType VelocityUnitsIn() const { return FVelocityTypeIn; }
  void SetVelocityUnitsIn(TQNTVelocityType value) { WriteUnit(FVelocityTypeIn, value); }
  TQNTVelocityType VelocityUnitsOut() const { return FVelocityTypeOut; }
  void SetVelocityUnitsOut(TQNTVelocityType value) { WriteUnit(FVelocityTypeOut, value); }

 protected:
  TQNTVelocityType* UnitField(bool source) override { return source ? &FVelocityTypeIn : &FVelocityTypeOut; }

 private:
  TQNTVelocityType FVelocityTypeIn{};
  TQNTVelocityType FVelocityTypeOut{};
};

/// 6 units, base unit eatMetresPerSec2.
class TQNTAccelConvertor : public TQNTConvertorOf<TQNTAccelerationType> {
  Q_OBJECT

 public:
  explicit TQNTAccelConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTAccelerationType AccelUnitsIn() const { return FAccelTypeIn; }
  void SetAccelUnitsIn(TQNTAccelerationType value) { WriteUnit(FAccelTypeIn, value); }
  TQNTAccelerationType AccelUnitsOut() const { return FAccelTypeOut; }
  void SetAccelUnitsOut(TQNTAccelerationType value) { WriteUnit(FAccelTypeOut, value); }

 protected:
  TQNTAccelerationType* UnitField(bool source) override { return source ? &FAccelTypeIn : &FAccelTypeOut; }

 private:
  TQNTAccelerationType FAccelTypeIn{};
  TQNTAccelerationType FAccelTypeOut{};
};

/// 24 units, base unit eftNewtons.
class TQNTForceConvertor : public TQNTConvertorOf<TQNTForceType> {
  Q_OBJECT

 public:
  explicit TQNTForceConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTForceType ForceUnitsIn() const { return FForceTypeIn; }
  void SetForceUnitsIn(TQNTForceType value) { WriteUnit(FForceTypeIn, value); }
  TQNTForceType ForceUnitsOut() const { return FForceTypeOut; }
  void SetForceUnitsOut(TQNTForceType value) { WriteUnit(FForceTypeOut, value); }

 protected:
  TQNTForceType* UnitField(bool source) override { return source ? &FForceTypeIn : &FForceTypeOut; }

 private:
  TQNTForceType FForceTypeIn{};
  TQNTForceType FForceTypeOut{};
};

/// 49 units, base unit eetJoules.
class TQNTEnergyConvertor : public TQNTConvertorOf<TQNTEnergyType> {
  Q_OBJECT

 public:
  explicit TQNTEnergyConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTEnergyType EnergyUnitsIn() const { return FEnergyTypeIn; }
  void SetEnergyUnitsIn(TQNTEnergyType value) { WriteUnit(FEnergyTypeIn, value); }
  TQNTEnergyType EnergyUnitsOut() const { return FEnergyTypeOut; }
  void SetEnergyUnitsOut(TQNTEnergyType value) { WriteUnit(FEnergyTypeOut, value); }

 protected:
  TQNTEnergyType* UnitField(bool source) override { return source ? &FEnergyTypeIn : &FEnergyTypeOut; }

 private:
  TQNTEnergyType FEnergyTypeIn{};
  TQNTEnergyType FEnergyTypeOut{};
};

/// 49 units, base unit eptWatts.
class TQNTPowerConvertor : public TQNTConvertorOf<TQNTPowerType> {
  Q_OBJECT

 public:
  explicit TQNTPowerConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTPowerType PowerUnitsIn() const { return FPowerTypeIn; }
  void SetPowerUnitsIn(TQNTPowerType value) { WriteUnit(FPowerTypeIn, value); }
  TQNTPowerType PowerUnitsOut() const { return FPowerTypeOut; }
  void SetPowerUnitsOut(TQNTPowerType value) { WriteUnit(FPowerTypeOut, value); }

 protected:
  TQNTPowerType* UnitField(bool source) override { return source ? &FPowerTypeIn : &FPowerTypeOut; }

 private:
  TQNTPowerType FPowerTypeIn{};
  TQNTPowerType FPowerTypeOut{};
};

/// 8 units, base unit eftKilometresPerLitre.
class TQNTFuelConvertor : public TQNTConvertorOf<TQNTFuelType> {
  Q_OBJECT

 public:
  explicit TQNTFuelConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTFuelType FuelUnitsIn() const { return FFuelTypeIn; }
  void SetFuelUnitsIn(TQNTFuelType value) { WriteUnit(FFuelTypeIn, value); }
  TQNTFuelType FuelUnitsOut() const { return FFuelTypeOut; }
  void SetFuelUnitsOut(TQNTFuelType value) { WriteUnit(FFuelTypeOut, value); }

 protected:
  TQNTFuelType* UnitField(bool source) override { return source ? &FFuelTypeIn : &FFuelTypeOut; }

 private:
  TQNTFuelType FFuelTypeIn{};
  TQNTFuelType FFuelTypeOut{};
};

/// 51 units, base unit eftLitresPerSecond.
class TQNTFlowConvertor : public TQNTConvertorOf<TQNTFlowType> {
  Q_OBJECT

 public:
  explicit TQNTFlowConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTFlowType FlowUnitsIn() const { return FFlowTypeIn; }
  void SetFlowUnitsIn(TQNTFlowType value) { WriteUnit(FFlowTypeIn, value); }
  TQNTFlowType FlowUnitsOut() const { return FFlowTypeOut; }
  void SetFlowUnitsOut(TQNTFlowType value) { WriteUnit(FFlowTypeOut, value); }

 protected:
  TQNTFlowType* UnitField(bool source) override { return source ? &FFlowTypeIn : &FFlowTypeOut; }

 private:
  TQNTFlowType FFlowTypeIn{};
  TQNTFlowType FFlowTypeOut{};
};

/// 15 units, base unit ettNewtonMetres.
class TQNTTorqueConvertor : public TQNTConvertorOf<TQNTTorqueType> {
  Q_OBJECT

 public:
  explicit TQNTTorqueConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTTorqueType TorqueUnitsIn() const { return FTorqueTypeIn; }
  void SetTorqueUnitsIn(TQNTTorqueType value) { WriteUnit(FTorqueTypeIn, value); }
  TQNTTorqueType TorqueUnitsOut() const { return FTorqueTypeOut; }
  void SetTorqueUnitsOut(TQNTTorqueType value) { WriteUnit(FTorqueTypeOut, value); }

 protected:
  TQNTTorqueType* UnitField(bool source) override { return source ? &FTorqueTypeIn : &FTorqueTypeOut; }

 private:
  TQNTTorqueType FTorqueTypeIn{};
  TQNTTorqueType FTorqueTypeOut{};
};

/// 8 units, base unit ertBecquerels.
class TQNTRActiveConvertor : public TQNTConvertorOf<TQNTRActiveType> {
  Q_OBJECT

 public:
  explicit TQNTRActiveConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTRActiveType RActiveUnitsIn() const { return FRActiveTypeIn; }
  void SetRActiveUnitsIn(TQNTRActiveType value) { WriteUnit(FRActiveTypeIn, value); }
  TQNTRActiveType RActiveUnitsOut() const { return FRActiveTypeOut; }
  void SetRActiveUnitsOut(TQNTRActiveType value) { WriteUnit(FRActiveTypeOut, value); }

 protected:
  TQNTRActiveType* UnitField(bool source) override { return source ? &FRActiveTypeIn : &FRActiveTypeOut; }

 private:
  TQNTRActiveType FRActiveTypeIn{};
  TQNTRActiveType FRActiveTypeOut{};
};

/// 15 units, base unit eftKilogramsPerSecond.
class TQNTFlowMassConvertor : public TQNTConvertorOf<TQNTFlowMassType> {
  Q_OBJECT

 public:
  explicit TQNTFlowMassConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTFlowMassType FlowUnitsIn() const { return FFlowTypeIn; }
  void SetFlowUnitsIn(TQNTFlowMassType value) { WriteUnit(FFlowTypeIn, value); }
  TQNTFlowMassType FlowUnitsOut() const { return FFlowTypeOut; }
  void SetFlowUnitsOut(TQNTFlowMassType value) { WriteUnit(FFlowTypeOut, value); }

 protected:
  TQNTFlowMassType* UnitField(bool source) override { return source ? &FFlowTypeIn : &FFlowTypeOut; }

 private:
  TQNTFlowMassType FFlowTypeIn{};
  TQNTFlowMassType FFlowTypeOut{};
};

/// 16 units, base unit eatRadians.
class TQNTAngleConvertor : public TQNTConvertorOf<TQNTAngleType> {
  Q_OBJECT

 public:
  explicit TQNTAngleConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTAngleType AngleUnitsIn() const { return FAngleTypeIn; }
  void SetAngleUnitsIn(TQNTAngleType value) { WriteUnit(FAngleTypeIn, value); }
  TQNTAngleType AngleUnitsOut() const { return FAngleTypeOut; }
  void SetAngleUnitsOut(TQNTAngleType value) { WriteUnit(FAngleTypeOut, value); }

 protected:
  TQNTAngleType* UnitField(bool source) override { return source ? &FAngleTypeIn : &FAngleTypeOut; }

 private:
  TQNTAngleType FAngleTypeIn{};
  TQNTAngleType FAngleTypeOut{};
};

/// 38 units, base unit ettDays.
class TQNTTimeConvertor : public TQNTConvertorOf<TQNTTimeType> {
  Q_OBJECT

 public:
  explicit TQNTTimeConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTTimeType TimeUnitsIn() const { return FTimeTypeIn; }
  void SetTimeUnitsIn(TQNTTimeType value) { WriteUnit(FTimeTypeIn, value); }
  TQNTTimeType TimeUnitsOut() const { return FTimeTypeOut; }
  void SetTimeUnitsOut(TQNTTimeType value) { WriteUnit(FTimeTypeOut, value); }

 protected:
  TQNTTimeType* UnitField(bool source) override { return source ? &FTimeTypeIn : &FTimeTypeOut; }

 private:
  TQNTTimeType FTimeTypeIn{};
  TQNTTimeType FTimeTypeOut{};
};

/// 12 units, base unit eitLux.
class TQNTIlluminationConvertor : public TQNTConvertorOf<TQNTIlluminationType> {
  Q_OBJECT

 public:
  explicit TQNTIlluminationConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTIlluminationType IlluminationUnitsIn() const { return FIlluminationtypeIn; }
  void SetIlluminationUnitsIn(TQNTIlluminationType value) { WriteUnit(FIlluminationtypeIn, value); }
  TQNTIlluminationType IlluminationUnitsOut() const { return FIlluminationtypeOut; }
  void SetIlluminationUnitsOut(TQNTIlluminationType value) { WriteUnit(FIlluminationtypeOut, value); }

 protected:
  TQNTIlluminationType* UnitField(bool source) override {
    return source ? &FIlluminationtypeIn : &FIlluminationtypeOut;
  }

 private:
  TQNTIlluminationType FIlluminationtypeIn{};
  TQNTIlluminationType FIlluminationtypeOut{};
};

/// 9 units, base unit eltCandelas.
class TQNTLuminousConvertor : public TQNTConvertorOf<TQNTLuminousType> {
  Q_OBJECT

 public:
  explicit TQNTLuminousConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTLuminousType LuminousUnitsIn() const { return FLuminousTypeIn; }
  void SetLuminousUnitsIn(TQNTLuminousType value) { WriteUnit(FLuminousTypeIn, value); }
  TQNTLuminousType LuminousUnitsOut() const { return FLuminousTypeOut; }
  void SetLuminousUnitsOut(TQNTLuminousType value) { WriteUnit(FLuminousTypeOut, value); }

 protected:
  TQNTLuminousType* UnitField(bool source) override { return source ? &FLuminousTypeIn : &FLuminousTypeOut; }

 private:
  TQNTLuminousType FLuminousTypeIn{};
  TQNTLuminousType FLuminousTypeOut{};
};

/// 9 units, base unit eltCandelasPerSqM.
class TQNTLuminanceConvertor : public TQNTConvertorOf<TQNTLuminanceType> {
  Q_OBJECT

 public:
  explicit TQNTLuminanceConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTLuminanceType LuminanceUnitsIn() const { return FLuminanceTypeIn; }
  void SetLuminanceUnitsIn(TQNTLuminanceType value) { WriteUnit(FLuminanceTypeIn, value); }
  TQNTLuminanceType LuminanceUnitsOut() const { return FLuminanceTypeOut; }
  void SetLuminanceUnitsOut(TQNTLuminanceType value) { WriteUnit(FLuminanceTypeOut, value); }

 protected:
  TQNTLuminanceType* UnitField(bool source) override {
    return source ? &FLuminanceTypeIn : &FLuminanceTypeOut;
  }

 private:
  TQNTLuminanceType FLuminanceTypeIn{};
  TQNTLuminanceType FLuminanceTypeOut{};
};

/// 5 units, base unit eltLumens.
class TQNTLumFluxConvertor : public TQNTConvertorOf<TQNTLumFluxType> {
  Q_OBJECT

 public:
  explicit TQNTLumFluxConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTLumFluxType LumFluxUnitsIn() const { return FLumFluxTypeIn; }
  void SetLumFluxUnitsIn(TQNTLumFluxType value) { WriteUnit(FLumFluxTypeIn, value); }
  TQNTLumFluxType LumFluxUnitsOut() const { return FLumFluxTypeOut; }
  void SetLumFluxUnitsOut(TQNTLumFluxType value) { WriteUnit(FLumFluxTypeOut, value); }

 protected:
  TQNTLumFluxType* UnitField(bool source) override { return source ? &FLumFluxTypeIn : &FLumFluxTypeOut; }

 private:
  TQNTLumFluxType FLumFluxTypeIn{};
  TQNTLumFluxType FLumFluxTypeOut{};
};

/// 14 units, base unit eatRadiansPerSec.
class TQNTAngVelConvertor : public TQNTConvertorOf<TQNTAngVelType> {
  Q_OBJECT

 public:
  explicit TQNTAngVelConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTAngVelType AngVelUnitsIn() const { return FAngVelTypeIn; }
  void SetAngVelUnitsIn(TQNTAngVelType value) { WriteUnit(FAngVelTypeIn, value); }
  TQNTAngVelType AngVelUnitsOut() const { return FAngVelTypeOut; }
  void SetAngVelUnitsOut(TQNTAngVelType value) { WriteUnit(FAngVelTypeOut, value); }

 protected:
  TQNTAngVelType* UnitField(bool source) override { return source ? &FAngVelTypeIn : &FAngVelTypeOut; }

 private:
  TQNTAngVelType FAngVelTypeIn{};
  TQNTAngVelType FAngVelTypeOut{};
};

/// 19 units, base unit edtKgPerCuM.
class TQNTDensityConvertor : public TQNTConvertorOf<TQNTDensityType> {
  Q_OBJECT

 public:
  explicit TQNTDensityConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTDensityType DensityUnitsIn() const { return FDensityTypeIn; }
  void SetDensityUnitsIn(TQNTDensityType value) { WriteUnit(FDensityTypeIn, value); }
  TQNTDensityType DensityUnitsOut() const { return FDensityTypeOut; }
  void SetDensityUnitsOut(TQNTDensityType value) { WriteUnit(FDensityTypeOut, value); }

 protected:
  TQNTDensityType* UnitField(bool source) override { return source ? &FDensityTypeIn : &FDensityTypeOut; }

 private:
  TQNTDensityType FDensityTypeIn{};
  TQNTDensityType FDensityTypeOut{};
};

/// 42 units, base unit ectBytes.
class TQNTComputerConvertor : public TQNTConvertorOf<TQNTComputerType> {
  Q_OBJECT

 public:
  explicit TQNTComputerConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTComputerType ComputerUnitsIn() const { return FComputerTypeIn; }
  void SetComputerUnitsIn(TQNTComputerType value) { WriteUnit(FComputerTypeIn, value); }
  TQNTComputerType ComputerUnitsOut() const { return FComputerTypeOut; }
  void SetComputerUnitsOut(TQNTComputerType value) { WriteUnit(FComputerTypeOut, value); }

 protected:
  TQNTComputerType* UnitField(bool source) override { return source ? &FComputerTypeIn : &FComputerTypeOut; }

 private:
  TQNTComputerType FComputerTypeIn{};
  TQNTComputerType FComputerTypeOut{};
};

/// 31 units, base unit edrBitsPS.
class TQNTDataRateConvertor : public TQNTConvertorOf<TQNTDataRateType> {
  Q_OBJECT

 public:
  explicit TQNTDataRateConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTDataRateType DataRateUnitsIn() const { return FDataRateTypeIn; }
  void SetDataRateUnitsIn(TQNTDataRateType value) { WriteUnit(FDataRateTypeIn, value); }
  TQNTDataRateType DataRateUnitsOut() const { return FDataRateTypeOut; }
  void SetDataRateUnitsOut(TQNTDataRateType value) { WriteUnit(FDataRateTypeOut, value); }

 protected:
  TQNTDataRateType* UnitField(bool source) override { return source ? &FDataRateTypeIn : &FDataRateTypeOut; }

 private:
  TQNTDataRateType FDataRateTypeIn{};
  TQNTDataRateType FDataRateTypeOut{};
};

/// 4 units, base unit eatRadiansPerSec2.
class TQNTAngAccelConvertor : public TQNTConvertorOf<TQNTAngAccelType> {
  Q_OBJECT

 public:
  explicit TQNTAngAccelConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTAngAccelType AngAccelUnitsIn() const { return FAngAccelTypeIn; }
  void SetAngAccelUnitsIn(TQNTAngAccelType value) { WriteUnit(FAngAccelTypeIn, value); }
  TQNTAngAccelType AngAccelUnitsOut() const { return FAngAccelTypeOut; }
  void SetAngAccelUnitsOut(TQNTAngAccelType value) { WriteUnit(FAngAccelTypeOut, value); }

 protected:
  TQNTAngAccelType* UnitField(bool source) override { return source ? &FAngAccelTypeIn : &FAngAccelTypeOut; }

 private:
  TQNTAngAccelType FAngAccelTypeIn{};
  TQNTAngAccelType FAngAccelTypeOut{};
};

/// 11 units, base unit evdtPascalSecs.
class TQNTVisDynConvertor : public TQNTConvertorOf<TQNTVisDynType> {
  Q_OBJECT

 public:
  explicit TQNTVisDynConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTVisDynType VisDynUnitsIn() const { return FVisDynTypeIn; }
  void SetVisDynUnitsIn(TQNTVisDynType value) { WriteUnit(FVisDynTypeIn, value); }
  TQNTVisDynType VisDynUnitsOut() const { return FVisDynTypeOut; }
  void SetVisDynUnitsOut(TQNTVisDynType value) { WriteUnit(FVisDynTypeOut, value); }

 protected:
  TQNTVisDynType* UnitField(bool source) override { return source ? &FVisDynTypeIn : &FVisDynTypeOut; }

 private:
  TQNTVisDynType FVisDynTypeIn{};
  TQNTVisDynType FVisDynTypeOut{};
};

/// 5 units, base unit evktSqMPerSec.
class TQNTVisKinConvertor : public TQNTConvertorOf<TQNTVisKinType> {
  Q_OBJECT

 public:
  explicit TQNTVisKinConvertor(QObject* owner = nullptr) : TQNTConvertorOf(owner) {}

  TQNTVisKinType VisKinUnitsIn() const { return FVisKinTypeIn; }
  void SetVisKinUnitsIn(TQNTVisKinType value) { WriteUnit(FVisKinTypeIn, value); }
  TQNTVisKinType VisKinUnitsOut() const { return FVisKinTypeOut; }
  void SetVisKinUnitsOut(TQNTVisKinType value) { WriteUnit(FVisKinTypeOut, value); }

 protected:
  TQNTVisKinType* UnitField(bool source) override { return source ? &FVisKinTypeIn : &FVisKinTypeOut; }

 private:
  TQNTVisKinType FVisKinTypeIn{};
  TQNTVisKinType FVisKinTypeOut{};
};

/// A new convertor of the quantity, owned by `owner` (or by the caller when owner is null).
/// Throws std::out_of_range for a value that is no quantity.
TQNTBaseConvertor* CreateConvertor(TQNTQuantity quantity, QObject* owner = nullptr);

}  // namespace qnt
