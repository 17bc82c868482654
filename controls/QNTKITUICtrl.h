// The interface-preferences component: one set of interface preferences (a complete colour set, the
// null and blank display options, the navigation switches, brackets for negatives) that several kit
// controls share instead of their own settings. Controls attach through their UICtrl property, join
// the component's notification list and read its fields by the preference-resolution rule
// (kit/QNTKITPreferences.h); the component tells them when a preference changes. It never writes the
// kit globals.
//
// Persistence: LoadFromStore / SaveToStore read and write every preference under StoreSection of an
// attached settings store (kept as the idents StoredIdents() lists, 96 for all groups).
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "controls/QNTKITColorSets.h"
#include "kit/QNTKITPreferences.h"
#include "kit/QNTKITTypes.h"
#include "store/QNTKITStoreCtrl.h"

namespace qnt {

/// Shared interface preferences for kit edits and button panels.
class TQNTUICtrl : public QObject, public IQNTUIPreferences, public IQNTStoreListener {
  Q_OBJECT

 public:
  explicit TQNTUICtrl(QObject* owner = nullptr);
  ~TQNTUICtrl() override;

  /// The shared colour set (owned).
  TQNTCompleteColorSet* ColorSet() const { return fColorSet.get(); }
  /// Copies a colour set into the shared one.
  void SetColorSet(const TQNTColorSet& value);

  /// Section under which the preferences are stored ("Defaults").
  std::u16string StoreSection() const { return fStoreSection; }
  void SetStoreSection(const std::u16string& value) { fStoreSection = value; }
  /// Groups that LoadFromStore and SaveToStore handle (all four).
  TQNTUIUsageTypes StoreOptions() const { return fStoreOptions; }
  void SetStoreOptions(TQNTUIUsageTypes value) { fStoreOptions = value; }

  // IQNTUIPreferences, with the setters. "Re-displays" setters make every attached edit show its
  // value again when the value changes; the others only store.
  bool EnterAsTab() const override { return fEnterAsTab; }
  void SetEnterAsTab(bool value) { fEnterAsTab = value; }
  bool ESCAsUndo() const override { return fESCAsUndo; }
  void SetESCAsUndo(bool value) { fESCAsUndo = value; }
  bool ArrowsAsTab() const override { return fArrowsAsTab; }
  void SetArrowsAsTab(bool value) { fArrowsAsTab = value; }
  bool NoTabStopOnReadOnly() const override { return fNoTabStopOnReadOnly; }
  void SetNoTabStopOnReadOnly(bool value) { fNoTabStopOnReadOnly = value; }
  std::u16string NullStr() const override { return fNullStr; }
  void SetNullStr(const std::u16string& value);
  bool AllowKbdNull() const override { return fAllowKbdNull; }
  void SetAllowKbdNull(bool value) { fAllowKbdNull = value; }
  bool UseTypesInBlanks() const override { return fUseTypesInBlanks; }
  void SetUseTypesInBlanks(bool value) { Redisplay(fUseTypesInBlanks, value); }
  bool BlankWhenNull() const override { return fBlankWhenNull; }
  void SetBlankWhenNull(bool value) { Redisplay(fBlankWhenNull, value); }
  bool BlankWhenZero() const override { return fBlankWhenZero; }
  void SetBlankWhenZero(bool value) { Redisplay(fBlankWhenZero, value); }
  bool BlankIsNull() const override { return fBlankIsNull; }
  void SetBlankIsNull(bool value) { fBlankIsNull = value; }
  bool DateBlankWhenNull() const override { return fDateBlankWhenNull; }
  void SetDateBlankWhenNull(bool value) { Redisplay(fDateBlankWhenNull, value); }
  bool DateBlankWhenZero() const override { return fDateBlankWhenZero; }
  void SetDateBlankWhenZero(bool value) { Redisplay(fDateBlankWhenZero, value); }
  bool DateBlankIsNull() const override { return fDateBlankIsNull; }
  void SetDateBlankIsNull(bool value) { fDateBlankIsNull = value; }
  bool CurrBlankWhenNull() const override { return fCurrBlankWhenNull; }
  void SetCurrBlankWhenNull(bool value) { Redisplay(fCurrBlankWhenNull, value); }
  bool CurrBlankWhenZero() const override { return fCurrBlankWhenZero; }
  void SetCurrBlankWhenZero(bool value) { Redisplay(fCurrBlankWhenZero, value); }
  bool CurrBlankIsNull() const override { return fCurrBlankIsNull; }
  void SetCurrBlankIsNull(bool value) { fCurrBlankIsNull = value; }
  bool NegAsBrackets() const override { return fNegAsBrackets; }
  void SetNegAsBrackets(bool value) { Redisplay(fNegAsBrackets, value); }
  bool HasColorSet() const override { return fColorSet != nullptr; }
  QString Version() const;

