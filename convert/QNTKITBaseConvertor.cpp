// The convertor components' common base.
#include "convert/QNTKITBaseConvertor.h"

#include <optional>
#include <utility>

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

QString TQNTBaseConvertor::StorePrefix() const {
  const std::u16string_view prefix = KeyPrefix();
  return QString::fromUtf16(prefix.data(), static_cast<qsizetype>(prefix.size()));
}

void TQNTBaseConvertor::LoadFromStore() {
  TQNTStoreCtrl* store = StoreCtrl();
  const int count = NoUnits();
  if (store == nullptr || store->RegIniType() == eriNeither || count <= 0) return;
  std::optional<QList<bool>> flags;
  store->WithStorage([&] {
    // A store that could not open (an empty path or section) would give every unit its default:
    // that would show every hidden unit, so it changes nothing instead.
    if (store->StorageFile().isEmpty()) return;
    QList<bool> read;
    read.reserve(count);
    const QString prefix = StorePrefix();
    for (int n = 0; n < count; ++n)
      read << store->ReadBoolean(TQNTStoreCtrl::NumberedIdent(prefix, n), false);
    flags = std::move(read);
  });
  // Applied only when every flag was read: an error leaves the flags as they were.
  if (flags)
    for (int n = 0; n < count; ++n) SetHidden(n, flags->at(n));
}

void TQNTBaseConvertor::SaveToStore() {
  TQNTStoreCtrl* store = StoreCtrl();
  const int count = NoUnits();
  if (store == nullptr || store->RegIniType() == eriNeither || count <= 0) return;
  QList<bool> flags;
  flags.reserve(count);
  for (int n = 0; n < count; ++n) flags << IsHidden(n);
  store->WriteFlagList(StorePrefix(), flags);
}

}  // namespace qnt
