// The convertor factory, by quantity.
#include "convert/QNTKITConvertors.h"

#include <iterator>

namespace qnt {

namespace {

using TFactory = TQNTBaseConvertor* (*)(QObject* owner);

template <class C>
TQNTBaseConvertor* Create(QObject* owner) {
  return new C(owner);
}

// In quantity order; each class's kQuantity is checked against its place below.
constexpr TFactory kFactories[] = {
    Create<TQNTTempConvertor>,         Create<TQNTDistConvertor>,     Create<TQNTMassConvertor>,
    Create<TQNTVolConvertor>,          Create<TQNTAreaConvertor>,     Create<TQNTPressureConvertor>,
    Create<TQNTVelocityConvertor>,     Create<TQNTAccelConvertor>,    Create<TQNTForceConvertor>,
    Create<TQNTEnergyConvertor>,       Create<TQNTPowerConvertor>,    Create<TQNTFuelConvertor>,
    Create<TQNTFlowConvertor>,         Create<TQNTTorqueConvertor>,   Create<TQNTRActiveConvertor>,
    Create<TQNTFlowMassConvertor>,     Create<TQNTAngleConvertor>,    Create<TQNTTimeConvertor>,
    Create<TQNTIlluminationConvertor>, Create<TQNTLuminousConvertor>, Create<TQNTLuminanceConvertor>,
    Create<TQNTLumFluxConvertor>,      Create<TQNTAngVelConvertor>,   Create<TQNTDensityConvertor>,
    Create<TQNTComputerConvertor>,     Create<TQNTDataRateConvertor>, Create<TQNTAngAccelConvertor>,
    Create<TQNTVisDynConvertor>,       Create<TQNTVisKinConvertor>,
};
static_assert(std::size(kFactories) == kQuantityCount);
static_assert(TQNTTempConvertor::kQuantity == 0);
static_assert(TQNTDistConvertor::kQuantity == 1);
static_assert(TQNTMassConvertor::kQuantity == 2);
static_assert(TQNTVolConvertor::kQuantity == 3);
static_assert(TQNTAreaConvertor::kQuantity == 4);
static_assert(TQNTPressureConvertor::kQuantity == 5);
static_assert(TQNTVelocityConvertor::kQuantity == 6);
static_assert(TQNTAccelConvertor::kQuantity == 7);
static_assert(TQNTForceConvertor::kQuantity == 8);
static_assert(TQNTEnergyConvertor::kQuantity == 9);
static_assert(TQNTPowerConvertor::kQuantity == 10);
static_assert(TQNTFuelConvertor::kQuantity == 11);
static_assert(TQNTFlowConvertor::kQuantity == 12);
static_assert(TQNTTorqueConvertor::kQuantity == 13);
static_assert(TQNTRActiveConvertor::kQuantity == 14);
static_assert(TQNTFlowMassConvertor::kQuantity == 15);
static_assert(TQNTAngleConvertor::kQuantity == 16);
static_assert(TQNTTimeConvertor::kQuantity == 17);
static_assert(TQNTIlluminationConvertor::kQuantity == 18);
static_assert(TQNTLuminousConvertor::kQuantity == 19);
static_assert(TQNTLuminanceConvertor::kQuantity == 20);
static_assert(TQNTLumFluxConvertor::kQuantity == 21);
static_assert(TQNTAngVelConvertor::kQuantity == 22);
static_assert(TQNTDensityConvertor::kQuantity == 23);
static_assert(TQNTComputerConvertor::kQuantity == 24);
static_assert(TQNTDataRateConvertor::kQuantity == 25);
static_assert(TQNTAngAccelConvertor::kQuantity == 26);
static_assert(TQNTVisDynConvertor::kQuantity == 27);
static_assert(TQNTVisKinConvertor::kQuantity == 28);

}  // namespace

TQNTBaseConvertor* CreateConvertor(TQNTQuantity quantity, QObject* owner) {
  if (quantity >= kQuantityCount) ThrowBadQuantity(quantity);
  return kFactories[quantity](owner);
}

}  // namespace qnt
