// The convertor components' common base.
#include "convert/QNTKITBaseConvertor.h"

namespace qnt {

TQNTBaseConvertor::TQNTBaseConvertor(QObject* owner) : QObject(owner) {}

TQNTBaseConvertor::~TQNTBaseConvertor() = default;

void TQNTBaseConvertor::SetValueIn(Extended value) {
  if (!(value < fValueIn || value > fValueIn)) return;  // equal or unordered (NaN): nothing to do
  fValueIn = value;
  UpdateValueOut();
}

QString TQNTBaseConvertor::Version() const { return QString::fromUtf16(kKitVersion); }

TQNTUnitList TQNTBaseConvertor::UnitList(bool) const { return {}; }

bool TQNTBaseConvertor::IsHidden(int) const { return false; }

void TQNTBaseConvertor::SetHidden(int, bool) {}

void TQNTBaseConvertor::LoadFromStore() {}

void TQNTBaseConvertor::SaveToStore() {}

}  // namespace qnt