  /// Raised when the colour set changes (with the component as sender).
  TNotifyEvent OnColorSetChange;
  /// Asked by an attached edit whose colours come from this component whether its special colours apply.
  TQNTSpecialColorEvent OnSpecialColor;

  /// The settings store used by LoadFromStore and SaveToStore (not owned). Attaching joins the store's
  /// list, so the store's own LoadFromStore / SaveToStore run this component's.
  TQNTStoreCtrl* StoreCtrl() const { return fStoreCtrl.Get(); }
  void SetStoreCtrl(TQNTStoreCtrl* value) { fStoreCtrl.Set(value); }
  /// Reads every preference of the StoreOptions groups from StoreSection of the attached store, each
  /// with its current value as the default; values out of their range are limited to it (colours that
  /// are no colour are ignored). Nothing happens without a store or with a store of kind eriNeither.
  /// The store's sections are restored afterwards, also when it raises.
  void LoadFromStore() override;
  /// Writes every preference of the StoreOptions groups under StoreSection of the attached store.
  void SaveToStore() override;
  /// The idents SaveToStore writes for the given groups, in the order it writes them (96 for all).
  static QStringList StoredIdents(TQNTUIUsageTypes groups);

  /// Lists a kit edit, button panel or panel; anything else is ignored. No check for duplicates.
  void AddToNotifyList(QObject* value);
  /// Removes the first occurrence.
  void RemoveFromNotifyList(QObject* value);
  /// The listed controls, in order (entries of controls that went away are null).
  QList<QObject*> NotifyList() const;

 protected:
  /// Every listed kit edit recolours.
  virtual void UpdateControlColors();
  /// Every listed kit edit and button panel redraws (flat style changes).
  virtual void RedrawControls();
  /// Every listed kit edit shows its value again.
  virtual void DisplayControls();
  virtual void ColorSetChanged();
  virtual void FlatChanged();

 private:
  struct TStoredRow;
  /// Every stored preference, in the order SaveToStore writes them.
  static const std::vector<TStoredRow>& StoredRows();
  /// The rows in the order LoadFromStore reads them.
  static const std::vector<const TStoredRow*>& LoadOrder();

  void Redisplay(bool& field, bool value);
  template <class F>
  void Broadcast(F&& f);

  std::u16string fStoreSection;
  std::unique_ptr<TQNTCompleteColorSet> fColorSet;
  TQNTUIUsageTypes fStoreOptions = kAllUIUsage;
  bool fEnterAsTab = true;
  bool fESCAsUndo = true;
  bool fArrowsAsTab = true;
  bool fNoTabStopOnReadOnly = true;
  std::u16string fNullStr;
  bool fAllowKbdNull = true;
  bool fUseTypesInBlanks = false;
  bool fBlankWhenNull = false;
  bool fBlankWhenZero = false;
  bool fBlankIsNull = false;
  bool fDateBlankWhenNull = false;
  bool fDateBlankWhenZero = false;
  bool fDateBlankIsNull = false;
  bool fCurrBlankWhenNull = false;
  bool fCurrBlankWhenZero = false;
  bool fCurrBlankIsNull = false;
  bool fNegAsBrackets = false;
  QList<QPointer<QObject>> fNotifyList;
  TQNTStoreLink fStoreCtrl{this};
};

}  // namespace qnt
