// How a kit control chooses between its own settings (or a kit global) and an attached
// interface-preferences component. The component implements IQNTUIPreferences; every edit and button
// panel calls the Resolve... helpers below with its UICtrl link (null when none) and its UIUsage.
#pragma once

#include <string>

#include "kit/QNTKITTypes.h"

namespace qnt {

/// What an interface-preferences component offers to the controls attached to it.
class IQNTUIPreferences {
 public:
  virtual ~IQNTUIPreferences() = default;

  // eutNavigation
  virtual bool EnterAsTab() const = 0;
  virtual bool ESCAsUndo() const = 0;
  virtual bool ArrowsAsTab() const = 0;
  virtual bool NoTabStopOnReadOnly() const = 0;
  // eutBlank_Null
  virtual std::u16string NullStr() const = 0;
  virtual bool AllowKbdNull() const = 0;
  virtual bool UseTypesInBlanks() const = 0;
  virtual bool BlankWhenNull() const = 0;
  virtual bool BlankWhenZero() const = 0;
  virtual bool BlankIsNull() const = 0;
  virtual bool DateBlankWhenNull() const = 0;
  virtual bool DateBlankWhenZero() const = 0;
  virtual bool DateBlankIsNull() const = 0;
  virtual bool CurrBlankWhenNull() const = 0;
  virtual bool CurrBlankWhenZero() const = 0;
  virtual bool CurrBlankIsNull() const = 0;
  // eutFormat
  virtual bool NegAsBrackets() const = 0;
  // eutColorSet: the colour set only counts when the component has one assigned.
  virtual bool HasColorSet() const = 0;
};

/// The rule: the preferences component decides when it is attached and the group is in use.
constexpr bool UsesPreferences(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage, TQNTUIUsageType group) {
  return ui != nullptr && usage.Contains(group);
}

/// The navigation switches in force for a control.
struct TQNTNavigationPrefs {
  bool EnterAsTab;
  bool ESCAsUndo;
  bool ArrowsAsTab;
  bool NoTabStopOnReadOnly;
};

/// The blank and null settings in force for a control.
struct TQNTBlankNullPrefs {
  std::u16string NullStr;
  bool AllowKbdNull = false;
  bool BlankWhenNull = false;
  bool BlankWhenZero = false;
  bool BlankIsNull = false;
};

/// Navigation: the component's switches, else the kit globals read now.
TQNTNavigationPrefs ResolveNavigation(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage);

/// Blank and null: the component's fields (typed by the control's data kind when the component
/// uses types in blanks), else the control's own properties.
TQNTBlankNullPrefs ResolveBlankNull(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage, TQNTBlankType kind,
                                    const TQNTBlankNullPrefs& own);

/// Negatives in brackets: the component's switch, else the control's own property.
bool ResolveNegAsBrackets(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage, bool own);

/// Whether the control paints with the component's colour set instead of its own.
bool UsesPreferenceColorSet(const IQNTUIPreferences* ui, TQNTUIUsageTypes usage);

}  // namespace qnt
