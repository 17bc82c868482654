// The convertor components: one non-visual QObject per quantity that converts ValueIn from its source
// unit to its target unit into ValueOut, and keeps a hidden flag per unit for unit lists.
//
//   host --SetValueIn / Set<Q>UnitsIn / Set<Q>UnitsOut--> convertor --UpdateValueOut--> Convert()
//        <--------------------------- ValueOut ----------------------------------------
//
// A write converts only when it changes something; the value or unit written stays in place when the
// conversion raises, and ValueOut keeps the last completed result. The arithmetic lives in
// QNTKITConversion.h; this layer adds the component state on top of it.
//
// Hidden-unit persistence: a convertor refers to a settings store (StoreCtrl, never owned) and, when its
// host asks, reads or writes one Boolean ident per unit, KeyPrefix() + ordinal ("Hide Temp 0" ...):
//
//   host --LoadFromStore / SaveToStore--> convertor --OpenStorage, ReadBoolean / WriteBoolean,
//                                                      CloseStorage--> TQNTStoreCtrl --> INI / registry file
//
// The store never calls a convertor; destroying the store leaves StoreCtrl null.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "convert/QNTKITConversion.h"
#include "store/QNTKITStoreCtrl.h"

namespace qnt {

/// One entry of a unit list: the unit's display text and its ordinal.
struct TQNTUnitItem {
  QString Text;
  int Ordinal = 0;
  friend bool operator==(const TQNTUnitItem&, const TQNTUnitItem&) = default;
};
/// A unit list as UnitList returns it: in ordinal order, unsorted, duplicates allowed. The caller owns it.
using TQNTUnitList = QList<TQNTUnitItem>;

/// The common base of the 29 convertors: the value to convert, the last result, and the operations a
/// host can use without knowing the quantity (unit ordinals as int).
class TQNTBaseConvertor : public QObject {
  Q_OBJECT

 public:
  explicit TQNTBaseConvertor(QObject* owner = nullptr);
  ~TQNTBaseConvertor() override;

  /// Number of units of the quantity; writes are ignored.
  int NoUnits() const { return ReadNoUnits(); }
  void SetNoUnits(int) {}
  /// Number of hidden units; writes are ignored.
  int NoHiddenUnits() const { return ReadNoHiddenUnits(); }
  void SetNoHiddenUnits(int) {}

  /// The value to convert, in the source unit. A write that changes it (not equal, not NaN) converts,
  /// and propagates the conversion's EMathError with the new value kept.
  Extended ValueIn() const { return fValueIn; }
  void SetValueIn(Extended value);
  /// The result of the last conversion that completed, in the target unit; writes are ignored.
  Extended ValueOut() const { return fValueOut; }
  void SetValueOut(Extended) {}
  /// The kit's version, "6.3.1"; writes are ignored.
  QString Version() const;
  void SetVersion(const QString&) {}

  /// Source and target unit by ordinal, for hosts that handle every quantity alike. A write converts
  /// when it changes the unit; an ordinal outside the quantity's units raises std::out_of_range.
  virtual int SourceUnit() const { return 0; }
  virtual void SetSourceUnit(int) {}
  virtual int TargetUnit() const { return 0; }
  virtual void SetTargetUnit(int) {}
  /// The units for display, in ordinal order, each with its ordinal; hidden units only when ReturnAll.
  virtual TQNTUnitList UnitList(bool ReturnAll) const;
  /// The hidden flag of a unit by ordinal (false / ignored for an ordinal outside the quantity).
  virtual bool IsHidden(int ordinal) const;
  virtual void SetHidden(int ordinal, bool hidden);
  /// Prefix of the stored hidden flags of this quantity ("Hide Temp "); the key of unit n is the
  /// prefix followed by the text of n.
  virtual std::u16string_view KeyPrefix() const { return {}; }

  /// The settings store the hidden flags are kept in, or null. Not owned: destroying the store leaves
  /// this null. Attaching another store (or null) detaches from the old one.
  TQNTStoreCtrl* StoreCtrl() const { return fStoreCtrl.Get(); }
  void SetStoreCtrl(TQNTStoreCtrl* value) { fStoreCtrl.Set(value); }

  /// Reads the hidden flag of every unit from the store's ident KeyPrefix() + ordinal, between the
  /// store's OpenStorage and CloseStorage; a missing ident reads as shown. Nothing changes without a
  /// store, with a store of kind eriNeither, or when the store cannot open its storage (an empty path
  /// or section). A store error propagates after the store is closed, with every flag as it was.
  virtual void LoadFromStore();
  /// Writes the hidden flag of every unit, hidden or not ("1" / "0"), under the same idents. Nothing
  /// is written without a store or with a store that keeps nothing.
  virtual void SaveToStore();

 protected:
  virtual int ReadNoUnits() const { return 0; }
  virtual int ReadNoHiddenUnits() const { return 0; }
  /// Converts ValueIn into ValueOut with the current units; the base has nothing to convert.
  virtual void UpdateValueOut() {}
  /// KeyPrefix() as text.
  QString StorePrefix() const;

  TQNTStoreLink fStoreCtrl{this};
  Extended fValueIn = 0;
  Extended fValueOut = 0;
};

/// What every quantity's convertor shares: its unit enumeration E decides the quantity and unit count.
template <class E>
class TQNTConvertorOf : public TQNTBaseConvertor {
 public:
  using TUnit = E;
  static constexpr TQNTQuantity kQuantity = TQNTUnitTraits<E>::kQuantity;
  static constexpr int kUnitCount = TQNTUnitTraits<E>::kCount;

  /// Hides or shows one unit in UnitList(false); neither converts nor changes the current units.
  void Hide(E Value) { fHidden[CheckedUnit(Value)] = true; }
  void UnHide(E Value) { fHidden[CheckedUnit(Value)] = false; }
  void UnHideAll() { fHidden.fill(false); }

  TQNTUnitList UnitList(bool ReturnAll) const override {
    TQNTUnitList list;
    list.reserve(kUnitCount);
    for (int i = 0; i < kUnitCount; ++i) {
      if (!ReturnAll && fHidden[static_cast<std::size_t>(i)]) continue;
      const std::u16string_view name = UnitName(kQuantity, i);
      list.append({QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())), i});
    }
    return list;
  }

  int SourceUnit() const override { return *const_cast<TQNTConvertorOf*>(this)->UnitField(true); }
  void SetSourceUnit(int ordinal) override { WriteUnit(*UnitField(true), ToUnit(ordinal)); }
  int TargetUnit() const override { return *const_cast<TQNTConvertorOf*>(this)->UnitField(false); }
  void SetTargetUnit(int ordinal) override { WriteUnit(*UnitField(false), ToUnit(ordinal)); }

  bool IsHidden(int ordinal) const override {
    return ordinal >= 0 && ordinal < kUnitCount && fHidden[static_cast<std::size_t>(ordinal)];
  }
  void SetHidden(int ordinal, bool hidden) override {
    if (ordinal >= 0 && ordinal < kUnitCount) fHidden[static_cast<std::size_t>(ordinal)] = hidden;
  }
  std::u16string_view KeyPrefix() const override { return QuantityInfo(kQuantity).KeyPrefix; }

 protected:
  explicit TQNTConvertorOf(QObject* owner) : TQNTBaseConvertor(owner) {}

  int ReadNoUnits() const override { return kUnitCount; }
  int ReadNoHiddenUnits() const override {
    int n = 0;
    for (bool h : fHidden) n += h ? 1 : 0;
    return n;
  }
  void UpdateValueOut() override {
    // Assigned only when the conversion completes: an exception leaves the previous result.
    fValueOut = Convert(kQuantity, *UnitField(true), *UnitField(false), fValueIn);
  }

  /// The quantity class's source (true) or target (false) unit field.
  virtual E* UnitField(bool source) = 0;

  /// Stores a unit and converts, when it differs from the stored one. The unit stays when the
  /// conversion raises.
  void WriteUnit(E& field, E value) {
    CheckedUnit(value);
    if (field == value) return;
    field = value;
    UpdateValueOut();
  }

 private:
  static std::size_t CheckedUnit(E value) {
    return static_cast<std::size_t>(ToUnit(static_cast<int>(value)));
  }
  static E ToUnit(int ordinal) {
    if (ordinal < 0 || ordinal >= kUnitCount) ThrowBadUnit(kQuantity, ordinal);
    return static_cast<E>(ordinal);
  }

  std::array<bool, kUnitCount> fHidden{};
};

}  // namespace qnt
